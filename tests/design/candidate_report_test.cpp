#include "design/calculators/candidate_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core-data/catalogue.h"
#include "golden.h"

namespace qiro {
namespace {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return lines;
    start = end + 2;
  }
}

class CandidateReportTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitCoreData(); }
};

TEST_F(CandidateReportTest, FirstProposalOfATypicalSearch) {
  const auto search = GroupedCoreSearch(MakeGroupedRequest(5, false, false, 100, 1, 3));
  ASSERT_TRUE(search.ok());
  ASSERT_FALSE(search->Candidates.empty());
  const auto evaluation = EvaluateCandidate(search->Candidates.front());
  ASSERT_TRUE(evaluation.ok()) << evaluation.error();
  const std::string report = DescribeCandidate(*evaluation);
  EXPECT_EQ(report, testing::Golden("candidate_report_KMA092090.txt", report));

  const auto lines = SplitLines(report);
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(lines[0], "磁芯型号：KMA092090");
  EXPECT_EQ(lines[5], "");
  EXPECT_NE(report.find(" cm*cm\r\n\r\n线径："), std::string::npos);
  EXPECT_NE(report.back(), '\n');
  // Clicking the same line again gives the same text.
  EXPECT_EQ(DescribeCandidate(*EvaluateCandidate(search->Candidates.front())), report);
}

TEST_F(CandidateReportTest, StackedPeakEntryWithThickWinding) {
  const auto search = GroupedCoreSearch(MakeGroupedRequest(40, true, true, 33, 2, 5));
  ASSERT_TRUE(search.ok());
  ASSERT_GE(search->Candidates.size(), 2u);
  const auto evaluation = EvaluateCandidate(search->Candidates[1]);
  ASSERT_TRUE(evaluation.ok()) << evaluation.error();
  const std::string report = DescribeCandidate(*evaluation);
  EXPECT_EQ(report, testing::Golden("candidate_report_stacked.txt", report));
}

TEST_F(CandidateReportTest, WireLineUsesTheGeneralForm) {
  SelectionCandidate c;
  c.Core = FindCoreByPartNumber("KMC157060");
  c.CoreCount = 1;
  c.AverageCurrent = 4;
  c.PeakCurrent = 5.656854f;
  c.WireDiameter = 1.0f;
  c.StrandCount = 3;
  c.Turns = 20;
  const auto e = EvaluateCandidate(c);
  ASSERT_TRUE(e.ok());
  const auto lines = SplitLines(DescribeCandidate(*e));
  EXPECT_EQ(lines[1], "磁芯尺寸：外径×内径×高度=40.7×23.3×15.37 mm");
  EXPECT_EQ(lines[2], "电感系数：81 nH/N*N");
  EXPECT_EQ(lines[3], "有效磁路长度：9.84 cm");
  EXPECT_EQ(lines[4], "磁芯截面积：1.072 cm*cm");
  EXPECT_EQ(lines[6], "线径：1mm×3Pcs");
  EXPECT_EQ(lines[7], "绕线圈数：20");
  EXPECT_EQ(lines[8], "电流密度：1.70");  // 4 A over 3 × 0.785 mm²
  EXPECT_EQ(lines[11], "L@0A：32.4μH");
  EXPECT_EQ(lines[12].substr(0, lines[12].find("：") + 3), "L@4.00A：");
  EXPECT_NE(lines[12].find("μH （H="), std::string::npos);
  EXPECT_EQ(lines[13].substr(0, lines[13].find("：") + 3), "L@5.66A：");
  EXPECT_EQ(lines[13].substr(lines[13].size() - 5), "Oe）");
}

TEST_F(CandidateReportTest, ACandidateThatCannotBeEvaluatedIsRefused) {
  SelectionCandidate c;  // never written by a search: no core, no turns
  EXPECT_FALSE(EvaluateCandidate(c).ok());
}

}  // namespace
}  // namespace qiro
