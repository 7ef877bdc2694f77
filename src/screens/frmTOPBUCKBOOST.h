#pragma once
#include "screens/topology_frame.h"

namespace qiro {

// The inverting BUCK-BOOST converter; the output voltage is entered as a magnitude.
class frmTOPBUCKBOOST final : public TopologyFrame {
  Q_OBJECT
 public:
  explicit frmTOPBUCKBOOST(QWidget* parent = nullptr);
};

}  // namespace qiro
