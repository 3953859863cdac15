#include "analysis/fatigue.h"

#include <gtest/gtest.h>

#include <string>

#include "model/checked.h"

namespace kestal {
namespace {

struct FatigueCase {
  const char* code;
  const char* units;
  float fmin;
  float fy;
  double allowable;
};

class FatigueTable : public testing::TestWithParam<FatigueCase> {};

TEST_P(FatigueTable, AllowableRangeAndStressRange) {
  const FatigueCase& c = GetParam();
  Problem p;
  p.CodeKey = c.code;
  p.Units = c.units;
  p.SteelStrength = c.fy;
  p.ServSteelStressMax = c.fmin + 20000;
  p.ServSteelStressMin = c.fmin;
  p.AllowStressRange = -1;
  FatigueStress(p);
  EXPECT_NEAR(p.AllowStressRange, c.allowable, 1e-6 * (1 + c.allowable));
  EXPECT_EQ(p.SteelStressRange, 20000.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, FatigueTable,
    testing::Values(
        // 21000 + 2400 and 145 + 16.5 at fmin 0.
        FatigueCase{"aashto", "English", 0, 60000, 23400},
        FatigueCase{"arema", "English", 0, 60000, 23400},
        FatigueCase{"aashto", "Metric", 0, 420, 161.5},
        FatigueCase{"arema", "Metric", 0, 420, 161.5},
        FatigueCase{"aashto", "English", 10000, 60000, 23400 - 3300},
        FatigueCase{"arema", "Metric", 70, 420, 161.5 - 23.1},
        // 24000 / 1.5 and 166 / 1.5 at fmin 0.
        FatigueCase{"lrfd", "English", 0, 60000, 16000},
        FatigueCase{"lrfd", "Metric", 0, 420, 166 / 1.5},
        FatigueCase{"lrfd", "English", 10000, 60000, (24000 - 20000.0 / 6) / 1.5},
        FatigueCase{"lrfd", "Metric", 70, 420, (166 - 138.0 / 6) / 1.5},
        // 125 in either unit system.
        FatigueCase{"s6", "Metric", 50, 400, 125}, FatigueCase{"s6", "English", 50, 400, 125},
        FatigueCase{"ohbdc", "Metric", 50, 400, 125}, FatigueCase{"ohbdc", "English", 50, 400, 125},
        FatigueCase{"aci", "English", 1000, 60000, 0}, FatigueCase{"csa", "Metric", 50, 400, 0},
        FatigueCase{"ud", "English", 1000, 60000, 0}));

TEST(FatigueStress, OtherUnitsTextLeavesTheAllowableRange) {
  for (const char* key : {"aashto", "arema", "lrfd"}) {
    SCOPED_TRACE(key);
    Problem p;
    p.CodeKey = key;
    p.Units = "metric";
    p.SteelStrength = 400;
    p.ServSteelStressMax = 150;
    p.ServSteelStressMin = 30;
    p.AllowStressRange = 77;
    FatigueStress(p);
    EXPECT_EQ(p.AllowStressRange, 77);
    EXPECT_EQ(p.SteelStressRange, 120);
  }
}

TEST(FatigueStress, UnknownCodeStillGivesTheStressRange) {
  Problem p;
  p.CodeKey = "ACI";
  p.Units = units::English;
  p.ServSteelStressMax = 25000;
  p.ServSteelStressMin = -5000;
  p.AllowStressRange = 77;
  FatigueStress(p);
  EXPECT_EQ(p.AllowStressRange, 77);
  EXPECT_EQ(p.SteelStressRange, 30000);
}

TEST(FatigueStress, LrfdWithoutYieldStrengthFails) {
  for (const char* u : {"English", "Metric"}) {
    SCOPED_TRACE(u);
    Problem p;
    p.CodeKey = code::LRFD;
    p.Units = u;
    p.SteelStrength = 0;
    p.ServSteelStressMax = 100;
    p.ServSteelStressMin = 0;
    p.AllowStressRange = 77;
    p.SteelStressRange = 66;
    EXPECT_THROW(FatigueStress(p), CalcError);
    EXPECT_EQ(p.AllowStressRange, 77);
    EXPECT_EQ(p.SteelStressRange, 66);
  }
}

}  // namespace
}  // namespace kestal
