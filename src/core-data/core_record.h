#pragma once
#include <cstdint>
#include <string>

namespace qiro {

// One catalogue core. Dimensions in mm, volume cm³, cross-section and window cm²,
// path length cm, inductance factor nH/N².
struct CoreRecord {
  std::string PartNumber;
  float OuterDiameter = 0;
  float InnerDiameter = 0;
  float Height = 0;
  float CoatedOuterDiameter = 0;
  float CoatedInnerDiameter = 0;
  float CoatedHeight = 0;
  float Volume = 0;
  float CrossSection = 0;
  float PathLength = 0;
  float WindowArea = 0;
  float InductanceFactor = 0;
  std::int16_t Permeability = 0;
  std::string Series;

  bool operator==(const CoreRecord&) const = default;
};

}  // namespace qiro
