#include "screens/frmTOPNibianLC.h"

#include "screens/topology_fields.h"

qiro::frmTOPNibianLC::frmTOPNibianLC(QWidget* parent)
    : TopologyFrame(parent, {"frmTOPNibianLC", Topology::InverterLc, "topology_inverter_lc.svg",
                             {QT_TRANSLATE_NOOP("qiro::TopologyFrame", "逆变电感感量计算"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "逆变电路参数输入"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "逆变电路参数计算结果"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "典型电路图：逆变LC")},
                             {kInP, kInVdc, kInVout, kInF, kInGamma},
                             {kOutL_IL, kOutILpkSpike, kOutIL, kOutIout, kOutdI, kOutD}}) {}
