#include "model/units.h"
#include "model/code_rules.h"

namespace kestal {

void SetUnitFactors(Problem& p) {
  p.KiloFactor = 1000;
  if (p.Units == units::English) {
    p.MomentArmFactor = 12;
    p.MomentFactor = 12000;
    p.InchPerLength = 1;
    p.PsiPerStress = 1;
    p.RootStressDivisor = 1;
  } else if (p.Units == units::Metric) {
    p.MomentArmFactor = 1000;
    p.MomentFactor = 1000000;
    // Millimetres to inches as the float nearest 0.0394 (0.039400000125...).
    p.InchPerLength = 0.0394f;
    p.PsiPerStress = 145;
    // A psi coefficient of sqrt(f'c) divided by 12 serves f'c in MPa.
    p.RootStressDivisor = 12;
  }
}

namespace {

struct UnitTip {
  const char* control;
  const char* english;
  const char* metric;
};

const UnitTip kUnitTips[] = {
    {"txtMomentUlt", "Factored moment in kip-ft", "Factored moment in kN-m"},
    {"txtMomentMax", "Maximum service moment in kip-ft", "Maximum service moment in kN-m"},
    {"txtMomentMin", "Minimum service moment in kip-ft", "Minimum service moment in kN-m"},
    {"txtShearUlt", "Factored shear in kips", "Factored shear in kN"},
    {"txtTSteelArea", "Tension steel area in inches^2", "Tension steel area in mm^2"},
    {"txtCSteelArea", "Compression steel area in inches^2", "Compression steel area in mm^2"},
    {"txtVSteelArea", "Shear steel area in inches^2", "Shear steel area in mm^2"},
    {"txtsAv", "Shear steel spacing in inches", "Shear steel spacing in mm"},
    {"txtDepthT", "Depth to tension steel in inches", "Depth to tension steel in millimeters"},
    {"txtDepthC", "Depth to compression steel in inches",
     "Depth to compression steel in millimeters"},
    {"txtConcreteStrength", "Ultimate concrete compressive strength in psi",
     "Ultimate concrete compressive strength in MPa"},
    {"txtSteelStrength", "Reinforcing steel yield strength in psi",
     "Reinforcing steel yield strength in MPa"},
    {"txtRecB", "Section width in inches", "Section width in millimeters"},
    {"txtRecH", "Section height in inches", "Section height in millimeters"},
    {"txtBoxH", "Total section height in inches", "Total section height in millimeters"},
    {"txtTeeH", "Total section height in inches", "Total section height in millimeters"},
    {"txtBoxBtop", "Top flange width in inches", "Top flange width in millimeters"},
    {"txtTeeBtop", "Top flange width in inches", "Top flange width in millimeters"},
    {"txtBoxHtop", "Top flange thickness in inches", "Top flange thickness in millimeters"},
    {"txtTeeHtop", "Top flange thickness in inches", "Top flange thickness in millimeters"},
    {"txtBoxBbot", "Bottom flange width in inches", "Bottom flange width in millimeters"},
    {"txtBoxHbot", "Bottom flange thickness in inches", "Bottom flange thickness in millimeters"},
    {"txtBoxBweb", "Total web width in inches", "Total web width in millimeters"},
    {"txtTeeBweb", "Total web width in inches", "Total web width in millimeters"},
    {"txtEc", "Concrete modulus of elasticity in psi", "Concrete modulus of elasticity in MPa"},
    {"txtEr", "Reinforcing modulus of elasticity in psi",
     "Reinforcing modulus of elasticity in MPa"},
    {"txtAg", "Maximum aggregate size in inches", "Maximum aggregate size in millimeters"},
    {"txtfrup", "Concrete modulus of rupture in psi", "Concrete modulus of rupture in MPa"},
};

// Tips of the three crack-control boxes; a null text leaves the box's tip as
// it was.
struct CrackTips {
  const char* cover;
  const char* effArea;
  const char* expFactor;
};

CrackTips CrackControlTips(CodeFamily code, bool english) {
  if (code == CodeFamily::Arema || code == CodeFamily::Aashto || code == CodeFamily::Csa) {
    if (english) {
      return {"Concrete cover to center of rebar in inches", "Effective tension area in inches^2",
              "Exposure factor in lbs/inch"};
    }
    return {"Concrete cover to center of rebar in millimeters", "Effective tension area in mm^2",
            "Exposure factor in N/mm"};
  }
  if (code == CodeFamily::Lrfd) {
    return {english ? "Concrete cover to center of rebar in inches"
                    : "Concrete cover to center of rebar in millimeters",
            nullptr, "Exposure factor"};
  }
  if (code == CodeFamily::Aci) {
    return {english ? "Clear concrete cover to rebar in inches"
                    : "Clear concrete cover to rebar in millimeters",
            nullptr, nullptr};
  }
  if (code == CodeFamily::Ohbdc || code == CodeFamily::S6) {
    if (english) {
      return {"Clear concrete cover to rebar in inches", "Clear spacing between rebars in inches",
              "Exposure factor in lbs/inch"};
    }
    if (code == CodeFamily::Ohbdc) {
      return {"Clear concrete cover to rebar in millimeters",
              "Clear spacing between rebars in millimeters", "Exposure factor in N/mm"};
    }
    // The S6 crack width rule asks for other quantities in these boxes.
    return {"Rebar x load type factor", "Rebar diameter in millimeters",
            "Max crack width in millimeters"};
  }
  // The user-defined code has no crack-control inputs of its own.
  return {nullptr, nullptr, nullptr};
}

}  // namespace

void SetToolTips(const Problem& p, ToolTips& tips) {
  tips["txtEmax"] = "Maximum strain";
  tips["txtA1"] = "Ratio of compression block stress";
  tips["txtB1"] = "Ratio of compression block depth";
  tips["txtPhi"] = "Strength reduction factor for flexure";
  tips["txtVPhi"] = "Strength reduction factor for shear";
  tips["txtphiReinf"] = "Reinforcing resistance factor";
  tips["txtphiConc"] = "Concrete resistance factor";
  tips["optDesign"] = "Set design tensile steel problem type";
  tips["optVDesign"] = "Set design shear steel problem type";
  tips["optReview"] = "Set review problem type";
  tips["optEnglish"] = "Set English units";
  tips["optMetric"] = "Set Metric units";
  tips["cmdCalcTSArea"] = "Calculate required tensile steel area";
  tips["cmdCalcVSArea"] = "Calculate required shear steel area";
  tips["txtModularRatio"] = "Modular ratio";
  tips["cboSectionType"] = "Select section type";
  tips["cmdSectionDimensions"] = "Set section dimensions";
  tips["cmdResetDim"] = "Reset section dimensions";
  tips["cmdClose"] = "Close form and calculation section properties";

  const bool english = p.Units == units::English;
  for (const UnitTip& tip : kUnitTips) tips[tip.control] = english ? tip.english : tip.metric;

  const CrackTips crack = CrackControlTips(EditionOf(p).family, english);
  if (crack.cover != nullptr) tips["txtCover"] = crack.cover;
  if (crack.effArea != nullptr) tips["txtEffArea"] = crack.effArea;
  if (crack.expFactor != nullptr) tips["txtExpFactor"] = crack.expFactor;
}

}  // namespace kestal
