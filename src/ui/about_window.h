#pragma once

// The about window, frmAbout: the program's name, version and purpose.

#include "ui/window_support.h"

namespace kestal::ui {

class AboutWindow : public ToolWindow {
 public:
  explicit AboutWindow(QWidget* owner);
};

}  // namespace kestal::ui
