#include "files/report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "model/checked.h"
#include "model/problem.h"
#include "support/problems.h"

namespace kestal {
namespace {

const std::string H = "     ";
const std::string V = "          ";
const std::string kRule = "====================================================";

using namespace support;

const std::tm kWhen = Time(2026, 12, 6, 7, 5);

// Stand-ins for the calculations: each records its name and then does what
// the test asks of it, so the report's own logic is seen on its own.
struct FakeCalcs {
  std::vector<std::string> calls;
  std::map<std::string, std::function<void(Problem&)>> effects;

  ReportCalculations Table() {
    auto make = [this](const char* name) {
      return [this, name](Problem& p) {
        calls.push_back(name);
        if (auto it = effects.find(name); it != effects.end()) it->second(p);
      };
    };
    ReportCalculations c;
    c.SectionInertias = make("SectionInertias");
    c.MomentCapability = make("MomentCapability");
    c.DesignTensionSteel = make("DesignTensionSteel");
    c.ServiceLoadStress = make("ServiceLoadStress");
    c.FatigueStress = make("FatigueStress");
    c.CrackControl = make("CrackControl");
    c.ConcreteShearStrength = make("ConcreteShearStrength");
    c.MaxShearStrength = make("MaxShearStrength");
    c.RequiredShearSteel = make("RequiredShearSteel");
    c.MinimumShearSteel = make("MinimumShearSteel");
    c.MaximumShearSpacing = make("MaximumShearSpacing");
    c.ShearSteelStrength = make("ShearSteelStrength");
    c.MinimumLongitudinalSteel = make("MinimumLongitudinalSteel");
    return c;
  }
};

Problem BaseProblem() {
  Problem p = EnglishBeam(code::ACI);
  p.ProblemType = "review";
  p.VPhi = 0.85f;
  p.Ec = 3605000;
  p.Frup = 474.5f;
  p.ModularRatio = 8;
  p.Ag = 1;
  p.TSteelArea = 3;
  p.DepthT = 21.5f;
  p.CSteelArea = 2;
  p.DepthC = 2.5f;
  p.VSteelArea = 2;
  p.sAv = 10;
  p.MomentUlt = 250;
  p.MomentMax = 150;
  p.MomentMin = 50;
  p.ShearUlt = 40;
  p.SectionType = section::Rectangular;
  p.RecB = 12;
  p.RecH = 24;
  p.SectionDefined = 1;
  p.OutSectProp = 1;
  p.OutMomCap = 1;
  p.OutShearCap = 1;
  p.OutputFileTitle = "beam.out";
  return p;
}

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start) + "<no CR LF>");
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

ReportText Report(Problem& p, FakeCalcs& fake, ProblemOption option = ProblemOption::Review) {
  return ComposeReport(p, option, kWhen, '.', fake.Table());
}

ReportText Report(Problem& p) {
  FakeCalcs fake;
  return Report(p, fake);
}

std::vector<std::string> Compose(Problem& p, ProblemOption option, FakeCalcs& fake,
                                 char separator = '.') {
  return Split(ComposeReport(p, option, kWhen, separator, fake.Table()).text);
}

// The report lines when no calculation needs to do anything.
std::vector<std::string> Compose(Problem& p, ProblemOption option, char separator = '.') {
  FakeCalcs fake;
  return Compose(p, option, fake, separator);
}

// The lines after the first line that equals `marker` (none when absent).
std::vector<std::string> After(const std::vector<std::string>& lines, const std::string& marker) {
  auto it = std::find(lines.begin(), lines.end(), marker);
  if (it == lines.end()) return {"<" + marker + " not found>"};
  return {it + 1, lines.end()};
}

// The lines from `first` up to (not including) `last`.
std::vector<std::string> Between(const std::vector<std::string>& lines, const std::string& first,
                                 const std::string& last) {
  auto from = std::find(lines.begin(), lines.end(), first);
  if (from == lines.end()) return {"<" + first + " not found>"};
  auto to = std::find(from + 1, lines.end(), last);
  return {from, to};
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool ContainsPrefix(const std::vector<std::string>& lines, const std::string& prefix) {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
}

// The lines after the blank line that ends the section properties (which
// the tests print with their inertias).
std::vector<std::string> AfterSection(const std::vector<std::string>& lines) {
  auto starts = [](const std::string& l, const std::string& prefix) {
    return l.rfind(prefix, 0) == 0;
  };
  auto it = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) {
    return starts(l, V + "Cracked moment of inertia   = ");
  });
  if (it == lines.end()) return {"<no section properties>"};
  ++it;
  if (it != lines.end() && starts(*it, V + "Effective moment of inertia = ")) ++it;
  if (it == lines.end() || !it->empty()) return {"<no blank line after the section>"};
  return {it + 1, lines.end()};
}

// --- Version line, date and line ends ---------------------------------------

struct DateCase {
  std::tm when;
  const char* text;
};

TEST(ReportDate, MonthDayYearAndTwelveHourClock) {
  const DateCase cases[] = {
      {Time(2026, 12, 6, 7, 5), "12/06/26, 7:05 am"},
      {Time(2027, 1, 15, 12, 30), "1/15/27, 12:30 pm"},
      {Time(2027, 3, 1, 0, 0), "3/01/27, 12:00 am"},   // midnight
      {Time(2027, 3, 1, 0, 59), "3/01/27, 12:59 am"},  // just after midnight
      {Time(2027, 3, 1, 11, 59), "3/01/27, 11:59 am"},
      {Time(2027, 3, 1, 13, 0), "3/01/27, 1:00 pm"},
      {Time(2027, 10, 31, 23, 9), "10/31/27, 11:09 pm"},
      {Time(2000, 7, 4, 9, 40), "7/04/00, 9:40 am"},
      {Time(2009, 2, 9, 20, 1), "2/09/09, 8:01 pm"},
  };
  for (const auto& c : cases) EXPECT_EQ(ReportDateTime(c.when), c.text);
}

TEST(ReportDate, VersionLineStartsTheDateInColumnForty) {
  const std::string line = VersionLine("5.21.0", Time(2026, 12, 6, 7, 5));
  EXPECT_EQ(line, "     (Version 5.21.0)                  12/06/26, 7:05 am");
  EXPECT_EQ(line.find("12/06/26"), 39u);
  const std::string longer = VersionLine("10.100.20", Time(2027, 1, 15, 12, 30));
  EXPECT_EQ(longer.find("1/15/27"), 39u);
  EXPECT_EQ(longer.substr(0, 24), "     (Version 10.100.20)");
}

TEST(ReportHeader, VersionTextIsRebuiltFromTheProgramVersion) {
  EXPECT_EQ(ProgramVersionText(), "5.21.0");
  Problem p = BaseProblem();
  p.VersionText = "0.0.1";
  const auto lines = Compose(p, ProblemOption::Review);
  EXPECT_EQ(p.VersionText, "5.21.0");
  EXPECT_EQ(lines[7], "     (Version 5.21.0)                  12/06/26, 7:05 am");
}

TEST(ReportHeader, EveryLineEndsInCrLf) {
  Problem p = BaseProblem();
  const std::string text = Report(p).text;
  ASSERT_GE(text.size(), 2u);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') {
      ASSERT_GT(i, 0u);
      EXPECT_EQ(text[i - 1], '\r') << "bare line feed at " << i;
    }
    if (text[i] == '\r') {
      ASSERT_LT(i + 1, text.size());
      EXPECT_EQ(text[i + 1], '\n') << "bare carriage return at " << i;
    }
  }
}

// --- Block 1 -----------------------------------------------------------------

TEST(ReportHeader, BannerWithoutTitle) {
  Problem p = BaseProblem();
  const auto lines = Compose(p, ProblemOption::Review);
  const std::vector<std::string> expected = {
      H + "* * * * * * * * * * * * * * * * * * * * * * * * * * *",
      H + "*                                                   *",
      H + "*           P R O G R A M   K E S T A L             *",
      H + "*                                                   *",
      H + "*                   OUTPUT DATA                     *",
      H + "*                                                   *",
      H + "* * * * * * * * * * * * * * * * * * * * * * * * * * *",
      H + "(Version 5.21.0)                  12/06/26, 7:05 am",
      "",
      H + "Output file = beam.out",
      "",
      H + "Shear and moment review problem",
      "",
      H + "D E S I G N   C R I T E R I A",
  };
  ASSERT_GE(lines.size(), expected.size());
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + expected.size()), expected);
}

TEST(ReportHeader, TitleComesFirstWithABlankLine) {
  Problem p = BaseProblem();
  p.OutputTitle = "Pier cap, span 2";
  const auto lines = Compose(p, ProblemOption::Review);
  EXPECT_EQ(lines[0], H + "Pier cap, span 2");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], H + "* * * * * * * * * * * * * * * * * * * * * * * * * * *");
  EXPECT_EQ(lines[9], H + "(Version 5.21.0)                  12/06/26, 7:05 am");
}

struct ProblemLineCase {
  const char* problemType;
  int32_t momCap;
  int32_t shearCap;
  const char* line;
};

TEST(ReportHeader, ProblemLineFollowsTheTypeAndTheSelections) {
  const ProblemLineCase cases[] = {
      {"design", 1, 1, "Moment design problem"},
      {"design", 0, 0, "Moment design problem"},
      {"Vdesign", 1, 0, "Shear design problem"},
      {"review", 1, 0, "Moment review problem"},
      {"review", 0, 1, "Shear review problem"},
      {"review", 1, 1, "Shear and moment review problem"},
      {"review", 0, 0, "Shear and moment review problem"},
      {"", 1, 0, "Moment review problem"},
      {"other", 0, 1, "Shear review problem"},
  };
  for (const auto& c : cases) {
    Problem p = BaseProblem();
    p.ProblemType = c.problemType;
    p.OutMomCap = c.momCap;
    p.OutShearCap = c.shearCap;
    p.MomentUlt = 0;  // no calculation block
    const auto lines = Compose(p, ProblemOption::Design);
    EXPECT_EQ(lines[11], H + c.line) << c.problemType << " " << c.momCap << c.shearCap;
  }
}

// --- Block 2 -----------------------------------------------------------------

TEST(ReportCriteria, CodeLineByCode) {
  const std::map<std::string, std::string> codeLines = {
      {"aci", "Code  = ACI-318"},
      {"aashto", "Code  = AASHTO"},
      {"arema", "Code  = AREMA"},
      {"lrfd", "Code  = AASHTO LRFD"},
      {"csa", "Code  = CSA A23.3"},
      {"s6", "Code  = CAN/CSA-S6"},
      {"ohbdc", ""},
      {"ud", ""},
  };
  for (const auto& [key, codeLine] : codeLines) {
    Problem p = BaseProblem();
    p.CodeKey = key;
    p.MomentUlt = 0;
    const auto lines = Compose(p, ProblemOption::Design);
    auto block = Between(lines, H + "D E S I G N   C R I T E R I A",
                         H + "STRENGTH REDUCTION AND RESISTANCE FACTORS:");
    std::vector<std::string> expected = {H + "D E S I G N   C R I T E R I A", H + kRule, ""};
    if (!codeLine.empty()) expected.push_back(H + codeLine);
    expected.push_back(H + "Units = English (pounds, inches - shear and moments in kip-ft)");
    expected.push_back("");
    EXPECT_EQ(block, expected) << key;
  }
}

TEST(ReportCriteria, UnitsLine) {
  Problem p = BaseProblem();
  p.Units = "Metric";
  FakeCalcs fake;
  EXPECT_TRUE(Contains(Compose(p, ProblemOption::Review, fake),
                       H + "Units = Metric (Newtons, millimeters - shear and moments in kN-m)"));
  p.Units = "metric";  // anything but "Metric" is English
  EXPECT_TRUE(Contains(Compose(p, ProblemOption::Review, fake),
                       H + "Units = English (pounds, inches - shear and moments in kip-ft)"));
}

TEST(ReportCriteria, FactorsAndStressBlock) {
  Problem p = BaseProblem();
  p.PhiConc = 0.65f;
  p.PhiReinf = 0.85f;
  p.A1 = 0.8125f;
  p.B1 = 0.89375f;
  const auto lines = Compose(p, ProblemOption::Review);
  const std::vector<std::string> expected = {
      H + "STRENGTH REDUCTION AND RESISTANCE FACTORS:",
      "",
      V + "Flexure reduction factor            = 0.90",
      V + "Shear reduction factor              = 0.85",
      V + "Concrete resistance factor          = 0.65",
      V + "Reinforcing resistance factor       = 0.85",
      "",
      H + "STRESS BLOCK:",
      "",
      V + "Ratio of average concrete strength  = 0.8125",
      V + "Ratio of depth of compression block = 0.8938",
      V + "Maximum concrete strain             = 0.0030",
      "",
      H + "M A T E R I A L   P R O P E R T I E S",
  };
  EXPECT_EQ(Between(lines, expected.front(), expected.back()),
            std::vector<std::string>(expected.begin(), expected.end() - 1));
}

// --- Blocks 3 to 5 -------------------------------------------------------------

TEST(ReportInputs, MaterialProperties) {
  Problem p = BaseProblem();
  const auto lines = Compose(p, ProblemOption::Review);
  const std::vector<std::string> expected = {
      H + "M A T E R I A L   P R O P E R T I E S",
      H + kRule,
      "",
      V + "Concrete compressive strength       = 4000",
      V + "Concrete modulus of elasticity      = 3.6050E+06",
      V + "Concrete modulus of rupture         = 474.5",
      V + "Reinforcing yield strength          = 60000",
      V + "Reinforcing modulus of elasticity   = 2.9000E+07",
      V + "Modular ratio                       = 8",
      V + "Maximum aggregate size              = 1.000",
      "",
  };
  EXPECT_EQ(Between(lines, expected.front(), H + "R E I N F O R C I N G   S T E E L"), expected);
}

TEST(ReportInputs, ReinforcingSteelEchoFollowsProblemType) {
  const std::string tensile = V + "Tensile reinf area         = 3";
  const std::string shearArea = V + "Shear reinf area           = 2";
  const std::string spacing = V + "Shear reinf spacing        = 10";
  struct Case {
    const char* type;
    bool tensile, shear;
  } cases[] = {{"design", false, true}, {"Vdesign", true, false}, {"review", true, true}};
  for (const auto& c : cases) {
    Problem p = BaseProblem();
    p.ProblemType = c.type;
    p.MomentUlt = 0;
    const auto lines = Compose(p, ProblemOption::Design);
    std::vector<std::string> expected = {H + "R E I N F O R C I N G   S T E E L", H + kRule, ""};
    if (c.tensile) expected.push_back(tensile);
    expected.push_back(V + "Depth to tensile reinf     = 21.5");
    expected.push_back(V + "Compressive reinf area     = 2");
    expected.push_back(V + "Depth to compressive reinf = 2.5");
    if (c.shear) {
      expected.push_back(shearArea);
      expected.push_back(spacing);
    }
    expected.push_back("");
    EXPECT_EQ(Between(lines, expected.front(), H + "D E S I G N   L O A D S"), expected) << c.type;
  }
}

TEST(ReportInputs, DesignLoads) {
  Problem p = BaseProblem();
  p.MomentMin = -12.5f;
  const auto lines = Compose(p, ProblemOption::Review);
  const std::vector<std::string> expected = {
      H + "D E S I G N   L O A D S",
      H + kRule,
      "",
      V + "Factored (ultimate) moment  = 250",
      V + "Maximum service load moment = 150",
      V + "Minimum service load moment = -12.5",
      V + "Factored (ultimate) shear   = 40",
      "",
  };
  EXPECT_EQ(Between(lines, expected.front(), H + "S E C T I O N   P R O P E R T I E S"), expected);
}

TEST(ReportInputs, DecimalSeparatorReplacesThePoint) {
  Problem p = BaseProblem();
  const auto lines = Compose(p, ProblemOption::Review, ',');
  EXPECT_TRUE(Contains(lines, V + "Flexure reduction factor            = 0,90"));
  EXPECT_TRUE(Contains(lines, V + "Ratio of average concrete strength  = 0,8500"));
  EXPECT_TRUE(Contains(lines, V + "Concrete modulus of elasticity      = 3,6050E+06"));
  EXPECT_TRUE(Contains(lines, V + "Concrete modulus of rupture         = 474,5"));
  EXPECT_TRUE(Contains(lines, V + "Maximum aggregate size              = 1,000"));
  EXPECT_TRUE(Contains(lines, V + "Depth to tensile reinf     = 21,5"));
  // The version and the date are not numbers of the problem.
  EXPECT_TRUE(Contains(lines, H + "(Version 5.21.0)                  12/06/26, 7:05 am"));
}

// --- Block 6 -----------------------------------------------------------------

TEST(ReportSection, ShapesAndTheirLines) {
  Problem p = BaseProblem();
  p.OutSectProp = 0;
  p.MomentUlt = 0;
  p.BoxH = 60;
  p.BoxBtop = 48;
  p.BoxHtop = 6;
  p.BoxBbot = 40;
  p.BoxHbot = 5.5f;
  p.BoxBweb = 12;
  p.TeeH = 36;
  p.TeeBtop = 72;
  p.TeeHtop = 7.5f;
  p.TeeBweb = 14;
  const std::string head = H + "S E C T I O N   P R O P E R T I E S";
  const std::map<int32_t, std::vector<std::string>> shapes = {
      {0, {H + "RECTANGULAR SECTION:", "", V + "Width  = 12", V + "Height = 24"}},
      {1,
       {H + "BOX or I SECTION:", "", V + "Height                  = 60",
        V + "Top flange width        = 48", V + "Top flange thickness    = 6",
        V + "Bottom flange width     = 40", V + "Bottom flange thickness = 5.5",
        V + "Total web thickness     = 12"}},
      {2,
       {H + "TEE SECTION:", "", V + "Height               = 36", V + "Top flange width     = 72",
        V + "Top flange thickness = 7.5", V + "Total web thickness  = 14"}},
      {3, {}},
      {-1, {}},
  };
  for (const auto& [type, shapeLines] : shapes) {
    p.SectionType = type;
    FakeCalcs fake;
    std::vector<std::string> expected = {H + kRule, ""};
    expected.insert(expected.end(), shapeLines.begin(), shapeLines.end());
    expected.push_back("");
    EXPECT_EQ(After(Compose(p, ProblemOption::Design, fake), head), expected) << type;
    EXPECT_TRUE(fake.calls.empty());
  }
}

TEST(ReportSection, PropertiesOnlyWhenSelected) {
  Problem p = BaseProblem();
  p.MomentUlt = 0;
  FakeCalcs fake;
  fake.effects["SectionInertias"] = [](Problem& q) {
    q.GrossInertia = 13824;
    q.SectModulus = 1152;
    q.DistNeutralAxis = 12;
    q.CrackedInertia = 5923.25f;
    q.EffInertia = 7012.5f;
  };
  auto lines = Compose(p, ProblemOption::Design, fake);
  EXPECT_EQ(fake.calls, std::vector<std::string>{"SectionInertias"});
  const std::vector<std::string> expected = {
      V + "Height = 24",
      "",
      H + "PROPERTIES:",
      "",
      V + "Gross moment of inertia     = 1.3824E+04",
      V + "Gross section modulus       = 1.1520E+03",
      V + "Distance to neutral axis    = 1.2000E+01",
      V + "Cracked moment of inertia   = 5.9233E+03",
      V + "Effective moment of inertia = 7.0125E+03",
      "",
  };
  EXPECT_EQ(After(lines, V + "Width  = 12"), expected);

  // Without a positive service moment there is no effective inertia.
  for (float mmax : {0.0f, -150.0f}) {
    p.MomentMax = mmax;
    FakeCalcs again = fake;
    again.calls.clear();
    lines = Compose(p, ProblemOption::Design, again);
    EXPECT_EQ(After(lines, V + "Cracked moment of inertia   = 5.9233E+03"),
              std::vector<std::string>{""});
  }

  p.OutSectProp = 0;
  FakeCalcs none;
  lines = Compose(p, ProblemOption::Design, none);
  EXPECT_TRUE(none.calls.empty());
  EXPECT_FALSE(Contains(lines, H + "PROPERTIES:"));
  EXPECT_EQ(After(lines, V + "Height = 24"), std::vector<std::string>{""});
}

// --- Choice of the calculation block ------------------------------------------

TEST(ReportChoice, FailedEntryTestsEndSilentlyAfterTheSection) {
  struct Case {
    const char* what;
    ProblemOption option;
    std::function<void(Problem&)> change;
  } cases[] = {
      {"design without moment", ProblemOption::Design, [](Problem& p) { p.MomentUlt = 0; }},
      {"design without depth", ProblemOption::Design, [](Problem& p) { p.DepthT = -1; }},
      {"design without section", ProblemOption::Design, [](Problem& p) { p.SectionDefined = 0; }},
      {"shear design under ud", ProblemOption::VDesign, [](Problem& p) { p.CodeKey = "ud"; }},
      {"shear design without shear", ProblemOption::VDesign, [](Problem& p) { p.ShearUlt = 0; }},
      {"shear design without steel", ProblemOption::VDesign, [](Problem& p) { p.TSteelArea = 0; }},
      {"shear design without moment", ProblemOption::VDesign, [](Problem& p) { p.MomentUlt = -5; }},
      {"shear design without depth", ProblemOption::VDesign, [](Problem& p) { p.DepthT = 0; }},
      {"shear design without section", ProblemOption::VDesign,
       [](Problem& p) { p.SectionDefined = 0; }},
  };
  for (const auto& c : cases) {
    Problem p = BaseProblem();
    c.change(p);
    FakeCalcs fake;
    const auto lines = Compose(p, c.option, fake);
    EXPECT_TRUE(AfterSection(lines).empty()) << c.what;
    EXPECT_EQ(fake.calls, std::vector<std::string>{"SectionInertias"}) << c.what;
  }
}

TEST(ReportChoice, TheOptionDecidesNotTheProblemType) {
  Problem p = BaseProblem();
  p.ProblemType = "review";
  auto lines = Compose(p, ProblemOption::Design);
  EXPECT_TRUE(Contains(lines, H + "M O M E N T   D E S I G N   C A L C U L A T I O N S"));
  EXPECT_TRUE(Contains(lines, H + "Shear and moment review problem"));

  p = BaseProblem();
  p.ProblemType = "design";
  lines = Compose(p, ProblemOption::VDesign);
  EXPECT_TRUE(Contains(lines, H + "S H E A R   D E S I G N   C A L C U L A T I O N S"));
  EXPECT_TRUE(Contains(lines, H + "Moment design problem"));

  p = BaseProblem();
  p.ProblemType = "Vdesign";
  lines = Compose(p, ProblemOption::Review);
  EXPECT_TRUE(Contains(lines, H + "M O M E N T   R E V I E W   C A L C U L A T I O N S"));
}

// --- Block 7 -----------------------------------------------------------------

void DesignResults(Problem& q) {
  q.CrackMoment12 = 120;
  q.MinDesignMoment = 250;
  q.TSteelArea = 2.865f;
  q.MinTSteelArea = 2.5f;
  q.MaxTSteelArea = 2.75f;
  q.TSteelStrain = 0.0045f;
  q.CDRatio = 0.3f;
  q.MaxCD = 0.5f;
  q.BlockDepth = 4.213f;
}

TEST(ReportMomentDesign, LinesAndChecksByCode) {
  struct Case {
    const char* code;
    std::function<void(Problem&)> tweak;
    std::vector<std::string> minimum, maximum;
    std::string required;
    std::vector<std::string> check;
  };
  const std::vector<std::string> notAci = {V + "1.2 * Cracking moment      = 1.2000E+02",
                                           V + "Design moment              = 2.5000E+02"};
  const std::string area = V + "Required tensile reinf area = 2.8650E+00";
  const std::vector<Case> cases = {
      {"aashto",
       nullptr,
       notAci,
       {V + "Maximum tensile reinf area  = 2.7500E+00"},
       area,
       {"", V + "*** Maximum tensile reinf area is exceeded ***"}},
      {"arema",
       [](Problem& q) { q.MaxTSteelArea = 2.865f; },
       notAci,
       {V + "Maximum tensile reinf area  = 2.8650E+00"},
       area,
       {}},
      {"aci",
       nullptr,
       {V + "Minimum tensile reinf area = 2.8650E+00"},
       {V + "Strain in tensile reinf     = 4.5000E-03",
        V + "Minimum strain              = 4.0000E-03"},
       V + "Required tensile reinf area = 2.5000E+00",
       {}},
      {"aci",
       [](Problem& q) { q.TSteelStrain = 0.0039f; },
       {V + "Minimum tensile reinf area = 2.8650E+00"},
       {V + "Strain in tensile reinf     = 3.9000E-03",
        V + "Minimum strain              = 4.0000E-03"},
       V + "Required tensile reinf area = 2.5000E+00",
       {"", V + "*** Tensile reinf strain is too low ***"}},
      {"aci",
       [](Problem& q) { q.TSteelStrain = 0.004f; },
       {V + "Minimum tensile reinf area = 2.8650E+00"},
       {V + "Strain in tensile reinf     = 4.0000E-03",
        V + "Minimum strain              = 4.0000E-03"},
       V + "Required tensile reinf area = 2.5000E+00",
       {}},
      {"lrfd",
       nullptr,
       notAci,
       {V + "Strain in tensile reinf     = 4.5000E-03",
        V + "Minimum strain              = 5.0000E-03"},
       area,
       {"", V + "*** Tensile reinf strain is too low ***"}},
      {"lrfd",
       [](Problem& q) { q.TSteelStrain = 0.005f; },
       notAci,
       {V + "Strain in tensile reinf     = 5.0000E-03",
        V + "Minimum strain              = 5.0000E-03"},
       area,
       {}},
      {"csa",
       nullptr,
       notAci,
       {V + "c/d                         = 3.0000E-01",
        V + "Maximum c/d                 = 5.0000E-01"},
       area,
       {}},
      {"s6",
       [](Problem& q) { q.CDRatio = 0.5f; },
       notAci,
       {V + "c/d                         = 5.0000E-01",
        V + "Maximum c/d                 = 5.0000E-01"},
       area,
       {}},
      {"ohbdc",
       [](Problem& q) { q.CDRatio = 0.55f; },
       notAci,
       {V + "c/d                         = 5.5000E-01",
        V + "Maximum c/d                 = 5.0000E-01"},
       area,
       {"", V + "*** Maximum c/d ratio is exceeded ***"}},
      {"ud", [](Problem& q) { q.CDRatio = 0.9f; }, notAci, {}, area, {}},
  };
  for (const auto& c : cases) {
    Problem p = BaseProblem();
    p.CodeKey = c.code;
    p.ProblemType = "design";
    FakeCalcs fake;
    fake.effects["DesignTensionSteel"] = [&](Problem& q) {
      DesignResults(q);
      if (c.tweak) c.tweak(q);
    };
    const auto lines = Compose(p, ProblemOption::Design, fake);
    std::vector<std::string> expected = {H + kRule, "", H + "MINIMUM REINFORCING:", ""};
    expected.insert(expected.end(), c.minimum.begin(), c.minimum.end());
    expected.insert(expected.end(), {"", H + "MAXIMUM REINFORCING:", ""});
    expected.insert(expected.end(), c.maximum.begin(), c.maximum.end());
    expected.insert(expected.end(),
                    {"", H + "COMPUTED REINFORCING:", "",
                     V + "Stress block depth          = 4.2130E+00", c.required, ""});
    expected.insert(expected.end(), c.check.begin(), c.check.end());
    EXPECT_EQ(After(lines, H + "M O M E N T   D E S I G N   C A L C U L A T I O N S"), expected)
        << c.code;
    EXPECT_EQ(fake.calls, (std::vector<std::string>{"SectionInertias", "DesignTensionSteel"}));
  }
}

// --- Block 8 -----------------------------------------------------------------

void ShearResults(Problem& q) {
  q.ShearDepth = 19.35f;
  q.ConcShearCap = 24.5f;
  q.MaxShearCap = 100;
  q.Beta = 2.1f;
  q.Theta = 34.5f;
}

const std::vector<std::string> kShearDesignCalls = {
    "SectionInertias",   "MomentCapability",    "ConcreteShearStrength", "MaxShearStrength",
    "MinimumShearSteel", "MaximumShearSpacing", "RequiredShearSteel"};

TEST(ReportShearDesign, RequiredSteelAboveTheMinimum) {
  Problem p = BaseProblem();
  p.CodeKey = "lrfd";
  p.ProblemType = "Vdesign";
  FakeCalcs fake;
  fake.effects["ConcreteShearStrength"] = ShearResults;
  fake.effects["MinimumShearSteel"] = [](Problem& q) { q.MinShearSteel = 0.0105f; };
  fake.effects["MaximumShearSpacing"] = [](Problem& q) { q.MaxShearSpacing = 15.48f; };
  fake.effects["RequiredShearSteel"] = [](Problem& q) { q.VSteelArea = 0.0123f; };
  const auto lines = Compose(p, ProblemOption::VDesign, fake);
  const std::vector<std::string> expected = {
      H + kRule,
      "",
      H + "CONCRETE SHEAR CAPABILITY:",
      "",
      V + "Effective shear depth    = 1.9350E+01",
      V + "Concrete shear strength  = 2.4500E+01",
      V + "Maximum shear strength   = 1.0000E+02",
      "",
      H + "COMPUTED REINFORCING:",
      "",
      V + "Required Av / s      = 1.2300E-02",
      V + "Minimum Av / s       = 1.0500E-02",
      V + "Max reinf spacing    = 1.5480E+01",
      "",
  };
  EXPECT_EQ(After(lines, H + "S H E A R   D E S I G N   C A L C U L A T I O N S"), expected);
  EXPECT_EQ(fake.calls, kShearDesignCalls);
  EXPECT_FLOAT_EQ(p.VSteelArea, 0.0123f);
}

// The required Av / s is never below the minimum; when the concrete alone
// carries the shear the minimum is all that is asked, without computing more.
TEST(ReportShearDesign, RequiredSteelIsAtLeastTheMinimum) {
  struct Case {
    const char* code;
    float shear, minimum, required;  // required < 0: not computed
    const char* line;
  } cases[] = {
      {"aci", 40, 0.01f, 0.0042f, "1.0000E-02"},
      {"csa", 24.5f, 0.25f, -1, "2.5000E-01"},  // equal to the concrete strength
      {"csa", 10, 0.25f, -1, "2.5000E-01"},
  };
  for (const auto& c : cases) {
    Problem p = BaseProblem();
    p.CodeKey = c.code;
    p.ShearUlt = c.shear;
    FakeCalcs fake;
    fake.effects["ConcreteShearStrength"] = ShearResults;
    fake.effects["MinimumShearSteel"] = [&c](Problem& q) { q.MinShearSteel = c.minimum; };
    fake.effects["RequiredShearSteel"] = [&c](Problem& q) { q.VSteelArea = c.required; };
    const auto lines = Compose(p, ProblemOption::VDesign, fake);
    EXPECT_TRUE(Contains(lines, V + "Required Av / s      = " + c.line)) << c.code << c.shear;
    EXPECT_EQ(p.VSteelArea, c.minimum);
    std::vector<std::string> calls = kShearDesignCalls;
    if (c.required < 0) calls.pop_back();
    EXPECT_EQ(fake.calls, calls) << c.code << c.shear;
  }
}

TEST(ReportShearDesign, ShearAboveTheMaximumStops) {
  Problem p = BaseProblem();
  p.CodeKey = "aashto";
  p.ShearUlt = 100.5f;
  p.VSteelArea = 0.3f;
  FakeCalcs fake;
  fake.effects["ConcreteShearStrength"] = ShearResults;
  const auto lines = Compose(p, ProblemOption::VDesign, fake);
  EXPECT_EQ(After(lines, V + "Maximum shear strength   = 1.0000E+02"),
            (std::vector<std::string>{
                "", "", V + "*** Design shear exceeds maximum shear strength ***", ""}));
  EXPECT_EQ(fake.calls.back(), "MaximumShearSpacing");
  EXPECT_EQ(p.VSteelArea, 0.3f);
}

TEST(ReportShearDesign, BetaAndThetaNotFound) {
  Problem p = BaseProblem();
  p.CodeKey = "lrfd";
  FakeCalcs fake;  // the search leaves Beta and Theta 0
  const auto lines = Compose(p, ProblemOption::VDesign, fake);
  EXPECT_EQ(AfterSection(lines), (std::vector<std::string>{
                                     "", H + "*** Beta and Theta values not found for shear ***"}));
  EXPECT_EQ(fake.calls, (std::vector<std::string>{"SectionInertias", "MomentCapability",
                                                  "ConcreteShearStrength"}));
  // Only "lrfd" searches the tables.
  p.CodeKey = "csa";
  FakeCalcs csa;
  EXPECT_TRUE(Contains(Compose(p, ProblemOption::VDesign, csa),
                       H + "S H E A R   D E S I G N   C A L C U L A T I O N S"));
}

TEST(ReportShearDesign, NoShearRulesForOhbdc) {
  Problem p = BaseProblem();
  p.CodeKey = "ohbdc";
  p.VSteelArea = 0.3f;
  FakeCalcs fake;
  const auto lines = Compose(p, ProblemOption::VDesign, fake);
  EXPECT_EQ(AfterSection(lines),
            (std::vector<std::string>{H + "S H E A R   D E S I G N   C A L C U L A T I O N S",
                                      H + kRule, "", V + "*** No shear rules for this code ***"}));
  EXPECT_EQ(fake.calls, std::vector<std::string>{"SectionInertias"});
  EXPECT_EQ(p.VSteelArea, 0.3f);
}

// --- Block 9 -----------------------------------------------------------------

void CapabilityResults(Problem& q) {
  q.CrackMoment12 = 120;
  q.MinDesignMoment = 250;
  q.MinTSteelArea = 0.86f;
  q.MaxTSteelArea = 4.5f;
  q.TSteelStrain = 0.0116f;
  q.CDRatio = 0.2f;
  q.MaxCD = 0.42f;
  q.MomentCap = 260.5f;
  q.BlockDepth = 4.412f;
  q.CSteelStrain = 0.0011f;
  q.ShearDepth = 21.5f;
}

TEST(ReportMomentReview, LinesByCode) {
  struct Case {
    const char* code;
    std::function<void(Problem&)> tweak;
    std::vector<std::string> minimum, maximum;
  };
  const std::vector<std::string> notAci = {V + "1.2 * Cracking moment      = 1.2000E+02",
                                           V + "Design moment              = 2.5000E+02"};
  const std::vector<Case> cases = {
      {"arema", nullptr, notAci, {V + "Maximum tensile reinf area = 4.5000E+00"}},
      {"aashto",
       [](Problem& q) { q.MaxTSteelArea = 2.9f; },
       notAci,
       {V + "Maximum tensile reinf area = 2.9000E+00", "",
        V + "*** Maximum tensile reinf area is exceeded ***"}},
      {"aashto",
       [](Problem& q) { q.MinDesignMoment = 0; },
       {V + "1.2 * Cracking moment      = 1.2000E+02"},
       {V + "Maximum tensile reinf area = 4.5000E+00"}},
      {"aci",
       nullptr,
       {V + "Minimum tensile reinf area = 8.6000E-01"},
       {V + "Strain in tensile reinf    = 1.1600E-02",
        V + "Minimum strain             = 4.0000E-03"}},
      {"aci",
       [](Problem& q) {
         q.MinTSteelArea = 3.5f;
         q.TSteelStrain = 0.003f;
       },
       {V + "Minimum tensile reinf area = 3.5000E+00", "",
        V + "*** Tensile reinf area below minimum required ***"},
       {V + "Strain in tensile reinf    = 3.0000E-03",
        V + "Minimum strain             = 4.0000E-03", "",
        V + "*** Tensile reinf strain is too low ***"}},
      {"aci",
       [](Problem& q) { q.MinTSteelArea = 3; },
       {V + "Minimum tensile reinf area = 3.0000E+00"},
       {V + "Strain in tensile reinf    = 1.1600E-02",
        V + "Minimum strain             = 4.0000E-03"}},
      {"lrfd",
       [](Problem& q) { q.TSteelStrain = 0.0049f; },
       notAci,
       {V + "Strain in tensile reinf    = 4.9000E-03",
        V + "Minimum strain             = 5.0000E-03", "",
        V + "*** Tensile reinf strain is too low ***"}},
      {"csa",
       nullptr,
       notAci,
       {V + "c/d                        = 2.0000E-01",
        V + "Maximum c/d                = 4.2000E-01"}},
      {"s6",
       [](Problem& q) { q.CDRatio = 0.43f; },
       notAci,
       {V + "c/d                        = 4.3000E-01",
        V + "Maximum c/d                = 4.2000E-01", "",
        V + "*** Maximum c/d ratio is exceeded ***"}},
      {"ohbdc",
       nullptr,
       notAci,
       {V + "c/d                        = 2.0000E-01",
        V + "Maximum c/d                = 4.2000E-01"}},
      {"ud", nullptr, notAci, {}},
  };
  for (const auto& c : cases) {
    Problem p = BaseProblem();
    p.CodeKey = c.code;
    p.OutShearCap = 0;
    p.MomentMax = 0;
    FakeCalcs fake;
    fake.effects["MomentCapability"] = [&](Problem& q) {
      CapabilityResults(q);
      if (c.tweak) c.tweak(q);
    };
    const auto lines = Compose(p, ProblemOption::Review, fake);
    std::vector<std::string> expected = {H + kRule, "", H + "MINIMUM REINFORCING:", ""};
    expected.insert(expected.end(), c.minimum.begin(), c.minimum.end());
    expected.insert(expected.end(), {"", H + "MAXIMUM REINFORCING:", ""});
    expected.insert(expected.end(), c.maximum.begin(), c.maximum.end());
    expected.insert(expected.end(), {"", H + "MOMENT CAPABILITY:", "",
                                     V + "Ultimate moment capability  = 2.6050E+02",
                                     V + "Stress block depth          = 4.4120E+00",
                                     V + "Stress in compression steel = 3.1900E+04", ""});
    EXPECT_EQ(After(lines, H + "M O M E N T   R E V I E W   C A L C U L A T I O N S"), expected)
        << c.code;
  }
}

TEST(ReportMomentReview, CompressionSteelAndCapacity) {
  Problem p = BaseProblem();
  p.OutShearCap = 0;
  p.MomentMax = 0;
  FakeCalcs fake;
  fake.effects["MomentCapability"] = CapabilityResults;

  // The compression steel stress only when its depth counts.
  p.DepthC = 0.005f;
  auto lines = Compose(p, ProblemOption::Review, fake);
  EXPECT_FALSE(ContainsPrefix(lines, V + "Stress in compression steel"));
  p.DepthC = 0.0051f;
  lines = Compose(p, ProblemOption::Review, fake);
  EXPECT_TRUE(Contains(lines, V + "Stress in compression steel = 3.1900E+04"));

  // Capacity below the factored moment.
  p.MomentUlt = 260.6f;
  lines = Compose(p, ProblemOption::Review, fake);
  EXPECT_EQ(After(lines, V + "Stress in compression steel = 3.1900E+04"),
            (std::vector<std::string>{"", V + "*** Design moment exceeds capacity ***", ""}));
  p.MomentUlt = 260.5f;
  lines = Compose(p, ProblemOption::Review, fake);
  EXPECT_EQ(After(lines, V + "Stress in compression steel = 3.1900E+04"),
            std::vector<std::string>{""});
}

TEST(ReportMomentReview, NotSelected) {
  Problem p = BaseProblem();
  p.OutMomCap = 0;
  p.OutShearCap = 0;
  p.MomentMax = 0;
  FakeCalcs fake;
  const auto lines = Compose(p, ProblemOption::Review, fake);
  EXPECT_TRUE(AfterSection(lines).empty());
  // The capability runs all the same: the shear review needs its shear depth.
  EXPECT_EQ(fake.calls, (std::vector<std::string>{"SectionInertias", "MomentCapability"}));
}

void ServiceResults(Problem& q) {
  q.ServSteelStressMax = 26500;
  q.ServSteelStressMin = 8833.3f;
  q.ServConcStressMax = 1450;
  q.ServConcStressMin = 483.3f;
}

// A review that prints only what the test selects.
Problem ServiceOnly() {
  Problem p = BaseProblem();
  p.OutMomCap = 0;
  p.OutShearCap = 0;
  return p;
}

TEST(ReportService, StressAndFatigueNeedAServiceMoment) {
  Problem p = ServiceOnly();
  p.CodeKey = "aashto";
  p.OutServLoad = 1;
  p.OutFatStress = 1;
  FakeCalcs fake;
  fake.effects["ServiceLoadStress"] = ServiceResults;
  fake.effects["FatigueStress"] = [](Problem& q) {
    q.SteelStressRange = 17666.7f;
    q.AllowStressRange = 20485;
  };
  auto lines = Compose(p, ProblemOption::Review, fake);
  const std::vector<std::string> expected = {
      H + "SERVICE LOAD STRESS:",
      "",
      V + "Maximum steel stress    = 2.6500E+04",
      V + "Minimum steel stress    = 8.8333E+03",
      V + "Maximum concrete stress = 1.4500E+03",
      V + "Minimum concrete stress = 4.8330E+02",
      "",
      H + "FATIGUE:",
      "",
      V + "Steel stress range             = 1.7667E+04",
      V + "Allowable fatigue stress range = 2.0485E+04",
      "",
  };
  EXPECT_EQ(AfterSection(lines), expected);
  EXPECT_EQ(fake.calls, (std::vector<std::string>{"SectionInertias", "MomentCapability",
                                                  "ServiceLoadStress", "FatigueStress"}));

  // A negative service moment counts.
  p.MomentMax = -40;
  fake.calls.clear();
  lines = Compose(p, ProblemOption::Review, fake);
  EXPECT_EQ(AfterSection(lines), expected);

  // Without one neither is printed nor computed, selected or not.
  p.MomentMax = 0;
  fake.calls.clear();
  lines = Compose(p, ProblemOption::Review, fake);
  EXPECT_TRUE(AfterSection(lines).empty());
  EXPECT_EQ(fake.calls, (std::vector<std::string>{"SectionInertias", "MomentCapability"}));
}

TEST(ReportService, StressesComputedEvenWhenNotPrinted) {
  Problem p = ServiceOnly();
  FakeCalcs fake;
  const auto lines = Compose(p, ProblemOption::Review, fake);
  EXPECT_TRUE(AfterSection(lines).empty());
  EXPECT_EQ(fake.calls,
            (std::vector<std::string>{"SectionInertias", "MomentCapability", "ServiceLoadStress"}));
}

TEST(ReportService, FatigueAllowableByCode) {
  const std::map<std::string, bool> allowable = {{"lrfd", true}, {"aashto", true}, {"arema", true},
                                                 {"s6", true},   {"ohbdc", true},  {"aci", false},
                                                 {"csa", false}, {"ud", false}};
  for (const auto& [key, shown] : allowable) {
    Problem p = ServiceOnly();
    p.CodeKey = key;
    p.OutFatStress = 1;
    FakeCalcs fake;
    fake.effects["FatigueStress"] = [](Problem& q) {
      q.SteelStressRange = 60;
      q.AllowStressRange = 125;
    };
    std::vector<std::string> expected = {H + "FATIGUE:", "",
                                         V + "Steel stress range             = 6.0000E+01"};
    if (shown) expected.push_back(V + "Allowable fatigue stress range = 1.2500E+02");
    expected.push_back("");
    EXPECT_EQ(AfterSection(Compose(p, ProblemOption::Review, fake)), expected) << key;
  }
}

// Units the allowable ranges are not stated in: the report says so rather
// than print whatever the field held.
TEST(ReportService, FatigueAllowableNeedsEnglishOrMetricUnits) {
  for (const char* key : {"lrfd", "aashto", "arema", "s6"}) {
    Problem p = ServiceOnly();
    p.CodeKey = key;
    p.Units = "Imperial";
    p.OutFatStress = 1;
    FakeCalcs fake;
    fake.effects["FatigueStress"] = [](Problem& q) { q.SteelStressRange = 60; };
    p.AllowStressRange = 999;  // stale
    std::vector<std::string> expected = {H + "FATIGUE:", "",
                                         V + "Steel stress range             = 6.0000E+01"};
    if (std::string(key) == "s6") {
      expected.push_back(V + "Allowable fatigue stress range = 9.9900E+02");
    } else {
      expected.push_back(std::string(10, ' ') +
                         "*** Allowable fatigue stress range requires English or Metric units ***");
    }
    expected.push_back("");
    EXPECT_EQ(AfterSection(Compose(p, ProblemOption::Review, fake)), expected) << key;
  }
}

void CrackResults(Problem& q) {
  q.CrackControlStress = 36000;
  q.MaxBarSpacing = 10.5f;
  q.CrackSpacing = 180.5f;
  q.RebarStrain = 0.0011f;
  q.CrackWidth = 0.2f;
  q.Moment40Crack = 45.5f;
  q.CompExpFactor = 21000;
}

TEST(ReportCrackControl, LinesByCode) {
  struct Case {
    const char* code;
    const char* units;
    std::vector<std::string> lines;
  };
  // The z-factor rule prints the same lines for each of its codes.
  const std::vector<std::string> zRule = {
      V + "Concrete cover            = 2.5", V + "Effective tension area    = 30",
      V + "Exposure factor           = 170000", V + "Maximum steel stress      = 2.6500E+04",
      V + "Allowable cracking stress = 3.6000E+04"};
  const std::vector<Case> cases = {
      {"aashto", "English", zRule},
      {"arema", "English", zRule},
      {"csa", "Metric", zRule},
      {"lrfd",
       "English",
       {V + "Concrete cover            = 2.5", V + "Exposure factor           = 170000",
        V + "Maximum rebar spacing     = 1.0500E+01"}},
      {"aci",
       "English",
       {V + "Clear concrete cover      = 2.5", V + "Maximum rebar spacing     = 1.0500E+01"}},
      {"s6",
       "Metric",
       {V + "Rebar x load type factor  = 2.5", V + "Rebar diameter            = 30",
        V + "Average crack spacing     = 1.8050E+02", V + "Average rebar strain      = 1.1000E-03",
        V + "Computed crack width      = 2.0000E-01",
        V + "Maximum crack width       = 1.7000E+05"}},
      {"ohbdc",
       "Metric",
       {V + "Clear concrete cover      = 2.5", V + "Clear rebar spacing       = 30",
        V + "Moment at 40% fcrack      = 4.5500E+01", V + "Computed exposure factor  = 2.1000E+04",
        V + "Allowable exposure factor = 1.7000E+05"}},
      {"ud", "English", {}},
  };
  for (const auto& c : cases) {
    Problem p = ServiceOnly();
    p.CodeKey = c.code;
    p.Units = c.units;
    p.Cover = 2.5f;
    p.EffArea = 30;
    p.ExpFactor = 170000;
    p.OutCrackCon = 1;
    FakeCalcs fake;
    fake.effects["ServiceLoadStress"] = ServiceResults;
    fake.effects["CrackControl"] = CrackResults;
    std::vector<std::string> expected = {H + "CRACK CONTROL:", ""};
    expected.insert(expected.end(), c.lines.begin(), c.lines.end());
    expected.push_back("");
    EXPECT_EQ(AfterSection(Compose(p, ProblemOption::Review, fake)), expected) << c.code;
    EXPECT_EQ(fake.calls.back(), "CrackControl") << c.code;
  }
}

TEST(ReportCrackControl, MetricRulesInEnglishUnits) {
  for (const char* key : {"s6", "ohbdc"}) {
    Problem p = ServiceOnly();
    p.CodeKey = key;
    p.Cover = 2;
    p.OutCrackCon = 1;
    FakeCalcs fake;
    EXPECT_EQ(AfterSection(Compose(p, ProblemOption::Review, fake)),
              (std::vector<std::string>{
                  H + "CRACK CONTROL:", "",
                  V + "*** Crack control for this code requires Metric units ***", ""}))
        << key;
    EXPECT_EQ(std::count(fake.calls.begin(), fake.calls.end(), "CrackControl"), 0) << key;
  }
}

TEST(ReportCrackControl, FollowsCoverNotServiceMoment) {
  struct Case {
    float cover, momentMax;
    int32_t selected;
    bool printed;
  } cases[] = {
      {2, 0, 1, true}, {-1, 150, 1, true}, {0, 150, 1, false}, {2, 150, 0, false}, {0, 0, 1, false},
  };
  for (const auto& c : cases) {
    Problem p = ServiceOnly();
    p.Cover = c.cover;
    p.MomentMax = c.momentMax;
    p.OutCrackCon = c.selected;
    FakeCalcs fake;
    const auto lines = Compose(p, ProblemOption::Review, fake);
    EXPECT_EQ(Contains(lines, H + "CRACK CONTROL:"), c.printed) << c.cover << " " << c.momentMax;
    EXPECT_EQ(std::count(fake.calls.begin(), fake.calls.end(), "CrackControl"), c.printed ? 1 : 0);
  }
}

// Without a service moment the stresses are worked out for crack control
// itself, so the rule never runs on the stresses of an earlier calculation.
TEST(ReportCrackControl, WithoutServiceMomentItWorksOutTheStressesItself) {
  for (const float momentMax : {0.0f, 150.0f}) {
    Problem p = ServiceOnly();
    p.Cover = 2;
    p.MomentMax = momentMax;
    p.OutCrackCon = 1;
    FakeCalcs fake;
    Compose(p, ProblemOption::Review, fake);
    const auto crack = std::find(fake.calls.begin(), fake.calls.end(), "CrackControl");
    ASSERT_NE(crack, fake.calls.end());
    EXPECT_EQ(std::count(fake.calls.begin(), fake.calls.end(), "ServiceLoadStress"), 1);
    EXPECT_EQ(*(crack - 1), "ServiceLoadStress") << momentMax;
  }
  // With the real calculations: an earlier 30000 psi is not printed.
  Problem p = EnglishBeam(code::AASHTO);
  p.RecB = 12;
  p.RecH = 24;
  p.DepthT = 21.5f;
  p.TSteelArea = 3;
  p.ModularRatio = 8;
  p.SectionDefined = 1;
  p.Cover = 2.5f;
  p.EffArea = 15;
  p.ExpFactor = 170000;
  p.OutCrackCon = 1;
  p.ServSteelStressMax = 30000;
  const auto lines = Split(ComposeReport(p, ProblemOption::Review, kWhen, '.').text);
  EXPECT_TRUE(Contains(lines, V + "Maximum steel stress      = 0.0000E+00"));
  EXPECT_EQ(p.ServSteelStressMax, 0);
}

// Shear review: the moment capability gives the shear depth and the shear
// calculations the rest.
FakeCalcs ShearReviewFakes() {
  FakeCalcs fake;
  fake.effects["MomentCapability"] = [](Problem& q) { q.ShearDepth = 19.35f; };
  fake.effects["ConcreteShearStrength"] = [](Problem& q) {
    q.ConcShearCap = 60;
    q.CrackSpacingSx = 300;
    q.LongStrain = 0.0012f;
    q.Theta = 37.4f;
    q.Beta = 0.2f;
  };
  fake.effects["MaxShearStrength"] = [](Problem& q) { q.MaxShearCap = 300; };
  fake.effects["MinimumShearSteel"] = [](Problem& q) { q.MinShearSteel = 0.1f; };
  fake.effects["MaximumShearSpacing"] = [](Problem& q) { q.MaxShearSpacing = 12; };
  fake.effects["ShearSteelStrength"] = [](Problem& q) { q.SteelShearCap = 50; };
  fake.effects["MinimumLongitudinalSteel"] = [](Problem& q) { q.MinLongSteel = 1234.5f; };
  return fake;
}

Problem ShearOnly(const char* code) {
  Problem p = BaseProblem();
  p.CodeKey = code;
  p.OutMomCap = 0;
  p.MomentMax = 0;
  return p;
}

const std::string kShearReview = H + "S H E A R   R E V I E W   C A L C U L A T I O N S";

TEST(ReportShearReview, StrainCodeWithShearSteel) {
  for (const char* key : {"csa", "lrfd", "s6"}) {
    Problem p = ShearOnly(key);
    FakeCalcs fake = ShearReviewFakes();
    const auto lines = Compose(p, ProblemOption::Review, fake);
    const std::vector<std::string> expected = {
        kShearReview,
        H + kRule,
        "",
        H + "CONCRETE SHEAR CAPABILITY:",
        "",
        V + "Effective shear depth      = 1.9350E+01",
        V + "Concrete shear strength    = 6.0000E+01",
        V + "   Crack spacing parameter = 3.0000E+02",
        V + "   Longitudinal strain     = 1.2000E-03",
        V + "   Theta                   = 3.7400E+01",
        V + "   Beta                    = 2.0000E-01",
        "",
        H + "SHEAR REINFORCING:",
        "",
        V + "Min shear reinf area       = 1.0000E+00",
        V + "Max shear reinf spacing    = 1.2000E+01",
        "",
        V + "Shear reinf strength       = 5.0000E+01",
        V + "Ultimate shear capability  = 1.1000E+02",
        V + "Maximum shear capability   = 3.0000E+02",
        "",
        H + "MINIMUM LONGITUDINAL TENSILE REINFORCING:",
        "",
        V + "Minimum reinf area         = 1.2345E+03",
    };
    EXPECT_EQ(AfterSection(lines), expected) << key;
    EXPECT_EQ(fake.calls, (std::vector<std::string>{
                              "SectionInertias", "MomentCapability", "ConcreteShearStrength",
                              "MaxShearStrength", "MinimumShearSteel", "MaximumShearSpacing",
                              "ShearSteelStrength", "MinimumLongitudinalSteel"}))
        << key;
  }
}

TEST(ReportShearReview, MinimumMomentAndCrackSpacingLines) {
  struct Case {
    float momentUlt, sx;
    bool momentLine, sxLine;
  } cases[] = {
      {250, 300, false, true},   // |Vu| dv / 12 = 64.5 below Mu
      {50, 300, true, true},     // above Mu
      {64.5f, 0, false, false},  // equal: not greater
      {64.4f, -1, true, false},
  };
  for (const auto& c : cases) {
    Problem p = ShearOnly("csa");
    p.MomentUlt = c.momentUlt;
    FakeCalcs fake = ShearReviewFakes();
    const float sx = c.sx;
    fake.effects["ConcreteShearStrength"] = [sx](Problem& q) {
      q.ConcShearCap = 60;
      q.CrackSpacingSx = sx;
    };
    const auto lines = Compose(p, ProblemOption::Review, fake);
    EXPECT_EQ(Contains(lines, V + "   Minimum moment          = 6.4500E+01"), c.momentLine)
        << c.momentUlt;
    EXPECT_EQ(ContainsPrefix(lines, V + "   Crack spacing parameter = "), c.sxLine) << c.sx;
    if (c.momentLine && c.sxLine) {
      EXPECT_EQ(Between(lines, V + "   Crack spacing parameter = 3.0000E+02",
                        V + "   Theta                   = 0.0000E+00"),
                (std::vector<std::string>{V + "   Crack spacing parameter = 3.0000E+02",
                                          V + "   Minimum moment          = 6.4500E+01",
                                          V + "   Longitudinal strain     = 0.0000E+00"}));
    }
  }
}

TEST(ReportShearReview, EveryWarning) {
  Problem p = ShearOnly("aci");
  p.VSteelArea = 0.5f;
  p.ShearUlt = 120;
  FakeCalcs fake = ShearReviewFakes();
  fake.effects["MaxShearStrength"] = [](Problem& q) { q.MaxShearCap = 100; };
  fake.effects["MaximumShearSpacing"] = [](Problem& q) { q.MaxShearSpacing = 8; };
  const auto lines = Compose(p, ProblemOption::Review, fake);
  const std::vector<std::string> expected = {
      V + "Concrete shear strength    = 6.0000E+01",
      "",
      H + "SHEAR REINFORCING:",
      "",
      V + "Min shear reinf area       = 1.0000E+00",
      "",
      V + "*** Shear reinf area below minimum required ***",
      "",
      V + "Max shear reinf spacing    = 8.0000E+00",
      "",
      V + "*** Shear reinf spacing exceeds maximum allowed ***",
      "",
      V + "Shear reinf strength       = 5.0000E+01",
      V + "Ultimate shear capability  = 1.1000E+02",
      V + "Maximum shear capability   = 1.0000E+02",
      "",
      V + "*** Shear capacity exceeds maximum allowed ***",
      "",
      V + "*** Design shear exceeds capacity ***",
  };
  EXPECT_EQ(After(lines, V + "Effective shear depth      = 1.9350E+01"), expected);
}

TEST(ReportShearReview, LimitsThatHoldExactly) {
  Problem p = ShearOnly("arema");
  p.VSteelArea = 1;  // equal to the minimum area
  p.sAv = 10;        // spacing 10 at a maximum of 10
  p.ShearUlt = 110;  // equal to the capability
  FakeCalcs fake = ShearReviewFakes();
  fake.effects["MaxShearStrength"] = [](Problem& q) { q.MaxShearCap = 110; };
  fake.effects["MaximumShearSpacing"] = [](Problem& q) { q.MaxShearSpacing = 10; };
  const auto lines = Compose(p, ProblemOption::Review, fake);
  EXPECT_EQ(After(lines, V + "Effective shear depth      = 1.9350E+01"),
            (std::vector<std::string>{V + "Concrete shear strength    = 6.0000E+01", "",
                                      H + "SHEAR REINFORCING:", "",
                                      V + "Min shear reinf area       = 1.0000E+00",
                                      V + "Max shear reinf spacing    = 1.0000E+01", "",
                                      V + "Shear reinf strength       = 5.0000E+01",
                                      V + "Ultimate shear capability  = 1.1000E+02",
                                      V + "Maximum shear capability   = 1.1000E+02"}));
}

TEST(ReportShearReview, WithoutShearSteel) {
  Problem p = ShearOnly("lrfd");
  p.VSteelArea = 0;
  p.ShearUlt = 70;
  p.SteelShearCap = 99;  // left by an earlier calculation
  FakeCalcs fake = ShearReviewFakes();
  float seenByLongitudinal = -1;
  fake.effects["MinimumLongitudinalSteel"] = [&](Problem& q) {
    seenByLongitudinal = q.SteelShearCap;
    q.MinLongSteel = 2.5f;
  };
  const auto lines = Compose(p, ProblemOption::Review, fake);
  EXPECT_EQ(After(lines, V + "   Beta                    = 2.0000E-01"),
            (std::vector<std::string>{"", V + "*** Design shear exceeds capacity ***", "",
                                      H + "MINIMUM LONGITUDINAL TENSILE REINFORCING:", "",
                                      V + "Minimum reinf area         = 2.5000E+00"}));
  EXPECT_EQ(seenByLongitudinal, 0.0f);
  EXPECT_EQ(p.SteelShearCap, 0.0f);
  EXPECT_EQ(fake.calls,
            (std::vector<std::string>{"SectionInertias", "MomentCapability",
                                      "ConcreteShearStrength", "MinimumLongitudinalSteel"}));
}

TEST(ReportShearReview, TinyShearSteelIsComputedButNotCounted) {
  Problem p = ShearOnly("aci");
  p.VSteelArea = 0.0005f;
  FakeCalcs fake = ShearReviewFakes();
  const auto lines = Compose(p, ProblemOption::Review, fake);
  EXPECT_TRUE(Contains(lines, V + "Shear reinf strength       = 0.0000E+00"));
  EXPECT_TRUE(Contains(lines, V + "Ultimate shear capability  = 6.0000E+01"));
  EXPECT_EQ(std::count(fake.calls.begin(), fake.calls.end(), "ShearSteelStrength"), 1);
}

TEST(ReportShearReview, BetaAndThetaNotFound) {
  Problem p = ShearOnly("lrfd");
  FakeCalcs fake = ShearReviewFakes();
  fake.effects["ConcreteShearStrength"] = [](Problem&) {};
  const auto lines = Compose(p, ProblemOption::Review, fake);
  EXPECT_EQ(AfterSection(lines),
            (std::vector<std::string>{kShearReview, H + kRule, "",
                                      H + "*** Beta and Theta values not found for shear ***"}));
  EXPECT_EQ(fake.calls.back(), "ConcreteShearStrength");
}

TEST(ReportShearReview, NoShearRulesForOhbdc) {
  Problem p = ShearOnly("ohbdc");
  FakeCalcs fake = ShearReviewFakes();
  const auto lines = Compose(p, ProblemOption::Review, fake);
  EXPECT_EQ(AfterSection(lines),
            (std::vector<std::string>{kShearReview, H + kRule, "",
                                      V + "*** No shear rules for this code ***"}));
  EXPECT_EQ(fake.calls, (std::vector<std::string>{"SectionInertias", "MomentCapability"}));
}

TEST(ReportShearReview, EntryTest) {
  struct Case {
    const char* what;
    std::function<void(Problem&)> change;
  } cases[] = {
      {"not selected", [](Problem& p) { p.OutShearCap = 0; }},
      {"ud", [](Problem& p) { p.CodeKey = "ud"; }},
      {"no moment", [](Problem& p) { p.MomentUlt = 0; }},
      {"no shear", [](Problem& p) { p.ShearUlt = -3; }},
      {"no tensile steel", [](Problem& p) { p.TSteelArea = 0; }},
      {"no depth", [](Problem& p) { p.DepthT = 0; }},
      {"no section", [](Problem& p) { p.SectionDefined = 0; }},
  };
  for (const auto& c : cases) {
    Problem p = ShearOnly("aci");
    c.change(p);
    FakeCalcs fake = ShearReviewFakes();
    EXPECT_TRUE(AfterSection(Compose(p, ProblemOption::Review, fake)).empty()) << c.what;
    EXPECT_EQ(fake.calls.size(), 2u) << c.what;
  }
}

// --- Faults ------------------------------------------------------------------

TEST(ReportFault, CalculationFaultKeepsTheLinesBeforeIt) {
  Problem p = BaseProblem();
  FakeCalcs fake;
  fake.effects["MomentCapability"] = [](Problem&) { throw CalcError(Fault::DivisionByZero); };
  const ReportText report = Report(p, fake);
  EXPECT_TRUE(report.stoppedByFault);
  const auto lines = Split(report.text);
  EXPECT_TRUE(AfterSection(lines).empty());
  EXPECT_EQ(report.text.substr(report.text.size() - 2), "\r\n");
}

TEST(ReportFault, PrintedExpressionOverflows) {
  Problem p = ShearOnly("aci");
  p.OutMomCap = 1;
  p.Er = 3e38f;
  FakeCalcs fake;
  fake.effects["MomentCapability"] = [](Problem& q) {
    q.BlockDepth = 4;
    q.CSteelStrain = 10;
  };
  const ReportText report = Report(p, fake);
  EXPECT_TRUE(report.stoppedByFault);
  EXPECT_EQ(Split(report.text).back(), V + "Stress block depth          = 4.0000E+00");
}

TEST(ReportFault, SectionInertiasFault) {
  Problem p = BaseProblem();
  FakeCalcs fake;
  fake.effects["SectionInertias"] = [](Problem&) { throw CalcError(Fault::NegativeRoot); };
  const ReportText report = Report(p, fake);
  EXPECT_TRUE(report.stoppedByFault);
  EXPECT_EQ(Split(report.text).back(), V + "Height = 24");
}

// --- Writing the file ----------------------------------------------------------

namespace fs = std::filesystem;

class ReportFile : public TempFolderTest {
 protected:
  // Writes the review of the base problem to `name` in the test folder.
  ReportOutcome Write(const std::string& name, FakeCalcs fake = {}) {
    Problem p = BaseProblem();
    p.OutputFile = PathOf(name);
    return WriteReport(p, ProblemOption::Review, kWhen, '.', fake.Table());
  }
  const std::vector<std::string> justTheReport_ = {"beam.out"};
};

TEST_F(ReportFile, WritesTheComposedReport) {
  EXPECT_EQ(Write("beam.out"), ReportOutcome::Written);
  Problem q = BaseProblem();
  FakeCalcs fake;
  EXPECT_EQ(ReadBytes(PathOf("beam.out")), Report(q, fake).text);
  EXPECT_EQ(Entries(), justTheReport_);
}

TEST_F(ReportFile, ReplacesAnExistingFileCompletely) {
  WriteBytes(PathOf("beam.out"), std::string(100000, '~'));
  EXPECT_EQ(Write("beam.out"), ReportOutcome::Written);
  const std::string text = ReadBytes(PathOf("beam.out"));
  EXPECT_EQ(text.find('~'), std::string::npos);
  EXPECT_EQ(text.rfind("     * * * * *", 0), 0u);
  EXPECT_EQ(Entries(), justTheReport_);
}

TEST_F(ReportFile, KeepsThePermissionsOfTheFileItReplaces) {
  WriteBytes(PathOf("beam.out"), "old report\r\n");
  const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(PathOf("beam.out"), mode, fs::perm_options::replace);
  ASSERT_TRUE(ReplaceFileAtomically(PathOf("beam.out"), "new report\r\n"));
  EXPECT_EQ(ReadBytes(PathOf("beam.out")), "new report\r\n");
  EXPECT_EQ(fs::status(PathOf("beam.out")).permissions(), mode);
}

TEST_F(ReportFile, CalculationFaultStillPutsThePartialReportInPlace) {
  WriteBytes(PathOf("beam.out"), "old report\r\n");
  FakeCalcs fake;
  fake.effects["MomentCapability"] = [](Problem&) { throw CalcError(Fault::DivisionByZero); };
  EXPECT_EQ(Write("beam.out", fake), ReportOutcome::StoppedByFault);
  const auto lines = Split(ReadBytes(PathOf("beam.out")));
  EXPECT_EQ(lines.front(), H + "* * * * * * * * * * * * * * * * * * * * * * * * * * *");
  EXPECT_TRUE(AfterSection(lines).empty());
  EXPECT_EQ(Entries(), justTheReport_);
}

TEST_F(ReportFile, TargetIsAFolder) {
  fs::create_directory(PathOf("beam.out"));
  WriteBytes(folder_ / "beam.out" / "inside.txt", "keep");
  EXPECT_EQ(Write("beam.out"), ReportOutcome::IoFailure);
  EXPECT_TRUE(fs::is_directory(PathOf("beam.out")));
  EXPECT_EQ(ReadBytes(folder_ / "beam.out" / "inside.txt"), "keep");
  EXPECT_EQ(Entries(), justTheReport_);
}

TEST_F(ReportFile, MissingFolderOrEmptyFileName) {
  EXPECT_EQ(Write("missing/beam.out"), ReportOutcome::IoFailure);
  EXPECT_EQ(Write(""), ReportOutcome::IoFailure);
  EXPECT_TRUE(Entries().empty());
}

TEST_F(ReportFile, FolderNotWritableLeavesTheOldFile) {
  WriteBytes(PathOf("beam.out"), "old report\r\n");
  fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec,
                  fs::perm_options::replace);
  {
    // An administrator writes anyway; the test then has nothing to show.
    std::ofstream probe(folder_ / "probe");
    if (probe) {
      probe.close();
      fs::remove(folder_ / "probe");
      GTEST_SKIP() << "the folder stays writable for this user";
    }
  }
  EXPECT_EQ(Write("beam.out"), ReportOutcome::IoFailure);
  EXPECT_EQ(ReadBytes(PathOf("beam.out")), "old report\r\n");
  EXPECT_EQ(Entries(), justTheReport_);
}

TEST_F(ReportFile, ReplaceKeepsBytesExactly) {
  const std::string text = std::string("line one\r\n\r\n") + '\0' + "\xE9t\xE9\r\n";
  ASSERT_TRUE(ReplaceFileAtomically(PathOf("a.out"), text));
  EXPECT_EQ(ReadBytes(PathOf("a.out")), text);
  ASSERT_TRUE(ReplaceFileAtomically(PathOf("a.out"), "short"));
  EXPECT_EQ(ReadBytes(PathOf("a.out")), "short");
}

}  // namespace
}  // namespace kestal
