// kestal-cli new: the start-up problem with the units, code, problem type and
// concrete strength a user would click and type, saved as an input file.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "cli/problems.h"
#include "platform/scripted_platform.h"

namespace kestal::test {
namespace {

class CliNew : public testing::Test {
 protected:
  TempDir dir;

  // Runs `new` with `options` and loads the file it wrote.
  Problem Make(std::vector<std::string> options) {
    const std::string out = dir / "new.in";
    std::vector<std::string> args{"new"};
    args.insert(args.end(), options.begin(), options.end());
    args.insert(args.end(), {"-o", out});
    const CliResult r = RunCli(args);
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(r.out, "");
    return Load(out);
  }

  static Problem Load(const std::string& path) {
    Problem p;
    ToolTips tips;
    ScriptedPlatform platform;
    StartUp(p, tips);
    EXPECT_TRUE(ReadInputFile(p, tips, FileChoice{path, "new.in"}, platform)) << path;
    return p;
  }
};

TEST_F(CliNew, WithoutOptionsWritesTheStartUpProblem) {
  const std::string out = dir / "start.in";
  const CliResult r = RunCli({"new", "-o", out});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
  Problem start;
  ToolTips tips;
  StartUp(start, tips);
  EXPECT_EQ(ReadBytes(out), InputFileText(start));
}

struct NewCase {
  std::vector<std::string> options;
  const char* units;
  const char* code;
  const char* type;
  float fc, ec, frup, n, b1;
};

TEST_F(CliNew, WritesTheChosenUnitsCodeTypeAndDerivedMaterials) {
  const std::vector<NewCase> cases = {
      // "aci" Metric, f'c 35: B1 0.814, Ec 27806, fr 4.141, n 7.
      {{"--units", "Metric", "--code", "aci", "--type", "review", "--fc", "35"},
       "Metric",
       "aci",
       "review",
       35,
       27806,
       4.141f,
       7,
       0.814f},
      // The options are applied in the window's order whatever their order
      // here: the strength typed last survives the unit and code switches.
      {{"--fc", "35", "--type", "review", "--code", "aci", "--units", "Metric"},
       "Metric",
       "aci",
       "review",
       35,
       27806,
       4.141f,
       7,
       0.814f},
      // "aci" English, f'c 5000: B1 0.8, Ec 4030509, fr 530.3, n 7; the box
      // keeps the leading number of what is typed.
      {{"--code", "aci", "--fc", "5000psi"},
       "English",
       "aci",
       "design",
       5000,
       4030509,
       530.3f,
       7,
       0.8f},
      // "lrfd" English, f'c 4000: Ec 3640000, fr 480, n 8.
      {{"--code", "lrfd", "--type", "Vdesign", "--fc", "4000"},
       "English",
       "lrfd",
       "Vdesign",
       4000,
       3640000,
       480,
       8,
       0.85f},
      // The Canadian codes select Metric even after an English click.
      // "s6", f'c 30: Ec 25651, fr 2.191, n 8.
      {{"--units", "English", "--code", "s6", "--fc", "30"},
       "Metric",
       "s6",
       "design",
       30,
       25651,
       2.191f,
       8,
       0.895f},
      // "csa" defaults, f'c 25: B1 = 0.97 - 0.0025 x 25 = 0.9075, a half
      // rounded away from zero.
      {{"--code", "csa"}, "Metric", "csa", "design", 25, 22500, 3, 9, 0.908f},
      // User-defined criteria derive nothing from f'c.
      {{"--code", "ud", "--fc", "5000"},
       "English",
       "ud",
       "design",
       5000,
       3605000,
       474.342f,
       8,
       0.85f},
  };
  for (const NewCase& c : cases) {
    const Problem p = Make(c.options);
    EXPECT_EQ(p.Units, c.units) << c.options[1];
    EXPECT_EQ(p.CodeKey, c.code) << c.options[1];
    EXPECT_EQ(p.ProblemType, c.type) << c.options[1];
    EXPECT_EQ(p.ConcreteStrength, c.fc) << c.options[1];
    EXPECT_EQ(p.Ec, c.ec) << c.options[1];
    EXPECT_EQ(p.Frup, c.frup) << c.options[1];
    EXPECT_EQ(p.ModularRatio, c.n) << c.options[1];
    EXPECT_EQ(p.B1, c.b1) << c.options[1];
  }
}

TEST_F(CliNew, TheProblemTypeSelectsItsOutputs) {
  struct Case {
    const char* type;
    int sect, mom, shear;
  };
  for (const Case& c :
       {Case{"design", 1, 1, 0}, Case{"Vdesign", 1, 0, 1}, Case{"review", 1, 1, 1}}) {
    const Problem p = Make({"--type", c.type});
    EXPECT_EQ(p.ProblemType, c.type);
    EXPECT_EQ(p.OutSectProp, c.sect) << c.type;
    EXPECT_EQ(p.OutMomCap, c.mom) << c.type;
    EXPECT_EQ(p.OutShearCap, c.shear) << c.type;
    EXPECT_EQ(p.OutServLoad + p.OutFatStress + p.OutCrackCon, 0) << c.type;
  }
}

TEST_F(CliNew, AUnitSwitchResetsTheProblemAndLoadsTheCodeDefaults) {
  const Problem p = Make({"--units", "Metric"});
  EXPECT_EQ(p.Units, "Metric");
  EXPECT_EQ(p.CodeKey, "arema");
  // "arema" Metric defaults.
  EXPECT_EQ(p.ConcreteStrength, 28);
  EXPECT_EQ(p.SteelStrength, 420);
  EXPECT_EQ(p.Ec, 23500);
  EXPECT_EQ(p.Frup, 3.307f);
  EXPECT_EQ(p.Ag, 25);
}

TEST_F(CliNew, AStrengthThatFaultsIsReportedAndTheFileStillWritten) {
  // So small a strength rounds Ec to 0, and the modular ratio divides by it.
  const std::string out = dir / "tiny.in";
  const CliResult r = RunCli({"new", "--fc", "1e-40", "-o", out});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "Kestal: Incomplete information\n");
  const Problem p = Load(out);
  EXPECT_GT(p.ConcreteStrength, 0);
  EXPECT_LT(p.ConcreteStrength, 1e-39f);
  EXPECT_EQ(p.Ec, 0);
}

TEST_F(CliNew, AFileThatCannotBeWrittenShowsTheSaveMessage) {
  const std::string out = dir / "no-such-folder/new.in";
  const CliResult r = RunCli({"new", "--code", "aci", "-o", out});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "WRITE INPUT: Error writing input file\n");
  EXPECT_FALSE(fs::exists(out));
}

TEST_F(CliNew, AWrittenProblemLoadsBackIntoEveryCommand) {
  const std::string out = dir / "review.in";
  ASSERT_EQ(RunCli({"new", "--code", "aci", "--type", "review", "-o", out}).status, 0);
  const CliResult rebar = RunCli({"view", "rebar-table", out});
  EXPECT_EQ(rebar.status, 0);
  EXPECT_TRUE(rebar.out.starts_with("BAR SIZE\tAREA (IN^2)")) << rebar.out;
  // Nothing but the materials is given yet.
  const CliResult calc = RunCli({"calc-tension", out});
  EXPECT_EQ(calc.status, 1);
  EXPECT_EQ(calc.out, "Tension Reinforcing: Incomplete information\n");
}

}  // namespace
}  // namespace kestal::test
