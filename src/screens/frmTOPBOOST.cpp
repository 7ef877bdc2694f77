#include "screens/frmTOPBOOST.h"

#include "screens/topology_fields.h"

qiro::frmTOPBOOST::frmTOPBOOST(QWidget* parent)
    : TopologyFrame(parent, {"frmTOPBOOST", Topology::Boost, "topology_boost.svg",
                             {"BOOST感量计算", "BOOST电路参数输入", "BOOST电路参数计算结果", "典型电路图：BOOST"},
                             {kInP, kInVin, kInVout, kInF, kInGamma},
                             {kOutL_IL, kOutILpk, kOutBoostIin, kOutBoostIo, kOutdI, kOutD}}) {}
