#pragma once

#include "model/problem.h"

namespace kestal {

// Closed-form design of the tensile steel area for the factored moment, with
// the code's minimum-reinforcement rule; writes TSteelArea (rounded to
// "#.###" in English units, "#." in Metric units).
void DesignTensionSteel(Problem& p);

}  // namespace kestal
