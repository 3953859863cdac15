#pragma once

// The section dimensions window, frmSection: one frame per shape, only the
// frame of the current section type open for editing.

#include <functional>

#include "commands/session.h"
#include "ui/window_support.h"

namespace kestal::ui {

class SectionWindow : public ToolWindow {
 public:
  // `edited` learns of every change of a dimension.
  SectionWindow(Session& session, std::function<void()> edited, QWidget* owner);

  // Writes the twelve boxes and their tool tips from the record.
  void Refresh();

 protected:
  // Each time the window becomes active, the group of the current section
  // type is enabled and the other two are disabled.
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void EnableCurrentGroup();
  void OnResetDimensions();
  void OnCloseForm();

  Session& s_;
  std::function<void()> edited_;
  QGroupBox* groups_[3] = {};
};

}  // namespace kestal::ui
