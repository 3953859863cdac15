#include "commands/displays.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <functional>
#include <optional>
#include <string_view>

#include "analysis/crack_control.h"
#include "analysis/cracked_section.h"
#include "analysis/fatigue.h"
#include "analysis/flexure_rules.h"
#include "analysis/gross_section.h"
#include "analysis/moment_capability.h"
#include "analysis/service_stress.h"
#include "analysis/shear_capability.h"
#include "analysis/shear_steel.h"
#include "commands/input_guard.h"
#include "files/checks.h"
#include "files/report.h"
#include "files/result_lines.h"
#include "model/checked.h"
#include "model/code_rules.h"
#include "model/input_checks.h"
#include "model/numtext.h"

namespace kestal {

namespace {

constexpr const char* kIncompleteInformation = "Incomplete Information";
constexpr const char* kNoServiceMoments = "No service load moments have been entered";
constexpr const char* kNoCrackVariables = "Crack control variables have not been entered";
constexpr const char* kShearCapabilityTitle = "Shear Capability";
constexpr const char* kResultPattern = "0.0000E+00";

// The lines of one quick display. They are collected while the calculations
// run and printed only when the display completes, so a display that ends on
// an arithmetic fault leaves no partial results behind.
class Lines {
 public:
  void Blank() { lines_.emplace_back(); }
  void Text(std::string_view text) { lines_.push_back("     " + std::string(text)); }
  // A computed value: its label and the value in the results pattern.
  void Value(std::string_view label, float v) {
    Text(std::string(label) + FormatPattern(v, kResultPattern));
  }
  // An input echoed as the user gave it: plain number text.
  void Input(std::string_view label, float v) { Text(std::string(label) + GeneralForm(v)); }
  void Results(const std::vector<ResultLine>& lines) {
    for (const ResultLine& l : lines) {
      if (l.input) {
        Input(l.label, l.value);
      } else {
        Value(l.label, l.value);
      }
    }
  }
  void Heading(std::string_view title) {
    Blank();
    Text(title);
    Text(std::string(52, '='));
    Blank();
  }
  const std::vector<std::string>& all() const { return lines_; }

 private:
  std::vector<std::string> lines_;
};

struct FaultMessage {
  Icon icon = Icon::None;
  std::optional<std::string> title;
};

// Quick display: prepare the window, run the body, then print its lines. Any
// run-time error of a calculation hides the window and shows the display's
// fault message instead.
// A fault names the inputs of `needs` not entered yet as its reason.
void RunDisplay(Session& s, int height, const FaultMessage& fault,
                const std::function<void(Lines&)>& body, std::initializer_list<Needed> needs = {}) {
  if (RefusesImpossibleInput(s, kIncompleteInformation, fault.icon, fault.title)) {
    s.results.Hide();
    return;
  }
  s.results.Prepare(height, kDisplayWidth);
  Lines lines;
  try {
    body(lines);
  } catch (const std::exception&) {
    s.results.Hide();
    const std::string missing = MissingInputs(s.problem, needs);
    if (missing.empty()) {
      s.platform.MessageBox(kIncompleteInformation, fault.icon, fault.title);
    } else {
      s.platform.MessageBoxWithReason(kIncompleteInformation, fault.icon, fault.title, missing);
    }
    return;
  }
  for (const std::string& line : lines.all()) s.results.Print(line);
}

bool Is(const Problem& p, CodeFamily family) {
  return EditionOf(p).family == family;
}

bool IsKnownShape(const Problem& p) {
  return p.SectionType == section::Rectangular || p.SectionType == section::Box ||
         p.SectionType == section::Tee;
}

// A shape outside the three known ones is skipped by the section
// calculations, which then leave the previous section's numbers in place.
void NoShape(Lines& out) {
  out.Text("*** Unknown section type ***");
}

// Compression steel counts only when a depth to it has been entered.
bool HasCompressionSteel(const Problem& p) {
  return p.DepthC > 0.005f;
}

}  // namespace

void ShowSectionProperties(Session& s) {
  Problem& p = s.problem;
  RunDisplay(s, kTallDisplayHeight, {},
             [&](Lines& out) {
               SectionInertias(p);
               out.Heading("S E C T I O N   P R O P E R T I E S:");
               if (!IsKnownShape(p)) return NoShape(out);
               out.Results(SectionPropertyLines(p));
             },
             {Needed::Section});
}

void ShowMomentCapability(Session& s) {
  Problem& p = s.problem;
  RunDisplay(s, kTallDisplayHeight, {},
             [&](Lines& out) {
               GrossSectionProps(p);
               MomentCapability(p);
               out.Heading("M O M E N T   C A P A B I L I T Y:");
               if (!IsKnownShape(p)) return NoShape(out);
               const CodeRules& rules = RulesOf(p);
               out.Value("Ultimate moment capability  = ", p.MomentCap);
               if (!rules.minimumAreaByFormula) {
                 out.Value(rules.lrfd == LrfdForms::Ninth ? "Factored cracking moment    = "
                                                          : "1.2 * Cracking moment       = ",
                           p.CrackMoment12);
                 if (p.MinDesignMoment > 0)
                   out.Value("Design moment               = ", p.MinDesignMoment);
               }
               out.Value("Stress block depth          = ", p.BlockDepth);
               if (HasCompressionSteel(p)) {
                 // Elastic stress from the strain, without the resistance factor.
                 out.Value("Stress in compression steel = ", ToFloat(Real(p.Er) * p.CSteelStrain));
               }
               out.Blank();
               if (rules.minimumAreaByFormula) {
                 out.Value("Minimum tensile steel area  = ", p.MinTSteelArea);
                 if (p.TSteelArea < p.MinTSteelArea) {
                   out.Text("*** Tensile steel area below minimum required ***");
                 }
               }
               if (rules.ductility == Ductility::MaxSteelArea) {
                 out.Value("Maximum tensile steel area  = ", p.MaxTSteelArea);
                 if (p.TSteelArea > p.MaxTSteelArea)
                   out.Text("*** Maximum tensile steel area is exceeded ***");
               } else if (rules.ductility == Ductility::MinStrain) {
                 out.Value("Strain in tensile steel     = ", p.TSteelStrain);
                 out.Value("Minimum strain              = ", MinimumNetStrain(p));
                 if (rules.flexurePhi == FlexurePhi::NetTensileStrain) {
                   out.Value("Flexure reduction factor used = ", p.PhiUsed);
                 }
                 if (p.TSteelStrain < MinimumNetStrain(p))
                   out.Text("*** Tensile steel strain is too low ***");
               } else if (rules.ductility == Ductility::StrainShown) {
                 out.Value("Strain in tensile steel     = ", p.TSteelStrain);
                 out.Value("Flexure reduction factor used = ", p.PhiUsed);
               } else {
                 out.Value("c/d                         = ", p.CDRatio);
                 // Only the codes with a maximum c/d compare with it; the user-defined
                 // code has none, and another code's leftover limit would be meaningless.
                 if (rules.ductility == Ductility::MaxCD) {
                   out.Value("Maximum c/d                 = ", p.MaxCD);
                   if (p.CDRatio > p.MaxCD) out.Text("*** Maximum c/d ratio is exceeded ***");
                 }
               }
             },
             {Needed::TensileSteelArea, Needed::TensileSteelDepth, Needed::Section});
}

namespace {
// The service displays need a service moment; without one they say so.
bool HasServiceMoment(Session& s) {
  if (s.problem.MomentMax != 0) return true;
  s.platform.MessageBox(kNoServiceMoments, Icon::None);
  return false;
}
}  // namespace

void ShowServiceLoadStress(Session& s) {
  Problem& p = s.problem;
  if (!HasServiceMoment(s)) return;
  RunDisplay(s, kShortDisplayHeight, {}, [&](Lines& out) {
    ServiceLoadStress(p);
    out.Heading("S E R V I C E   L O A D   S T R E S S:");
    out.Results(ServiceStressLines(p));
  });
}

void ShowFatigueStress(Session& s) {
  Problem& p = s.problem;
  if (!HasServiceMoment(s)) return;
  RunDisplay(s, kShortDisplayHeight, {}, [&](Lines& out) {
    ServiceLoadStress(p);
    FatigueStress(p);
    out.Heading("F A T I G U E:");
    const FatigueLines fatigue = FatigueResultLines(p);
    out.Results(fatigue.lines);
    if (!fatigue.warning.empty()) out.Text(fatigue.warning);
    out.Blank();
  });
}

void ShowCrackControl(Session& s) {
  Problem& p = s.problem;
  if (!HasServiceMoment(s)) return;
  if (p.Cover == 0) {
    s.platform.MessageBox(kNoCrackVariables, Icon::None);
    return;
  }
  RunDisplay(s, kTallDisplayHeight, {}, [&](Lines& out) {
    ServiceLoadStress(p);
    CrackControl(p);
    out.Heading("C R A C K   C O N T R O L:");
    if (CrackControlNeedsMetric(p)) {
      out.Text(kCrackControlNeedsMetric);
    } else {
      out.Results(CrackControlLines(p));
    }
  });
}

void ShowShearCapability(Session& s) {
  Problem& p = s.problem;
  const FaultMessage fault{Icon::Exclamation, kShearCapabilityTitle};
  const std::initializer_list<Needed> needs = {Needed::FactoredMoment, Needed::FactoredShear,
                                               Needed::TensileSteelArea, Needed::TensileSteelDepth,
                                               Needed::Section};
  if (const std::string missing = MissingInputs(p, needs); !missing.empty()) {
    s.platform.MessageBoxWithReason(kIncompleteInformation, fault.icon, fault.title, missing);
    return;
  }
  RunDisplay(s, kTallDisplayHeight, fault, [&](Lines& out) {
    if (!RulesOf(p).HasShearRules()) {
      out.Heading("S H E A R   C A P A B I L I T Y:");
      out.Text("*** No shear rules for this code ***");
      return;
    }
    MomentCapability(p);
    ConcreteShearStrength(p);
    if (Is(p, CodeFamily::Lrfd) && p.Beta == 0 && p.Theta == 0) {
      out.Blank();
      out.Text("*** Beta and Theta values not found for shear ***");
      return;
    }
    MaxShearStrength(p);
    out.Heading("S H E A R   C A P A B I L I T Y:");
    out.Value("Effective shear depth       = ", p.ShearDepth);
    out.Value("Concrete shear strength     = ", p.ConcShearCap);
    if (RulesOf(p).vc == TraditionalVc::Aci19Table && p.SizeEffect > 0) {
      out.Value("Size effect factor          = ", p.SizeEffect);
    }
    out.Value("Max shear strength          = ", p.MaxShearCap);
    const bool steelEntered = p.VSteelArea > 0 && p.sAv > 0;
    if (steelEntered) {
      MinimumShearSteel(p);
      MaximumShearSpacing(p);
      ShearSteelStrength(p);
      // The minimum area for the entered spacing.
      out.Value("Min shear reinf area        = ", ToFloat(Real(p.MinShearSteel) * p.sAv));
      out.Value("Max shear reinf spacing     = ", p.MaxShearSpacing);
      out.Value("Strength of shear reinf     = ", p.SteelShearCap);
      out.Value("Total shear strength        = ", ToFloat(Real(p.SteelShearCap) + p.ConcShearCap));
    }
    if (RulesOf(p).StrainShear()) {
      // The strain methods need longitudinal steel for the shear the
      // stirrups do not carry. Without shear steel, or without a spacing to
      // give its strength, the stirrups carry nothing.
      if (p.VSteelArea < 0.001 || !steelEntered) p.SteelShearCap = 0;
      MinimumLongitudinalSteel(p);
      out.Value("Min long tension reinf      = ", p.MinLongSteel);
    }
  });
}

void ShowChecks(Session& s) {
  Problem& p = s.problem;
  RunDisplay(s, kTallDisplayHeight, {}, [&](Lines& out) {
    const ProblemOption option = s.view.SelectedOption();
    const bool stopped = ComposeReport(p, option, s.platform.Now()).stoppedByFault;
    out.Heading("C H E C K S:");
    // The verdict first, so the window shows it without scrolling.
    for (const Check& c : ProblemChecks(p, option)) {
      std::string line = !c.decided ? "-       " : c.ok ? "OK      " : "NOT OK  ";
      line += c.name;
      if (c.decided) {
        line.resize(std::max<std::size_t>(line.size() + 1, 48), ' ');
        line += CheckNumber(c.demand) + (c.atMost ? " <= " : " >= ") + CheckNumber(c.limit) +
                (c.unit.empty() ? "" : " " + c.unit);
        line.resize(std::max<std::size_t>(line.size() + 2, 80), ' ');
        line += std::isfinite(c.ratio) ? FormatPattern(static_cast<float>(c.ratio), "0.000")
                                       : std::string("  -  ");
        line += "  ";
      } else {
        line += ": not decided  ";
      }
      out.Text(line + c.clause);
    }
    if (stopped) out.Text("*** A calculation stopped at a fault: the checks are incomplete ***");
  });
}

const std::vector<std::vector<std::string>>& EnglishRebarTable() {
  static const std::vector<std::vector<std::string>> table = {
      {"BAR SIZE", "AREA (IN^2)", "NOMINAL DIAMETER (IN)", "OVERALL DIAMETER (IN)"},
      {"#3", "0.11", "0.375", "0.438"},
      {"#4", "0.20", "0.500", "0.563"},
      {"#5", "0.31", "0.625", "0.688"},
      {"#6", "0.44", "0.750", "0.875"},
      {"#7", "0.60", "0.875", "1.000"},
      {"#8", "0.79", "1.000", "1.125"},
      {"#9", "1.00", "1.128", "1.250"},
      {"#10", "1.27", "1.270", "1.438"},
      {"#11", "1.56", "1.410", "1.625"},
      {"#14", "2.25", "1.693", "1.875"},
      {"#18", "4.00", "2.257", "2.500"},
  };
  return table;
}

const std::vector<std::vector<std::string>>& MetricRebarTable() {
  static const std::vector<std::vector<std::string>> table = {
      {"BAR SIZE", "AREA (mm^2)", "NOMINAL DIAMETER (mm)", "OVERALL DIAMETER (mm)"},
      {"#10", "71", "9.5", "11.1"},
      {"#13", "129", "12.7", "14.3"},
      {"#16", "199", "15.9", "17.5"},
      {"#19", "284", "19.1", "22.2"},
      {"#22", "387", "22.2", "25.4"},
      {"#25", "510", "25.4", "28.6"},
      {"#29", "645", "28.7", "31.8"},
      {"#32", "819", "32.3", "36.5"},
      {"#36", "1006", "35.8", "41.3"},
      {"#43", "1452", "43.0", "47.6"},
      {"#57", "2581", "57.3", "63.5"},
  };
  return table;
}

void ShowRebarInfo(Session& s) {
  const Problem& p = s.problem;
  if (p.Units == units::English) {
    s.results.ShowGrid(EnglishRebarTable(), kRebarTableHeight, kRebarTableWidth);
  } else if (p.Units == units::Metric) {
    s.results.ShowGrid(MetricRebarTable(), kRebarTableHeight, kRebarTableWidth);
  } else {
    s.results.ShowGridAsIs(kRebarTableHeight, kRebarTableWidth);
  }
}

void ShowResults(Session& s, ResultsDisplay display) {
  switch (display) {
    case ResultsDisplay::SectionProperties:
      return ShowSectionProperties(s);
    case ResultsDisplay::MomentCapability:
      return ShowMomentCapability(s);
    case ResultsDisplay::ServiceLoadStress:
      return ShowServiceLoadStress(s);
    case ResultsDisplay::FatigueStress:
      return ShowFatigueStress(s);
    case ResultsDisplay::CrackControl:
      return ShowCrackControl(s);
    case ResultsDisplay::ShearCapability:
      return ShowShearCapability(s);
    case ResultsDisplay::Checks:
      return ShowChecks(s);
    case ResultsDisplay::RebarTable:
      return ShowRebarInfo(s);
  }
}

namespace {

// The View command of each display, as its menu names it.
const char* ViewCommand(ResultsDisplay display) {
  switch (display) {
    case ResultsDisplay::SectionProperties:
      return "View > Section Properties";
    case ResultsDisplay::MomentCapability:
      return "View > Moment Capability";
    case ResultsDisplay::ServiceLoadStress:
      return "View > Service Load Stress";
    case ResultsDisplay::FatigueStress:
      return "View > Fatigue Stress";
    case ResultsDisplay::CrackControl:
      return "View > Crack Control Stress";
    case ResultsDisplay::ShearCapability:
      return "View > Shear Capability";
    case ResultsDisplay::Checks:
      return "View > Checks";
    case ResultsDisplay::RebarTable:
      break;
  }
  return "Help > Show Rebar Info";
}

// A platform that shows nothing: it keeps the first message and its reason,
// answers every question and dialog as cancelled, and reads the real clock.
class HeldPlatform : public Platform {
 public:
  explicit HeldPlatform(Platform& real) : real_(real) {}
  void MessageBox(const std::string& text, Icon, const std::optional<std::string>&) override {
    if (!message) message = text;
  }
  void MessageBoxWithReason(const std::string& text, Icon icon,
                            const std::optional<std::string>& title,
                            const std::string& why) override {
    if (!message) reason = why;
    MessageBox(text, icon, title);
  }
  void Beep() override {}
  int Ask(const std::string&, const std::vector<std::string>& answers,
          const std::optional<std::string>&) override {
    return static_cast<int>(answers.size()) - 1;
  }
  std::optional<FileChoice> ChooseFile(FileDialogMode, const std::string&, int,
                                       const std::string&) override {
    return std::nullopt;
  }
  std::string InputBox(const std::string&, const std::string&, const std::string&) override {
    return {};
  }
  void SetClipboardText(const std::string&) override {}
  std::string ClipboardText() override { return {}; }
  bool OpenInTextEditor(const std::string&) override { return false; }
  void ShowHelpTopic(const std::string&) override {}
  std::tm Now() override { return real_.Now(); }

  std::optional<std::string> message;
  std::string reason;

 private:
  Platform& real_;
};

// A results window that keeps what it is given until the display ends.
class HeldResults : public ResultsSink {
 public:
  void Prepare(int, int) override { lines.clear(); }
  void Print(const std::string& line) override { lines.push_back(line); }
  void Hide() override {}
  void ShowGrid(const std::vector<std::vector<std::string>>& rows, int heightTwips,
                int widthTwips) override {
    grid = rows;
    height = heightTwips;
    width = widthTwips;
  }
  void ShowGridAsIs(int heightTwips, int widthTwips) override {
    grid.emplace();
    height = heightTwips;
    width = widthTwips;
  }
  void Rewrite(const std::vector<std::string>& text) override { lines = text; }
  bool Showing() const override { return true; }

  std::vector<std::string> lines;
  std::optional<std::vector<std::vector<std::string>>> grid;
  int height = 0;
  int width = 0;
};

}  // namespace

void ShowResultsAgain(Session& s, ResultsDisplay display) {
  Problem copy = s.problem;
  ToolTips tips = s.tips;
  HeldPlatform platform(s.platform);
  HeldResults results;
  Session held{copy, tips, platform, results, s.view};
  ShowResults(held, display);
  if (platform.message) {
    std::string line = "     " + *platform.message;
    if (!platform.reason.empty()) line += ": " + platform.reason;
    line += ". " + std::string(ViewCommand(display)) + " shows it once the input is complete.";
    s.results.ShowNote(line);
  } else if (results.grid) {
    if (results.grid->empty()) {
      s.results.ShowGridAsIs(results.height, results.width);
    } else {
      s.results.ShowGrid(*results.grid, results.height, results.width);
    }
  } else {
    s.results.Rewrite(results.lines);
  }
}

}  // namespace kestal
