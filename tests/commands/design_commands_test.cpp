#include "commands/design_commands.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "bench.h"
#include "model/numtext.h"

namespace kestal::test {
namespace {

const char* const kTension = "Tension Reinforcing";
const char* const kShear = "Shear Reinforcing";

// ---------------------------------------------------------- tension steel

void AciDesign(Bench& b) {
  ChooseCode(b.p, code::ACI);
  b.Rectangle(12, 24);
  b.p.DepthT = 21.5f;
  b.p.MomentUlt = 250;
}

TEST(CalcTensionSteel, AciWorkedExample) {
  // A = 39706, B = -1161000, C = 3000000: As = 2.865 in^2; AsMin 0.86 is
  // smaller and does not govern.
  Bench b;
  AciDesign(b);
  b.p.TSteelArea = 9;
  CalcTensionSteel(b.s);
  EXPECT_EQ(b.p.TSteelArea, 2.865f);
  EXPECT_NEAR(b.p.BlockDepth, 4.213f, 0.001f);
  EXPECT_EQ(b.platform.events(), (std::vector<PlatformEvent>{PlatformEvent::Message(
                                     "Required As =  2.865 in^2", Icon::Information, kTension)}));
  EXPECT_EQ(b.view.tSteelRefreshes(), 1);
  EXPECT_EQ(b.view.mainRefreshes(), 1);
  EXPECT_EQ(b.results.prepareCount(), 0);
}

TEST(CalcTensionSteel, MetricAreaIsWholeSquareMillimetres) {
  Bench b;
  ChooseMetric(b.p);
  ChooseCode(b.p, code::ACI);
  b.Rectangle(300, 600);
  b.p.DepthT = 540;
  b.p.MomentUlt = 150;
  CalcTensionSteel(b.s);
  EXPECT_EQ(b.p.TSteelArea, 771);  // 771.14 for strength; the minimum 540 does not govern
  EXPECT_EQ(b.platform.events(), (std::vector<PlatformEvent>{PlatformEvent::Message(
                                     "Required As =  771 mm^2", Icon::Information, kTension)}));
  EXPECT_EQ(b.view.mainRefreshes(), 1);
}

TEST(CalcTensionSteel, OtherUnitsGiveNoMessageButRefresh) {
  Bench b;
  AciDesign(b);
  b.p.Units = "Imperial";
  CalcTensionSteel(b.s);
  EXPECT_NEAR(b.p.TSteelArea, 2.8646f, 0.0001f);  // not rounded either
  EXPECT_TRUE(b.platform.events().empty());
  EXPECT_EQ(b.view.tSteelRefreshes(), 1);
  EXPECT_EQ(b.view.mainRefreshes(), 1);
}

TEST(CalcTensionSteel, MissingInputsClearTheAreaAndRefresh) {
  const std::vector<std::pair<const char*, std::function<void(Problem&)>>> missing = {
      {"moment", [](Problem& p) { p.MomentUlt = 0; }},
      {"negative moment", [](Problem& p) { p.MomentUlt = -10; }},
      {"depth", [](Problem& p) { p.DepthT = 0; }},
      {"section", [](Problem& p) { p.SectionDefined = 0; }},
  };
  for (const auto& [what, clear] : missing) {
    SCOPED_TRACE(what);
    Bench b;
    AciDesign(b);
    clear(b.p);
    b.p.TSteelArea = 5;
    b.p.MinDesignMoment = -1;
    CalcTensionSteel(b.s);
    EXPECT_EQ(b.p.TSteelArea, 0);
    EXPECT_EQ(b.p.MinDesignMoment, -1);  // nothing calculated
    EXPECT_EQ(b.platform.events(), (std::vector<PlatformEvent>{PlatformEvent::Message(
                                       "Incomplete information", Icon::Exclamation, kTension)}));
    EXPECT_EQ(b.view.mainRefreshes(), 1);
    EXPECT_EQ(b.view.tSteelRefreshes(), 0);
  }
}

TEST(CalcTensionSteel, MomentBeyondTensionSteelAloneFailsWithoutRefresh) {
  Bench b;
  AciDesign(b);
  b.p.MomentUlt = 2000;  // the discriminant of the strength equation is negative
  b.p.TSteelArea = 5;
  CalcTensionSteel(b.s);
  EXPECT_EQ(b.platform.events(), (std::vector<PlatformEvent>{PlatformEvent::Message(
                                     "Incomplete information", Icon::Exclamation, kTension)}));
  EXPECT_EQ(b.view.mainRefreshes(), 0);
  EXPECT_EQ(b.view.tSteelRefreshes(), 0);
  EXPECT_EQ(b.p.TSteelArea, 0);          // cleared before the design
  EXPECT_EQ(b.p.MinDesignMoment, 2000);  // stored before the fault
}

// ------------------------------------------------------------ shear steel

void EnglishShearDesign(Bench& b, const char* key, float vu) {
  ChooseCode(b.p, key);
  b.EnglishBeam();
  b.p.MomentUlt = 250;
  b.p.ShearUlt = vu;
}

PlatformEvent ShearResult(const std::string& text) {
  return PlatformEvent::Message(text, Icon::Information, kShear);
}

TEST(CalcShearSteel, MissingInputsClearTheAreaAndRefresh) {
  const std::vector<std::pair<const char*, std::function<void(Problem&)>>> missing = {
      {"moment", [](Problem& p) { p.MomentUlt = 0; }},
      {"shear", [](Problem& p) { p.ShearUlt = -5; }},
      {"steel", [](Problem& p) { p.TSteelArea = 0; }},
      {"depth", [](Problem& p) { p.DepthT = 0; }},
      {"section", [](Problem& p) { p.SectionDefined = 0; }},
  };
  for (const auto& [what, clear] : missing) {
    SCOPED_TRACE(what);
    Bench b;
    EnglishShearDesign(b, code::ACI, 40);
    clear(b.p);
    b.p.VSteelArea = 0.5f;
    b.p.ConcShearCap = -1;
    CalcShearSteel(b.s);
    EXPECT_EQ(b.p.VSteelArea, 0);
    EXPECT_EQ(b.p.ConcShearCap, -1);
    EXPECT_EQ(b.platform.events(), (std::vector<PlatformEvent>{PlatformEvent::Message(
                                       "Incomplete information", Icon::Exclamation, kShear)}));
    EXPECT_EQ(b.view.mainRefreshes(), 1);
    EXPECT_TRUE(b.NothingShown());
  }
}

TEST(CalcShearSteel, AciRequiredSteelAboveMinimum) {
  // (40 - 24.86) x 1000 / (0.75 x 60000 x 21.5) = 0.01564, to four decimals.
  Bench b;
  EnglishShearDesign(b, code::ACI, 40);
  CalcShearSteel(b.s);
  EXPECT_EQ(b.p.VSteelArea, 0.0156f);
  EXPECT_EQ(b.platform.events(), std::vector<PlatformEvent>{ShearResult(
                                     "Required Av/s= 0.0156 in^2/in\rMaximum spacing = 10.75 in")});
  EXPECT_EQ(b.view.mainRefreshes(), 1);
}

TEST(CalcShearSteel, AciHighShearHalvesTheSpacing) {
  Bench b;
  EnglishShearDesign(b, code::ACI, 60);
  CalcShearSteel(b.s);
  EXPECT_EQ(b.platform.events(), std::vector<PlatformEvent>{ShearResult(
                                     "Required Av/s= 0.0355 in^2/in\rMaximum spacing = 5.375 in")});
}

TEST(CalcShearSteel, ShearCarriedByConcreteNeedsMinimumSteel) {
  Bench b;
  EnglishShearDesign(b, code::ACI, 20);  // phi Vc = 24.06 kips
  CalcShearSteel(b.s);
  EXPECT_EQ(b.p.VSteelArea, b.p.MinShearSteel);
  EXPECT_EQ(b.p.VSteelArea, 0.01f);  // 50 bv / fy
  EXPECT_EQ(b.platform.events(), std::vector<PlatformEvent>{ShearResult(
                                     "Required Av/s= 0.01 in^2/in\rMaximum spacing = 10.75 in")});
  EXPECT_EQ(b.view.mainRefreshes(), 1);
}

TEST(CalcShearSteel, RequiredBelowMinimumIsRaised) {
  // LRFD: the required 0.0074 is below the minimum sqrt(f'c) bv / fy.
  Bench b;
  EnglishShearDesign(b, code::LRFD, 40);
  CalcShearSteel(b.s);
  EXPECT_NEAR(b.p.MinShearSteel, 0.0126491f, 1e-7f);
  EXPECT_EQ(b.p.VSteelArea, b.p.MinShearSteel);
  ASSERT_EQ(b.platform.events().size(), 1u);
  const PlatformEvent& e = b.platform.events()[0];
  EXPECT_EQ(e.icon, Icon::Information);
  EXPECT_EQ(e.title, std::optional<std::string>(kShear));
  // Message numbers carry seven significant digits at most.
  EXPECT_EQ(e.text, "Required Av/s= 0.01264911 in^2/in\rMaximum spacing = 15.48 in");
  EXPECT_NEAR(b.p.MaxShearSpacing, 15.48, 1e-5);  // 0.8 dv
}

TEST(CalcShearSteel, MetricMessage) {
  // CSA: the required 0.03 mm^2/mm is below 0.06 sqrt(f'c) bv / fy = 0.225.
  Bench b;
  ChooseCode(b.p, code::CSA);
  b.MetricBeam();
  b.p.MomentUlt = 150;
  b.p.ShearUlt = 100;
  CalcShearSteel(b.s);
  EXPECT_EQ(b.p.VSteelArea, 0.225f);
  EXPECT_EQ(b.platform.events(), std::vector<PlatformEvent>{ShearResult(
                                     "Required Av/s= 0.225 mm^2/mm\rMaximum spacing = 340.2 mm")});
  EXPECT_EQ(b.view.mainRefreshes(), 1);
}

TEST(CalcShearSteel, ShearAboveMaximumCapacityOnlyReportsIt) {
  Bench b;
  EnglishShearDesign(b, code::ACI, 130);  // maximum 126.397 kips
  CalcShearSteel(b.s);
  EXPECT_EQ(b.p.VSteelArea, 0);
  EXPECT_EQ(b.view.mainRefreshes(), 0);
  ASSERT_EQ(b.platform.events().size(), 1u);
  const PlatformEvent& e = b.platform.events()[0];
  EXPECT_EQ(e.icon, Icon::Critical);
  EXPECT_EQ(e.title, std::optional<std::string>(kShear));
  const std::string head = "Shear force exceeds maximum capacity = ";
  ASSERT_EQ(e.text.substr(0, head.size()), head);
  EXPECT_NEAR(EntryValue(e.text.substr(head.size())), 126.397f, 0.0005f);
}

TEST(CalcShearSteel, CodesWithoutShearRulesDesignNothing) {
  for (const char* key : {code::OHBDC, code::UD}) {
    SCOPED_TRACE(key);
    Bench b;
    EnglishShearDesign(b, key, 40);
    b.p.ConcShearCap = 50;  // left by an earlier code
    b.p.MinShearSteel = 0.02f;
    b.p.VSteelArea = 0.3f;
    CalcShearSteel(b.s);
    EXPECT_EQ(b.p.VSteelArea, 0);
    EXPECT_EQ(b.p.ConcShearCap, 50);
    EXPECT_EQ(b.platform.events(),
              (std::vector<PlatformEvent>{PlatformEvent::Message("No shear rules for this code",
                                                                 Icon::Exclamation, kShear)}));
    EXPECT_EQ(b.view.mainRefreshes(), 1);
  }
}

TEST(CalcShearSteel, GuardComesBeforeTheMissingRules) {
  Bench b;
  EnglishShearDesign(b, code::OHBDC, 40);
  b.p.SectionDefined = 0;
  b.p.VSteelArea = 0.3f;
  CalcShearSteel(b.s);
  EXPECT_EQ(b.p.VSteelArea, 0);
  EXPECT_EQ(b.platform.events(), (std::vector<PlatformEvent>{PlatformEvent::Message(
                                     "Incomplete information", Icon::Exclamation, kShear)}));
  EXPECT_EQ(b.view.mainRefreshes(), 1);
}

TEST(CalcShearSteel, FaultReportsWithoutRefresh) {
  Bench b;
  ChooseCode(b.p, code::CSA);
  b.MetricBeam();
  b.p.MomentUlt = 150;
  b.p.ShearUlt = 100;
  b.p.Er = 0;
  b.p.VSteelArea = 0.5f;
  CalcShearSteel(b.s);
  EXPECT_EQ(b.p.VSteelArea, 0);
  EXPECT_EQ(b.platform.events(), (std::vector<PlatformEvent>{PlatformEvent::Message(
                                     "Incomplete information", Icon::Exclamation, kShear)}));
  EXPECT_EQ(b.view.mainRefreshes(), 0);
}

TEST(CalcShearSteel, OtherUnitsDesignWithoutMessageOrRefresh) {
  Bench b;
  EnglishShearDesign(b, code::ACI, 20);
  b.p.Units = "Imperial";
  CalcShearSteel(b.s);
  EXPECT_EQ(b.p.VSteelArea, 0.01f);
  EXPECT_TRUE(b.platform.events().empty());
  EXPECT_EQ(b.view.mainRefreshes(), 0);
}

}  // namespace
}  // namespace kestal::test
