#include "analysis/moment_capability.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "analysis/gross_section.h"
#include "model/numtext.h"
#include "support/problems.h"

namespace kestal {
namespace {

using namespace support;

// Rectangle 12 x 24, d = 21.5, As = 3.0 with the usual materials.
Problem ReviewedRectangle(const char* codeKey = code::AREMA) {
  Problem p = EnglishBeam(codeKey);
  SetRectangle(p, 12, 24);
  p.DepthT = 21.5f;
  p.TSteelArea = 3;
  return p;
}

// Tee 24 wide, flange 3 thick, web 10, d = 27, As = 6: the block of the
// whole width (4.41 in) reaches below the flange.
Problem ReviewedTee() {
  Problem p = EnglishBeam();
  SetTee(p, 30, 24, 3, 10);
  p.DepthT = 27;
  p.TSteelArea = 6;
  return p;
}

// Forces on a section at ultimate, lb: concrete k (area in compression - As')
// and the compression steel As' fs' against As fy'.
double CompressionForce(const Problem& p, double concreteArea) {
  const double k = 0.85 * 4000;
  return k * (concreteArea - p.CSteelArea) + p.CSteelArea * double(p.CSteelStress);
}

TEST(MomentCapability, WorkedRectangle) {
  Problem p = ReviewedRectangle();
  p.CSteelStrain = 1;
  p.CSteelStress = 2;
  MomentCapability(p);
  // a = 3.0 x 60000 / (0.85 x 4000 x 12); Mu = (21.5 - a/2) x 0.9 x 3.0 x 60000 / 12000.
  EXPECT_FLOAT_EQ(p.BlockDepth, 180000 / 40800.0);
  EXPECT_NEAR(p.BlockDepth, 4.412, 0.0005);
  EXPECT_FLOAT_EQ(p.MomentCap, (21.5 - 90000 / 40800.0) * 13.5);
  EXPECT_NEAR(p.MomentCap, 260.5, 0.05);
  EXPECT_EQ(FormatPattern(p.BlockDepth, "0.0000E+00"), "4.4118E+00");
  EXPECT_EQ(FormatPattern(p.MomentCap, "0.0000E+00"), "2.6047E+02");
  EXPECT_EQ(p.CSteelStrain, 0.0f);
  EXPECT_EQ(p.CSteelStress, 0.0f);
  EXPECT_EQ(p.WebWidthMin, 12.0f);
  EXPECT_EQ(p.ShearDepth, 21.5f);
  // c = a / 0.85 = 5.1903 in: c/d = 0.24141, steel strain 0.003 (d - c) / c.
  EXPECT_FLOAT_EQ(p.CDRatio, 0.24140983);
  EXPECT_FLOAT_EQ(p.TSteelStrain, 0.009427);
  // Balanced: cb = 21.5 x 0.003 / (0.003 + 60000 / 29e6) = 12.7246 in.
  EXPECT_FLOAT_EQ(p.MaxTSteelArea, 5.5160663);
}

TEST(MomentCapability, TeeWithinTheFlangeIsARectangleOfTheFlangeWidth) {
  Problem tee = ReviewedRectangle();
  SetTee(tee, 24, 48, 6, 12);
  Problem rect = ReviewedRectangle();
  SetRectangle(rect, 48, 24);
  MomentCapability(tee);
  MomentCapability(rect);
  EXPECT_NEAR(tee.BlockDepth, 1.103, 0.0005);
  EXPECT_EQ(tee.BlockDepth, rect.BlockDepth);
  EXPECT_EQ(tee.MomentCap, rect.MomentCap);
}

TEST(MomentCapability, TeeBelowTheFlange) {
  for (const bool box : {false, true}) {
    Problem p = ReviewedTee();
    if (box) SetBox(p, 30, 24, 3, 10, 4, 10);
    MomentCapability(p);
    // k (b - bw) hf + k bw a = As fy: a = (360000 / 3400 - 42) / 10 = 6.388 in.
    const double a = (360000 / 3400.0 - 42) / 10;
    EXPECT_FLOAT_EQ(p.BlockDepth, a) << box;
    // Moment of the overhangs and of the web block about the steel.
    EXPECT_FLOAT_EQ(p.MomentCap,
                    0.9 * (3400 * 42 * (27 - 1.5) + 3400 * 10 * a * (27 - a / 2)) / 12000)
        << box;
    EXPECT_NEAR(p.MomentCap, 660.9028, 0.0005) << box;
  }
}

TEST(MomentCapability, ShallowCompressionSteelIsIgnored) {
  Problem plain = ReviewedRectangle();
  MomentCapability(plain);
  for (const float dc : {0.0f, 0.004f, 0.005f}) {
    Problem p = ReviewedRectangle();
    p.CSteelArea = 2;
    p.DepthC = dc;
    MomentCapability(p);
    EXPECT_EQ(p.BlockDepth, plain.BlockDepth) << dc;
    EXPECT_EQ(p.MomentCap, plain.MomentCap) << dc;
    EXPECT_EQ(p.CSteelStrain, 0.0f) << dc;
    EXPECT_EQ(p.CSteelStress, 0.0f) << dc;
  }
  // Just above 0.005 the steel counts.
  Problem p = ReviewedRectangle();
  p.CSteelArea = 2;
  p.DepthC = std::nextafter(0.005f, 1.0f);
  MomentCapability(p);
  EXPECT_EQ(p.CSteelStress, 60000.0f);
  EXPECT_GT(p.MomentCap, plain.MomentCap);
}

TEST(MomentCapability, NoCompressionAreaGivesTheTensionOnlyMoment) {
  Problem plain = ReviewedRectangle();
  MomentCapability(plain);
  // d' = 1 takes the yielding branch, d' = 2.5 the elastic one.
  for (const float dc : {1.0f, 2.5f}) {
    Problem p = ReviewedRectangle();
    p.DepthC = dc;
    MomentCapability(p);
    EXPECT_FLOAT_EQ(p.BlockDepth, plain.BlockDepth) << dc;
    EXPECT_FLOAT_EQ(p.MomentCap, plain.MomentCap) << dc;
    EXPECT_EQ(p.MaxTSteelArea, plain.MaxTSteelArea) << dc;
  }
}

struct CompressionCase {
  std::string name;
  Problem problem;
  double blockDepth;
  double steelStress;  // fs' used in the moment
  double steelStrain;
  double momentCap;
  double concreteArea;  // area in compression for the block depth, for equilibrium
};

class CompressionSteel : public ::testing::TestWithParam<CompressionCase> {};

TEST_P(CompressionSteel, MatchesTheHandCalculation) {
  const CompressionCase& c = GetParam();
  Problem p = c.problem;
  MomentCapability(p);
  EXPECT_NEAR(p.BlockDepth, c.blockDepth, 1e-6 * c.blockDepth);
  EXPECT_NEAR(p.CSteelStress, c.steelStress, 1e-5 * std::abs(c.steelStress));
  EXPECT_NEAR(p.CSteelStrain, c.steelStrain, 1e-5 * std::abs(c.steelStrain));
  EXPECT_NEAR(p.MomentCap, c.momentCap, 1e-6 * c.momentCap);
  // The stress block, the compression steel and the tension steel balance.
  if (c.concreteArea > 0) {
    EXPECT_NEAR(CompressionForce(p, c.concreteArea), p.TSteelArea * 60000.0, 0.05);
  }
}

std::vector<CompressionCase> CompressionCases() {
  std::vector<CompressionCase> cases;
  Problem r = ReviewedRectangle();
  r.TSteelArea = 4;
  r.CSteelArea = 1;
  // Trial a = (3400 + 3 x 60000) / 40800 = 4.4951; at d' = 1.5 fs' = 62323 psi: yields.
  r.DepthC = 1.5f;
  cases.push_back(
      {"RectangleYielding", r, 4.4950980, 60000, 60000 / 29e6, 349.90809, 12 * 4.4950980});
  // At d' = 2.5 the trial fs' is 45872 psi: elastic, c = 5.62480 from the strains.
  r.DepthC = 2.5f;
  cases.push_back(
      {"RectangleElastic", r, 4.7810795, 48331.955, 0.00166661913, 343.57350, 12 * 4.7810795});

  Problem t = ReviewedTee();
  t.CSteelArea = 1;
  const double overhangs = 14 * 3;
  // Both trials yield: a = ((6 - 2.38 - 1) x 60000 + 3400) / 34000.
  t.DepthC = 1;
  cases.push_back(
      {"TeeYielding", t, 4.7235294, 60000, 60000 / 29e6, 680.58979, overhangs + 10 * 4.7235294});
  t.DepthC = 2;
  cases.push_back({"TeeElastic", t, 4.8300277, 56379.058, 0.00194410544, 675.34928,
                   overhangs + 10 * 4.8300277});
  // Below the axis of the rectangular trial, above the axis of the tee.
  t.DepthC = 6;
  cases.push_back({"TeeBelowRectangularAxis", t, 6.0768913, 13985.695, 0.00048226533, 660.33227,
                   overhangs + 10 * 6.0768913});
  // Below the neutral axis in both: the tension-steel moment stands.
  t.DepthC = 10;
  cases.push_back({"TeeSteelBelowTheAxis", t, 7.0253451, -18261.733, -0.00062971493, 660.90282, 0});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Sections, CompressionSteel, ::testing::ValuesIn(CompressionCases()),
                         [](const auto& info) { return info.param.name; });

TEST(MomentCapability, CompressionSteelBelowTheNeutralAxisKeepsTheMoment) {
  Problem plain = ReviewedRectangle();
  MomentCapability(plain);
  Problem p = ReviewedRectangle();
  p.CSteelArea = 1;
  p.DepthC = 10;
  MomentCapability(p);
  EXPECT_EQ(p.MomentCap, plain.MomentCap);
  // 34680 c^2 - 96400 c - 870000 = 0: c = 6.58775, a = 5.59959.
  EXPECT_NEAR(p.BlockDepth, 5.5995895, 1e-5);
  EXPECT_NEAR(p.CSteelStrain, -0.0015539052, 1e-9);
  EXPECT_FLOAT_EQ(p.CSteelStress, 29e6f * p.CSteelStrain);
}

TEST(MomentCapability, MaximumAreaIncludesTheCompressionSteel) {
  Problem p = ReviewedRectangle();
  p.CSteelArea = 1.5f;  // at d' = 0 it does not enter the moment
  MomentCapability(p);
  EXPECT_FLOAT_EQ(p.MaxTSteelArea, 5.5160663 + 1.5);

  // Tee: the balanced block (13.58 in) is below the flange.
  Problem t = ReviewedTee();
  t.CSteelArea = 2;
  t.DepthC = 2;
  MomentCapability(t);
  EXPECT_FLOAT_EQ(t.MaxTSteelArea, 7.5576276 + 2);

  // Flange 16 in thick: the balanced block (10.82 in) stays in it.
  Problem thick = ReviewedRectangle();
  SetTee(thick, 24, 48, 16, 12);
  MomentCapability(thick);
  EXPECT_FLOAT_EQ(thick.MaxTSteelArea, 22.064265);
}

struct CodeCase {
  const char* codeKey;
  bool metric;
  float maxCD;  // 0.3 stands for "unchanged"
};

class MaximumCD : public ::testing::TestWithParam<CodeCase> {};

TEST_P(MaximumCD, ByCode) {
  Problem p = GetParam().metric ? MetricBeam(GetParam().codeKey) : EnglishBeam(GetParam().codeKey);
  SetRectangle(p, 12, 24);
  p.DepthT = 21.5f;
  p.TSteelArea = 3;
  p.SteelStrength = GetParam().metric ? 400 : 60000;
  p.BlockDepth = 4;
  p.MaxCD = 0.3f;
  StressBlockLimits(p);
  EXPECT_FLOAT_EQ(p.MaxCD, GetParam().maxCD);
}

TEST(MaximumCD, CsaAt400MPaPrints) {
  Problem p = MetricBeam(code::CSA);
  SetRectangle(p, 300, 600);
  p.DepthT = 540;
  p.SteelStrength = 400;
  p.BlockDepth = 100;
  StressBlockLimits(p);
  EXPECT_EQ(FormatPattern(p.MaxCD, "0.0000"), "0.6364");
  EXPECT_EQ(FormatPattern(p.MaxCD, "0.0000E+00"), "6.3636E-01");
}

INSTANTIATE_TEST_SUITE_P(
    Codes, MaximumCD,
    ::testing::Values(CodeCase{code::LRFD, false, 0.42f}, CodeCase{code::CSA, true, 0.63636364f},
                      CodeCase{code::S6, true, 0.5f}, CodeCase{code::OHBDC, true, 0.5f},
                      CodeCase{code::UD, false, 0.3f}, CodeCase{code::ACI, false, 0.3f},
                      CodeCase{code::AASHTO, false, 0.3f}, CodeCase{code::AREMA, false, 0.3f}));

struct ShearDepthCase {
  const char* codeKey;
  float steelArea;
  double shearDepth;
};

class EffectiveShearDepth : public ::testing::TestWithParam<ShearDepthCase> {};

TEST_P(EffectiveShearDepth, ByCode) {
  Problem p = ReviewedRectangle(GetParam().codeKey);
  p.TSteelArea = GetParam().steelArea;
  MomentCapability(p);
  EXPECT_FLOAT_EQ(p.ShearDepth, GetParam().shearDepth);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, EffectiveShearDepth,
    ::testing::Values(ShearDepthCase{code::AASHTO, 3, 21.5}, ShearDepthCase{code::ACI, 3, 21.5},
                      ShearDepthCase{code::AREMA, 1, 21.5},
                      // Lever arm 21.5 - 2.206 = 19.294 is below 0.9 d = 19.35.
                      ShearDepthCase{code::LRFD, 3, 19.35}, ShearDepthCase{code::UD, 3, 19.35},
                      // Lever arm 21.5 - 60000 / 40800 / 2 = 20.765 governs.
                      ShearDepthCase{code::LRFD, 1, 21.5 - 30000 / 40800.0},
                      ShearDepthCase{code::S6, 1, 21.5 - 30000 / 40800.0}));

struct DesignMomentCase {
  float momentUlt;
  float designMoment;
};

class MinimumDesignMoment : public ::testing::TestWithParam<DesignMomentCase> {};

TEST_P(MinimumDesignMoment, MuOrTheSmallerOfFactoredCrackingAndFourThirdsMu) {
  Problem p = ReviewedRectangle(code::AASHTO);
  p.CrackMoment12 = 57.6f;
  p.MomentUlt = GetParam().momentUlt;
  MomentCapability(p);
  EXPECT_FLOAT_EQ(p.MinDesignMoment, GetParam().designMoment);
}

INSTANTIATE_TEST_SUITE_P(Moments, MinimumDesignMoment,
                         ::testing::Values(DesignMomentCase{100, 100},
                                           DesignMomentCase{57.6f, 57.6f},
                                           DesignMomentCase{50, 57.6f},
                                           DesignMomentCase{43.2f, 57.6f}, DesignMomentCase{30, 40},
                                           DesignMomentCase{0, 0},
                                           DesignMomentCase{-10, -40 / 3.0f}));

TEST(MomentCapability, AciLeavesTheDesignMomentAlone) {
  Problem p = ReviewedRectangle(code::ACI);
  p.CrackMoment12 = 57.6f;
  p.MomentUlt = 100;
  p.MinDesignMoment = 7;
  MomentCapability(p);
  EXPECT_EQ(p.MinDesignMoment, 7.0f);
}

struct AciCase {
  std::string name;
  bool metric;
  float strength;
  float width;
  float depth;
  float steelArea;
  double asMinCode;
  double minArea;
};

class AciMinimumSteel : public ::testing::TestWithParam<AciCase> {};

TEST_P(AciMinimumSteel, SmallerOfFormulaAndFourThirdsAs) {
  const AciCase& c = GetParam();
  Problem p = c.metric ? MetricBeam(code::ACI) : EnglishBeam(code::ACI);
  SetRectangle(p, c.width, 2 * c.depth);
  p.ConcreteStrength = c.strength;
  p.DepthT = c.depth;
  p.TSteelArea = c.steelArea;
  p.MinDesignMoment = 7;
  MomentCapability(p);
  EXPECT_FLOAT_EQ(p.AsMinCode, c.asMinCode);
  EXPECT_FLOAT_EQ(p.AsFourThirds, 4 / 3.0 * c.steelArea);
  EXPECT_FLOAT_EQ(p.MinTSteelArea, c.minArea);
  EXPECT_EQ(p.MinDesignMoment, 7.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Sections, AciMinimumSteel,
    ::testing::Values(
        // 3 sqrt(4000) x 12 x 21.5 / 60000 = 0.8159 < 200 x 12 x 21.5 / 60000 = 0.86.
        AciCase{"EnglishFloorGoverns", false, 4000, 12, 21.5f, 3, 0.86, 0.86},
        // 3 sqrt(5000) x 258 / 60000 = 0.9122; 4/3 x 0.6 = 0.8 is smaller.
        AciCase{"EnglishFourThirdsGoverns", false, 5000, 12, 21.5f, 0.6f, 0.91216775, 0.8},
        // sqrt(28) x 300 x 540 / 1680 = 510.25 < 1.4 x 300 x 540 / 420 = 540.
        AciCase{"MetricFloorGoverns", true, 28, 300, 540, 2000, 540, 540},
        // sqrt(40) x 300 x 540 / 1680 = 609.87; 4/3 x 300 = 400 is smaller.
        AciCase{"MetricFourThirdsGoverns", true, 40, 300, 540, 300, 609.86786, 400}),
    [](const auto& info) { return info.param.name; });

struct WebCase {
  std::string name;
  int32_t type;
  float bbot;
  float webWidthMin;
};

class MinimumWebWidth : public ::testing::TestWithParam<WebCase> {};

TEST_P(MinimumWebWidth, ByShape) {
  Problem p = ReviewedRectangle(code::ACI);
  SetBox(p, 24, 36, 4, GetParam().bbot, 4, 12);
  SetTee(p, 24, 36, 4, 10);
  p.SectionType = GetParam().type;
  MomentCapability(p);
  EXPECT_EQ(p.WebWidthMin, GetParam().webWidthMin);
}

INSTANTIATE_TEST_SUITE_P(Shapes, MinimumWebWidth,
                         ::testing::Values(WebCase{"Rectangle", section::Rectangular, 30, 12},
                                           WebCase{"Tee", section::Tee, 30, 10},
                                           WebCase{"BoxTwiceTheWeb", section::Box, 30, 24},
                                           WebCase{"BoxBottomFlange", section::Box, 20, 20},
                                           WebCase{"BoxEqual", section::Box, 24, 24}),
                         [](const auto& info) { return info.param.name; });

TEST(MomentCapability, UnknownShapeSkipsTheSectionSteps) {
  Problem p = ReviewedRectangle(code::LRFD);
  p.SectionType = 7;
  p.BlockDepth = 4;
  p.MomentCap = 300;
  p.WebWidthMin = 9;
  p.MaxTSteelArea = 5;
  p.CSteelStress = 3;
  p.CSteelArea = 1;
  p.DepthC = 2;
  MomentCapability(p);
  EXPECT_EQ(p.BlockDepth, 4.0f);
  EXPECT_EQ(p.MomentCap, 300.0f);
  EXPECT_EQ(p.WebWidthMin, 9.0f);
  EXPECT_EQ(p.CSteelStress, 0.0f);
  // The lever arm of the old capability, 22.2 in, is above 0.9 d.
  EXPECT_FLOAT_EQ(p.ShearDepth, 300 * 12000 / (0.9 * 3 * 60000));
  EXPECT_EQ(p.MaxTSteelArea, 6.0f);  // the old value plus As'
  EXPECT_FLOAT_EQ(p.CDRatio, 4 / (0.85 * 21.5));
}

TEST(MomentCapability, ZeroWidthFaultsAfterResettingTheCompressionSteel) {
  Problem p = ReviewedRectangle();
  p.RecB = 0;
  p.CSteelStrain = 1;
  p.CSteelStress = 2;
  p.BlockDepth = 3;
  p.MomentCap = 4;
  EXPECT_EQ(FaultOf([&] { MomentCapability(p); }), Fault::DivisionByZero);
  EXPECT_EQ(p.CSteelStrain, 0.0f);
  EXPECT_EQ(p.CSteelStress, 0.0f);
  EXPECT_EQ(p.BlockDepth, 3.0f);
  EXPECT_EQ(p.MomentCap, 4.0f);
}

TEST(MomentCapability, NoTensionSteelFaultsAtTheLeverArm) {
  Problem p = ReviewedRectangle(code::LRFD);
  p.TSteelArea = 0;
  p.WebWidthMin = 1;
  p.ShearDepth = 2;
  p.MaxTSteelArea = 3;
  EXPECT_EQ(FaultOf([&] { MomentCapability(p); }), Fault::DivisionByZero);
  EXPECT_EQ(p.BlockDepth, 0.0f);
  EXPECT_EQ(p.MomentCap, 0.0f);
  EXPECT_EQ(p.WebWidthMin, 12.0f);
  EXPECT_EQ(p.ShearDepth, 2.0f);
  EXPECT_EQ(p.MaxTSteelArea, 3.0f);
}

TEST(MomentCapability, ZeroBlockRatioFaultsInTheLimits) {
  // B1 enters first in c/d, after the balanced area has been stored and
  // before As' is added to it.
  Problem p = ReviewedRectangle();
  p.B1 = 0;
  p.CSteelArea = 1;
  p.CDRatio = 5;
  EXPECT_EQ(FaultOf([&] { MomentCapability(p); }), Fault::DivisionByZero);
  EXPECT_FLOAT_EQ(p.MomentCap, 260.47059);
  EXPECT_EQ(p.MaxTSteelArea, 0.0f);
  EXPECT_EQ(p.CDRatio, 5.0f);

  // With compression steel the trial neutral axis meets it first.
  p = ReviewedRectangle();
  p.B1 = 0;
  p.CSteelArea = 1;
  p.DepthC = 2;
  p.CSteelStress = 9;
  EXPECT_EQ(FaultOf([&] { MomentCapability(p); }), Fault::DivisionByZero);
  EXPECT_FLOAT_EQ(p.BlockDepth, 180000 / 40800.0);
  EXPECT_EQ(p.CSteelStress, 0.0f);
}

TEST(MomentCapability, FlangedSectionWithoutSteelStrengthFaultsAtTheOverhangSteel) {
  Problem p = ReviewedTee();
  p.SteelStrength = 0;
  p.MomentCap = 5;
  EXPECT_EQ(FaultOf([&] { MomentCapability(p); }), Fault::DivisionByZero);
  EXPECT_EQ(p.BlockDepth, 0.0f);
  EXPECT_EQ(p.MomentCap, 0.0f);
  EXPECT_EQ(p.WebWidthMin, 10.0f);
}

}  // namespace
}  // namespace kestal
