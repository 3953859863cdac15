#include "ui/define_calc_window.h"

#include <QGridLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "commands/output_commands.h"
#include "platform/number_settings.h"

namespace kestal::ui {

namespace {

struct Selection {
  const char* box;
  const char* caption;
  const char* tip;
  int32_t Problem::*field;
};

// Two columns: the strength groups, then the service groups.
const Selection kSelections[] = {
    {"chkSectProp", "Section properties", "Output section properties", &Problem::OutSectProp},
    {"chkMomCap", "Moment capability", "Output moment capability", &Problem::OutMomCap},
    {"chkShearCap", "Shear capability", "Output shear capability", &Problem::OutShearCap},
    {"chkServLoad", "Service load stress", "Output service load stress", &Problem::OutServLoad},
    {"chkFatStress", "Fatigue stress", "Output fatigue stress", &Problem::OutFatStress},
    {"chkCrackCon", "Crack control", "Output crack control", &Problem::OutCrackCon},
};

QAction* Item(QMenu* menu, const char* name, const char* caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  return action;
}

}  // namespace

DefineCalcWindow::DefineCalcWindow(Session& session, QWidget* owner)
    : ToolWindow("frmDefineCalc", "Define Output Calculation", owner), s_(session) {
  auto* menuBar = new QMenuBar;
  QMenu* file = menuBar->addMenu("&File");
  file->setObjectName("mnuFile");
  QAction* saveAs = Item(file, "mnuSaveOut", "&Save Output As");
  file->addSeparator();
  QAction* close = Item(file, "mnuClose", "&Close");
  QMenu* define = menuBar->addMenu("&Define");
  define->setObjectName("mnuDefine");
  QAction* title = Item(define, "mnuDOutT", "&Output Title (optional)");

  QGroupBox* frame = Frame("fraOutput", "OUTPUT CALCULATIONS");
  auto* boxes = new QGridLayout(frame);
  boxes->setHorizontalSpacing(boxes->horizontalSpacing() * 4);
  int i = 0;
  for (const Selection& selection : kSelections) {
    auto* box = new QCheckBox(selection.caption);
    box->setObjectName(selection.box);
    box->setToolTip(selection.tip);
    boxes->addWidget(box, i % 3, i / 3);
    int32_t Problem::*field = selection.field;
    OnToggled(box, this, [this, field](bool checked) { s_.problem.*field = checked ? 1 : 0; });
    ++i;
  }

  auto* calculate = new QPushButton("&Calculate Output");
  calculate->setObjectName("cmdCalcOut");
  calculate->setToolTip("Calculate output");

  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menuBar);
  layout->addWidget(frame);
  layout->addWidget(calculate, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(saveAs, &QAction::triggered, this,
          [this] { ChooseOutputFile(s_, OutputFileMenu::DefinitionWindow); });
  connect(close, &QAction::triggered, this, &QWidget::hide);
  connect(title, &QAction::triggered, this, [this] { SetOutputTitle(s_); });
  connect(calculate, &QPushButton::clicked, this, &DefineCalcWindow::OnCalculateOutput);
}

void DefineCalcWindow::Refresh() {
  const WritingControls writing;
  for (const Selection& selection : kSelections) {
    Control<QCheckBox>(this, selection.box)->setChecked(s_.problem.*selection.field != 0);
  }
}

void DefineCalcWindow::OnCalculateOutput() {
  if (HidesDefinitionWindow(CalculateOutput(s_, UserDecimalSign()))) hide();
}

}  // namespace kestal::ui
