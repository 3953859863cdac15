#pragma once

#include "model/problem.h"

namespace kestal {

// Shear steel rules; "ohbdc" and "ud" leave every field unchanged.

// Rule 1: required Av/s into VSteelArea, rounded "#.####" (English) or "#.##"
// (Metric).
void RequiredShearSteel(Problem& p);
// ACI 318-19 9.6.3.4: Av,min / s = max(0.75 sqrt(f'c), 50) bw / fyt in psi,
// max(0.062 sqrt(f'c), 0.35) bw / fyt in MPa, fyt at most 60,000 psi (420
// MPa) by Table 20.2.2.4(a).
double Aci19MinShearSteel(const Problem& p);

// ACI 318-19 Table 20.2.2.4(a): fyt at most 60,000 psi (420 MPa) for shear.
double Aci19ShearYield(const Problem& p);

// AASHTO LRFD 9th 5.7.2.5: Av,min / s = 0.0316 lambda sqrt(f'c) bv / fy in
// ksi, lambda = 1; in the problem's units.
double Lrfd9MinShearSteel(const Problem& p);

// Rule 2: MinShearSteel.
void MinimumShearSteel(Problem& p);
// Rule 3: MaxShearSpacing.
void MaximumShearSpacing(Problem& p);
// Rule 4: SteelShearCap.
void ShearSteelStrength(Problem& p);
// Rule 5: MinLongSteel.
void MinimumLongitudinalSteel(Problem& p);

}  // namespace kestal
