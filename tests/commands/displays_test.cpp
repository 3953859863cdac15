#include "commands/displays.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "bench.h"
#include "model/code_criteria.h"

namespace kestal::test {
namespace {

using Lines = std::vector<std::string>;

const PlatformEvent kIncomplete = PlatformEvent::Message("Incomplete Information", Icon::None);
const PlatformEvent kShearIncomplete =
    PlatformEvent::Message("Incomplete Information", Icon::Exclamation, "Shear Capability");
const PlatformEvent kNoMoments =
    PlatformEvent::Message("No service load moments have been entered", Icon::None);
const PlatformEvent kNoCrackVariables =
    PlatformEvent::Message("Crack control variables have not been entered", Icon::None);

// What a completed display leaves: one preparation at its size, the window
// visible with exactly these lines, no message.
void ExpectShown(const Bench& b, int height, const Lines& lines) {
  EXPECT_EQ(b.results.prepares(), (std::vector<std::pair<int, int>>{{height, 7000}}));
  EXPECT_TRUE(b.results.visible());
  EXPECT_FALSE(b.results.gridShown());
  EXPECT_EQ(b.results.lines(), lines);
  EXPECT_TRUE(b.platform.events().empty());
}

// What a display that met an arithmetic fault leaves: prepared, then hidden
// with nothing printed, and the one message.
void ExpectFault(const Bench& b, int height, const PlatformEvent& message) {
  EXPECT_EQ(b.results.prepares(), (std::vector<std::pair<int, int>>{{height, 7000}}));
  EXPECT_FALSE(b.results.visible());
  EXPECT_EQ(b.results.printCount(), 0);
  EXPECT_EQ(b.platform.events(), std::vector<PlatformEvent>{message});
}

// A guard message and nothing else.
void ExpectOnlyMessage(const Bench& b, const PlatformEvent& message) {
  EXPECT_TRUE(b.NothingShown());
  EXPECT_EQ(b.platform.events(), std::vector<PlatformEvent>{message});
  EXPECT_EQ(b.view.mainRefreshes(), 0);
}

// ---------------------------------------------------------------- section

const Lines kSectionHead = Heading("S E C T I O N   P R O P E R T I E S:");

TEST(SectionPropertiesDisplay, PrintsGrossAndCrackedInertia) {
  // b 12, As 3, d 21, n 8: x = 7.381 in, Icr = 6060 in^4.
  Bench b;
  b.Rectangle(12, 24);
  b.p.TSteelArea = 3;
  b.p.DepthT = 21;
  ShowSectionProperties(b.s);
  ExpectShown(b, 4000,
              kSectionHead + Lines{"     Gross moment of inertia     = 1.3824E+04",
                                   "     Gross section modulus       = 1.1520E+03",
                                   "     Distance to neutral axis    = 1.2000E+01",
                                   "     Cracked moment of inertia   = 6.0599E+03"});
  EXPECT_NEAR(b.p.CrackedInertia, 6059.89f, 0.01f);
}

TEST(SectionPropertiesDisplay, EffectiveInertiaOnlyWithAServiceMoment) {
  Bench b;
  b.Rectangle(12, 24);
  b.p.TSteelArea = 3;
  b.p.DepthT = 21;
  b.p.MomentMax = 100;  // above the cracking moment of 45.53 kip-ft
  ShowSectionProperties(b.s);
  ASSERT_EQ(b.results.lines().size(), 9u);
  EXPECT_EQ(b.results.lines()[8], "     Effective moment of inertia = 6.7928E+03");

  b.p.MomentMax = -100;
  ShowSectionProperties(b.s);
  EXPECT_EQ(b.results.lines().size(), 8u);  // cleared, and no effective line
  EXPECT_EQ(b.results.prepareCount(), 2);
}

TEST(SectionPropertiesDisplay, UsesTheGrossPropertiesOfTheLastClosedSection) {
  // The display does not recompute the gross section: a height typed
  // without closing the section window is used only in Ig = (h - y) * S.
  Bench b;
  b.Rectangle(12, 24);
  b.p.TSteelArea = 3;
  b.p.DepthT = 21;
  b.p.RecH = 30;
  ShowSectionProperties(b.s);
  ASSERT_EQ(b.results.lines().size(), 8u);
  EXPECT_EQ(b.results.lines()[4], "     Gross moment of inertia     = 2.0736E+04");
  EXPECT_EQ(b.results.lines()[5], "     Gross section modulus       = 1.1520E+03");
}

TEST(SectionPropertiesDisplay, FaultHidesTheWindowAndKeepsEarlierResults) {
  Bench b;
  b.Rectangle(12, 24);
  b.p.TSteelArea = 3;
  b.p.DepthT = 21;
  b.p.RecB = 0;  // the cracked neutral axis divides by b / 2
  b.p.GrossInertia = -1;
  b.p.CrackedInertia = -1;
  ShowSectionProperties(b.s);
  ExpectFault(b, 4000, kIncomplete);
  EXPECT_EQ(b.p.GrossInertia, 13824);  // stored before the fault
  EXPECT_EQ(b.p.CrackedInertia, -1);   // never reached
}

TEST(SectionPropertiesDisplay, UnknownShapeSaysSoInsteadOfOldNumbers) {
  Bench b;
  b.EnglishBeam();
  b.p.SectionType = 3;
  ShowSectionProperties(b.s);
  ExpectShown(b, 4000, kSectionHead + Lines{"     *** Unknown section type ***"});
}

// ----------------------------------------------------------------- moment

const Lines kMomentHead = Heading("M O M E N T   C A P A B I L I T Y:");

struct MomentCase {
  const char* name;
  std::function<void(Bench&)> setup;
  Lines lines;  // after the heading
};

class MomentCapabilityDisplay : public testing::TestWithParam<MomentCase> {};

TEST_P(MomentCapabilityDisplay, PrintsTheCodesChecks) {
  Bench b;
  GetParam().setup(b);
  ShowMomentCapability(b.s);
  ExpectShown(b, 4000, kMomentHead + GetParam().lines);
}

void Code(Bench& b, const char* key) {
  ChooseCode(b.p, key);
}

INSTANTIATE_TEST_SUITE_P(Codes, MomentCapabilityDisplay,
                         testing::Values(
                             // 12 x 24, d 21.5, As 3: a = 4.412 in, Mn phi = 260.5 kip-ft.
                             MomentCase{"AremaWithinMaximumSteel",
                                        [](Bench& b) { b.EnglishBeam(); },
                                        {"     Ultimate moment capability  = 2.6047E+02",
                                         "     1.2 * Cracking moment       = 5.4639E+01",
                                         "     Stress block depth          = 4.4118E+00", "",
                                         "     Maximum tensile steel area  = 5.5161E+00"}},
                             MomentCase{"AremaAboveMaximumSteelWithDesignMoment",
                                        [](Bench& b) {
                                          b.EnglishBeam();
                                          b.p.TSteelArea = 6;
                                          b.p.MomentUlt = 250;
                                        },
                                        {"     Ultimate moment capability  = 4.6138E+02",
                                         "     1.2 * Cracking moment       = 5.4639E+01",
                                         "     Design moment               = 2.5000E+02",
                                         "     Stress block depth          = 8.8235E+00", "",
                                         "     Maximum tensile steel area  = 5.5161E+00",
                                         "     *** Maximum tensile steel area is exceeded ***"}},
                             // 4/3 Mu = 40 is below 1.2 Mcr, so the section need resist only 40.
                             MomentCase{"AashtoSmallMomentDesignedForFourThirds",
                                        [](Bench& b) {
                                          Code(b, code::AASHTO);
                                          b.EnglishBeam();
                                          b.p.MomentUlt = 30;
                                        },
                                        {"     Ultimate moment capability  = 2.6047E+02",
                                         "     1.2 * Cracking moment       = 5.4639E+01",
                                         "     Design moment               = 4.0000E+01",
                                         "     Stress block depth          = 4.4118E+00", "",
                                         "     Maximum tensile steel area  = 5.5161E+00"}},
                             // As' 1 in^2 at 2.5 in stays elastic; its stress is Es x strain and
                             // the maximum steel includes As'.
                             MomentCase{"CompressionSteelStress",
                                        [](Bench& b) {
                                          b.EnglishBeam();
                                          b.p.CSteelArea = 1;
                                          b.p.DepthC = 2.5f;
                                        },
                                        {"     Ultimate moment capability  = 2.6398E+02",
                                         "     1.2 * Cracking moment       = 5.4639E+01",
                                         "     Stress block depth          = 3.6159E+00",
                                         "     Stress in compression steel = 3.5872E+04", "",
                                         "     Maximum tensile steel area  = 6.5161E+00"}},
                             MomentCase{"CompressionSteelIgnoredWithoutItsDepth",
                                        [](Bench& b) {
                                          b.EnglishBeam();
                                          b.p.CSteelArea = 1;
                                          b.p.DepthC = 0.005f;
                                        },
                                        {"     Ultimate moment capability  = 2.6047E+02",
                                         "     1.2 * Cracking moment       = 5.4639E+01",
                                         "     Stress block depth          = 4.4118E+00", "",
                                         "     Maximum tensile steel area  = 6.5161E+00"}},
                             MomentCase{"AciMinimumSteelAndStrain",
                                        [](Bench& b) {
                                          Code(b, code::ACI);
                                          b.EnglishBeam();
                                        },
                                        {"     Ultimate moment capability  = 2.6047E+02",
                                         "     Stress block depth          = 4.4118E+00", "",
                                         "     Minimum tensile steel area  = 8.6000E-01",
                                         "     Strain in tensile steel     = 9.4270E-03",
                                         "     Minimum strain              = 4.0000E-03"}},
                             // AsMin 0.86 exceeds 4/3 As, so the minimum is 4/3 x 0.5 = 0.667.
                             MomentCase{"AciBelowMinimumSteel",
                                        [](Bench& b) {
                                          Code(b, code::ACI);
                                          b.EnglishBeam();
                                          b.p.TSteelArea = 0.5f;
                                        },
                                        {"     Ultimate moment capability  = 4.7548E+01",
                                         "     Stress block depth          = 7.3529E-01", "",
                                         "     Minimum tensile steel area  = 6.6667E-01",
                                         "     *** Tensile steel area below minimum required ***",
                                         "     Strain in tensile steel     = 7.1562E-02",
                                         "     Minimum strain              = 4.0000E-03"}},
                             MomentCase{"AciStrainTooLow",
                                        [](Bench& b) {
                                          Code(b, code::ACI);
                                          b.EnglishBeam();
                                          b.p.TSteelArea = 5.5f;
                                        },
                                        {"     Ultimate moment capability  = 4.3203E+02",
                                         "     Stress block depth          = 8.0882E+00", "",
                                         "     Minimum tensile steel area  = 8.6000E-01",
                                         "     Strain in tensile steel     = 3.7784E-03",
                                         "     Minimum strain              = 4.0000E-03",
                                         "     *** Tensile steel strain is too low ***"}},
                             MomentCase{"LrfdMinimumStrain",
                                        [](Bench& b) {
                                          Code(b, code::LRFD);
                                          b.EnglishBeam();
                                        },
                                        {"     Ultimate moment capability  = 2.6047E+02",
                                         "     1.2 * Cracking moment       = 5.5296E+01",
                                         "     Stress block depth          = 4.4118E+00", "",
                                         "     Strain in tensile steel     = 9.4270E-03",
                                         "     Minimum strain              = 5.0000E-03"}},
                             MomentCase{"LrfdStrainTooLow",
                                        [](Bench& b) {
                                          Code(b, code::LRFD);
                                          b.EnglishBeam();
                                          b.p.TSteelArea = 5.5f;
                                        },
                                        {"     Ultimate moment capability  = 4.3203E+02",
                                         "     1.2 * Cracking moment       = 5.5296E+01",
                                         "     Stress block depth          = 8.0882E+00", "",
                                         "     Strain in tensile steel     = 3.7784E-03",
                                         "     Minimum strain              = 5.0000E-03",
                                         "     *** Tensile steel strain is too low ***"}},
                             // CSA, fy 400 MPa: maximum c/d = 700 / 1100.
                             MomentCase{"CsaWithinMaximumCd",
                                        [](Bench& b) {
                                          Code(b, code::CSA);
                                          b.MetricBeam();
                                        },
                                        {"     Ultimate moment capability  = 2.4259E+02",
                                         "     1.2 * Cracking moment       = 6.4800E+01",
                                         "     Stress block depth          = 1.2868E+02", "",
                                         "     c/d                         = 2.6244E-01",
                                         "     Maximum c/d                 = 6.3636E-01"}},
                             MomentCase{"CsaAboveMaximumCd",
                                        [](Bench& b) {
                                          Code(b, code::CSA);
                                          b.MetricBeam();
                                          b.p.TSteelArea = 4000;
                                        },
                                        {"     Ultimate moment capability  = 5.0106E+02",
                                         "     1.2 * Cracking moment       = 6.4800E+01",
                                         "     Stress block depth          = 3.4314E+02", "",
                                         "     c/d                         = 6.9983E-01",
                                         "     Maximum c/d                 = 6.3636E-01",
                                         "     *** Maximum c/d ratio is exceeded ***"}},
                             // The user-defined code has no maximum c/d: the limit another code
                             // left in the record is neither printed nor checked.
                             MomentCase{"UserDefinedPrintsOnlyCd",
                                        [](Bench& b) {
                                          Code(b, code::CSA);
                                          b.MetricBeam();
                                          b.p.TSteelArea = 4000;
                                          ShowMomentCapability(b.s);
                                          ASSERT_NEAR(b.p.MaxCD, 0.63636f, 1e-5f);
                                          b.results = RecordingResults();
                                          Code(b, code::UD);
                                          b.p.TSteelArea = 1500;
                                          b.p.CDRatio = 0.9f;
                                        },
                                        {"     Ultimate moment capability  = 2.8117E+02",
                                         "     1.2 * Cracking moment       = 7.1431E+01",
                                         "     Stress block depth          = 8.8235E+01", "",
                                         "     c/d                         = 1.9223E-01"}}),
                         [](const testing::TestParamInfo<MomentCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(MomentCapabilityDisplayRuns, GrossSectionAgainBeforeTheCapability) {
  // Unlike the section properties display, this one recomputes the gross
  // section: a new height reaches the cracking moment.
  Bench b;
  b.EnglishBeam();
  b.p.RecH = 30;
  ShowMomentCapability(b.s);
  EXPECT_EQ(b.p.SectModulus, 1800);
  ASSERT_GE(b.results.lines().size(), 6u);
  // 1.2 x 474.3 x 1800 / 12000 = 85.374
  EXPECT_EQ(b.results.lines()[5], "     1.2 * Cracking moment       = 8.5374E+01");
}

TEST(MomentCapabilityDisplayRuns, FaultHidesTheWindow) {
  Bench b;
  b.EnglishBeam();
  b.p.RecB = 0;  // the stress block depth divides by k x b
  b.p.BlockDepth = -1;
  ShowMomentCapability(b.s);
  ExpectFault(b, 4000, kIncomplete);
  EXPECT_EQ(b.p.DistNeutralAxis, 12);  // the gross section ran first
  EXPECT_EQ(b.p.CSteelStrain, 0);      // step 1 of the capability ran
  EXPECT_EQ(b.p.BlockDepth, -1);
}

TEST(MomentCapabilityDisplayRuns, UnknownShapeNeverShowsAnEarlierSectionsNumbers) {
  // The calculations skip a shape they do not know. With nothing computed
  // before, the strain divides by a zero block depth; after an earlier
  // section, the old capability would come out as if it were this one's.
  Bench fresh;
  fresh.EnglishBeam();
  fresh.p.SectionType = 7;
  ShowMomentCapability(fresh.s);
  ExpectFault(fresh, 4000, kIncomplete);

  Bench b;
  b.EnglishBeam();
  ShowMomentCapability(b.s);
  b.results = RecordingResults();
  b.p.SectionType = 7;
  ShowMomentCapability(b.s);
  ExpectShown(b, 4000, kMomentHead + Lines{"     *** Unknown section type ***"});
}

// ---------------------------------------------------------- service load

const Lines kServiceHead = Heading("S E R V I C E   L O A D   S T R E S S:");

void EnglishServiceBeam(Bench& b) {
  b.EnglishBeam();
  b.p.MomentMax = 150;
  b.p.MomentMin = 50;
}

TEST(ServiceLoadStressDisplay, NeedsAServiceMoment) {
  Bench b;
  b.EnglishBeam();
  b.p.MomentMin = 50;
  ShowServiceLoadStress(b.s);
  ExpectOnlyMessage(b, kNoMoments);
}

TEST(ServiceLoadStressDisplay, PrintsSteelAndConcreteStresses) {
  Bench b;
  EnglishServiceBeam(b);
  ShowServiceLoadStress(b.s);
  ExpectShown(b, 3000,
              kServiceHead + Lines{"     Maximum steel stress    = 3.1572E+04",
                                   "     Minimum steel stress    = 1.0524E+04",
                                   "     Maximum concrete stress = 2.1085E+03",
                                   "     Minimum concrete stress = 7.0283E+02"});
}

TEST(ServiceLoadStressDisplay, NegativeMaximumMomentIsShown) {
  Bench b;
  EnglishServiceBeam(b);
  b.p.MomentMax = -150;
  b.p.MomentMin = 0;
  ShowServiceLoadStress(b.s);
  ExpectShown(b, 3000,
              kServiceHead + Lines{"     Maximum steel stress    = -3.1572E+04",
                                   "     Minimum steel stress    = 0.0000E+00",
                                   "     Maximum concrete stress = -2.1085E+03",
                                   "     Minimum concrete stress = 0.0000E+00"});
}

TEST(ServiceLoadStressDisplay, FaultHidesTheWindow) {
  Bench b;
  EnglishServiceBeam(b);
  b.p.DepthT = 0;  // rho = As / (b d)
  b.p.ServSteelStressMax = -1;
  ShowServiceLoadStress(b.s);
  ExpectFault(b, 3000, kIncomplete);
  EXPECT_EQ(b.p.ServSteelStressMax, -1);
}

// ---------------------------------------------------------------- fatigue

const Lines kFatigueHead = Heading("F A T I G U E:");

TEST(FatigueDisplay, NeedsAServiceMoment) {
  Bench b;
  b.EnglishBeam();
  ShowFatigueStress(b.s);
  ExpectOnlyMessage(b, kNoMoments);
}

struct FatigueCase {
  const char* name;
  const char* code;
  Lines lines;
};

class FatigueDisplay : public testing::TestWithParam<FatigueCase> {};

TEST_P(FatigueDisplay, PrintsRangeAndTheCodesAllowable) {
  Bench b;
  EnglishServiceBeam(b);
  b.p.CodeKey = GetParam().code;  // as an input file gives it, in English units
  ShowFatigueStress(b.s);
  ExpectShown(b, 3000, kFatigueHead + GetParam().lines);
}

// fmin = 10524 psi: 21000 - 0.33 fmin + 2400; (24000 - 20000 fmin / fy) / 1.5.
INSTANTIATE_TEST_SUITE_P(
    Codes, FatigueDisplay,
    testing::Values(
        FatigueCase{"Arema",
                    code::AREMA,
                    {"     Steel stress range             = 2.1048E+04",
                     "     Allowable fatigue stress range = 1.9927E+04", ""}},
        FatigueCase{"Aashto",
                    code::AASHTO,
                    {"     Steel stress range             = 2.1048E+04",
                     "     Allowable fatigue stress range = 1.9927E+04", ""}},
        FatigueCase{"Lrfd",
                    code::LRFD,
                    {"     Steel stress range             = 2.1048E+04",
                     "     Allowable fatigue stress range = 1.3661E+04", ""}},
        FatigueCase{"S6InEnglishUnits",
                    code::S6,
                    {"     Steel stress range             = 2.1048E+04",
                     "     Allowable fatigue stress range = 1.2500E+02", ""}},
        FatigueCase{"Ohbdc",
                    code::OHBDC,
                    {"     Steel stress range             = 2.1048E+04",
                     "     Allowable fatigue stress range = 1.2500E+02", ""}},
        FatigueCase{"Aci", code::ACI, {"     Steel stress range             = 2.1048E+04", ""}},
        FatigueCase{"Csa", code::CSA, {"     Steel stress range             = 2.1048E+04", ""}},
        FatigueCase{
            "UserDefined", code::UD, {"     Steel stress range             = 2.1048E+04", ""}}),
    [](const testing::TestParamInfo<FatigueCase>& info) { return std::string(info.param.name); });

TEST(FatigueDisplayRuns, LrfdWithoutYieldStrengthFails) {
  Bench b;
  Code(b, code::LRFD);
  EnglishServiceBeam(b);
  b.p.SteelStrength = 0;
  ShowFatigueStress(b.s);
  ExpectFault(b, 3000, kIncomplete);
  EXPECT_NEAR(b.p.ServSteelStressMin, 10523.88f, 0.01f);  // the service stresses ran first
}

TEST(FatigueDisplayRuns, AllowableNotComputedInOtherUnitsIsNotPrinted) {
  Bench b;
  EnglishServiceBeam(b);
  b.p.Units = "Imperial";  // as an input file may give it
  b.p.AllowStressRange = 99;
  ShowFatigueStress(b.s);
  ExpectShown(
      b, 3000,
      kFatigueHead +
          Lines{"     Steel stress range             = 2.1048E+04",
                "     *** Allowable fatigue stress range requires English or Metric units ***",
                ""});
}

// ---------------------------------------------------------- crack control

const Lines kCrackHead = Heading("C R A C K   C O N T R O L:");

TEST(CrackControlDisplay, NeedsServiceMomentsFirstThenCover) {
  Bench b;
  b.EnglishBeam();
  ShowCrackControl(b.s);
  ExpectOnlyMessage(b, kNoMoments);

  Bench c;
  EnglishServiceBeam(c);
  c.p.EffArea = 30;
  ShowCrackControl(c.s);
  ExpectOnlyMessage(c, kNoCrackVariables);
}

struct CrackCase {
  const char* name;
  std::function<void(Bench&)> setup;
  Lines lines;
};

class CrackControlByCode : public testing::TestWithParam<CrackCase> {};

TEST_P(CrackControlByCode, PrintsInputsAsTypedAndResultsInPattern) {
  Bench b;
  GetParam().setup(b);
  ShowCrackControl(b.s);
  ExpectShown(b, 4000, kCrackHead + GetParam().lines);
}

void MetricServiceBeam(Bench& b, const char* key) {
  Code(b, code::CSA);  // to Metric units without a reset
  Code(b, key);
  b.MetricBeam();
  b.p.MomentMax = 150;
  b.p.MomentMin = 50;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, CrackControlByCode,
    testing::Values(
        // z / (dc A)^0.333 = 43484 psi, capped at 0.5 fy (AREMA), 0.6 fy (AASHTO).
        CrackCase{"Arema",
                  [](Bench& b) {
                    EnglishServiceBeam(b);
                    b.p.Cover = 2;
                    b.p.EffArea = 30;
                  },
                  {"     Concrete cover            = 2", "     Effective tension area    = 30",
                   "     Exposure factor           = 170000",
                   "     Maximum steel stress      = 3.1572E+04",
                   "     Allowable cracking stress = 3.0000E+04"}},
        CrackCase{"Aashto",
                  [](Bench& b) {
                    Code(b, code::AASHTO);
                    EnglishServiceBeam(b);
                    b.p.Cover = 2;
                    b.p.EffArea = 30;
                  },
                  {"     Concrete cover            = 2", "     Effective tension area    = 30",
                   "     Exposure factor           = 170000",
                   "     Maximum steel stress      = 3.1572E+04",
                   "     Allowable cracking stress = 3.6000E+04"}},
        CrackCase{"CsaCappedAtSixTenthsFy",
                  [](Bench& b) {
                    MetricServiceBeam(b, code::CSA);
                    b.p.Cover = 50;
                    b.p.EffArea = 5000;
                  },
                  {"     Concrete cover            = 50", "     Effective tension area    = 5000",
                   "     Exposure factor           = 30000",
                   "     Maximum steel stress      = 2.0833E+02",
                   "     Allowable cracking stress = 2.4000E+02"}},
        // s = 600000 / 31572 - 2.5 x 2 = 14.0 in, below the cap of 15.2 in.
        CrackCase{
            "AciSpacing",
            [](Bench& b) {
              Code(b, code::ACI);
              EnglishServiceBeam(b);
              b.p.Cover = 2;
            },
            {"     Clear concrete cover      = 2", "     Maximum rebar spacing     = 1.4004E+01"}},
        CrackCase{"LrfdSpacing",
                  [](Bench& b) {
                    Code(b, code::LRFD);
                    EnglishServiceBeam(b);
                    b.p.Cover = 2;
                  },
                  {"     Concrete cover            = 2", "     Exposure factor           = 1",
                   "     Maximum rebar spacing     = 1.5623E+01"}},
        CrackCase{"S6CrackWidth",
                  [](Bench& b) {
                    MetricServiceBeam(b, code::S6);  // k 1.7, maximum width 0.35 mm
                    b.p.EffArea = 20;
                  },
                  {"     Rebar x load type factor  = 1.7", "     Rebar diameter            = 20",
                   "     Average crack spacing     = 1.2139E+02",
                   "     Average rebar strain      = 9.6408E-04",
                   "     Computed crack width      = 1.9895E-01",
                   "     Maximum crack width       = 3.5000E-01"}},
        CrackCase{"OhbdcExposureFactor",
                  [](Bench& b) {
                    MetricServiceBeam(b, code::OHBDC);
                    b.p.Cover = 40;
                    b.p.EffArea = 100;
                  },
                  {"     Clear concrete cover      = 40", "     Clear rebar spacing       = 100",
                   "     Moment at 40% fcrack      = 1.9721E+01",
                   "     Computed exposure factor  = 3.4388E+04",
                   "     Allowable exposure factor = 3.0000E+04"}},
        CrackCase{"S6InEnglishUnitsComputesNothing",
                  [](Bench& b) {
                    EnglishServiceBeam(b);
                    b.p.CodeKey = code::S6;
                    b.p.Cover = 1.7f;
                    b.p.CrackWidth = 0.25f;
                  },
                  {"     *** Crack control for this code requires Metric units ***"}},
        CrackCase{"OhbdcInEnglishUnitsComputesNothing",
                  [](Bench& b) {
                    EnglishServiceBeam(b);
                    b.p.CodeKey = code::OHBDC;
                    b.p.Cover = 2;
                    b.p.CompExpFactor = 123;
                  },
                  {"     *** Crack control for this code requires Metric units ***"}},
        CrackCase{"UserDefinedHasNoRule",
                  [](Bench& b) {
                    Code(b, code::UD);
                    EnglishServiceBeam(b);
                    b.p.Cover = 2;
                  },
                  {}}),
    [](const testing::TestParamInfo<CrackCase>& info) { return std::string(info.param.name); });

TEST(CrackControlDisplayRuns, ZeroTensionAreaFails) {
  Bench b;
  EnglishServiceBeam(b);
  b.p.Cover = 2;
  b.p.EffArea = 0;  // z / (dc A)^0.333 divides by zero
  ShowCrackControl(b.s);
  ExpectFault(b, 4000, kIncomplete);
  EXPECT_NEAR(b.p.ServSteelStressMax, 31571.65f, 0.01f);
}

// ------------------------------------------------------------------ shear

const Lines kShearHead = Heading("S H E A R   C A P A B I L I T Y:");

void EnglishShearBeam(Bench& b, const char* key, float vu) {
  Code(b, key);
  b.EnglishBeam();
  b.p.MomentUlt = 250;
  b.p.ShearUlt = vu;
}

void MetricShearBeam(Bench& b, const char* key, float vu) {
  Code(b, key);
  b.MetricBeam();
  b.p.MomentUlt = 150;
  b.p.ShearUlt = vu;
}

TEST(ShearCapabilityDisplay, GuardsMissingInputs) {
  const std::vector<std::pair<const char*, std::function<void(Problem&)>>> missing = {
      {"moment", [](Problem& p) { p.MomentUlt = 0; }},
      {"negative moment", [](Problem& p) { p.MomentUlt = -250; }},
      {"shear", [](Problem& p) { p.ShearUlt = 0; }},
      {"steel", [](Problem& p) { p.TSteelArea = 0; }},
      {"depth", [](Problem& p) { p.DepthT = -1; }},
      {"section", [](Problem& p) { p.SectionDefined = 0; }},
  };
  for (const auto& [what, clear] : missing) {
    SCOPED_TRACE(what);
    Bench b;
    EnglishShearBeam(b, code::ACI, 40);
    clear(b.p);
    b.p.ConcShearCap = -1;
    ShowShearCapability(b.s);
    ExpectOnlyMessage(b, kShearIncomplete);
    EXPECT_EQ(b.p.ConcShearCap, -1);
  }
}

struct ShearCase {
  const char* name;
  std::function<void(Bench&)> setup;
  Lines lines;  // everything printed
};

class ShearCapabilityByCode : public testing::TestWithParam<ShearCase> {};

TEST_P(ShearCapabilityByCode, PrintsStrengthsAndSteelLimits) {
  Bench b;
  GetParam().setup(b);
  ShowShearCapability(b.s);
  ExpectShown(b, 4000, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ShearCapabilityByCode,
    testing::Values(
        // ACI, Vu 40 kips, Mu 250 kip-ft: phi Vc = 24.86 kips.
        ShearCase{"AciWithoutShearSteel", [](Bench& b) { EnglishShearBeam(b, code::ACI, 40); },
                  kShearHead + Lines{"     Effective shear depth       = 2.1500E+01",
                                     "     Concrete shear strength     = 2.4865E+01",
                                     "     Max shear strength          = 1.2277E+02"}},
        // #4 stirrups at 10 in: 50 bv / fy governs the minimum.
        ShearCase{"AciWithShearSteel",
                  [](Bench& b) {
                    EnglishShearBeam(b, code::ACI, 40);
                    b.p.VSteelArea = 0.22f;
                    b.p.sAv = 10;
                  },
                  kShearHead + Lines{"     Effective shear depth       = 2.1500E+01",
                                     "     Concrete shear strength     = 2.4865E+01",
                                     "     Max shear strength          = 1.2277E+02",
                                     "     Min shear reinf area        = 1.0000E-01",
                                     "     Max shear reinf spacing     = 1.0750E+01",
                                     "     Strength of shear reinf     = 2.1285E+01",
                                     "     Total shear strength        = 4.6150E+01"}},
        ShearCase{"CsaDesignWithoutShearSteel",
                  [](Bench& b) { MetricShearBeam(b, code::CSA, 100); },
                  kShearHead + Lines{"     Effective shear depth       = 4.8600E+02",
                                     "     Concrete shear strength     = 9.3757E+01",
                                     "     Max shear strength          = 5.9231E+02",
                                     "     Min long tension reinf      = 1.3477E+03"}},
        ShearCase{"CsaWithShearSteel",
                  [](Bench& b) {
                    MetricShearBeam(b, code::CSA, 100);
                    b.p.VSteelArea = 200;
                    b.p.sAv = 200;
                  },
                  kShearHead + Lines{"     Effective shear depth       = 4.8600E+02",
                                     "     Concrete shear strength     = 9.3757E+01",
                                     "     Max shear strength          = 5.9231E+02",
                                     "     Min shear reinf area        = 4.5000E+01",
                                     "     Max shear reinf spacing     = 3.4020E+02",
                                     "     Strength of shear reinf     = 2.4714E+02",
                                     "     Total shear strength        = 3.4089E+02",
                                     "     Min long tension reinf      = 1.1277E+03"}},
        // A section reviewed without stirrups: crack spacing from the
        // aggregate size.
        ShearCase{"CsaReviewWithoutShearSteel",
                  [](Bench& b) {
                    MetricShearBeam(b, code::CSA, 100);
                    b.p.ProblemType = problem_type::Review;
                  },
                  kShearHead + Lines{"     Effective shear depth       = 4.8600E+02",
                                     "     Concrete shear strength     = 8.2022E+01",
                                     "     Max shear strength          = 5.9231E+02",
                                     "     Min long tension reinf      = 1.3477E+03"}},
        // Stirrups without a spacing have no strength: the longitudinal
        // steel is found as without stirrups, whatever an earlier run left.
        ShearCase{"CsaShearSteelWithoutSpacing",
                  [](Bench& b) {
                    MetricShearBeam(b, code::CSA, 100);
                    b.p.VSteelArea = 200;
                    b.p.sAv = 0;
                    b.p.SteelShearCap = 999;
                  },
                  kShearHead + Lines{"     Effective shear depth       = 4.8600E+02",
                                     "     Concrete shear strength     = 9.3757E+01",
                                     "     Max shear strength          = 5.9231E+02",
                                     "     Min long tension reinf      = 1.3477E+03"}},
        // LRFD, v below 0.075 with a large moment: theta 36.4, beta 2.23.
        ShearCase{"LrfdWithoutShearSteel", [](Bench& b) { EnglishShearBeam(b, code::LRFD, 40); },
                  kShearHead + Lines{"     Effective shear depth       = 1.9350E+01",
                                     "     Concrete shear strength     = 2.9474E+01",
                                     "     Max shear strength          = 2.0898E+02",
                                     "     Min long tension reinf      = 3.8758E+00"}},
        ShearCase{"LrfdWithShearSteel",
                  [](Bench& b) {
                    EnglishShearBeam(b, code::LRFD, 40);
                    b.p.VSteelArea = 0.22f;
                    b.p.sAv = 10;
                  },
                  kShearHead + Lines{"     Effective shear depth       = 1.9350E+01",
                                     "     Concrete shear strength     = 2.9474E+01",
                                     "     Max shear strength          = 2.0898E+02",
                                     "     Min shear reinf area        = 1.2649E-01",
                                     "     Max shear reinf spacing     = 1.5480E+01",
                                     "     Strength of shear reinf     = 3.1180E+01",
                                     "     Total shear strength        = 6.0654E+01",
                                     "     Min long tension reinf      = 3.4842E+00"}},
        // v = 0.2596 is above the last row of the table.
        ShearCase{"LrfdBetaThetaNotFound",
                  [](Bench& b) { EnglishShearBeam(b, code::LRFD, 217); },
                  {"", "     *** Beta and Theta values not found for shear ***"}},
        ShearCase{"OhbdcHasNoShearRules",
                  [](Bench& b) {
                    MetricShearBeam(b, code::OHBDC, 100);
                    b.p.ConcShearCap = 50;
                    b.p.MaxShearCap = 500;
                  },
                  kShearHead + Lines{"     *** No shear rules for this code ***"}},
        ShearCase{"UserDefinedHasNoShearRules", [](Bench& b) { EnglishShearBeam(b, code::UD, 40); },
                  kShearHead + Lines{"     *** No shear rules for this code ***"}}),
    [](const testing::TestParamInfo<ShearCase>& info) { return std::string(info.param.name); });

TEST(ShearCapabilityDisplayRuns, GuardComesBeforeTheMissingRules) {
  for (const char* key : {code::OHBDC, code::UD}) {
    SCOPED_TRACE(key);
    Bench b;
    EnglishShearBeam(b, key, 0);
    ShowShearCapability(b.s);
    ExpectOnlyMessage(b, kShearIncomplete);
  }
}

TEST(ShearCapabilityDisplayRuns, StirrupsWithoutSpacingCountForNothing) {
  Bench b;
  MetricShearBeam(b, code::CSA, 100);
  b.p.VSteelArea = 200;
  b.p.SteelShearCap = 999;
  ShowShearCapability(b.s);
  EXPECT_EQ(b.p.SteelShearCap, 0);
}

TEST(ShearCapabilityDisplayRuns, NoShearRulesCalculateNothing) {
  Bench b;
  MetricShearBeam(b, code::OHBDC, 100);
  b.p.ConcShearCap = 50;
  b.p.ShearDepth = 7;
  ShowShearCapability(b.s);
  EXPECT_EQ(b.p.ConcShearCap, 50);
  EXPECT_EQ(b.p.ShearDepth, 7);
}

TEST(ShearCapabilityDisplayRuns, FaultHidesTheWindowWithTheShearTitle) {
  Bench b;
  MetricShearBeam(b, code::CSA, 100);
  b.p.Er = 0;  // the yield strain fy / Es divides by zero
  b.p.BlockDepth = -1;
  ShowShearCapability(b.s);
  ExpectFault(b, 4000, kShearIncomplete);
  EXPECT_NEAR(b.p.BlockDepth, 128.68f, 0.01f);  // stored before the fault
}

// ------------------------------------------------------- results window

TEST(ResultsWindow, EachDisplayClearsThePreviousAndTakesItsOwnHeight) {
  Bench b;
  EnglishServiceBeam(b);
  ShowMomentCapability(b.s);
  ShowServiceLoadStress(b.s);
  EXPECT_EQ(b.results.prepares(), (std::vector<std::pair<int, int>>{{4000, 7000}, {3000, 7000}}));
  ASSERT_EQ(b.results.lines().size(), 8u);
  EXPECT_EQ(b.results.lines()[1], "     S E R V I C E   L O A D   S T R E S S:");
}

TEST(ResultsWindow, DisplayAfterRebarTableHidesTheGrid) {
  Bench b;
  EnglishServiceBeam(b);
  ShowRebarInfo(b.s);
  EXPECT_TRUE(b.results.gridShown());
  ShowFatigueStress(b.s);
  EXPECT_FALSE(b.results.gridShown());
  EXPECT_EQ(b.results.lines().size(), 7u);
}

// ------------------------------------------------------------ rebar table

TEST(RebarTable, EnglishCells) {
  Bench b;
  ShowRebarInfo(b.s);
  EXPECT_TRUE(b.results.visible());
  EXPECT_TRUE(b.results.gridShown());
  EXPECT_EQ(b.results.height(), 5000);
  EXPECT_EQ(b.results.width(), 5400);
  EXPECT_EQ(b.results.prepareCount(), 0);
  const auto& g = b.results.gridRows();
  ASSERT_EQ(g.size(), 12u);
  for (const auto& row : g) ASSERT_EQ(row.size(), 4u);
  EXPECT_EQ(g[0], (std::vector<std::string>{"BAR SIZE", "AREA (IN^2)", "NOMINAL DIAMETER (IN)",
                                            "OVERALL DIAMETER (IN)"}));
  EXPECT_EQ(g[1], (std::vector<std::string>{"#3", "0.11", "0.375", "0.438"}));
  EXPECT_EQ(g[8], (std::vector<std::string>{"#10", "1.27", "1.270", "1.438"}));
  EXPECT_EQ(g[11], (std::vector<std::string>{"#18", "4.00", "2.257", "2.500"}));
  const std::vector<std::string> sizes = {"BAR SIZE", "#3", "#4",  "#5",  "#6",  "#7",
                                          "#8",       "#9", "#10", "#11", "#14", "#18"};
  for (std::size_t r = 0; r < g.size(); ++r) EXPECT_EQ(g[r][0], sizes[r]);
  EXPECT_TRUE(b.platform.events().empty());
}

TEST(RebarTable, MetricCells) {
  Bench b;
  ChooseMetric(b.p);
  ShowRebarInfo(b.s);
  const auto& g = b.results.gridRows();
  ASSERT_EQ(g.size(), 12u);
  EXPECT_EQ(g[0], (std::vector<std::string>{"BAR SIZE", "AREA (mm^2)", "NOMINAL DIAMETER (mm)",
                                            "OVERALL DIAMETER (mm)"}));
  EXPECT_EQ(g[1], (std::vector<std::string>{"#10", "71", "9.5", "11.1"}));
  EXPECT_EQ(g[10], (std::vector<std::string>{"#43", "1452", "43.0", "47.6"}));
  EXPECT_EQ(g[11], (std::vector<std::string>{"#57", "2581", "57.3", "63.5"}));
}

TEST(RebarTable, OtherUnitsShowTheGridAsItWas) {
  Bench b;
  ShowRebarInfo(b.s);
  b.p.Units = "Imperial";
  ShowRebarInfo(b.s);
  EXPECT_EQ(b.results.gridShowCount(), 2);
  EXPECT_TRUE(b.results.gridShown());
  EXPECT_TRUE(b.results.visible());
  EXPECT_EQ(b.results.width(), 5400);
  EXPECT_EQ(b.results.gridRows(), EnglishRebarTable());
}

}  // namespace
}  // namespace kestal::test
