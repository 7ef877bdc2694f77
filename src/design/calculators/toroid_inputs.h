#pragma once
// The rules that keep the toroid calculator's current fields consistent, as pure text
// functions. Each returns nothing when the result would leave the number range, and the
// screen then leaves the field as it is.
#include <optional>
#include <string>
#include <string_view>

namespace qiro {

// Peak current text: average × 1.414.
std::optional<std::string> PeakFromAverage(std::string_view averageText);

// Ripple text: peak × fraction (0.2, 0.15 or 0.1).
std::optional<std::string> RippleFromPeak(std::string_view peakText, double fraction);

// Ripple text from the average: average × 1.414 × 0.2, left to right.
std::optional<std::string> RippleFromAverage(std::string_view averageText);

// "电流密度=" and the density in A/mm² with two decimals; 0 when the strand count is not
// above 0.
std::optional<std::string> CurrentDensityCaption(std::string_view averageText,
                                                 std::string_view wireText,
                                                 std::string_view strandText);

}  // namespace qiro
