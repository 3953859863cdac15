#pragma once

// The window program at start-up, with the scripted platform answering
// every dialog, and the user's hands: typing, clicking, choosing menu items.

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <string>

#include "platform/scripted_platform.h"
#include "ui/main_window.h"
#include "ui/results_window.h"

namespace kestal::test {

struct Program {
  Problem p;
  ToolTips tips;
  ScriptedPlatform platform;
  ui::ResultsWindow results;
  ui::MainWindow main{p, tips, platform, results};

  Program() { main.show(); }

  // A control of the main window or of a window it owns.
  template <typename T = QWidget>
  T* Find(const char* name) {
    T* control = main.findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  QAction* Action(const char* name) { return Find<QAction>(name); }
  void Trigger(const char* name) { Action(name)->trigger(); }
  // A mouse click: nothing happens on a disabled button.
  void Click(const char* name) { Find<QAbstractButton>(name)->click(); }
  // Replaces a box's text by typing.
  void Type(const char* box, const char* text) {
    QLineEdit* edit = Find<QLineEdit>(box);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
  }
  std::string Text(const char* box) { return Find<QLineEdit>(box)->text().toStdString(); }
  // A panel of the status bar, 1 to 3.
  std::string Panel(int panel) {
    return Find<QLabel>(("panel" + std::to_string(panel)).c_str())->text().toStdString();
  }
  bool Enabled(const char* name) {
    return QString(name).startsWith("mnu") ? Action(name)->isEnabled() : Find(name)->isEnabled();
  }
};

}  // namespace kestal::test
