#include "analysis/service_stress.h"

#include <gtest/gtest.h>

#include <limits>

#include "model/checked.h"
#include "support/problems.h"

namespace kestal {
namespace {

using namespace support;

// English units; service moments 100 and 40 kip-ft, cracking moment 50;
// tension steel As at depth d, modular ratio n.
Problem Loads(float d, float as, float n) {
  Problem p;
  p.Units = units::English;
  p.MomentFactor = 12000;
  p.MomentMax = 100;
  p.MomentMin = 40;
  p.CrackMoment = 50;
  p.DepthT = d;
  p.TSteelArea = as;
  p.ModularRatio = n;
  return p;
}

Problem Rectangle(float b, float d, float as, float n) {
  Problem p = Loads(d, as, n);
  SetRectangle(p, b, 0);
  return p;
}

Problem Tee(float b, float hf, float bw, float d, float as, float n) {
  Problem p = Loads(d, as, n);
  SetTee(p, 2 * d, b, hf, bw);
  return p;
}

// Equal flanges top and bottom; the height is not needed.
Problem Box(float b, float hf, float bw, float d, float as, float n) {
  Problem p = Loads(d, as, n);
  SetBox(p, 0, b, hf, b, hf, bw);
  return p;
}

void ExpectSameResults(const Problem& a, const Problem& b) {
  EXPECT_EQ(a.ServConcStressMax, b.ServConcStressMax);
  EXPECT_EQ(a.ServSteelStressMax, b.ServSteelStressMax);
  EXPECT_EQ(a.ServConcStressMin, b.ServConcStressMin);
  EXPECT_EQ(a.ServSteelStressMin, b.ServSteelStressMin);
  EXPECT_EQ(a.ServSteelStressCrack, b.ServSteelStressCrack);
  EXPECT_EQ(a.ServNeutralAxis, b.ServNeutralAxis);
}

// 12 x d 21.5 in, As 3 in^2, n 8: rho n = 0.093023, k = 0.348224,
// j = 0.883925, x = 7.48683 in; Fc = k j b d^2 / 2 = 853.696 in^3,
// Fs = As j d = 57.0132 in^3.
TEST(ServiceLoadStress, SinglyReinforcedRectangle) {
  Problem p = Rectangle(12, 21.5f, 3, 8);
  ServiceLoadStress(p);
  ExpectClose(p.ServNeutralAxis, 7.486833);
  ExpectClose(p.ServConcStressMax, 1405.6524);
  ExpectClose(p.ServSteelStressMax, 21047.770);
  ExpectClose(p.ServConcStressMin, 562.26096);
  ExpectClose(p.ServSteelStressMin, 8419.1078);
  ExpectClose(p.ServSteelStressCrack, 10523.885);
}

// A depth to compressive steel of 0.005 or less means no compressive steel,
// whatever its area.
TEST(ServiceLoadStress, CompressionSteelIgnoredUpToDepthOfFiveThousandths) {
  Problem plain = Rectangle(12, 21.5f, 3, 8);
  ServiceLoadStress(plain);
  for (float dc : {0.0f, 0.005f, -2.0f}) {
    SCOPED_TRACE(dc);
    Problem p = Rectangle(12, 21.5f, 3, 8);
    p.CSteelArea = 2;
    p.DepthC = dc;
    ServiceLoadStress(p);
    ExpectSameResults(p, plain);
  }
  Problem p = Rectangle(12, 21.5f, 3, 8);
  p.CSteelArea = 2;
  p.DepthC = 0.0051f;
  ServiceLoadStress(p);
  EXPECT_NE(p.ServNeutralAxis, plain.ServNeutralAxis);
}

// b 10, d 16, As 5, n 8: rho n = 0.25 gives k = 0.5 exactly, x = 8.
TEST(ServiceLoadStress, TeeWithAxisAtFlangeUndersideIsARectangle) {
  Problem tee = Tee(10, 8, 4, 16, 5, 8);
  ServiceLoadStress(tee);
  EXPECT_EQ(tee.ServNeutralAxis, 8.0f);
  ExpectClose(tee.ServConcStressMax, 2250);    // Fc = 0.5 (5/6) 10 256 / 2
  ExpectClose(tee.ServSteelStressMax, 18000);  // Fs = 5 (5/6) 16

  Problem rect = Rectangle(10, 16, 5, 8);
  ServiceLoadStress(rect);
  ExpectSameResults(tee, rect);
}

// Flange 7.5 thick: x = (-85 + sqrt(85^2 + 4 2 808.75)) / 4 = 8.00641 in the
// web; Icr = 4266.41 in^4.
TEST(ServiceLoadStress, TeeWithAxisInTheWeb) {
  Problem p = Tee(10, 7.5f, 4, 16, 5, 8);
  ServiceLoadStress(p);
  ExpectClose(p.ServNeutralAxis, 8.0064096);
  ExpectClose(p.ServConcStressMax, 2251.9373);
  ExpectClose(p.ServSteelStressMax, 17986.654);
  ExpectClose(p.ServSteelStressCrack, 17986.654 / 2);
}

// Box 24 wide, flange 4, webs 8, d 30, As 6, As' 1 at 2, n 8. The rectangle
// with compressive steel has its root at 8.75 (A 12, B 63, C -1470), below
// the flange, so the flanged form with compressive steel is solved:
// x = 9.64980, Icr = 26982.8 in^4.
TEST(ServiceLoadStress, BoxWithCompressionSteelBelowTheFlange) {
  Problem p = Box(24, 4, 8, 30, 6, 8);
  p.CSteelArea = 1;
  p.DepthC = 2;
  p.MomentMax = 150;
  ServiceLoadStress(p);
  ExpectClose(p.ServNeutralAxis, 9.6498041);
  ExpectClose(p.ServConcStressMax, 643.72931);
  ExpectClose(p.ServSteelStressMax, 10860.339);
}

// Flange 9 thick: the singly reinforced axis (9.1355) lies below it, but the
// rectangle with compressive steel (8.75) does not, and the flange test is
// made on that root: the box behaves as a 24 in wide rectangle.
TEST(ServiceLoadStress, BoxWithCompressionSteelSolvedAsRectangleFirst) {
  Problem box = Box(24, 9, 8, 30, 6, 8);
  box.CSteelArea = 1;
  box.DepthC = 2;
  ServiceLoadStress(box);
  EXPECT_EQ(box.ServNeutralAxis, 8.75f);

  Problem rect = Rectangle(24, 30, 6, 8);
  rect.CSteelArea = 1;
  rect.DepthC = 2;
  ServiceLoadStress(rect);
  ExpectSameResults(box, rect);

  Problem singly = Box(24, 9, 8, 30, 6, 8);
  ServiceLoadStress(singly);
  EXPECT_GT(singly.ServNeutralAxis, 9.0f);
}

// Compressive steel at 10 in with the root at 9.18138: the stresses are the
// singly reinforced ones, the reported axis is the new root.
TEST(ServiceLoadStress, CompressionSteelBelowTheRootKeepsSinglyStresses) {
  Problem singly = Rectangle(24, 30, 6, 8);
  ServiceLoadStress(singly);
  ExpectClose(singly.ServNeutralAxis, 9.1355287);

  Problem p = Rectangle(24, 30, 6, 8);
  p.CSteelArea = 1;
  p.DepthC = 10;
  ServiceLoadStress(p);
  ExpectClose(p.ServNeutralAxis, 9.1813807);
  EXPECT_EQ(p.ServConcStressMax, singly.ServConcStressMax);
  EXPECT_EQ(p.ServSteelStressMax, singly.ServSteelStressMax);
  EXPECT_EQ(p.ServSteelStressCrack, singly.ServSteelStressCrack);
}

TEST(ServiceLoadStress, MinimumStressesFollowTheSignOfTheMinimumMoment) {
  Problem zero = Rectangle(12, 21.5f, 3, 8);
  zero.MomentMin = 0;
  ServiceLoadStress(zero);
  EXPECT_EQ(zero.ServConcStressMin, 0);
  EXPECT_EQ(zero.ServSteelStressMin, 0);

  Problem negative = Rectangle(12, 21.5f, 3, 8);
  negative.MomentMin = -40;
  ServiceLoadStress(negative);
  ExpectClose(negative.ServSteelStressMin, -8419.1078);
  ExpectClose(negative.ServConcStressMin, -562.26096);
  EXPECT_GT(negative.ServSteelStressMax - negative.ServSteelStressMin, negative.ServSteelStressMax);
}

TEST(ServiceLoadStress, MetricMomentFactor) {
  Problem english = Rectangle(12, 21.5f, 3, 8);
  ServiceLoadStress(english);
  Problem p = Rectangle(12, 21.5f, 3, 8);
  p.MomentFactor = 1000000;
  ServiceLoadStress(p);
  ExpectClose(p.ServSteelStressMax, english.ServSteelStressMax / 12000.0 * 1000000.0);
}

TEST(ServiceLoadStress, MissingWidthFailsBeforeAnyResult) {
  Problem p = Rectangle(0, 21.5f, 3, 8);
  p.ServSteelStressMax = 7;
  EXPECT_THROW(ServiceLoadStress(p), CalcError);
  EXPECT_EQ(p.ServSteelStressMax, 7);
}

// A cracking moment too large for the stress field fails at the fifth
// result: the four before it keep their new values, the axis its old one.
TEST(ServiceLoadStress, FaultKeepsTheStressesAlreadyStored) {
  Problem p = Rectangle(12, 21.5f, 3, 8);
  p.CrackMoment = std::numeric_limits<float>::max();
  p.ServSteelStressCrack = 5;
  p.ServNeutralAxis = 6;
  EXPECT_THROW(ServiceLoadStress(p), CalcError);
  ExpectClose(p.ServSteelStressMax, 21047.770);
  ExpectClose(p.ServSteelStressMin, 8419.1078);
  EXPECT_EQ(p.ServSteelStressCrack, 5);
  EXPECT_EQ(p.ServNeutralAxis, 6);
}

}  // namespace
}  // namespace kestal
