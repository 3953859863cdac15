// Every row of the code table is whole: its texts, a unit system it works
// in, defaults there, a key that survives the input file, and, where it has
// shear rules, a minimum shear steel and a spacing that rules compute. A key
// half added (its rules row without its numbers) fails here, not in an
// engineer's report.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "analysis/gross_section.h"
#include "analysis/moment_capability.h"
#include "analysis/shear_capability.h"
#include "analysis/shear_steel.h"
#include "files/input_file.h"
#include "model/code_rules.h"
#include "model/problem_ops.h"

namespace kestal {
namespace {

// A 12 x 24 in (300 x 600 mm) beam with three #8 bars at d = 21.5 in.
Problem UsualBeam(const CodeEdition& e, bool metric) {
  Problem p;
  ToolTips tips;
  StartUp(p, tips);
  if (metric) ChooseMetric(p);
  ChooseCode(p, e.key);
  EnterConcreteStrength(p, metric ? "28" : "4000");
  p.SectionType = section::Rectangular;
  p.SectionDefined = 1;
  p.RecB = metric ? 300 : 12;
  p.RecH = metric ? 600 : 24;
  p.DepthT = metric ? 540 : 21.5f;
  p.TSteelArea = metric ? 1530 : 2.37f;
  p.MomentUlt = metric ? 250 : 180;
  p.ShearUlt = metric ? 150 : 35;
  p.ProblemType = problem_type::Review;
  return p;
}

TEST(Editions, EveryRowIsWhole) {
  std::set<std::string_view> keys;
  std::set<std::string> actions;
  for (const CodeEdition& e : Editions()) {
    SCOPED_TRACE(std::string(e.key));
    EXPECT_TRUE(keys.insert(e.key).second);
    EXPECT_EQ(&EditionOf(e.key), &e);
    EXPECT_TRUE(IsKnownCode(e.key));
    EXPECT_NE(e.family, CodeFamily::None);
    ASSERT_NE(e.text.panel, nullptr);
    EXPECT_TRUE(std::string(e.text.panel).starts_with("Code = "));
    ASSERT_NE(e.text.longName, nullptr);
    EXPECT_FALSE(std::string(e.text.longName).empty());
    EXPECT_EQ(e.text.menuAction == nullptr, e.text.menuCaption == nullptr);
    if (e.text.menuAction != nullptr) {
      EXPECT_TRUE(std::string(e.text.menuAction).starts_with("mnu"));
      EXPECT_TRUE(actions.insert(e.text.menuAction).second);
    }
    if (e.text.reportLine != nullptr) {
      EXPECT_TRUE(std::string(e.text.reportLine).starts_with("Code  = "));
    }
    EXPECT_TRUE(!e.text.crack.relabel || e.text.crack.cover != nullptr);

    for (const bool metric : {false, true}) {
      if (!metric && e.units != UnitsPolicy::Either) continue;
      SCOPED_TRACE(metric ? "Metric" : "English");
      Problem p = UsualBeam(e, metric);
      EXPECT_EQ(p.Units, metric ? units::Metric : units::English);
      // Defaults for the unit system: the factors and the stress block.
      for (const float v : {p.Phi, p.VPhi, p.A1, p.B1, p.Emax, p.Ec, p.Er, p.SteelStrength}) {
        EXPECT_GT(v, 0);
      }
      // The key comes back from a file.
      Problem read;
      ASSERT_TRUE(ReadInputFields(InputFileText(p), read));
      EXPECT_EQ(read.CodeKey, e.key);
      // Shear rules that compute something.
      if (!e.rules.HasShearRules()) continue;
      GrossSectionProps(p);
      MomentCapability(p);
      ConcreteShearStrength(p);
      MaxShearStrength(p);
      MinimumShearSteel(p);
      MaximumShearSpacing(p);
      EXPECT_GT(p.ConcShearCap, 0);
      EXPECT_GT(p.MaxShearCap, p.ConcShearCap);
      EXPECT_GT(p.MinShearSteel, 0);
      EXPECT_GT(p.MaxShearSpacing, 0);
    }
  }
  EXPECT_EQ(keys.size(), 12u);
}

TEST(Editions, AnUnknownKeyIsNoCode) {
  for (const char* key : {"zz", "", "ACI", "aci "}) {
    const CodeEdition& e = EditionOf(key);
    EXPECT_FALSE(IsKnownCode(key)) << key;
    EXPECT_EQ(e.family, CodeFamily::None) << key;
    EXPECT_EQ(e.text.panel, nullptr) << key;
    EXPECT_FALSE(e.rules.HasShearRules()) << key;
  }
}

}  // namespace
}  // namespace kestal
