#pragma once
// A design file: the toroid calculator's inputs for one core type, kept as UTF-8 JSON
//   {"format": "qiromagnetic-design", "version": 1, "design": {...}, "note": "..."}
// or, for a design found for a converter, version 2 with "converter": {...} after "design"
// (the batch tool's Converter argument). "design" holds the batch tool's AssessDesign
// arguments for a single core type, so a script can pass it to qiro-batch as it is. A number
// is read as the calculator reads a typed one and the batch tool an argument (the nearest
// double, then the nearest float for a float value), and written in the shortest form that
// reads back so (RoundTripText).
//
// Reading is strict: a file is taken whole or refused, naming the first member at fault.
// Members this program does not know are refused rather than skipped, because opening and
// saving again would silently drop what another writer put there; within "design" the batch
// tool would refuse them as well.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "design/calculators/converter.h"

namespace qiro {

inline constexpr std::string_view kDesignFileFormat = "qiromagnetic-design";
// The newest version read; a file is written as version 1 unless it carries a converter, so
// older programs keep opening every design that needs nothing new.
inline constexpr std::int64_t kDesignFileVersion = 2;
inline constexpr std::size_t kMaxDesignFileBytes = 1024 * 1024;  // larger files are refused
// The calculator's wire list: 0.1 mm to 3.0 mm in steps of 0.1 mm.
inline constexpr int kThinnestWireTenths = 1;
inline constexpr int kThickestWireTenths = 30;

struct DesignDocument {
  std::string Core;              // catalogue part number
  float CoreCount = 1;           // cores stacked, > 0 (need not be whole)
  float FrequencyKHz = 100;      // kHz, > 0
  float AverageCurrent = 10;     // A, > 0
  float PeakCurrent = 14.14f;    // A, > 0
  float RippleCurrent = 2.828f;  // A peak to peak, > 0
  float WireDiameter = 1.0f;     // mm, one of the wire list
  std::int16_t StrandCount = 1;  // 1..32767
  std::int16_t Turns = 1;        // 1..400, the calculator's range
  double AmbientTemperature = 25;  // °C, −60..200
  std::string Note;              // free UTF-8 text, may be empty
  std::optional<Converter> InConverter;  // the converter the design was found for (version 2)

  bool operator==(const DesignDocument&) const = default;
};

// Why a design file was refused. The kinds the reader gives, and two (Folder, Unreadable)
// for the screens, which read the file, so every refusal is worded in one place.
enum class DesignFileFault {
  TooLarge,           // over kMaxDesignFileBytes
  NotJson,            // Line and Column say where
  NotDesignFile,      // not an object, or "format" is not "qiromagnetic-design"
  NewerVersion,       // Value holds the file's version
  MissingField,
  WrongType,          // e.g. a string where a number belongs ("NaN", "Infinity")
  OutOfRange,
  UnknownPartNumber,  // Value holds the part number
  WireNotInList,
  UnknownField,       // Field names the member
  DuplicateField,
  InvalidText,        // the note or a name is not valid UTF-8 (only from the checks)
  Folder,             // the path names a folder
  Unreadable,         // Value holds the system's reason
};

struct DesignFileRefusal {
  DesignFileFault Kind = DesignFileFault::NotJson;
  std::string Field;  // the member's path ("design.Turns", "version"), empty for the whole file
  std::string Value;  // the offending value as written, where the wording quotes it
  std::size_t Line = 0;    // NotJson: 1-based
  std::size_t Column = 0;  // NotJson: 1-based, in bytes

  bool operator==(const DesignFileRefusal&) const = default;
};

// Pretty-printed (two-space indent, LF line ends, a final LF), members in a fixed order:
// the same document always gives the same bytes. "note" is always written. A value the
// checks would refuse is still written (a non-finite number as null), so the file is JSON
// and opening it names the field; check with CheckDesignDocument before saving.
std::string WriteDesignDocument(const DesignDocument& document);

// The document, or why the text is not an acceptable design file. Looks part numbers up in
// the catalogue: InitCoreData() must have run.
std::variant<DesignDocument, DesignFileRefusal> ReadDesignDocument(std::string_view text);

// The value checks of ReadDesignDocument on a document in memory: nothing when every value
// is one the calculator can hold and the note is valid UTF-8.
std::optional<DesignFileRefusal> CheckDesignDocument(const DesignDocument& document);

// The shortest text that reads back as this float through the nearest double, as the
// calculator's fields and the batch tool read numbers: the float's shortest form, or in the
// rare case where that lands on a tie between two floats, its exact value. Also the text to
// put in a calculator field so that it holds this float.
std::string RoundTripText(float value);
// The shortest text that reads back as the same double (the ambient temperature).
std::string RoundTripText(double value);

// Whether the diameter (mm) is one of the calculator's wire list, as the calculator holds it.
bool IsListedWireDiameter(float diameter);
// The wire list's text for a listed diameter ("1.0", "0.1"), as the calculator shows it.
std::string WireListText(float diameter);

// The reason, naming the field, to follow "无法打开设计文件：" / "Cannot open the design file: ".
// Quoted values are shortened and their control characters escaped.
std::string DesignFileReasonChinese(const DesignFileRefusal& refusal);
std::string DesignFileReasonEnglish(const DesignFileRefusal& refusal);
inline constexpr std::string_view kOpenDesignRefusedChinese = "无法打开设计文件：";
inline constexpr std::string_view kOpenDesignRefusedEnglish = "Cannot open the design file: ";

}  // namespace qiro
