#pragma once
// A design handed to the toroid calculator from another window (the adviser, a selection
// proposal, a design file). The calculator sets its own fields from it the way a user would,
// so its rules run and its report is its own; nothing else reaches into the calculator.
#include <optional>
#include <string>

#include "design/calculators/converter.h"

namespace qiro {

struct CalculatorDesign {
  std::string PartNumber;  // a catalogue part number
  float CoreCount = 1;     // stacked cores (a design file may hold a part of one)
  float WireDiameter = 0;  // mm, one of the calculator's wire list (0.1 … 3.0)
  int StrandCount = 1;
  int Turns = 1;
  double AverageCurrent = 0;  // A
  double PeakCurrent = 0;     // A
  // Peak to peak (A). Without it the calculator keeps what its own rules give for the peak.
  std::optional<double> RippleCurrent;
  // Without it the calculator keeps the frequency it shows.
  std::optional<double> FrequencyKHz;
  // The assessment panel's ambient (°C); without it the panel keeps its own.
  std::optional<double> AmbientTemperature;
  // The converter the design was found for: the calculator then also judges it in there.
  std::optional<Converter> InConverter;
};

}  // namespace qiro
