#include "model/units.h"
#include "model/code_rules.h"

#include <string>

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
  Quantity quantity;
  const char* english;
  const char* metric;
};

const UnitTip kUnitTips[] = {
    {"txtMomentUlt", Quantity::Moment, "Factored moment in kip-ft", "Factored moment in kN-m"},
    {"txtMomentMax", Quantity::Moment, "Maximum service moment in kip-ft",
     "Maximum service moment in kN-m"},
    {"txtMomentMin", Quantity::Moment, "Minimum service moment in kip-ft",
     "Minimum service moment in kN-m"},
    {"txtShearUlt", Quantity::Force, "Factored shear in kips", "Factored shear in kN"},
    {"txtTSteelArea", Quantity::Area, "Tension steel area in inches^2",
     "Tension steel area in mm^2"},
    {"txtCSteelArea", Quantity::Area, "Compression steel area in inches^2",
     "Compression steel area in mm^2"},
    {"txtVSteelArea", Quantity::Area, "Shear steel area in inches^2", "Shear steel area in mm^2"},
    {"txtsAv", Quantity::Length, "Shear steel spacing in inches", "Shear steel spacing in mm"},
    {"txtDepthT", Quantity::Length, "Depth to tension steel in inches",
     "Depth to tension steel in millimeters"},
    {"txtDepthC", Quantity::Length, "Depth to compression steel in inches",
     "Depth to compression steel in millimeters"},
    {"txtConcreteStrength", Quantity::Stress, "Ultimate concrete compressive strength in psi",
     "Ultimate concrete compressive strength in MPa"},
    {"txtSteelStrength", Quantity::Stress, "Reinforcing steel yield strength in psi",
     "Reinforcing steel yield strength in MPa"},
    {"txtRecB", Quantity::Length, "Section width in inches", "Section width in millimeters"},
    {"txtRecH", Quantity::Length, "Section height in inches", "Section height in millimeters"},
    {"txtBoxH", Quantity::Length, "Total section height in inches",
     "Total section height in millimeters"},
    {"txtTeeH", Quantity::Length, "Total section height in inches",
     "Total section height in millimeters"},
    {"txtBoxBtop", Quantity::Length, "Top flange width in inches",
     "Top flange width in millimeters"},
    {"txtTeeBtop", Quantity::Length, "Top flange width in inches",
     "Top flange width in millimeters"},
    {"txtBoxHtop", Quantity::Length, "Top flange thickness in inches",
     "Top flange thickness in millimeters"},
    {"txtTeeHtop", Quantity::Length, "Top flange thickness in inches",
     "Top flange thickness in millimeters"},
    {"txtBoxBbot", Quantity::Length, "Bottom flange width in inches",
     "Bottom flange width in millimeters"},
    {"txtBoxHbot", Quantity::Length, "Bottom flange thickness in inches",
     "Bottom flange thickness in millimeters"},
    {"txtBoxBweb", Quantity::Length, "Total web width in inches", "Total web width in millimeters"},
    {"txtTeeBweb", Quantity::Length, "Total web width in inches", "Total web width in millimeters"},
    {"txtEc", Quantity::Stress, "Concrete modulus of elasticity in psi",
     "Concrete modulus of elasticity in MPa"},
    {"txtEr", Quantity::Stress, "Reinforcing modulus of elasticity in psi",
     "Reinforcing modulus of elasticity in MPa"},
    {"txtAg", Quantity::Length, "Maximum aggregate size in inches",
     "Maximum aggregate size in millimeters"},
    {"txtfrup", Quantity::Stress, "Concrete modulus of rupture in psi",
     "Concrete modulus of rupture in MPa"},
};

// Tips of the three crack-control boxes and what each box holds; a null
// text leaves the box's tip as it was.
struct CrackTips {
  const char* cover;
  const char* effArea;
  const char* expFactor;
  Quantity coverQuantity = Quantity::Length;
  Quantity effAreaQuantity = Quantity::Area;
  Quantity expFactorQuantity = Quantity::ForcePerLength;
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
            nullptr,
            "Exposure factor",
            Quantity::Length,
            Quantity::Area,
            Quantity::None};
  }
  if (code == CodeFamily::Aci) {
    return {english ? "Clear concrete cover to rebar in inches"
                    : "Clear concrete cover to rebar in millimeters",
            nullptr, nullptr};
  }
  if (code == CodeFamily::Ohbdc || code == CodeFamily::S6) {
    if (english) {
      return {"Clear concrete cover to rebar in inches", "Clear spacing between rebars in inches",
              "Exposure factor in lbs/inch", Quantity::Length, Quantity::Length};
    }
    if (code == CodeFamily::Ohbdc) {
      return {"Clear concrete cover to rebar in millimeters",
              "Clear spacing between rebars in millimeters", "Exposure factor in N/mm",
              Quantity::Length, Quantity::Length};
    }
    // The S6 crack width rule asks for other quantities in these boxes.
    return {"Rebar x load type factor",
            "Rebar diameter in millimeters",
            "Max crack width in millimeters",
            Quantity::None,
            Quantity::Length,
            Quantity::Length};
  }
  // The user-defined code has no crack-control inputs of its own.
  return {nullptr, nullptr, nullptr};
}

}  // namespace

std::string_view UnitName(Quantity quantity, bool english) {
  switch (quantity) {
    case Quantity::Moment:
      return english ? "kip-ft" : "kN\u00b7m";
    case Quantity::Force:
      return english ? "kips" : "kN";
    case Quantity::Length:
      return english ? "in" : "mm";
    case Quantity::Area:
      return english ? "in\u00b2" : "mm\u00b2";
    case Quantity::Stress:
      return english ? "psi" : "MPa";
    case Quantity::ForcePerLength:
      return english ? "lb/in" : "N/mm";
    case Quantity::None:
      break;
  }
  return {};
}

Quantity BoxQuantity(const Problem& p, std::string_view box) {
  for (const UnitTip& tip : kUnitTips) {
    if (box == tip.control) return tip.quantity;
  }
  const CrackTips crack = CrackControlTips(EditionOf(p).family, p.Units == units::English);
  if (box == "txtCover") return crack.coverQuantity;
  if (box == "txtEffArea") return crack.effAreaQuantity;
  if (box == "txtExpFactor") return crack.expFactorQuantity;
  return Quantity::None;
}

std::string_view BoxUnit(const Problem& p, std::string_view box) {
  if (p.Units != units::English && p.Units != units::Metric) return {};
  return UnitName(BoxQuantity(p, box), p.Units == units::English);
}

std::string ResultsTitle(const Problem& p) {
  const bool english = p.Units == units::English;
  if (!english && p.Units != units::Metric) return "Results";
  std::string title = english ? "Results \u2014 English: " : "Results \u2014 Metric: ";
  for (const Quantity q : {Quantity::Length, Quantity::Stress, Quantity::Force}) {
    title += std::string(UnitName(q, english)) + ", ";
  }
  return title + std::string(UnitName(Quantity::Moment, english));
}

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
