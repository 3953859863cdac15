#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "model/problem.h"

namespace kestal {

// Sets the six unit factors from Units: KiloFactor is always 1000; "English"
// and "Metric" set the other five; any other text leaves them as they were.
void SetUnitFactors(Problem& p);

// What a numeric box holds, for the unit beside it.
enum class Quantity { None, Moment, Force, Length, Area, Stress, ForcePerLength };

// The unit of a quantity in one of the two systems, as the windows show it
// ("kip-ft", "in\u00b2", "kN\u00b7m", "MPa"); empty for a number without one.
std::string_view UnitName(Quantity quantity, bool english);

// What a box holds under the problem's code (the crack-control boxes hold
// other quantities under other codes), from the rows that give its tool tip;
// None for a box without a unit.
Quantity BoxQuantity(const Problem& p, std::string_view box);
// The unit of a box in the problem's unit system; empty for a box without
// one or units the program does not know.
std::string_view BoxUnit(const Problem& p, std::string_view box);

// Title of the results window: the unit system and its units of length,
// stress, force and moment ("Results \u2014 English: in, psi, kips, kip-ft").
std::string ResultsTitle(const Problem& p);

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
