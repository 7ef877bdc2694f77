#pragma once
// A converter as its calculator screen holds it: the topology and its inputs in field order.
// The operating condition an inductor sees in it is worked out in the analysis; here are the
// inputs' names (as the batch tool and the design file spell them) and the calculator's own
// results.
#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "design/calculators/topology_calculators.h"
#include "magnetics/outcome.h"

namespace qiro {

inline constexpr std::size_t kMostConverterInputs = 6;

struct Converter {
  Topology Kind = Topology::Buck;
  // In the screen's field order; only the first ConverterInputNames(Kind).size() are used.
  std::array<float, kMostConverterInputs> Inputs{};

  std::span<const float> Used() const;
  friend bool operator==(const Converter&, const Converter&) = default;
};

// "Buck", "Boost", "BuckBoost", "Pfc", "InverterLc", "Forward", "PushPull", "FullBridge".
std::string_view TopologyName(Topology topology);
std::optional<Topology> TopologyFromName(std::string_view name);

// The inputs in field order, named as the batch tool's Calc* operations name them.
std::span<const char* const> ConverterInputNames(Topology topology);

// The calculator's results for the converter (refused as the calculator refuses).
Outcome<std::vector<TopologyValue>> ConverterResults(const Converter& converter);

}  // namespace qiro
