#include "screens/frmTOPBUCK.h"

#include "screens/topology_fields.h"

qiro::frmTOPBUCK::frmTOPBUCK(QWidget* parent)
    : TopologyFrame(parent, {"frmTOPBUCK", Topology::Buck, "topology_buck.svg",
                             {QT_TRANSLATE_NOOP("qiro::TopologyFrame", "BUCK感量计算"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "BUCK电路参数输入"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "BUCK电路参数计算结果"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "典型电路图：BUCK")},
                             {kInIoutBuck, kInVin, kInVout, kInF, kInGamma},
                             {kOutL_IL, kOutILpk, kOutPo, kOutdI, kOutD}}) {}
