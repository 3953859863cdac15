#pragma once

#include "model/problem.h"

namespace kestal {

// Loads the default criteria and materials of the current CodeKey in the
// current Units. A key outside the eight known ones changes nothing.
void SetCodeDefaults(Problem& p);

}  // namespace kestal
