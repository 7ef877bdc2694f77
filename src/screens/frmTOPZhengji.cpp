#include "screens/frmTOPZhengji.h"

#include "screens/topology_fields.h"

qiro::frmTOPZhengji::frmTOPZhengji(QWidget* parent)
    : TopologyFrame(parent, {"frmTOPZhengji", Topology::Forward, "topology_forward.svg",
                             {QT_TRANSLATE_NOOP("qiro::TopologyFrame", "正激电感感量计算"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "电路参数输入"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "电路参数计算结果"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "典型电路图：正激电路TOP")},
                             {kInVout, kInF, kInIoutRated, kInD, kInGamma},
                             {kOutL_Ipk, kOutILpkCrest, kOutdI}}) {}
