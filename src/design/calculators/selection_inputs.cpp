#include "design/calculators/selection_inputs.h"

#include <cmath>
#include <optional>

#include "text/float_range.h"
#include "text/number_text.h"

namespace qiro {
namespace {

std::optional<std::int16_t> CountOf(std::string_view text) {
  return ToInteger16(LeadingNumber(text));
}

}  // namespace

GroupedInputs ReadGroupedInputs(std::string_view currentText, std::string_view inductanceText,
                                std::string_view coreCountText, std::string_view densityText) {
  GroupedInputs in;
  using P = GroupedInputProblem;
  const auto count = CountOf(coreCountText);
  if (!count) {
    in.Problem = P::CoreCountOutOfRange;
    return in;
  }
  in.CoreCount = *count;
  // The density comes from a fixed list; anything else would be a program error.
  in.DensityChoice = CountOf(densityText).value_or(0);

  if (currentText.empty()) {
    in.Problem = P::CurrentEmpty;
    return in;
  }
  if (!IsNumberText(currentText)) {
    in.Problem = P::CurrentNotNumeric;
    return in;
  }
  in.Current = ToFloat32(LeadingNumber(currentText));
  if (std::isinf(in.Current) && in.Current > 0) {
    in.Problem = P::CurrentBeyondRange;
    return in;
  }
  if (in.Current < kSmallestGroupedCurrent) {
    in.Current = kSmallestGroupedCurrent;
    in.CurrentRaised = true;
  }
  if (in.Current > 300) {
    in.Problem = P::CurrentTooLarge;
    return in;
  }

  if (inductanceText.empty()) {
    in.Problem = P::InductanceEmpty;
    return in;
  }
  if (!IsNumberText(inductanceText)) {
    in.Problem = P::InductanceNotNumeric;
    return in;
  }
  in.Inductance = ToFloat32(LeadingNumber(inductanceText));
  if (std::isinf(in.Inductance) && in.Inductance > 0) {
    in.Problem = P::InductanceBeyondRange;
  } else if (!(in.Inductance > 0 && in.Inductance <= 70000)) {
    in.Problem = P::InductanceOutOfRange;
  }
  return in;
}

FitInputs ReadFitInputs(std::string_view currentText, std::string_view inductanceText,
                        std::string_view coreCountText) {
  FitInputs in;
  using P = FitInputProblem;
  const auto count = CountOf(coreCountText);
  if (!count) {
    in.Problem = P::CoreCountOutOfRange;
    return in;
  }
  in.CoreCount = *count;
  if (in.CoreCount < 1) {
    in.Problem = P::CoreCountMissing;
    return in;
  }

  if (currentText.empty()) {
    in.Problem = P::CurrentEmpty;
    return in;
  }
  if (!IsNumberText(currentText)) {
    in.Problem = P::CurrentNotNumeric;
    return in;
  }
  const double current = LeadingNumber(currentText);
  in.Current = ToFloat32(current);
  if (!(current > 0)) {
    in.Problem = P::CurrentNotPositive;
    return in;
  }
  // "1E39" would pass "> 0" as an infinity and search for nothing.
  if (!(std::isfinite(in.Current) && in.Current > 0)) {
    in.Problem = P::CurrentBeyondRange;
    return in;
  }

  if (inductanceText.empty()) {
    in.Problem = P::InductanceEmpty;
    return in;
  }
  if (!IsNumberText(inductanceText)) {
    in.Problem = P::InductanceNotNumeric;
    return in;
  }
  in.Inductance = LeadingNumber(inductanceText);
  const float perCore = ToFloat32(in.Inductance / static_cast<double>(in.CoreCount));
  if (!(in.Inductance > 0)) {
    in.Problem = P::InductanceNotPositive;
  } else if (!(std::isfinite(perCore) && perCore > 0)) {
    in.Problem = P::InductanceBeyondRange;
  }
  return in;
}

}  // namespace qiro
