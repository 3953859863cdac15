#pragma once

#include "model/problem.h"

namespace kestal {

// Re-derives A1, B1, Ec, Frup and ModularRatio from ConcreteStrength for the
// current code and unit system (the English option follows Units).
void SetMaterialFromStrength(Problem& p);

}  // namespace kestal
