#include "commands/console_view.h"

namespace kestal {

ConsoleView::ConsoleView(Problem& problem, ToolTips& tips) : problem_(problem), tips_(tips) {}

void ConsoleView::RefreshMainWindow() {
  SetToolTips(problem_, tips_);
  // Selecting the option button must not start a problem-type switch.
  problem_.FormUpdating = 1;
  selected_ = OptionForProblemType(problem_.ProblemType);
  problem_.FormUpdating = 0;
}

void ConsoleView::RefreshBox(std::string_view) {}

ProblemOption ConsoleView::SelectedOption() const {
  return selected_;
}

void ConsoleView::SetStatusPanel(int panel, const std::string& text) {
  panels_[panel] = text;
}

std::string ConsoleView::statusPanel(int panel) const {
  const auto it = panels_.find(panel);
  return it == panels_.end() ? std::string() : it->second;
}

}  // namespace kestal
