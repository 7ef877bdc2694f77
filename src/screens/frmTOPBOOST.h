#pragma once
#include "screens/topology_frame.h"

namespace qiro {

// The BOOST converter, sized from the output power.
class frmTOPBOOST final : public TopologyFrame {
  Q_OBJECT
 public:
  explicit frmTOPBOOST(QWidget* parent = nullptr);
};

}  // namespace qiro
