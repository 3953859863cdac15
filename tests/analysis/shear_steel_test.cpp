#include "analysis/shear_steel.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/checked.h"
#include "support/problems.h"

namespace kestal {
namespace {

using namespace support;

Problem English(const char* key) {
  Problem p = EnglishUnits(key);
  p.SteelStrength = 60000;
  p.ConcreteStrength = 4000;
  p.WebWidthMin = 12;
  p.DepthT = 20;
  p.ShearDepth = 20;
  p.VPhi = 0.85f;
  p.Phi = 0.9f;
  p.PhiReinf = 1;
  p.PhiConc = 1;
  return p;
}

Problem Metric(const char* key) {
  Problem p = MetricUnits(key);
  p.SteelStrength = 400;
  p.ConcreteStrength = 35;
  p.Frup = 3.5f;
  p.WebWidthMin = 300;
  p.DepthT = 660;
  p.ShearDepth = 600;
  p.VPhi = 0.9f;
  p.Phi = 0.9f;
  p.PhiReinf = 0.85f;
  p.PhiConc = 0.65f;
  return p;
}

class Required : public testing::TestWithParam<ResultCase> {};

TEST_P(Required, AvOverSRoundedToItsDisplay) {
  Problem p = GetParam().problem;
  RequiredShearSteel(p);
  EXPECT_FLOAT_EQ(p.VSteelArea, static_cast<float>(GetParam().expected));
}

// Vu and phi Vc on a problem.
Problem Need(Problem p, float shear, float concrete) {
  p.ShearUlt = shear;
  p.ConcShearCap = concrete;
  return p;
}

Problem Unit(Problem p, float phiV, float fy, float d) {
  p.VPhi = phiV;
  p.SteelStrength = fy;
  p.DepthT = d;
  return p;
}

Problem WithTheta(Problem p, float theta) {
  p.Theta = theta;
  return p;
}

Problem WithUnits(Problem p, const char* u) {
  p.Units = u;
  return p;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Required,
    testing::Values(
        // 30 x 1000 / (0.85 x 60000 x 20) = 0.0294118 -> 0.0294.
        ResultCase{"Aci", Need(English("aci"), 50, 20), 0.0294},
        ResultCase{"Aashto", Need(English("aashto"), 50, 20), 0.0294},
        ResultCase{"Arema", Need(English("arema"), 50, 20), 0.0294},
        // 12.34 x 1000 / 1e6 = 0.01234 -> 0.0123.
        ResultCase{"EnglishFourDecimals", Need(Unit(English("aci"), 1, 50000, 20), 32.34f, 20),
                   0.0123},
        // 91.2 x 1000 / 200000 = 0.456 -> 0.46.
        ResultCase{"MetricTwoDecimals", Need(Unit(Metric("aci"), 1, 400, 500), 191.2f, 100), 0.46},
        ResultCase{"MetricRoundsDown", Need(Unit(Metric("aci"), 1, 400, 500), 190.8f, 100), 0.45},
        // Other Units text: not rounded.
        ResultCase{"OtherUnitsNotRounded",
                   Need(WithUnits(Unit(Metric("aci"), 1, 400, 500), "metric"), 191.2f, 100), 0.456},
        // lrfd at theta 45 (tan of 45 x 3.1416 / 180): 0.0277779 -> 0.0278.
        ResultCase{"Lrfd", Need(WithTheta(Unit(English("lrfd"), 0.9f, 60000, 22), 45), 50, 20),
                   0.0278},
        // csa: 200 x 1000 tan 35 / (0.85 x 400 x 600) = 0.68648 -> 0.69.
        ResultCase{"Csa", Need(WithTheta(Metric("csa"), 35), 300, 100), 0.69},
        ResultCase{"S6", Need(WithTheta(Metric("s6"), 35), 300, 100), 0.69}),
    CaseName);

TEST(RequiredShearSteel, FaultLeavesTheAreaUnchanged) {
  Problem p = English("aci");
  p.SteelStrength = 0;
  p.ShearUlt = 50;
  p.VSteelArea = 0.2f;
  EXPECT_THROW(RequiredShearSteel(p), CalcError);
  EXPECT_EQ(p.VSteelArea, 0.2f);
}

class Minimum : public testing::TestWithParam<ResultCase> {};

TEST_P(Minimum, MinimumShearSteel) {
  Problem p = GetParam().problem;
  MinimumShearSteel(p);
  ExpectClose(p.MinShearSteel, GetParam().expected);
}

Problem WithStrength(Problem p, float fc) {
  p.ConcreteStrength = fc;
  return p;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Minimum,
    testing::Values(
        // 0.75 x 63.25 = 47.4 < 50: 50 x 12 / 60000.
        ResultCase{"Aci4000", English("aci"), 0.01},
        // 0.75 x 70.7 = 53.0 governs: 0.0106066.
        ResultCase{"Aci5000", WithStrength(English("aci"), 5000), 0.0106066017},
        // Metric: 0.75 sqrt(28) / 12 = 0.3307 < 50 / 145 = 0.3448.
        ResultCase{"AciMetric", WithStrength(Metric("aci"), 28), 50.0 / 145 * 300 / 400},
        ResultCase{"Aashto", English("aashto"), 0.01},
        ResultCase{"AashtoMetric", Metric("aashto"), 50.0 / 145 * 300 / 400},
        ResultCase{"Arema", English("arema"), 0.012},
        ResultCase{"Lrfd", English("lrfd"), 0.0126491106},
        ResultCase{"LrfdMetric", Metric("lrfd"), std::sqrt(35.0) / 12 * 300 / 400},
        ResultCase{"Csa", Metric("csa"), 0.26622359}, ResultCase{"S6", Metric("s6"), 0.39375}),
    CaseName);

// With no psi factor the floor divides by zero after the first value is
// stored.
TEST(MinimumShearSteel, AciFaultKeepsTheFirstValue) {
  Problem p = WithStrength(English("aci"), 5000);
  p.PsiPerStress = 0;
  EXPECT_THROW(MinimumShearSteel(p), CalcError);
  ExpectClose(p.MinShearSteel, 0.0106066017);
}

// f'c 3600 psi (root 60), phi_v 0.5, bv 20, d 20: 2 phi_v root bv d = 24000.
Problem AciSpacing(float shear, float concrete) {
  Problem p = English("aci");
  p.ConcreteStrength = 3600;
  p.VPhi = 0.5f;
  p.WebWidthMin = 20;
  p.ShearUlt = shear;
  p.ConcShearCap = concrete;
  return p;
}

class Spacing : public testing::TestWithParam<ResultCase> {};

TEST_P(Spacing, MaximumSpacing) {
  Problem p = GetParam().problem;
  p.MaxShearSpacing = -1;
  MaximumShearSpacing(p);
  ExpectClose(p.MaxShearSpacing, GetParam().expected);
}

Problem Lrfd(float dv, float shear, Problem p = English("lrfd"), float phiV = 0.9f) {
  p.VPhi = phiV;
  p.WebWidthMin = 10;
  p.ShearDepth = dv;
  p.ShearUlt = shear;
  return p;
}

Problem Canadian(const char* key, float dv, float shear, Problem p) {
  p.CodeKey = key;
  p.ShearDepth = dv;
  p.ShearUlt = shear;
  return p;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Spacing,
    testing::Values(
        // (30 - 6) x 1000 equals 24000 exactly: not above, d / 2.
        ResultCase{"AciEqualKeepsHalfDepth", AciSpacing(30, 6), 10},
        ResultCase{"AciAboveGivesQuarterDepth", AciSpacing(30.25f, 6), 5},
        // 24000.00048 as a 32-bit float is 24000: not above.
        ResultCase{"AciLevelComparedAsFloat", AciSpacing(30, std::nextafter(6.0f, 0.0f)), 10},
        // 0.8 x 20 = 16 in.
        ResultCase{"LrfdLow", Lrfd(20, 10), 16},
        // 0.8 x 40 = 32 is limited to 24 in.
        ResultCase{"LrfdLowLimited", Lrfd(40, 10), 24},
        // phi_v 0.75: 0.125 x 0.75 x 4000 x 10 x 40 = 150000 = 1000 Vu: not
        // above.
        ResultCase{"LrfdLevelEqual", Lrfd(40, 150, English("lrfd"), 0.75f), 24},
        ResultCase{"LrfdHigh", Lrfd(40, 151, English("lrfd"), 0.75f), 16},
        // 0.4 x 80 = 32 is limited to 24 in too.
        ResultCase{"LrfdHighLimited", Lrfd(80, 400, English("lrfd"), 0.75f), 24},
        // Metric: 800 mm limited to 24 / 0.0394 = 609.137 mm.
        ResultCase{"LrfdMetricLimited", Lrfd(1000, 10, Metric("lrfd")), 609.13705},
        // csa: 0.7 x 600 = 420 mm; high shear above 0.125 x 0.65 x 35 x 300 x
        // 600 = 511875: 0.35 x 600 = 210 mm.
        ResultCase{"CsaLow", Canadian("csa", 600, 500, Metric("csa")), 420},
        ResultCase{"CsaHigh", Canadian("csa", 600, 512, Metric("csa")), 210},
        // With c = 1 the limits are 600 and 300.
        ResultCase{"CsaLimits", Canadian("csa", 1000, 1, English("csa")), 600},
        ResultCase{"CsaHighLimits", Canadian("csa", 1000, 1e6f, English("csa")), 300},
        ResultCase{"CsaMetricLimit", Canadian("csa", 30000, 1, Metric("csa")), 600 / 0.0394f},
        // s6: 0.75 x 600; above 0.1 x 0.65 x 35 x 300 x 600 = 409500: 0.33 x 600.
        ResultCase{"S6Low", Canadian("s6", 600, 409, Metric("s6")), 450},
        ResultCase{"S6High", Canadian("s6", 600, 410, Metric("s6")), 198},
        ResultCase{"S6HighLimits", Canadian("s6", 1000, 1e6f, English("s6")), 300}),
    CaseName);

TEST(MaximumShearSpacing, AciFaultAfterTheSpacingIsStored) {
  Problem p = AciSpacing(30, 6);
  p.ConcreteStrength = -1;
  p.MaxShearSpacing = -1;
  EXPECT_THROW(MaximumShearSpacing(p), CalcError);
  EXPECT_EQ(p.MaxShearSpacing, 10);
}

class Strength : public testing::TestWithParam<ResultCase> {};

TEST_P(Strength, SteelShearStrength) {
  Problem p = GetParam().problem;
  ShearSteelStrength(p);
  ExpectClose(p.SteelShearCap, GetParam().expected);
}

Problem Stirrups(Problem p, float av, float s, float theta) {
  p.VSteelArea = av;
  p.sAv = s;
  p.Theta = theta;
  return p;
}

INSTANTIATE_TEST_SUITE_P(Cases, Strength,
                         testing::Values(
                             // 0.85 x 0.22 x 60000 x 20 / 8000.
                             ResultCase{"Aci", Stirrups(English("aci"), 0.22f, 8, 0), 28.05},
                             ResultCase{"Aashto", Stirrups(English("aashto"), 0.22f, 8, 0), 28.05},
                             // 0.9 x 0.22 x 60000 x 20 / (8000 tan 45): tan(45 x 3.1416 / 180).
                             ResultCase{"Lrfd", Stirrups(Lrfd(20, 0), 0.22f, 8, 45), 29.699891},
                             // 0.85 x 200 x 400 x 600 / (200 x 1000 x tan 35).
                             ResultCase{"Csa", Stirrups(Metric("csa"), 200, 200, 35), 291.34131},
                             ResultCase{"S6", Stirrups(Metric("s6"), 200, 200, 35), 291.34131}),
                         CaseName);

TEST(ShearSteelStrength, ZeroSpacingOrAngleFails) {
  Problem p = Stirrups(English("aci"), 0.22f, 0, 0);
  p.SteelShearCap = 3;
  EXPECT_THROW(ShearSteelStrength(p), CalcError);
  EXPECT_EQ(p.SteelShearCap, 3);
  Problem lrfd = Stirrups(Lrfd(20, 0), 0.22f, 8, 0);
  EXPECT_THROW(ShearSteelStrength(lrfd), CalcError);
}

class LongSteel : public testing::TestWithParam<ResultCase> {};

TEST_P(LongSteel, MinimumLongitudinalSteel) {
  Problem p = GetParam().problem;
  p.MinLongSteel = -1;
  MinimumLongitudinalSteel(p);
  ExpectClose(p.MinLongSteel, GetParam().expected);
}

// lrfd: Mu 500, dv 20, phi 0.9, Vu 40, phi_v 0.9, theta 45, fy 60000:
// (6e6 / 18 + 1000 t / tan 45) / 60000.
Problem LrfdLong(float shear, float steelCap) {
  Problem p = Lrfd(20, shear);
  p.MomentUlt = 500;
  p.Theta = 45;
  p.SteelShearCap = steelCap;
  return p;
}

Problem WithCode(Problem p, const char* key) {
  p.CodeKey = key;
  return p;
}

// csa: Mu 800, dv 600, Vu 300, phi_s 0.85, fy 400, theta 35.
Problem CsaLong(const char* key, float steelCap) {
  Problem p = Metric(key);
  p.MomentUlt = 800;
  p.ShearUlt = 300;
  p.Theta = 35;
  p.SteelShearCap = steelCap;
  return p;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LongSteel,
    testing::Values(ResultCase{"Aci", WithCode(LrfdLong(40, 50), "aci"), 0},
                    ResultCase{"Aashto", WithCode(LrfdLong(40, 50), "aashto"), 0},
                    ResultCase{"Arema", WithCode(LrfdLong(40, 50), "arema"), 0},
                    // Vs 50 > Vu: t = 40 / 0.9 - 0.5 x 40 / 0.9.
                    ResultCase{"LrfdStirrupsAboveShear", LrfdLong(40, 50), 5.9259246},
                    // Vs 30: t = 40 / 0.9 - 0.5 x 30 / 0.9.
                    ResultCase{"LrfdStirrupsBelowShear", LrfdLong(40, 30), 6.0185168},
                    ResultCase{"LrfdStirrupsEqualShear", LrfdLong(40, 40), 5.9259246},
                    // Vu -40: t = 40 / 0.9 + 20 / 0.9.
                    ResultCase{"LrfdNegativeShear", LrfdLong(-40, 50), 6.6666626},
                    // Vs 400 > 300: t = 150; Vs 250: t = 300 - 125.
                    ResultCase{"CsaStirrupsAboveShear", CsaLong("csa", 400), 4551.632},
                    ResultCase{"CsaStirrupsBelowShear", CsaLong("csa", 250), 4656.6426},
                    ResultCase{"S6", CsaLong("s6", 400), 4551.632}),
    CaseName);

TEST(MinimumLongitudinalSteel, FaultLeavesTheAreaUnchanged) {
  Problem p = LrfdLong(40, 50);
  p.Phi = 0;
  p.MinLongSteel = 8;
  EXPECT_THROW(MinimumLongitudinalSteel(p), CalcError);
  EXPECT_EQ(p.MinLongSteel, 8);
}

TEST(ShearSteelRules, CodesWithoutShearRulesChangeNothing) {
  for (const char* key : {"ohbdc", "ud"}) {
    SCOPED_TRACE(key);
    Problem p = Stirrups(Metric(key), 200, 200, 35);
    p.ShearUlt = 300;
    p.MomentUlt = 800;
    p.MinShearSteel = 1;
    p.MaxShearSpacing = 2;
    p.SteelShearCap = 3;
    p.MinLongSteel = 4;
    RequiredShearSteel(p);
    MinimumShearSteel(p);
    MaximumShearSpacing(p);
    ShearSteelStrength(p);
    MinimumLongitudinalSteel(p);
    EXPECT_EQ(p.VSteelArea, 200);
    EXPECT_EQ(p.MinShearSteel, 1);
    EXPECT_EQ(p.MaxShearSpacing, 2);
    EXPECT_EQ(p.SteelShearCap, 3);
    EXPECT_EQ(p.MinLongSteel, 4);
  }
}

}  // namespace
}  // namespace kestal
