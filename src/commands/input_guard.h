#pragma once

// The check every calculating command makes first: an impossible input (a
// section that is no real shape, steel outside it, a negative area,
// strength, modulus or factor) is refused with the command's own message
// and the rule it breaks as the reason; nothing is computed or written.

#include <optional>
#include <string>

#include "commands/session.h"

namespace kestal {

// True, after showing `text` with the fault as its reason, when the
// problem's input is impossible; false, and nothing shown, otherwise.
bool RefusesImpossibleInput(Session& s, const std::string& text, Icon icon,
                            const std::optional<std::string>& title = std::nullopt);

}  // namespace kestal
