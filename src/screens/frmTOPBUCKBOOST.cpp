#include "screens/frmTOPBUCKBOOST.h"

#include "screens/topology_fields.h"

qiro::frmTOPBUCKBOOST::frmTOPBUCKBOOST(QWidget* parent)
    : TopologyFrame(parent, {"frmTOPBUCKBOOST", Topology::BuckBoost, "topology_buckboost.svg",
                             {"BUCK-BOOST感量计算", "BUCK-BOOST电路参数输入", "BUCK-BOOST电路参数计算结果", "典型电路图：BUCK-BOOST"},
                             {kInP, kInVin, kInVout, kInF, kInGamma},
                             {kOutL_IL, kOutILpk, kOutIin, kOutIout, kOutdI, kOutD}}) {}
