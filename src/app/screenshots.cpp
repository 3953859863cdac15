#include "app/screenshots.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <iostream>

#include "platform/qt_platform.h"
#include "ui/about_window.h"
#include "ui/code_parameters_window.h"
#include "ui/define_calc_window.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/results_window.h"
#include "ui/section_window.h"

namespace kestal::ui {

namespace {

class Camera {
 public:
  explicit Camera(const QString& folder) : folder_(folder) {}

  void Take(QWidget* widget, const QString& name) {
    QApplication::processEvents();
    const QString path = folder_.filePath(name + ".png");
    if (!widget->grab().save(path)) {
      std::cerr << "kestal: cannot save " << path.toStdString() << '\n';
      ok_ = false;
    }
  }
  bool ok() const { return ok_; }

 private:
  QDir folder_;
  bool ok_ = true;
};

void Trigger(QWidget* window, const char* action) {
  window->findChild<QAction*>(action)->trigger();
}

}  // namespace

bool TakeScreenshots(MainWindow& main, ResultsWindow& results, HelpWindow& help,
                     const QString& folder, const QString& inputFile) {
  QDir().mkpath(folder);
  Camera camera(folder);
  camera.Take(&main, "frmBeam-startup");
  for (QMenu* menu : main.menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
    if (menu->objectName().isEmpty()) continue;  // the menu bar's own overflow menu
    menu->adjustSize();
    camera.Take(menu, "menu-" + menu->objectName());
    for (QMenu* sub : menu->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
      sub->adjustSize();
      camera.Take(sub, "menu-" + sub->objectName());
    }
  }
  if (!inputFile.isEmpty()) main.LoadInputFile(inputFile.toStdString());
  camera.Take(&main, "frmBeam");
  // A box whose text is not wholly a number, then as it was.
  auto* moment = main.findChild<QLineEdit*>("txtMomentUlt");
  const QString typed = moment->text();
  moment->setText("1,5");
  camera.Take(&main, "frmBeam-entry");
  moment->setText(typed);
  Trigger(&main, "mnuSectionDimensions");
  camera.Take(main.sectionWindow(), "frmSection");
  main.sectionWindow()->hide();
  Trigger(&main, "mnuSBP");
  camera.Take(main.codeParametersWindow(), "frmStress");
  main.codeParametersWindow()->hide();
  for (const char* display : {"mnuSP", "mnuMC", "mnuSLS", "mnuFS", "mnuCCS", "mnuSC"}) {
    Trigger(&main, display);
    camera.Take(&results, QString("frmOutput-") + display);
  }
  // The shear display shown again for a problem without a factored shear.
  auto* shear = main.findChild<QLineEdit*>("txtShearUlt");
  const QString shearTyped = shear->text();
  shear->setText("0");
  camera.Take(&results, "frmOutput-mnuSC-incomplete");
  shear->setText(shearTyped);
  Trigger(&main, "mnuShowRebar");
  camera.Take(&results, "frmOutput-rebar");
  Trigger(&main, "mnuOutCalc");
  camera.Take(main.defineCalcWindow(), "frmDefineCalc");
  for (QMenu* menu : main.defineCalcWindow()->findChildren<QMenu*>()) {
    menu->adjustSize();
    camera.Take(menu, "frmDefineCalc-menu-" + menu->objectName());
  }
  main.defineCalcWindow()->hide();
  Trigger(&main, "mnuAbout");
  camera.Take(main.aboutWindow(), "frmAbout");
  main.aboutWindow()->hide();
  for (const char* topic : {kHelpStartTopic, "inputs.htm", "messages.htm"}) {
    help.ShowTopic(topic);
    camera.Take(&help, QString("help-") + QString(topic).section('.', 0, 0));
  }
  help.hide();
  const auto message = CreateMessageBox("Required Av/s= .0123 in^2/in\rMaximum spacing = 10.75 in",
                                        Icon::Information, std::string("Shear Reinforcing"), &main);
  message->adjustSize();
  camera.Take(message.get(), "message");
  const auto question = CreateQuestion("Save changes to the problem?",
                                       {"Save", "Discard", "Cancel"}, std::nullopt, &main);
  question->adjustSize();
  camera.Take(question.get(), "question");
  return camera.ok();
}

}  // namespace kestal::ui
