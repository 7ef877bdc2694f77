#include "design/toroid_reading.h"

#include <cmath>
#include <optional>

#include "text/float_range.h"
#include "text/number_text.h"

namespace qiro {
namespace {

// A current or frequency the design can use: above 0 both as typed and once stored as a
// 32-bit float (a 40-digit text would otherwise become infinity, 1e-50 would become 0).
std::optional<float> PositiveQuantity(const std::string& text) {
  const double value = LeadingNumber(text);
  if (!(value > 0) || !FitsFloat32(value)) return std::nullopt;
  const float stored = ToFloat32(value);
  if (!(stored > 0)) return std::nullopt;
  return stored;
}

}  // namespace

std::variant<ToroidInputs, ToroidInputFault> ReadToroidInputs(const ToroidInputTexts& texts) {
  using Fault = ToroidInputFault;
  ToroidInputs in;

  const auto average = PositiveQuantity(texts.averageCurrent);
  if (!average) return Fault::AverageCurrent;
  const auto peak = PositiveQuantity(texts.peakCurrent);
  if (!peak) return Fault::PeakCurrent;
  const auto ripple = PositiveQuantity(texts.rippleCurrent);
  if (!ripple) return Fault::RippleCurrent;
  const auto frequency = PositiveQuantity(texts.frequency);
  if (!frequency) return Fault::Frequency;
  in.averageCurrent = *average;
  in.peakCurrent = *peak;
  in.rippleCurrent = *ripple;
  in.frequencyKHz = *frequency;

  // The turns are judged as the whole count that is evaluated: "0.4" reads above 0 but is
  // 0 turns, which the design would divide by.
  const auto turns = ToInteger16(LeadingNumber(texts.turns));
  if (!turns || *turns < 1 || *turns > kMostTurns) return Fault::Turns;
  in.turns = *turns;

  if (!texts.coreSelected) return Fault::NoCore;

  // Fewer than one strand is taken as one; more than a 16-bit count holds is refused
  // rather than wrapped into some other number.
  const double strands = LeadingNumber(texts.strandCount);
  const auto strandCount = ToInteger16(strands);
  if (strands > 0 && !strandCount) return Fault::StrandCount;
  if (!strandCount || *strandCount < 1) {
    in.strandCount = 1;
    in.strandCountReplaced = true;
  } else {
    in.strandCount = *strandCount;
  }

  const float coreCount = ToFloat32(LeadingNumber(texts.coreCount));
  if (std::isinf(coreCount) && coreCount > 0) return Fault::CoreCount;
  if (!(coreCount > 0)) {
    in.coreCount = 1;
    in.coreCountReplaced = true;
  } else {
    in.coreCount = coreCount;
  }

  const double wire = LeadingNumber(texts.wireDiameter);
  if (!(wire > 0) || !FitsFloat32(wire) || !(ToFloat32(wire) > 0)) return Fault::WireDiameter;
  in.wireDiameter = ToFloat32(wire);
  return in;
}

}  // namespace qiro
