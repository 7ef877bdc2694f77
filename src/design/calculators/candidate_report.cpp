#include "design/calculators/candidate_report.h"

#include <array>

#include "text/number_text.h"

namespace qiro {

Outcome<InductorEvaluation> EvaluateCandidate(const SelectionCandidate& c) {
  return EvaluateInductor(c.Core, c.Core, c.CoreCount, 0.0f, c.FrequencyKHz, c.AverageCurrent,
                          c.PeakCurrent, c.RippleCurrent, c.WireDiameter, c.StrandCount,
                          c.Turns);
}

std::string DescribeCandidate(const InductorEvaluation& e) {
  const auto general = [](float v) { return GeneralNumberText(v); };
  const auto fixed = [](float v, const char* pattern) {
    return PatternText(static_cast<double>(v), pattern);
  };
  const CoreRecord& core = e.Core;
  const std::array<std::string, 14> lines = {
      "磁芯型号：" + core.PartNumber,
      "磁芯尺寸：外径×内径×高度=" + general(core.CoatedOuterDiameter) + "×" +
          general(core.CoatedInnerDiameter) + "×" + general(core.CoatedHeight) + " mm",
      "电感系数：" + general(core.InductanceFactor) + " nH/N*N",
      "有效磁路长度：" + general(core.PathLength) + " cm",
      "磁芯截面积：" + general(core.CrossSection) + " cm*cm",
      "",
      "线径：" + general(e.WireDiameter) + "mm×" + GeneralNumberText(e.StrandCount) + "Pcs",
      "绕线圈数：" + GeneralNumberText(e.Turns),
      "电流密度：" + fixed(e.CurrentDensity, "0.00"),
      "直流电阻：" + fixed(e.DcResistance, "0.00") + "mΩ",
      "铜损：" + fixed(e.CopperLoss, "0.000") + "W",
      "L@0A：" + general(e.InductanceAtZero) + "μH",
      "L@" + fixed(e.AverageCurrent, "0.00") + "A：" + fixed(e.InductanceAtAverage, "0.00") +
          "μH （H=" + fixed(e.FieldAtAverage, "0.00") + "Oe）",
      "L@" + fixed(e.PeakCurrent, "0.00") + "A：" + fixed(e.InductanceAtPeak, "0.00") +
          "μH （H=" + fixed(e.FieldAtPeak, "0.00") + "Oe）",
  };
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  return text;
}

}  // namespace qiro
