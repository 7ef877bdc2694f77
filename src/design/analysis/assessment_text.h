#pragma once
// The design assessment as the screens (and the design sheet) write it: a few plain lines,
// each with the verdict it carries, so a line reads the same with or without colour.
#include <string>
#include <vector>

#include "design/analysis/converter_operation.h"
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

// The heading of the assessment that takes the report's currents (a DC current with a
// symmetric triangle), shown above it when the design is also judged in its converter.
std::string DirectCurrentHeading();

// The assessment in the converter: a heading naming the operating condition and the core
// loss's model, the assessment's own lines, then the highest current and the largest ripple.
// `refusal` other than None: the line saying why it could not be assessed instead.
std::vector<AssessmentLine> ConverterAssessmentText(const Converter& converter,
                                                    const DesignAssessment* assessment,
                                                    const ConverterLoad* load,
                                                    AssessmentRefusal refusal);

// The one line shown when a design cannot be assessed, naming why.
std::string AssessmentRefusalText(AssessmentRefusal refusal);

}  // namespace qiro
