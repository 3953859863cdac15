#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <iterator>

#include "commands/file_commands.h"
#include "model/record_fields.h"
#include "program.h"
#include "ui/define_calc_window.h"

namespace kestal::test {
namespace {

TEST(OutputDefinition, AReportWrittenAndViewedFromTheWindows) {
  QTemporaryDir dir;
  const std::string report = dir.filePath("pier 3.out").toStdString();
  Program w;
  ASSERT_TRUE(w.main.LoadInputFile(KESTAL_SOURCE_DIR "/examples/aci_rect_design_english.in"));
  QWidget* window = w.main.defineCalcWindow();
  w.Trigger("mnuNote");
  w.Trigger("mnuOutCalc");
  w.Click("cmdCalcOut");
  // Without an output file Calculate Output asks for one; cancelled, it
  // writes nothing.
  EXPECT_EQ(
      w.platform.events(),
      (std::vector<PlatformEvent>{PlatformEvent::Beep(),
                                  PlatformEvent::Message("Please save output file", Icon::None)}));
  ASSERT_EQ(w.platform.fileDialogs().size(), 1u);
  EXPECT_EQ(w.platform.fileDialogs()[0].proposed,
            KESTAL_SOURCE_DIR "/examples/aci_rect_design_english.out");
  EXPECT_TRUE(window->isVisible());
  w.platform.QueueInput("Span 1");
  // The title given, then cleared by a cancelled input box.
  for (int i = 0; i < 2; ++i) window->findChild<QAction*>("mnuDOutT")->trigger();
  EXPECT_EQ(w.platform.inputBoxes().size(), 2u);
  EXPECT_EQ(w.p.OutputTitle, "");
  w.platform.QueueFileChoice(FileChoiceForPath(report));
  window->findChild<QAction*>("mnuSaveOut")->trigger();
  w.Click("cmdCalcOut");
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(w.Panel(2), "Output written to pier 3.out");
  w.Trigger("mnuNote");
  EXPECT_EQ(w.platform.editorPaths(), std::vector<std::string>{report});
  // Another problem has no report yet.
  ASSERT_TRUE(w.main.LoadInputFile(KESTAL_SOURCE_DIR "/examples/aci_tee_vdesign_metric.in"));
  EXPECT_EQ(w.Panel(2), "Output file undefined");
  EXPECT_EQ(w.Find("panel2")->toolTip(), "Output file undefined");
  EXPECT_EQ(w.p.OutputFile, "");

  // The check boxes follow the problem type while the window is hidden.
  w.Click("chkCrackCon");
  EXPECT_EQ(w.p.OutCrackCon, 1);
  for (const auto& [option, want] :
       {std::pair{"optReview", "111000"}, {"optVDesign", "101000"}, {"optDesign", "110000"}}) {
    w.Click(option);
    std::string checks;  // the six boxes in their order
    for (QCheckBox* box : window->findChildren<QCheckBox*>())
      checks += box->isChecked() ? '1' : '0';
    EXPECT_EQ(checks, want) << option;
  }
}

TEST(Files, LoadAndSaveThroughTheMenu) {
  QTemporaryDir dir;
  Program w;
  w.Trigger("mnuLoadIn");  // cancelled
  for (const char* file :
       {KESTAL_SOURCE_DIR "/examples/arema_box_review_english.in", "/missing/girder.in"}) {
    w.platform.QueueFileChoice(FileChoiceForPath(file));
    w.Trigger("mnuLoadIn");
  }
  EXPECT_EQ(w.platform.messages(),
            std::vector<PlatformEvent>{PlatformEvent::Message(
                "Error reading input file", Icon::Information, std::string("READ INPUT"))});
  EXPECT_EQ(w.Panel(1), "Input file = arema_box_review_english.in");
  EXPECT_EQ(w.p.SectionType, section::Box) << "the problem read before stays";
  w.platform.QueueFileChoice(FileChoiceForPath(dir.filePath("girder.in").toStdString()));
  w.Trigger("mnuSaveInput");
  EXPECT_EQ(w.Panel(1), "Input written to girder.in");
}

TEST(Files, PrintAndExportTheCalculation) {
  QTemporaryDir dir;
  Program w;
  ASSERT_TRUE(w.main.LoadInputFile(KESTAL_SOURCE_DIR "/examples/arema_box_review_english.in"));
  w.Trigger("mnuExportPdf");  // cancelled: nothing made
  EXPECT_TRUE(w.platform.documents().empty());
  const std::string pdf = dir.filePath("box girder.pdf").toStdString();
  w.platform.QueueFileChoice(FileChoiceForPath(pdf));
  w.Trigger("mnuExportPdf");
  EXPECT_EQ(w.platform.fileDialogs().back().filter, "PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*");
  EXPECT_EQ(w.Panel(2), "PDF written to box girder.pdf");
  std::ifstream in(pdf);
  std::string first;
  std::getline(in, first);
  EXPECT_EQ(first, "%scripted-pdf");
  w.platform.SetPrintResult(PrintResult::Cancelled);
  w.Trigger("mnuPrint");
  w.platform.SetPrintResult(PrintResult::Failed);
  w.Trigger("mnuPrint");
  EXPECT_EQ(w.platform.messages(),
            std::vector<PlatformEvent>{PlatformEvent::Message("Print Error", Icon::None)});
  EXPECT_EQ(w.platform.reasons().back(), "cannot print: the printer is out of paper");
  w.platform.SetPrintResult(PrintResult::Printed);
  w.Trigger("mnuPrint");
  ASSERT_EQ(w.platform.documents().size(), 4u);
  const std::size_t pages = w.platform.documents().back().pages.size();
  EXPECT_EQ(w.Panel(2), "Printed " + std::to_string(pages) + " pages");
  // The selected option decides the document, as it decides the report.
  w.Click("optDesign");
  w.Trigger("mnuPrint");
  EXPECT_NE(w.platform.documents().back().pages[0].texts, w.platform.documents()[3].pages[0].texts);

  // A report cut short by a fault (crack control without a service moment)
  // makes no document.
  std::ifstream source(KESTAL_SOURCE_DIR "/tests/data/cli/pdf/s6_box_review_metric.in");
  std::string text((std::istreambuf_iterator<char>(source)), {});
  text.replace(text.rfind("1,1,1,1,1,0"), 11, "1,1,1,1,1,1");
  const std::string faulty = dir.filePath("fault.in").toStdString();
  std::ofstream(faulty) << text;
  ASSERT_TRUE(w.main.LoadInputFile(faulty.c_str()));
  w.platform.ClearLog();
  w.platform.QueueFileChoice(FileChoiceForPath(dir.filePath("fault.pdf").toStdString()));
  w.Trigger("mnuExportPdf");
  EXPECT_EQ(w.platform.messages(),
            std::vector<PlatformEvent>{PlatformEvent::Message("Save Output Error", Icon::None)});
  EXPECT_EQ(w.platform.reasons().back(), "cannot write '" +
                                             dir.filePath("fault.pdf").toStdString() +
                                             "': a calculation stopped at a floating-point fault");
  EXPECT_FALSE(QFile::exists(dir.filePath("fault.pdf")));
}

// Every box of every window, and the status bar: what the user sees.
std::vector<std::string> Shown(Program& w) {
  std::vector<std::string> shown;
  for (QLineEdit* box : w.main.findChildren<QLineEdit*>())
    shown.push_back(box->text().toStdString());
  for (int panel = 1; panel <= 3; ++panel) shown.push_back(w.Panel(panel));
  return shown;
}

TEST(Files, ABrokenFileLeavesTheProblemAndTheWindowsAsTheyWere) {
  // At start-up (kestal BROKEN.in) and with a problem loaded: the message,
  // and nothing else changes.
  QTemporaryDir dir;
  const std::string broken = dir.filePath("broken.in").toStdString();
  std::ofstream(broken) << "\"Title\"\r\n\"English\",\"aci\",\"design\"\r\n1,2,3\r\n";
  Program w;
  for (const char* before : {"", KESTAL_SOURCE_DIR "/examples/lrfd_tee_review_english.in"}) {
    if (*before) {
      ASSERT_TRUE(w.main.LoadInputFile(before));
    }
    const Problem p = w.p;
    const std::vector<std::string> shown = Shown(w);
    w.platform.ClearLog();
    EXPECT_FALSE(w.main.LoadInputFile(broken));
    EXPECT_EQ(w.platform.messages(),
              std::vector<PlatformEvent>{PlatformEvent::Message(
                  "Error reading input file", Icon::Information, std::string("READ INPUT"))});
    EXPECT_EQ(ChangedFields(p, w.p), std::vector<std::string>{}) << before;
    EXPECT_EQ(Shown(w), shown) << before;
  }
}

TEST(Edit, CutCopyAndPasteOnTheFocusedControl) {
  // Control, clipboard before, command, clipboard after, the control's text;
  // the box holds 1234 with 23 selected.
  using Case = std::tuple<const char*, const char*, const char*, const char*, const char*>;
  const Case cases[] = {
      {"txtMomentUlt", "x", "mnuCut", "23", "14"},
      {"cboSectionType", "T BEAM", "mnuPaste", "T BEAM", "T BEAM"},
      {"cboSectionType", "TEE", "mnuPaste", "TEE", "RECTANGULAR"},
      {"optReview", "x", "mnuCopy", "", "Review"},
  };
  for (const auto& [name, before, item, after, text] : cases) {
    Program w;
    w.Type("txtMomentUlt", "1234");
    QWidget* control = w.Find(name);
    control->setFocus();
    if (auto* box = qobject_cast<QLineEdit*>(control)) box->setSelection(1, 2);
    // The Edit menu reached by its access keys takes the focus to the menu bar.
    QFocusEvent toMenuBar(QEvent::FocusOut, Qt::MenuBarFocusReason);
    QCoreApplication::sendEvent(control, &toMenuBar);
    w.platform.SetClipboardText(before);
    w.Trigger(item);
    EXPECT_EQ(w.platform.ClipboardText(), after) << name << " " << item;
    auto* list = qobject_cast<QComboBox*>(control);
    EXPECT_EQ((list ? list->currentText() : control->property("text").toString()).toStdString(),
              text);
    // The record follows the controls, as typed or chosen.
    EXPECT_EQ(w.p.MomentUlt, std::stof(w.Text("txtMomentUlt")));
    EXPECT_EQ(w.p.SectionType, w.Find<QComboBox>("cboSectionType")->currentIndex());
  }
}

}  // namespace
}  // namespace kestal::test
