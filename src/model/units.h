#pragma once

#include <map>
#include <string>

#include "model/problem.h"

namespace kestal {

// Sets the six unit factors from Units: KiloFactor is always 1000; "English"
// and "Metric" set the other five; any other text leaves them as they were.
void SetUnitFactors(Problem& p);

// Tool-tip text of each control, by control name (txtMomentUlt, optMetric,
// cmdClose, ...). SetToolTips writes the tips for the current Units and
// CodeKey into the table; a control that a code does not name keeps the tip
// it had.
using ToolTips = std::map<std::string, std::string>;
void SetToolTips(const Problem& p, ToolTips& tips);

}  // namespace kestal
