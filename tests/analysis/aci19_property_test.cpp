// ACI 318-19 changes the strength rules, not the elastic ones: over random
// English review problems "aci19" and "aci" give the same section
// properties, service stresses and crack control bar spacing wherever both
// compute them (the effective inertia differs, and with it where a huge
// random number overflows).

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "analysis/crack_control.h"
#include "analysis/cracked_section.h"
#include "analysis/gross_section.h"
#include "analysis/service_stress.h"
#include "model/checked.h"
#include "model/units.h"
#include "support/random_problem.h"

namespace kestal {
namespace {

// The elastic results of a problem, or nothing past the first fault.
std::vector<float> Elastic(Problem p) {
  try {
    GrossSectionProps(p);
    SectionInertias(p);
    ServiceLoadStress(p);
    CrackControl(p);
  } catch (const CalcError&) {
    return {};
  }
  return {p.GrossInertia,       p.SectModulus,        p.DistNeutralAxis,   p.CrackedInertia,
          p.ServSteelStressMax, p.ServSteelStressMin, p.ServConcStressMax, p.ServConcStressMin,
          p.ServNeutralAxis,    p.CrackControlStress, p.MaxBarSpacing,     p.CrackMoment};
}

TEST(Aci19Property, ElasticResultsAreThoseOfTheEarlierRules) {
  std::mt19937 rng(31819);
  int compared = 0;
  for (int i = 0; i < 30000; ++i) {
    Problem aci = RandomProblem(rng, "aci");
    if (aci.Units != units::English) continue;
    aci.ProblemType = "review";
    Problem aci19 = aci;
    aci19.CodeKey = "aci19";
    const std::vector<float> earlier = Elastic(aci);
    const std::vector<float> later = Elastic(aci19);
    if (earlier.empty() || later.empty()) continue;
    ASSERT_EQ(later, earlier) << i;
    ++compared;
  }
  EXPECT_GT(compared, 300);
}

}  // namespace
}  // namespace kestal
