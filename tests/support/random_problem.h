#pragma once

// Seeded random problems for the property tests: the given code key, either
// unit system, every shape, problem type and output selection, each number
// of the record zero, negative, tiny, huge or of engineering size.

#include <random>
#include <string_view>

#include "model/problem.h"

namespace kestal {

Problem RandomProblem(std::mt19937& rng, std::string_view codeKey);

}  // namespace kestal
