#pragma once

// Commands on the section as a whole: turning it over, and the section
// window's Close Form button.

#include "commands/session.h"

namespace kestal {

// Reset > Invert Current Section: the section turned upside down, then the
// windows refreshed. An overflow changes nothing and shows "Incomplete
// information". No property is recomputed: the stored ones stay until the
// next calculation.
void InvertSection(Session& s);

// Close Form of the section dimensions window, once the window has hidden
// itself: the gross section properties of the dimensions entered; an
// arithmetic fault shows "Incomplete information".
void CloseSectionWindow(Session& s);

}  // namespace kestal
