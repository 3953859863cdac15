#include "model/problem_ops.h"

#include <bit>
#include <cstdint>
#include <utility>

#include "model/checked.h"
#include "model/code_criteria.h"
#include "model/code_rules.h"
#include "model/materials.h"
#include "model/numtext.h"
#include "model/record_fields.h"

namespace kestal {

ProblemOption OptionForProblemType(std::string_view problemType) {
  if (problemType == problem_type::Design) return ProblemOption::Design;
  if (problemType == problem_type::VDesign) return ProblemOption::VDesign;
  return ProblemOption::Review;
}

void ResetDimensions(Problem& p) {
  p.RecB = 0;
  p.RecH = 0;
  p.BoxH = 0;
  p.BoxBtop = 0;
  p.BoxHtop = 0;
  p.BoxBbot = 0;
  p.BoxHbot = 0;
  p.BoxBweb = 0;
  p.TeeH = 0;
  p.TeeBtop = 0;
  p.TeeHtop = 0;
  p.TeeBweb = 0;
  p.SectionDefined = 0;
}

void ResetParameters(Problem& p) {
  p.SectionType = section::Rectangular;
  p.MomentUlt = 0;
  p.MomentMax = 0;
  p.MomentMin = 0;
  p.ShearUlt = 0;
  p.sAv = 0;
  p.TSteelArea = 0;
  p.CSteelArea = 0;
  p.VSteelArea = 0;
  p.DepthT = 0;
  p.DepthC = 0;
  p.Cover = 0;
  p.EffArea = 0;
  p.OutSectProp = 1;
  p.OutMomCap = 1;
  p.OutShearCap = 0;
  p.OutServLoad = 0;
  p.OutFatStress = 0;
  p.OutCrackCon = 0;
}

void StartUp(Problem& p, ToolTips& tips) {
  p.Units = units::English;
  p.ProblemType = problem_type::Design;
  p.CodeKey = code::AREMA;
  SetUnitFactors(p);
  SetCodeDefaults(p);
  ResetParameters(p);
  SetToolTips(p, tips);
}

void ChooseProblemType(Problem& p, ProblemOption option) {
  if (p.FormUpdating == 1) return;
  switch (option) {
    case ProblemOption::Design:
      p.ProblemType = problem_type::Design;
      p.OutSectProp = 1;
      p.OutMomCap = 1;
      p.OutShearCap = 0;
      break;
    case ProblemOption::VDesign:
      p.ProblemType = problem_type::VDesign;
      p.OutSectProp = 1;
      p.OutMomCap = 0;
      p.OutShearCap = 1;
      break;
    case ProblemOption::Review:
      p.ProblemType = problem_type::Review;
      p.OutSectProp = 1;
      p.OutMomCap = 1;
      p.OutShearCap = 1;
      break;
  }
  p.OutServLoad = 0;
  p.OutFatStress = 0;
  p.OutCrackCon = 0;
}

namespace {

// A unit switch reloads the code defaults in the new units and starts the
// problem afresh, since stored numbers are never converted.
void SwitchUnits(Problem& p, const char* units) {
  p.Units = units;
  SetUnitFactors(p);
  SetCodeDefaults(p);
  ResetParameters(p);
  ResetDimensions(p);
}

// A code that works in Metric units only: English selects Metric again.
bool IsCanadian(const std::string& code) {
  return EditionOf(code).units != UnitsPolicy::Either;
}

}  // namespace

void ChooseMetric(Problem& p) {
  if (p.FormUpdating == 1) return;
  SwitchUnits(p, units::Metric);
}

void ChooseEnglish(Problem& p) {
  if (p.FormUpdating == 1) return;
  // The Canadian codes are worked in Metric units only: the English choice
  // selects Metric again, with the full Metric switch.
  if (IsCanadian(p.CodeKey)) {
    ChooseMetric(p);
    return;
  }
  SwitchUnits(p, units::English);
}

void ChooseCode(Problem& p, std::string_view key) {
  p.CodeKey = std::string(key);
  if (EditionOf(p.CodeKey).units == UnitsPolicy::Metric) {
    p.Units = units::Metric;
    SetUnitFactors(p);
  }
  SetCodeDefaults(p);
}

bool HoldsEnteredValues(const Problem& p) {
  Problem fresh = p;
  SwitchUnits(fresh, p.Units.c_str());
  if (fresh.SectionType != p.SectionType) return true;
  for (const BoxField& f : BoxFields()) {
    if (std::bit_cast<std::uint32_t>(fresh.*f.field) != std::bit_cast<std::uint32_t>(p.*f.field)) {
      return true;
    }
  }
  return false;
}

void EnterConcreteStrength(Problem& p, std::string_view text) {
  p.ConcreteStrength = EntryValue(text);
  if (EditionOf(p).family != CodeFamily::UserDefined && p.ConcreteStrength > 0)
    SetMaterialFromStrength(p);
}

EntryEffect EnterBoxText(Problem& p, std::string_view box, std::string_view text) {
  if (box == "txtConcreteStrength") {
    try {
      EnterConcreteStrength(p, text);
    } catch (const CalcError&) {
      return EntryEffect::MaterialsFault;
    }
    return EditionOf(p).family != CodeFamily::UserDefined && p.ConcreteStrength > 0
               ? EntryEffect::MaterialsDerived
               : EntryEffect::FieldOnly;
  }
  if (const BoxField* field = FindBox(box)) p.*(field->field) = EntryValue(text);
  return EntryEffect::FieldOnly;
}

void InvertCurrentSection(Problem& p) {
  const float* height = nullptr;
  if (p.SectionType == section::Rectangular) height = &p.RecH;
  if (p.SectionType == section::Box) height = &p.BoxH;
  if (p.SectionType == section::Tee) height = &p.TeeH;
  float depthT = p.DepthT;
  float depthC = p.DepthC;
  if (height != nullptr) {
    depthT = ToFloat(Real(*height) - p.DepthC);
    depthC = ToFloat(Real(*height) - p.DepthT);
  }
  std::swap(p.TSteelArea, p.CSteelArea);
  p.DepthT = depthT;
  p.DepthC = depthC;
  if (p.SectionType == section::Tee) p.TeeBtop = p.TeeBweb;
}

}  // namespace kestal
