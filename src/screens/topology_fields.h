#pragma once
// The fields the converter calculators share, each with its caption, default and check
// (inputs, kIn…) or the quantity it shows (results, kOut…). A screen that names a
// quantity its own way (the BUCK's output current, the PFC's sine input) has its own entry.
// Texts are UTF-8 source texts; the frame passes each through tr() when it shows it.
#include "screens/topology_frame.h"

namespace qiro {

// --- Inputs, with the check "计算" runs on them ---
inline constexpr const char* kNeedOutputCurrent = "请输入“输出电流Iout”！单位为安培（A）";
inline const TopologyInputField kInP{
    "txtP", "功率P (W)", "", {TopologyTest::Positive, "请输入“功率”！单位为瓦特（W）", "功率超出数值范围！"}};
inline const TopologyInputField kInIoutBuck{
    "txtIout", "输出电流Iout (A)", "", {TopologyTest::Positive, kNeedOutputCurrent, "输出电流超出数值范围！"}};
inline const TopologyInputField kInIoutRated{
    "txtIout", "输出额定电流Iout(A)", "", {TopologyTest::Positive, kNeedOutputCurrent, "输出电流超出数值范围！"}};
// Push-pull and full bridge: the doubled "电" belongs to their message.
inline const TopologyInputField kInIoutBridge{
    "txtIout", "输出额定电流Iout(A)", "",
    {TopologyTest::Positive, "请输入“输出电电流Iout”！单位为安培（A）", "输出电流超出数值范围！"}};
inline const TopologyInputField kInVin{
    "txtVin", "输入电压Vin (V)", "", {TopologyTest::Positive, "请输入“输入电压Vin”！单位为伏特（V）", "输入电压超出数值范围！"}};
inline const TopologyInputField kInVinSine{
    "txtVin", "正弦输入电压Vin (V)", "",
    {TopologyTest::Positive, "请输入“正弦输入电压Vin”！单位为伏特（V）", "正弦输入电压超出数值范围！"}};
inline const TopologyInputField kInVdc{
    "txtVin", "输入电压Vdc (V)", "", {TopologyTest::Positive, "请输入“输入电压Vdc”！单位为伏特（V）", "输入电压超出数值范围！"}};
inline const TopologyInputField kInVout{
    "txtVout", "输出电压Vout (V)", "",
    {TopologyTest::Positive, "请输入“输出电压Vout”！单位为伏特（V）", "输出电压超出数值范围！"}};
inline const TopologyInputField kInF{
    "txtF", "开关频率f (kHz)", "", {TopologyTest::Positive, "请输入“开关频率”！单位为千赫兹（kHz）", "开关频率超出数值范围！"}};
inline const TopologyInputField kInGamma{
    "txtWenbolv", "纹波率γ", "0.2", {TopologyTest::Positive, "请输入“纹波率”！", "纹波率超出数值范围！"}};
inline const TopologyInputField kInD{
    "txtD", "占空比D", "0.4", {TopologyTest::DutyCycle, "请重新输入“占空比D”！", "占空比超出数值范围！"}};
// The caption says "转换效率", the message "转化效率".
inline const TopologyInputField kInEta{
    "txtXiaolv", "转换效率η", "0.98",
    {TopologyTest::Efficiency, "请重新输入“转化效率”！转化效率大于0小于1", "转换效率超出数值范围！"}};

// --- Results ---
inline const TopologyResultField kOutL_IL{"txtL", "电感量L@IL (uH)", TopologyQuantity::Inductance};
inline const TopologyResultField kOutL_Ipk{"txtL", "电感量L@Ipk (uH)", TopologyQuantity::Inductance};
inline const TopologyResultField kOutILpk{"txtILpk", "电感电流ILpk (A)", TopologyQuantity::PeakCurrent};
inline const TopologyResultField kOutILpkCrest{"txtILpk", "电感峰值电流ILpk (A)",
                                               TopologyQuantity::PeakCurrent};
inline const TopologyResultField kOutILpkSpike{"txtILpk", "电感尖峰电流ILpk (A)",
                                               TopologyQuantity::PeakCurrent};
inline const TopologyResultField kOutPo{"txtP", "功率Po(W)", TopologyQuantity::Power};
inline const TopologyResultField kOutdI{"txtdI", "纹波电流ΔI (A)", TopologyQuantity::Ripple};
inline const TopologyResultField kOutD{"txtD", "占空比D", TopologyQuantity::DutyCycle};
// The average inductor current, which the BOOST and BUCK-BOOST label as the input current.
inline const TopologyResultField kOutBoostIin{"txtILrms", "输入电流Iin (A)",
                                              TopologyQuantity::InductorCurrent};
inline const TopologyResultField kOutIin{"txtIin", "输入电流Iin (A)", TopologyQuantity::InductorCurrent};
inline const TopologyResultField kOutBoostIo{"txtIo", "额定输出电流Iout (A)",
                                             TopologyQuantity::OutputCurrent};
inline const TopologyResultField kOutIout{"txtIout", "额定输出电流Iout (A)",
                                          TopologyQuantity::OutputCurrent};
inline const TopologyResultField kOutILrms{"txtILrms", "电感有效电流ILrms (A)",
                                           TopologyQuantity::InductorRmsCurrent};
inline const TopologyResultField kOutIo{"txtIo", "额定输出电流Io (A)", TopologyQuantity::OutputCurrent};
inline const TopologyResultField kOutIL{"txtIL", "电感峰值电流IL (A)", TopologyQuantity::InductorCurrent};

}  // namespace qiro
