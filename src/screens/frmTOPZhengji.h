#pragma once
#include "screens/topology_frame.h"

namespace qiro {

// The forward converter's output inductor; the duty cycle is entered.
class frmTOPZhengji final : public TopologyFrame {
  Q_OBJECT
 public:
  explicit frmTOPZhengji(QWidget* parent = nullptr);
};

}  // namespace qiro
