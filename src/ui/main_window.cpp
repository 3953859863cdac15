#include "ui/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>
#include <optional>

#include "commands/design_commands.h"
#include "commands/document_commands.h"
#include "commands/displays.h"
#include "commands/file_commands.h"
#include "commands/output_commands.h"
#include "commands/problem_commands.h"
#include "commands/section_commands.h"
#include "files/input_file.h"
#include "model/code_rules.h"
#include "platform/number_settings.h"
#include "ui/about_window.h"
#include "ui/code_parameters_window.h"
#include "ui/define_calc_window.h"
#include "ui/section_sketch.h"
#include "ui/section_window.h"
#include "ui/window_support.h"

namespace kestal::ui {

namespace {

// What each problem type enables: a box with its label, a button or a View
// item. The factored moment and the depth to the tensile steel are always
// enabled.
struct EnabledRow {
  const char* control;
  bool design;
  bool vdesign;
  bool review;
};

const EnabledRow kEnabled[] = {
    {"cmdCalcTSArea", true, false, false}, {"cmdCalcVSArea", false, true, false},
    {"txtTSteelArea", false, true, true},  {"txtCSteelArea", false, true, true},
    {"txtVSteelArea", false, false, true}, {"txtsAv", false, false, true},
    {"txtDepthC", false, true, true},      {"txtMomentMax", false, false, true},
    {"txtMomentMin", false, false, true},  {"txtShearUlt", false, true, true},
    {"mnuMC", false, false, true},         {"mnuSC", false, false, true},
    {"mnuSLS", false, false, true},        {"mnuFS", false, false, true},
    {"mnuCCS", false, false, true},
};

QRadioButton* Option(const char* name, const char* caption) {
  auto* option = new QRadioButton(caption);
  option->setObjectName(name);
  return option;
}

QMenu* Menu(QMenuBar* bar, QMenu* parent, const char* name, const char* caption) {
  QMenu* menu = parent != nullptr ? parent->addMenu(caption) : bar->addMenu(caption);
  menu->setObjectName(name);
  menu->menuAction()->setObjectName(name);
  return menu;
}

}  // namespace

MainWindow::MainWindow(Problem& problem, ToolTips& tips, Platform& platform, ResultsSink& results,
                       QWidget* parent)
    : QMainWindow(parent, WindowFlagsWithoutClose(true)),
      p_(problem),
      tips_(tips),
      session_{problem, tips, platform, results, *this} {
  setObjectName("frmBeam");
  section_ = new SectionWindow(
      session_,
      [this] {
        sketch_->update();
        OnProblemChanged();
      },
      this);
  stress_ = new CodeParametersWindow(
      p_, tips_, [this] { OnProblemChanged(); }, this);
  defineCalc_ = new DefineCalcWindow(session_, this);
  // The output selections and the title are part of the problem's file too.
  for (QCheckBox* box : defineCalc_->findChildren<QCheckBox*>()) {
    connect(box, &QCheckBox::toggled, this, [this] {
      if (!WritingControls::Active()) OnProblemChanged();
    });
  }
  connect(defineCalc_->findChild<QAction*>("mnuDOutT"), &QAction::triggered, this,
          [this] { OnProblemChanged(); });
  about_ = new AboutWindow(this);
  setCentralWidget(CreateFrames());
  CreateMenus();
  CreateStatusBar();
  SetTabOrder();
  BindBoxes(this, p_,
            [this](std::string_view box, EntryEffect effect) { OnBoxEdited(box, effect); });
  for (QLineEdit* box : findChildren<QLineEdit*>()) {
    if (box->window() == this) box->installEventFilter(this);
  }

  StartUp(p_, tips_);
  saved_ = InputFileText(p_);
  RefreshMainWindow();
  adjustSize();
  CentreOnScreen(this);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::CreateFrames() {
  QGroupBox* type = Frame("frmProblemType", "TYPE");
  auto* typeColumn = new QVBoxLayout(type);
  optDesign_ = Option("optDesign", "Design Tensile Steel");
  optVDesign_ = Option("optVDesign", "Design Shear Steel");
  optReview_ = Option("optReview", "Review");
  for (QRadioButton* option : {optDesign_, optVDesign_, optReview_}) typeColumn->addWidget(option);
  typeColumn->addStretch();

  QGroupBox* units = Frame("frmUnits", "UNITS");
  auto* unitsColumn = new QVBoxLayout(units);
  optEnglish_ = Option("optEnglish", "English");
  optMetric_ = Option("optMetric", "Metric");
  unitsColumn->addWidget(optEnglish_);
  unitsColumn->addWidget(optMetric_);
  unitsColumn->addStretch();

  QGroupBox* material = BoxFrame("frmMaterial", "MATERIAL PROPERTIES",
                                 {{"txtConcreteStrength", "Conc Compressive Strength:"},
                                  {"txtSteelStrength", "Reinforcing Steel Strength:"},
                                  {"txtModularRatio", "Modular Ratio:"}});
  QGroupBox* loads = BoxFrame("frmLoads", "DESIGN LOADS",
                              {{"txtMomentUlt", "Factored (ultimate) Moment:"},
                               {"txtMomentMax", "Max Service Load Moment:"},
                               {"txtMomentMin", "Min Service Load Moment:"},
                               {"txtShearUlt", "Factored (ultimate) Shear:"}});

  QGroupBox* sectionFrame = Frame("fraSection", "SECTION PROPERTIES");
  auto* sectionColumn = new QVBoxLayout(sectionFrame);
  auto* typeRow = new QFormLayout;
  sectionType_ = new QComboBox;
  sectionType_->setObjectName("cboSectionType");
  sectionType_->addItems({"RECTANGULAR", "BOX", "T BEAM"});
  auto* typeLabel = new QLabel("Section Type:");
  typeLabel->setObjectName("lblSectionType");
  typeLabel->setBuddy(sectionType_);
  typeRow->addRow(typeLabel, sectionType_);
  sectionColumn->addLayout(typeRow);
  sketch_ = new SectionSketch(p_);
  sectionColumn->addWidget(sketch_, 1);
  QPushButton* dimensions = Button("cmdSectionDimensions", "&Set Section Dimensions");
  sectionColumn->addWidget(dimensions);

  QGroupBox* reinforcing = Frame("frmReinforcing", "REINFORCING STEEL");
  auto* steel = new QFormLayout(reinforcing);
  calcTSArea_ = Button("cmdCalcTSArea", "&Calc");
  calcVSArea_ = Button("cmdCalcVSArea", "&Calc");
  QLineEdit* tensile = NumberBox("txtTSteelArea");
  AddBoxRow(steel, tensile, "Tensile Steel Area:", calcTSArea_);
  AddBoxRow(steel, NumberBox("txtCSteelArea"), "Compressive Steel Area:");
  AddBoxRow(steel, NumberBox("txtDepthT"), "Depth to Tensile Steel:");
  AddBoxRow(steel, NumberBox("txtDepthC"), "Depth to Compressive Steel:");
  QLineEdit* shear = NumberBox("txtVSteelArea");
  AddBoxRow(steel, shear, "Shear Steel Area:", calcVSArea_);
  AddBoxRow(steel, NumberBox("txtsAv"), "Shear Steel Spacing:");

  QGroupBox* crack = BoxFrame("frmCrack", "CRACK CONTROL",
                              {{"txtCover", "Conc Cover to Center of Bar:"},
                               {"txtEffArea", "Effective Tension Area:"},
                               {"txtExpFactor", "Exposure Factor:"}});
  crackFrame_ = crack;
  crackForm_ = static_cast<QFormLayout*>(crack->layout());
  // The frame keeps its place while hidden, so that the window does not
  // change its size with the problem type.
  QSizePolicy keep = crack->sizePolicy();
  keep.setRetainSizeWhenHidden(true);
  crack->setSizePolicy(keep);

  AlignLabels({loads, reinforcing, crack});
  auto* central = new QWidget;
  auto* grid = new QGridLayout(central);
  auto* choices = new QHBoxLayout;
  choices->addWidget(type, 1);
  choices->addWidget(units);
  grid->addLayout(choices, 0, 0);
  grid->addWidget(material, 0, 1);
  grid->addWidget(loads, 1, 0);
  grid->addWidget(sectionFrame, 1, 1, 2, 1);
  grid->addWidget(reinforcing, 2, 0);
  grid->addWidget(crack, 3, 0);
  grid->setRowStretch(2, 1);

  OnChosen(optDesign_, this, [this] { OnProblemType(ProblemOption::Design); });
  OnChosen(optVDesign_, this, [this] { OnProblemType(ProblemOption::VDesign); });
  OnChosen(optReview_, this, [this] { OnProblemType(ProblemOption::Review); });
  OnChosen(optEnglish_, this, [this] { OnUnits(false); });
  OnChosen(optMetric_, this, [this] { OnUnits(true); });
  connect(sectionType_, &QComboBox::activated, this, &MainWindow::OnSectionType);
  connect(dimensions, &QPushButton::clicked, this, [this] { OnSectionDimensions(true); });
  connect(calcTSArea_, &QPushButton::clicked, this, [this] { CalcTensionSteel(session_); });
  connect(calcVSArea_, &QPushButton::clicked, this, [this] { CalcShearSteel(session_); });
  return central;
}

void MainWindow::CreateMenus() {
  QMenuBar* bar = menuBar();
  auto item = [this](QMenu* menu, const char* name, const char* caption, auto handler) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  auto separator = [](QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(name); };
  Session& s = session_;

  QMenu* file = Menu(bar, nullptr, "mnuFile", "&File");
  item(file, "mnuLoadIn", "&Load Input", [&s] { LoadInput(s); });
  QMenu* save = Menu(bar, file, "mnuSave", "&Save");
  item(save, "mnuSaveInput", "&Input As", [&s] { SaveInput(s); });
  item(save, "mnuSaveOutput", "&Output As",
       [&s] { ChooseOutputFile(s, OutputFileMenu::MainWindow); });
  separator(file, "mnuFileSep1");
  item(file, "mnuPrint", "&Print...", [&s] {
    PrintCalculation(s, UserDecimalSign(), UserPaper());
  })->setShortcut(QKeySequence::Print);
  item(file, "mnuExportPdf", "Export P&DF...",
       [&s] { ExportPdf(s, UserDecimalSign(), UserPaper()); });
  separator(file, "mnuFileSep2");
    item(file, "mnuExit", "&Exit", [this] { OnExit(); });

  QMenu* edit = Menu(bar, nullptr, "mnuEdit", "&Edit");
  item(edit, "mnuCut", "Cu&t", [this] {
    OnEdit(EditCommand::Cut);
  })->setShortcut(QKeySequence::Cut);
  item(edit, "mnuCopy", "&Copy", [this] {
    OnEdit(EditCommand::Copy);
  })->setShortcut(QKeySequence::Copy);
  item(edit, "mnuPaste", "&Paste", [this] {
    OnEdit(EditCommand::Paste);
  })->setShortcut(QKeySequence::Paste);

  QMenu* define = Menu(bar, nullptr, "mnuDefine", "&Define");
  QMenu* codeMenu = Menu(bar, define, "mnuDefineCode", "&Code");
  codes_ = new QActionGroup(this);
  codes_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  for (const CodeEdition& code : Editions()) {
    if (code.text.menuAction == nullptr) continue;
    QAction* action = item(codeMenu, code.text.menuAction, code.text.menuCaption,
                           [this, &code] { OnCode(code.key); });
    action->setCheckable(true);
    codes_->addAction(action);
  }
  item(define, "mnuSBP", "&Default Code Parameters", [this] { ShowWindow(stress_); });
  item(define, "mnuOutCalc", "&Output calculation", [this] { ShowWindow(defineCalc_); });

  QMenu* view = Menu(bar, nullptr, "mnuView", "&View");
  item(view, "mnuSectionDimensions", "&Section Dimensions", [this] { OnSectionDimensions(false); });
  auto show = [this](ResultsDisplay display) { return [this, display] { OnView(display); }; };
  item(view, "mnuSP", "Section &Properties", show(ResultsDisplay::SectionProperties));
  item(view, "mnuMC", "&Moment Capability", show(ResultsDisplay::MomentCapability));
  item(view, "mnuSLS", "Service &Load Stress", show(ResultsDisplay::ServiceLoadStress));
  item(view, "mnuFS", "&Fatigue Stress", show(ResultsDisplay::FatigueStress));
  item(view, "mnuCCS", "&Crack Control Stress", show(ResultsDisplay::CrackControl));
  item(view, "mnuSC", "Shea&r Capability", show(ResultsDisplay::ShearCapability));
  item(view, "mnuChecks", "Chec&ks", show(ResultsDisplay::Checks));
  separator(view, "mnuseper");
  item(view, "mnuNote", "&Output file", [&s] { ViewOutputFile(s); });

  QMenu* reset = Menu(bar, nullptr, "mnuReset", "&Reset");
  item(reset, "mnuResetParam", "&Parameters", [this] {
    ResetParameters(p_);
    RefreshMainWindow();
  });
  item(reset, "mnuResetDim", "&Dimensions", [this] {
    ResetDimensions(p_);
    RefreshMainWindow();
  });
  item(reset, "mnuInvertSect", "&Invert Current Section", [&s] { InvertSection(s); });

  QMenu* help = Menu(bar, nullptr, "mnuHelp", "&Help");
  QAction* contents = item(help, "mnuContents", "&Contents",
                           [&s] { s.platform.ShowHelpTopic("introduction.htm"); });
  contents->setShortcut(Qt::Key_F1);
  // F1 opens the help from every window of the program.
  contents->setShortcutContext(Qt::ApplicationShortcut);
  separator(help, "mnusep");
  item(help, "mnuShowRebar", "&Show Rebar Info", show(ResultsDisplay::RebarTable));
  item(help, "mnuAbout", "&About Program KESTAL", [this] { ShowWindow(about_); });
}

void MainWindow::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("SBFiles");
  bar->setSizeGripEnabled(false);
  const char* initial[] = {"Input file undefined", "Output file undefined", ""};
  for (int i = 0; i < 3; ++i) {
    panels_[i] = new QLabel(initial[i]);
    panels_[i]->setObjectName(QString("panel%1").arg(i + 1));
    panels_[i]->setToolTip(initial[i]);
    panels_[i]->setFrameShape(QFrame::Panel);
    panels_[i]->setFrameShadow(QFrame::Sunken);
    bar->addWidget(panels_[i], 1);
  }
}

void MainWindow::SetTabOrder() {
  // The frames in their order, top to bottom inside each.
  const char* order[] = {
      "optDesign",        "optVDesign",
      "optReview",        "optEnglish",
      "optMetric",        "txtConcreteStrength",
      "txtSteelStrength", "txtModularRatio",
      "txtMomentUlt",     "txtMomentMax",
      "txtMomentMin",     "txtShearUlt",
      "cboSectionType",   "cmdSectionDimensions",
      "txtTSteelArea",    "cmdCalcTSArea",
      "txtCSteelArea",    "txtDepthT",
      "txtDepthC",        "txtVSteelArea",
      "cmdCalcVSArea",    "txtsAv",
      "txtCover",         "txtEffArea",
      "txtExpFactor",
  };
  QWidget* previous = nullptr;
  for (const char* name : order) {
    QWidget* next = Control<QWidget>(this, name);
    if (previous != nullptr) setTabOrder(previous, next);
    previous = next;
  }
}

void MainWindow::RefreshMainWindow() {
  SetToolTips(p_, tips_);
  ApplyToolTips(this, tips_);
  const WritingControls writing;
  p_.FormUpdating = 1;
  RefreshProblemType();
  (p_.Units == units::Metric ? optMetric_ : optEnglish_)->setChecked(true);
  WriteBoxes(this, p_);
  WriteUnits(this, p_);
  session_.results.SetTitle(ResultsTitle(p_));
  stress_->Refresh();
  section_->Refresh();
  RefreshCode();
  sectionType_->setCurrentIndex(p_.SectionType);
  sketch_->ShowShape(p_.SectionType);
  sketch_->update();
  defineCalc_->Refresh();
  p_.FormUpdating = 0;
  OnProblemChanged();
}

void MainWindow::OnView(ResultsDisplay display) {
  shown_ = display;
  shownUnits_ = p_.Units;
  ShowResults(session_, display);
}

void MainWindow::ProblemSaved() {
  saved_ = InputFileText(p_);
  setWindowTitle(ToQt(MainWindowTitle(p_)));
  setWindowModified(false);
}

void MainWindow::OnExit() {
  if (MayEnd(session_, HasUnsavedChanges(p_, saved_))) emit exitRequested();
}

void MainWindow::OnProblemChanged() {
  setWindowTitle(ToQt(MainWindowTitle(p_)));
  setWindowModified(HasUnsavedChanges(p_, saved_));
  if (!shown_ || showingAgain_ || !session_.results.Showing()) return;
  // The rebar table changes with the units only; shown again it would take
  // the focus from the box being typed in.
  if (*shown_ == ResultsDisplay::RebarTable && shownUnits_ == p_.Units) return;
  shownUnits_ = p_.Units;
  showingAgain_ = true;
  ShowResultsAgain(session_, *shown_);
  showingAgain_ = false;
}

void MainWindow::RefreshProblemType() {
  const ProblemOption option = OptionForProblemType(p_.ProblemType);
  const int column = static_cast<int>(option);
  (option == ProblemOption::Design    ? optDesign_
   : option == ProblemOption::VDesign ? optVDesign_
                                      : optReview_)
      ->setChecked(true);
  for (const EnabledRow& row : kEnabled) {
    const bool on =
        (column == 0 && row.design) || (column == 1 && row.vdesign) || (column == 2 && row.review);
    const QString name = row.control;
    if (name.startsWith("mnu")) {
      if (auto* action = findChild<QAction*>(name)) action->setEnabled(on);
      continue;
    }
    Control<QWidget>(this, row.control)->setEnabled(on);
    if (name.startsWith("txt")) {
      Control<QWidget>(this, ("lbl" + name.mid(3)).toStdString())->setEnabled(on);
      Control<QWidget>(this, ("unit" + name.mid(3)).toStdString())->setEnabled(on);
    }
  }
  crackFrame_->setVisible(option == ProblemOption::Review);
  if (option == ProblemOption::Review) RefreshCrackControl();
}

void MainWindow::RefreshCrackControl() {
  // The crack control inputs mean what the code's rule asks for; a null
  // caption leaves the label as it is. The cover box is always shown.
  for (const CrackInputs& row : {EditionOf(p_).text.crack}) {
    if (!row.relabel) continue;
    auto relabel = [this](const char* box, const char* caption, bool shown) {
      if (caption != nullptr) {
        Control<QLabel>(this, "lbl" + std::string(box).substr(3))->setText(caption);
      }
      crackForm_->setRowVisible(Control<QLabel>(this, "lbl" + std::string(box).substr(3)), shown);
    };
    relabel("txtCover", row.cover, true);
    relabel("txtEffArea", row.effArea, row.effAreaShown);
    relabel("txtExpFactor", row.expFactor, row.expFactorShown);
  }
}

void MainWindow::RefreshCode() {
  for (const CodeEdition& code : Editions()) {
    const bool current = p_.CodeKey == code.key;
    if (code.text.menuAction != nullptr) {
      findChild<QAction*>(code.text.menuAction)->setChecked(current);
    }
    if (current) {
      panels_[2]->setText(code.text.panel);
      panels_[2]->setToolTip(code.text.longName);
    }
  }
}

void MainWindow::RefreshBox(std::string_view box) {
  WriteBoxes(this, p_, {box});
}

ProblemOption MainWindow::SelectedOption() const {
  if (optDesign_->isChecked()) return ProblemOption::Design;
  if (optVDesign_->isChecked()) return ProblemOption::VDesign;
  return ProblemOption::Review;
}

void MainWindow::SetStatusPanel(int panel, const std::string& text) {
  if (panel < 1 || panel > 3) return;
  panels_[panel - 1]->setText(ToQt(text));
  // The file panels name the whole path in their tips, or say what they say.
  if (panel == 1) panels_[0]->setToolTip(ToQt(p_.InputFile.empty() ? text : p_.InputFile));
  if (panel == 2) panels_[1]->setToolTip(ToQt(p_.OutputFile.empty() ? text : p_.OutputFile));
}

bool MainWindow::LoadInputFile(const std::string& path) {
  return LoadInputFrom(session_, FileChoiceForPath(path));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  OnExit();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut &&
      static_cast<QFocusEvent*>(event)->reason() == Qt::MenuBarFocusReason) {
    QFocusEvent toMenu(QEvent::FocusOut, Qt::PopupFocusReason);
    QCoreApplication::sendEvent(watched, &toMenu);
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::OnProblemType(ProblemOption option) {
  ChooseProblemType(p_, option);
  RefreshMainWindow();
}

void MainWindow::OnUnits(bool metric) {
  if (metric) {
    ChooseMetric(p_);
  } else {
    ChooseEnglish(p_);
  }
  RefreshMainWindow();
}

void MainWindow::OnCode(std::string_view key) {
  ChooseCodeAsking(session_, key);
}

void MainWindow::OnSectionType(int index) {
  if (index < 0) return;
  p_.SectionType = index;
  sketch_->ShowShape(index);
}

void MainWindow::OnSectionDimensions(bool marksSectionDefined) {
  ShowWindow(section_);
  if (marksSectionDefined) p_.SectionDefined = 1;
}

void MainWindow::OnEdit(EditCommand command) {
  QWidget* focus = focusWidget();
  auto* box = qobject_cast<QLineEdit*>(focus);
  auto* list = qobject_cast<QComboBox*>(focus);
  FocusedControl control;
  if (box != nullptr) {
    // The selection in bytes of the text's UTF-8 form.
    const QString text = box->text();
    const int start = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
    control.kind = FocusedControl::Kind::TextBox;
    control.text = text.toStdString();
    control.selectionStart = static_cast<std::size_t>(text.left(start).toUtf8().size());
    control.selectionLength = static_cast<std::size_t>(box->selectedText().toUtf8().size());
  } else if (list != nullptr) {
    control.kind = FocusedControl::Kind::ComboBox;
    control.text = list->currentText().toStdString();
    for (int i = 0; !list->isEditable() && i < list->count(); ++i) {
      control.listEntries.push_back(list->itemText(i).toStdString());
    }
  }
  const std::optional<std::string> change = EditFocusedControl(session_.platform, command, control);
  if (!change) return;
  const QString text = ToQt(*change);
  if (box != nullptr) {
    // As typed: the box's own entry rule stores the new text.
    box->insert(text);
  } else if (list->isEditable()) {
    list->setEditText(text);
  } else {
    // As chosen from the list.
    const int index = list->findText(text, Qt::MatchExactly);
    list->setCurrentIndex(index);
    emit list->activated(index);
  }
}

void MainWindow::OnBoxEdited(std::string_view box, EntryEffect effect) {
  if (effect != EntryEffect::FieldOnly) {
    WriteBoxes(this, p_, {"txtModularRatio"});
    stress_->RefreshDerivedMaterials();
  }
  OnProblemChanged();
  // Of this window's boxes, the sketch draws only the depths of the steel;
  // redrawing it (and what lies under it) on every other key would make
  // typing slow.
  if (box == "txtDepthT" || box == "txtDepthC") sketch_->update();
}

}  // namespace kestal::ui
