#include "design/exchange/design_document.h"

#include <array>
#include <charconv>
#include <cmath>
#include <functional>
#include <set>
#include <vector>

#include <nlohmann/json.hpp>

#include "core-data/catalogue.h"
#include "design/analysis/converter_operation.h"
#include "design/analysis/design_assessment.h"
#include "design/calculators/toroid_reading.h"
#include "text/float_range.h"
#include "text/number_text.h"

namespace qiro {
namespace {

// Insertion-ordered, so "the first member at fault" is the first in the file.
using json = nlohmann::ordered_json;
using Fault = DesignFileFault;

enum class Expect { Text, Number, Integer, Object };

// Every member a design file has, with its caption as the calculator shows it.
struct FieldInfo {
  std::string_view path;
  const char* chinese;
  const char* english;
  Expect type;
  const char* rangeChinese;  // after "超出范围，"
  const char* rangeEnglish;  // after "it must be "
};

constexpr const char* kPositiveChinese = "应大于0，且在32位浮点数范围内";
constexpr const char* kPositiveEnglish = "above 0 and within the 32-bit float range";

const FieldInfo kFields[] = {
    {"format", "格式", "format", Expect::Text, "", ""},
    {"version", "版本", "version", Expect::Integer, "应为1或2", "1 or 2"},
    {"converter", "变换器", "converter", Expect::Object, "应为能运行的变换器（检查其输入）",
     "a converter that runs (check its inputs)"},
    {"converter.Topology", "拓扑", "topology", Expect::Text, "", ""},
    {"design", "设计", "design", Expect::Object, "", ""},
    {"note", "备注", "note", Expect::Text, "", ""},
    {"design.Core", "磁芯型号", "Core", Expect::Text, "", ""},
    {"design.CoreCount", "磁芯个数", "Cores", Expect::Number, kPositiveChinese, kPositiveEnglish},
    {"design.FrequencyKHz", "频率(kHz)", "Frequency (kHz)", Expect::Number, kPositiveChinese,
     kPositiveEnglish},
    {"design.AverageCurrent", "平均电流(A)", "Average current (A)", Expect::Number,
     kPositiveChinese, kPositiveEnglish},
    {"design.PeakCurrent", "峰值电流(A)", "Peak current (A)", Expect::Number, kPositiveChinese,
     kPositiveEnglish},
    {"design.RippleCurrent", "纹波电流(A)", "Ripple current (A)", Expect::Number, kPositiveChinese,
     kPositiveEnglish},
    {"design.WireDiameter", "线径(mm)", "Wire Ø (mm)", Expect::Number, "", ""},
    {"design.StrandCount", "铜线根数", "Strands", Expect::Integer, "应为1～32767",
     "from 1 to 32767"},
    {"design.Turns", "绕线圈数", "Turns", Expect::Integer, "应为1～400", "from 1 to 400"},
    {"design.AmbientTemperature", "环境温度(°C)", "Ambient (°C)", Expect::Number, "应为−60～200",
     "from −60 to 200"},
};

const FieldInfo* FindField(std::string_view path) {
  for (const FieldInfo& field : kFields) {
    if (field.path == path) return &field;
  }
  return nullptr;
}

constexpr std::array<std::string_view, 10> kDesignMembers = {
    "Core",        "CoreCount",    "FrequencyKHz", "AverageCurrent", "PeakCurrent",
    "RippleCurrent", "WireDiameter", "StrandCount", "Turns",          "AmbientTemperature"};

DesignFileRefusal Refuse(Fault kind, std::string field, std::string value = {}) {
  DesignFileRefusal r;
  r.Kind = kind;
  r.Field = std::move(field);
  r.Value = std::move(value);
  return r;
}

// ---- UTF-8 ---------------------------------------------------------------------------

// The code point of the well-formed UTF-8 sequence at text[i] and its length; length 0 when
// the bytes there are not one.
struct CodePoint {
  char32_t value = 0;
  std::size_t length = 0;
};

CodePoint DecodeUtf8(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char c = byte(i);
  if (c < 0x80) return {c, 1};
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
  char32_t value = 0;
  if (c >= 0xC2 && c <= 0xDF) {
    length = 2;
    value = c & 0x1F;
  } else if (c >= 0xE0 && c <= 0xEF) {
    length = 3;
    value = c & 0x0F;
    if (c == 0xE0) low = 0xA0;
    if (c == 0xED) high = 0x9F;  // no surrogates
  } else if (c >= 0xF0 && c <= 0xF4) {
    length = 4;
    value = c & 0x07;
    if (c == 0xF0) low = 0x90;
    if (c == 0xF4) high = 0x8F;
  } else {
    return {};
  }
  if (i + length > text.size()) return {};
  if (byte(i + 1) < low || byte(i + 1) > high) return {};
  for (std::size_t k = 1; k < length; ++k) {
    if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return {};
    value = value << 6 | (byte(i + k) & 0x3F);
  }
  return {value, length};
}

bool IsValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const CodePoint cp = DecodeUtf8(text, i);
    if (cp.length == 0) return false;
    i += cp.length;
  }
  return true;
}

void AppendEscape(std::string& out, char32_t c) {
  static const char kHex[] = "0123456789abcdef";
  out += "\\u";
  for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(c >> shift) & 0xF];
}

// A JSON string. Control characters (C0, DEL, C1) and the two line separators that some
// readers take as line ends are escaped, so a note cannot break the file's lines or hide
// text in an editor; other characters stay as they are. Bytes that are not UTF-8 become
// U+FFFD (the checks refuse such a note before it is saved).
void AppendJsonString(std::string& out, std::string_view text) {
  out += '"';
  for (std::size_t i = 0; i < text.size();) {
    const CodePoint cp = DecodeUtf8(text, i);
    if (cp.length == 0) {
      AppendEscape(out, 0xFFFD);
      ++i;
      continue;
    }
    const char32_t c = cp.value;
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      default:
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029) {
          AppendEscape(out, c);
        } else {
          out.append(text.substr(i, cp.length));
        }
    }
    i += cp.length;
  }
  out += '"';
}

// A value quoted in a message: at most 40 characters, controls escaped, never broken UTF-8.
std::string Shown(std::string_view text) {
  constexpr std::size_t kMostCharacters = 40;
  std::string out;
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++characters) {
    if (characters == kMostCharacters) {
      out += "…";
      break;
    }
    const CodePoint cp = DecodeUtf8(text, i);
    if (cp.length == 0) {
      out += "\xEF\xBF\xBD";  // U+FFFD
      ++i;
      continue;
    }
    if (cp.value < 0x20 || (cp.value >= 0x7F && cp.value <= 0x9F) || cp.value == 0x2028 ||
        cp.value == 0x2029) {
      AppendEscape(out, cp.value);
    } else {
      out.append(text.substr(i, cp.length));
    }
    i += cp.length;
  }
  return out;
}

// ---- Writing -------------------------------------------------------------------------

// What the calculator and the batch tool make of a number's text: the nearest double, then
// the nearest float to that.
float HeldFloat(std::string_view text) {
  return ToFloat32(LeadingNumber(text));
}

template <class T>
void AppendNumber(std::string& out, T value) {
  if constexpr (std::is_floating_point_v<T>) {
    if (!std::isfinite(value)) {
      out += "null";
      return;
    }
    if (value == 0) value = 0;  // -0 reads back as the integer 0: write it so
  }
  if constexpr (std::is_floating_point_v<T>) {
    out += RoundTripText(value);
  } else {
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, r.ptr);
  }
}

// ---- Reading -------------------------------------------------------------------------

// Where a syntax error lies: 1-based line and byte column of the byte the parser stopped at.
void Locate(std::string_view text, std::size_t byte, DesignFileRefusal& r) {
  const std::size_t at = std::min(byte == 0 ? 0 : byte - 1, text.size());
  r.Line = 1;
  std::size_t lineStart = 0;
  for (std::size_t i = 0; i < at; ++i) {
    if (text[i] == '\n') {
      ++r.Line;
      lineStart = i + 1;
    }
  }
  r.Column = at - lineStart + 1;
}

// Watches the parse for members given twice (the parser would keep the last silently) in
// the file's object and the design, and remembers the member being read, so a number too
// large for a double can be blamed on its field.
class MemberWatch {
 public:
  bool operator()(int depth, json::parse_event_t event, json& parsed) {
    if (event == json::parse_event_t::object_start && depth < 2) {
      keys_[static_cast<std::size_t>(depth) + 1].clear();
    } else if (event == json::parse_event_t::key && depth >= 1 && depth <= 2) {
      const auto level = static_cast<std::size_t>(depth);
      const std::string key = parsed.get<std::string>();
      lastPath_[level] = depth == 1 ? key : lastPath_[1] + "." + key;
      current_ = lastPath_[level];
      if (!keys_[level].insert(key).second && !duplicate_) duplicate_ = current_;
    }
    return true;
  }

  const std::optional<std::string>& duplicate() const { return duplicate_; }
  const std::string& current() const { return current_; }

 private:
  std::array<std::set<std::string>, 3> keys_;
  std::array<std::string, 3> lastPath_;
  std::string current_;
  std::optional<std::string> duplicate_;
};

// A float the calculator holds: above 0 and still above 0 and finite once rounded to float.
std::optional<float> PositiveFloat(double value) {
  if (!(value > 0) || !FitsFloat32(value)) return std::nullopt;
  const float stored = ToFloat32(value);
  if (!(stored > 0)) return std::nullopt;
  return stored;
}

std::optional<DesignFileRefusal> ReadNumber(const json& value, const std::string& path,
                                            double& number) {
  if (!value.is_number()) return Refuse(Fault::WrongType, path);
  number = value.get<double>();
  return std::nullopt;
}

// A JSON integer within lowest..highest, as the batch tool reads its int16 arguments
// (37.0 is not an integer there either).
std::optional<DesignFileRefusal> ReadInteger(const json& value, const std::string& path,
                                             std::int64_t lowest, std::int64_t highest,
                                             std::int64_t& number) {
  if (value.is_number_float()) {
    // An integer too long for 64 bits arrives as a float: it is out of range, not mistyped.
    const double v = value.get<double>();
    if (std::isfinite(v) && std::fabs(v) >= 9.2e18) return Refuse(Fault::OutOfRange, path);
    return Refuse(Fault::WrongType, path);
  }
  if (!value.is_number_integer()) return Refuse(Fault::WrongType, path);
  if (value.is_number_unsigned()) {
    const auto u = value.get<std::uint64_t>();
    if (u > static_cast<std::uint64_t>(highest)) return Refuse(Fault::OutOfRange, path);
    number = static_cast<std::int64_t>(u);
  } else {
    number = value.get<std::int64_t>();
  }
  if (number < lowest || number > highest) return Refuse(Fault::OutOfRange, path);
  return std::nullopt;
}

std::optional<DesignFileRefusal> ReadDesign(const json& design, DesignDocument& d) {
  for (const auto& [key, value] : design.items()) {
    bool known = false;
    for (std::string_view member : kDesignMembers) known = known || key == member;
    if (!known) return Refuse(Fault::UnknownField, "design." + key);
  }
  // Member by member in the order the program writes them: missing, mistyped or out of range.
  const json* value = nullptr;
  std::string path;
  const auto member = [&](const char* name) {
    path = std::string("design.") + name;
    const auto it = design.find(name);
    value = it == design.end() ? nullptr : &*it;
    return value != nullptr;
  };

  if (!member("Core")) return Refuse(Fault::MissingField, path);
  if (!value->is_string()) return Refuse(Fault::WrongType, path);
  d.Core = value->get<std::string>();
  if (!FindSlotByPartNumber(d.Core)) return Refuse(Fault::UnknownPartNumber, path, d.Core);

  const struct {
    const char* name;
    float& value;
  } positives[] = {
      {"CoreCount", d.CoreCount},         {"FrequencyKHz", d.FrequencyKHz},
      {"AverageCurrent", d.AverageCurrent}, {"PeakCurrent", d.PeakCurrent},
      {"RippleCurrent", d.RippleCurrent},
  };
  for (const auto& [name, stored] : positives) {
    if (!member(name)) return Refuse(Fault::MissingField, path);
    double number = 0;
    if (auto refused = ReadNumber(*value, path, number)) return refused;
    const auto positive = PositiveFloat(number);
    if (!positive) return Refuse(Fault::OutOfRange, path);
    stored = *positive;
  }

  if (!member("WireDiameter")) return Refuse(Fault::MissingField, path);
  double wire = 0;
  if (auto refused = ReadNumber(*value, path, wire)) return refused;
  if (!FitsFloat32(wire) || !IsListedWireDiameter(ToFloat32(wire)))
    return Refuse(Fault::WireNotInList, path);
  d.WireDiameter = ToFloat32(wire);

  std::int64_t count = 0;
  if (!member("StrandCount")) return Refuse(Fault::MissingField, path);
  if (auto refused = ReadInteger(*value, path, 1, 32767, count)) return refused;
  d.StrandCount = static_cast<std::int16_t>(count);
  if (!member("Turns")) return Refuse(Fault::MissingField, path);
  if (auto refused = ReadInteger(*value, path, 1, kMostTurns, count)) return refused;
  d.Turns = static_cast<std::int16_t>(count);

  if (!member("AmbientTemperature")) return Refuse(Fault::MissingField, path);
  if (auto refused = ReadNumber(*value, path, d.AmbientTemperature)) return refused;
  // The last range (the ambient's) and, again, everything the screens check before saving.
  return CheckDesignDocument(d);
}

// ---- Wording -------------------------------------------------------------------------

// The converter a design was found for: its topology and every input of it, a converter
// that runs (as the batch tool takes its Converter argument).
std::optional<DesignFileRefusal> ReadConverter(const json& given, DesignDocument& d) {
  if (!given.is_object()) return Refuse(Fault::WrongType, "converter");
  const auto kind = given.find("Topology");
  if (kind == given.end()) return Refuse(Fault::MissingField, "converter.Topology");
  if (!kind->is_string()) return Refuse(Fault::WrongType, "converter.Topology");
  const auto topology = TopologyFromName(kind->get<std::string>());
  if (!topology) return Refuse(Fault::OutOfRange, "converter.Topology");
  Converter converter;
  converter.Kind = *topology;
  const auto names = ConverterInputNames(*topology);
  for (const auto& [key, value] : given.items()) {
    bool known = key == "Topology";
    for (const char* name : names) known = known || key == name;
    if (!known) return Refuse(Fault::UnknownField, "converter." + key);
  }
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string path = std::string("converter.") + names[i];
    const auto it = given.find(names[i]);
    if (it == given.end()) return Refuse(Fault::MissingField, path);
    double number = 0;
    if (auto refused = ReadNumber(*it, path, number)) return refused;
    if (!FitsFloat32(number)) return Refuse(Fault::OutOfRange, path);
    converter.Inputs[i] = ToFloat32(number);
  }
  if (!OperateConverter(converter)) return Refuse(Fault::OutOfRange, "converter");
  d.InConverter = converter;
  return std::nullopt;
}

std::string ChineseName(const std::string& path) {
  std::string text = "“" + Shown(path) + "”";
  if (const FieldInfo* field = FindField(path)) text += std::string("（") + field->chinese + "）";
  return text;
}

std::string EnglishName(const std::string& path) {
  std::string text = "\"" + Shown(path) + "\"";
  if (const FieldInfo* field = FindField(path)) text += std::string(" (") + field->english + ")";
  return text;
}

Expect ExpectedType(const std::string& path) {
  const FieldInfo* field = FindField(path);
  return field ? field->type : Expect::Text;
}

}  // namespace

std::string RoundTripText(float value) {
  std::string text = ShortestText(value);
  if (!std::isfinite(value) || HeldFloat(text) == value) return text;
  // Read through a double, the shortest float text can land on a tie between two floats
  // and round to the other (7.038531e-26); the float's exact value cannot.
  return ShortestText(static_cast<double>(value));
}

std::string RoundTripText(double value) { return ShortestText(value); }

bool IsListedWireDiameter(float diameter) {
  for (int tenths = kThinnestWireTenths; tenths <= kThickestWireTenths; ++tenths) {
    // As the calculator reads its list's text "0.3": the nearest double, then the float.
    if (diameter == ToFloat32(tenths / 10.0)) return true;
  }
  return false;
}

std::string WireListText(float diameter) {
  for (int tenths = kThinnestWireTenths; tenths <= kThickestWireTenths; ++tenths) {
    if (diameter == ToFloat32(tenths / 10.0))
      return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
  }
  return {};
}

std::string WriteDesignDocument(const DesignDocument& d) {
  std::string out;
  out.reserve(400 + d.Note.size());
  out += "{\n  \"format\": ";
  AppendJsonString(out, kDesignFileFormat);
  out += ",\n  \"version\": ";
  AppendNumber(out, d.InConverter ? std::int64_t{2} : std::int64_t{1});
  out += ",\n  \"design\": {\n    \"Core\": ";
  AppendJsonString(out, d.Core);
  const std::pair<const char*, float> floats[] = {
      {"CoreCount", d.CoreCount},         {"FrequencyKHz", d.FrequencyKHz},
      {"AverageCurrent", d.AverageCurrent}, {"PeakCurrent", d.PeakCurrent},
      {"RippleCurrent", d.RippleCurrent}, {"WireDiameter", d.WireDiameter},
  };
  for (const auto& [name, value] : floats) {
    out += ",\n    \"";
    out += name;
    out += "\": ";
    AppendNumber(out, value);
  }
  out += ",\n    \"StrandCount\": ";
  AppendNumber(out, d.StrandCount);
  out += ",\n    \"Turns\": ";
  AppendNumber(out, d.Turns);
  out += ",\n    \"AmbientTemperature\": ";
  AppendNumber(out, d.AmbientTemperature);
  out += "\n  },";
  if (d.InConverter) {
    out += "\n  \"converter\": {\n    \"Topology\": ";
    AppendJsonString(out, TopologyName(d.InConverter->Kind));
    const auto names = ConverterInputNames(d.InConverter->Kind);
    for (std::size_t i = 0; i < names.size(); ++i) {
      out += ",\n    \"";
      out += names[i];
      out += "\": ";
      AppendNumber(out, d.InConverter->Inputs[i]);
    }
    out += "\n  },";
  }
  out += "\n  \"note\": ";
  AppendJsonString(out, d.Note);
  out += "\n}\n";
  return out;
}

std::optional<DesignFileRefusal> CheckDesignDocument(const DesignDocument& d) {
  if (!IsValidUtf8(d.Core)) return Refuse(Fault::InvalidText, "design.Core");
  if (!FindSlotByPartNumber(d.Core)) return Refuse(Fault::UnknownPartNumber, "design.Core", d.Core);
  const std::pair<const char*, float> positives[] = {
      {"design.CoreCount", d.CoreCount},         {"design.FrequencyKHz", d.FrequencyKHz},
      {"design.AverageCurrent", d.AverageCurrent}, {"design.PeakCurrent", d.PeakCurrent},
      {"design.RippleCurrent", d.RippleCurrent},
  };
  for (const auto& [path, value] : positives) {
    if (!(value > 0 && std::isfinite(value))) return Refuse(Fault::OutOfRange, path);
  }
  if (!IsListedWireDiameter(d.WireDiameter)) return Refuse(Fault::WireNotInList, "design.WireDiameter");
  if (d.StrandCount < 1) return Refuse(Fault::OutOfRange, "design.StrandCount");
  if (d.Turns < 1 || d.Turns > kMostTurns) return Refuse(Fault::OutOfRange, "design.Turns");
  if (!(d.AmbientTemperature >= kLowestAmbient && d.AmbientTemperature <= kHighestAmbient))
    return Refuse(Fault::OutOfRange, "design.AmbientTemperature");
  if (!IsValidUtf8(d.Note)) return Refuse(Fault::InvalidText, "note");
  if (d.InConverter && !OperateConverter(*d.InConverter)) return Refuse(Fault::OutOfRange, "converter");
  return std::nullopt;
}

std::variant<DesignDocument, DesignFileRefusal> ReadDesignDocument(std::string_view text) {
  if (text.size() > kMaxDesignFileBytes) return Refuse(Fault::TooLarge, {});
  MemberWatch watch;
  json file;
  try {
    file = json::parse(text, std::ref(watch));
  } catch (const json::parse_error& e) {
    DesignFileRefusal r = Refuse(Fault::NotJson, {});
    Locate(text, e.byte, r);
    return r;
  } catch (const json::exception&) {
    // A number beyond the double range (the parser's only other refusal).
    const std::string& path = watch.current();
    const FieldInfo* field = FindField(path);
    if (!field) return Refuse(path.empty() ? Fault::NotJson : Fault::UnknownField, path);
    return Refuse(field->type == Expect::Number || field->type == Expect::Integer
                      ? Fault::OutOfRange
                      : Fault::WrongType,
                  path);
  }

  const auto format = file.is_object() ? file.find("format") : file.end();
  if (!file.is_object() || format == file.end() || !format->is_string() ||
      format->get<std::string>() != kDesignFileFormat)
    return Refuse(Fault::NotDesignFile, "format");
  if (watch.duplicate()) return Refuse(Fault::DuplicateField, *watch.duplicate());

  // A later version may mean anything: only version 1 is read, and a newer one says so.
  const auto version = file.find("version");
  if (version == file.end()) return Refuse(Fault::MissingField, "version");
  if (!version->is_number_integer()) return Refuse(Fault::WrongType, "version");
  if (!version->is_number_unsigned() || version->get<std::uint64_t>() < 1)
    return Refuse(Fault::OutOfRange, "version");
  if (version->get<std::uint64_t>() > static_cast<std::uint64_t>(kDesignFileVersion))
    return Refuse(Fault::NewerVersion, "version", std::to_string(version->get<std::uint64_t>()));

  const bool withConverter = version->get<std::uint64_t>() >= 2;
  for (const auto& [key, value] : file.items()) {
    if (key != "format" && key != "version" && key != "design" && key != "note" &&
        !(withConverter && key == "converter"))
      return Refuse(Fault::UnknownField, key);
  }
  const auto design = file.find("design");
  if (design == file.end()) return Refuse(Fault::MissingField, "design");
  if (!design->is_object()) return Refuse(Fault::WrongType, "design");

  DesignDocument d;
  if (const auto note = file.find("note"); note != file.end()) {
    if (!note->is_string()) return Refuse(Fault::WrongType, "note");
    d.Note = note->get<std::string>();
  }
  if (auto refused = ReadDesign(*design, d)) return *refused;
  if (const auto converter = file.find("converter"); converter != file.end()) {
    if (auto refused = ReadConverter(*converter, d)) return *refused;
  }
  return d;
}

std::string DesignFileReasonChinese(const DesignFileRefusal& r) {
  const std::string name = ChineseName(r.Field);
  switch (r.Kind) {
    case Fault::TooLarge: return "文件大于1 MB";
    case Fault::NotJson:
      if (r.Line == 0) return "文件不是有效的JSON";
      return "文件不是有效的JSON（第" + std::to_string(r.Line) + "行第" + std::to_string(r.Column) + "列）";
    case Fault::NotDesignFile: return "文件不是QIROMagnetic设计文件（“format”应为“qiromagnetic-design”）";
    case Fault::NewerVersion:
      return "文件版本为" + Shown(r.Value) + "，需要更新的程序（本程序最高能打开版本" +
             std::to_string(kDesignFileVersion) + "）";
    case Fault::MissingField: return "缺少" + name;
    case Fault::WrongType:
      switch (ExpectedType(r.Field)) {
        case Expect::Text: return name + "应为文本";
        case Expect::Number: return name + "应为数值";
        case Expect::Integer: return name + "应为整数";
        case Expect::Object: return name + "应为JSON对象";
      }
      break;
    case Fault::OutOfRange: {
      const FieldInfo* field = FindField(r.Field);
      const std::string range = field ? field->rangeChinese : "";
      return name + "超出范围" + (range.empty() ? "" : "，" + range);
    }
    case Fault::UnknownPartNumber: return name + "“" + Shown(r.Value) + "”不在磁芯目录中";
    case Fault::WireNotInList: return name + "不在线径列表中，应为0.1～3.0，间隔0.1";
    case Fault::UnknownField: return "文件含有本程序不认识的成员" + name;
    case Fault::DuplicateField: return name + "重复出现";
    case Fault::InvalidText: return name + "不是有效的UTF-8文本";
    case Fault::Folder: return "所选的是文件夹";
    case Fault::Unreadable:
      return r.Value.empty() ? "无法读取文件" : "无法读取文件（" + Shown(r.Value) + "）";
  }
  return "文件无法读取";
}

std::string DesignFileReasonEnglish(const DesignFileRefusal& r) {
  const std::string name = EnglishName(r.Field);
  switch (r.Kind) {
    case Fault::TooLarge: return "the file is larger than 1 MB";
    case Fault::NotJson:
      if (r.Line == 0) return "the file is not valid JSON";
      return "the file is not valid JSON (line " + std::to_string(r.Line) + ", column " +
             std::to_string(r.Column) + ")";
    case Fault::NotDesignFile:
      return "the file is not a QIROMagnetic design file (\"format\" must be \"qiromagnetic-design\")";
    case Fault::NewerVersion:
      return "the file's version is " + Shown(r.Value) +
             ", newer than this program opens (version " + std::to_string(kDesignFileVersion) +
             "): it needs a newer program";
    case Fault::MissingField: return name + " is missing";
    case Fault::WrongType:
      switch (ExpectedType(r.Field)) {
        case Expect::Text: return name + " must be text";
        case Expect::Number: return name + " must be a number";
        case Expect::Integer: return name + " must be an integer";
        case Expect::Object: return name + " must be a JSON object";
      }
      break;
    case Fault::OutOfRange: {
      const FieldInfo* field = FindField(r.Field);
      const std::string range = field ? field->rangeEnglish : "";
      return name + " is out of range" + (range.empty() ? "" : ": it must be " + range);
    }
    case Fault::UnknownPartNumber:
      return name + ": \"" + Shown(r.Value) + "\" is not a part number of the catalogue";
    case Fault::WireNotInList:
      return name + " is not in the wire list: 0.1 to 3.0 in steps of 0.1";
    case Fault::UnknownField: return "the file has a member this program does not know: " + name;
    case Fault::DuplicateField: return name + " is given more than once";
    case Fault::InvalidText: return name + " is not valid UTF-8 text";
    case Fault::Folder: return "the path is a folder";
    case Fault::Unreadable:
      return r.Value.empty() ? "the file cannot be read" : "the file cannot be read (" + Shown(r.Value) + ")";
  }
  return "the file cannot be read";
}

}  // namespace qiro
