#include "cli/batch.h"

#include <cmath>
#include <istream>
#include <ostream>
#include <sstream>
#include <stdexcept>

#include "core-data/catalogue.h"
#include "text/bit_cast.h"
#include "text/float_range.h"

namespace qiro::batch {
namespace {

// Requests are small objects: a flat, insertion-ordered map looks members up faster than a tree.
using json = nlohmann::ordered_json;

const char* TypeName(ArgType type) {
  switch (type) {
    case ArgType::Float32: return "a number within the 32-bit float range";
    case ArgType::Float64: return "a number or a \"0x\" bit pattern of 16 hex digits";
    case ArgType::Integer16: return "an integer from -32768 to 32767";
    case ArgType::Text: return "a string";
    case ArgType::Core: return "a catalogue part number";
    case ArgType::Boolean: return "true or false";
    case ArgType::TextList: return "an array of strings";
    case ArgType::Converter:
      return "an object with \"Topology\" (Buck, Boost, BuckBoost, Pfc, InverterLc, Forward, "
             "PushPull or FullBridge) and that topology's inputs";
  }
  return "";
}

std::optional<double> HexBits(const std::string& text) {
  if (text.size() != 18 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) return std::nullopt;
  std::uint64_t bits = 0;
  for (std::size_t i = 2; i < text.size(); ++i) {
    const char c = text[i];
    int digit = 0;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return std::nullopt;
    bits = bits << 4 | static_cast<std::uint64_t>(digit);
  }
  const double value = BitCast<double>(bits);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::string Bad(const ArgSpec& param, const std::string& detail = {}) {
  return "argument \"" + std::string(param.name) + "\" must be " + TypeName(param.type) + detail;
}

// A converter object: its topology and every input of it, each a number a float holds.
std::optional<std::string> ReadConverter(const ArgSpec& param, const json& given, Converter& out) {
  const std::string where = "argument \"" + std::string(param.name) + "\"";
  if (!given.is_object()) return Bad(param);
  const auto kind = given.find("Topology");
  if (kind == given.end() || !kind->is_string()) return Bad(param);
  const auto topology = TopologyFromName(kind->get<std::string>());
  if (!topology) return where + ": unknown topology \"" + kind->get<std::string>() + "\"";
  out = Converter{};
  out.Kind = *topology;
  const auto names = ConverterInputNames(*topology);
  for (const auto& [key, value] : given.items()) {
    if (key == "Topology") continue;
    bool known = false;
    for (const char* name : names) known = known || key == name;
    if (!known) return where + ": unexpected input \"" + key + "\" for " + kind->get<std::string>();
  }
  for (std::size_t i = 0; i < names.size(); ++i) {
    const auto it = given.find(names[i]);
    if (it == given.end()) return where + ": missing input \"" + names[i] + "\"";
    if (!it->is_number() || !FitsFloat32(it->get<double>()))
      return where + ": input \"" + names[i] + "\" must be a number within the 32-bit float range";
    out.Inputs[i] = ToFloat32(it->get<double>());
  }
  return std::nullopt;
}

}  // namespace

const Args::Value& Args::Find(std::string_view name) const {
  for (const Value& value : values_) {
    if (value.name == name) return value;
  }
  throw std::logic_error("operation reads an argument it does not declare: " + std::string(name));
}

float Args::f32(const char* name) const { return static_cast<float>(Find(name).number); }
double Args::f64(const char* name) const { return Find(name).number; }
std::int16_t Args::i16(const char* name) const { return static_cast<std::int16_t>(Find(name).number); }
const std::string& Args::text(const char* name) const { return Find(name).text; }
const CoreRecord& Args::core(const char* name) const { return *Find(name).core; }
bool Args::boolean(const char* name) const { return Find(name).number != 0; }
bool Args::has(const char* name) const {
  for (const Value& value : values_) {
    if (value.name == name) return true;
  }
  return false;
}
const std::vector<std::string>& Args::texts(const char* name) const { return Find(name).texts; }
const Converter& Args::converter(const char* name) const { return Find(name).converter; }

Batch::Batch() {
  InitCoreData();
  for (int slot = CatalogueSize; slot >= 1; --slot) {  // the first slot wins, as in the catalogue
    const CoreRecord& core = CatalogueSlot(slot);
    cores_[core.PartNumber] = &core;
  }
  RegisterDomainOperations(*this);
  RegisterTextOperations(*this);
  RegisterTopologyOperations(*this);
  RegisterUrOperations(*this);
  RegisterSelectionOperations(*this);
  RegisterDesignFileOperations(*this);
  RegisterAdviserOperations(*this);
  RegisterConverterOperations(*this);
  RegisterToroidOperations(*this);
  RegisterPageOperations(*this);
}

void Batch::Register(const std::string& name, Operation operation) {
  operations_[name] = std::move(operation);
}

std::string Batch::Reply(std::string_view line, bool& ok) const {
  ok = false;
  std::string id = "null";
  auto fail = [&id](const std::string& message) {
    JsonWriter w;
    w.BeginObject().Key("id").Raw(id).Key("ok").Bool(false).Key("error").String(message).EndObject();
    return w.take();
  };
  if (line.size() > kMaxLineBytes) return fail("request line is longer than 1 MB");
  json request;
  try {
    request = json::parse(line);
  } catch (const json::exception& e) {
    return fail(std::string("request is not valid JSON: ") + e.what());
  }
  if (!request.is_object()) return fail("request must be a JSON object");
  if (auto it = request.find("id"); it != request.end()) id = it->dump();
  for (const auto& [key, value] : request.items()) {
    if (key != "id" && key != "op" && key != "args")
      return fail("unknown request member \"" + key + "\" (expected id, op, args)");
  }
  const auto op = request.find("op");
  if (op == request.end() || !op->is_string()) return fail("member \"op\" must be a string");
  const auto found = operations_.find(op->get<std::string>());
  if (found == operations_.end()) return fail("unknown operation \"" + op->get<std::string>() + "\"");
  const Operation& operation = found->second;

  json noArgs = json::object();
  const auto argsIt = request.find("args");
  const json& given = argsIt == request.end() ? noArgs : *argsIt;
  if (!given.is_object()) return fail("member \"args\" must be an object");
  // An argument the operation does not take is reported before anything else.
  auto unexpected = [&]() -> std::optional<std::string> {
    for (const auto& [key, value] : given.items()) {
      bool known = false;
      for (const ArgSpec& param : operation.args) known = known || key == param.name;
      if (!known) return "unexpected argument \"" + key + "\" for " + found->first;
    }
    return std::nullopt;
  };

  Args args;
  args.values_.reserve(operation.args.size());
  for (const ArgSpec& param : operation.args) {
    const auto it = given.find(param.name);
    if (it == given.end()) {
      if (param.optional) continue;
      if (const auto message = unexpected()) return fail(*message);
      return fail("missing argument \"" + std::string(param.name) + "\"");
    }
    Args::Value value;
    value.name = param.name;
    switch (param.type) {
      case ArgType::Float32: {
        if (!it->is_number()) return fail(Bad(param));
        const double number = it->get<double>();
        if (!FitsFloat32(number))
          return fail("argument \"" + std::string(param.name) + "\" is beyond the 32-bit float range");
        value.number = static_cast<double>(ToFloat32(number));
        break;
      }
      case ArgType::Float64: {
        if (it->is_number()) {
          value.number = it->get<double>();
          if (!std::isfinite(value.number)) return fail(Bad(param));
        } else if (it->is_string()) {
          const auto bits = HexBits(it->get<std::string>());
          if (!bits) return fail(Bad(param, " (of a finite value)"));
          value.number = *bits;
        } else {
          return fail(Bad(param));
        }
        break;
      }
      case ArgType::Integer16: {
        if (!it->is_number_integer()) return fail(Bad(param));
        const bool fits = it->is_number_unsigned() ? it->get<std::uint64_t>() <= 32767
                                                   : it->get<std::int64_t>() >= -32768 &&
                                                         it->get<std::int64_t>() <= 32767;
        if (!fits) return fail("argument \"" + std::string(param.name) + "\" is outside -32768..32767");
        value.number = static_cast<double>(it->get<std::int64_t>());
        break;
      }
      case ArgType::Boolean:
        if (!it->is_boolean()) return fail(Bad(param));
        value.number = it->get<bool>() ? 1 : 0;
        break;
      case ArgType::Text:
        if (!it->is_string()) return fail(Bad(param));
        value.text = it->get<std::string>();
        break;
      case ArgType::TextList:
        if (!it->is_array()) return fail(Bad(param));
        for (const auto& item : *it) {
          if (!item.is_string()) return fail(Bad(param));
          value.texts.push_back(item.get<std::string>());
        }
        break;
      case ArgType::Converter:
        if (const auto message = ReadConverter(param, *it, value.converter)) return fail(*message);
        break;
      case ArgType::Core: {
        if (!it->is_string()) return fail(Bad(param));
        value.text = it->get<std::string>();
        const auto core = cores_.find(value.text);
        if (core == cores_.end())
          return fail("argument \"" + std::string(param.name) + "\": unknown part number \"" + value.text + "\"");
        value.core = core->second;
        break;
      }
    }
    args.values_.push_back(std::move(value));
  }
  if (args.values_.size() != given.size()) {
    if (const auto message = unexpected()) return fail(*message);
  }

  // The result is written straight into the reply; a refusal discards it.
  JsonWriter w;
  w.BeginObject().Key("id").Raw(id).Key("ok").Bool(true).Key("result");
  try {
    operation.run(args, w);
  } catch (const Refusal& refusal) {
    return fail(refusal.message);
  }
  w.EndObject();
  ok = true;
  return w.take();
}

int Batch::Run(std::istream& in, std::ostream& out) const {
  bool allOk = true;
  std::string line;
  // Replies are gathered and written in large blocks: the stream would otherwise make a
  // system call for nearly every reply. A script waiting on a reply gets it once its
  // request is followed by end of input or enough others.
  std::string pending;
  constexpr std::size_t kBlock = 1 << 16;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    bool ok = false;
    pending += Reply(line, ok);
    pending += '\n';
    allOk = allOk && ok;
    if (pending.size() >= kBlock || in.rdbuf()->in_avail() <= 0) {
      out.write(pending.data(), static_cast<std::streamsize>(pending.size()));
      out.flush();
      pending.clear();
    }
  }
  out.write(pending.data(), static_cast<std::streamsize>(pending.size()));
  out.flush();
  if (in.bad()) return 2;
  return allOk ? 0 : 1;
}

std::string Batch::Help() const {
  std::ostringstream text;
  text << "qiro-batch: reads JSON Lines requests on standard input and writes one reply per line.\n"
          "  request: {\"id\": <any>, \"op\": \"<operation>\", \"args\": {...}}\n"
          "  reply:   {\"id\": <same>, \"ok\": true, \"result\": <value>}\n"
          "           {\"id\": <same>, \"ok\": false, \"error\": \"<message>\"}\n"
          "  An argument marked \"?\" may be left out.\n"
          "Exit status: 0 every request succeeded, 1 some request failed, 2 input unreadable.\n\n"
          "Operations:\n";
  for (const auto& [name, operation] : operations_) {
    text << "  " << name << '(';
    for (std::size_t i = 0; i < operation.args.size(); ++i) {
      const ArgSpec& param = operation.args[i];
      text << (i ? ", " : "") << param.name << (param.optional ? "?: " : ": ");
      switch (param.type) {
        case ArgType::Float32: text << "float32"; break;
        case ArgType::Float64: text << "float64"; break;
        case ArgType::Integer16: text << "int16"; break;
        case ArgType::Text: text << "string"; break;
        case ArgType::Core: text << "part number"; break;
        case ArgType::Boolean: text << "bool"; break;
        case ArgType::TextList: text << "string array"; break;
        case ArgType::Converter: text << "converter"; break;
      }
    }
    text << ")\n      " << operation.summary << '\n';
  }
  return text.str();
}

}  // namespace qiro::batch
