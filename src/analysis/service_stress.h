#pragma once

#include "model/problem.h"

namespace kestal {

// Elastic cracked-section stresses under MomentMax, MomentMin and the
// cracking moment; the cracked neutral axis depth.
void ServiceLoadStress(Problem& p);

}  // namespace kestal
