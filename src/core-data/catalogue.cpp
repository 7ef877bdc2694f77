#include "core-data/catalogue.h"

#include <stdexcept>
#include <string>

#include "text/float_range.h"

namespace qiro {

std::array<CoreRecord, kCatalogueCapacity> CoreCatalogue;
std::int16_t CatalogueSize = 0;
std::int16_t MaxTurns = 0;

namespace {

struct SizeRow {
  const char* code;
  // Columns 1..10: OD, ID, HT, coated OD, coated ID, coated HT (mm), volume (cm³),
  // cross-section (cm²), path length (cm), window area (cm²); 11..19: AL (nH/N²) for
  // permeability codes 026..173. Kept as the decimal values; each becomes the nearest float.
  double column[19];
};

constexpr SizeRow kCoreSizeTable[29] = {
    {"038", {9.65, 4.78, 3.96, 10.29, 4.27, 4.57, 0.206, 0.0945, 2.177, 0.1429, 14, 21, 32, 40, 48, 66, 78, 84, 92}},
    {"040", {10.16, 5.08, 3.96, 10.8, 4.57, 4.57, 0.238, 0.1, 2.38, 0.164, 14, 21, 32, 40, 48, 66, 78, 84, 92}},
    {"045", {11.51, 5.89, 3.96, 12.22, 5.44, 4.72, 0.3041, 0.1113, 2.63, 0.232, 13.8, 21.25, 31.9, 32, 39.9, 66.5, 78.2, 85, 92}},
    {"050", {12.7, 7.62, 4.75, 13.46, 6.99, 5.51, 0.355568, 0.1114, 3.12, 0.383, 12, 18, 27, 34, 40, 56, 67, 72, 79}},
    {"065", {16.64, 10.16, 6.35, 17.4, 9.53, 7.11, 0.7891, 0.192, 4.11, 0.713, 15, 24, 36, 43, 52, 72, 88, 92, 104}},
    {"068", {17.27, 9.65, 6.35, 18.03, 9.02, 7.11, 0.9605, 0.232, 4.14, 0.638, 19, 28.5, 43, 53, 64, 89, 105, 114, 123}},
    {"080", {20.32, 12.7, 6.35, 21.08, 12.07, 7.11, 1.151, 0.226, 5.09, 1.144, 14, 21, 32, 41, 49, 68, 81, 87, 96}},
    {"090", {22.86, 13.97, 7.62, 23.62, 13.39, 8.38, 1.877, 0.331, 5.67, 1.408, 19, 29, 43, 54, 65, 90, 106, 115, 124}},
    {"092", {23.57, 14.4, 8.89, 24.28, 13.77, 9.7, 2.2814, 0.388, 5.88, 1.489, 22, 34, 51, 63, 76, 105, 124, 135, 146}},
    {"106", {26.92, 14.73, 11.18, 27.7, 14.1, 11.99, 4.154, 0.654, 6.35, 1.561, 32, 50, 75, 94, 113, 157, 185, 201, 217}},
    {"107", {27.18, 13.1, 12.2, 27.94, 12.47, 13, 5.758, 0.897, 6.42, 1.221, 46, 70, 105, 131, 158, 219, 257, 280, 303}},
    {"130", {33.02, 19.94, 10.67, 33.83, 19.3, 11.61, 5.4768, 0.672, 8.15, 2.93, 28, 41, 61, 76, 91, 127, 150, 163, 176}},
    {"131", {33.27, 18, 11.67, 34.08, 17.36, 12.61, 7.075, 0.8817, 7.075, 2.36, 36, 55, 83, 104, 125, 173, 203, 221, 240}},
    {"135", {34.29, 23.37, 8.89, 35.2, 22.6, 9.83, 4.0633, 0.454, 8.95, 4.01, 16, 25, 38, 47, 57, 79, 93, 101, 109}},
    {"141", {35.81, 22.35, 10.46, 36.7, 21.5, 11.28, 6.0884, 0.678, 8.98, 3.64, 24, 37, 56, 70, 84, 117, 138, 150, 162}},
    {"157", {39.88, 24.13, 14.48, 40.7, 23.3, 15.37, 10.5485, 1.072, 9.84, 4.27, 35, 54, 81, 101, 121, 168, 198, 215, 233}},
    {"158", {40.13, 22.08, 17, 40.94, 21.27, 17.89, 15.043, 1.5372, 9.51, 3.55, 53, 81, 122, 153, 183, 254, 299, 325, 352}},
    {"184", {46.74, 24.13, 18.03, 47.63, 23.32, 18.92, 21.373, 1.99, 10.743, 4.27, 59, 90, 135, 169, 202, 281, 330, 360, 390}},
    {"185", {46.74, 28.7, 15.24, 47.6, 27.9, 16.13, 15.584, 1.34, 11.63, 6.11, 37, 57, 86, 107, 128, 178, 210, 228, 246}},
    {"200", {50.8, 31.75, 13.46, 51.7, 30.9, 14.35, 15.929, 1.251, 12.73, 7.5, 32, 49, 73, 91, 109, 152, 179, 195, 210}},
    {"225", {57.15, 35.56, 13.97, 58, 34.7, 14.86, 20.65, 1.444, 14.3, 9.48, 33, 50, 75, 94, 112, 156, 185, 200, 218}},
    {"226", {57.15, 26.39, 15.24, 58.04, 25.58, 16.13, 28.6, 2.29, 12.5, 5.14, 60, 92, 138, 172, 207, 287, 338, 368, 398}},
    {"250-18", {62, 32.6, 18, 63.09, 31.37, 19.26, 39.2, 2.646, 14.37, 7.73, 60, 92, 138, 173, 207, 288, 339, 367, 396}},
    {"250", {62, 32.6, 25, 63.09, 31.37, 26.26, 52.81, 3.675, 14.37, 7.73, 83, 128, 192, 240, 288, 400, 470, 510, 550}},
    {"255", {64.8, 34.7, 25, 65.9, 33.5, 26.27, 58.65, 3.76, 15.2, 8.814, 80, 124, 186, 233, 280, 390, 458, 498, 540}},
    {"300", {77.8, 49.23, 12.7, 78.94, 47.96, 13.97, 34.77, 1.77, 19.61, 18.06, 30, 45, 68, 85, 102, 142, 167, 182, 197}},
    {"306", {77.8, 49.23, 15.88, 78.94, 47.96, 17.15, 43.523, 2.219, 19.61, 18.06, 37, 57, 85, 107, 128, 178, 209, 228, 246}},
    {"400", {101.6, 57.15, 13.59, 102.87, 55.75, 14.86, 72.122, 2.9716, 24.271, 24.413, 40, 61.5, 92.3, 115, 139, 192, 226, 246, 266}},
    {"401", {101.6, 57.15, 16.51, 102.87, 55.75, 17.78, 84.495, 3.5226, 24.271, 24.413, 47.4, 72.9, 112, 137, 164, 228, 274.4, 298.7, 323}},
};

constexpr const char* kPermeabilityCodes[9] = {"026", "040", "060", "075", "090",
                                              "125", "147", "160", "173"};

struct SeriesInfo {
  const char* code;
  const char* prefix;
  const char* suffix;
  int base;                  // slot before the series' first core
  std::array<bool, 9> offers;  // by permeability code position
};

constexpr SeriesInfo kSeries[7] = {
    {"KMA", "KMA", "", 0, {true, true, true, true, true, false, false, false, false}},
    {"KMB", "KMB", "", 145, {true, true, true, true, true, false, false, false, false}},
    {"KMC", "KMC", "", 290, {true, false, true, true, true, true, true, true, true}},
    {"KMAC", "KMA", "C", 522, {false, false, true, false, false, false, false, false, false}},
    {"KMC-L", "KMC", "-L", 551, {false, false, true, false, false, false, false, false, false}},
    {"KMD", "KMD", "", 580, {false, true, false, false, false, false, false, false, false}},
    {"KME", "KME", "", 609, {true, false, true, true, true, true, false, false, false}},
};

float Stored(double decimal) { return ToFloat32(decimal); }

}  // namespace

void InitCoreData() {
  CatalogueSize = kCatalogueCapacity;
  MaxTurns = 350;
  int counter[7] = {};
  for (const SizeRow& row : kCoreSizeTable) {
    const std::string sizeCode = row.code;
    const std::string sizeNumber = sizeCode.substr(0, 3);
    const std::string sizeRest = sizeCode.substr(3);
    for (int p = 0; p < 9; ++p) {
      for (int s = 0; s < 7; ++s) {
        const SeriesInfo& series = kSeries[s];
        if (!series.offers[p]) continue;
        ++counter[s];
        CoreRecord& core = CoreCatalogue[series.base + counter[s] - 1];
        core.PartNumber = std::string(series.prefix) + sizeNumber + kPermeabilityCodes[p] +
                          sizeRest + series.suffix;
        const double* c = row.column;
        core.OuterDiameter = Stored(c[0]);
        core.InnerDiameter = Stored(c[1]);
        core.Height = Stored(c[2]);
        core.CoatedOuterDiameter = Stored(c[3]);
        core.CoatedInnerDiameter = Stored(c[4]);
        core.CoatedHeight = Stored(c[5]);
        core.Volume = Stored(c[6]);
        core.CrossSection = Stored(c[7]);
        core.PathLength = Stored(c[8]);
        core.WindowArea = Stored(c[9]);
        core.InductanceFactor = Stored(c[10 + p]);
        core.Permeability = static_cast<std::int16_t>(std::stoi(kPermeabilityCodes[p]));
        core.Series = series.code;
        // Taller and wider variants: the float nearest the decimal sum (9.65 + 0.2 = 9.85),
        // so the data shows the catalogue's round dimension rather than 9.849999.
        if (core.Series == "KMAC") {
          core.Height = Stored(c[2] + 1.0);
          core.CoatedHeight = Stored(c[5] + 1.0);
        } else if (core.Series == "KMD") {
          core.OuterDiameter = Stored(c[0] + 0.2);
          core.CoatedOuterDiameter = Stored(c[3] + 0.2);
        }
      }
    }
  }
}

const CoreRecord& CatalogueSlot(int slot) {
  if (slot < 1 || slot > CatalogueSize) throw std::out_of_range("catalogue slot");
  return CoreCatalogue[static_cast<std::size_t>(slot - 1)];
}

std::optional<int> FindSlotByPartNumber(std::string_view partNumber) {
  for (int slot = 1; slot <= CatalogueSize; ++slot) {
    if (CoreCatalogue[static_cast<std::size_t>(slot - 1)].PartNumber == partNumber) return slot;
  }
  return std::nullopt;
}

CoreRecord FindCoreByPartNumber(std::string_view partNumber) {
  const auto slot = FindSlotByPartNumber(partNumber);
  return slot ? CatalogueSlot(*slot) : CoreRecord{};
}

}  // namespace qiro
