#include "ui/window_support.h"

#include <QAbstractButton>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStatusBar>
#include <algorithm>

#include "model/numtext.h"
#include "model/record_fields.h"

namespace kestal::ui {

QString ToQt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

namespace {
int writingDepth = 0;
}  // namespace

WritingControls::WritingControls() {
  ++writingDepth;
}

WritingControls::~WritingControls() {
  --writingDepth;
}

bool WritingControls::Active() {
  return writingDepth > 0;
}

void OnChosen(QAbstractButton* option, QObject* context, std::function<void()> chosen) {
  QObject::connect(option, &QAbstractButton::toggled, context,
                   [chosen = std::move(chosen)](bool checked) {
                     if (checked && !WritingControls::Active()) chosen();
                   });
}

void OnToggled(QAbstractButton* box, QObject* context, std::function<void(bool)> toggled) {
  QObject::connect(box, &QAbstractButton::toggled, context,
                   [toggled = std::move(toggled)](bool checked) {
                     if (!WritingControls::Active()) toggled(checked);
                   });
}

Qt::WindowFlags WindowFlagsWithoutClose(bool mainWindow) {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (mainWindow) flags |= Qt::WindowMinMaxButtonsHint;
  return flags;
}

ToolWindow::ToolWindow(const char* name, const QString& caption, QWidget* owner)
    : QWidget(owner, WindowFlagsWithoutClose(false)) {
  setObjectName(name);
  setWindowTitle(caption);
}

void ToolWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
}

void CentreOnScreen(QWidget* window) {
  if (window->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) {
    return;
  }
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  const QSize size = window->frameGeometry().size();
  window->move(area.x() + (area.width() - size.width()) / 2,
               area.y() + (area.height() - size.height()) / 2);
}

void ShowWindow(QWidget* window) {
  if (!window->property("shownBefore").toBool()) {
    window->setProperty("shownBefore", true);
    window->adjustSize();
    CentreOnScreen(window);
  }
  window->show();
  window->raise();
  window->activateWindow();
}

QLineEdit* NumberBox(const char* name) {
  auto* box = new QLineEdit;
  box->setObjectName(name);
  // Room for the longest display form, " -1.2345678E+07".
  box->setFixedWidth(box->fontMetrics().horizontalAdvance(" -1.2345678E+07") +
                     box->fontMetrics().averageCharWidth() * 2);
  return box;
}

QLabel* BoxLabel(QLineEdit* box, const QString& caption) {
  auto* label = new QLabel(caption);
  label->setObjectName("lbl" + box->objectName().mid(3));
  label->setBuddy(box);
  return label;
}

QGroupBox* Frame(const char* name, const QString& caption) {
  auto* frame = new QGroupBox(caption);
  frame->setObjectName(name);
  return frame;
}

QGroupBox* BoxFrame(const char* name, const char* caption, std::initializer_list<BoxRow> rows) {
  QGroupBox* frame = Frame(name, caption);
  auto* form = new QFormLayout(frame);
  for (const BoxRow& row : rows) AddBoxRow(form, NumberBox(row.box), row.caption);
  return frame;
}

QPushButton* Button(const char* name, const QString& caption) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  return button;
}

QLabel* AddBoxRow(QFormLayout* form, QLineEdit* box, const QString& caption, QWidget* beside) {
  QLabel* label = BoxLabel(box, caption);
  auto* field = new QWidget;
  auto* row = new QHBoxLayout(field);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(box);
  auto* unit = new QLabel;
  unit->setObjectName("unit" + box->objectName().mid(3));
  // Room for the widest unit, so that the boxes stay where they are when the
  // units change.
  int width = 0;
  for (const Quantity q : {Quantity::Moment, Quantity::Force, Quantity::Length, Quantity::Area,
                           Quantity::Stress, Quantity::ForcePerLength}) {
    for (const bool english : {true, false}) {
      width = std::max(width, unit->fontMetrics().horizontalAdvance(ToQt(UnitName(q, english))));
    }
  }
  unit->setMinimumWidth(width);
  row->addWidget(unit);
  if (beside != nullptr) row->addWidget(beside);
  row->addStretch();
  form->addRow(label, field);
  return label;
}

void AlignLabels(std::initializer_list<QWidget*> frames) {
  int width = 0;
  for (QWidget* frame : frames) {
    for (QLabel* label : frame->findChildren<QLabel*>(QRegularExpression("^lbl"))) {
      width = std::max(width, label->sizeHint().width());
    }
  }
  for (QWidget* frame : frames) {
    for (QLabel* label : frame->findChildren<QLabel*>(QRegularExpression("^lbl"))) {
      label->setMinimumWidth(width);
    }
    if (frame->layout() != nullptr) frame->layout()->invalidate();
  }
}

void BindBoxes(QWidget* window, Problem& p, const BoxEdited& after) {
  for (const BoxField& f : BoxFields()) {
    auto* box = Control<QLineEdit>(window, f.box);
    if (box == nullptr) continue;
    const std::string_view name = f.box;
    QObject::connect(box, &QLineEdit::textChanged, window,
                     [&p, name, after, box](const QString& text) {
                       ShowEntryNote(box, text);
                       if (WritingControls::Active()) return;
                       const EntryEffect effect = EnterBoxText(p, name, text.toStdString());
                       if (after) after(name, effect);
                     });
  }
}

void WriteBoxes(QWidget* window, const Problem& p, std::initializer_list<std::string_view> names) {
  const WritingControls writing;
  for (const BoxField& f : BoxFields()) {
    if (names.size() != 0 && std::find(names.begin(), names.end(), f.box) == names.end()) continue;
    if (auto* box = Control<QLineEdit>(window, f.box)) {
      box->setText(ToQt(DisplayForm(p.*(f.field))));
    }
  }
}

namespace {

// A box in error shows its note above its own tip, which is kept aside.
void SetBoxTip(QWidget* control, const QString& tip) {
  const QString note = control->property("entryNote").toString();
  control->setProperty("plainTip", tip);
  control->setToolTip(note.isEmpty() ? tip : note + "\n" + tip);
}

// The caption of a box's label without its colon.
QString Caption(const QLineEdit* box) {
  const auto* label =
      Control<QLabel>(box->window(), "lbl" + box->objectName().mid(3).toStdString());
  if (label == nullptr) return box->objectName();
  QString caption = label->text().trimmed();
  if (caption.endsWith(':')) caption.chop(1);
  return caption;
}

// The main window, whose status bar speaks for every window of the program.
QMainWindow* ProgramWindow(QWidget* widget) {
  for (QWidget* w = widget->window(); w != nullptr;
       w = w->parentWidget() != nullptr ? w->parentWidget()->window() : nullptr) {
    if (auto* main = qobject_cast<QMainWindow*>(w)) return main;
  }
  return nullptr;
}

}  // namespace

void ApplyToolTips(QWidget* window, const ToolTips& tips) {
  for (const auto& [name, tip] : tips) {
    if (auto* control = Control<QWidget>(window, name)) SetBoxTip(control, ToQt(tip));
  }
}

void WriteUnits(QWidget* window, const Problem& p) {
  for (const BoxField& f : BoxFields()) {
    auto* box = Control<QLineEdit>(window, f.box);
    auto* unit = Control<QLabel>(window, "unit" + std::string(f.box.substr(3)));
    if (box == nullptr || unit == nullptr) continue;
    const QString name = ToQt(BoxUnit(p, f.box));
    unit->setText(name);
    box->setAccessibleName(name.isEmpty() ? QString() : Caption(box) + ", " + name);
  }
}

void ShowEntryNote(QLineEdit* box, const QString& text) {
  const QString note = ToQt(EntryNote(text.toStdString()));
  const QString was = box->property("entryNote").toString();
  if (note == was) return;
  const QString tip = was.isEmpty() ? box->toolTip() : box->property("plainTip").toString();
  box->setProperty("entryNote", note);
  SetBoxTip(box, tip);
  box->setPalette(QPalette());
  if (!note.isEmpty()) {
    QPalette tinted = box->palette();
    const QColor base = tinted.color(QPalette::Base);
    const QColor error(220, 40, 40);
    tinted.setColor(QPalette::Base, QColor((base.red() * 3 + error.red() * 2) / 5,
                                           (base.green() * 3 + error.green() * 2) / 5,
                                           (base.blue() * 3 + error.blue() * 2) / 5));
    box->setPalette(tinted);
  }
  QMainWindow* main = ProgramWindow(box);
  if (main == nullptr) return;
  QStatusBar* bar = main->statusBar();
  if (!note.isEmpty()) {
    bar->setProperty("noteBox", box->objectName());
    bar->showMessage(Caption(box) + ": " + note);
  } else if (bar->property("noteBox").toString() == box->objectName()) {
    bar->setProperty("noteBox", QString());
    bar->clearMessage();
  }
}

}  // namespace kestal::ui
