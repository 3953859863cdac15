#pragma once

// What each code key is, in one table: its family and edition, its texts
// (menu, status panel, report, crack-control inputs), the unit systems it
// works in, and which rule each provision uses (the shear method, the
// ductility limit, the minimum reinforcement). Code asks the row, never the
// key string; a code key outside the table has the explicit "no code" row.

#include <span>
#include <string_view>

#include "model/problem.h"

namespace kestal {

enum class ShearMethod {
  None,           // no shear rules ("ohbdc", "ud")
  Traditional,    // Vc from sqrt(f'c), d as the shear depth ("aashto", "aci", "arema")
  LrfdStrain,     // general method with the beta and theta tables ("lrfd")
  LrfdEquations,  // general procedure with beta and theta by equation ("lrfd9")
  CsaStrain,      // Canadian strain method ("csa", "s6")
};

enum class Ductility {
  None,          // no limit ("ud")
  MaxSteelArea,  // 0.75 of the balanced area ("aashto", "arema")
  MinStrain,     // net tensile strain at least minStrain ("aci", "lrfd")
  MaxCD,         // c/d at most MaxCD ("csa", "s6", "ohbdc")
  StrainShown,   // no limit: a low strain only lowers phi ("lrfd9")
};

// The flexure reduction factor: the constant Phi, or by the net tensile
// strain from 0.65 (compression-controlled) to Phi (ACI 318-19 Table 21.2.2).
enum class FlexurePhi {
  Constant,
  NetTensileStrain,  // ACI 318-19 Table 21.2.2
  LrfdNetStrain,     // AASHTO LRFD 9th 5.5.4.2: 0.75 to Phi between eps_cl and eps_tl
};

// The effective moment of inertia under the service moment: Branson's cubic
// interpolation, or ACI 318-19 Table 24.2.3.5 with (2/3) Mcr.
enum class EffInertia {
  BransonCubic,
  TwoThirdsCracking,  // ACI 318-19 Table 24.2.3.5
  HalfRupture,        // CSA A23.3-19 9.8.2.3: Branson's form with Mcr from fr / 2
};

// The concrete shear strength of the traditional codes: Vc = (1.9 sqrt(f'c)
// + 2500 rho_w Vu d / Mu) bw d, or the ACI 318-19 Table 22.5.5.1 forms with
// rho_w^(1/3) and the size effect factor.
enum class TraditionalVc { VuDOverMu, Aci19Table };

// What the ACI family's SI forms and steel limits follow: the earlier
// editions, or ACI 318-19 (fr = 0.62 sqrt(f'c), beta1 from 28 MPa, fy at
// most 80 ksi in the minimum flexural steel and fyt at most 60 ksi for
// shear, the crack spacing 380 (280 / fs) - 2.5 cc, the stirrup spacing
// with its absolute limits).
enum class AciForms { Earlier, Aci19 };

// What the LRFD family's materials, minimum steel, crack control and
// fatigue follow: the earlier edition of "lrfd", or the 9th (Ec from the unit
// weight, alpha1 above 10 ksi, gamma3 gamma1 Mcr and 1.33 Mu, fss at most
// 0.6 fy, the fatigue threshold 26 - 22 fmin / fy ksi for gamma 1.75).
enum class LrfdForms { Earlier, Ninth };

// What the CSA A23.3 rules follow: the earlier edition of "csa", or 2019
// (dv = max(0.9 d, 0.72 h), sqrt(f'c) at most 8 MPa, sze from the aggregate
// wherever Av < Av,min, ag fading to 0 from 60 to 70 MPa, the spacing limits
// in mm, the minimum tension steel by area, z beside its two limits).
enum class CsaForms { Earlier, A23_3_19 };

struct CodeRules {
  ShearMethod shear = ShearMethod::None;
  Ductility ductility = Ductility::None;
  float minStrain = 0;  // Ductility::MinStrain only
  // ACI: a minimum area by formula; the other codes meet the minimum through
  // the design moment (1.2 Mcr or 4/3 Mu).
  bool minimumAreaByFormula = false;
  FlexurePhi flexurePhi = FlexurePhi::Constant;
  EffInertia effInertia = EffInertia::BransonCubic;
  TraditionalVc vc = TraditionalVc::VuDOverMu;
  AciForms aci = AciForms::Earlier;
  LrfdForms lrfd = LrfdForms::Earlier;
  CsaForms csa = CsaForms::Earlier;

  bool HasShearRules() const { return shear != ShearMethod::None; }
  // The strain methods, which also ask for the minimum longitudinal steel.
  bool StrainShear() const {
    return shear == ShearMethod::LrfdStrain || shear == ShearMethod::LrfdEquations ||
           shear == ShearMethod::CsaStrain;
  }
};

enum class CodeFamily { None, Arema, Aashto, Lrfd, Aci, Csa, S6, Ohbdc, UserDefined };

enum class UnitsPolicy {
  Either,  // English or Metric
  Metric,  // Metric only: choosing the code selects Metric; English selects Metric again
  // "ohbdc": English selects Metric again, but choosing the code (which no
  // menu offers) leaves the units as they are
  MetricUnlessChosen,
};

// What the crack control inputs mean under the code's rule: each label's
// caption (null: the label stays as it is) and which of the two optional
// boxes are shown. `relabel` false: nothing changes (user-defined criteria).
struct CrackInputs {
  bool relabel = false;
  const char* cover = nullptr;
  const char* effArea = nullptr;
  const char* expFactor = nullptr;
  bool effAreaShown = false;
  bool expFactorShown = false;
};

struct CodeText {
  const char* menuAction = nullptr;   // objectName of its Code menu item; null: no item
  const char* menuCaption = nullptr;  // null exactly when there is no item
  const char* panel = nullptr;        // status panel text ("Code = ACI 318")
  const char* longName = nullptr;     // the panel's tool tip
  const char* reportLine = nullptr;   // the report's code line; null: none
  CrackInputs crack;
  // A line of the report's criteria block saying whose rules an edition
  // works by where its own could not be confirmed; null: none.
  const char* rulesNote = nullptr;
};

struct CodeEdition {
  std::string_view key;  // as in the input file
  CodeFamily family = CodeFamily::None;
  std::string_view edition;  // "" for the rules the family first had here
  CodeText text;
  UnitsPolicy units = UnitsPolicy::Either;
  CodeRules rules;
};

// Every known key, in the Code menu's order (keys without an item last).
std::span<const CodeEdition> Editions();
// The row of a key; the "no code" row (family None, no texts, no rules) for
// any other text.
const CodeEdition& EditionOf(std::string_view codeKey);
inline const CodeEdition& EditionOf(const Problem& p) {
  return EditionOf(p.CodeKey);
}

// The code's own name, as its report line gives it ("CSA A23.3", "CAN/CSA-S6");
// the menu caption of a code without a report line.
std::string_view CodeName(const CodeEdition& code);

const CodeRules& RulesOf(std::string_view codeKey);
// True for the eight keys of the table, compared exactly.
bool IsKnownCode(std::string_view codeKey);
inline const CodeRules& RulesOf(const Problem& p) {
  return RulesOf(p.CodeKey);
}

}  // namespace kestal
