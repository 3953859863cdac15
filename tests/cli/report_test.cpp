// kestal-cli report: the problem loaded as File > Load Input loads it, the
// output file named on the command line, the date from SOURCE_DATE_EPOCH.

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "cli/problems.h"

namespace kestal::test {
namespace {

// Line `n` (from 0) of a report, without its CR LF.
std::string ReportLine(const std::string& report, int n) {
  std::size_t start = 0;
  for (int i = 0; i < n; ++i) start = report.find("\r\n", start) + 2;
  return report.substr(start, report.find("\r\n", start) - start);
}

class CliReport : public testing::Test {
 protected:
  TempDir dir;
  std::string Write(const std::string& name, const Problem& p) {
    return WriteProblem(dir, name, p);
  }
};

TEST_F(CliReport, DateLineFollowsSourceDateEpochInUtc) {
  const std::string in = Write("beam.in", AciBeam(ProblemOption::Review));
  struct Case {
    std::string epoch;
    std::string dateLine;
  };
  const std::vector<Case> cases = {
      {"1700000000", "     (Version 5.21.0)                  11/14/23, 10:13 pm"},
      {"0", "     (Version 5.21.0)                  1/01/70, 12:00 am"},
      {"1796540700", "     (Version 5.21.0)                  12/06/26, 7:05 am"},
      {"951825600", "     (Version 5.21.0)                  2/29/00, 12:00 pm"},
  };
  for (const Case& c : cases) {
    const std::string out = dir / "beam.out";
    // The local zone must not move a date given in UTC.
    const CliResult r = RunCli({"report", in, "-o", out},
                               {{"SOURCE_DATE_EPOCH", c.epoch}, {"TZ", "America/Regina"}});
    EXPECT_EQ(r.status, 0) << c.epoch;
    EXPECT_EQ(r.out, "") << c.epoch;
    EXPECT_EQ(r.err, "") << c.epoch;
    const std::string report = ReadBytes(out);
    // The banner is 7 lines: the version line is the 8th.
    EXPECT_EQ(ReportLine(report, 7), c.dateLine) << c.epoch;
    EXPECT_EQ(ReportLine(report, 9), "     Output file = beam.out");
  }
}

TEST_F(CliReport, TwoRunsWithTheSameDateAreByteIdentical) {
  const std::string in = Write("beam.in", AciBeam(ProblemOption::Review));
  const EnvChanges env{{"SOURCE_DATE_EPOCH", "1700000000"}};
  const std::string out = dir / "beam.out";
  ASSERT_EQ(RunCli({"report", in, "-o", out}, env).status, 0);
  const std::string first = ReadBytes(out);
  ASSERT_EQ(RunCli({"report", in, "-o", out}, env).status, 0);
  EXPECT_EQ(ReadBytes(out), first);
  EXPECT_GT(first.size(), 1000u);
}

TEST_F(CliReport, WithoutSourceDateEpochTheLocalDateIsPrinted) {
  const std::string in = Write("beam.in", AciBeam(ProblemOption::Review));
  const std::string out = dir / "beam.out";
  ASSERT_EQ(RunCli({"report", in, "-o", out}).status, 0);
  const std::regex dateLine(
      R"(     \(Version 5\.21\.0\) {18}[1-9]\d?/\d\d/\d\d, [1-9]\d?:\d\d [ap]m)");
  EXPECT_TRUE(std::regex_match(ReportLine(ReadBytes(out), 7), dateLine))
      << ReportLine(ReadBytes(out), 7);
}

// Reports reviewed line by line in the report's own tests, made here from an
// input file through the command line.
TEST_F(CliReport, MatchesTheReviewedReportsOfTheSameProblems) {
  Problem design = Start(code::ACI, false, ProblemOption::Design);
  Rectangle(design, 12, 24, 21.5f);
  design.MomentUlt = 250;
  design.MomentMax = 150;
  design.MomentMin = 50;
  design.ShearUlt = 40;

  Problem shear = Start(code::ACI, true, ProblemOption::VDesign);
  Rectangle(shear, 300, 600, 540);
  shear.MomentUlt = 350;
  shear.MomentMax = 200;
  shear.MomentMin = 60;
  shear.ShearUlt = 300;
  shear.TSteelArea = 2000;

  Problem review = Start(code::LRFD, false, ProblemOption::Review);
  Rectangle(review, 12, 24, 21.5f);
  review.MomentUlt = 250;
  review.MomentMax = 150;
  review.MomentMin = 50;
  review.ShearUlt = 40;
  review.TSteelArea = 3;
  review.CSteelArea = 0.6f;
  review.DepthC = 2.5f;
  review.VSteelArea = 0.4f;
  review.sAv = 10;
  review.OutServLoad = 1;
  review.OutFatStress = 1;
  review.OutCrackCon = 1;
  review.Cover = 2.5f;

  struct Case {
    std::string name;
    Problem problem;
  };
  for (const Case& c : {Case{"design_aci_english", design}, Case{"vdesign_aci_metric", shear},
                        Case{"review_lrfd_english", review}}) {
    const std::string in = Write(c.name + ".in", c.problem);
    const std::string out = dir / (c.name + ".out");
    const CliResult r = RunCli({"report", in, "-o", out}, {{"SOURCE_DATE_EPOCH", "1796540700"}});
    EXPECT_EQ(r.status, 0) << c.name;
    EXPECT_EQ(r.out, "") << c.name;
    EXPECT_EQ(ReadBytes(out),
              ReadBytes(std::string(KESTAL_TEST_DATA) + "/report/" + c.name + ".out"))
        << c.name;
  }
}

TEST_F(CliReport, TheProblemTypeOfTheFileChoosesTheReport) {
  struct Case {
    const char* type;
    const char* problemLine;
    const char* block;
  };
  for (const Case& c : {Case{"design", "     Moment design problem",
                             "M O M E N T   D E S I G N   C A L C U L A T I O N S"},
                        Case{"Vdesign", "     Shear design problem",
                             "S H E A R   D E S I G N   C A L C U L A T I O N S"},
                        Case{"review", "     Shear and moment review problem",
                             "M O M E N T   R E V I E W   C A L C U L A T I O N S"},
                        Case{"DESIGN", "     Shear and moment review problem",
                             "M O M E N T   R E V I E W   C A L C U L A T I O N S"}}) {
    Problem p = AciBeam(ProblemOption::Review);
    p.ProblemType = c.type;
    const std::string out = dir / "typed.out";
    const CliResult r =
        RunCli({"report", Write("typed.in", p), "-o", out}, {{"SOURCE_DATE_EPOCH", "0"}});
    EXPECT_EQ(r.status, 0) << c.type;
    const std::string report = ReadBytes(out);
    EXPECT_EQ(ReportLine(report, 11), c.problemLine) << c.type;
    EXPECT_NE(report.find(c.block), std::string::npos) << c.type;
  }
}

TEST_F(CliReport, AReportThatCannotBeWrittenIsAnError) {
  const std::string in = Write("beam.in", AciBeam(ProblemOption::Review));
  const std::string out = dir / "no-such-folder/beam.out";
  const CliResult r = RunCli({"report", in, "-o", out}, {{"SOURCE_DATE_EPOCH", "0"}});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "Kestal: Save Output Error\n");
  EXPECT_FALSE(fs::exists(out));
}

TEST_F(CliReport, AReportStoppedByAFaultKeepsItsLinesAndIsAnError) {
  // A review whose section was never given: the section properties divide
  // by zero after the input echo.
  Problem p = Start(code::ACI, false, ProblemOption::Review);
  p.MomentUlt = 250;
  p.TSteelArea = 3;
  p.DepthT = 21.5f;
  const std::string out = dir / "nosection.out";
  const CliResult r =
      RunCli({"report", Write("nosection.in", p), "-o", out}, {{"SOURCE_DATE_EPOCH", "0"}});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "Kestal: Save Output Error\n");
  const std::string report = ReadBytes(out);
  EXPECT_NE(report.find("D E S I G N   L O A D S"), std::string::npos);
  EXPECT_EQ(report.find("M O M E N T   R E V I E W"), std::string::npos);
}

}  // namespace
}  // namespace kestal::test
