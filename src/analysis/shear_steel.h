#pragma once

#include "model/problem.h"

namespace kestal {

// Shear steel rules; "ohbdc" and "ud" leave every field unchanged.

// Rule 1: required Av/s into VSteelArea, rounded "#.####" (English) or "#.##"
// (Metric).
void RequiredShearSteel(Problem& p);
// Rule 2: MinShearSteel.
void MinimumShearSteel(Problem& p);
// Rule 3: MaxShearSpacing.
void MaximumShearSpacing(Problem& p);
// Rule 4: SteelShearCap.
void ShearSteelStrength(Problem& p);
// Rule 5: MinLongSteel.
void MinimumLongitudinalSteel(Problem& p);

}  // namespace kestal
