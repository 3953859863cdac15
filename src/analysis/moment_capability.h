#pragma once

#include "model/problem.h"

namespace kestal {

// Stress block, moment capability, effective shear depth, reinforcement
// limits and minimum-reinforcement quantities of the given section.
void MomentCapability(Problem& p);

// Balanced condition: MaxTSteelArea, MaxCD, CDRatio, TSteelStrain from
// BlockDepth.
void StressBlockLimits(Problem& p);

}  // namespace kestal
