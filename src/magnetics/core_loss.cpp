#include "magnetics/core_loss.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "text/float_range.h"

namespace qiro {
namespace {

struct PowerLaw {
  double k, beta, alpha;
};

bool Any(std::int16_t mu, std::initializer_list<int> values) {
  for (int v : values) {
    if (mu == v) return true;
  }
  return false;
}

// The Steinmetz coefficients of a pair, or nullptr.
const PowerLaw* Coefficients(std::int16_t mu, std::string_view series) {
  static constexpr PowerLaw kmaLow{13.6359073561592, 2.21212532989623, 1.03462042069233};
  static constexpr PowerLaw kmaHigh{1.37832664462702, 2.25993429725961, 1.48592257983292};
  static constexpr PowerLaw kmbLow{14.7251555181386, 2.07411214287226, 1.01962414920534};
  static constexpr PowerLaw kmbHigh{3.357313793513, 2.18825568404846, 1.34879476205596};
  static constexpr PowerLaw kmc26{0.580950029194902, 1.97662933654919, 1.74567017496015};
  static constexpr PowerLaw kmcHigh{3.67510216057305, 1.83597357512295, 1.09416457609007};
  static constexpr PowerLaw kmac{5.07759663326979, 1.79524045778166, 1.05527849539979};
  static constexpr PowerLaw kmcL{2.05292681417617, 1.8978202009651, 1.19605621894201};
  static constexpr PowerLaw kmd{6.82512172887049, 1.97191453314767, 1.23640925701716};
  static constexpr PowerLaw kme26{1.58456464093666, 2.242535693, 1.20729109942056};
  if (series == "KMA") {
    if (Any(mu, {26, 40})) return &kmaLow;
    if (Any(mu, {60, 75, 90})) return &kmaHigh;
  } else if (series == "KMB") {
    if (Any(mu, {26, 40})) return &kmbLow;
    if (Any(mu, {60, 75, 90})) return &kmbHigh;
  } else if (series == "KMC") {
    if (mu == 26) return &kmc26;
    if (Any(mu, {60, 75, 90, 125, 147, 160, 173})) return &kmcHigh;
  } else if (series == "KMAC") {
    if (mu == 60) return &kmac;
  } else if (series == "KMC-L") {
    if (mu == 60) return &kmcL;
  } else if (series == "KMD") {
    if (mu == 40) return &kmd;
  } else if (series == "KME") {
    if (mu == 26) return &kme26;
  }
  return nullptr;
}

double KmePolynomial(double f) {
  return -13.9486749659657 + 14.1475130723223 * std::pow(f, 0.5) + 17.2457314178272 * f -
         12.1242553824513 * std::pow(f, 1.5) + 3.31773148895725 * std::pow(f, 2) -
         0.413579630100765 * std::pow(f, 2.5) + 0.0241730791229382 * std::pow(f, 3) -
         0.00053035186461486 * std::pow(f, 3.5);
}

// g′(f), term by term.
double KmePolynomialSlope(double f) {
  return 0.5 * 14.1475130723223 * std::pow(f, -0.5) + 17.2457314178272 -
         1.5 * 12.1242553824513 * std::pow(f, 0.5) + 2 * 3.31773148895725 * f -
         2.5 * 0.413579630100765 * std::pow(f, 1.5) + 3 * 0.0241730791229382 * std::pow(f, 2) -
         3.5 * 0.00053035186461486 * std::pow(f, 2.5);
}

}  // namespace

float CoreLossDensity(std::int16_t Permeability, std::string_view Series, float FrequencyKHz,
                      float FluxSwing) {
  const double b = static_cast<double>(ToFloat32(static_cast<double>(FluxSwing) / 1000));
  const double f = static_cast<double>(FrequencyKHz);
  if (const PowerLaw* law = Coefficients(Permeability, Series)) {
    return ToFloat32(law->k * std::pow(b, law->beta) * std::pow(f, law->alpha));
  }
  if (Series == "KME" && Any(Permeability, {60, 75, 90, 125})) {
    return ToFloat32(std::pow(b, 2.28) * KmePolynomial(f));
  }
  return 0.0f;
}

double CoreLossFrequencyExponent(std::int16_t Permeability, std::string_view Series,
                                 float FrequencyKHz) {
  if (const PowerLaw* law = Coefficients(Permeability, Series)) return law->alpha;
  if (Series == "KME" && Any(Permeability, {60, 75, 90, 125})) {
    const double f = static_cast<double>(FrequencyKHz);
    const double alpha = f * KmePolynomialSlope(f) / KmePolynomial(f);
    return std::isnan(alpha) ? 1.0 : std::clamp(alpha, 1.0, 2.0);
  }
  return 1.0;
}

}  // namespace qiro
