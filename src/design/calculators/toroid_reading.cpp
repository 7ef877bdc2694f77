#include "design/calculators/toroid_reading.h"

#include <cmath>
#include <optional>

#include "text/float_range.h"
#include "text/number_text.h"

namespace qiro {
namespace {

enum class Quantity { Usable, NotPositive, BeyondRange };

// A current or frequency the design can use: above 0 both as typed and once stored as a
// 32-bit float (a 40-digit text would otherwise become infinity, 1e-50 would become 0).
Quantity ReadPositive(const std::string& text, float& stored) {
  const double value = LeadingNumber(text);
  if (!(value > 0)) return Quantity::NotPositive;
  if (!FitsFloat32(value)) return Quantity::BeyondRange;
  stored = ToFloat32(value);
  return stored > 0 ? Quantity::Usable : Quantity::BeyondRange;
}

}  // namespace

std::variant<ToroidInputs, ToroidInputFault> ReadToroidInputs(const ToroidInputTexts& texts) {
  using Fault = ToroidInputFault;
  ToroidInputs in;

  const struct {
    const std::string& text;
    float& value;
    Fault notPositive;
    Fault beyondRange;
  } quantities[] = {
      {texts.averageCurrent, in.averageCurrent, Fault::AverageCurrent, Fault::AverageCurrentRange},
      {texts.peakCurrent, in.peakCurrent, Fault::PeakCurrent, Fault::PeakCurrentRange},
      {texts.rippleCurrent, in.rippleCurrent, Fault::RippleCurrent, Fault::RippleCurrentRange},
      {texts.frequency, in.frequencyKHz, Fault::Frequency, Fault::FrequencyRange},
  };
  for (const auto& quantity : quantities) {
    switch (ReadPositive(quantity.text, quantity.value)) {
      case Quantity::Usable: break;
      case Quantity::NotPositive: return quantity.notPositive;
      case Quantity::BeyondRange: return quantity.beyondRange;
    }
  }

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
