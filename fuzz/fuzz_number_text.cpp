// Number text: reading never crashes, and what is written reads back to itself.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "text/float_range.h"
#include "text/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qiro;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double read = LeadingNumber(text);
  Check(!std::isnan(read), "LeadingNumber gives NaN");
  if (IsNumberText(text)) Check(LeadingNumber(text) == read, "IsNumberText and LeadingNumber disagree");

  if (size >= sizeof(double)) {
    double value;
    std::memcpy(&value, data, sizeof value);
    // 15 digits of a value next to the largest double round beyond it: not a field value.
    if (std::isfinite(value) && std::fabs(value) < 1e308) {
      const std::string general = GeneralNumberText(value);
      Check(IsNumberText(general), "double text is not a number text");
      Check(GeneralNumberText(LeadingNumber(general)) == general, "double text does not read back");
      if (std::fabs(value) < 1e12) {
        const std::string fixed = PatternText(value, "0.00");
        Check(std::fabs(LeadingNumber(fixed) - value) <= 0.005 + 1e-9 * std::fabs(value),
              "PatternText strays more than half a step");
      }
      if (const auto n = ToInteger16(value)) Check(std::fabs(*n - value) <= 0.5, "ToInteger16 strays");
      const float narrow = ToFloat32(value);
      if (std::isfinite(narrow)) {
        const std::string single = GeneralNumberText(narrow);
        Check(GeneralNumberText(ToFloat32(LeadingNumber(single))) == single,
              "float text does not read back to 7 digits");
      }
    }
  }
  return 0;
}
