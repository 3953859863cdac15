#pragma once

// What every window of the program shares: the window frame without a Close
// command, centring, the numeric boxes bound to the record by name, their
// labels and frames, and the tool tips by control name.

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <functional>
#include <string_view>

#include "model/problem.h"
#include "model/problem_ops.h"
#include "model/units.h"

class QAbstractButton;
class QFormLayout;
class QPushButton;

namespace kestal::ui {

// Window flags of a program window: a title, no Close command; the main
// window keeps its minimise and maximise buttons.
Qt::WindowFlags WindowFlagsWithoutClose(bool mainWindow);

// A window other than the main window. It offers no Close command, and a
// close request from the window manager (Alt+F4) is ignored: its own menu
// or buttons hide it, and it lives until the program ends.
class ToolWindow : public QWidget {
 public:
  ToolWindow(const char* name, const QString& caption, QWidget* owner);

 protected:
  void closeEvent(QCloseEvent* event) override;
};

// Moves a window to the centre of its screen, unless it is minimised,
// maximised or full screen.
void CentreOnScreen(QWidget* window);

// Shows a modeless window and brings it to the front; a window shown for the
// first time is centred first.
void ShowWindow(QWidget* window);

// A single-line box for one field of the record, wide enough for every
// display form of a number.
QLineEdit* NumberBox(const char* name);

// The label of a box: named after the box with "lbl" for "txt", its buddy
// the box.
QLabel* BoxLabel(QLineEdit* box, const QString& caption);

// A frame with a caption.
QGroupBox* Frame(const char* name, const QString& caption);

// A row of a frame's form: the box's label, then the box with the label of
// its unit ("unit" for "txt") and, when given, `beside` (a button).
QLabel* AddBoxRow(QFormLayout* form, QLineEdit* box, const QString& caption,
                  QWidget* beside = nullptr);

// One box of a frame of boxes and its caption.
struct BoxRow {
  const char* box;
  const char* caption;
};

// A frame holding a form of numeric boxes with their labels, in order.
QGroupBox* BoxFrame(const char* name, const char* caption, std::initializer_list<BoxRow> rows);

// A push button with a control name.
QPushButton* Button(const char* name, const QString& caption);

// Gives every label in these frames the width of the widest, so that the
// boxes of frames stacked in one column line up.
void AlignLabels(std::initializer_list<QWidget*> frames);

// While one of these lives, the program itself is writing its controls from
// the record (a refresh, a code's defaults, a loaded problem, a unit switch):
// the controls' change signals store nothing back. Whoever else changes a
// control (the mouse, the keyboard, the accessibility interface) changes the
// record, so what a window shows is what the record holds.
class WritingControls {
 public:
  WritingControls();
  ~WritingControls();
  WritingControls(const WritingControls&) = delete;
  WritingControls& operator=(const WritingControls&) = delete;
  static bool Active();
};

// `chosen` runs when an option button becomes the checked one of its group.
void OnChosen(QAbstractButton* option, QObject* context, std::function<void()> chosen);

// `toggled` runs on every change of a check box's state.
void OnToggled(QAbstractButton* box, QObject* context, std::function<void(bool)> toggled);

// The helpers below work on the controls of `window` itself, not on those of
// the windows it owns.

// Connects every numeric box of `window` to its field: each change of the
// text not written by the program stores it by the text entry rule, then
// `after` learns what changed.
using BoxEdited = std::function<void(std::string_view box, EntryEffect effect)>;
void BindBoxes(QWidget* window, Problem& p, const BoxEdited& after);

// Writes the display form of the fields of the numeric boxes of `window`
// (only those named, or all when `names` is empty).
void WriteBoxes(QWidget* window, const Problem& p,
                std::initializer_list<std::string_view> names = {});

// Sets the tool tip of every control of `window` that the table names.
void ApplyToolTips(QWidget* window, const ToolTips& tips);

// Writes the unit of each numeric box of `window` beside it, and names the
// box with its label and the unit for a screen reader ("Depth to Tensile
// Steel, in"); a box without a unit keeps its label's name.
void WriteUnits(QWidget* window, const Problem& p);

// Shows whether a box's text is wholly a number: while it is not, the box is
// tinted in an error colour, its tool tip begins with what was read
// (EntryNote) and the program's status bar says it too; a number or an
// empty text clears all three.
void ShowEntryNote(QLineEdit* box, const QString& text);

// The control of that name in `window` itself, not in a window it owns.
template <typename T>
T* Control(const QWidget* window, std::string_view name);

QString ToQt(std::string_view text);

template <typename T>
T* Control(const QWidget* window, std::string_view name) {
  for (T* control : window->findChildren<T*>(ToQt(name))) {
    if (control->window() == window) return control;
  }
  return nullptr;
}

}  // namespace kestal::ui
