#pragma once

// The main window of the command-line companion. It has no boxes to write,
// but its refresh does to the record what the window's refresh does (the
// tool tips, the FormUpdating guard around the option buttons) and its
// problem-type option follows ProblemType as the window's does.

#include <map>
#include <string>

#include "commands/session.h"

namespace kestal {

class ConsoleView : public MainView {
 public:
  ConsoleView(Problem& problem, ToolTips& tips);

  void RefreshMainWindow() override;
  void RefreshBox(std::string_view box) override;
  ProblemOption SelectedOption() const override;
  void SetStatusPanel(int panel, const std::string& text) override;

  // The text a status panel shows now; empty when never written.
  std::string statusPanel(int panel) const;

 private:
  Problem& problem_;
  ToolTips& tips_;
  // The window opens with no option selected until its first refresh; the
  // start-up refresh selects "design".
  ProblemOption selected_ = ProblemOption::Design;
  std::map<int, std::string> panels_;
};

}  // namespace kestal
