// The view and Calc commands of kestal-cli, their printed messages, results
// lines and exit statuses.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "cli/problems.h"

namespace kestal::test {
namespace {

const std::string kRule = "     ====================================================";

class CliCommands : public testing::Test {
 protected:
  TempDir dir;
  std::string Write(const std::string& name, const Problem& p) {
    return WriteProblem(dir, name, p);
  }
};

TEST_F(CliCommands, TensionCalcPrintsTheDesignedAreaWhateverTheProblemType) {
  // 12 x 24 in, d = 21.5 in, "aci", Mu = 250 kip-ft: As = 2.865 in^2.
  for (const ProblemOption type :
       {ProblemOption::Design, ProblemOption::VDesign, ProblemOption::Review}) {
    const std::string in = Write("aci.in", AciBeam(type));
    const CliResult r = RunCli({"calc-tension", in});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Tension Reinforcing: Required As =  2.865 in^2\n");
    EXPECT_EQ(r.err, "");
  }
}

TEST_F(CliCommands, TensionCalcInMetricUnits) {
  // "csa", 300 x 600 mm, d = 540 mm, f'c 30 MPa, fy 400 MPa, Mu = 300 kN-m:
  // phi_s As fy (d - a/2) = Mu with a = phi_s As fy / (alpha1 phi_c f'c b)
  // gives As = 1867.0 mm^2.
  Problem p = Start(code::CSA, true, ProblemOption::Design);
  p.ConcreteStrength = 30;
  p.A1 = 0.805f;
  Rectangle(p, 300, 600, 540);
  p.MomentUlt = 300;
  const CliResult r = RunCli({"calc-tension", Write("csa.in", p)});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "Tension Reinforcing: Required As =  1867 mm^2\n");
}

TEST_F(CliCommands, ShearCalcPrintsBothLinesOfItsMessage) {
  // "aci", As = 3 in^2, Mu = 250, Vu = 60: phi Vc = 25.671 kips, Av/s =
  // (60 - 25.671) / (0.75 x 60 x 21.5) = 0.0355 in^2/in; the high shear
  // halves the spacing to d/4 = 5.375 in.
  const CliResult r = RunCli({"calc-shear", Write("aci.in", AciBeam(ProblemOption::Review))});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "Shear Reinforcing: Required Av/s= 0.0355 in^2/in\nMaximum spacing = 5.375 in\n");
}

TEST_F(CliCommands, CalcFailuresAreMessagesWithExitOne) {
  Problem noMoment = AciBeam(ProblemOption::Review);
  noMoment.MomentUlt = 0;
  Problem udShear = AciBeam(ProblemOption::Review);
  udShear.CodeKey = code::UD;
  struct Case {
    std::vector<std::string> args;
    std::string out;
  };
  const std::vector<Case> cases = {
      {{"calc-tension", Write("m.in", noMoment)}, "Tension Reinforcing: Incomplete information\n"},
      {{"calc-shear", Write("d.in", AciBeam(ProblemOption::Design))},
       "Shear Reinforcing: Incomplete information\n"},
      {{"calc-shear", Write("u.in", udShear)}, "Shear Reinforcing: No shear rules for this code\n"},
  };
  for (const Case& c : cases) {
    const CliResult r = RunCli(c.args);
    EXPECT_EQ(r.status, 1) << c.out;
    EXPECT_EQ(r.out, c.out);
  }
}

TEST_F(CliCommands, ShearAboveTheMaximumReportsTheMaximum) {
  // Vu = 5000 kips: Vu d / Mu is capped at 1, phi Vc = 0.75 (1.9 sqrt(4000) +
  // 2500 x 0.011628) x 12 x 21.5 / 1000 = 28.877 kips, and the maximum adds
  // 0.75 x 8 sqrt(4000) x 12 x 21.5 / 1000 = 97.904 kips.
  Problem p = AciBeam(ProblemOption::Review);
  p.ShearUlt = 5000;
  const CliResult r = RunCli({"calc-shear", Write("h.in", p)});
  EXPECT_EQ(r.status, 1);
  // The maximum as plain number text: seven significant digits.
  EXPECT_EQ(r.out, "Shear Reinforcing: Shear force exceeds maximum capacity = 126.7813\n");
}

TEST_F(CliCommands, SectionPropertiesPrintsTheWindowsLines) {
  // Ig = 12 x 24^3 / 12 = 13824 in^4; x^2 + 4x - 86 = 0 gives kd = 7.4868 in
  // and Icr = 4 kd^3 + 24 (21.5 - kd)^2 = 6391.5 in^4; Mcr = 474.3 x 13824 /
  // 12 = 45.53 kip-ft, so Ie = 0.02797 Ig + 0.97203 Icr = 6599.4 in^4.
  const std::string in = Write("aci.in", AciBeam(ProblemOption::Review));
  const CliResult r = RunCli({"view", "section-properties", in});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, Lines({"", "     S E C T I O N   P R O P E R T I E S:", kRule, "",
                          "     Gross moment of inertia     = 1.3824E+04",
                          "     Gross section modulus       = 1.1520E+03",
                          "     Distance to neutral axis    = 1.2000E+01",
                          "     Cracked moment of inertia   = 6.3915E+03",
                          "     Effective moment of inertia = 6.5994E+03"}));
}

TEST_F(CliCommands, ViewRunsWhateverTheProblemType) {
  // The window offers service load stress only in a review; the command runs
  // it for a design problem as well.
  Problem p = AciBeam(ProblemOption::Review);
  p.ProblemType = "design";
  const CliResult design = RunCli({"view", "service-load-stress", Write("design.in", p)});
  const CliResult review =
      RunCli({"view", "service-load-stress", Write("review.in", AciBeam(ProblemOption::Review))});
  EXPECT_EQ(design.status, 0);
  EXPECT_EQ(design.out, review.out);
  EXPECT_TRUE(design.out.starts_with(Lines({"", "     S E R V I C E   L O A D   S T R E S S:"})))
      << design.out;
}

TEST_F(CliCommands, GuardMessagesUseTheProgramsTitle) {
  Problem p = AciBeam(ProblemOption::Review);
  p.MomentMax = 0;
  const std::string noService = Write("noservice.in", p);
  const std::string noCover = Write("nocover.in", AciBeam(ProblemOption::Review));
  struct Case {
    std::string what, in, out;
  };
  for (const Case& c :
       {Case{"service-load-stress", noService,
             "Kestal: No service load moments have been entered\n"},
        Case{"fatigue-stress", noService, "Kestal: No service load moments have been entered\n"},
        Case{"crack-control", noService, "Kestal: No service load moments have been entered\n"},
        Case{"crack-control", noCover,
             "Kestal: Crack control variables have not been entered\n"}}) {
    const CliResult r = RunCli({"view", c.what, c.in});
    EXPECT_EQ(r.status, 1) << c.what;
    EXPECT_EQ(r.out, c.out) << c.what;
  }
}

TEST_F(CliCommands, AViewEndingOnAFaultPrintsOnlyItsMessage) {
  // Without tensile steel the moment capability divides by zero; the shear
  // display refuses a problem without steel before it starts.
  const std::string in = Write("design.in", AciBeam(ProblemOption::Design));
  const CliResult moment = RunCli({"view", "moment-capability", in});
  EXPECT_EQ(moment.status, 1);
  EXPECT_EQ(moment.out, "Kestal: Incomplete Information\n");
  const CliResult shear = RunCli({"view", "shear-capability", in});
  EXPECT_EQ(shear.status, 1);
  EXPECT_EQ(shear.out, "Shear Capability: Incomplete Information\n");
}

TEST_F(CliCommands, RebarTablePrintsTabSeparatedRows) {
  const CliResult english =
      RunCli({"view", "rebar-table", Write("e.in", AciBeam(ProblemOption::Design))});
  EXPECT_EQ(english.status, 0);
  EXPECT_EQ(english.out,
            Lines({"BAR SIZE\tAREA (IN^2)\tNOMINAL DIAMETER (IN)\tOVERALL DIAMETER (IN)",
                   "#3\t0.11\t0.375\t0.438", "#4\t0.20\t0.500\t0.563", "#5\t0.31\t0.625\t0.688",
                   "#6\t0.44\t0.750\t0.875", "#7\t0.60\t0.875\t1.000", "#8\t0.79\t1.000\t1.125",
                   "#9\t1.00\t1.128\t1.250", "#10\t1.27\t1.270\t1.438", "#11\t1.56\t1.410\t1.625",
                   "#14\t2.25\t1.693\t1.875", "#18\t4.00\t2.257\t2.500"}));
  const CliResult metric =
      RunCli({"view", "rebar-table", Write("m.in", Start(code::ACI, true, ProblemOption::Design))});
  EXPECT_EQ(metric.status, 0);
  EXPECT_EQ(metric.out,
            Lines({"BAR SIZE\tAREA (mm^2)\tNOMINAL DIAMETER (mm)\tOVERALL DIAMETER (mm)",
                   "#10\t71\t9.5\t11.1", "#13\t129\t12.7\t14.3", "#16\t199\t15.9\t17.5",
                   "#19\t284\t19.1\t22.2", "#22\t387\t22.2\t25.4", "#25\t510\t25.4\t28.6",
                   "#29\t645\t28.7\t31.8", "#32\t819\t32.3\t36.5", "#36\t1006\t35.8\t41.3",
                   "#43\t1452\t43.0\t47.6", "#57\t2581\t57.3\t63.5"}));
}

TEST_F(CliCommands, AFailedLoadEndsEveryCommandWithItsMessage) {
  const std::string missing = dir / "missing.in";
  const std::string truncated = dir / "truncated.in";
  WriteBytes(truncated, "\"\"\r\n\"English\",\"aci\",\"review\"\r\n0.9,0.75\r\n");
  const std::string out = dir / "never.out";
  for (const std::string& in : {missing, truncated}) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"report", in, "-o", out},
                                               {"view", "section-properties", in},
                                               {"view", "rebar-table", in},
                                               {"calc-tension", in},
                                               {"calc-shear", in}}) {
      const CliResult r = RunCli(args);
      EXPECT_EQ(r.status, 1) << args[0] << " " << in;
      EXPECT_EQ(r.out, "READ INPUT: Error reading input file\n") << args[0] << " " << in;
      EXPECT_EQ(r.err, "");
    }
  }
  EXPECT_FALSE(fs::exists(out));
}

}  // namespace
}  // namespace kestal::test
