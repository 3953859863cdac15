#pragma once

// The main window, frmBeam: the boxes of the problem, the problem type and
// unit choices, the section type with its sketch, the two Calc buttons, the
// menus from which every other window and display is reached, and the
// three-panel status bar. It owns the section dimensions, code parameters
// and output definition windows, which its refresh writes whether they are
// shown or not, and the about window.

#include <QActionGroup>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <optional>
#include <string>

#include "commands/displays.h"
#include "commands/edit_commands.h"
#include "commands/session.h"

class QFormLayout;

namespace kestal::ui {

class AboutWindow;
class CodeParametersWindow;
class DefineCalcWindow;
class SectionSketch;
class SectionWindow;

class MainWindow : public QMainWindow, public MainView {
  Q_OBJECT

 public:
  // Creates the window and runs the program's start-up sequence on the
  // record: the start-up problem, the tool tips and the first refresh.
  MainWindow(Problem& problem, ToolTips& tips, Platform& platform, ResultsSink& results,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  void RefreshMainWindow() override;
  void RefreshBox(std::string_view box) override;
  ProblemOption SelectedOption() const override;
  void SetStatusPanel(int panel, const std::string& text) override;
  void ProblemSaved() override;

  // Loads an input file named on the command line, as File > Load Input
  // does once its dialog has answered.
  bool LoadInputFile(const std::string& path);

  Session& session() { return session_; }
  SectionWindow* sectionWindow() const { return section_; }
  CodeParametersWindow* codeParametersWindow() const { return stress_; }
  DefineCalcWindow* defineCalcWindow() const { return defineCalc_; }
  AboutWindow* aboutWindow() const { return about_; }

 signals:
  // File > Exit, or a close request from the window manager, once the
  // question about unsaved changes (if any) lets the program end.
  void exitRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // A box that gives its focus to the menu bar (Alt, then a menu's key)
  // keeps its selection, as it does for a menu opened with the mouse, so
  // that the Edit commands find it.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* CreateFrames();
  void CreateMenus();
  void CreateStatusBar();
  void SetTabOrder();

  void RefreshProblemType();
  void RefreshCrackControl();
  void RefreshCode();

  void OnProblemType(ProblemOption option);
  void OnUnits(bool metric);
  void OnCode(std::string_view key);
  void OnSectionType(int index);
  void OnSectionDimensions(bool marksSectionDefined);
  void OnBoxEdited(std::string_view box, EntryEffect effect);
  // Edit > Cut, Copy, Paste on the control that has the focus.
  void OnEdit(EditCommand command);
  // A View or Help command that shows its display in the results window.
  void OnView(ResultsDisplay display);
  // After every change of the problem: an open results window shows its
  // display again for the problem as it is now.
  void OnProblemChanged();
  // File > Exit and a close request: asks about unsaved changes first.
  void OnExit();

  Problem& p_;
  ToolTips& tips_;
  Session session_;

  SectionWindow* section_ = nullptr;
  CodeParametersWindow* stress_ = nullptr;
  DefineCalcWindow* defineCalc_ = nullptr;
  AboutWindow* about_ = nullptr;
  SectionSketch* sketch_ = nullptr;
  QComboBox* sectionType_ = nullptr;
  QRadioButton* optDesign_ = nullptr;
  QRadioButton* optVDesign_ = nullptr;
  QRadioButton* optReview_ = nullptr;
  QRadioButton* optEnglish_ = nullptr;
  QRadioButton* optMetric_ = nullptr;
  QPushButton* calcTSArea_ = nullptr;
  QPushButton* calcVSArea_ = nullptr;
  QWidget* crackFrame_ = nullptr;
  QFormLayout* crackForm_ = nullptr;
  QActionGroup* codes_ = nullptr;
  QLabel* panels_[3] = {};
  // The display the results window was last opened with, and the units of
  // the rebar table it shows.
  std::optional<ResultsDisplay> shown_;
  std::string shownUnits_;
  bool showingAgain_ = false;
  // The input file text of the problem as last started, loaded or saved.
  std::string saved_;
};

}  // namespace kestal::ui
