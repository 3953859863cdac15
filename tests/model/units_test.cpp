#include "model/units.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/record_fields.h"

namespace kestal {
namespace {

using namespace support;

struct FactorRow {
  const char* units;
  float moment_arm, moment, inch_per_length, psi_per_stress, root_stress_divisor;
};

TEST(SetUnitFactors, FactorsOfBothSystems) {
  const FactorRow rows[] = {
      {"English", 12, 12000, 1, 1, 1},
      {"Metric", 1000, 1000000, 0.0394f, 145, 12},
  };
  for (const auto& row : rows) {
    Problem p = MarkedProblem();
    p.Units = row.units;
    const Problem before = p;
    SetUnitFactors(p);
    EXPECT_EQ(p.KiloFactor, 1000) << row.units;
    EXPECT_EQ(p.MomentArmFactor, row.moment_arm) << row.units;
    EXPECT_EQ(p.MomentFactor, row.moment) << row.units;
    EXPECT_EQ(p.InchPerLength, row.inch_per_length) << row.units;
    EXPECT_EQ(p.PsiPerStress, row.psi_per_stress) << row.units;
    EXPECT_EQ(p.RootStressDivisor, row.root_stress_divisor) << row.units;
    EXPECT_EQ(ChangedFields(before, p),
              (std::vector<std::string>{"KiloFactor", "MomentArmFactor", "MomentFactor",
                                        "InchPerLength", "PsiPerStress", "RootStressDivisor"}));
  }
}

TEST(SetUnitFactors, MetricInchIsTheFloatNearest0_0394) {
  Problem p;
  p.Units = "Metric";
  SetUnitFactors(p);
  EXPECT_EQ(static_cast<double>(p.InchPerLength), static_cast<double>(0.0394f));
  EXPECT_NE(static_cast<double>(p.InchPerLength), 0.0394);
}

TEST(SetUnitFactors, OtherUnitTextsSetOnlyKiloFactor) {
  for (const char* units : {"", "metric", "ENGLISH", "SI", "English "}) {
    Problem p = MarkedProblem();
    p.Units = units;
    const Problem before = p;
    SetUnitFactors(p);
    EXPECT_EQ(p.KiloFactor, 1000) << units;
    EXPECT_EQ(ChangedFields(before, p), std::vector<std::string>{"KiloFactor"}) << units;
  }
}

const char* const kFixedTips[][2] = {
    {"txtEmax", "Maximum strain"},
    {"txtA1", "Ratio of compression block stress"},
    {"txtB1", "Ratio of compression block depth"},
    {"txtPhi", "Strength reduction factor for flexure"},
    {"txtVPhi", "Strength reduction factor for shear"},
    {"txtphiReinf", "Reinforcing resistance factor"},
    {"txtphiConc", "Concrete resistance factor"},
    {"optDesign", "Set design tensile steel problem type"},
    {"optVDesign", "Set design shear steel problem type"},
    {"optReview", "Set review problem type"},
    {"optEnglish", "Set English units"},
    {"optMetric", "Set Metric units"},
    {"cmdCalcTSArea", "Calculate required tensile steel area"},
    {"cmdCalcVSArea", "Calculate required shear steel area"},
    {"txtModularRatio", "Modular ratio"},
    {"cboSectionType", "Select section type"},
    {"cmdSectionDimensions", "Set section dimensions"},
    {"cmdResetDim", "Reset section dimensions"},
    {"cmdClose", "Close form and calculation section properties"},
};

const char* const kUnitTips[][3] = {
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

TEST(SetToolTips, FixedAndUnitTipsForEveryCodeAndUnitText) {
  struct UnitsCase {
    const char* units;
    int column;  // 1 English, 2 Metric
  };
  const UnitsCase unitCases[] = {{"English", 1}, {"Metric", 2}, {"", 2}, {"english", 2}};
  for (const auto& u : unitCases) {
    for (const char* code : {"aashto", "arema", "lrfd", "aci", "csa", "s6", "ohbdc", "ud", "x"}) {
      Problem p;
      p.Units = u.units;
      p.CodeKey = code;
      ToolTips tips;
      SetToolTips(p, tips);
      for (const auto& tip : kFixedTips) EXPECT_EQ(tips[tip[0]], tip[1]) << tip[0];
      for (const auto& tip : kUnitTips) {
        EXPECT_EQ(tips[tip[0]], tip[u.column]) << tip[0] << " " << u.units << " " << code;
      }
    }
  }
}

TEST(SetToolTips, NamesNoOtherControls) {
  Problem p;
  p.Units = "English";
  p.CodeKey = "arema";
  ToolTips tips;
  SetToolTips(p, tips);
  EXPECT_EQ(tips.size(), std::size(kFixedTips) + std::size(kUnitTips) + 3);
}

struct CrackTipCase {
  const char* code;
  const char* units;
  const char* cover;  // nullptr: keeps the tip it had
  const char* effArea;
  const char* expFactor;
};

TEST(SetToolTips, CrackControlTipsByCode) {
  const char* kCoverIn = "Concrete cover to center of rebar in inches";
  const char* kCoverMm = "Concrete cover to center of rebar in millimeters";
  const char* kClearIn = "Clear concrete cover to rebar in inches";
  const char* kClearMm = "Clear concrete cover to rebar in millimeters";
  const char* kAreaIn = "Effective tension area in inches^2";
  const char* kAreaMm = "Effective tension area in mm^2";
  const char* kZIn = "Exposure factor in lbs/inch";
  const char* kZMm = "Exposure factor in N/mm";
  const char* kSpacingIn = "Clear spacing between rebars in inches";
  const char* kSpacingMm = "Clear spacing between rebars in millimeters";
  const CrackTipCase cases[] = {
      {"arema", "English", kCoverIn, kAreaIn, kZIn},
      {"aashto", "English", kCoverIn, kAreaIn, kZIn},
      {"csa", "English", kCoverIn, kAreaIn, kZIn},
      {"arema", "Metric", kCoverMm, kAreaMm, kZMm},
      {"aashto", "Metric", kCoverMm, kAreaMm, kZMm},
      {"csa", "Metric", kCoverMm, kAreaMm, kZMm},
      {"csa", "", kCoverMm, kAreaMm, kZMm},
      {"lrfd", "English", kCoverIn, nullptr, "Exposure factor"},
      {"lrfd", "Metric", kCoverMm, nullptr, "Exposure factor"},
      {"aci", "English", kClearIn, nullptr, nullptr},
      {"aci", "Metric", kClearMm, nullptr, nullptr},
      {"ohbdc", "English", kClearIn, kSpacingIn, kZIn},
      {"s6", "English", kClearIn, kSpacingIn, kZIn},
      {"ohbdc", "Metric", kClearMm, kSpacingMm, kZMm},
      {"s6", "Metric", "Rebar x load type factor", "Rebar diameter in millimeters",
       "Max crack width in millimeters"},
      {"s6", "metric", "Rebar x load type factor", "Rebar diameter in millimeters",
       "Max crack width in millimeters"},
      {"ud", "English", nullptr, nullptr, nullptr},
      {"ud", "Metric", nullptr, nullptr, nullptr},
      {"unknown", "English", nullptr, nullptr, nullptr},
  };
  for (const auto& c : cases) {
    Problem p;
    p.Units = c.units;
    p.CodeKey = c.code;
    ToolTips tips{
        {"txtCover", "previous 1"}, {"txtEffArea", "previous 2"}, {"txtExpFactor", "previous 3"}};
    SetToolTips(p, tips);
    const std::string label = std::string(c.code) + " " + c.units;
    EXPECT_EQ(tips["txtCover"], c.cover ? c.cover : "previous 1") << label;
    EXPECT_EQ(tips["txtEffArea"], c.effArea ? c.effArea : "previous 2") << label;
    EXPECT_EQ(tips["txtExpFactor"], c.expFactor ? c.expFactor : "previous 3") << label;
  }
}

}  // namespace
}  // namespace kestal
