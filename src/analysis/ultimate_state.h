#pragma once

// The section at its nominal flexural strength, as the moment capability
// found it: the strains at the neutral axis, the stress block and the
// forces with their lever arm, for the strain and stress diagram of a
// review. Forces in kips or kN, lengths in the problem's units.

#include <optional>

#include "model/problem.h"

namespace kestal {

struct UltimateState {
  double c = 0;    // neutral axis depth, a / beta1
  double a = 0;    // stress block depth
  double ecu = 0;  // concrete strain at the top face
  double et = 0;   // net tensile strain at d
  double d = 0;
  double dc = 0;           // depth to the compression steel; 0 when it carries nothing
  double esc = 0;          // strain of the compression steel
  double blockStress = 0;  // stress of the block (factored where the code factors it)
  double T = 0;            // tensile steel force, As fy (factored where the code factors it)
  double Cs = 0;           // compression steel force
  double C = 0;            // concrete force, T - Cs
  double z = 0;            // lever arm of the whole compression about the steel: Mn / T
};

// From the results of MomentCapability; nothing when they do not describe a
// state at ultimate (no section, no steel, no block).
std::optional<UltimateState> UltimateStateOf(const Problem& p);

}  // namespace kestal
