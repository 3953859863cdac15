// The console platform, results window and main view on their own.

#include <gtest/gtest.h>

#include <ctime>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "commands/console_view.h"
#include "commands/displays.h"
#include "model/problem_ops.h"
#include "platform/console_platform.h"

namespace kestal {
namespace {

std::tm Noon() {
  std::tm t{};
  t.tm_year = 124;
  t.tm_mon = 0;
  t.tm_mday = 15;
  t.tm_hour = 12;
  return t;
}

struct MessageCase {
  std::string text;
  std::optional<std::string> title;
  std::string printed;
};

TEST(ConsoleMessage, PrintsTitleColonTextWithLineBreaks) {
  const std::vector<MessageCase> cases = {
      {"Required As =  2.865 in^2", "Tension Reinforcing",
       "Tension Reinforcing: Required As =  2.865 in^2\n"},
      {"Output file is undefined", std::nullopt, "Kestal: Output file is undefined\n"},
      {"Required Av/s= 0.0355 in^2/in\rMaximum spacing = 5.375 in", "Shear Reinforcing",
       "Shear Reinforcing: Required Av/s= 0.0355 in^2/in\nMaximum spacing = 5.375 in\n"},
      {"a\r\nb\rc", "T", "T: a\nb\nc\n"},
      {"ends in a return\r", "T", "T: ends in a return\n\n"},
      {"", "", ": \n"},
  };
  for (const MessageCase& c : cases) {
    EXPECT_EQ(ConsoleMessageText(c.text, c.title), c.printed) << c.text;
  }
}

TEST(ConsolePlatform, PrintsEachMessageWhenShownAndKeepsTheLog) {
  std::ostringstream out;
  ConsolePlatform platform(out, Noon);
  platform.MessageBox("Error reading input file", Icon::Information, "READ INPUT");
  EXPECT_EQ(out.str(), "READ INPUT: Error reading input file\n");
  platform.Beep();
  platform.MessageBox("Incomplete Information", Icon::None);
  EXPECT_EQ(out.str(), "READ INPUT: Error reading input file\nKestal: Incomplete Information\n");
  const std::vector<ShownMessage> expected = {
      {"Error reading input file", Icon::Information, "READ INPUT"},
      {"Incomplete Information", Icon::None, std::nullopt},
  };
  EXPECT_EQ(platform.messages(), expected);
}

TEST(ConsolePlatform, AnswersDialogsAsCancelledAndReadsItsClock) {
  std::ostringstream out;
  ConsolePlatform platform(out, Noon);
  EXPECT_FALSE(platform.ChooseFile(FileDialogMode::Open, "All Files (*.*)|*.*", 1));
  EXPECT_EQ(platform.InputBox("Enter output title:", "Output Title", "old"), "");
  EXPECT_FALSE(platform.OpenInTextEditor("/tmp/x.out"));
  platform.SetClipboardText("4000");
  EXPECT_EQ(platform.ClipboardText(), "4000");
  const std::tm now = platform.Now();
  EXPECT_EQ(now.tm_mday, 15);
  EXPECT_EQ(now.tm_hour, 12);
  EXPECT_EQ(out.str(), "");
}

TEST(EpochSeconds, ReadsOnlyWholeNonNegativeSeconds) {
  EXPECT_EQ(ParseEpochSeconds("0"), std::optional<std::time_t>(0));
  EXPECT_EQ(ParseEpochSeconds("1700000000"), std::optional<std::time_t>(1700000000));
  for (const char* bad : {"", "-1", "+5", "12a", " 12", "1.5", "1e9", "99999999999999999999999"}) {
    EXPECT_FALSE(ParseEpochSeconds(bad)) << bad;
  }
}

TEST(EpochSeconds, UtcTimeGivesTheCalendarDate) {
  struct Case {
    std::time_t seconds;
    int year, month, day, hour, minute;
  };
  for (const Case& c : {Case{0, 1970, 1, 1, 0, 0}, Case{1700000000, 2023, 11, 14, 22, 13},
                        Case{1796540700, 2026, 12, 6, 7, 5}, Case{951782400, 2000, 2, 29, 0, 0}}) {
    const std::tm t = UtcTime(c.seconds);
    EXPECT_EQ(t.tm_year + 1900, c.year) << c.seconds;
    EXPECT_EQ(t.tm_mon + 1, c.month) << c.seconds;
    EXPECT_EQ(t.tm_mday, c.day) << c.seconds;
    EXPECT_EQ(t.tm_hour, c.hour) << c.seconds;
    EXPECT_EQ(t.tm_min, c.minute) << c.seconds;
  }
}

TEST(ConsoleResults, ShowsNothingBeforeTheFirstDisplayOrWhenHidden) {
  ConsoleResults results;
  EXPECT_FALSE(results.visible());
  EXPECT_TRUE(results.ShownLines().empty());
  results.Prepare(4000, 7000);
  results.Print("     line");
  results.Hide();
  EXPECT_FALSE(results.visible());
  EXPECT_TRUE(results.ShownLines().empty());
}

TEST(ConsoleResults, EachDisplayClearsThePreviousLines) {
  ConsoleResults results;
  results.Prepare(4000, 7000);
  results.Print("     first");
  results.Prepare(3000, 7000);
  results.Print("");
  results.Print("     second");
  EXPECT_EQ(results.ShownLines(), (std::vector<std::string>{"", "     second"}));
}

TEST(ConsoleResults, GridRowsAreTabSeparatedAndKeptForAnEmptyShow) {
  ConsoleResults results;
  results.Prepare(4000, 7000);
  results.Print("     text");
  results.ShowGrid({{"BAR SIZE", "AREA (IN^2)"}, {"#3", "0.11"}}, 5000, 5400);
  const std::vector<std::string> rows = {"BAR SIZE\tAREA (IN^2)", "#3\t0.11"};
  EXPECT_EQ(results.ShownLines(), rows);
  // A text display hides the grid; showing the grid as it is brings the
  // same rows back.
  results.Prepare(4000, 7000);
  EXPECT_TRUE(results.ShownLines().empty());
  results.ShowGridAsIs(5000, 5400);
  EXPECT_EQ(results.ShownLines(), rows);
}

TEST(ConsoleResults, AnEmptyGridShowsNoRows) {
  ConsoleResults results;
  results.ShowGridAsIs(5000, 5400);
  EXPECT_TRUE(results.visible());
  EXPECT_TRUE(results.ShownLines().empty());
}

TEST(ConsoleView, OptionFollowsProblemTypeAtEachRefresh) {
  Problem p;
  ToolTips tips;
  ConsoleView view(p, tips);
  StartUp(p, tips);
  view.RefreshMainWindow();
  EXPECT_EQ(view.SelectedOption(), ProblemOption::Design);
  struct Case {
    const char* type;
    ProblemOption option;
  };
  for (const Case& c :
       {Case{"Vdesign", ProblemOption::VDesign}, Case{"review", ProblemOption::Review},
        Case{"design", ProblemOption::Design}, Case{"Design", ProblemOption::Review},
        Case{"", ProblemOption::Review}}) {
    p.ProblemType = c.type;
    view.RefreshMainWindow();
    EXPECT_EQ(view.SelectedOption(), c.option) << c.type;
    EXPECT_EQ(p.FormUpdating, 0) << c.type;
  }
}

TEST(ConsoleView, RefreshWritesTheToolTipsOfTheUnitsAndCode) {
  Problem p;
  ToolTips tips;
  ConsoleView view(p, tips);
  StartUp(p, tips);
  const ToolTips english = tips;
  ChooseMetric(p);
  view.RefreshMainWindow();
  ToolTips expected = english;
  SetToolTips(p, expected);
  EXPECT_EQ(tips, expected);
  EXPECT_NE(tips, english);
}

TEST(ConsoleView, ProblemTypeSwitchWorksAfterARefresh) {
  Problem p;
  ToolTips tips;
  ConsoleView view(p, tips);
  StartUp(p, tips);
  view.RefreshMainWindow();
  ChooseProblemType(p, ProblemOption::Review);
  view.RefreshMainWindow();
  EXPECT_EQ(p.ProblemType, "review");
  EXPECT_EQ(p.OutShearCap, 1);
  EXPECT_EQ(view.SelectedOption(), ProblemOption::Review);
}

TEST(ConsoleView, KeepsTheStatusPanels) {
  Problem p;
  ToolTips tips;
  ConsoleView view(p, tips);
  EXPECT_EQ(view.statusPanel(2), "");
  view.SetStatusPanel(2, "Output file undefined");
  view.SetStatusPanel(2, "Output written to a.out");
  EXPECT_EQ(view.statusPanel(2), "Output written to a.out");
}

TEST(ConsoleSession, RebarTableOfEachUnitSystemInTheGrid) {
  for (const bool metric : {false, true}) {
    Problem p;
    ToolTips tips;
    std::ostringstream out;
    ConsolePlatform platform(out, Noon);
    ConsoleResults results;
    ConsoleView view(p, tips);
    Session s{p, tips, platform, results, view};
    StartUp(p, tips);
    if (metric) ChooseMetric(p);
    view.RefreshMainWindow();
    ShowRebarInfo(s);
    const std::vector<std::string> rows = results.ShownLines();
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[0], metric
                           ? "BAR SIZE\tAREA (mm^2)\tNOMINAL DIAMETER (mm)\tOVERALL DIAMETER (mm)"
                           : "BAR SIZE\tAREA (IN^2)\tNOMINAL DIAMETER (IN)\tOVERALL DIAMETER (IN)");
    EXPECT_EQ(rows[11], metric ? "#57\t2581\t57.3\t63.5" : "#18\t4.00\t2.257\t2.500");
    EXPECT_EQ(out.str(), "");
  }
}

}  // namespace
}  // namespace kestal
