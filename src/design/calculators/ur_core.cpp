#include "design/calculators/ur_core.h"

#include <cmath>

#include "text/float_range.h"
#include "text/number_text.h"

namespace qiro {
namespace {

struct CoreRow {
  std::string_view code;
  UrCoreDimensionTexts dimensions;
};

// Only these codes carry dimensions; for the other codes of the list the user types them.
constexpr CoreRow kCoreRows[] = {
    {"R40-01", {"120", "20", "40", "60"}},
    {"R40-02", {"110", "20", "40", "60"}},
    {"R50-01", {"140", "20", "50", "100"}},
    {"R50-02", {"150", "20", "50", "100"}},
};

constexpr std::string_view kCoreCodes[] = {
    "R40-01", "R40-02", "R50-01", "R50-02", "R55-01",  "R55-02",  "R60-01",  "R60-02",
    "R74-01", "R74-02", "R78-01", "R78-02", "R84-01", "R84-02", "R104-01", "R104-02",
};

constexpr std::string_view kFlatWireSizes[] = {
    "0.8×6", "1.3×7", "1.5×8",  "1.6×10",  "1.8×9",  "2×12", "2×16",   "2×8",
    "2.5×15", "2.8×11", "3×16", "3×12",   "3.5×20", "4×11.2", "4×16", "4×19",
    "4×25",  "5×10",  "5×16",   "5×25",    "5.5×20", "6×16",
};

constexpr std::string_view kMaterials[] = {"KMA", "KMC", "KMD", "KMA-C"};

constexpr std::string_view kPermeabilities[] = {"26", "30", "40", "60", "75",
                                                "90", "125", "147", "160"};

constexpr std::string_view kEffectiveDc[] = {"KMA19", "KMA26", "KMA22.5", "60", "75",
                                             "90",    "125",   "147",     "160"};

constexpr std::string_view kTimes = "×";

std::string_view TrimBlanks(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<UrCoreDimensionTexts> UrCoreDimensions(std::string_view code) {
  for (const CoreRow& row : kCoreRows) {
    if (row.code == code) return row.dimensions;
  }
  return std::nullopt;
}

std::optional<FlatWire> FlatWireSize(std::string_view item) {
  const std::string_view size = TrimBlanks(item);
  const std::size_t at = size.find(kTimes);
  if (at == std::string_view::npos) return std::nullopt;
  const double thickness = LeadingNumber(size.substr(0, at));
  const double width = LeadingNumber(size.substr(at + kTimes.size()));
  if (!std::isfinite(thickness) || !std::isfinite(width)) return std::nullopt;
  return FlatWire{thickness, width};
}

std::optional<std::int16_t> WindingPcsCount(std::string_view text) {
  return ToInteger16(LeadingNumber(text));
}

bool WindingPcsTextAccepted(std::string_view text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return WindingPcsCount(text).has_value();
}

std::optional<int> TurnsScrollPosition(std::string_view text, int maximum) {
  const double value = LeadingNumber(text);
  if (!std::isfinite(value)) return std::nullopt;
  const double whole = std::floor(value);
  if (whole < 1.0 || whole > static_cast<double>(maximum)) return std::nullopt;
  return static_cast<int>(whole);
}

std::span<const std::string_view> UrCoreCodes() { return kCoreCodes; }
std::span<const std::string_view> FlatWireSizes() { return kFlatWireSizes; }
std::span<const std::string_view> UrMaterials() { return kMaterials; }
std::span<const std::string_view> UrPermeabilities() { return kPermeabilities; }
std::span<const std::string_view> UrEffectiveDcChoices() { return kEffectiveDc; }

UrMaterialPreset UrMaterialPresetOf(UrPreset preset) {
  switch (preset) {
    case UrPreset::KMA: return {"KMA-60 μ", "KMA", "60"};
    case UrPreset::KMC: return {"KMC-60 μ", "KMC", "60"};
  }
  return {"KMA-60 μ", "KMA", "60"};
}

}  // namespace qiro
