#pragma once

// The about window, frmAbout: the program's name, version, purpose and license.

#include "ui/window_support.h"

namespace kestal::ui {

class AboutWindow : public ToolWindow {
 public:
  explicit AboutWindow(QWidget* owner);
};

}  // namespace kestal::ui
