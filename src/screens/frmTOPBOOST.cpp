#include "screens/frmTOPBOOST.h"

#include "screens/topology_fields.h"

qiro::frmTOPBOOST::frmTOPBOOST(QWidget* parent)
    : TopologyFrame(parent, {"frmTOPBOOST", Topology::Boost, "topology_boost.svg",
                             {QT_TRANSLATE_NOOP("qiro::TopologyFrame", "BOOST感量计算"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "BOOST电路参数输入"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "BOOST电路参数计算结果"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "典型电路图：BOOST")},
                             {kInP, kInVin, kInVout, kInF, kInGamma},
                             {kOutL_IL, kOutILpk, kOutBoostIin, kOutBoostIo, kOutdI, kOutD}}) {}
