// Number text: the same reading and writing the screens use.
#include <cmath>

#include "cli/batch.h"
#include "text/float_range.h"
#include "text/number_text.h"

namespace qiro::batch {

void RegisterTextOperations(Batch& batch) {
  batch.Register("LeadingNumber", {"the value of the number at the start of a text",
                                   {{"text", ArgType::Text}},
                                   [](const Args& a, JsonWriter& w) {
                                     const double value = LeadingNumber(a.text("text"));
                                     if (!std::isfinite(value))
                                       throw Refusal{"the number in \"text\" is beyond the 64-bit float range"};
                                     w.Float64(value);
                                   }});
  batch.Register("IsNumberText", {"whether the whole text is one decimal number",
                                  {{"text", ArgType::Text}},
                                  [](const Args& a, JsonWriter& w) { w.Bool(IsNumberText(a.text("text"))); }});
  batch.Register("ToInteger16", {"the value rounded half to even as a 16-bit count",
                                 {{"value", ArgType::Float64}},
                                 [](const Args& a, JsonWriter& w) {
                                   const auto n = ToInteger16(a.f64("value"));
                                   if (!n) throw Refusal{"argument \"value\" rounds outside -32768..32767"};
                                   w.Integer(*n);
                                 }});
  batch.Register("GeneralNumberText",
                 {"the text of a number as fields show it; bits: 16 (count), 32 or 64 (float)",
                  {{"value", ArgType::Float64}, {"bits", ArgType::Integer16}},
                  [](const Args& a, JsonWriter& w) {
                    const double value = a.f64("value");
                    switch (a.i16("bits")) {
                      case 16: {
                        if (value != std::floor(value) || value < -32768 || value > 32767)
                          throw Refusal{"argument \"value\" must be an integer from -32768 to 32767 for bits 16"};
                        w.String(GeneralNumberText(static_cast<std::int16_t>(value)));
                        return;
                      }
                      case 32: {
                        if (!FitsFloat32(value))
                          throw Refusal{"argument \"value\" is beyond the 32-bit float range"};
                        w.String(GeneralNumberText(ToFloat32(value)));
                        return;
                      }
                      case 64: w.String(GeneralNumberText(value)); return;
                      default: throw Refusal{"argument \"bits\" must be 16, 32 or 64"};
                    }
                  }});
  batch.Register("PatternText", {"the value with a fixed number of decimals; pattern 0.0, 0.00 or 0.000",
                                 {{"value", ArgType::Float64}, {"pattern", ArgType::Text}},
                                 [](const Args& a, JsonWriter& w) {
                                   const std::string& pattern = a.text("pattern");
                                   if (pattern != "0.0" && pattern != "0.00" && pattern != "0.000")
                                     throw Refusal{"argument \"pattern\" must be \"0.0\", \"0.00\" or \"0.000\""};
                                   w.String(PatternText(a.f64("value"), pattern));
                                 }});
}

}  // namespace qiro::batch
