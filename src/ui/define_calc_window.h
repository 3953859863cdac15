#pragma once

// The output definition window, frmDefineCalc: which result groups go into
// the calculation report, its optional title and its file, and the button
// that writes it.

#include <QCheckBox>

#include "commands/session.h"
#include "ui/window_support.h"

namespace kestal::ui {

class DefineCalcWindow : public ToolWindow {
 public:
  DefineCalcWindow(Session& session, QWidget* owner);

  // Checks each box whose output selection is not 0.
  void Refresh();

 private:
  void OnCalculateOutput();

  Session& s_;
};

}  // namespace kestal::ui
