#include <gtest/gtest.h>

#include "commands/recording_view.h"
#include "platform/recording_results.h"
#include "platform/scripted_platform.h"

namespace kestal {
namespace {

TEST(ScriptedPlatform, LogsMessagesAndBeepsInOrder) {
  ScriptedPlatform p;
  p.MessageBox("one", Icon::Exclamation, "Title");
  p.Beep();
  p.MessageBox("two", Icon::None);
  const std::vector<PlatformEvent> expected = {
      PlatformEvent::Message("one", Icon::Exclamation, "Title"),
      PlatformEvent::Beep(),
      PlatformEvent::Message("two", Icon::None, std::nullopt),
  };
  EXPECT_EQ(p.events(), expected);
  EXPECT_EQ(p.messages().size(), 2u);
  EXPECT_EQ(p.beeps(), 1);
  // A title given as the program's own text is still recorded as given.
  p.MessageBox("three", Icon::None, std::string(kDefaultTitle));
  EXPECT_EQ(p.events().back().title, std::optional<std::string>(kDefaultTitle));
}

TEST(ScriptedPlatform, AnswersFromQueuesAndCancelsWhenEmpty) {
  ScriptedPlatform p;
  p.QueueFileChoice(FileChoice{"/tmp/a.in", "a.in"});
  p.QueueFileChoice(std::nullopt);
  p.QueueInput("Beam 1");

  const auto first = p.ChooseFile(FileDialogMode::Open, "Input (*.in)|*.in", 1);
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->path, "/tmp/a.in");
  EXPECT_EQ(first->title, "a.in");
  EXPECT_FALSE(p.ChooseFile(FileDialogMode::Save, "Output (*.out)|*.out", 2).has_value());
  EXPECT_FALSE(p.ChooseFile(FileDialogMode::Open, "x|*", 1).has_value());  // queue empty
  ASSERT_EQ(p.fileDialogs().size(), 3u);
  EXPECT_EQ(p.fileDialogs()[1],
            (FileDialogRequest{FileDialogMode::Save, "Output (*.out)|*.out", 2}));

  EXPECT_EQ(p.InputBox("Title?", "Output", "old"), "Beam 1");
  EXPECT_EQ(p.InputBox("Title?", "Output", "old"), "");
  EXPECT_EQ(p.inputBoxes().size(), 2u);
  EXPECT_EQ(p.inputBoxes()[0], (InputBoxRequest{"Title?", "Output", "old"}));
  EXPECT_EQ(p.pendingFileChoices(), 0u);
  EXPECT_EQ(p.pendingInputs(), 0u);
}

TEST(ScriptedPlatform, ClipboardEditorHelpAndClock) {
  ScriptedPlatform p;
  EXPECT_EQ(p.ClipboardText(), "");
  p.SetClipboardText("12.5");
  EXPECT_EQ(p.ClipboardText(), "12.5");

  EXPECT_TRUE(p.OpenInTextEditor("/tmp/r.out"));
  p.SetEditorResult(false);
  EXPECT_FALSE(p.OpenInTextEditor("/tmp/s.out"));
  EXPECT_EQ(p.editorPaths(), (std::vector<std::string>{"/tmp/r.out", "/tmp/s.out"}));

  p.ShowHelpTopic("introduction.htm");
  EXPECT_EQ(p.helpTopics(), std::vector<std::string>{"introduction.htm"});

  p.SetClock(2003, 7, 4, 14, 5, 9);
  const std::tm t = p.Now();
  EXPECT_EQ(t.tm_year, 103);
  EXPECT_EQ(t.tm_mon, 6);
  EXPECT_EQ(t.tm_mday, 4);
  EXPECT_EQ(t.tm_hour, 14);
  EXPECT_EQ(t.tm_min, 5);
  EXPECT_EQ(t.tm_sec, 9);
  EXPECT_EQ(t.tm_wday, 5);  // a Friday
  EXPECT_TRUE(p.events().empty());
}

TEST(RecordingResults, PrepareClearsAndShowsHideKeepsLines) {
  RecordingResults r;
  EXPECT_FALSE(r.visible());
  r.Prepare(4000, 7000);
  r.Print("     A");
  r.Print("");
  EXPECT_TRUE(r.visible());
  EXPECT_EQ(r.lines(), (std::vector<std::string>{"     A", ""}));
  r.Prepare(3000, 7000);
  EXPECT_TRUE(r.lines().empty());
  EXPECT_EQ(r.height(), 3000);
  EXPECT_EQ(r.prepares(), (std::vector<std::pair<int, int>>{{4000, 7000}, {3000, 7000}}));
  r.Print("     B");
  r.Hide();
  EXPECT_FALSE(r.visible());
  EXPECT_EQ(r.hideCount(), 1);
  EXPECT_EQ(r.printCount(), 3);
}

TEST(RecordingResults, GridIsKeptUntilReplacedAndHiddenByTextDisplays) {
  RecordingResults r;
  r.Prepare(4000, 7000);
  r.Print("     text");
  r.ShowGrid({{"a", "b"}, {"c", "d"}}, 5000, 5400);
  EXPECT_TRUE(r.gridShown());
  EXPECT_TRUE(r.lines().empty());
  EXPECT_EQ(r.width(), 5400);
  r.Prepare(3000, 7000);
  EXPECT_FALSE(r.gridShown());
  r.ShowGridAsIs(5000, 5400);
  EXPECT_TRUE(r.gridShown());
  EXPECT_EQ(r.gridRows(), (RecordingResults::Grid{{"a", "b"}, {"c", "d"}}));
  EXPECT_EQ(r.gridShowCount(), 2);
}

TEST(RecordingView, CountsRefreshesAndRecordsPanels) {
  RecordingView v;
  EXPECT_EQ(v.SelectedOption(), ProblemOption::Design);
  v.SetSelectedOption(ProblemOption::Review);
  EXPECT_EQ(v.SelectedOption(), ProblemOption::Review);
  v.RefreshMainWindow();
  v.RefreshMainWindow();
  v.RefreshTSteelArea();
  EXPECT_EQ(v.mainRefreshes(), 2);
  EXPECT_EQ(v.tSteelRefreshes(), 1);
  v.SetStatusPanel(2, "Output written to a.out");
  v.SetStatusPanel(2, "x");
  EXPECT_EQ(v.statusPanel(2), "x");
  EXPECT_EQ(v.statusPanel(1), "");
  EXPECT_EQ(v.statusWrites().size(), 2u);
}

}  // namespace
}  // namespace kestal
