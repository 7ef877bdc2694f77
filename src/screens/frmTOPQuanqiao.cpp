#include "screens/frmTOPQuanqiao.h"

#include "screens/topology_fields.h"

qiro::frmTOPQuanqiao::frmTOPQuanqiao(QWidget* parent)
    : TopologyFrame(parent, {"frmTOPQuanqiao", Topology::FullBridge, "topology_full_bridge.svg",
                             {QT_TRANSLATE_NOOP("qiro::TopologyFrame", "全桥电感感量计算"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "电路参数输入"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "电路参数计算结果"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "典型电路图：全桥电路")},
                             {kInVout, kInF, kInIoutBridge, kInD, kInGamma},
                             {kOutL_Ipk, kOutILpkCrest, kOutdI}}) {}
