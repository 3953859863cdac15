#pragma once

#include "model/problem.h"

namespace kestal {

// Centroid, section modulus, height, web width and cracking moments of the
// plain concrete section of the current shape. Throws CalcError on a fault.
void GrossSectionProps(Problem& p);

}  // namespace kestal
