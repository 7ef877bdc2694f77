#pragma once
// The batch tool: one JSON request per line in, one JSON reply per line out, in order.
#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/json_writer.h"
#include "core-data/core_record.h"
#include "design/analysis/design_adviser.h"
#include "design/analysis/design_assessment.h"
#include "design/calculators/converter.h"
#include "magnetics/evaluate_inductor.h"
#include "magnetics/outcome.h"
#include "magnetics/winding_search.h"

namespace qiro {
struct DesignDocument;
}

namespace qiro::batch {

inline constexpr std::size_t kMaxLineBytes = 1024 * 1024;

enum class ArgType {
  Float32,   // any JSON number, rounded to a float; refused beyond the float range
  Float64,   // any JSON number, or the bit pattern as a "0x…" string of 16 hex digits
  Integer16, // a JSON integer in -32768..32767
  Text,      // a JSON string
  Core,      // a catalogue part number
  Boolean,   // true or false
  TextList,  // a JSON array of strings
  Converter, // {"Topology": "Buck" …, and that topology's Calc* arguments by name}
};

struct ArgSpec {
  const char* name;
  ArgType type;
  // May be left out; the operation then reads has() and supplies its own default.
  bool optional = false;
};

// The checked arguments of one request.
class Args {
 public:
  float f32(const char* name) const;
  double f64(const char* name) const;
  std::int16_t i16(const char* name) const;
  const std::string& text(const char* name) const;
  const CoreRecord& core(const char* name) const;
  bool boolean(const char* name) const;
  bool has(const char* name) const;  // whether an optional argument was given
  const std::vector<std::string>& texts(const char* name) const;
  const qiro::Converter& converter(const char* name) const;

 private:
  friend class Batch;
  struct Value {
    std::string_view name;
    double number = 0;
    std::string text;
    const CoreRecord* core = nullptr;
    std::vector<std::string> texts;
    qiro::Converter converter;
  };
  // A handful per request, looked up by name: a flat list beats a tree.
  const Value& Find(std::string_view name) const;
  std::vector<Value> values_;
};

// Thrown by an operation when its input cannot be evaluated; becomes an error reply.
struct Refusal {
  std::string message;
};

struct Operation {
  std::string summary;
  std::vector<ArgSpec> args;
  // Writes the result value; throws Refusal when the input cannot be evaluated.
  std::function<void(const Args&, JsonWriter&)> run;
};

class Batch {
 public:
  Batch();  // builds the catalogue and registers every operation
  // Operations refer to their batch (the adviser's control): it stays where it was made.
  Batch(const Batch&) = delete;
  Batch& operator=(const Batch&) = delete;

  // One reply line (no newline) for one request line; `ok` tells whether it succeeded.
  std::string Reply(std::string_view line, bool& ok) const;

  // Reads requests until end of input. Exit status: 0 all ok, 1 some error reply,
  // 2 the input could not be read.
  int Run(std::istream& in, std::ostream& out) const;

  std::string Help() const;

  void Register(const std::string& name, Operation operation);

  // How AdviseDesigns searches: the machine's cores by default; the web module runs it on
  // its one thread, stoppable and reporting its progress to the page.
  void SetAdviserControl(AdviserControl control) { adviserControl_ = std::move(control); }
  const AdviserControl& adviserControl() const { return adviserControl_; }

 private:
  std::map<std::string, Operation, std::less<>> operations_;
  AdviserControl adviserControl_;
  // Part number to record: scripts look cores up by the thousand.
  std::unordered_map<std::string_view, const CoreRecord*> cores_;
};

// Registration of the operation families (one function per domain area).
void RegisterDomainOperations(Batch& batch);
void RegisterTextOperations(Batch& batch);
void RegisterTopologyOperations(Batch& batch);
void RegisterUrOperations(Batch& batch);
void RegisterSelectionOperations(Batch& batch);
void RegisterDesignFileOperations(Batch& batch);
void RegisterAdviserOperations(Batch& batch);
void RegisterConverterOperations(Batch& batch);
void RegisterToroidOperations(Batch& batch);
void RegisterPageOperations(Batch& batch);

// EvaluateInductor's arguments and the evaluation they ask for, shared by the operations
// that start from an evaluation.
std::vector<ArgSpec> EvaluateArgs();
std::vector<ArgSpec> WithArg(std::vector<ArgSpec> args, ArgSpec more);
Outcome<InductorEvaluation> Evaluate(const Args& a);

// Writers shared by the operation families.
void WriteCore(JsonWriter& w, const CoreRecord& core);
void WriteWinding(JsonWriter& w, const WindingChoice& winding);
void WriteAssessment(JsonWriter& w, const DesignAssessment& assessment);
void WriteAssessmentMembers(JsonWriter& w, const DesignAssessment& assessment);  // no braces
// The converter as the batch tool takes it: {"Topology": …, inputs by name}.
void WriteConverter(JsonWriter& w, const qiro::Converter& converter);
// A design as the toroid calculator's field texts (members of an open object).
void WriteFieldTexts(JsonWriter& w, const DesignDocument& d);

}  // namespace qiro::batch
