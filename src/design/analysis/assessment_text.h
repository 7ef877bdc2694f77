#pragma once
// The design assessment as the screens (and the design sheet) write it: a few plain lines,
// each with the verdict it carries, so a line reads the same with or without colour.
#include <string>
#include <vector>

#include "design/analysis/design_assessment.h"

namespace qiro {

// How a line is to be marked: no verdict, or the verdict's level.
enum class AssessmentLevel { Plain, Normal, High, TooHigh };

struct AssessmentLine {
  std::string Text;
  AssessmentLevel Level = AssessmentLevel::Plain;
};

// The lines of an assessed design. `withoutRipple`: the design carries no frequency or
// ripple (a selection proposal), so its core and AC copper losses are zero; a line says so.
std::vector<AssessmentLine> AssessmentText(const DesignAssessment& assessment, bool withoutRipple);

// The one line shown when a design cannot be assessed, naming why.
std::string AssessmentRefusalText(AssessmentRefusal refusal);

}  // namespace qiro
