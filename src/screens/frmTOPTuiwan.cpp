#include "screens/frmTOPTuiwan.h"

#include "screens/topology_fields.h"

qiro::frmTOPTuiwan::frmTOPTuiwan(QWidget* parent)
    : TopologyFrame(parent, {"frmTOPTuiwan", Topology::PushPull, "topology_push_pull.svg",
                             {QT_TRANSLATE_NOOP("qiro::TopologyFrame", "推挽电感感量计算"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "电路参数输入"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "电路参数计算结果"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "典型电路图：推挽电路")},
                             {kInVout, kInF, kInIoutBridge, kInD, kInGamma},
                             {kOutL_Ipk, kOutILpkCrest, kOutdI}}) {}
