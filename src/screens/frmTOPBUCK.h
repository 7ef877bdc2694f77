#pragma once
#include "screens/topology_frame.h"

namespace qiro {

// The BUCK converter: the output current is entered, the duty cycle is a result.
class frmTOPBUCK final : public TopologyFrame {
  Q_OBJECT
 public:
  explicit frmTOPBUCK(QWidget* parent = nullptr);
};

}  // namespace qiro
