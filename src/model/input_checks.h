#pragma once

// Whether the entered numbers can describe a real beam at all, before any
// calculation: a section that is a real shape, steel within it, and no
// negative area, depth, strength, modulus or factor. Zero is never a fault
// here: it is a value not entered yet, which the calculations treat as
// missing.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

#include "model/problem.h"

namespace kestal {

// The first rule the dimensions of section shape `type` break, naming the
// field ("TeeHtop = 200: the flange must be thinner than the height TeeH =
// 5"); nothing when none. A flange narrower than the web is a real shape (a
// ledge beam, an inverted tee entered as a box) and a zero flange thickness
// is allowed.
std::optional<std::string> ShapeFault(const Problem& p, int32_t type);

// True when the dimensions of shape `type` are all entered (the heights and
// widths positive; flange thicknesses may be zero) and break no rule: the
// section can be drawn to scale.
bool DescribesShape(const Problem& p, int32_t type);

// The first rule the problem's input breaks: its section (when one has been
// given), the depths to the steel within the height, and the areas, depths,
// strengths, moduli and factors not negative. Nothing when none.
std::optional<std::string> InputFault(const Problem& p);

// The inputs a calculation cannot do without.
enum class Needed { FactoredMoment, FactoredShear, TensileSteelArea, TensileSteelDepth, Section };

// Those of `needed` not entered yet, each said as what the user sees ("the
// factored shear is 0", "the section dimensions are not set"), joined by
// "; " in the order asked; empty when all are entered.
std::string MissingInputs(const Problem& p, std::initializer_list<Needed> needed);

}  // namespace kestal
