#include "commands/problem_commands.h"

#include <vector>

#include "model/code_rules.h"
#include "model/problem_ops.h"

namespace kestal {

std::string CodeUnitsQuestion(const Problem& p, std::string_view key) {
  const CodeEdition& code = EditionOf(key);
  if (code.units != UnitsPolicy::Metric || p.Units == units::Metric) return {};
  if (!HoldsEnteredValues(p)) return {};
  return std::string(CodeName(code)) + " works in Metric units. Clear the problem and switch to " +
         units::Metric + "?";
}

bool ChooseCodeAsking(Session& s, std::string_view key) {
  Problem& p = s.problem;
  const std::string question = CodeUnitsQuestion(p, key);
  if (!question.empty()) {
    if (s.platform.Ask(question, {"Clear", "Cancel"}) != 0) {
      s.view.RefreshMainWindow();
      return false;
    }
    ChooseMetric(p);
  }
  ChooseCode(p, key);
  s.view.RefreshMainWindow();
  return true;
}

}  // namespace kestal
