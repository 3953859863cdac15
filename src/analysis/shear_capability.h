#pragma once

#include "model/problem.h"

namespace kestal {

// Concrete shear strength of the code (sets the shear web width; runs the
// beta and theta search for "lrfd"). Run MomentCapability first.
void ConcreteShearStrength(Problem& p);

// Maximum factored shear strength of the section. Run after
// ConcreteShearStrength.
void MaxShearStrength(Problem& p);

}  // namespace kestal
