#include "design/calculators/toroid_report.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "core-data/catalogue.h"
#include "magnetics/evaluate_inductor.h"
#include "text/number_text.h"

namespace qiro {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// QIRO_REGENERATE_GOLDEN=1 rewrites the golden file from the current output.
void ExpectGolden(const std::string& actual, const std::string& name) {
  const std::string path = std::string(QIRO_TEST_DATA) + "/" + name;
  if (std::getenv("QIRO_REGENERATE_GOLDEN")) {
    std::ofstream(path, std::ios::binary) << actual;
  }
  EXPECT_EQ(actual, ReadFile(path)) << path;
}

class ToroidTexts : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitCoreData(); }

  static InductorEvaluation Evaluate(const char* partNumber, float frequencyKHz,
                                     float average, float peak, float ripple, float wire,
                                     std::int16_t strands, std::int16_t turns,
                                     float coreCount = 1) {
    const CoreRecord core = FindCoreByPartNumber(partNumber);
    const auto e = EvaluateInductor(core, core, coreCount, 0, frequencyKHz, average, peak,
                                    ripple, wire, strands, turns);
    EXPECT_TRUE(e.ok()) << e.error();
    return e.value();
  }
};

TEST_F(ToroidTexts, CoreInfoShowsTheCatalogueValues) {
  EXPECT_EQ(Lines(CoreInfoText(FindCoreByPartNumber("KMA157060"))),
            (std::vector<std::string>{
                "磁芯料号：KMA157060",
                "涂层前尺寸：外径×内径×高度=39.88×24.13×14.48 mm",
                "涂层后尺寸：外径×内径×高度=40.7×23.3×15.37 mm",
                "电感系数：81 nH ",
                "有效磁路长度：9.840 cm",
                "磁芯截面积：1.072 cm×cm",
                "磁芯体积：10.5485 CC",
            }));
  // The adjusted series show their sums as 32-bit floats, to 7 digits.
  const auto kmd = Lines(CoreInfoText(FindCoreByPartNumber("KMD038040")));
  EXPECT_EQ(kmd[1], "涂层前尺寸：外径×内径×高度=9.85×4.78×3.96 mm");
  EXPECT_EQ(kmd[2], "涂层后尺寸：外径×内径×高度=10.49×4.27×4.57 mm");
  const auto kmac = Lines(CoreInfoText(FindCoreByPartNumber("KMA250060-18C")));
  EXPECT_EQ(kmac[0], "磁芯料号：KMA250060-18C");
  EXPECT_EQ(kmac[1], "涂层前尺寸：外径×内径×高度=62×32.6×19 mm");
  EXPECT_EQ(kmac[4], "有效磁路长度：14.370 cm");
}

TEST_F(ToroidTexts, CoreInfoHasNoBreakAfterTheLastLine) {
  const std::string text = CoreInfoText(FindCoreByPartNumber("KME401125"));
  EXPECT_EQ(Lines(text).size(), 7u);
  EXPECT_EQ(text.substr(text.size() - 2), "CC");
}

TEST_F(ToroidTexts, ReportOfTheWorkedExampleMatchesTheGoldenFile) {
  const std::string text =
      ReportText(Evaluate("KMA157060", 100, 10, 14.14f, 2.828f, 1.0f, 1, 10));
  ExpectGolden(text, "toroid_report_KMA157060.txt");
  const auto lines = Lines(text);
  ASSERT_EQ(lines.size(), 18u);  // 17 lines, the last one ended too
  EXPECT_EQ(lines[17], "");
  EXPECT_EQ(lines[6], "铜线线径：1mm×1Pcs");
  EXPECT_EQ(lines[7], "电流密度：12.73");
  EXPECT_EQ(lines[10], "L@0A：8.1μH");  // 10² × 81 nH
}

TEST_F(ToroidTexts, ReportFollowsTheStackAndTheWinding) {
  const auto one = Evaluate("KMA157060", 100, 10, 14.14f, 2.828f, 1.0f, 3, 20, 1);
  const auto two = Evaluate("KMA157060", 100, 10, 14.14f, 2.828f, 1.0f, 3, 20, 2);
  const auto a = Lines(ReportText(one));
  const auto b = Lines(ReportText(two));
  EXPECT_EQ(a[1], "磁芯个数：1");
  EXPECT_EQ(b[1], "磁芯个数：2");
  EXPECT_EQ(a[6], "铜线线径：1mm×3Pcs");
  EXPECT_EQ(a[10], "L@0A：32.4μH");
  EXPECT_EQ(b[10], "L@0A：64.8μH");
  // A fractional stack is a plain multiplier and shows as typed.
  const auto half = Lines(ReportText(Evaluate("KMA157060", 100, 10, 14.14f, 2.828f, 0.5f, 1, 10, 1.5f)));
  EXPECT_EQ(half[1], "磁芯个数：1.5");
  EXPECT_EQ(half[6], "铜线线径：0.5mm×1Pcs");
}

TEST_F(ToroidTexts, ReportCharactersAreExact) {
  const auto lines =
      Lines(ReportText(Evaluate("KMC106125", 50, 3.5f, 5, 0.75f, 0.8f, 2, 25)));
  EXPECT_EQ(lines[2], "频率：50 kHz");
  EXPECT_EQ(lines[3], "平均电流：3.5 A");
  EXPECT_EQ(lines[4], "峰值电流：5 A");
  EXPECT_EQ(lines[5], "纹波电流：0.75A");
  EXPECT_EQ(lines[9], std::string(48, '='));
  EXPECT_EQ(lines[13], std::string(48, '='));
  EXPECT_EQ(lines[11].rfind("L@3.50A：", 0), 0u) << lines[11];
  EXPECT_NE(lines[11].find("μH （H="), std::string::npos) << lines[11];
  EXPECT_EQ(lines[11].substr(lines[11].size() - std::string("Oe）").size()), "Oe）");
  EXPECT_EQ(lines[12].rfind("L@5.00A：", 0), 0u) << lines[12];
  EXPECT_EQ(lines[8].substr(lines[8].size() - std::string("mΩ").size()), "mΩ");
  EXPECT_EQ(lines[15].rfind("铜损：", 0), 0u);
  EXPECT_EQ(lines[15].substr(lines[15].size() - 1), "W");
  EXPECT_EQ(lines[16].substr(lines[16].size() - 2), " W");
}

TEST_F(ToroidTexts, TotalLossIsTheSumRoundedOnce) {
  const auto e = Evaluate("KMB130075", 80, 6, 8, 1.6f, 1.2f, 2, 30);
  const auto lines = Lines(ReportText(e));
  const float total = static_cast<float>(static_cast<double>(e.CopperLoss) +
                                         static_cast<double>(e.CoreLoss));
  EXPECT_EQ(lines[16], "总损耗：" + GeneralNumberText(total) + " W");
  EXPECT_EQ(lines[14], "磁损：" + GeneralNumberText(e.CoreLoss) + " W");
}

TEST_F(ToroidTexts, NegativeModelLossIsNamedNotShown) {
  // The KME loss polynomial turns negative above about 316 kHz.
  const auto e = Evaluate("KME157060", 350, 10, 14.14f, 2.828f, 1.0f, 1, 10);
  ASSERT_LT(e.CoreLoss, 0);
  const auto lines = Lines(ReportText(e));
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[14], "磁损：超出损耗模型范围");
  EXPECT_EQ(lines[15].rfind("铜损：", 0), 0u);
  EXPECT_EQ(lines[16], "总损耗：超出损耗模型范围");
  // Inside the model's range the same core shows its loss.
  const auto inside = Lines(ReportText(Evaluate("KME157060", 100, 10, 14.14f, 2.828f, 1.0f, 1, 10)));
  EXPECT_EQ(inside[14].find("超出"), std::string::npos);
  EXPECT_EQ(inside[14].substr(inside[14].size() - 2), " W");
}

TEST_F(ToroidTexts, NoReportLineShowsInfOrNan) {
  // Large but evaluable inputs: numbers go to exponent form, never to inf or nan.
  const auto e = Evaluate("KMA401090", 1000, 1e6f, 1.4e6f, 2e5f, 3.0f, 32767, 400, 6);
  const std::string text = ReportText(e);
  for (const char* bad : {"inf", "nan", "INF", "NAN"}) {
    EXPECT_EQ(text.find(bad), std::string::npos) << bad << "\n" << text;
  }
}

}  // namespace
}  // namespace qiro
