#include "commands/design_commands.h"

#include <exception>
#include <string>

#include "analysis/flexure_rules.h"
#include "analysis/moment_capability.h"
#include "analysis/shear_capability.h"
#include "analysis/shear_steel.h"
#include "analysis/tension_design.h"
#include "commands/input_guard.h"
#include "model/checked.h"
#include "model/code_rules.h"
#include "model/input_checks.h"
#include "model/numtext.h"

namespace kestal {

namespace {

constexpr const char* kIncompleteInformation = "Incomplete information";
constexpr const char* kTensionTitle = "Tension Reinforcing";
constexpr const char* kShearTitle = "Shear Reinforcing";

}  // namespace

void CalcTensionSteel(Session& s) {
  Problem& p = s.problem;
  if (RefusesImpossibleInput(s, kIncompleteInformation, Icon::Exclamation, kTensionTitle)) return;
  p.TSteelArea = 0;
  if (!(p.MomentUlt > 0 && p.DepthT > 0 && p.SectionDefined >= 1)) {
    s.platform.MessageBoxWithReason(
        kIncompleteInformation, Icon::Exclamation, kTensionTitle,
        MissingInputs(p, {Needed::FactoredMoment, Needed::TensileSteelDepth, Needed::Section}));
    s.view.RefreshMainWindow();
    return;
  }
  try {
    DesignTensionSteel(p);
    // The design ends by showing its area in the tensile steel box.
    s.view.RefreshBox("txtTSteelArea");
    // ACI 318-19 9.3.3.1: the area that reaches the moment is not
    // tension-controlled; tension steel alone is no design.
    // AASHTO LRFD 9th: no area of tension steel alone reaches the moment.
    const bool unreached =
        RulesOf(p).flexurePhi == FlexurePhi::LrfdNetStrain && p.MomentCap < p.MinDesignMoment;
    if (unreached || (RulesOf(p).flexurePhi == FlexurePhi::NetTensileStrain &&
                      p.TSteelStrain < MinimumNetStrain(p))) {
      s.platform.MessageBox("Section needs compression steel or a larger size", Icon::Exclamation,
                            kTensionTitle);
      s.view.RefreshMainWindow();
      return;
    }
    if (p.Units == units::English) {
      s.platform.MessageBox("Required As = " + MessageForm(p.TSteelArea) + " in^2",
                            Icon::Information, kTensionTitle);
    } else if (p.Units == units::Metric) {
      s.platform.MessageBox("Required As = " + MessageForm(p.TSteelArea) + " mm^2",
                            Icon::Information, kTensionTitle);
    }
    s.view.RefreshMainWindow();
  } catch (const std::exception&) {
    // A moment that tension steel alone cannot reach, or missing materials.
    s.platform.MessageBox(kIncompleteInformation, Icon::Exclamation, kTensionTitle);
    // The box shows the area the record now holds, not the one before.
    s.view.RefreshBox("txtTSteelArea");
  }
}

void CalcShearSteel(Session& s) {
  Problem& p = s.problem;
  if (RefusesImpossibleInput(s, kIncompleteInformation, Icon::Exclamation, kShearTitle)) return;
  p.VSteelArea = 0;
  if (p.MomentUlt <= 0 || p.ShearUlt <= 0 || p.TSteelArea <= 0 || p.DepthT <= 0 ||
      p.SectionDefined <= 0) {
    s.platform.MessageBoxWithReason(
        kIncompleteInformation, Icon::Exclamation, kShearTitle,
        MissingInputs(p, {Needed::FactoredMoment, Needed::FactoredShear, Needed::TensileSteelArea,
                          Needed::TensileSteelDepth, Needed::Section}));
    s.view.RefreshMainWindow();
    return;
  }
  if (!RulesOf(p).HasShearRules()) {
    // Without shear rules nothing can be designed; the strengths in the
    // record belong to an earlier code and must not drive a design.
    s.platform.MessageBox("No shear rules for this code", Icon::Exclamation, kShearTitle);
    s.view.RefreshMainWindow();
    return;
  }
  try {
    MomentCapability(p);  // sets the effective shear depth
    ConcreteShearStrength(p);
    MaxShearStrength(p);
    MinimumShearSteel(p);
    MaximumShearSpacing(p);
    if (p.ShearUlt > p.MaxShearCap) {
      s.platform.MessageBox("Shear force exceeds maximum capacity = " + GeneralForm(p.MaxShearCap),
                            Icon::Critical, kShearTitle);
      s.view.RefreshBox("txtVSteelArea");
      return;
    }
    if (ToFloat(Real(p.ShearUlt) - p.ConcShearCap) > 0) {
      RequiredShearSteel(p);
      if (p.VSteelArea < p.MinShearSteel) p.VSteelArea = p.MinShearSteel;
    } else {
      // The concrete carries the shear: minimum stirrups only.
      p.VSteelArea = p.MinShearSteel;
    }
    const char* areaUnit = nullptr;
    const char* lengthUnit = nullptr;
    if (p.Units == units::English) {
      areaUnit = " in^2/in";
      lengthUnit = " in";
    } else if (p.Units == units::Metric) {
      areaUnit = " mm^2/mm";
      lengthUnit = " mm";
    } else {
      return;
    }
    s.platform.MessageBox("Required Av/s= " + GeneralForm(p.VSteelArea) + areaUnit + "\r" +
                              "Maximum spacing = " + GeneralForm(p.MaxShearSpacing) + lengthUnit,
                          Icon::Information, kShearTitle);
    s.view.RefreshMainWindow();
  } catch (const std::exception&) {
    s.platform.MessageBox(kIncompleteInformation, Icon::Exclamation, kShearTitle);
    s.view.RefreshBox("txtVSteelArea");
  }
}

}  // namespace kestal
