#include "commands/input_guard.h"

#include "model/input_checks.h"

namespace kestal {

bool RefusesImpossibleInput(Session& s, const std::string& text, Icon icon,
                            const std::optional<std::string>& title) {
  const std::optional<std::string> fault = InputFault(s.problem);
  if (!fault) return false;
  s.platform.MessageBoxWithReason(text, icon, title, *fault);
  return true;
}

}  // namespace kestal
