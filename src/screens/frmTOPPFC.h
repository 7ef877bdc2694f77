#pragma once
#include "screens/topology_frame.h"

namespace qiro {

// The boost PFC stage, sized at the crest of the sine line voltage.
class frmTOPPFC final : public TopologyFrame {
  Q_OBJECT
 public:
  explicit frmTOPPFC(QWidget* parent = nullptr);
};

}  // namespace qiro
