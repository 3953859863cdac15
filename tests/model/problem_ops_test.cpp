#include "model/problem_ops.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/problems.h"
#include "support/record_fields.h"

namespace kestal {
namespace {

using namespace support;

const std::vector<std::string> kDimensionFields = {
    "RecB",    "RecH", "BoxH",    "BoxBtop", "BoxHtop", "BoxBbot",       "BoxHbot",
    "BoxBweb", "TeeH", "TeeBtop", "TeeHtop", "TeeBweb", "SectionDefined"};

const std::vector<std::string> kParameterFields = {
    "SectionType", "MomentUlt",   "MomentMax",    "MomentMin",   "ShearUlt",
    "sAv",         "TSteelArea",  "CSteelArea",   "VSteelArea",  "DepthT",
    "DepthC",      "Cover",       "EffArea",      "OutSectProp", "OutMomCap",
    "OutShearCap", "OutServLoad", "OutFatStress", "OutCrackCon"};

// A problem with loads, steel and a defined section, as a user leaves it.
Problem WorkedProblem() {
  Problem p = Started();
  p.MomentUlt = 250;
  p.MomentMax = 160;
  p.MomentMin = 40;
  p.ShearUlt = 60;
  p.TSteelArea = 3.16f;
  p.CSteelArea = 0.62f;
  p.VSteelArea = 0.22f;
  p.sAv = 8;
  p.DepthT = 21.5f;
  p.DepthC = 2.5f;
  p.Cover = 2.5f;
  p.EffArea = 15;
  p.ExpFactor = 130000;
  SetRectangle(p, 12, 24);
  p.BoxH = 30;
  p.BoxBweb = 10;
  SetTee(p, 24, 48, 6, 12);
  p.SectionDefined = 1;
  p.OutServLoad = 1;
  p.OutCrackCon = 1;
  return p;
}

TEST(ResetDimensions, ZeroesTheTwelveDimensionsAndSectionDefinedOnly) {
  Problem p = MarkedProblem();
  const Problem before = p;
  ResetDimensions(p);
  EXPECT_EQ(ChangedFields(before, p), kDimensionFields);
  for (float v : {p.RecB, p.RecH, p.BoxH, p.BoxBtop, p.BoxHtop, p.BoxBbot, p.BoxHbot, p.BoxBweb,
                  p.TeeH, p.TeeBtop, p.TeeHtop, p.TeeBweb}) {
    EXPECT_EQ(v, 0);
  }
  EXPECT_EQ(p.SectionDefined, 0);
}

TEST(ResetParameters, ClearsLoadsAndSteelAndSelectsTheFirstTwoOutputs) {
  Problem p = MarkedProblem();
  const Problem before = p;
  ResetParameters(p);
  EXPECT_EQ(Sorted(ChangedFields(before, p)), Sorted(kParameterFields));
  EXPECT_EQ(p.SectionType, 0);
  for (float v : {p.MomentUlt, p.MomentMax, p.MomentMin, p.ShearUlt, p.sAv, p.TSteelArea,
                  p.CSteelArea, p.VSteelArea, p.DepthT, p.DepthC, p.Cover, p.EffArea}) {
    EXPECT_EQ(v, 0);
  }
  EXPECT_EQ(p.OutSectProp, 1);
  EXPECT_EQ(p.OutMomCap, 1);
  EXPECT_EQ(p.OutShearCap, 0);
  EXPECT_EQ(p.OutServLoad, 0);
  EXPECT_EQ(p.OutFatStress, 0);
  EXPECT_EQ(p.OutCrackCon, 0);
  // Kept: f'c, fy, n, the exposure factor and the dimensions.
  EXPECT_EQ(p.ExpFactor, before.ExpFactor);
  EXPECT_EQ(p.ConcreteStrength, before.ConcreteStrength);
  EXPECT_EQ(p.TeeH, before.TeeH);
}

TEST(StartUp, EnglishAremaDesignWithItsDefaults) {
  Problem p;
  ToolTips tips;
  StartUp(p, tips);
  EXPECT_EQ(p.Units, "English");
  EXPECT_EQ(p.ProblemType, "design");
  EXPECT_EQ(p.CodeKey, "arema");
  const struct {
    const char* name;
    float value;
    float expected;
  } fields[] = {
      {"ConcreteStrength", p.ConcreteStrength, 4000},
      {"SteelStrength", p.SteelStrength, 60000},
      {"Er", p.Er, 29000000},
      {"Ec", p.Ec, 3605000},
      {"ExpFactor", p.ExpFactor, 170000},
      {"Ag", p.Ag, 1},
      {"Frup", p.Frup, 474.3f},
      {"ModularRatio", p.ModularRatio, 8},
      {"Phi", p.Phi, 0.9f},
      {"VPhi", p.VPhi, 0.85f},
      {"A1", p.A1, 0.85f},
      {"B1", p.B1, 0.85f},
      {"Emax", p.Emax, 0.003f},
      {"PhiConc", p.PhiConc, 1},
      {"PhiReinf", p.PhiReinf, 1},
      {"KiloFactor", p.KiloFactor, 1000},
      {"MomentArmFactor", p.MomentArmFactor, 12},
      {"MomentFactor", p.MomentFactor, 12000},
      {"InchPerLength", p.InchPerLength, 1},
      {"PsiPerStress", p.PsiPerStress, 1},
      {"RootStressDivisor", p.RootStressDivisor, 1},
      {"MomentUlt", p.MomentUlt, 0},
      {"Cover", p.Cover, 0},
      {"EffArea", p.EffArea, 0},
      {"RecB", p.RecB, 0},
      {"TeeBweb", p.TeeBweb, 0},
  };
  for (const auto& f : fields) EXPECT_EQ(f.value, f.expected) << f.name;
  EXPECT_EQ(p.SectionType, 0);
  EXPECT_EQ(p.SectionDefined, 0);
  EXPECT_EQ(p.FormUpdating, 0);
  EXPECT_EQ(p.OutSectProp, 1);
  EXPECT_EQ(p.OutMomCap, 1);
  EXPECT_EQ(p.OutShearCap, 0);
  EXPECT_EQ(tips["txtMomentUlt"], "Factored moment in kip-ft");
  EXPECT_EQ(tips["txtCover"], "Concrete cover to center of rebar in inches");
  EXPECT_EQ(tips["txtEffArea"], "Effective tension area in inches^2");
  EXPECT_EQ(tips["optMetric"], "Set Metric units");
}

TEST(ProblemType, OptionForEachKey) {
  EXPECT_EQ(OptionForProblemType("design"), ProblemOption::Design);
  EXPECT_EQ(OptionForProblemType("Vdesign"), ProblemOption::VDesign);
  EXPECT_EQ(OptionForProblemType("review"), ProblemOption::Review);
  EXPECT_EQ(OptionForProblemType("vdesign"), ProblemOption::Review);
  EXPECT_EQ(OptionForProblemType("Design"), ProblemOption::Review);
  EXPECT_EQ(OptionForProblemType(""), ProblemOption::Review);
}

TEST(ProblemType, SwitchTable) {
  struct Row {
    ProblemOption option;
    const char* key;
    int32_t sect, mom, shear;
  };
  const Row rows[] = {
      {ProblemOption::Design, "design", 1, 1, 0},
      {ProblemOption::VDesign, "Vdesign", 1, 0, 1},
      {ProblemOption::Review, "review", 1, 1, 1},
  };
  for (const Row& from : rows) {
    for (const Row& to : rows) {
      Problem p = WorkedProblem();
      ChooseProblemType(p, from.option);
      p.OutServLoad = 1;
      p.OutFatStress = 1;
      p.OutCrackCon = 1;
      const Problem before = p;
      ChooseProblemType(p, to.option);
      const std::string label = std::string(from.key) + " to " + to.key;
      EXPECT_EQ(p.ProblemType, to.key) << label;
      EXPECT_EQ(p.OutSectProp, to.sect) << label;
      EXPECT_EQ(p.OutMomCap, to.mom) << label;
      EXPECT_EQ(p.OutShearCap, to.shear) << label;
      EXPECT_EQ(p.OutServLoad, 0) << label;
      EXPECT_EQ(p.OutFatStress, 0) << label;
      EXPECT_EQ(p.OutCrackCon, 0) << label;
      for (const std::string& name : ChangedFields(before, p)) {
        EXPECT_TRUE(name == "ProblemType" || name.rfind("Out", 0) == 0) << label << " " << name;
      }
    }
  }
}

TEST(FormUpdating, OptionHandlersDoNothingWhileTheWindowIsRefreshed) {
  struct Handler {
    const char* name;
    void (*run)(Problem&);
  };
  const Handler handlers[] = {
      {"design", [](Problem& p) { ChooseProblemType(p, ProblemOption::Design); }},
      {"Vdesign", [](Problem& p) { ChooseProblemType(p, ProblemOption::VDesign); }},
      {"review", [](Problem& p) { ChooseProblemType(p, ProblemOption::Review); }},
      {"metric", [](Problem& p) { ChooseMetric(p); }},
      {"english", [](Problem& p) { ChooseEnglish(p); }},
  };
  for (const char* code : {"arema", "csa", "lrfd"}) {
    for (const Handler& h : handlers) {
      Problem p = WorkedProblem();
      p.CodeKey = code;
      p.ProblemType = "Vdesign";
      p.FormUpdating = 1;
      const Problem before = p;
      h.run(p);
      EXPECT_TRUE(ChangedFields(before, p).empty()) << h.name << " " << code;

      p.FormUpdating = 0;
      h.run(p);
      EXPECT_FALSE(ChangedFields(before, p).empty()) << h.name << " " << code;
    }
  }
}

struct UnitSwitchCase {
  const char* code;
  bool chooseEnglish;
  const char* units;  // afterwards
  float fc, fy, ec, ag;
};

TEST(UnitSwitch, ReloadsDefaultsAndResetsTheProblem) {
  const UnitSwitchCase cases[] = {
      {"arema", false, "Metric", 28, 420, 23500, 25},
      {"arema", true, "English", 4000, 60000, 3605000, 1},
      {"aci", false, "Metric", 25, 420, 23500, 25},
      {"ud", true, "English", 4000, 60000, 3605000, 1},
      {"lrfd", false, "Metric", 28, 420, 24000, 1},  // Ag stays as it was
      // The Canadian codes are worked in Metric: English selects Metric again.
      {"csa", true, "Metric", 25, 400, 22500, 20},
      {"s6", true, "Metric", 30, 400, 25650, 20},
      {"ohbdc", true, "Metric", 30, 400, 27400, 20},
      {"csa", false, "Metric", 25, 400, 22500, 20},
  };
  for (const auto& c : cases) {
    Problem p = WorkedProblem();
    p.CodeKey = c.code;
    p.ProblemType = "review";
    p.ConcreteStrength = 6000;
    const Problem before = p;
    if (c.chooseEnglish) {
      ChooseEnglish(p);
    } else {
      ChooseMetric(p);
    }
    const std::string label = std::string(c.code) + (c.chooseEnglish ? " English" : " Metric");
    EXPECT_EQ(p.Units, c.units) << label;
    EXPECT_EQ(p.ConcreteStrength, c.fc) << label;
    EXPECT_EQ(p.SteelStrength, c.fy) << label;
    EXPECT_EQ(p.Ec, c.ec) << label;
    EXPECT_EQ(p.Ag, c.ag) << label;
    EXPECT_EQ(p.MomentArmFactor, std::string(c.units) == "Metric" ? 1000 : 12) << label;
    EXPECT_EQ(p.PsiPerStress, std::string(c.units) == "Metric" ? 145 : 1) << label;
    // Cleared by ResetParameters and ResetDimensions.
    for (float v : {p.MomentUlt, p.MomentMax, p.MomentMin, p.ShearUlt, p.TSteelArea, p.CSteelArea,
                    p.VSteelArea, p.sAv, p.DepthT, p.DepthC, p.EffArea, p.RecB, p.RecH, p.BoxH,
                    p.BoxBweb, p.TeeH, p.TeeBtop, p.TeeHtop, p.TeeBweb}) {
      EXPECT_EQ(v, 0) << label;
    }
    // s6 defaults set Cover 1.7, but the reset that follows clears it.
    EXPECT_EQ(p.Cover, 0) << label;
    EXPECT_EQ(p.SectionDefined, 0) << label;
    EXPECT_EQ(p.SectionType, 0) << label;
    EXPECT_EQ(p.OutServLoad, 0) << label;
    EXPECT_EQ(p.OutCrackCon, 0) << label;
    EXPECT_EQ(p.ProblemType, "review") << label;
    EXPECT_EQ(p.CodeKey, c.code) << label;
  }
}

TEST(UnitSwitch, RunsInFullEvenWithoutAChangeOfUnits) {
  Problem p = WorkedProblem();
  ChooseMetric(p);
  p.MomentUlt = 300;
  p.RecB = 400;
  p.SectionDefined = 1;
  p.ConcreteStrength = 35;
  ChooseMetric(p);
  EXPECT_EQ(p.MomentUlt, 0);
  EXPECT_EQ(p.RecB, 0);
  EXPECT_EQ(p.SectionDefined, 0);
  EXPECT_EQ(p.ConcreteStrength, 28);
}

struct CodeCommandCase {
  const char* unitsBefore;
  const char* code;
  const char* unitsAfter;
  float moment_arm;
  float fc, ec, a1, b1, emax, phiConc, phiReinf, phi, vPhi, cover;
};

TEST(CodeCommand, LoadsDefaultsWithoutAnyReset) {
  const CodeCommandCase cases[] = {
      {"English", "csa", "Metric", 1000, 25, 22500, 0.813f, 0.908f, 0.0035f, 0.65f, 0.85f, 1, 1,
       2.5f},
      {"English", "s6", "Metric", 1000, 30, 25650, 0.805f, 0.895f, 0.0035f, 0.75f, 0.9f, 1, 1,
       1.7f},
      {"English", "aci", "English", 12, 4000, 3605000, 0.85f, 0.85f, 0.003f, 1, 1, 0.9f, 0.75f,
       2.5f},
      {"English", "lrfd", "English", 12, 4000, 3640000, 0.85f, 0.85f, 0.003f, 1, 1, 0.9f, 0.9f,
       2.5f},
      {"English", "ud", "English", 12, 4000, 3605000, 0.85f, 0.85f, 0.003f, 1, 1, 0.9f, 0.85f,
       2.5f},
      {"Metric", "aashto", "Metric", 1000, 28, 23500, 0.85f, 0.85f, 0.003f, 1, 1, 0.9f, 0.85f,
       2.5f},
      // ohbdc has no menu command but the command procedure handles any key.
      {"English", "ohbdc", "English", 12, 30, 27400, 0.85f, 0.85f, 0.003f, 0.75f, 0.9f, 1, 1, 2.5f},
  };
  for (const auto& c : cases) {
    Problem p = WorkedProblem();
    if (std::string(c.unitsBefore) == "Metric") ChooseMetric(p);
    p.MomentUlt = 250;
    p.TeeH = 24;
    p.Cover = 2.5f;
    p.SectionDefined = 1;
    ChooseCode(p, c.code);
    const std::string label = std::string(c.unitsBefore) + " " + c.code;
    EXPECT_EQ(p.CodeKey, c.code) << label;
    EXPECT_EQ(p.Units, c.unitsAfter) << label;
    EXPECT_EQ(p.MomentArmFactor, c.moment_arm) << label;
    EXPECT_EQ(p.ConcreteStrength, c.fc) << label;
    EXPECT_EQ(p.Ec, c.ec) << label;
    EXPECT_EQ(p.A1, c.a1) << label;
    EXPECT_EQ(p.B1, c.b1) << label;
    EXPECT_EQ(p.Emax, c.emax) << label;
    EXPECT_EQ(p.PhiConc, c.phiConc) << label;
    EXPECT_EQ(p.PhiReinf, c.phiReinf) << label;
    EXPECT_EQ(p.Phi, c.phi) << label;
    EXPECT_EQ(p.VPhi, c.vPhi) << label;
    EXPECT_EQ(p.Cover, c.cover) << label;
    // Loads and dimensions keep their numbers.
    EXPECT_EQ(p.MomentUlt, 250) << label;
    EXPECT_EQ(p.TeeH, 24) << label;
    EXPECT_EQ(p.SectionDefined, 1) << label;
  }
}

TEST(CodeCommand, AggregateSizeUnderLrfd) {
  // After "aci" in Metric, "lrfd" keeps 25 mm.
  Problem p = Started();
  ChooseMetric(p);
  ChooseCode(p, "aci");
  ChooseCode(p, "lrfd");
  EXPECT_EQ(p.Ag, 25);

  // "lrfd" straight after start-up, then Metric: still the English 1.
  Problem q = Started();
  ChooseCode(q, "lrfd");
  ChooseMetric(q);
  EXPECT_EQ(q.Ag, 1);
}

TEST(CodeCommand, ChoosingTheCurrentCodeAgainOverwritesEditedCriteria) {
  Problem p = Started();
  p.Phi = 0.7f;
  p.Ec = 4000000;
  p.ConcreteStrength = 5000;
  ChooseCode(p, "arema");
  EXPECT_EQ(p.Phi, 0.9f);
  EXPECT_EQ(p.Ec, 3605000);
  EXPECT_EQ(p.ConcreteStrength, 4000);
}

struct StrengthEntryCase {
  const char* code;
  const char* text;
  float fc;
  bool derives;
};

TEST(ConcreteStrengthEntry, DerivesMaterialsOnlyForAPositiveStrengthOutsideUd) {
  const StrengthEntryCase cases[] = {
      {"aci", "5000", 5000, true},
      {"aci", "5000psi", 5000, true},
      {"arema", " 4.5E+03", 4500, true},
      {"aci", "0", 0, false},
      {"aci", "", 0, false},
      {"aci", "abc", 0, false},
      {"aci", "-", 0, false},
      {"aci", "-5000", -5000, false},
      {"ud", "5000", 5000, false},
      {"ud", "0", 0, false},
      {"lrfd", "6 000", 6000, true},
      {"aashto", "1,5", 1, true},
  };
  for (const auto& c : cases) {
    Problem p = Started();
    p.CodeKey = c.code;
    p.A1 = 0.5f;  // so that a derivation shows in A1 as well
    const Problem before = p;
    EnterConcreteStrength(p, c.text);
    const std::string label = std::string(c.code) + " '" + c.text + "'";
    EXPECT_EQ(p.ConcreteStrength, c.fc) << label;
    std::vector<std::string> expected = {"ConcreteStrength"};
    if (c.derives) expected = {"ConcreteStrength", "ModularRatio", "A1", "B1", "Ec", "Frup"};
    std::vector<std::string> changed = ChangedFields(before, p);
    // A derived value can happen to equal the old one (B1 0.85 at 4000 psi).
    if (c.derives) {
      for (const std::string& name : changed) {
        EXPECT_NE(std::find(expected.begin(), expected.end(), name), expected.end()) << label;
      }
      EXPECT_EQ(p.A1, 0.85f) << label;
    } else {
      EXPECT_EQ(Sorted(changed), Sorted(expected)) << label;
    }
  }
}

TEST(ConcreteStrengthEntry, AciEnglish5000) {
  Problem p = Started();
  ChooseCode(p, "aci");
  EnterConcreteStrength(p, "5000");
  EXPECT_EQ(p.B1, 0.8f);
  EXPECT_EQ(p.Ec, 4030509);
  EXPECT_EQ(p.Frup, 530.3f);
  EXPECT_EQ(p.ModularRatio, 7);
  EXPECT_EQ(p.Er, 29000000);
  EXPECT_EQ(p.SteelStrength, 60000);
}

}  // namespace
}  // namespace kestal

namespace kestal {
namespace {

using namespace support;

TEST(BoxEntry, EveryBoxStoresItsFieldAndOnlyFcDerives) {
  Problem p = Started();
  Problem before = p;
  EXPECT_EQ(EnterBoxText(p, "txtBoxH", "12abc"), EntryEffect::FieldOnly);
  EXPECT_EQ(ChangedFields(before, p), std::vector<std::string>{"BoxH"});
  EXPECT_EQ(p.BoxH, 12);
  before = p;
  EXPECT_EQ(EnterBoxText(p, "txtNothing", "5"), EntryEffect::FieldOnly);
  EXPECT_TRUE(ChangedFields(before, p).empty());
  EXPECT_EQ(EnterBoxText(p, "txtConcreteStrength", "5000"), EntryEffect::MaterialsDerived);
  EXPECT_EQ(EnterBoxText(p, "txtConcreteStrength", "0"), EntryEffect::FieldOnly);
  // Ec rounds to 0, and the modular ratio would divide by it.
  EXPECT_EQ(EnterBoxText(p, "txtConcreteStrength", "1E-30"), EntryEffect::MaterialsFault);
  EXPECT_EQ(p.Ec, 0);
  EXPECT_EQ(p.ModularRatio, 7) << "the ratio of 5000 psi concrete stays";
}

TEST(InvertSection, UnknownShapeSwapsOnlyTheAreas) {
  Problem p = Started();
  p.SectionType = 7;
  p.TSteelArea = 3;
  p.DepthT = 21;
  const Problem before = p;
  InvertCurrentSection(p);
  EXPECT_EQ(Sorted(ChangedFields(before, p)), Sorted({"TSteelArea", "CSteelArea"}));
}

TEST(InvertSection, BoxKeepsItsFlanges) {
  Problem p = Started();
  p.SectionType = section::Box;
  p.BoxH = 40;
  p.BoxBtop = 60;
  p.BoxBbot = 30;
  p.DepthT = 37;
  const Problem before = p;
  InvertCurrentSection(p);
  EXPECT_EQ(p.DepthT, 40);
  EXPECT_EQ(p.DepthC, 3);
  EXPECT_EQ(Sorted(ChangedFields(before, p)), Sorted({"DepthT", "DepthC"}));
}

TEST(InvertSection, OverflowLeavesTheSectionAsItWas) {
  Problem p = Started();
  p.RecH = 3e38f;
  p.DepthC = -3e38f;
  p.TSteelArea = 3;
  const Problem before = p;
  EXPECT_THROW(InvertCurrentSection(p), CalcError);
  EXPECT_TRUE(ChangedFields(before, p).empty());
}

}  // namespace
}  // namespace kestal
