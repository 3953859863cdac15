#pragma once

#include <string_view>
#include <unordered_map>

#include "model/problem.h"

namespace kestal {

// Sets the six unit factors from Units: KiloFactor is always 1000; "English"
// and "Metric" set the other five; any other text leaves them as they were.
void SetUnitFactors(Problem& p);

// Tool-tip text of each control, by control name (txtMomentUlt, optMetric,
// cmdClose, ...). SetToolTips writes the tips for the current Units and
// CodeKey into the table; a control that a code does not name keeps the tip
// it had. Control names and tips are the program's own string literals, which
// last as long as the program: the table holds views of them, so writing the
// tips on every refresh and copying the table cost no allocations. The
// entries come in no particular order.
using ToolTips = std::unordered_map<std::string_view, std::string_view>;
void SetToolTips(const Problem& p, ToolTips& tips);

}  // namespace kestal
