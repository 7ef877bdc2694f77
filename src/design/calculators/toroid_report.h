#pragma once
// The texts the toroid calculator shows: the picked core's data and the design report.
// Both are formatted here only; every number comes from the catalogue or EvaluateInductor.
#include <string>

#include "core-data/core_record.h"
#include "magnetics/evaluate_inductor.h"

namespace qiro {

// Seven lines joined by CR LF, no line break after the last: part number, dimensions
// before and after coating, AL, path length, cross-section and volume.
std::string CoreInfoText(const CoreRecord& core);

// Seventeen lines, each ended by CR LF. A core loss below zero comes from a frequency the
// loss model does not cover; the loss lines then say so instead of showing a negative loss.
std::string ReportText(const InductorEvaluation& e);

// The warning under the report: "注意：绕线困难！" when the winding fills more than 44 % of
// the core's window (exactly 44 % still winds), otherwise nothing.
inline constexpr const char* kWindingWarning = "注意：绕线困难！";
std::string WindingWarning(const InductorEvaluation& e);

}  // namespace qiro
