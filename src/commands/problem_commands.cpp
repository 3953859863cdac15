#include "commands/problem_commands.h"

#include <vector>

#include "commands/file_commands.h"
#include "files/input_file.h"
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

std::string MainWindowTitle(const Problem& p) {
  std::string title = "REINFORCED CONCRETE BEAM DESIGN";
  if (!p.InputFileTitle.empty()) title += " - " + p.InputFileTitle;
  return title + "[*]";
}

bool HasUnsavedChanges(const Problem& p, const std::string& saved) {
  return InputFileText(p) != saved;
}

bool MayEnd(Session& s, bool unsavedChanges) {
  if (!unsavedChanges) return true;
  switch (s.platform.Ask("Save changes to the problem?", {"Save", "Discard", "Cancel"})) {
    case 0:
      if (s.problem.InputFile.empty()) return SaveInput(s);
      return SaveInputTo(s, FileChoiceForPath(s.problem.InputFile));
    case 1:
      return true;
    default:
      return false;
  }
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
