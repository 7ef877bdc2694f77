#pragma once
// The fields the converter calculators share, each with its caption, default and check
// (inputs, kIn…) or the quantity it shows (results, kOut…). A screen that names a
// quantity its own way (the BUCK's output current, the PFC's sine input) has its own entry.
// Texts are UTF-8 source texts; the frame passes each through tr() when it shows it.
#include "screens/topology_frame.h"

namespace qiro {

// --- Inputs, with the check QT_TRANSLATE_NOOP("qiro::TopologyFrame", "计算") runs on them ---
inline constexpr const char* kNeedOutputCurrent = QT_TRANSLATE_NOOP("qiro::TopologyFrame", "请输入“输出电流Iout”！单位为安培（A）");
inline const TopologyInputField kInP{
    "txtP", QT_TRANSLATE_NOOP("qiro::TopologyFrame", "功率P (W)"), "", {TopologyTest::Positive, QT_TRANSLATE_NOOP("qiro::TopologyFrame", "请输入“功率”！单位为瓦特（W）"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "功率超出数值范围！")}};
inline const TopologyInputField kInIoutBuck{
    "txtIout", QT_TRANSLATE_NOOP("qiro::TopologyFrame", "输出电流Iout (A)"), "", {TopologyTest::Positive, kNeedOutputCurrent, QT_TRANSLATE_NOOP("qiro::TopologyFrame", "输出电流超出数值范围！")}};
inline const TopologyInputField kInIoutRated{
    "txtIout", QT_TRANSLATE_NOOP("qiro::TopologyFrame", "输出额定电流Iout(A)"), "", {TopologyTest::Positive, kNeedOutputCurrent, QT_TRANSLATE_NOOP("qiro::TopologyFrame", "输出电流超出数值范围！")}};
// Push-pull and full bridge: the doubled QT_TRANSLATE_NOOP("qiro::TopologyFrame", "电") belongs to their message.
inline const TopologyInputField kInIoutBridge{
    "txtIout", QT_TRANSLATE_NOOP("qiro::TopologyFrame", "输出额定电流Iout(A)"), "",
    {TopologyTest::Positive, QT_TRANSLATE_NOOP("qiro::TopologyFrame", "请输入“输出电电流Iout”！单位为安培（A）"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "输出电流超出数值范围！")}};
inline const TopologyInputField kInVin{
    "txtVin", QT_TRANSLATE_NOOP("qiro::TopologyFrame", "输入电压Vin (V)"), "", {TopologyTest::Positive, QT_TRANSLATE_NOOP("qiro::TopologyFrame", "请输入“输入电压Vin”！单位为伏特（V）"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "输入电压超出数值范围！")}};
inline const TopologyInputField kInVinSine{
    "txtVin", QT_TRANSLATE_NOOP("qiro::TopologyFrame", "正弦输入电压Vin (V)"), "",
    {TopologyTest::Positive, QT_TRANSLATE_NOOP("qiro::TopologyFrame", "请输入“正弦输入电压Vin”！单位为伏特（V）"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "正弦输入电压超出数值范围！")}};
inline const TopologyInputField kInVdc{
    "txtVin", QT_TRANSLATE_NOOP("qiro::TopologyFrame", "输入电压Vdc (V)"), "", {TopologyTest::Positive, QT_TRANSLATE_NOOP("qiro::TopologyFrame", "请输入“输入电压Vdc”！单位为伏特（V）"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "输入电压超出数值范围！")}};
inline const TopologyInputField kInVout{
    "txtVout", QT_TRANSLATE_NOOP("qiro::TopologyFrame", "输出电压Vout (V)"), "",
    {TopologyTest::Positive, QT_TRANSLATE_NOOP("qiro::TopologyFrame", "请输入“输出电压Vout”！单位为伏特（V）"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "输出电压超出数值范围！")}};
inline const TopologyInputField kInF{
    "txtF", QT_TRANSLATE_NOOP("qiro::TopologyFrame", "开关频率f (kHz)"), "", {TopologyTest::Positive, QT_TRANSLATE_NOOP("qiro::TopologyFrame", "请输入“开关频率”！单位为千赫兹（kHz）"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "开关频率超出数值范围！")}};
inline const TopologyInputField kInGamma{
    "txtWenbolv", QT_TRANSLATE_NOOP("qiro::TopologyFrame", "纹波率γ"), "0.2", {TopologyTest::Positive, QT_TRANSLATE_NOOP("qiro::TopologyFrame", "请输入“纹波率”！"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "纹波率超出数值范围！")}};
inline const TopologyInputField kInD{
    "txtD", QT_TRANSLATE_NOOP("qiro::TopologyFrame", "占空比D"), "0.4", {TopologyTest::DutyCycle, QT_TRANSLATE_NOOP("qiro::TopologyFrame", "请重新输入“占空比D”！"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "占空比超出数值范围！")}};
// The caption says QT_TRANSLATE_NOOP("qiro::TopologyFrame", "转换效率"), the message QT_TRANSLATE_NOOP("qiro::TopologyFrame", "转化效率").
inline const TopologyInputField kInEta{
    "txtXiaolv", QT_TRANSLATE_NOOP("qiro::TopologyFrame", "转换效率η"), "0.98",
    {TopologyTest::Efficiency, QT_TRANSLATE_NOOP("qiro::TopologyFrame", "请重新输入“转化效率”！转化效率大于0小于1"), QT_TRANSLATE_NOOP("qiro::TopologyFrame", "转换效率超出数值范围！")}};

// --- Results ---
inline const TopologyResultField kOutL_IL{"txtL", QT_TRANSLATE_NOOP("qiro::TopologyFrame", "电感量L@IL (uH)"), TopologyQuantity::Inductance};
inline const TopologyResultField kOutL_Ipk{"txtL", QT_TRANSLATE_NOOP("qiro::TopologyFrame", "电感量L@Ipk (uH)"), TopologyQuantity::Inductance};
inline const TopologyResultField kOutILpk{"txtILpk", QT_TRANSLATE_NOOP("qiro::TopologyFrame", "电感电流ILpk (A)"), TopologyQuantity::PeakCurrent};
inline const TopologyResultField kOutILpkCrest{"txtILpk", QT_TRANSLATE_NOOP("qiro::TopologyFrame", "电感峰值电流ILpk (A)"),
                                               TopologyQuantity::PeakCurrent};
inline const TopologyResultField kOutILpkSpike{"txtILpk", QT_TRANSLATE_NOOP("qiro::TopologyFrame", "电感尖峰电流ILpk (A)"),
                                               TopologyQuantity::PeakCurrent};
inline const TopologyResultField kOutPo{"txtP", QT_TRANSLATE_NOOP("qiro::TopologyFrame", "功率Po(W)"), TopologyQuantity::Power};
inline const TopologyResultField kOutdI{"txtdI", QT_TRANSLATE_NOOP("qiro::TopologyFrame", "纹波电流ΔI (A)"), TopologyQuantity::Ripple};
inline const TopologyResultField kOutD{"txtD", QT_TRANSLATE_NOOP("qiro::TopologyFrame", "占空比D"), TopologyQuantity::DutyCycle};
// The average inductor current, which the BOOST and BUCK-BOOST label as the input current.
inline const TopologyResultField kOutBoostIin{"txtILrms", QT_TRANSLATE_NOOP("qiro::TopologyFrame", "输入电流Iin (A)"),
                                              TopologyQuantity::InductorCurrent};
inline const TopologyResultField kOutIin{"txtIin", QT_TRANSLATE_NOOP("qiro::TopologyFrame", "输入电流Iin (A)"), TopologyQuantity::InductorCurrent};
inline const TopologyResultField kOutBoostIo{"txtIo", QT_TRANSLATE_NOOP("qiro::TopologyFrame", "额定输出电流Iout (A)"),
                                             TopologyQuantity::OutputCurrent};
inline const TopologyResultField kOutIout{"txtIout", QT_TRANSLATE_NOOP("qiro::TopologyFrame", "额定输出电流Iout (A)"),
                                          TopologyQuantity::OutputCurrent};
inline const TopologyResultField kOutILrms{"txtILrms", QT_TRANSLATE_NOOP("qiro::TopologyFrame", "电感有效电流ILrms (A)"),
                                           TopologyQuantity::InductorRmsCurrent};
inline const TopologyResultField kOutIo{"txtIo", QT_TRANSLATE_NOOP("qiro::TopologyFrame", "额定输出电流Io (A)"), TopologyQuantity::OutputCurrent};
inline const TopologyResultField kOutIL{"txtIL", QT_TRANSLATE_NOOP("qiro::TopologyFrame", "电感峰值电流IL (A)"), TopologyQuantity::InductorCurrent};

}  // namespace qiro
