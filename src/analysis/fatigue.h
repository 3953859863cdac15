#pragma once

#include "model/problem.h"

namespace kestal {

// Steel stress range and the code's allowable fatigue stress range. Run
// ServiceLoadStress first.
void FatigueStress(Problem& p);

}  // namespace kestal
