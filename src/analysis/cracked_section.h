#pragma once

#include "model/problem.h"

namespace kestal {

// Gross, cracked transformed and effective moments of inertia; recomputes the
// cracking moment. Relies on GrossSectionProps being current.
void SectionInertias(Problem& p);

}  // namespace kestal
