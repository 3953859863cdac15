#include "files/report.h"

#include <string_view>

#include "analysis/crack_control.h"
#include "analysis/cracked_section.h"
#include "analysis/fatigue.h"
#include "analysis/flexure_rules.h"
#include "analysis/moment_capability.h"
#include "analysis/service_stress.h"
#include "analysis/shear_capability.h"
#include "analysis/shear_steel.h"
#include "analysis/tension_design.h"
#include "files/replace_file.h"
#include "files/result_lines.h"
#include "model/checked.h"
#include "model/code_rules.h"
#include "model/numtext.h"

#define KESTAL_STRINGIFY_(x) #x
#define KESTAL_STRINGIFY(x) KESTAL_STRINGIFY_(x)

namespace kestal {

namespace {

constexpr const char* kDoubleRule = "====================================================";

bool Is(const Problem& p, CodeFamily family) {
  return EditionOf(p).family == family;
}

// The report as it grows. Each line is complete when added, so a calculation
// fault leaves exactly the lines written before it.
class Lines {
 public:
  // A whole report is a few kilobytes: room for it from the start, so the
  // text is not copied over and over as it grows.
  explicit Lines(char separator) : sep_(separator) { text_.reserve(8192); }

  // Heading: five spaces, then the text.
  void H(std::string_view text) { Add(kFiveSpaces, text); }
  // Warning: ten spaces, then the text.
  void W(std::string_view text) { Add(kTenSpaces, text); }
  // Blank line.
  void B() { EndLine(); }
  // A value and its form: a pattern of FormatPattern, or the general form G
  // when there is none. The number's text goes straight into the report.
  struct Number {
    float value;
    std::string_view pattern;
  };
  static Number F2(float v) { return {v, "0.00"}; }
  static Number F3(float v) { return {v, "0.000"}; }
  static Number F4(float v) { return {v, "0.0000"}; }
  static Number E4(float v) { return {v, "0.0000E+00"}; }
  static Number G(float v) { return {v, {}}; }

  // Value: ten spaces, the label (which carries its own "= "), the value text.
  void V(std::string_view label, Number n) {
    text_ += kTenSpaces;
    text_ += label;
    if (n.pattern.empty()) {
      AppendGeneralForm(text_, n.value, sep_);
    } else {
      AppendPattern(text_, n.value, n.pattern, sep_);
    }
    EndLine();
  }
  void Raw(std::string_view line) { Add({}, line); }

  void Results(const std::vector<ResultLine>& lines) {
    for (const ResultLine& l : lines) V(l.label, l.input ? G(l.value) : E4(l.value));
  }

  std::string& text() { return text_; }

 private:
  static constexpr std::string_view kFiveSpaces = "     ";
  static constexpr std::string_view kTenSpaces = "          ";

  void Add(std::string_view indent, std::string_view text) {
    text_ += indent;
    text_ += text;
    EndLine();
  }
  void EndLine() {
    text_.push_back('\r');
    text_.push_back('\n');
  }

  char sep_;
  std::string text_;
};

class Composer {
 public:
  Composer(Problem& p, ProblemOption option, const std::tm& now, char sep,
           const ReportCalculations& calcs)
      : p_(p), option_(option), now_(now), out_(sep), calc_(calcs) {}

  void Run() {
    p_.VersionText = ProgramVersionText();
    Header();
    DesignCriteria();
    MaterialProperties();
    ReinforcingSteel();
    DesignLoads();
    SectionProperties();
    if (option_ == ProblemOption::Design) {
      MomentDesign();
    } else if (option_ == ProblemOption::VDesign && !Is(p_, CodeFamily::UserDefined)) {
      ShearDesign();
    } else if (option_ == ProblemOption::Review) {
      Review();
    }
  }

  std::string& text() { return out_.text(); }

 private:
  void Header() {
    auto& o = out_;
    if (!p_.OutputTitle.empty()) {
      o.H(p_.OutputTitle);
      o.B();
    }
    o.H("* * * * * * * * * * * * * * * * * * * * * * * * * * *");
    o.H("*                                                   *");
    o.H("*           P R O G R A M   K E S T A L             *");
    o.H("*                                                   *");
    o.H("*                   OUTPUT DATA                     *");
    o.H("*                                                   *");
    o.H("* * * * * * * * * * * * * * * * * * * * * * * * * * *");
    o.Raw(VersionLine(p_.VersionText, now_));
    o.B();
    o.H("Output file = " + p_.OutputFileTitle);
    o.B();
    o.H(ProblemLine());
    o.B();
  }

  const char* ProblemLine() const {
    if (p_.ProblemType == problem_type::Design) return "Moment design problem";
    if (p_.ProblemType == problem_type::VDesign) return "Shear design problem";
    if (p_.OutMomCap == 1 && p_.OutShearCap == 0) return "Moment review problem";
    if (p_.OutMomCap == 0 && p_.OutShearCap == 1) return "Shear review problem";
    return "Shear and moment review problem";
  }

  // "ohbdc", "ud": the criteria are not those of a named code, no line.
  const char* CodeLine() const { return EditionOf(p_).text.reportLine; }

  // The cracking moment the minimum reinforcement is measured by.
  void CrackingMomentLine() {
    auto& o = out_;
    if (RulesOf(p_).lrfd == LrfdForms::Ninth) {
      // AASHTO LRFD 9th 5.6.3.3: gamma3 gamma1 Mcr.
      o.V("Factored cracking moment   = ", o.E4(p_.CrackMoment12));
      o.V("   Flexural cracking gamma1 = ", o.F2(1.6f));
      o.V("   A615 Grade 60 gamma3     = ", o.F2(0.67f));
    } else {
      o.V("1.2 * Cracking moment      = ", o.E4(p_.CrackMoment12));
    }
  }

  void DesignCriteria() {
    auto& o = out_;
    o.H("D E S I G N   C R I T E R I A");
    o.H(kDoubleRule);
    o.B();
    if (const char* line = CodeLine()) o.H(line);
    if (const char* note = EditionOf(p_).text.rulesNote) o.H(note);
    if (p_.Units == units::Metric) {
      o.H("Units = Metric (Newtons, millimeters - shear and moments in kN-m)");
    } else {
      o.H("Units = English (pounds, inches - shear and moments in kip-ft)");
    }
    o.B();
    o.H("STRENGTH REDUCTION AND RESISTANCE FACTORS:");
    o.B();
    o.V("Flexure reduction factor            = ", o.F2(p_.Phi));
    o.V("Shear reduction factor              = ", o.F2(p_.VPhi));
    o.V("Concrete resistance factor          = ", o.F2(p_.PhiConc));
    o.V("Reinforcing resistance factor       = ", o.F2(p_.PhiReinf));
    o.B();
    o.H("STRESS BLOCK:");
    o.B();
    o.V("Ratio of average concrete strength  = ", o.F4(p_.A1));
    o.V("Ratio of depth of compression block = ", o.F4(p_.B1));
    o.V("Maximum concrete strain             = ", o.F4(p_.Emax));
    o.B();
  }

  void MaterialProperties() {
    auto& o = out_;
    o.H("M A T E R I A L   P R O P E R T I E S");
    o.H(kDoubleRule);
    o.B();
    o.V("Concrete compressive strength       = ", o.G(p_.ConcreteStrength));
    o.V("Concrete modulus of elasticity      = ", o.E4(p_.Ec));
    o.V("Concrete modulus of rupture         = ", o.G(p_.Frup));
    o.V("Reinforcing yield strength          = ", o.G(p_.SteelStrength));
    o.V("Reinforcing modulus of elasticity   = ", o.E4(p_.Er));
    o.V("Modular ratio                       = ", o.G(p_.ModularRatio));
    o.V("Maximum aggregate size              = ", o.F3(p_.Ag));
    // ACI 318-19 19.2.4, CSA A23.3-19 8.6.5: normal-density concrete, lambda = 1.
    if (RulesOf(p_).aci == AciForms::Aci19 || RulesOf(p_).csa == CsaForms::A23_3_19) {
      o.V("Lightweight concrete factor lambda  = ", o.F2(1));
    }
    o.B();
  }

  void ReinforcingSteel() {
    auto& o = out_;
    o.H("R E I N F O R C I N G   S T E E L");
    o.H(kDoubleRule);
    o.B();
    // A moment design computes the tensile area and a shear design the shear
    // steel, so those inputs are not echoed for them.
    if (p_.ProblemType != problem_type::Design) {
      o.V("Tensile reinf area         = ", o.G(p_.TSteelArea));
    }
    o.V("Depth to tensile reinf     = ", o.G(p_.DepthT));
    o.V("Compressive reinf area     = ", o.G(p_.CSteelArea));
    o.V("Depth to compressive reinf = ", o.G(p_.DepthC));
    if (p_.ProblemType != problem_type::VDesign) {
      o.V("Shear reinf area           = ", o.G(p_.VSteelArea));
      o.V("Shear reinf spacing        = ", o.G(p_.sAv));
    }
    o.B();
  }

  void DesignLoads() {
    auto& o = out_;
    o.H("D E S I G N   L O A D S");
    o.H(kDoubleRule);
    o.B();
    o.V("Factored (ultimate) moment  = ", o.G(p_.MomentUlt));
    o.V("Maximum service load moment = ", o.G(p_.MomentMax));
    o.V("Minimum service load moment = ", o.G(p_.MomentMin));
    o.V("Factored (ultimate) shear   = ", o.G(p_.ShearUlt));
    o.B();
  }

  void SectionProperties() {
    auto& o = out_;
    o.H("S E C T I O N   P R O P E R T I E S");
    o.H(kDoubleRule);
    o.B();
    switch (p_.SectionType) {
      case section::Rectangular:
        o.H("RECTANGULAR SECTION:");
        o.B();
        o.V("Width  = ", o.G(p_.RecB));
        o.V("Height = ", o.G(p_.RecH));
        break;
      case section::Box:
        o.H("BOX or I SECTION:");
        o.B();
        o.V("Height                  = ", o.G(p_.BoxH));
        o.V("Top flange width        = ", o.G(p_.BoxBtop));
        o.V("Top flange thickness    = ", o.G(p_.BoxHtop));
        o.V("Bottom flange width     = ", o.G(p_.BoxBbot));
        o.V("Bottom flange thickness = ", o.G(p_.BoxHbot));
        o.V("Total web thickness     = ", o.G(p_.BoxBweb));
        break;
      case section::Tee:
        o.H("TEE SECTION:");
        o.B();
        o.V("Height               = ", o.G(p_.TeeH));
        o.V("Top flange width     = ", o.G(p_.TeeBtop));
        o.V("Top flange thickness = ", o.G(p_.TeeHtop));
        o.V("Total web thickness  = ", o.G(p_.TeeBweb));
        break;
      default:
        break;
    }
    if (p_.OutSectProp > 0) {
      calc_.SectionInertias(p_);
      o.B();
      o.H("PROPERTIES:");
      o.B();
      o.Results(SectionPropertyLines(p_));
    }
    o.B();
  }

  // The entry test of the moment design, the shear design and the shear
  // review: the loads, the steel and the section they need.
  bool HasDesignInputs() const {
    return p_.MomentUlt > 0 && p_.DepthT > 0 && p_.SectionDefined > 0;
  }
  bool HasShearInputs() const { return HasDesignInputs() && p_.ShearUlt > 0 && p_.TSteelArea > 0; }

  void MomentDesign() {
    if (!HasDesignInputs()) return;
    calc_.DesignTensionSteel(p_);
    auto& o = out_;
    o.H("M O M E N T   D E S I G N   C A L C U L A T I O N S");
    o.H(kDoubleRule);
    o.B();
    o.H("MINIMUM REINFORCING:");
    o.B();
    const CodeRules& rules = RulesOf(p_);
    if (!rules.minimumAreaByFormula) {
      CrackingMomentLine();
      o.V("Design moment              = ", o.E4(p_.MinDesignMoment));
    } else {
      // The ACI minimum rule has already raised the designed area.
      o.V("Minimum tensile reinf area = ", o.E4(p_.TSteelArea));
    }
    o.B();
    o.H("MAXIMUM REINFORCING:");
    o.B();
    if (rules.ductility == Ductility::MaxSteelArea) {
      o.V("Maximum tensile reinf area  = ", o.E4(p_.MaxTSteelArea));
    } else if (rules.ductility == Ductility::MinStrain) {
      o.V("Strain in tensile reinf     = ", o.E4(p_.TSteelStrain));
      o.V("Minimum strain              = ", o.E4(MinimumNetStrain(p_)));
      if (rules.flexurePhi == FlexurePhi::NetTensileStrain) {
        o.V("Flexure reduction factor used = ", o.E4(p_.PhiUsed));
      }
    } else if (rules.ductility == Ductility::MaxCD) {
      o.V("c/d                         = ", o.E4(p_.CDRatio));
      o.V("Maximum c/d                 = ", o.E4(p_.MaxCD));
    } else if (rules.ductility == Ductility::StrainShown) {
      o.V("Strain in tensile reinf     = ", o.E4(p_.TSteelStrain));
      o.V("Flexure reduction factor used = ", o.E4(p_.PhiUsed));
    }
    o.B();
    o.H("COMPUTED REINFORCING:");
    o.B();
    o.V("Stress block depth          = ", o.E4(p_.BlockDepth));
    // Under ACI the minimum rule leaves the strength-required area in
    // MinTSteelArea; TSteelArea holds the area after the minimum rule.
    const float required = rules.minimumAreaByFormula ? p_.MinTSteelArea : p_.TSteelArea;
    o.V("Required tensile reinf area = ", o.E4(required));
    o.B();
    if (rules.ductility == Ductility::MaxSteelArea) {
      if (p_.TSteelArea > p_.MaxTSteelArea) {
        o.B();
        o.W("*** Maximum tensile reinf area is exceeded ***");
      }
    } else if (rules.ductility == Ductility::MinStrain) {
      if (p_.TSteelStrain < MinimumNetStrain(p_)) {
        o.B();
        // ACI 318-19 9.3.3.1: no tension-controlled area exists for this moment.
        o.W(rules.flexurePhi == FlexurePhi::NetTensileStrain
                ? "*** Section needs compression steel or a larger size ***"
                : "*** Tensile reinf strain is too low ***");
      }
    } else if (rules.ductility == Ductility::MaxCD) {
      if (p_.CDRatio > p_.MaxCD) {
        o.B();
        o.W("*** Maximum c/d ratio is exceeded ***");
      }
    } else if (rules.ductility == Ductility::StrainShown) {
      // No area of tension steel alone reaches the design moment.
      if (p_.MomentCap < p_.MinDesignMoment) {
        o.B();
        o.W("*** Section needs compression steel or a larger size ***");
      }
    }
  }

  // "ohbdc" has no shear rules: the shear blocks say so instead of printing
  // whatever the shear fields held before.
  void NoShearRules() {
    out_.B();
    out_.W("*** No shear rules for this code ***");
  }

  void ShearDesign() {
    if (!HasShearInputs()) return;
    auto& o = out_;
    if (!RulesOf(p_).HasShearRules()) {
      o.H("S H E A R   D E S I G N   C A L C U L A T I O N S");
      o.H(kDoubleRule);
      NoShearRules();
      return;
    }
    // The moment capability gives the effective shear depth.
    calc_.MomentCapability(p_);
    calc_.ConcreteShearStrength(p_);
    if (Is(p_, CodeFamily::Lrfd) && p_.Beta == 0 && p_.Theta == 0) {
      o.B();
      o.H("*** Beta and Theta values not found for shear ***");
      return;
    }
    calc_.MaxShearStrength(p_);
    calc_.MinimumShearSteel(p_);
    calc_.MaximumShearSpacing(p_);
    o.H("S H E A R   D E S I G N   C A L C U L A T I O N S");
    o.H(kDoubleRule);
    o.B();
    o.H("CONCRETE SHEAR CAPABILITY:");
    o.B();
    o.V("Effective shear depth    = ", o.E4(p_.ShearDepth));
    o.V("Concrete shear strength  = ", o.E4(p_.ConcShearCap));
    o.V("Maximum shear strength   = ", o.E4(p_.MaxShearCap));
    o.B();
    if (p_.ShearUlt > p_.MaxShearCap) {
      o.B();
      o.W("*** Design shear exceeds maximum shear strength ***");
      o.B();
      return;
    }
    // The required Av/s replaces the shear steel input, never below the
    // code minimum.
    if (ToFloat(Real(p_.ShearUlt) - p_.ConcShearCap) > 0) {
      calc_.RequiredShearSteel(p_);
      if (p_.VSteelArea < p_.MinShearSteel) p_.VSteelArea = p_.MinShearSteel;
    } else {
      p_.VSteelArea = p_.MinShearSteel;
    }
    o.H("COMPUTED REINFORCING:");
    o.B();
    o.V("Required Av / s      = ", o.E4(p_.VSteelArea));
    o.V("Minimum Av / s       = ", o.E4(p_.MinShearSteel));
    o.V("Max reinf spacing    = ", o.E4(p_.MaxShearSpacing));
    o.B();
  }

  void Review() {
    calc_.MomentCapability(p_);
    if (p_.OutMomCap > 0) MomentReview();
    // The service stresses are brought up to date whenever service moments
    // are given, whatever is selected for printing.
    if (p_.MomentMax != 0) calc_.ServiceLoadStress(p_);
    if (p_.MomentMax != 0 && p_.OutServLoad > 0) ServiceLoadStressLines();
    if (p_.MomentMax != 0 && p_.OutFatStress > 0) Fatigue();
    if (p_.Cover != 0 && p_.OutCrackCon > 0) CrackControlLines();
    ShearReview();
  }

  void MomentReview() {
    auto& o = out_;
    o.H("M O M E N T   R E V I E W   C A L C U L A T I O N S");
    o.H(kDoubleRule);
    o.B();
    o.H("MINIMUM REINFORCING:");
    o.B();
    const CodeRules& rules = RulesOf(p_);
    if (!rules.minimumAreaByFormula) {
      CrackingMomentLine();
      if (p_.MinDesignMoment > 0) o.V("Design moment              = ", o.E4(p_.MinDesignMoment));
    } else {
      o.V("Minimum tensile reinf area = ", o.E4(p_.MinTSteelArea));
      if (p_.TSteelArea < p_.MinTSteelArea) {
        o.B();
        o.W("*** Tensile reinf area below minimum required ***");
      }
    }
    o.B();
    o.H("MAXIMUM REINFORCING:");
    o.B();
    if (rules.ductility == Ductility::MaxSteelArea) {
      o.V("Maximum tensile reinf area = ", o.E4(p_.MaxTSteelArea));
      if (p_.TSteelArea > p_.MaxTSteelArea) {
        o.B();
        o.W("*** Maximum tensile reinf area is exceeded ***");
      }
    } else if (rules.ductility == Ductility::MinStrain) {
      o.V("Strain in tensile reinf    = ", o.E4(p_.TSteelStrain));
      o.V("Minimum strain             = ", o.E4(MinimumNetStrain(p_)));
      if (rules.flexurePhi == FlexurePhi::NetTensileStrain) {
        o.V("Flexure reduction factor used = ", o.E4(p_.PhiUsed));
      }
      if (p_.TSteelStrain < MinimumNetStrain(p_)) {
        o.B();
        o.W("*** Tensile reinf strain is too low ***");
      }
    } else if (rules.ductility == Ductility::MaxCD) {
      o.V("c/d                        = ", o.E4(p_.CDRatio));
      o.V("Maximum c/d                = ", o.E4(p_.MaxCD));
      if (p_.CDRatio > p_.MaxCD) {
        o.B();
        o.W("*** Maximum c/d ratio is exceeded ***");
      }
    } else if (rules.ductility == Ductility::StrainShown) {
      o.V("Strain in tensile reinf    = ", o.E4(p_.TSteelStrain));
      o.V("Flexure reduction factor used = ", o.E4(p_.PhiUsed));
    }
    o.B();
    o.H("MOMENT CAPABILITY:");
    o.B();
    o.V("Ultimate moment capability  = ", o.E4(p_.MomentCap));
    o.V("Stress block depth          = ", o.E4(p_.BlockDepth));
    // Compression steel counts only below this depth, as in the capability.
    if (p_.DepthC > 0.005f) {
      o.V("Stress in compression steel = ", o.E4(ToFloat(Real(p_.Er) * p_.CSteelStrain)));
    }
    if (p_.MomentCap < p_.MomentUlt) {
      o.B();
      o.W("*** Design moment exceeds capacity ***");
    }
    o.B();
  }

  void ServiceLoadStressLines() {
    auto& o = out_;
    o.H("SERVICE LOAD STRESS:");
    o.B();
    o.Results(ServiceStressLines(p_));
    o.B();
  }

  void Fatigue() {
    calc_.FatigueStress(p_);
    auto& o = out_;
    o.H("FATIGUE:");
    o.B();
    const FatigueLines fatigue = FatigueResultLines(p_);
    o.Results(fatigue.lines);
    if (!fatigue.warning.empty()) o.W(fatigue.warning);
    o.B();
  }

  void CrackControlLines() {
    auto& o = out_;
    if (CrackControlNeedsMetric(p_)) {
      o.H("CRACK CONTROL:");
      o.B();
      o.W(kCrackControlNeedsMetric);
      o.B();
      return;
    }
    // Crack control follows the cover, not the service moment; without a
    // service moment the stresses were not worked out above, and the rule must
    // not run on the stresses of an earlier calculation.
    if (p_.MomentMax == 0) calc_.ServiceLoadStress(p_);
    calc_.CrackControl(p_);
    o.H("CRACK CONTROL:");
    o.B();
    o.Results(kestal::CrackControlLines(p_));
    o.B();
  }

  void ShearReview() {
    if (!HasShearInputs() || p_.OutShearCap <= 0 || Is(p_, CodeFamily::UserDefined)) return;
    auto& o = out_;
    o.H("S H E A R   R E V I E W   C A L C U L A T I O N S");
    o.H(kDoubleRule);
    o.B();
    if (!RulesOf(p_).HasShearRules()) {
      o.W("*** No shear rules for this code ***");
      return;
    }
    calc_.ConcreteShearStrength(p_);
    if (Is(p_, CodeFamily::Lrfd) && p_.Beta == 0 && p_.Theta == 0) {
      o.H("*** Beta and Theta values not found for shear ***");
      return;
    }
    if (p_.VSteelArea > 0) {
      calc_.MaxShearStrength(p_);
      calc_.MinimumShearSteel(p_);
      calc_.MaximumShearSpacing(p_);
      calc_.ShearSteelStrength(p_);
    }
    // A section without shear steel gets no strength from it, whatever an
    // earlier calculation left.
    if (p_.VSteelArea < 0.001f) p_.SteelShearCap = 0;
    o.H("CONCRETE SHEAR CAPABILITY:");
    o.B();
    o.V("Effective shear depth      = ", o.E4(p_.ShearDepth));
    o.V("Concrete shear strength    = ", o.E4(p_.ConcShearCap));
    // ACI 318-19 Table 22.5.5.1 (c): a section with less than Av,min.
    if (RulesOf(p_).vc == TraditionalVc::Aci19Table && p_.SizeEffect > 0) {
      o.V("   Size effect factor      = ", o.E4(p_.SizeEffect));
    }
    if (RulesOf(p_).StrainShear()) {
      if (p_.CrackSpacingSx > 0) {
        o.V("   Crack spacing parameter = ", o.E4(p_.CrackSpacingSx));
      }
      // The strain formulas use at least the moment that goes with the shear
      // over the shear depth.
      const float minMoment = ToFloat(Abs(Real(p_.ShearUlt) * p_.ShearDepth / p_.MomentArmFactor));
      if (minMoment > p_.MomentUlt) o.V("   Minimum moment          = ", o.E4(minMoment));
      o.V("   Longitudinal strain     = ", o.E4(p_.LongStrain));
      o.V("   Theta                   = ", o.E4(p_.Theta));
      o.V("   Beta                    = ", o.E4(p_.Beta));
    }
    if (p_.VSteelArea > 0) {
      o.B();
      o.H("SHEAR REINFORCING:");
      o.B();
      const float minArea = ToFloat(Real(p_.MinShearSteel) * p_.sAv);
      o.V("Min shear reinf area       = ", o.E4(minArea));
      if (p_.VSteelArea < minArea) {
        o.B();
        o.W("*** Shear reinf area below minimum required ***");
        o.B();
      }
      o.V("Max shear reinf spacing    = ", o.E4(p_.MaxShearSpacing));
      if (p_.sAv > p_.MaxShearSpacing) {
        o.B();
        o.W("*** Shear reinf spacing exceeds maximum allowed ***");
      }
      o.B();
      o.V("Shear reinf strength       = ", o.E4(p_.SteelShearCap));
      const float capability = ToFloat(Real(p_.ConcShearCap) + p_.SteelShearCap);
      o.V("Ultimate shear capability  = ", o.E4(capability));
      o.V("Maximum shear capability   = ", o.E4(p_.MaxShearCap));
      if (capability > p_.MaxShearCap) {
        o.B();
        o.W("*** Shear capacity exceeds maximum allowed ***");
      }
    }
    if (ToFloat(Real(p_.ConcShearCap) + p_.SteelShearCap) < p_.ShearUlt) {
      o.B();
      o.W("*** Design shear exceeds capacity ***");
    }
    if (RulesOf(p_).StrainShear()) {
      if (p_.VSteelArea < 0.001f) p_.SteelShearCap = 0;
      calc_.MinimumLongitudinalSteel(p_);
      o.B();
      o.H("MINIMUM LONGITUDINAL TENSILE REINFORCING:");
      o.B();
      o.V("Minimum reinf area         = ", o.E4(p_.MinLongSteel));
    }
  }

  Problem& p_;
  ProblemOption option_;
  const std::tm& now_;
  Lines out_;
  const ReportCalculations& calc_;
};

// The last two digits of `v`, with a leading zero below ten: "07".
void AppendTwoDigits(std::string& s, int v) {
  const std::string digits = std::to_string(v % 100);
  if (digits.size() < 2) s += '0';
  s += digits;
}

}  // namespace

const ReportCalculations& ReportCalculations::Standard() {
  // Made once: every report is composed with them.
  static const ReportCalculations standard = [] {
    ReportCalculations c;
    c.SectionInertias = &kestal::SectionInertias;
    c.MomentCapability = &kestal::MomentCapability;
    c.DesignTensionSteel = &kestal::DesignTensionSteel;
    c.ServiceLoadStress = &kestal::ServiceLoadStress;
    c.FatigueStress = &kestal::FatigueStress;
    c.CrackControl = &kestal::CrackControl;
    c.ConcreteShearStrength = &kestal::ConcreteShearStrength;
    c.MaxShearStrength = &kestal::MaxShearStrength;
    c.RequiredShearSteel = &kestal::RequiredShearSteel;
    c.MinimumShearSteel = &kestal::MinimumShearSteel;
    c.MaximumShearSpacing = &kestal::MaximumShearSpacing;
    c.ShearSteelStrength = &kestal::ShearSteelStrength;
    c.MinimumLongitudinalSteel = &kestal::MinimumLongitudinalSteel;
    return c;
  }();
  return standard;
}

std::string ProgramVersionText() {
  return KESTAL_STRINGIFY(KESTAL_VERSION_MAJOR) "." KESTAL_STRINGIFY(
      KESTAL_VERSION_MINOR) "." KESTAL_STRINGIFY(KESTAL_VERSION_PATCH);
}

std::string ReportDateTime(const std::tm& now) {
  const int hour12 = now.tm_hour % 12 == 0 ? 12 : now.tm_hour % 12;
  const char* half = now.tm_hour < 12 ? " am" : " pm";
  std::string s = std::to_string(now.tm_mon + 1);
  s += '/';
  AppendTwoDigits(s, now.tm_mday);
  s += '/';
  AppendTwoDigits(s, now.tm_year + 1900);
  s += ", ";
  s += std::to_string(hour12);
  s += ':';
  AppendTwoDigits(s, now.tm_min);
  s += half;
  return s;
}

std::string VersionLine(const std::string& versionText, const std::tm& now) {
  constexpr std::size_t kDateColumn = 40;  // counted from 1
  std::string line = "     (Version ";
  line += versionText;
  line += ')';
  if (line.size() < kDateColumn - 1) {
    line.append(kDateColumn - 1 - line.size(), ' ');
  } else {
    line += ' ';
  }
  line += ReportDateTime(now);
  return line;
}

ReportText ComposeReport(Problem& p, ProblemOption option, const std::tm& now,
                         char decimalSeparator, const ReportCalculations& calcs) {
  Composer composer(p, option, now, decimalSeparator, calcs);
  ReportText result;
  try {
    composer.Run();
  } catch (const CalcError&) {
    result.stoppedByFault = true;
  }
  result.text = std::move(composer.text());
  return result;
}

ReportOutcome WriteReport(Problem& p, ProblemOption option, const std::tm& now,
                          char decimalSeparator, const ReportCalculations& calcs,
                          std::string* error) {
  const ReportText report = ComposeReport(p, option, now, decimalSeparator, calcs);
  const FileResult written = ReplaceFile(p.OutputFile, report.text);
  if (!written) {
    if (error != nullptr) *error = written.error;
    return ReportOutcome::IoFailure;
  }
  return report.stoppedByFault ? ReportOutcome::StoppedByFault : ReportOutcome::Written;
}

}  // namespace kestal
