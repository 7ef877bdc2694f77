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

std::string DirectCurrentHeading() { return "直流加对称纹波的评估："; }

std::vector<AssessmentLine> ConverterAssessmentText(const Converter& converter,
                                                    const DesignAssessment* assessment,
                                                    const ConverterLoad* load,
                                                    AssessmentRefusal refusal) {
  const bool lineCycle = converter.Kind == Topology::Pfc || converter.Kind == Topology::InverterLc;
  std::vector<AssessmentLine> lines;
  lines.push_back({"变换器中的评估："});
  lines.push_back({"工作条件：" + ConverterSummary(converter)});
  lines.push_back({lineCycle ? "磁损模型：iGSE，线周期平均" : "磁损模型：iGSE，伏秒"});
  if (assessment == nullptr || load == nullptr) {
    lines.push_back({AssessmentRefusalText(refusal)});
    return lines;
  }
  for (AssessmentLine& line : AssessmentText(*assessment, false)) lines.push_back(std::move(line));
  lines.push_back({"最大电流：" + Fixed(load->HighestCurrent, "0.000") + " A；最大纹波：" +
                   Fixed(load->LargestRipple, "0.000") + " A"});
  return lines;
}

}  // namespace qiro
