#include "screens/frmTOPZhengji.h"

#include "screens/topology_fields.h"

qiro::frmTOPZhengji::frmTOPZhengji(QWidget* parent)
    : TopologyFrame(parent, {"frmTOPZhengji", Topology::Forward, "topology_forward.svg",
                             {"正激电感感量计算", "电路参数输入", "电路参数计算结果", "典型电路图：正激电路TOP"},
                             {kInVout, kInF, kInIoutRated, kInD, kInGamma},
                             {kOutL_Ipk, kOutILpkCrest, kOutdI}}) {}
