#include "analysis/beta_theta.h"

#include <gtest/gtest.h>

#include <ostream>

#include "model/checked.h"

namespace kestal {

void PrintTo(const BetaThetaCell& c, std::ostream* os) {
  *os << (c.found ? "found " : "not found ") << c.table << "(" << c.row << "," << c.column << ")";
}

namespace {

// English units, phi 0.9, f'c 4000 psi, bv 10 in, dv 20 in, Es 29e6 psi,
// As 1 in^2: v = V / 720, and with transverse reinforcement the strain is
// (600 M + 500 V cot(theta)) / 58e6.
Problem Base(float shear, float moment, float dv = 20) {
  Problem p;
  p.Units = units::English;
  p.ProblemType = problem_type::Design;
  p.KiloFactor = 1000;
  p.MomentFactor = 12000;
  p.VPhi = 0.9f;
  p.ConcreteStrength = 4000;
  p.WebWidthMin = 10;
  p.ShearDepth = dv;
  p.Er = 29e6f;
  p.TSteelArea = 1;
  p.ShearUlt = shear;
  p.ShearMoment = moment;
  return p;
}

Problem WithoutStirrups(float sxe, float shear, float moment, float dv = 20) {
  Problem p = Base(shear, moment, dv);
  p.ProblemType = problem_type::Review;
  p.VSteelArea = 0;
  p.CrackSpacingSx = sxe;
  return p;
}

struct SearchCase {
  const char* name;
  Problem problem;
  bool found;
  char table;
  int row;
  int column;
  float theta;
  float beta;
};

std::ostream& operator<<(std::ostream& os, const SearchCase& c) {
  return os << c.name;
}

class Search : public testing::TestWithParam<SearchCase> {};

TEST_P(Search, SettlesOnTheCell) {
  const SearchCase& c = GetParam();
  Problem p = c.problem;
  const BetaThetaCell cell = BetaThetaSearch(p);
  EXPECT_EQ(cell.found, c.found);
  EXPECT_EQ(cell.table, c.table);
  EXPECT_EQ(cell.row, c.row);
  EXPECT_EQ(cell.column, c.column);
  EXPECT_EQ(p.Theta, c.theta);
  EXPECT_EQ(p.Beta, c.beta);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Search,
    testing::Values(
        // v = 0.0556 with a large moment: every strain is limited to 0.001,
        // and the first try (theta 36.4) falls into the last column.
        SearchCase{"RowOneStrainLimit", Base(40, 500), true, 'A', 1, 9, 36.4f, 2.23f},
        // v = 72 / 720 is exactly 0.1: row 2.
        SearchCase{"VExactlyRowValue", Base(72, 500), true, 'A', 2, 9, 36.7f, 2.18f},
        SearchCase{"VJustAboveRowValue", Base(72.01f, 500), true, 'A', 3, 9, 37.0f, 2.13f},
        // v = 0.2514 is above the table.
        SearchCase{"VAboveTable", Base(181, 500), false, 'A', 0, 0, 0, 0},
        // No try lands in its own band; theta 26.6 (column 6) gives a strain
        // of 0.0002756, in the band of column 7, whose values are taken.
        SearchCase{"NextHigherColumn", Base(10, 10), true, 'A', 1, 7, 30.5f, 2.59f},
        // A negative shear gives a negative v (row 1); the strain uses |V|.
        SearchCase{"NegativeShear", Base(-10, 10), true, 'A', 1, 7, 30.5f, 2.59f},
        // A negative dv turns the moment term negative (and v with it): all
        // strains stay below -0.0002, so the first column is returned.
        SearchCase{"RowOneFirstColumn", Base(5, 40, -20), true, 'A', 1, 1, 22.3f, 6.32f},
        // Row 1 where no try succeeds: not found, there is no last resort.
        SearchCase{"RowOneNotFound", Base(80, 150, -20), false, 'A', 0, 0, 0, 0},
        // Row 8 where no try succeeds: the full-shear strain
        // (-159000 + 178000) / 58e6 = 0.0003276 lies in column 7.
        SearchCase{"FullShearStrain", Base(-178, 265, -20), true, 'A', 8, 7, 32.8f, 1.70f},
        // Row 6 where the full-shear strain (-0.0002586) fits no band either.
        SearchCase{"FullShearStrainFails", Base(-144, 265, -20), false, 'A', 0, 0, 0, 0},
        // Without stirrups the row key is sxe; a large moment limits every
        // strain to 0.002, the last column.
        SearchCase{"SxeZero", WithoutStirrups(0, 0, 500), true, 'B', 1, 11, 37.2f, 1.96f},
        SearchCase{"SxeFive", WithoutStirrups(5, 0, 500), true, 'B', 1, 11, 37.2f, 1.96f},
        SearchCase{"SxeAboveFive", WithoutStirrups(5.01f, 0, 500), true, 'B', 2, 11, 44.7f, 1.65f},
        SearchCase{"SxeSixty", WithoutStirrups(60, 0, 500), true, 'B', 7, 11, 68.6f, 0.75f},
        SearchCase{"SxeEighty", WithoutStirrups(80, 0, 500), true, 'B', 8, 11, 72.4f, 0.62f},
        SearchCase{"SxeAboveEighty", WithoutStirrups(80.01f, 0, 500), false, 'B', 0, 0, 0, 0},
        // Strain -600 x 100 / 29e6 = -0.00207 <= -0.0002: first column.
        SearchCase{"TableBFirstColumn", WithoutStirrups(5, 0, 100, -20), true, 'B', 1, 1, 25.4f,
                   6.36f}),
    [](const testing::TestParamInfo<SearchCase>& info) { return info.param.name; });

TEST(BetaThetaSearch, TableChoice) {
  Problem review = WithoutStirrups(5, 0, 500);
  review.VSteelArea = 0.001f;  // stirrups: Table A by v
  review.ShearUlt = 40;
  EXPECT_EQ(BetaThetaSearch(review).table, 'A');

  Problem design = Base(40, 500);
  design.VSteelArea = 0;
  EXPECT_EQ(BetaThetaSearch(design).table, 'A');

  Problem without = WithoutStirrups(5, 0, 500);
  without.VSteelArea = 0.0009f;
  EXPECT_EQ(BetaThetaSearch(without).table, 'B');
}

// Each strain is stored before it is tested: the winning try of the
// next-higher-column case used theta 26.6, with tan taken of
// 26.6 x 3.1416 / 180: (6000 + 5000 / tan) / 58e6 = 0.000275599004.
TEST(BetaThetaSearch, LongStrainHoldsTheStrainOfTheLastTry) {
  Problem p = Base(10, 10);
  BetaThetaSearch(p);
  EXPECT_FLOAT_EQ(p.LongStrain, 0.000275599004f);

  Problem capped = Base(40, 500);
  BetaThetaSearch(capped);
  EXPECT_EQ(capped.LongStrain, 0.001f);

  Problem full = Base(-178, 265, -20);
  BetaThetaSearch(full);
  EXPECT_FLOAT_EQ(full.LongStrain, 19000.0f / 58e6f);

  // The first-column test uses the strain without its upper limit: row 1
  // (v = -0.18) where nothing is found ends with 0.00107734 at theta 22.3.
  Problem unlimited = Base(130, 160, -20);
  EXPECT_FALSE(BetaThetaSearch(unlimited).found);
  EXPECT_FLOAT_EQ(unlimited.LongStrain, 0.00107734429f);
  Problem first = WithoutStirrups(5, 0, 100, -20);
  BetaThetaSearch(first);
  EXPECT_FLOAT_EQ(first.LongStrain, -60000.0f / 29e6f);
}

TEST(BetaThetaSearch, NegativeShearStrainsEqualPositive) {
  Problem positive = Base(10, 10);
  Problem negative = Base(-10, 10);
  BetaThetaSearch(positive);
  BetaThetaSearch(negative);
  EXPECT_EQ(positive.LongStrain, negative.LongStrain);
}

// As = 0: the first strain divides by zero. The tried angle has been put in
// Theta already, Beta is untouched.
TEST(BetaThetaSearch, ZeroSteelAreaFails) {
  Problem p = Base(40, 500);
  p.TSteelArea = 0;
  p.LongStrain = 3;
  EXPECT_THROW(BetaThetaSearch(p), CalcError);
  EXPECT_EQ(p.Theta, 36.4f);
  EXPECT_EQ(p.Beta, 0);
  EXPECT_EQ(p.LongStrain, 3);
}

TEST(BetaThetaSearch, ZeroShearDepthFails) {
  Problem p = Base(40, 500, 0);
  EXPECT_THROW(BetaThetaSearch(p), CalcError);
  Problem b = WithoutStirrups(20, 40, 500, 0);
  EXPECT_THROW(BetaThetaSearch(b), CalcError);
}

}  // namespace
}  // namespace kestal
