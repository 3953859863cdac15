#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include "commands/file_commands.h"
#include "program.h"
#include "ui/define_calc_window.h"

namespace kestal::test {
namespace {

std::string Panel(Program& w, int panel) {
  return w.Find<QLabel>(("panel" + std::to_string(panel)).c_str())->text().toStdString();
}

// The six check boxes of the output definition window, checked or not.
std::string Checks(Program& w) {
  std::string checks;
  for (const char* box :
       {"chkSectProp", "chkMomCap", "chkShearCap", "chkServLoad", "chkFatStress", "chkCrackCon"}) {
    checks += w.Find<QCheckBox>(box)->isChecked() ? '1' : '0';
  }
  return checks;
}

TEST(OutputDefinition, AReportWrittenAndViewedFromTheWindows) {
  QTemporaryDir dir;
  const std::string report = dir.filePath("pier 3.out").toStdString();
  Program w;
  ASSERT_TRUE(w.main.LoadInputFile(KESTAL_SOURCE_DIR "/examples/aci_rect_design_english.in"));
  QWidget* window = w.main.defineCalcWindow();
  auto menu = [window](const char* name) { window->findChild<QAction*>(name)->trigger(); };

  w.Trigger("mnuNote");
  w.Trigger("mnuOutCalc");
  EXPECT_TRUE(window->isVisible());
  w.Click("cmdCalcOut");
  EXPECT_EQ(
      w.platform.events(),
      (std::vector<PlatformEvent>{PlatformEvent::Beep(),
                                  PlatformEvent::Message("Please save output file", Icon::None),
                                  PlatformEvent::Message("Output file is undefined", Icon::None)}));
  EXPECT_TRUE(window->isVisible());

  w.platform.QueueInput("Span 1");
  menu("mnuDOutT");
  EXPECT_EQ(w.p.OutputTitle, "Span 1");
  menu("mnuDOutT");  // cancelled: no title
  EXPECT_EQ(w.p.OutputTitle, "");
  w.Click("chkServLoad");
  EXPECT_EQ(w.p.OutServLoad, 1);

  w.platform.QueueFileChoice(FileChoiceForPath(report));
  menu("mnuSaveOut");
  EXPECT_EQ(Panel(w, 2), "Output file = pier 3.out");
  w.Click("cmdCalcOut");
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(Panel(w, 2), "Output written to pier 3.out");
  QFile written(QString::fromStdString(report));
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_TRUE(written.readLine().startsWith("     * * * * *")) << "no title line";
  EXPECT_EQ(w.Text("txtTSteelArea"), " 2.865") << "the design's area";

  w.Trigger("mnuNote");
  EXPECT_EQ(w.platform.editorPaths(), std::vector<std::string>{report});
  EXPECT_EQ(w.platform.messages().size(), 2u);
}

TEST(OutputDefinition, FollowsTheProblemTypeWhileHidden) {
  const std::pair<const char*, const char*> types[] = {
      {"optReview", "111000"}, {"optVDesign", "101000"}, {"optDesign", "110000"}};
  Program w;
  w.Trigger("mnuOutCalc");
  w.Click("chkCrackCon");
  w.main.defineCalcWindow()->hide();
  for (const auto& [option, checks] : types) {
    w.Click(option);
    EXPECT_EQ(Checks(w), checks) << option;
  }
}

TEST(Files, LoadAndSaveThroughTheMenu) {
  QTemporaryDir dir;
  const std::string saved = dir.filePath("girder.in").toStdString();
  Program w;
  w.Trigger("mnuLoadIn");  // cancelled
  w.Trigger("mnuSaveInput");
  EXPECT_EQ(Panel(w, 1), "Input file undefined");

  w.platform.QueueFileChoice(
      FileChoiceForPath(KESTAL_SOURCE_DIR "/examples/arema_box_review_english.in"));
  w.Trigger("mnuLoadIn");
  EXPECT_EQ(Panel(w, 1), "Input file = arema_box_review_english.in");
  EXPECT_EQ(Checks(w), "111111");
  const std::string height = w.Text("txtBoxH");

  w.platform.QueueFileChoice(FileChoiceForPath(dir.filePath("missing.in").toStdString()));
  w.Trigger("mnuLoadIn");
  EXPECT_EQ(w.platform.messages(),
            std::vector<PlatformEvent>{PlatformEvent::Message(
                "Error reading input file", Icon::Information, std::string("READ INPUT"))});
  EXPECT_EQ(w.Text("txtBoxH"), height) << "the previous problem stays";
  EXPECT_EQ(w.p.SectionType, section::Box);

  w.platform.QueueFileChoice(FileChoiceForPath(saved));
  w.Trigger("mnuSaveInput");
  EXPECT_EQ(Panel(w, 1), "Input written to girder.in");
  Program again;
  ASSERT_TRUE(again.main.LoadInputFile(saved));
  EXPECT_EQ(again.Text("txtBoxH"), height);
  EXPECT_EQ(w.platform.fileDialogs().front(),
            (FileDialogRequest{FileDialogMode::Open, kInputFileFilter, 2}));
}

TEST(Edit, CutCopyAndPasteOnTheFocusedControl) {
  struct Case {
    const char* control;
    int start, length;  // the box's selection
    const char* clipboard;
    const char* item;
    const char* wantClipboard;
    const char* wantText;
  };
  const Case cases[] = {
      {"txtMomentUlt", 1, 2, "x", "mnuCopy", "23", "1234"},
      {"txtMomentUlt", 1, 2, "x", "mnuCut", "23", "14"},
      {"txtMomentUlt", 1, 2, "9", "mnuPaste", "9", "194"},
      {"txtMomentUlt", 4, 0, "5abc", "mnuPaste", "5abc", "12345abc"},
      {"cboSectionType", 0, 0, "x", "mnuCut", "RECTANGULAR", "RECTANGULAR"},
      {"cboSectionType", 0, 0, "T BEAM", "mnuPaste", "T BEAM", "T BEAM"},
      {"cboSectionType", 0, 0, "TEE", "mnuPaste", "TEE", "RECTANGULAR"},
      {"optReview", 0, 0, "x", "mnuCopy", "", ""},
  };
  for (const Case& c : cases) {
    Program w;
    w.Type("txtMomentUlt", "1234");
    QWidget* control = w.Find(c.control);
    control->setFocus();
    auto* box = qobject_cast<QLineEdit*>(control);
    auto* list = qobject_cast<QComboBox*>(control);
    if (box != nullptr) box->setSelection(c.start, c.length);
    w.platform.SetClipboardText(c.clipboard);
    w.Trigger(c.item);
    EXPECT_EQ(w.platform.ClipboardText(), c.wantClipboard) << c.control << " " << c.item;
    if (box != nullptr) {
      EXPECT_EQ(w.Text(c.control), c.wantText) << c.item;
      EXPECT_EQ(w.p.MomentUlt, std::stof(c.wantText)) << "the record follows, as typed";
    } else if (list != nullptr) {
      EXPECT_EQ(list->currentText(), c.wantText) << c.item;
      EXPECT_EQ(w.p.SectionType, list->currentIndex()) << c.item;
    }
    EXPECT_TRUE(w.platform.events().empty());
  }
  // The Edit menu reached by its access keys: the box keeps its selection.
  Program w;
  w.Type("txtMomentUlt", "1234");
  auto* box = w.Find<QLineEdit>("txtMomentUlt");
  box->setFocus();
  box->setSelection(1, 2);
  QFocusEvent toMenuBar(QEvent::FocusOut, Qt::MenuBarFocusReason);
  QCoreApplication::sendEvent(box, &toMenuBar);
  w.Trigger("mnuCopy");
  EXPECT_EQ(w.platform.ClipboardText(), "23");
}

}  // namespace
}  // namespace kestal::test
