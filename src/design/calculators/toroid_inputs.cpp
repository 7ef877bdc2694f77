#include "design/calculators/toroid_inputs.h"

#include <cmath>

#include "text/float_range.h"
#include "text/number_text.h"

namespace qiro {
namespace {

std::optional<std::string> Written(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  return GeneralNumberText(value);
}

}  // namespace

std::optional<std::string> PeakFromAverage(std::string_view averageText) {
  return Written(LeadingNumber(averageText) * 1.414);
}

std::optional<std::string> RippleFromPeak(std::string_view peakText, double fraction) {
  return Written(LeadingNumber(peakText) * fraction);
}

std::optional<std::string> RippleFromAverage(std::string_view averageText) {
  return Written(LeadingNumber(averageText) * 1.414 * 0.2);
}

std::optional<std::string> CurrentDensityCaption(std::string_view averageText,
                                                 std::string_view wireText,
                                                 std::string_view strandText) {
  const float current = ToFloat32(LeadingNumber(averageText));
  const float wire = ToFloat32(LeadingNumber(wireText));
  const float strands = ToFloat32(LeadingNumber(strandText));
  if (!std::isfinite(current) || !std::isfinite(wire) || !std::isfinite(strands)) {
    return std::nullopt;
  }
  float density = 0.0f;
  if (strands > 0) {
    const double d = static_cast<double>(wire);
    density = ToFloat32(static_cast<double>(current) /
                        ((d * d * 0.78539815) * static_cast<double>(strands)));
  }
  if (!std::isfinite(density)) return std::nullopt;
  return "电流密度=" + PatternText(static_cast<double>(density), "0.00");
}

}  // namespace qiro
