#pragma once

#include "model/problem.h"

namespace kestal {

// The crack control rule of the code. Run ServiceLoadStress first.
void CrackControl(Problem& p);

}  // namespace kestal
