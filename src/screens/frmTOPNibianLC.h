#pragma once
#include "screens/topology_frame.h"

namespace qiro {

// The output LC filter of an inverter fed from a DC bus.
class frmTOPNibianLC final : public TopologyFrame {
  Q_OBJECT
 public:
  explicit frmTOPNibianLC(QWidget* parent = nullptr);
};

}  // namespace qiro
