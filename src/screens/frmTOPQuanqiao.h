#pragma once
#include "screens/topology_frame.h"

namespace qiro {

// The full-bridge converter's output inductor; the duty cycle is that of one switch pair.
class frmTOPQuanqiao final : public TopologyFrame {
  Q_OBJECT
 public:
  explicit frmTOPQuanqiao(QWidget* parent = nullptr);
};

}  // namespace qiro
