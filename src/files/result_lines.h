#pragma once

// Result lines that the quick displays and the calculation report print
// alike: the label literal and its value, an input value as plain number text
// and a result with "0.0000E+00". The display and the report differ only in
// indent.

#include <string>
#include <vector>

#include "model/problem.h"

namespace kestal {

struct ResultLine {
  const char* label;
  float value;
  bool input = false;  // an input echoed as plain number text
};

// Section properties: gross and cracked inertias, section modulus, neutral
// axis, and the effective inertia when a service moment is given.
std::vector<ResultLine> SectionPropertyLines(const Problem& p);

// Service load stresses: steel and concrete, maximum and minimum.
std::vector<ResultLine> ServiceStressLines(const Problem& p);

// Fatigue: the steel stress range and, for the codes that state one, the
// allowable range. Where the code's allowable range is not stated in the
// problem's units, `warning` holds the text that replaces its line.
struct FatigueLines {
  std::vector<ResultLine> lines;
  std::string warning;
};
FatigueLines FatigueResultLines(const Problem& p);

// The crack width ("s6") and exposure factor ("ohbdc") rules are worked in
// millimetres and MPa only; in other units they compute nothing.
bool CrackControlNeedsMetric(const Problem& p);
inline constexpr const char* kCrackControlNeedsMetric =
    "*** Crack control for this code requires Metric units ***";

// Crack control lines of the code, after the calculation; none for "ud".
std::vector<ResultLine> CrackControlLines(const Problem& p);

}  // namespace kestal
