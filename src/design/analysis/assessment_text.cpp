#include "design/analysis/assessment_text.h"

#include "text/number_text.h"

namespace qiro {
namespace {

std::string Fixed(double value, const char* pattern) { return PatternText(value, pattern); }

AssessmentLevel LevelOf(ThermalRating rating) {
  switch (rating) {
    case ThermalRating::Normal: return AssessmentLevel::Normal;
    case ThermalRating::High: return AssessmentLevel::High;
    case ThermalRating::TooHigh: return AssessmentLevel::TooHigh;
  }
  return AssessmentLevel::Plain;
}

AssessmentLevel LevelOf(RetentionRating rating) {
  switch (rating) {
    case RetentionRating::Normal: return AssessmentLevel::Normal;
    case RetentionRating::Low: return AssessmentLevel::High;
    case RetentionRating::TooLow: return AssessmentLevel::TooHigh;
  }
  return AssessmentLevel::Plain;
}

}  // namespace

std::vector<AssessmentLine> AssessmentText(const DesignAssessment& a, bool withoutRipple) {
  // Short lines: the panel sits in a narrow column and never wraps.
  std::vector<AssessmentLine> lines = {
      {"绕组层数：" + std::to_string(a.Layers) + "层"},
      {"绕线厚度：" + Fixed(a.BuildThickness, "0.00") + " mm"},
      {"绕后外径×高度：" + Fixed(a.WoundOuterDiameter, "0.0") + "×" +
       Fixed(a.WoundHeight, "0.0") + " mm"},
      {"散热面积：" + Fixed(a.SurfaceArea, "0.0") + " cm²"},
      {"直流铜损：" + Fixed(a.CopperLossDc, "0.000") + " W"},
      {"交流铜损：" + Fixed(a.CopperLossAc, "0.000") + " W"},
      {"Dowell系数：" + Fixed(a.DowellFactor, "0.00")},
      {"总损耗：" + Fixed(a.TotalLoss, "0.000") + " W（磁损" + Fixed(a.CoreLoss, "0.000") + " W）"},
      {"温升：" + Fixed(a.TemperatureRise, "0.0") + " °C（" +
           std::string(VerdictWord(a.ThermalVerdict)) + "）",
       LevelOf(a.ThermalVerdict)},
      {"绕组温度：" + Fixed(a.WindingTemperature, "0.0") + " °C"},
      {"峰值电感保持率：" + Fixed(a.InductanceRetention, "0.0") + " %（" +
           std::string(VerdictWord(a.RetentionVerdict)) + "）",
       LevelOf(a.RetentionVerdict)},
  };
  if (withoutRipple) {
    lines.push_back({"方案不含频率和纹波："});
    lines.push_back({"磁损和交流铜损按0计"});
  }
  return lines;
}

std::string AssessmentRefusalText(AssessmentRefusal refusal) {
  switch (refusal) {
    case AssessmentRefusal::WindingDoesNotFit: return "无法评估：绕组放不进磁芯内孔";
    case AssessmentRefusal::LossOutsideModel: return "无法评估：磁损超出损耗模型范围";
    case AssessmentRefusal::NoSteadyTemperature:
      static_assert(kHottestWinding == 500, "the text names the limit");
      return "无法评估：绕组温度将超过500 °C，无稳定温度";
    case AssessmentRefusal::None:
    case AssessmentRefusal::InvalidInput: break;
  }
  return "无法评估：输入无法评估";
}

}  // namespace qiro
