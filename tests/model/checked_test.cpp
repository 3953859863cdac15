#include "model/checked.h"

#include <gtest/gtest.h>

#include <cfloat>

#include "support/problems.h"

namespace kestal {
namespace {

using support::FaultOf;

TEST(Checked, ArithmeticIsDoublePrecision) {
  Real a = 0.1f;  // widened exactly
  EXPECT_EQ((a * 3).value(), static_cast<double>(0.1f) * 3);
  EXPECT_EQ((Real(1) / 3).value(), 1.0 / 3.0);
  EXPECT_EQ(Sqrt(16).value(), 4.0);
  EXPECT_TRUE(Real(2) > 1.5f);
}

TEST(Checked, FaultsStopAtTheOperation) {
  EXPECT_EQ(FaultOf([] { return Real(1) / 0; }), Fault::DivisionByZero);
  EXPECT_EQ(FaultOf([] { return Real(0) / 0.0f; }), Fault::DivisionByZero);
  EXPECT_EQ(FaultOf([] { return Sqrt(-1e-12); }), Fault::NegativeRoot);
  EXPECT_EQ(FaultOf([] { return Real(1e300) * 1e300; }), Fault::Overflow);
  EXPECT_EQ(FaultOf([] { return Pow(-8, 1.0 / 3); }), Fault::Invalid);
}

TEST(Checked, StoreFailsForValuesTooLargeForAFloat) {
  float f = 7;
  EXPECT_EQ(FaultOf([&] { Store(f, 1e39); }), Fault::Overflow);
  EXPECT_EQ(f, 7);  // not assigned
  Store(f, static_cast<double>(FLT_MAX));
  EXPECT_EQ(f, FLT_MAX);
  Store(f, -2.5);
  EXPECT_EQ(f, -2.5f);
}

TEST(Checked, FieldsStoredBeforeAFaultKeepTheirValues) {
  float first = 0, second = 0;
  EXPECT_THROW(
      {
        Store(first, Real(10) / 4);
        Store(second, Real(1) / 0);
      },
      CalcError);
  EXPECT_EQ(first, 2.5f);
  EXPECT_EQ(second, 0);
}

}  // namespace
}  // namespace kestal
