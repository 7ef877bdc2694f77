#include "design/exchange/spice_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core-data/catalogue.h"
#include "magnetics/formulas.h"

namespace qiro {
namespace {

struct Design {
  const char* partNumber;
  float coreCount;
  std::int16_t turns;
  float average;
  float peak;
};

// Stacked, KME, the worked example, near saturation at the peak (44 % permeability left), a -L part number,
// and a small current whose field stays under 3 Oe for most of the range.
const Design kDesigns[] = {
    {"KMA157060", 2, 26, 10, 14.14f}, {"KME157060", 1, 37, 10, 14.14f},
    {"KMA157060", 1, 37, 10, 14.14f},
    {"KMA157060", 1, 37, 30, 40},     {"KMC157060-L", 1, 30, 20, 28},
    {"KMA038060", 1, 5, 0.05f, 0.1f},
};

// What the model text says: λ(i) = slope·i + Σ c_k·(|i − x_k| − |i + x_k|).
struct WrittenModel {
  double slope = 0;
  std::vector<std::pair<double, double>> terms;  // (c_k, x_k), as written

  double Flux(double i) const {
    double sum = slope * i;
    for (const auto& [c, x] : terms) sum += c * (std::fabs(i - x) - std::fabs(i + x));
    return sum;
  }
  // The slope of λ at a current (μH); at a breakpoint, the segment on the side away from 0 A.
  double Inductance(double i) const {
    double sum = slope;
    for (const auto& [c, x] : terms)
      if (std::fabs(i) < x) sum -= 2 * c;
    return sum;
  }
};

double ReadNumber(const std::string& text, std::size_t& at) {
  double value = 0;
  const auto r = std::from_chars(text.data() + at, text.data() + text.size(), value);
  EXPECT_EQ(r.ec, std::errc()) << "no number at " << text.substr(at, 20);
  at = static_cast<std::size_t>(r.ptr - text.data());
  return value;
}

bool Expect(const std::string& text, std::size_t& at, std::string_view what) {
  if (text.compare(at, what.size(), what) != 0) {
    ADD_FAILURE() << "expected \"" << what << "\" at " << text.substr(at, 40);
    return false;
  }
  at += what.size();
  return true;
}

WrittenModel ReadModel(const std::string& text) {
  WrittenModel m;
  const std::string head = "Bflux flux 0 V = ";
  std::size_t at = text.find(head);
  if (at == std::string::npos) {
    ADD_FAILURE() << "no flux source";
    return m;
  }
  at += head.size();
  m.slope = ReadNumber(text, at);
  if (!Expect(text, at, " * i(Vsense)\n")) return m;
  // One term per continuation line; each term is odd only if both breakpoints are the same.
  while (text.compare(at, 2, "+ ") == 0) {
    at += 2;
    const bool negative = text[at] == '-';
    if (!negative && !Expect(text, at, "+")) return m;
    if (negative) ++at;
    if (!Expect(text, at, " ")) return m;
    const double c = ReadNumber(text, at);
    if (!Expect(text, at, " * (abs(i(Vsense) - ")) return m;
    const double x = ReadNumber(text, at);
    if (!Expect(text, at, ") - abs(i(Vsense) + ")) return m;
    const double again = ReadNumber(text, at);
    if (!Expect(text, at, "))\n")) return m;
    EXPECT_EQ(x, again);
    EXPECT_GT(c, 0);  // the sign is written apart
    m.terms.emplace_back(negative ? -c : c, x);
  }
  EXPECT_EQ(text.compare(at, 5, "Cdiff"), 0) << text.substr(at, 40);
  return m;
}

class SpiceModelTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitCoreData(); }

  static InductorEvaluation Evaluate(const Design& d) {
    const CoreRecord core = FindCoreByPartNumber(d.partNumber);
    const auto e = EvaluateInductor(core, core, d.coreCount, 0, 100, d.average, d.peak, 2.828f,
                                    1.0f, 1, d.turns);
    EXPECT_TRUE(e.ok()) << e.error();
    return e.value();
  }

  static SpiceModel Model(const InductorEvaluation& e) {
    const auto m = MakeSpiceModel(e, "3.0.0");
    EXPECT_TRUE(m.ok()) << m.error();
    return m.ok() ? m.value() : SpiceModel{};
  }
};

TEST_F(SpiceModelTest, SubcircuitNameHoldsOnlyCharactersEverySpiceAccepts) {
  struct Case {
    std::string partNumber;
    std::int16_t turns;
    float cores;
    std::string name;
  } cases[] = {
      {"KMA157060", 37, 1, "QIRO_KMA157060_37T_1"},
      {"KMC157060-L", 21, 2, "QIRO_KMC157060_L_21T_2"},
      {"KM A/1.5\xC2\xB5x", 3, 1.5f, "QIRO_KM_A_1_5_x_3T_1_5"},  // µ: one character, one _
      {"", 1, 3, "QIRO__1T_3"},
  };
  for (const Case& c : cases) {
    InductorEvaluation e;
    e.Core.PartNumber = c.partNumber;
    e.Turns = c.turns;
    e.CoreCount = c.cores;
    EXPECT_EQ(SpiceSubcircuitName(e), c.name);
  }
  const InductorEvaluation e = Evaluate(kDesigns[4]);
  const SpiceModel m = Model(e);
  EXPECT_EQ(m.SubcircuitName, "QIRO_KMC157060_L_30T_1");
  EXPECT_NE(m.Text.find(".subckt QIRO_KMC157060_L_30T_1 1 2\n"), std::string::npos);
  EXPECT_NE(m.Text.find(".ends QIRO_KMC157060_L_30T_1\n"), std::string::npos);
}

// Every current of the range, densely and at both ends of every segment: the written
// model's slope is within 0.2 % of the inductance the model follows, and its λ at the
// breakpoints is the table's ∫L di.
TEST_F(SpiceModelTest, WrittenModelStaysWithinTwoPerMilleOfTheInductanceEverywhere) {
  for (const Design& d : kDesigns) {
    SCOPED_TRACE(d.partNumber);
    const InductorEvaluation e = Evaluate(d);
    const WrittenModel m = ReadModel(Model(e).Text);
    ASSERT_GE(m.terms.size(), 1u);
    const double range = SpiceModelRange(e);
    double worst = 0;
    auto check = [&](double i) {
      const double want = SpiceModelInductance(e, i);
      const double error = std::fabs(m.Inductance(i) / want - 1);
      worst = std::max(worst, error);
      ASSERT_LE(error, 0.002) << "at " << i << " A";
    };
    const int dense = 40000;
    for (int k = 0; k <= dense; ++k) check(-range + 2 * range * k / dense);
    std::vector<double> breakpoints{0};
    for (const auto& term : m.terms) {
      breakpoints.push_back(term.second);
      breakpoints.push_back(-term.second);
    }
    std::sort(breakpoints.begin(), breakpoints.end());
    for (std::size_t k = 0; k + 1 < breakpoints.size(); ++k) {
      const double a = breakpoints[k], b = breakpoints[k + 1];
      for (int j = 0; j <= 16; ++j) check(a + (b - a) * j / 16);
      check(std::nextafter(b, a));
      check(std::nextafter(a, b));
    }
    const auto table = SpiceFluxTable(e);
    ASSERT_TRUE(table.ok());
    for (const FluxPoint& p : *table)
      EXPECT_NEAR(m.Flux(p.Current), p.FluxLinkage, 1e-9 * table->back().FluxLinkage);
    RecordProperty(d.partNumber, std::to_string(worst) + ", " + std::to_string(m.terms.size()) +
                                     " terms");
  }
}

TEST_F(SpiceModelTest, ModelIsSymmetricAndFlatBeyondItsRange) {
  for (const Design& d : kDesigns) {
    SCOPED_TRACE(d.partNumber);
    const InductorEvaluation e = Evaluate(d);
    const WrittenModel m = ReadModel(Model(e).Text);
    const std::size_t n = m.terms.size();
    ASSERT_GT(n, 0u);
    for (std::size_t k = 0; k + 1 < n; ++k) ASSERT_LT(m.terms[k].second, m.terms[k + 1].second);
    EXPECT_GT(m.terms.front().second, 0);
    const double range = SpiceModelRange(e);
    for (int k = 0; k <= 1000; ++k) {
      const double i = 1.2 * range * k / 1000;
      EXPECT_EQ(m.Flux(-i), -m.Flux(i));
      EXPECT_EQ(m.Inductance(-i), m.Inductance(i));
    }
    const double edge = SpiceModelInductance(e, range);
    EXPECT_NEAR(m.slope / edge, 1, 1e-11);
    EXPECT_NEAR(m.terms.back().second / range, 1, 1e-11);
    for (double beyond : {1.0001, 1.5, 2.0, 10.0}) {
      EXPECT_EQ(SpiceModelInductance(e, beyond * range), edge);
      EXPECT_EQ(SpiceModelInductance(e, -beyond * range), edge);
      EXPECT_EQ(m.Inductance(beyond * range), m.slope);
      EXPECT_EQ(m.Inductance(-beyond * range), m.slope);
      // λ keeps going at the edge's slope: no jump where the range ends.
      EXPECT_NEAR(m.Flux(beyond * range) - m.Flux(range), edge * (beyond - 1) * range,
                  1e-9 * m.Flux(range));
    }
  }
}

// A slope within 0.2 % of L spans at most a factor 1.002 / 0.998 of L, so no piecewise-
// linear λ over the range has fewer than ln(Lmax / Lmin) / ln(1.002 / 0.998) segments. The
// written model stays close to that: its terms are few for what L does, on lines every SPICE reads.
TEST_F(SpiceModelTest, TermsAreNearlyAsFewAsTheAccuracyAllowsAndLinesShort) {
  for (const Design& d : kDesigns) {
    SCOPED_TRACE(d.partNumber);
    const InductorEvaluation e = Evaluate(d);
    const std::string text = Model(e).Text;
    const double range = SpiceModelRange(e);
    double high = 0, low = std::numeric_limits<double>::infinity();
    for (int k = 0; k <= 20000; ++k) {
      const double l = SpiceModelInductance(e, range * k / 20000);
      high = std::max(high, l);
      low = std::min(low, l);
    }
    const double fewest = std::log(high / low) / std::log(1.002 / 0.998);
    const std::size_t terms = ReadModel(text).terms.size();
    EXPECT_LE(terms, 1.15 * fewest + 3) << "fewest possible " << fewest;
    RecordProperty(std::string(d.partNumber) + "_" + std::to_string(d.turns),
                   std::to_string(terms) + " terms, fewest possible " + std::to_string(fewest));
    for (std::size_t at = 0, next; at < text.size(); at = next + 1) {
      next = text.find('\n', at);
      ASSERT_NE(next, std::string::npos) << "the text ends with a line end";
      EXPECT_LE(next - at, 100u) << text.substr(at, next - at);
    }
  }
}

TEST_F(SpiceModelTest, NoStepAtZeroAmperesAndNoneAtThreeOersted) {
  for (const Design& d : kDesigns) {
    SCOPED_TRACE(d.partNumber);
    const InductorEvaluation e = Evaluate(d);
    const double l0 = e.InductanceAtZero;
    EXPECT_EQ(SpiceModelInductance(e, 0), l0);
    EXPECT_NEAR(SpiceModelInductance(e, 1e-9) / l0, 1, 1e-8);
    EXPECT_NEAR(SpiceModelInductance(e, -1e-9) / l0, 1, 1e-8);
    // The current of 3 Oe, where the straight line meets the bias model.
    const double i3 = 3 * e.Core.PathLength / (1.25664 * e.Turns);
    if (i3 < SpiceModelRange(e)) {
    const double below = SpiceModelInductance(e, i3 * (1 - 1e-7));
    const double above = SpiceModelInductance(e, i3 * (1 + 1e-7));
    EXPECT_NEAR(below / above, 1, 1e-6);
    EXPECT_NEAR(above / (InductanceAtCurrent(e.Turns, e.Core, static_cast<float>(i3)) *
                         e.CoreCount), 1, 1e-6);
    }
    const WrittenModel m = ReadModel(Model(e).Text);
    EXPECT_EQ(m.Flux(0), 0);
    EXPECT_NEAR(m.Inductance(0) / l0, 1, 0.002);
    EXPECT_NEAR(m.Inductance(-1e-12) / l0, 1, 0.002);
  }
}

// Above 3 Oe the model is the report's own bias evaluation.
TEST_F(SpiceModelTest, InductanceAtTheDesignCurrentsIsTheReports) {
  for (const Design& d : kDesigns) {
    const InductorEvaluation e = Evaluate(d);
    if (e.FieldAtAverage < 3) continue;
    SCOPED_TRACE(d.partNumber);
    EXPECT_NEAR(SpiceModelInductance(e, e.AverageCurrent) / e.InductanceAtAverage, 1, 1e-5);
    EXPECT_NEAR(SpiceModelInductance(e, -e.PeakCurrent) / e.InductanceAtPeak, 1, 1e-5);
  }
}

TEST_F(SpiceModelTest, HeaderSaysWhatWasDesignedAndWhatIsLeftOut) {
  InductorEvaluation e = Evaluate(kDesigns[0]);
  const std::string text = MakeSpiceModel(e, "3.0.0\n.end\x01" "版").value().Text;
  for (const char* line :
       {"* QIRO_KMA157060_26T_2: SPICE model of an inductor designed with QIROMagnetic "
        "3.0.0?.end????\n",
        "* Core KMA157060 (KMA, permeability 60) x 2, 26 turns of 1 mm wire, 1 strand(s)\n",
        "* Design currents: average 10 A, peak 14.14 A\n",
        "within 0.2 % for\n* -42.42000103 A <= I <= 42.42000103 A (3 x the larger",
        "so the model has no step at 0 A.\n", "Not in the model: core loss",
        "Rdc 1 3 0.0494484176636\n", "B source V = expression with abs() and i()",
        "runs in ngspice and other SPICE programs with behavioural sources",
        "method=gear damps that.\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line;
  // Only constructs every behavioural source knows: no table functions, no conditionals.
  std::string lower = text;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const char* word : {"pwl", "table", "if(", "?", "{"})
    EXPECT_EQ(lower.find(word, text.find(".subckt")), std::string::npos) << word;
  // Every line before the subcircuit is a comment, and the text is plain ASCII.
  EXPECT_EQ(text.find("\n.subckt"), text.find("\n."));
  for (std::size_t at = 0; at < text.find(".subckt"); at = text.find('\n', at) + 1)
    EXPECT_EQ(text[at], '*');
  EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) {
    return c == '\n' || (c >= 0x20 && c < 0x7f);
  }));
}

TEST_F(SpiceModelTest, RefusesDesignsItCannotModel) {
  const InductorEvaluation good = Evaluate(kDesigns[0]);
  struct Case {
    const char* what;
    void (*spoil)(InductorEvaluation&);
  } cases[] = {
      {"no turns", [](InductorEvaluation& e) { e.Turns = 0; }},
      {"no cores", [](InductorEvaluation& e) { e.CoreCount = 0; }},
      {"no current", [](InductorEvaluation& e) { e.AverageCurrent = e.PeakCurrent = 0; }},
      {"infinite peak", [](InductorEvaluation& e) { e.PeakCurrent = std::numeric_limits<float>::infinity(); }},
      {"NaN average", [](InductorEvaluation& e) { e.AverageCurrent = std::numeric_limits<float>::quiet_NaN(); }},
      {"current beyond floats", [](InductorEvaluation& e) { e.PeakCurrent = 3e38f; }},
      {"no DC resistance", [](InductorEvaluation& e) { e.DcResistance = 0; }},
      {"NaN L@0A", [](InductorEvaluation& e) { e.InductanceAtZero = std::numeric_limits<float>::quiet_NaN(); }},
      {"no bias curve", [](InductorEvaluation& e) { e.Core.Series = "KMX"; }},
      {"no path length", [](InductorEvaluation& e) { e.Core.PathLength = 0; }},
      {"NaN L@peak", [](InductorEvaluation& e) { e.InductanceAtPeak = std::numeric_limits<float>::quiet_NaN(); }},
  };
  for (const Case& c : cases) {
    InductorEvaluation e = good;
    c.spoil(e);
    const auto m = MakeSpiceModel(e, "3.0.0");
    EXPECT_FALSE(m.ok()) << c.what;
    EXPECT_FALSE(m.error().empty()) << c.what;
  }
}

// A sweep over the catalogue: every model is finite text (no inf or nan) or a refusal.
TEST_F(SpiceModelTest, CatalogueSweepWritesOnlyFiniteNumbers) {
  int written = 0;
  for (int slot = 1; slot <= CatalogueSize; slot += 17) {
    const CoreRecord& core = CatalogueSlot(slot);
    for (std::int16_t turns : {std::int16_t{1}, std::int16_t{40}, std::int16_t{350}}) {
      const auto e = EvaluateInductor(core, core, 1, 0, 100, 5, 8, 1, 0.5f, 1, turns);
      if (!e) continue;
      const auto m = MakeSpiceModel(*e, "3.0.0");
      if (!m) continue;
      ++written;
      std::string lower = m->Text;
      std::transform(lower.begin(), lower.end(), lower.begin(),
                     [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
      EXPECT_EQ(lower.find("inf"), std::string::npos) << core.PartNumber << " " << turns;
      EXPECT_EQ(lower.find("nan"), std::string::npos) << core.PartNumber << " " << turns;
    }
  }
  EXPECT_GT(written, 100);
}

}  // namespace
}  // namespace qiro
