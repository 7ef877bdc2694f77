#include "magnetics/bias_permeability.h"

#include <array>
#include <cmath>
#include <initializer_list>

namespace qiro {
namespace {

struct Term {
  double coefficient;
  double power;
};

// c × 10^-n, formed as the curve fits were published. The powers of ten are computed
// once (the same values the power function gives), not on every evaluation.
double Sci(double c, int n) {
  static const auto kPowers = [] {
    std::array<double, 12> powers{};
    for (int i = 0; i < 12; ++i) powers[static_cast<std::size_t>(i)] = std::pow(10.0, -i);
    return powers;
  }();
  return c * kPowers[static_cast<std::size_t>(n)];
}

double Sum(std::initializer_list<Term> terms, double h) {
  double sum = 0.0;
  bool first = true;
  for (const Term& t : terms) {
    const double value = t.power == 0.0 ? t.coefficient : t.coefficient * std::pow(h, t.power);
    sum = first ? value : sum + value;
    first = false;
  }
  return sum;
}

double Rational(std::initializer_list<Term> numerator, std::initializer_list<Term> denominator,
                double h) {
  return Sum(numerator, h) / Sum(denominator, h);
}

double Kma26(double h) {
  return Rational({{100.07355768212, 0}, {0.169602939595094, 1}, {Sci(4.8505953105517, 4), 2}},
                  {{1, 0}, {0.00217012630866979, 1}, {Sci(4.1786455233426, 6), 2},
                   {Sci(3.63832465387762, 8), 3}},
                  h);
}

double KmePolynomial60(double h) {
  return Sum({{110.368508878346, 0}, {-16.3464436629208, 0.5}, {7.73908622546577, 1},
              {-1.63011989144191, 1.5}, {0.162840648049264, 2}, {-0.00893786444074965, 2.5},
              {0.00027897086944809, 3}, {Sci(-4.65926532276711, 6), 3.5},
              {Sci(3.23881162731513, 8), 4}},
             h);
}

double KmePolynomial90(double h) {
  return Sum({{100.154019777182, 0}, {-1.336260240129, 0.5}, {1.39637128718979, 1},
              {-0.71097768642366, 1.5}, {0.0977534356693558, 2}, {-0.00642648642388005, 2.5},
              {0.000226164954013043, 3}, {Sci(-4.11616067979288, 6), 3.5},
              {Sci(3.05012178169777, 8), 4}},
             h);
}

// Returns false when the pair has no curve.
bool Curve(std::int16_t mu, std::string_view series, double h, double& out) {
  if (series == "KMA" || (series == "KMB" && mu == 26)) {
    switch (mu) {
      case 26: out = Kma26(h); return true;
      case 40:
        out = Rational({{99.87911196585, 0}, {-0.0954769747069509, 1}, {Sci(8.08850208746832, 5), 2}},
                       {{1, 0}, {-0.000420333590982328, 1}, {Sci(9.5247314483765, 6), 2}}, h);
        return true;
      case 60:
        out = Rational({{99.4331567650809, 0}, {-0.184702988849205, 1}, {0.000594141863702009, 2}},
                       {{1, 0}, {-0.000895791837650036, 1}, {Sci(2.11398771550689, 5), 2},
                        {Sci(5.41850342076942, 8), 3}},
                       h);
        return true;
      case 75:
        out = Rational({{99.937536593176, 0}, {-0.264708013575456, 1}, {0.00129541996804409, 2}},
                       {{1, 0}, {-0.000372104750921793, 1}, {Sci(2.40827233347603, 5), 2},
                        {Sci(1.64844890129749, 7), 3}},
                       h);
        return true;
      case 90:
        out = Rational({{99.9611257084086, 0}, {76.1020507431854, 2}, {0.0512318724375874, 4},
                        {Sci(2.18159647997184, 7), 6}},
                       {{1, 0}, {0.770687127352551, 2}, {0.000569485683600892, 4},
                        {Sci(4.77195082655814, 8), 6}},
                       h);
        return true;
      default: return false;
    }
  }
  if (series == "KMB") {
    switch (mu) {
      case 40:
        out = Rational({{99.9525751797969, 0}, {-0.185894924878211, 1}, {0.000731142212640418, 2}},
                       {{1, 0}, {-0.00131148709703635, 1}, {Sci(6.37832474913571, 6), 2},
                        {Sci(3.71683830129386, 8), 3}},
                       h);
        return true;
      case 60:
        out = Rational({{99.9725676567887, 0}, {346.271329010683, 2}, {0.00755487488362996, 4},
                        {Sci(1.64063732070825, 8), 6}},
                       {{1, 0}, {3.48293760145262, 2}, {0.000174994003853671, 4},
                        {Sci(3.67267711161913, 9), 6}},
                       h);
        return true;
      case 75:
        out = Rational({{99.9910676512734, 0}, {1437.55555202672, 1}, {-1.83222839286072, 2},
                        {0.00524969441267347, 3}},
                       {{1, 0}, {14.379211138082, 1}, {0.00192381349220314, 2},
                        {0.000656364249892436, 3}},
                       h);
        return true;
      case 90:
        out = Rational({{100.000344630956, 0}, {757471.144142382, 2}, {10582385.2180421, 4},
                        {45056.6376877039, 6}, {0.229171096704095, 8}},
                       {{1, 0}, {6675.54631533577, 2}, {106885.883201656, 4},
                        {452.41681800719, 6}, {0.0439284135742648, 8}},
                       h);
        return true;
      default: return false;
    }
  }
  if (series == "KMC") {
    switch (mu) {
      case 26:
        out = Rational({{99.7870980543109, 0}, {0.0407290975374626, 2}, {Sci(6.66411287417486, 8), 4}},
                       {{1, 0}, {0.000513955786927492, 2}, {Sci(9.17247601771437, 9), 4}}, h);
        return true;
      case 60:
        out = Rational({{99.8360167265099, 0}, {6.4208676157694, 1}, {0.00706958508242458, 2},
                        {Sci(8.72253402398739, 5), 3}},
                       {{1, 0}, {0.0655558758253756, 1}, {0.000391071874705327, 2},
                        {Sci(2.38011053250603, 6), 3}, {Sci(3.61386781482527, 8), 4}},
                       h);
        return true;
      case 75:
        out = Rational({{100.518555886536, 0}, {2.02992720807627, 0.5}, {-0.469156696905081, 1},
                        {0.013280891220977, 1.5}},
                       {{1, 0}, {0.0425156377109016, 0.5}, {-0.0111672643941075, 1},
                        {0.00213176507131167, 1.5}, {Sci(-3.6290618239756, 5), 2}},
                       h);
        return true;
      case 90:
        out = Rational({{100.000000494041, 0}, {12515929.5552224, 0.5}, {-1017695.10302145, 1},
                        {34111.2124779599, 1.5}},
                       {{1, 0}, {121906.092291654, 0.5}, {-5531.46976258181, 1},
                        {-255.066430648036, 1.5}, {138.362123796683, 2}},
                       h);
        return true;
      case 125:
        out = Rational({{100.000014960292, 0}, {24013.3258164309, 0.5}, {-3068.86102956079, 1},
                        {138.415758643592, 1.5}, {-1.86922513985542, 2}},
                       {{1, 0}, {238.603018516677, 0.5}, {-28.4923152114634, 1},
                        {3.1058931801807, 1.5}, {-0.0111424122995227, 2}},
                       h);
        return true;
      case 147:
        out = Rational({{100.120552751411, 0}, {20.8148633533146, 1}, {-0.0766304151707046, 2},
                        {0.000264372692127637, 3}},
                       {{1, 0}, {0.227349457052539, 1}, {0.00214859409045609, 2},
                        {Sci(4.84781557093688, 5), 3}, {Sci(5.34253989627812, 8), 4}},
                       h);
        return true;
      case 160:
        out = Rational({{100.009253705919, 0}, {131380.469182289, 0.5}, {-10191.8518742684, 1},
                        {220.147015753745, 1.5}, {7.93658094531412, 2}},
                       {{1, 0}, {1191.22659841353, 0.5}, {66.2697629214937, 1},
                        {-37.6385091986934, 1.5}, {6.46250597899744, 2}},
                       h);
        return true;
      case 173:
        out = Rational({{100.000000051758, 0}, {9365045.17581335, 2}, {8085851.01524992, 4},
                        {1394340.13371976, 6}, {5123.60769065776, 8}},
                       {{1, 0}, {91696.0874234166, 2}, {83088.1040673173, 4},
                        {15593.9243425222, 6}, {79.893848534381, 8}, {0.03881492813462, 10}},
                       h);
        return true;
      default: return false;
    }
  }
  if (series == "KMAC" && mu == 60) {
    out = Rational({{102.148086446608, 0}, {-10.9131547972139, 0.5}, {0.543048871352957, 1},
                    {-0.0081300034099891, 1.5}},
                   {{1, 0}, {-0.0878117813411027, 0.5}, {0.000890946981904661, 1},
                    {0.000459943924461005, 1.5}},
                   h);
    return true;
  }
  if (series == "KMC-L" && mu == 60) {
    out = Rational({{99.9999253740402, 0}, {118119229.185817, 2}, {9946882.26941112, 4},
                    {6438.25592187047, 6}, {0.0147834633724038, 8}},
                   {{1, 0}, {1181057.11688375, 2}, {101977.682399238, 4}, {85.7474837148805, 6},
                    {0.00700669516345694, 8}},
                   h);
    return true;
  }
  if (series == "KMD" && mu == 40) {
    out = Rational({{99.9182812449484, 0}, {-12.8952153730228, 0.5}, {0.741393668269294, 1},
                    {-0.0113620170491447, 1.5}},
                   {{1, 0}, {-0.131914256083014, 0.5}, {0.00980887026655947, 1},
                    {-0.00044462976924802, 1.5}, {Sci(2.12029989284991, 5), 2}},
                   h);
    return true;
  }
  if (series == "KME") {
    switch (mu) {
      case 26:
        out = Sum({{99.8599412765533, 0}, {0.128462794738652, 1}, {-0.0444167033967702, 1.5},
                   {0.00202539255264023, 2}, {Sci(-2.65147432697702, 5), 2.5}},
                  h);
        return true;
      case 60: out = KmePolynomial60(h); return true;
      case 90: out = KmePolynomial90(h); return true;
      case 75: out = (KmePolynomial60(h) + KmePolynomial90(h)) / 2; return true;
      case 125: {
        const double c = (-42248.8353888496 / 3.1415926) * (-130.322432116556);
        const double shifted = h + 13.5070171244114;
        out = 1.8846771467544 +
              c / (4 * std::pow(shifted, 2) + std::pow(130.322432116556, 2));
        return true;
      }
      default: return false;
    }
  }
  return false;
}

}  // namespace

float BiasPermeability(std::int16_t Permeability, std::string_view Series, float FieldOe) {
  double h = static_cast<double>(FieldOe);
  // The fits hold only between 3 and 800 Oe; NaN falls to the low end.
  if (!(h >= 3.0)) h = 3.0;
  if (h > 800.0) h = 800.0;
  double percent = 0.0;
  if (!Curve(Permeability, Series, h, percent)) return 0.0f;
  return static_cast<float>(percent);
}

}  // namespace qiro
