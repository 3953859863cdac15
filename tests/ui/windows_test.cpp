#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <functional>

#include "commands/console_view.h"
#include "commands/displays.h"
#include "commands/file_commands.h"
#include "platform/qt_platform.h"
#include "platform/recording_results.h"
#include "program.h"

namespace kestal::test {
namespace {

// A failed save keeps its message and shows the system's reason under it.
TEST(MessageBoxes, AFileErrorShowsItsReasonUnderTheText) {
  const auto box = CreateMessageBox("Save Output Error", Icon::None, std::nullopt, nullptr,
                                    "cannot write 'out/p.out': No space left on device");
  EXPECT_EQ(box->text(), "Save Output Error");
  EXPECT_EQ(box->windowTitle(), "Kestal");
  EXPECT_EQ(box->informativeText(), "cannot write 'out/p.out': No space left on device");
  EXPECT_EQ(
      CreateMessageBox("Output file is undefined", Icon::None, std::nullopt)->informativeText(),
      "");
}

// An open results window follows the problem: a typed value, a code, a load.
TEST(ResultsWindow, ShowsItsDisplayAgainWhenTheProblemChanges) {
  Program w;
  auto text = [&w] {
    return w.results.findChild<QPlainTextEdit*>("txtOutput")->toPlainText().toStdString();
  };
  ASSERT_TRUE(w.main.LoadInputFile(KESTAL_SOURCE_DIR "/examples/arema_box_review_english.in"));
  w.Trigger("mnuSC");
  const std::string arema = text();
  EXPECT_NE(arema.find("S H E A R"), std::string::npos);
  w.Type("txtShearUlt", "0");
  EXPECT_EQ(text(),
            "     Incomplete Information: the factored shear is 0. View > Shear Capability shows "
            "it once the input is complete.\n");
  EXPECT_TRUE(w.platform.events().empty()) << "no message box";
  EXPECT_TRUE(w.results.isVisible());
  w.Type("txtShearUlt", "300");
  EXPECT_EQ(text(), arema);
  w.Trigger("mnuAASHTO");
  EXPECT_NE(text(), arema);
  EXPECT_NE(text().find("S H E A R"), std::string::npos);
  ASSERT_TRUE(w.main.LoadInputFile(KESTAL_SOURCE_DIR "/examples/arema_box_review_english.in"));
  EXPECT_EQ(text(), arema);
  EXPECT_EQ(w.results.windowTitle(), "Results — English: in, psi, kips, kip-ft");
  // The rebar table follows the units.
  w.Trigger("mnuShowRebar");
  w.Click("optMetric");
  EXPECT_EQ(w.results.findChild<QTableWidget*>("grdTable")->item(0, 1)->text(), "AREA (mm^2)");
  // Closed, the window stays closed.
  w.results.findChild<QAction*>("mnuClose")->trigger();
  w.Type("txtShearUlt", "0");
  EXPECT_FALSE(w.results.isVisible());
}

TEST(SectionWindow, EditsOnlyTheCurrentShape) {
  Program w;
  QTest::keyClick(w.Find("cboSectionType"), Qt::Key_Down);
  EXPECT_EQ(w.p.SectionType, section::Box);
  w.Trigger("mnuSectionDimensions");
  QWidget* window = w.Find("frmSection");
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(w.p.SectionDefined, 0);
  for (const char* group : {"frmRec", "frmBox", "frmTee"}) {
    EXPECT_EQ(w.Find(group)->isEnabled(), group == std::string("frmBox")) << group;
  }
  w.Type("txtBoxH", "12abc");
  EXPECT_EQ(w.p.BoxH, 12);
  w.Type("txtRecB", "5");
  EXPECT_EQ(w.p.RecB, 0) << "a disabled group takes no typing";
  // The other box dimensions are 0: the properties cannot be worked out.
  w.Click("cmdClose");
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(w.platform.messages(), std::vector<PlatformEvent>{PlatformEvent::Message(
                                       "Incomplete information", Icon::None)});
  w.Click("cmdSectionDimensions");
  EXPECT_EQ(w.p.SectionDefined, 1);
  w.Click("cmdResetDim");
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(w.Text("txtBoxH"), " 0");
  EXPECT_EQ(w.p.SectionDefined, 0);
}

TEST(ResultsWindow, DisplaysPrintWhatTheCommandsPrint) {
  const std::pair<const char*, std::function<void(Session&)>> displays[] = {
      {"mnuSP", ShowSectionProperties},  {"mnuMC", ShowMomentCapability},
      {"mnuSLS", ShowServiceLoadStress}, {"mnuFS", ShowFatigueStress},
      {"mnuCCS", ShowCrackControl},      {"mnuSC", ShowShearCapability},
  };
  Program w;
  ASSERT_TRUE(w.main.LoadInputFile(KESTAL_SOURCE_DIR "/examples/arema_box_review_english.in"));
  auto* grid = w.results.findChild<QTableWidget*>("grdTable");
  auto* text = w.results.findChild<QPlainTextEdit*>("txtOutput");
  w.Trigger("mnuShowRebar");
  EXPECT_TRUE(grid->isVisible());
  EXPECT_EQ(grid->item(8, 0)->text(), "#10");
  for (const auto& [item, show] : displays) {
    Problem copy = w.p;
    ScriptedPlatform platform;
    RecordingResults expected;
    ToolTips tips = w.tips;
    ConsoleView view(copy, tips);
    Session s{copy, tips, platform, expected, view};
    show(s);
    std::string lines;
    for (const std::string& line : expected.lines()) lines += line + "\n";

    w.Trigger(item);
    EXPECT_FALSE(grid->isVisible()) << item;
    // 7000 twips wide, 4000 or 3000 high, at 15 twips to a pixel.
    EXPECT_EQ(w.results.size(), QSize(467, expected.height() == 4000 ? 267 : 200)) << item;
    QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), lines) << item;
  }
  EXPECT_TRUE(w.platform.events().empty());
}

TEST(Windows, OnlyTheMainWindowCanBeClosedAndItExits) {
  Program w;
  QSignalSpy exits(&w.main, &ui::MainWindow::exitRequested);
  w.Trigger("mnuSectionDimensions");
  w.Trigger("mnuSBP");
  w.Trigger("mnuShowRebar");
  w.Trigger("mnuOutCalc");
  w.Trigger("mnuAbout");
  for (QWidget* window : {w.Find("frmSection"), w.Find("frmStress"), w.Find("frmDefineCalc"),
                          w.Find("frmAbout"), static_cast<QWidget*>(&w.results)}) {
    EXPECT_FALSE(window->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible()) << window->objectName().toStdString();
  }
  EXPECT_FALSE(w.main.windowFlags() & Qt::WindowCloseButtonHint);
  w.main.close();
  w.Trigger("mnuExit");
  EXPECT_EQ(exits.count(), 2);
  EXPECT_TRUE(w.platform.questions().empty()) << "nothing to save";
}

// Typed work is not lost without a question; the title names the file and
// marks what is not saved.
TEST(Windows, UnsavedChangesAskBeforeTheProgramEnds) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("beam.in").toStdString();
  Program w;
  QSignalSpy exits(&w.main, &ui::MainWindow::exitRequested);
  w.Type("txtMomentUlt", "250");
  EXPECT_TRUE(w.main.isWindowModified());
  w.platform.QueueAnswer("Cancel");
  w.main.close();
  w.platform.QueueAnswer("Save");  // the Save dialog is cancelled
  w.Trigger("mnuExit");
  EXPECT_EQ(exits.count(), 0);
  w.platform.QueueAnswer("Save");
  w.platform.QueueFileChoice(FileChoiceForPath(path));
  w.Trigger("mnuExit");
  EXPECT_EQ(exits.count(), 1);
  EXPECT_EQ(w.platform.questions(), std::vector<std::string>(3, "Save changes to the problem?"));
  EXPECT_EQ(w.main.windowTitle(), "REINFORCED CONCRETE BEAM DESIGN - beam.in[*]");
  EXPECT_FALSE(w.main.isWindowModified());
  // A loaded problem changed and saved to its own file without a dialog.
  ASSERT_TRUE(w.main.LoadInputFile(path));
  w.Type("txtMomentUlt", "300");
  w.Type("txtMomentUlt", "250");
  EXPECT_FALSE(w.main.isWindowModified()) << "typed back as it was";
  w.Type("txtMomentUlt", "300");
  w.platform.QueueAnswer("Save");
  w.main.close();
  EXPECT_EQ(exits.count(), 2);
  EXPECT_EQ(w.platform.fileDialogs().size(), 2u) << "no dialog for a problem with a file";
  Program again;
  ASSERT_TRUE(again.main.LoadInputFile(path));
  EXPECT_EQ(again.p.MomentUlt, 300);
  w.Click("chkCrackCon");
  EXPECT_TRUE(w.main.isWindowModified()) << "an output selection is saved too";
  w.platform.QueueAnswer("Discard");
  w.Trigger("mnuExit");
  EXPECT_EQ(exits.count(), 3);
}

}  // namespace
}  // namespace kestal::test
