#include <gtest/gtest.h>

#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QTableWidget>
#include <QTextBrowser>

#include "program.h"
#include "ui/help_window.h"

namespace kestal::test {
namespace {

TEST(Help, TopicsFollowLinksBackAndForward) {
  const QString pages = KESTAL_SOURCE_DIR "/docs/help";
  ui::HelpWindow help(pages);
  auto page = [&help] { return QFileInfo(help.browser()->source().toLocalFile()).fileName(); };
  help.ShowTopic(ui::kHelpStartTopic);
  // By keyboard: Tab to the first link, Enter follows it.
  QTest::keyClick(help.browser(), Qt::Key_Tab);
  QTest::keyClick(help.browser(), Qt::Key_Return);
  const QString first = page();
  EXPECT_NE(first, ui::kHelpStartTopic);
  help.findChild<QAction*>("mnuBack")->trigger();
  EXPECT_EQ(page(), ui::kHelpStartTopic);
  help.findChild<QAction*>("mnuForward")->trigger();
  EXPECT_EQ(page(), first);

  ui::HelpWindow missing(pages + "/missing");
  missing.ShowTopic(ui::kHelpStartTopic);
  EXPECT_TRUE(missing.isVisible());
  const QString notice = missing.browser()->toPlainText();
  // One line.
  EXPECT_TRUE(notice.startsWith("The help pages are not installed") && !notice.contains('\n'))
      << notice.toStdString();
}

TEST(Help, TheHelpMenu) {
  Program w;
  // The Metric table; the English one is shown in the results window tests.
  w.Click("optMetric");
  w.Trigger("mnuShowRebar");
  auto* grid = w.results.findChild<QTableWidget*>("grdTable");
  EXPECT_EQ(grid->item(1, 0)->text() + " " + grid->item(1, 1)->text(), "#10 71");
  w.Trigger("mnuContents");
  EXPECT_EQ(w.platform.helpTopics(), std::vector<std::string>{ui::kHelpStartTopic});
  w.Trigger("mnuAbout");
  QWidget* about = w.Find("frmAbout");
  EXPECT_EQ(about->findChild<QGroupBox*>("Frame1")->title(), "Program KESTAL Version 5.21");
  EXPECT_TRUE(about->findChild<QLabel*>("Label2")->text().contains("General Public License"));
  w.Click("Command1");
  EXPECT_FALSE(about->isVisible());
}

}  // namespace
}  // namespace kestal::test
