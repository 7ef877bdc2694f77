#include "design/calculators/converter.h"

namespace qiro {
namespace {

constexpr std::array<std::string_view, 8> kTopologyNames = {
    "Buck", "Boost", "BuckBoost", "Pfc", "InverterLc", "Forward", "PushPull", "FullBridge"};

constexpr const char* kBuckInputs[] = {"Iout", "Vin", "Vout", "f", "gamma"};
constexpr const char* kPowerInputs[] = {"P", "Vin", "Vout", "f", "gamma"};
constexpr const char* kPfcInputs[] = {"P", "Vin", "Vout", "f", "eta", "gamma"};
constexpr const char* kInverterInputs[] = {"P", "Vdc", "Vout", "f", "gamma"};
constexpr const char* kIsolatedInputs[] = {"Vout", "f", "Iout", "D", "gamma"};

}  // namespace

std::span<const float> Converter::Used() const {
  return std::span<const float>(Inputs).first(ConverterInputNames(Kind).size());
}

std::string_view TopologyName(Topology topology) {
  return kTopologyNames[static_cast<std::size_t>(topology)];
}

std::optional<Topology> TopologyFromName(std::string_view name) {
  for (std::size_t i = 0; i < kTopologyNames.size(); ++i) {
    if (kTopologyNames[i] == name) return static_cast<Topology>(i);
  }
  return std::nullopt;
}

std::span<const char* const> ConverterInputNames(Topology topology) {
  switch (topology) {
    case Topology::Buck: return kBuckInputs;
    case Topology::Boost:
    case Topology::BuckBoost: return kPowerInputs;
    case Topology::Pfc: return kPfcInputs;
    case Topology::InverterLc: return kInverterInputs;
    case Topology::Forward:
    case Topology::PushPull:
    case Topology::FullBridge: return kIsolatedInputs;
  }
  return kBuckInputs;
}

Outcome<std::vector<TopologyValue>> ConverterResults(const Converter& converter) {
  return CalcTopology(converter.Kind, converter.Used());
}

}  // namespace qiro
