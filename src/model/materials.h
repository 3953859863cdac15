#pragma once

#include "model/problem.h"

namespace kestal {

// Re-derives A1, B1, Ec, Frup and ModularRatio from ConcreteStrength for the
// current code and unit system (the English option follows Units). A
// floating-point fault on absurd inputs throws CalcError; the fields stored
// before it keep their new values.
void SetMaterialFromStrength(Problem& p);

// ModularRatio = Er / Ec rounded to the nearest whole number, a tie going to
// the even number. Throws CalcError when Ec is 0.
void SetModularRatio(Problem& p);

}  // namespace kestal
