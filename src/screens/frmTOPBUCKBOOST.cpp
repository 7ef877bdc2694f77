#include "screens/frmTOPBUCKBOOST.h"

#include "screens/topology_fields.h"

qiro::frmTOPBUCKBOOST::frmTOPBUCKBOOST(QWidget* parent)
    : TopologyFrame(parent, {"frmTOPBUCKBOOST", Topology::BuckBoost, "topology_buckboost.svg",
                             {QT_TRANSLATE_NOOP("qiro::TopologyFrame", "BUCK-BOOST感量计算"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "BUCK-BOOST电路参数输入"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "BUCK-BOOST电路参数计算结果"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "典型电路图：BUCK-BOOST")},
                             {kInP, kInVin, kInVout, kInF, kInGamma},
                             {kOutL_IL, kOutILpk, kOutIin, kOutIout, kOutdI, kOutD}}) {}
