#include "analysis/cracked_section.h"

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

// The cracked transformed section worked out from its geometry: the neutral
// axis where the first moments of the compressed concrete and the
// transformed steel balance (found by bisection), then the inertia of the
// pieces about it. Concrete above the axis: a flange b x hf and, below the
// flange, a web bw wide; the compression steel counts (n - 1) As'.
struct Transformed {
  double b, bw, hf, n, as, d, asc, dc;

  double ConcreteFirstMoment(double x) const {
    if (x <= hf) return b * x * x / 2;
    return b * hf * (x - hf / 2) + bw * (x - hf) * (x - hf) / 2;
  }
  double Balance(double x) const {
    return ConcreteFirstMoment(x) + (n - 1) * asc * (x - dc) - n * as * (d - x);
  }
  double NeutralAxis() const {
    double lo = 0, hi = d;
    for (int i = 0; i < 200; ++i) {
      const double mid = (lo + hi) / 2;
      (Balance(mid) > 0 ? hi : lo) = mid;
    }
    return (lo + hi) / 2;
  }
  double Inertia() const {
    const double x = NeutralAxis();
    double concrete;
    if (x <= hf) {
      concrete = b * x * x * x / 3;
    } else {
      concrete = b * hf * hf * hf / 12 + b * hf * (x - hf / 2) * (x - hf / 2) +
                 bw * std::pow(x - hf, 3) / 3;
    }
    return concrete + (n - 1) * asc * (x - dc) * (x - dc) + n * as * (d - x) * (d - x);
  }
};

Problem ReinforcedRectangle() {
  Problem p = EnglishBeam();
  SetRectangle(p, 12, 24);
  p.TSteelArea = 3;
  p.DepthT = 21;
  p.ModularRatio = 8;
  p.Frup = 500;
  GrossSectionProps(p);
  return p;
}

TEST(CrackedSection, WorkedRectangle) {
  // 6 x^2 + 24 x - 504 = 0 gives x = 7.381 in; Icr = 12 x^3 / 3 + 24 (21 - x)^2.
  Problem p = ReinforcedRectangle();
  SectionInertias(p);
  const double x = (-24 + std::sqrt(24.0 * 24 + 4 * 6 * 504)) / 12;
  EXPECT_NEAR(x, 7.381, 0.0005);
  EXPECT_EQ(p.GrossInertia, 13824.0f);  // 12 x 24^3 / 12
  EXPECT_FLOAT_EQ(p.CrackedInertia, 4 * x * x * x + 24 * (21 - x) * (21 - x));
  EXPECT_NEAR(p.CrackedInertia, 6060, 1);
  EXPECT_EQ(FormatPattern(p.GrossInertia, "0.0000E+00"), "1.3824E+04");
  EXPECT_EQ(FormatPattern(p.CrackedInertia, "0.0000E+00"), "6.0599E+03");
  EXPECT_EQ(p.CrackMoment, 48.0f);
}

struct InertiaCase {
  std::string name;
  Problem problem;
  Transformed section;
};

class CrackedInertiaCases : public ::testing::TestWithParam<InertiaCase> {};

TEST_P(CrackedInertiaCases, MatchesTheTransformedSection) {
  Problem p = GetParam().problem;
  GrossSectionProps(p);
  SectionInertias(p);
  EXPECT_FLOAT_EQ(p.CrackedInertia, GetParam().section.Inertia());
}

std::vector<InertiaCase> InertiaCases() {
  std::vector<InertiaCase> cases;
  auto add = [&](std::string name, Problem p, Transformed t) {
    p.TSteelArea = static_cast<float>(t.as);
    p.DepthT = static_cast<float>(t.d);
    p.CSteelArea = static_cast<float>(t.asc);
    p.DepthC = static_cast<float>(t.dc);
    p.ModularRatio = static_cast<float>(t.n);
    cases.push_back({std::move(name), p, t});
  };
  Problem p = EnglishBeam();
  SetRectangle(p, 12, 24);
  add("RectangleWithCompressionSteel", p, {12, 12, 0, 8, 3, 21, 1, 2.5});
  add("RectangleSteelBelowTheAxis", p, {12, 12, 0, 8, 3, 21, 1, 12});
  SetTee(p, 30, 24, 3, 10);
  add("TeeAxisInTheWeb", p, {24, 10, 3, 9, 4, 27, 0, 0});
  add("TeeAxisInTheWebWithCompressionSteel", p, {24, 10, 3, 9, 4, 27, 1.2, 2});
  SetTee(p, 30, 48, 6, 12);
  add("TeeAxisInTheFlange", p, {48, 12, 6, 8, 3, 27, 0, 0});
  SetBox(p, 40, 60, 5, 40, 6, 14);
  add("BoxAxisInTheWeb", p, {60, 14, 5, 8, 10, 36, 0, 0});
  p = MetricBeam();
  SetTee(p, 900, 1200, 120, 300);
  add("MetricTeeAxisInTheWeb", p, {1200, 300, 120, 7, 6000, 820, 800, 60});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Sections, CrackedInertiaCases, ::testing::ValuesIn(InertiaCases()),
                         [](const auto& info) { return info.param.name; });

TEST(CrackedSection, AxisWithinTheFlangeKeepsTheRectangularResult) {
  // x from the full flange width 48 is 4.72 in, within the 6 in flange.
  Problem tee = EnglishBeam();
  SetTee(tee, 30, 48, 6, 12);
  Problem rect = EnglishBeam();
  SetRectangle(rect, 48, 30);
  for (Problem* p : {&tee, &rect}) {
    p->TSteelArea = 3;
    p->DepthT = 27;
    p->ModularRatio = 8;
    GrossSectionProps(*p);
    SectionInertias(*p);
  }
  EXPECT_EQ(tee.CrackedInertia, rect.CrackedInertia);
}

TEST(CrackedSection, AxisExactlyAtTheFlangeUnderside) {
  // 10 x^2 + 16 x - 224 = 0 has the root x = 4 exactly (discriminant 96^2).
  auto inertias = [](float hf) {
    Problem tee = EnglishBeam();
    SetTee(tee, 18, 20, hf, 8);
    tee.TSteelArea = 2;
    tee.DepthT = 14;
    tee.ModularRatio = 8;
    GrossSectionProps(tee);
    SectionInertias(tee);
    return tee.CrackedInertia;
  };
  Problem rect = EnglishBeam();
  SetRectangle(rect, 20, 18);
  rect.TSteelArea = 2;
  rect.DepthT = 14;
  rect.ModularRatio = 8;
  GrossSectionProps(rect);
  SectionInertias(rect);
  EXPECT_EQ(rect.CrackedInertia, 20 * 64 / 3.0f + 16 * 100);

  EXPECT_EQ(inertias(4), rect.CrackedInertia);
  // A thinner flange is cracked through: the web takes the rest.
  const float thinner = inertias(3);
  EXPECT_LT(thinner, rect.CrackedInertia - 1);
  EXPECT_FLOAT_EQ(thinner, (Transformed{20, 8, 3, 8, 2, 14, 0, 0}.Inertia()));
}

struct EffectiveCase {
  float momentMax;
  double grossShare;  // r = (Mcr / Ma)^3; Ie = r Ig + (1 - r) Icr
};

class EffectiveInertia : public ::testing::TestWithParam<EffectiveCase> {};

TEST_P(EffectiveInertia, InterpolatesByTheCubeOfTheMomentRatio) {
  Problem p = ReinforcedRectangle();  // Mcr 48 kip-ft
  p.MomentMax = GetParam().momentMax;
  SectionInertias(p);
  const double r = GetParam().grossShare;
  EXPECT_FLOAT_EQ(p.EffInertia, r * p.GrossInertia + (1 - r) * p.CrackedInertia);
}

INSTANTIATE_TEST_SUITE_P(ServiceMoments, EffectiveInertia,
                         ::testing::Values(EffectiveCase{-5, 1}, EffectiveCase{0, 1},
                                           EffectiveCase{30, 1}, EffectiveCase{47.99f, 1},
                                           EffectiveCase{48, 1}, EffectiveCase{96, 0.125},
                                           EffectiveCase{72, 8.0 / 27},
                                           EffectiveCase{480000, 1e-12}));

TEST(EffectiveInertia, EqualToTheCrackingMomentGivesGrossExactly) {
  Problem p = ReinforcedRectangle();
  p.MomentMax = 48;
  SectionInertias(p);
  EXPECT_EQ(p.EffInertia, p.GrossInertia);
}

TEST(EffectiveInertia, LargeMomentTendsToTheCrackedInertia) {
  Problem p = ReinforcedRectangle();
  p.MomentMax = 4800;
  SectionInertias(p);
  EXPECT_GT(p.EffInertia, p.CrackedInertia);
  EXPECT_NEAR(p.EffInertia, p.CrackedInertia, 1e-6 * (p.GrossInertia - p.CrackedInertia) + 0.01);
}

TEST(CrackedSection, CrackingMomentIsRecomputedButNotItsFactoredValue) {
  Problem p = ReinforcedRectangle();
  p.Frup = 250;  // changed after the gross properties
  p.CrackMoment12 = 999;
  SectionInertias(p);
  EXPECT_EQ(p.CrackMoment, 24.0f);
  EXPECT_EQ(p.CrackMoment12, 999.0f);

  p.Units = units::Metric;
  SectionInertias(p);
  EXPECT_EQ(p.CrackMoment, 0.288f);  // 250 x 1152 / 1000000

  p.Units = "";
  p.CrackMoment = 5;
  SectionInertias(p);
  EXPECT_EQ(p.CrackMoment, 5.0f);
}

TEST(CrackedSection, UnknownShapeSkipsTheInertias) {
  Problem p = ReinforcedRectangle();
  p.SectionType = -1;
  p.GrossInertia = 1000;
  p.CrackedInertia = 400;
  p.MomentMax = 96;
  SectionInertias(p);
  EXPECT_EQ(p.GrossInertia, 1000.0f);
  EXPECT_EQ(p.CrackedInertia, 400.0f);
  EXPECT_EQ(p.CrackMoment, 48.0f);
  EXPECT_FLOAT_EQ(p.EffInertia, 1000 / 8.0 + 400 * 7 / 8.0);
}

TEST(CrackedSection, ZeroWidthFaultsAfterTheGrossInertia) {
  Problem p = EnglishBeam();
  SetRectangle(p, 0, 24);
  p.DistNeutralAxis = 12;
  p.SectModulus = 1152;
  p.TSteelArea = 3;
  p.DepthT = 21;
  p.ModularRatio = 8;
  p.Frup = 500;
  p.CrackedInertia = 11;
  p.CrackMoment = 22;
  p.EffInertia = 33;
  EXPECT_EQ(FaultOf([&] { SectionInertias(p); }), Fault::DivisionByZero);
  EXPECT_EQ(p.GrossInertia, 13824.0f);
  EXPECT_EQ(p.CrackedInertia, 11.0f);
  EXPECT_EQ(p.CrackMoment, 22.0f);
  EXPECT_EQ(p.EffInertia, 33.0f);
}

TEST(CrackedSection, NegativeDiscriminantFails) {
  Problem p = ReinforcedRectangle();
  p.DepthT = -10;  // 6 x^2 + 24 x + 240 = 0 has no real root
  EXPECT_EQ(FaultOf([&] { SectionInertias(p); }), Fault::NegativeRoot);
}

TEST(CrackedSection, ZeroWebFaultsAfterTheRectangularInertia) {
  Problem p = EnglishBeam();
  SetTee(p, 30, 24, 3, 0);
  p.DistNeutralAxis = 10;
  p.SectModulus = 500;
  p.TSteelArea = 4;
  p.DepthT = 27;
  p.ModularRatio = 9;
  p.CrackMoment = 22;
  EXPECT_EQ(FaultOf([&] { SectionInertias(p); }), Fault::DivisionByZero);
  EXPECT_EQ(p.GrossInertia, 10000.0f);
  // The whole-width result, x = 7.62 in, stands from the first solution.
  EXPECT_FLOAT_EQ(p.CrackedInertia, (Transformed{24, 24, 0, 9, 4, 27, 0, 0}.Inertia()));
  EXPECT_EQ(p.CrackMoment, 22.0f);
}

}  // namespace
}  // namespace kestal
