#pragma once
#include "screens/topology_frame.h"

namespace qiro {

// The push-pull converter's output inductor; the duty cycle is that of one switch.
class frmTOPTuiwan final : public TopologyFrame {
  Q_OBJECT
 public:
  explicit frmTOPTuiwan(QWidget* parent = nullptr);
};

}  // namespace qiro
