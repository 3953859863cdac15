#include "ui/window_support.h"

#include <QAbstractButton>
#include <QFormLayout>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
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

QLabel* AddBoxRow(QFormLayout* form, QLineEdit* box, const QString& caption, QWidget* field) {
  QLabel* label = BoxLabel(box, caption);
  form->addRow(label, field != nullptr ? field : box);
  return label;
}

void AlignLabels(std::initializer_list<QWidget*> frames) {
  int width = 0;
  for (QWidget* frame : frames) {
    for (QLabel* label : frame->findChildren<QLabel*>()) {
      width = std::max(width, label->sizeHint().width());
    }
  }
  for (QWidget* frame : frames) {
    for (QLabel* label : frame->findChildren<QLabel*>()) label->setMinimumWidth(width);
    if (frame->layout() != nullptr) frame->layout()->invalidate();
  }
}

void BindBoxes(QWidget* window, Problem& p, const BoxEdited& after) {
  for (const BoxField& f : BoxFields()) {
    auto* box = Control<QLineEdit>(window, f.box);
    if (box == nullptr) continue;
    const std::string_view name = f.box;
    QObject::connect(box, &QLineEdit::textChanged, window, [&p, name, after](const QString& text) {
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

void ApplyToolTips(QWidget* window, const ToolTips& tips) {
  for (const auto& [name, tip] : tips) {
    if (auto* control = Control<QWidget>(window, name)) control->setToolTip(ToQt(tip));
  }
}

}  // namespace kestal::ui
