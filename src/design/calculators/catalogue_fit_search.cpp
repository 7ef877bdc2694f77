#include "design/calculators/catalogue_fit_search.h"

#include <cmath>

#include "core-data/catalogue.h"
#include "design/calculators/turn_bounds.h"
#include "magnetics/formulas.h"
#include "text/float_range.h"
#include "text/number_text.h"

namespace qiro {

std::string FitWireText(float bareDiameter) {
  std::string text = PatternText(static_cast<double>(bareDiameter), "0.00");
  if (bareDiameter >= 2.0f) text += " 建议多股线";
  return text;
}

Outcome<std::vector<std::string>> CatalogueFitSearch(std::int16_t coreCount, float current,
                                                     double inductance) {
  using Result = Outcome<std::vector<std::string>>;
  if (coreCount < 1) return Result::Fail("coreCount must be at least 1");
  if (!(std::isfinite(current) && current > 0)) return Result::Fail("current must be above 0");
  const float perCore = ToFloat32(inductance / static_cast<double>(coreCount));
  if (!(std::isfinite(perCore) && perCore > 0))
    return Result::Fail("inductance per core must be above 0 and within the float range");

  const float bare = BareWireDiameter(current);
  const float insulated =
      ToFloat32(static_cast<double>(bare) + static_cast<double>(EnamelThickness(bare)));
  const std::string wire = ">" + FitWireText(bare);
  const double wireSquare = static_cast<double>(insulated) * static_cast<double>(insulated);

  std::vector<std::string> lines;
  const int size = CatalogueSize;
  for (int slot = 1; slot <= size; ++slot) {
    const CoreRecord& core = CatalogueSlot(slot);
    const double hole = static_cast<double>(core.CoatedInnerDiameter);
    const double capacity = hole * hole * 0.55 / wireSquare;
    // Only the first sufficient turn count matters, and it is listed only below the
    // capacity: turn counts from the capacity on can add nothing.
    const int turnLimit = MaxTurns;
    for (int turns = 1; turns <= turnLimit && capacity > turns; ++turns) {
      const auto n = static_cast<std::int16_t>(turns);
      if (InductanceCeiling(n, core) < perCore) continue;
      if (InductanceAtCurrent(n, core, current) < perCore) continue;
      std::string line = core.PartNumber;
      for (float dimension :
           {core.CoatedOuterDiameter, core.CoatedInnerDiameter, core.CoatedHeight}) {
        line += "\t\t";
        line += GeneralNumberText(dimension);
      }
      line += "\t\t";
      line += GeneralNumberText(n);
      line += "\t\t";
      line += wire;
      lines.push_back(std::move(line));
      break;
    }
  }
  return Result::Ok(std::move(lines));
}

}  // namespace qiro
