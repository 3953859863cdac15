#pragma once

#include "model/checked.h"
#include "model/problem.h"

namespace kestal {

// Rules shared by the review of a section and the design of its tensile
// steel.

// Factored stress of the stress block, k = PhiConc x A1 x f'c.
inline Real BlockStress(const Problem& p) {
  return Real(p.PhiConc) * p.A1 * p.ConcreteStrength;
}

// Factored yield stress of the reinforcement, fy' = PhiReinf x fy.
inline Real FactoredYield(const Problem& p) {
  return Real(p.PhiReinf) * p.SteelStrength;
}

// WebWidthMin, the web width of the minimum-steel formulas: the width of a
// rectangle, the web of a tee, and for a box the smaller of its bottom
// flange and twice its total web width. Only for the three known shapes.
void StoreWebWidthMin(Problem& p);

// MinDesignMoment for the codes that meet the minimum reinforcement through
// the moment: Mu when Mu exceeds 1.2 Mcr, otherwise the smaller of 1.2 Mcr
// and 4/3 Mu.
void StoreMinDesignMoment(Problem& p);

// The least net tensile strain a beam may have at its nominal strength:
// the code's constant, or, under ACI 318-19, that of a tension-controlled
// section, fy / Es + 0.003.
float MinimumNetStrain(const Problem& p);

// The flexure reduction factor of the net tensile strain `et`.
Real FlexurePhiOfStrain(const Problem& p, Real et);

// ACI minimum area by formula, AsMinCode, on bw = WebWidthMin:
// 3 sqrt(f'c) bw d / fy but not less than 200 bw d / fy in psi, or
// sqrt(f'c) bw d / (4 fy) but not less than 1.4 bw d / fy in MPa.
void StoreAciMinimumArea(Problem& p);

}  // namespace kestal
