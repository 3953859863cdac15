#include "model/code_rules.h"

namespace kestal {

namespace {

// Crack control inputs of the rules with a cover to the bar's centre, an
// effective tension area and an exposure factor.
constexpr CrackInputs kZFactorInputs{
    true, "Conc Cover to Center of Bar:", "Effective Tension Area:", "Exposure Factor:", true,
    true};

constexpr CrackInputs kLrfdInputs{
    true, "Conc Cover to Center of Bar:", nullptr, "Exposure Factor:", false, true};
constexpr CrackInputs kAciInputs{true, "Clear Concrete Cover:", nullptr, nullptr, false, false};
constexpr CrackInputs kS6Inputs{
    true, "Rebar x Load Type Factor:", "Rebar Diameter:", "Max Crack Width:", true, true};

const CodeEdition kEditions[] = {
    {code::AREMA,
     CodeFamily::Arema,
     "",
     {"mnuAREMA", "AREMA", "Code = AREMA", "AREMA Manual for Railway Engineering", "Code  = AREMA",
      kZFactorInputs},
     UnitsPolicy::Either,
     {ShearMethod::Traditional, Ductility::MaxSteelArea, 0, false}},
    {code::AASHTO,
     CodeFamily::Aashto,
     "",
     {"mnuAASHTO", "AASHTO", "Code = AASHTO", "AASHTO Bridge Design Specifications",
      "Code  = AASHTO", kZFactorInputs},
     UnitsPolicy::Either,
     {ShearMethod::Traditional, Ductility::MaxSteelArea, 0, false}},
    {code::LRFD,
     CodeFamily::Lrfd,
     "",
     {"mnuLRFD", "AASHTO LRFD", "Code = AASHTO LRFD", "AASHTO LRFD Bridge Design Specifications",
      "Code  = AASHTO LRFD", kLrfdInputs},
     UnitsPolicy::Either,
     {ShearMethod::LrfdStrain, Ductility::MinStrain, 0.005f, false}},
    {code::LRFD9,
     CodeFamily::Lrfd,
     "9th Edition (2020)",
     {"mnuLRFD9", "AASHTO LRFD 9th Ed.", "Code = AASHTO LRFD 9th Ed.",
      "AASHTO LRFD Bridge Design Specifications, 9th Edition (2020)", "Code  = AASHTO LRFD 9th Ed.",
      kLrfdInputs},
     UnitsPolicy::Either,
     {ShearMethod::LrfdEquations, Ductility::StrainShown, 0, false, FlexurePhi::LrfdNetStrain,
      EffInertia::BransonCubic, TraditionalVc::VuDOverMu, AciForms::Earlier, LrfdForms::Ninth}},
    {code::ACI,
     CodeFamily::Aci,
     "",
     {"mnuACI", "ACI 318", "Code = ACI 318",
      "ACI-318 Building Code Requirements for Structural Concrete", "Code  = ACI-318", kAciInputs},
     UnitsPolicy::Either,
     {ShearMethod::Traditional, Ductility::MinStrain, 0.004f, true}},
    {code::ACI19,
     CodeFamily::Aci,
     "2019",
     {"mnuACI19", "ACI 318-19", "Code = ACI 318-19",
      "ACI 318-19 Building Code Requirements for Structural Concrete", "Code  = ACI 318-19",
      kAciInputs},
     UnitsPolicy::Either,
     {ShearMethod::Traditional, Ductility::MinStrain, 0.004f, true, FlexurePhi::NetTensileStrain,
      EffInertia::TwoThirdsCracking, TraditionalVc::Aci19Table, AciForms::Aci19}},
    {code::S6,
     CodeFamily::S6,
     "",
     {"mnuS6", "CAN/CSA-S6", "Code = CAN/CSA-S6", "CAN/CSA-S6 Canadian Highway Bridge Design Code",
      "Code  = CAN/CSA-S6", kS6Inputs},
     UnitsPolicy::Metric,
     {ShearMethod::CsaStrain, Ductility::MaxCD, 0, false}},
    {code::S619,
     CodeFamily::S6,
     "2019",
     // No S6-19 provision could be confirmed from a published source: every
     // rule is that of "s6", and the report says so.
     {"mnuS619", "CSA S6-19", "Code = CSA S6-19", "CSA S6:19 Canadian Highway Bridge Design Code",
      "Code  = CSA S6-19", kS6Inputs,
      "Rules = those of CAN/CSA-S6 for every provision (S6-19 text not confirmed)"},
     UnitsPolicy::Metric,
     {ShearMethod::CsaStrain, Ductility::MaxCD, 0, false}},
    {code::CSA,
     CodeFamily::Csa,
     "",
     {"mnuCSA", "CSA-A23.3", "Code = CSA-A23.3", "CSA A23.3 Design of Concrete Structures",
      "Code  = CSA A23.3", kZFactorInputs},
     UnitsPolicy::Metric,
     {ShearMethod::CsaStrain, Ductility::MaxCD, 0, false}},
    {code::CSA19,
     CodeFamily::Csa,
     "2019",
     {"mnuCSA19", "CSA A23.3-19", "Code = CSA A23.3-19",
      "CSA A23.3:19 Design of Concrete Structures", "Code  = CSA A23.3-19", kZFactorInputs},
     UnitsPolicy::Metric,
     {ShearMethod::CsaStrain, Ductility::MaxCD, 0, true, FlexurePhi::Constant,
      EffInertia::HalfRupture, TraditionalVc::VuDOverMu, AciForms::Earlier, LrfdForms::Earlier,
      CsaForms::A23_3_19}},
    {code::UD,
     CodeFamily::UserDefined,
     "",
     // The criteria are not those of a named code: no report line, and the
     // crack control labels stay as the previous code left them.
     {"mnuUD", "USER DEFINED", "Code = USER DEFINED", "User Defined Criteria", nullptr, {}},
     UnitsPolicy::Either,
     {ShearMethod::None, Ductility::None, 0, false}},
    {code::OHBDC,
     CodeFamily::Ohbdc,
     "",
     // Only input files bring it: no menu item, and no report line.
     {nullptr,
      nullptr,
      "Code = OHBDC",
      "OHBDC Ontario Highway Bridge Design Code",
      nullptr,
      {true, "Clear Concrete Cover:", "Clear Rebar Spacing:", "Exposure Factor:", true, true}},
     UnitsPolicy::MetricUnlessChosen,
     {ShearMethod::None, Ductility::MaxCD, 0, false}},
};

const CodeEdition kNoCode{};

}  // namespace

std::string_view CodeName(const CodeEdition& code) {
  if (code.text.reportLine != nullptr) {
    const std::string_view line = code.text.reportLine;
    const std::size_t equals = line.find("= ");
    if (equals != std::string_view::npos) return line.substr(equals + 2);
  }
  return code.text.menuCaption != nullptr ? code.text.menuCaption : code.key;
}

std::span<const CodeEdition> Editions() {
  return kEditions;
}

const CodeEdition& EditionOf(std::string_view codeKey) {
  for (const CodeEdition& e : kEditions) {
    if (codeKey == e.key) return e;
  }
  return kNoCode;
}

const CodeRules& RulesOf(std::string_view codeKey) {
  return EditionOf(codeKey).rules;
}

bool IsKnownCode(std::string_view codeKey) {
  return &EditionOf(codeKey) != &kNoCode;
}

}  // namespace kestal
