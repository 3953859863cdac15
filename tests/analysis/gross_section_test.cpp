#include "analysis/gross_section.h"

#include <gtest/gtest.h>

#include <tuple>

#include "model/numtext.h"
#include "support/problems.h"

namespace kestal {
namespace {

using namespace support;

TEST(GrossSection, Rectangle12By24) {
  Problem p = EnglishBeam();
  SetRectangle(p, 12, 24);
  p.Frup = 500;
  GrossSectionProps(p);
  EXPECT_EQ(p.DistNeutralAxis, 12.0f);
  EXPECT_EQ(p.SectModulus, 1152.0f);
  EXPECT_EQ(p.SectHeight, 24.0f);
  EXPECT_EQ(p.WebWidth, 12.0f);
  EXPECT_EQ(p.CrackMoment, 48.0f);  // 500 x 1152 / 12000 kip-ft
  EXPECT_EQ(p.CrackMoment12, 57.6f);
  // 40 % of the rupture stress, divided by 1000000 also in English units.
  EXPECT_EQ(p.Moment40Crack, 0.2304f);
  EXPECT_EQ(FormatPattern(p.SectModulus, "0.0000E+00"), "1.1520E+03");
  EXPECT_EQ(FormatPattern(p.CrackMoment12, "0.0000E+00"), "5.7600E+01");
}

TEST(GrossSection, MetricCrackingMoments) {
  Problem p = MetricBeam();
  SetRectangle(p, 600, 1000);  // S = 1000^2 x 600 / 6 = 1.0E+08 mm^3
  p.Frup = 3.5f;
  GrossSectionProps(p);
  EXPECT_EQ(p.SectModulus, 1.0e8f);
  EXPECT_EQ(p.CrackMoment, 350.0f);
  EXPECT_EQ(p.CrackMoment12, 420.0f);
  EXPECT_EQ(p.Moment40Crack, 140.0f);
}

TEST(GrossSection, OtherUnitTextKeepsTheCrackingMoment) {
  Problem p = EnglishBeam();
  p.Units = "Imperial";
  SetRectangle(p, 12, 24);
  p.Frup = 500;
  p.CrackMoment = 10;
  GrossSectionProps(p);
  EXPECT_EQ(p.SectModulus, 1152.0f);
  EXPECT_EQ(p.CrackMoment, 10.0f);
  EXPECT_EQ(p.CrackMoment12, 12.0f);  // 1.2 x the kept value
  EXPECT_EQ(p.Moment40Crack, 0.2304f);
}

TEST(GrossSection, TeeWorkedByHand) {
  // Flange overhang 36 x 6 at 3, web 12 x 30 at 15: y = 6048 / 576 = 10.5;
  // I = 27000 + 648 + 216 x 7.5^2 + 360 x 4.5^2 = 47088 in^4.
  Problem p = EnglishBeam();
  SetTee(p, 30, 48, 6, 12);
  p.Frup = 500;
  GrossSectionProps(p);
  EXPECT_EQ(p.DistNeutralAxis, 10.5f);
  EXPECT_FLOAT_EQ(p.SectModulus, 47088.0f / 19.5f);
  EXPECT_EQ(p.SectHeight, 30.0f);
  EXPECT_EQ(p.WebWidth, 12.0f);
  EXPECT_FLOAT_EQ(p.CrackMoment, 500 * (47088.0 / 19.5) / 12000);
}

TEST(GrossSection, BoxWorkedByStripsAboutTheTop) {
  // Web 12 x 40, top overhang 48 x 6, bottom overhang 18 x 8 (from 32 to 40).
  const double area = 12 * 40 + 48 * 6 + 18 * 8;
  const double firstMoment = 12 * 40 * 20 + 48 * 6 * 3 + 18 * 8 * 36;
  const double topInertia =
      12 * 40.0 * 40 * 40 / 3 + 48 * 6.0 * 6 * 6 / 3 + 18 * (40.0 * 40 * 40 - 32.0 * 32 * 32) / 3;
  const double y = firstMoment / area;
  const double inertia = topInertia - area * y * y;

  Problem p = EnglishBeam();
  SetBox(p, 40, 60, 6, 30, 8, 12);
  p.Frup = 400;
  GrossSectionProps(p);
  EXPECT_FLOAT_EQ(p.DistNeutralAxis, y);
  EXPECT_FLOAT_EQ(p.SectModulus, inertia / (40 - y));
  EXPECT_EQ(p.SectHeight, 40.0f);
  EXPECT_EQ(p.WebWidth, 12.0f);
  EXPECT_FLOAT_EQ(p.CrackMoment, 400 * inertia / (40 - y) / 12000);
  EXPECT_FLOAT_EQ(p.Moment40Crack, 0.4 * 400 * inertia / (40 - y) / 1000000);
}

// (height, flange width, flange thickness, web width) of a tee.
class EquivalentShapes : public ::testing::TestWithParam<std::tuple<float, float, float, float>> {};

TEST_P(EquivalentShapes, TeeWithoutOverhangIsARectangle) {
  [[maybe_unused]] const auto [h, btop, htop, bweb] = GetParam();
  Problem tee = EnglishBeam();
  SetTee(tee, h, bweb, htop, bweb);
  tee.Frup = 450;
  GrossSectionProps(tee);

  Problem rect = EnglishBeam();
  SetRectangle(rect, bweb, h);
  rect.Frup = 450;
  GrossSectionProps(rect);

  EXPECT_FLOAT_EQ(tee.DistNeutralAxis, rect.DistNeutralAxis);
  EXPECT_FLOAT_EQ(tee.SectModulus, rect.SectModulus);
  EXPECT_EQ(tee.SectHeight, rect.SectHeight);
  EXPECT_EQ(tee.WebWidth, rect.WebWidth);
  EXPECT_FLOAT_EQ(tee.CrackMoment, rect.CrackMoment);
}

TEST_P(EquivalentShapes, BoxWithoutBottomOverhangIsTheTee) {
  const auto [h, btop, htop, bweb] = GetParam();
  Problem tee = EnglishBeam();
  SetTee(tee, h, btop, htop, bweb);
  tee.Frup = 450;
  GrossSectionProps(tee);

  Problem box = EnglishBeam();
  SetBox(box, h, btop, htop, bweb, 5, bweb);
  box.Frup = 450;
  GrossSectionProps(box);

  EXPECT_EQ(box.DistNeutralAxis, tee.DistNeutralAxis);
  EXPECT_EQ(box.SectModulus, tee.SectModulus);
  EXPECT_EQ(box.SectHeight, tee.SectHeight);
  EXPECT_EQ(box.WebWidth, tee.WebWidth);
  EXPECT_EQ(box.CrackMoment, tee.CrackMoment);
  EXPECT_EQ(box.CrackMoment12, tee.CrackMoment12);
  EXPECT_EQ(box.Moment40Crack, tee.Moment40Crack);
}

INSTANTIATE_TEST_SUITE_P(Sections, EquivalentShapes,
                         ::testing::Values(std::make_tuple(30.0f, 48.0f, 6.0f, 12.0f),
                                           std::make_tuple(24.0f, 12.0f, 4.0f, 12.0f),
                                           std::make_tuple(1200.0f, 2500.0f, 200.0f, 350.0f),
                                           std::make_tuple(17.5f, 9.25f, 3.3f, 14.0f)));

TEST(GrossSection, FlangeNarrowerThanTheWebIsUsedAsGiven) {
  // Overhang -4 x 6 = -24 at 3, web 12 x 30 = 360 at 15: y = 5328 / 336.
  Problem p = EnglishBeam();
  SetTee(p, 30, 8, 6, 12);
  GrossSectionProps(p);
  EXPECT_FLOAT_EQ(p.DistNeutralAxis, (-24 * 3 + 360 * 15) / 336.0);
}

TEST(GrossSection, RectangleOfZeroHeightGivesZeros) {
  Problem p = EnglishBeam();
  SetRectangle(p, 12, 0);
  p.Frup = 500;
  p.CrackMoment = 99;
  GrossSectionProps(p);
  EXPECT_EQ(p.DistNeutralAxis, 0.0f);
  EXPECT_EQ(p.SectModulus, 0.0f);
  EXPECT_EQ(p.SectHeight, 0.0f);
  EXPECT_EQ(p.WebWidth, 12.0f);
  EXPECT_EQ(p.CrackMoment, 0.0f);
  EXPECT_EQ(p.CrackMoment12, 0.0f);
  EXPECT_EQ(p.Moment40Crack, 0.0f);
}

TEST(GrossSection, ZeroAreaFaultsBeforeAnyField) {
  for (const int32_t type : {section::Box, section::Tee}) {
    Problem p = EnglishBeam();
    p.SectionType = type;
    p.Frup = 500;
    p.DistNeutralAxis = 7;
    p.SectModulus = 8;
    p.CrackMoment = 9;
    EXPECT_EQ(FaultOf([&] { GrossSectionProps(p); }), Fault::DivisionByZero) << type;
    EXPECT_EQ(p.DistNeutralAxis, 7.0f);
    EXPECT_EQ(p.SectModulus, 8.0f);
    EXPECT_EQ(p.CrackMoment, 9.0f);
  }
}

TEST(GrossSection, CentroidAtTheBottomFibreKeepsTheCentroid) {
  // A web of no width: the flange alone, its centroid at 3 = the height.
  Problem p = EnglishBeam();
  SetTee(p, 3, 10, 6, 0);
  p.SectModulus = 8;
  p.SectHeight = 9;
  EXPECT_EQ(FaultOf([&] { GrossSectionProps(p); }), Fault::DivisionByZero);
  EXPECT_EQ(p.DistNeutralAxis, 3.0f);
  EXPECT_EQ(p.SectModulus, 8.0f);
  EXPECT_EQ(p.SectHeight, 9.0f);
}

TEST(GrossSection, UnknownShapeKeepsThePropertiesButRecomputesTheMoments) {
  Problem p = EnglishBeam();
  p.SectionType = 3;
  p.RecB = 12;
  p.RecH = 24;
  p.DistNeutralAxis = 5;
  p.SectModulus = 600;
  p.SectHeight = 10;
  p.WebWidth = 6;
  p.Frup = 500;
  GrossSectionProps(p);
  EXPECT_EQ(p.DistNeutralAxis, 5.0f);
  EXPECT_EQ(p.SectModulus, 600.0f);
  EXPECT_EQ(p.SectHeight, 10.0f);
  EXPECT_EQ(p.WebWidth, 6.0f);
  EXPECT_EQ(p.CrackMoment, 25.0f);
  EXPECT_EQ(p.CrackMoment12, 30.0f);
  EXPECT_EQ(p.Moment40Crack, 0.12f);
}

}  // namespace
}  // namespace kestal
