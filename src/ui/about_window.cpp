#include "ui/about_window.h"

#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace kestal::ui {

AboutWindow::AboutWindow(QWidget* owner) : ToolWindow("frmAbout", "About Program KESTAL", owner) {
  QGroupBox* frame = Frame(
      "Frame1",
      QString("Program KESTAL Version %1.%2").arg(KESTAL_VERSION_MAJOR).arg(KESTAL_VERSION_MINOR));
  auto* text = new QLabel(
      "Reinforced concrete beam design program.  This program designs or reviews a reinforced "
      "concrete beam and checks ultimate strength, service load stresses, fatigue and crack "
      "control.");
  text->setObjectName("Label1");
  text->setWordWrap(true);
  // About five lines of text.
  const int width = text->fontMetrics().averageCharWidth() * 40;
  text->setFixedWidth(width);
  // The terms the program is given under, below its purpose.
  auto* license = new QLabel("License: GNU General Public License, version 3 or later");
  license->setObjectName("Label2");
  license->setWordWrap(true);
  license->setFixedWidth(width);
  auto* inFrame = new QVBoxLayout(frame);
  inFrame->addWidget(text);
  inFrame->addSpacing(text->fontMetrics().height() / 2);
  inFrame->addWidget(license);

  auto* ok = new QPushButton("OK");
  ok->setObjectName("Command1");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(ok, &QPushButton::clicked, this, &QWidget::hide);
  // Enter and Escape answer the window as OK does.
  for (QKeySequence key :
       {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
    connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::hide);
  }
}

}  // namespace kestal::ui
