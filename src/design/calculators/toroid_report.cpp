#include "design/calculators/toroid_report.h"

#include "text/float_range.h"
#include "text/number_text.h"

namespace qiro {
namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kRule = "================================================";
constexpr const char* kOutsideLossModel = "超出损耗模型范围";

std::string General(float value) { return GeneralNumberText(value); }
std::string Fixed(float value, const char* pattern) {
  return PatternText(static_cast<double>(value), pattern);
}

}  // namespace

std::string CoreInfoText(const CoreRecord& core) {
  std::string text;
  text += "磁芯料号：" + core.PartNumber + kLineEnd;
  text += "涂层前尺寸：外径×内径×高度=" + General(core.OuterDiameter) + "×" +
          General(core.InnerDiameter) + "×" + General(core.Height) + " mm" + kLineEnd;
  text += "涂层后尺寸：外径×内径×高度=" + General(core.CoatedOuterDiameter) + "×" +
          General(core.CoatedInnerDiameter) + "×" + General(core.CoatedHeight) + " mm" +
          kLineEnd;
  text += "电感系数：" + General(core.InductanceFactor) + " nH " + kLineEnd;
  text += "有效磁路长度：" + Fixed(core.PathLength, "0.000") + " cm" + kLineEnd;
  text += "磁芯截面积：" + General(core.CrossSection) + " cm×cm" + kLineEnd;
  text += "磁芯体积：" + General(core.Volume) + " CC";
  return text;
}

std::string ReportText(const InductorEvaluation& e) {
  // The loss polynomial of one material turns negative far outside its measured range;
  // a negative loss would read as a gain, so both loss lines name the limit instead.
  const bool lossModelled = !(e.CoreLoss < 0) && !(e.CoreLossPerVolume < 0);
  const std::string coreLoss =
      lossModelled ? General(e.CoreLoss) + " W" : std::string(kOutsideLossModel);
  const std::string totalLoss =
      lossModelled ? General(ToFloat32(static_cast<double>(e.CopperLoss) +
                                       static_cast<double>(e.CoreLoss))) +
                         " W"
                   : std::string(kOutsideLossModel);

  std::string text;
  auto line = [&text](const std::string& content) { text += content + kLineEnd; };
  line("磁芯型号：" + e.Core.PartNumber);
  line("磁芯个数：" + General(e.CoreCount));
  line("频率：" + General(e.FrequencyKHz) + " kHz");
  line("平均电流：" + General(e.AverageCurrent) + " A");
  line("峰值电流：" + General(e.PeakCurrent) + " A");
  line("纹波电流：" + General(e.RippleCurrent) + "A");
  line("铜线线径：" + General(e.WireDiameter) + "mm×" + GeneralNumberText(e.StrandCount) +
       "Pcs");
  line("电流密度：" + Fixed(e.CurrentDensity, "0.00"));
  line("直流电阻：" + Fixed(e.DcResistance, "0.00") + "mΩ");
  line(kRule);
  line("L@0A：" + General(e.InductanceAtZero) + "μH");
  line("L@" + Fixed(e.AverageCurrent, "0.00") + "A：" + Fixed(e.InductanceAtAverage, "0.00") +
       "μH （H=" + Fixed(e.FieldAtAverage, "0.00") + "Oe）");
  line("L@" + Fixed(e.PeakCurrent, "0.00") + "A：" + Fixed(e.InductanceAtPeak, "0.00") +
       "μH （H=" + Fixed(e.FieldAtPeak, "0.00") + "Oe）");
  line(kRule);
  line("磁损：" + coreLoss);
  line("铜损：" + Fixed(e.CopperLoss, "0.000") + "W");
  line("总损耗：" + totalLoss);
  return text;
}

std::string WindingWarning(const InductorEvaluation& e) {
  return e.WindowFill > 44 ? kWindingWarning : "";
}

}  // namespace qiro
