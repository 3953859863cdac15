#pragma once

// A main window for tests: counts the refreshes, answers a settable option and
// records what the status panels were given.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "commands/session.h"

namespace kestal {

class RecordingView : public MainView {
 public:
  void RefreshMainWindow() override;
  void RefreshTSteelArea() override;
  ProblemOption SelectedOption() const override;
  void SetStatusPanel(int panel, const std::string& text) override;

  void SetSelectedOption(ProblemOption option) { selected_ = option; }

  int mainRefreshes() const { return mainRefreshes_; }
  int tSteelRefreshes() const { return tSteelRefreshes_; }
  // The text a panel shows now; empty when never written.
  std::string statusPanel(int panel) const;
  // Every panel write in order.
  const std::vector<std::pair<int, std::string>>& statusWrites() const { return statusWrites_; }

 private:
  ProblemOption selected_ = ProblemOption::Design;
  int mainRefreshes_ = 0;
  int tSteelRefreshes_ = 0;
  std::map<int, std::string> panels_;
  std::vector<std::pair<int, std::string>> statusWrites_;
};

}  // namespace kestal
