#include "screens/frmTOPPFC.h"

#include "screens/topology_fields.h"

qiro::frmTOPPFC::frmTOPPFC(QWidget* parent)
    : TopologyFrame(parent, {"frmTOPPFC", Topology::Pfc, "topology_pfc.svg",
                             {QT_TRANSLATE_NOOP("qiro::TopologyFrame", "PFC感量计算"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "PFC电路参数输入"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "PFC电路参数计算结果"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "典型电路图：PFC")},
                             {kInP, kInVinSine, kInVout, kInF, kInEta, kInGamma},
                             {kOutL_Ipk, kOutILpkCrest, kOutILrms, kOutD, kOutdI, kOutIo}}) {}
