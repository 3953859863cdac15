#pragma once

// What a user command works with: the one problem record, the tool tips, the
// system services, the results window and the main window.

#include <string>
#include <string_view>

#include "model/problem.h"
#include "model/problem_ops.h"
#include "model/units.h"
#include "platform/platform.h"
#include "platform/results_sink.h"

namespace kestal {

// The main window as the commands see it.
class MainView {
 public:
  virtual ~MainView() = default;
  // Brings every window in line with the record.
  virtual void RefreshMainWindow() = 0;
  // Rewrites one box of the main window from its field, without a refresh
  // (the steel area a design has just worked out).
  virtual void RefreshBox(std::string_view box) = 0;
  // The problem-type option selected now.
  virtual ProblemOption SelectedOption() const = 0;
  // Writes one panel of the status bar; panels count 1 to 3.
  virtual void SetStatusPanel(int panel, const std::string& text) = 0;
  // The problem is now what its input file holds: just loaded or written.
  // A view that marks unsaved changes takes this problem as unchanged.
  virtual void ProblemSaved() {}
};

struct Session {
  Problem& problem;
  ToolTips& tips;
  Platform& platform;
  ResultsSink& results;
  MainView& view;
};

}  // namespace kestal
