// The command line itself: help, and every way of getting it wrong.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "cli/problems.h"

namespace kestal::test {
namespace {

TEST(CliHelp, PrintsTheUsageOnStandardOutput) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--help"}, {"-h"}, {"report", "--help"}, {"new", "--code", "aci", "--help"}}) {
    const CliResult r = RunCli(args);
    EXPECT_EQ(r.status, 0) << args[0];
    EXPECT_TRUE(r.out.starts_with("Usage:\n  kestal-cli report INPUT -o OUTPUT\n")) << r.out;
    for (const char* what :
         {"section-properties", "moment-capability", "service-load-stress", "fatigue-stress",
          "crack-control", "shear-capability", "rebar-table"}) {
      EXPECT_NE(r.out.find(what), std::string::npos) << what;
    }
    EXPECT_EQ(r.err, "");
  }
}

struct UsageCase {
  std::vector<std::string> args;
  std::string reason;  // the first line on standard error, after "kestal-cli: "
};

TEST(CliUsage, MisuseExitsWithTwoAndExplainsOnStandardError) {
  TempDir dir;
  const std::string in = WriteProblem(dir, "beam.in", AciBeam(ProblemOption::Review));
  const std::string out = dir / "made.out";
  const std::vector<UsageCase> cases = {
      {{}, "no command given"},
      {{"frobnicate", in}, "unknown command 'frobnicate'"},
      {{"Report", in, "-o", out}, "unknown command 'Report'"},
      {{"view", "bogus", in}, "unknown view 'bogus'"},
      {{"view", "Section-Properties", in}, "unknown view 'Section-Properties'"},
      {{"view", in}, "view: INPUT missing"},
      {{"view"}, "view: WHAT and INPUT missing"},
      {{"view", "rebar-table", in, in}, "view: unexpected argument '" + in + "'"},
      {{"report", in}, "report: -o OUTPUT missing"},
      {{"report", in, "-o"}, "option '-o' needs a value"},
      {{"report", in, "-o", ""}, "report: -o OUTPUT missing"},
      {{"report", "-o", out}, "report: INPUT missing"},
      {{"report", in, "-o", out, "-o", out}, "option '-o' given twice"},
      {{"report", in, "-o", out, "--fc", "30"}, "unknown option '--fc' for report"},
      {{"calc-tension"}, "calc-tension: INPUT missing"},
      {{"calc-shear", in, in}, "calc-shear: unexpected argument '" + in + "'"},
      {{"calc-tension", in, "-o", out}, "unknown option '-o' for calc-tension"},
      {{"new"}, "new: -o OUTPUT missing"},
      {{"new", "--code", "ohbdc", "-o", out}, "unknown code 'ohbdc'"},
      {{"new", "--code", "ACI", "-o", out}, "unknown code 'ACI'"},
      {{"new", "--code=csa", "--code", "s6", "-o", out}, "option '--code' given twice"},
      {{"new", "--units", "english", "-o", out}, "unknown units 'english' (English or Metric)"},
      {{"new", "--type", "Review", "-o", out},
       "unknown problem type 'Review' (design, Vdesign or review)"},
      {{"new", "--type", "vdesign", "-o", out},
       "unknown problem type 'vdesign' (design, Vdesign or review)"},
      {{"new", "--fc", "-o", out}, "new: unexpected argument '" + out + "'"},
      {{"new", "-o", out, "extra"}, "new: unexpected argument 'extra'"},
      {{"new", "--colour", "red", "-o", out}, "unknown option '--colour' for new"},
  };
  for (const UsageCase& c : cases) {
    const CliResult r = RunCli(c.args);
    const std::string shown = c.args.empty() ? "(none)" : c.args[0];
    EXPECT_EQ(r.status, 2) << shown;
    EXPECT_EQ(r.out, "") << shown;
    EXPECT_TRUE(r.err.starts_with("kestal-cli: " + c.reason + "\n")) << r.err;
    EXPECT_NE(r.err.find("Usage:\n"), std::string::npos) << shown;
    EXPECT_FALSE(fs::exists(out)) << shown;
  }
}

TEST(CliUsage, LongOptionsTakeTheirValueAfterAnEqualsSign) {
  TempDir dir;
  const std::string out = dir / "new.in";
  const CliResult r = RunCli({"new", "--code=aci", "--type=review", "--output=" + out});
  EXPECT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_NE(ReadBytes(out).find("\"English\",\"aci\",\"review\"\r\n"), std::string::npos);
}

TEST(CliUsage, AnInvalidReportDateIsAUsageErrorOfTheReportOnly) {
  TempDir dir;
  const std::string in = WriteProblem(dir, "beam.in", AciBeam(ProblemOption::Review));
  const std::string out = dir / "beam.out";
  const EnvChanges env{{"SOURCE_DATE_EPOCH", "yesterday"}};
  const CliResult report = RunCli({"report", in, "-o", out}, env);
  EXPECT_EQ(report.status, 2);
  EXPECT_TRUE(
      report.err.starts_with("kestal-cli: SOURCE_DATE_EPOCH is not a whole number of seconds\n"))
      << report.err;
  EXPECT_FALSE(fs::exists(out));
  const CliResult calc = RunCli({"calc-tension", in}, env);
  EXPECT_EQ(calc.status, 0);
  EXPECT_EQ(calc.out, "Tension Reinforcing: Required As =  2.865 in^2\n");
}

}  // namespace
}  // namespace kestal::test
