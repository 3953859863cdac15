#include "ui/code_parameters_window.h"

#include <QGridLayout>
#include <QMenuBar>
#include <QVBoxLayout>
#include <utility>

#include "ui/stress_diagram.h"

namespace kestal::ui {

CodeParametersWindow::CodeParametersWindow(Problem& p, const ToolTips& tips,
                                           std::function<void()> edited, QWidget* owner)
    : ToolWindow("frmStress", "Default Code Parameters", owner), p_(p), tips_(tips) {
  auto* menuBar = new QMenuBar;
  QMenu* file = menuBar->addMenu("&File");
  file->setObjectName("mnuFile");
  QAction* close = file->addAction("&Close");
  close->setObjectName("mnuClose");

  // The stress block constants read as the symbols of the drawing above.
  QGroupBox* block =
      BoxFrame("Frame3", "STRESS BLOCK",
               {{"txtEmax", "ε:"}, {"txtA1", "α<sub>1</sub>:"}, {"txtB1", "β<sub>1</sub>:"}});
  QGroupBox* phi =
      BoxFrame("fraPhi", "PHI FACTORS", {{"txtPhi", "Flexure:"}, {"txtVPhi", "Shear:"}});
  QGroupBox* elasticity = BoxFrame("Frame4", "MODULUS OF ELASTICITY",
                                   {{"txtEr", "Reinforcing:"}, {"txtEc", "Concrete:"}});
  QGroupBox* resistance = BoxFrame("fraRF", "RESISTANCE FACTORS",
                                   {{"txtphiReinf", "Reinforcing:"}, {"txtphiConc", "Concrete:"}});
  QGroupBox* rupture = BoxFrame("Frame2", "MODULUS OF RUPTURE", {{"txtfrup", "Concrete:"}});
  QGroupBox* shear = BoxFrame("Frame1", "SHEAR PARAMETER", {{"txtAg", " Max aggreg:"}});

  AlignLabels({block, elasticity, rupture});
  AlignLabels({phi, resistance, shear});
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menuBar);
  layout->addWidget(new StressDiagram);
  auto* frames = new QGridLayout;
  frames->addWidget(block, 0, 0);
  frames->addWidget(phi, 0, 1);
  frames->addWidget(elasticity, 1, 0);
  frames->addWidget(resistance, 1, 1);
  frames->addWidget(rupture, 2, 0);
  frames->addWidget(shear, 2, 1);
  layout->addLayout(frames);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  BindBoxes(this, p_, [edited = std::move(edited)](std::string_view, EntryEffect) {
    if (edited) edited();
  });
  connect(close, &QAction::triggered, this, &QWidget::hide);
}

void CodeParametersWindow::Refresh() {
  WriteBoxes(this, p_);
  ApplyToolTips(this, tips_);
  WriteUnits(this, p_);
}

void CodeParametersWindow::RefreshDerivedMaterials() {
  WriteBoxes(this, p_, {"txtA1", "txtB1", "txtEc", "txtfrup"});
}

}  // namespace kestal::ui
