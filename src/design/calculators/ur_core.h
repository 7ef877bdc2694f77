#pragma once
// Data and rules behind the UR-core reactor screen: the core codes and their dimensions,
// the flat-wire sizes, the material lists and presets, and the rules that keep the turn
// count and the winding structure consistent. Texts are UTF-8 ("×" is U+00D7).
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace qiro {

// Dimensions in mm of a UR core, as the texts the screen writes. C (rod height) is not
// tabulated: the user types it.
struct UrCoreDimensionTexts {
  std::string_view A;  // overall width, front view
  std::string_view B;  // thickness of each yoke
  std::string_view D;  // rod diameter
  std::string_view E;  // depth, side view
};

// The dimensions of a core code, compared exactly; nothing for a code without them.
std::optional<UrCoreDimensionTexts> UrCoreDimensions(std::string_view code);

// A flat wire: thickness and width in mm.
struct FlatWire {
  double thickness = 0.0;
  double width = 0.0;
};

// Reads a wire-size item "thickness×width" (blanks around it ignored). Nothing when the
// item has no "×" or a part reads beyond the number range.
std::optional<FlatWire> FlatWireSize(std::string_view item);

// The upper/lower parallel structure needs the parallel wires split evenly between the
// two rods: allowed for an even count (0 included).
constexpr bool ParallelStructureAllowed(std::int16_t wires) { return wires % 2 == 0; }

// The count of parallel wires a field text stands for (rounded, halves to even); nothing
// when it does not fit a 16-bit count.
std::optional<std::int16_t> WindingPcsCount(std::string_view text);

// Whether a text may stand in the parallel-wire field: digits only (what its key filter
// lets through, so a paste cannot bring in more) and a count that fits 16 bits.
bool WindingPcsTextAccepted(std::string_view text);

// The scroll-bar position a turn text asks for: its whole part (rounded down) when that
// lies in 1..maximum; nothing otherwise, and the scroll bar stays where it is.
std::optional<int> TurnsScrollPosition(std::string_view text, int maximum);

// The turn scroll bar's range and steps.
inline constexpr int kUrTurnsMinimum = 1;
inline constexpr int kUrTurnsMaximum = 200;
inline constexpr int kUrTurnsSmallStep = 1;
inline constexpr int kUrTurnsLargeStep = 5;

// The lists, in the order shown (unsorted on purpose).
std::span<const std::string_view> UrCoreCodes();
std::span<const std::string_view> FlatWireSizes();
std::span<const std::string_view> UrMaterials();       // rod and yoke material
std::span<const std::string_view> UrPermeabilities();  // rod and yoke permeability
std::span<const std::string_view> UrEffectiveDcChoices();

// Prompt texts the combo boxes show until something is chosen.
inline constexpr std::string_view kUrMaterialPrompt = "请选择材质";
inline constexpr std::string_view kUrPermeabilityPrompt = "请选择磁导率";
inline constexpr std::string_view kUrDcPrompt = "请选择DC";

// A check box that sets rod and yoke to one material and permeability.
struct UrMaterialPreset {
  std::string_view caption;       // the check box's text
  std::string_view material;      // into both material boxes
  std::string_view permeability;  // into both permeability boxes
};

enum class UrPreset { KMA, KMC };
UrMaterialPreset UrMaterialPresetOf(UrPreset preset);

}  // namespace qiro
