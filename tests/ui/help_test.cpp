#include <gtest/gtest.h>

#include <QFileInfo>
#include <QGroupBox>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextBrowser>

#include "program.h"
#include "ui/help_window.h"

namespace kestal::test {
namespace {

const QString kPages = KESTAL_SOURCE_DIR "/docs/help";

QString Page(const ui::HelpWindow& help) {
  return QFileInfo(help.browser()->source().toLocalFile()).fileName();
}

TEST(Help, ContentsAskForTheStartTopic) {
  Program w;
  w.Trigger("mnuContents");
  EXPECT_EQ(w.platform.helpTopics(), std::vector<std::string>{ui::kHelpStartTopic});
}

TEST(Help, TopicsFollowLinksBackAndForward) {
  ui::HelpWindow help(kPages);
  help.ShowTopic(ui::kHelpStartTopic);
  EXPECT_TRUE(help.isVisible());
  EXPECT_EQ(Page(help), ui::kHelpStartTopic);
  // By keyboard: Tab to the first link, Enter follows it.
  QTextBrowser* browser = help.browser();
  QTest::keyClick(browser, Qt::Key_Tab);
  QTest::keyClick(browser, Qt::Key_Return);
  const QString first = Page(help);
  EXPECT_NE(first, ui::kHelpStartTopic);
  help.findChild<QAction*>("mnuBack")->trigger();
  EXPECT_EQ(Page(help), ui::kHelpStartTopic);
  help.findChild<QAction*>("mnuForward")->trigger();
  EXPECT_EQ(Page(help), first);
  // A link to an input scrolls its page to it.
  QUrl input = QUrl::fromLocalFile(kPages + "/inputs.htm");
  input.setFragment("txtAg");
  browser->setSource(input);
  EXPECT_GT(browser->verticalScrollBar()->value(), 0);
}

TEST(Help, AMissingFolderShowsANotice) {
  ui::HelpWindow help(kPages + "/missing");
  help.ShowTopic(ui::kHelpStartTopic);
  EXPECT_TRUE(help.isVisible());
  const QString notice = help.browser()->toPlainText();
  EXPECT_TRUE(notice.startsWith("The help pages are not installed")) << notice.toStdString();
  EXPECT_FALSE(notice.contains('\n'));
}

TEST(Help, RebarRowsInTheGrid) {
  const std::tuple<const char*, int, const char*> rows[] = {
      {"optMetric", 1, "#10 71 9.5 11.1"},
      {"optEnglish", 8, "#10 1.27 1.270 1.438"},
      {"optEnglish", 1, "#3 0.11 0.375 0.438"},
      {"optEnglish", 11, "#18 4.00 2.257 2.500"},
  };
  Program w;
  auto* grid = w.results.findChild<QTableWidget*>("grdTable");
  for (const auto& [units, row, cells] : rows) {
    w.Click(units);
    w.Trigger("mnuShowRebar");
    QStringList shown;
    for (int c = 0; c < grid->columnCount(); ++c) shown << grid->item(row, c)->text();
    EXPECT_EQ(shown.join(' ').toStdString(), cells) << units << " row " << row;
  }
}

TEST(Help, AboutWindow) {
  Program w;
  w.Trigger("mnuAbout");
  QWidget* about = w.Find("frmAbout");
  EXPECT_TRUE(about->isVisible());
  EXPECT_EQ(about->findChild<QGroupBox*>("Frame1")->title(), "Program KESTAL Version 5.21");
  w.Click("Command1");
  EXPECT_FALSE(about->isVisible());
}

}  // namespace
}  // namespace kestal::test
