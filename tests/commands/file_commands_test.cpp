#include "commands/file_commands.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "commands/recording_view.h"
#include "files/input_file.h"
#include "model/problem_ops.h"
#include "model/record_fields.h"
#include "platform/recording_results.h"
#include "platform/scripted_platform.h"

namespace kestal {
namespace {

namespace fs = std::filesystem;
using testing::ChangedFields;
const std::vector<std::string> kNoField;

const FileDialogRequest kOpenDialog{
    FileDialogMode::Open, "All Files (*.*)|*.*|Input Files (*.in)|*.in|Text Files (*.txt)|*.txt",
    2};
const FileDialogRequest kSaveDialog{
    FileDialogMode::Save, "All Files (*.*)|*.*|Input Files (*.in)|*.in|Text Files (*.txt)|*.txt",
    2};

// A review of a 12 x 24 rectangle in the start-up code.
Problem ReviewProblem() {
  Problem p;
  ToolTips tips;
  StartUp(p, tips);
  p.OutputTitle = "Bay 3, beam \"B\"";
  p.ProblemType = "review";
  p.RecB = 12;
  p.RecH = 24;
  p.TSteelArea = 3;
  p.DepthT = 21.5f;
  p.CSteelArea = 0.4f;
  p.DepthC = 2.5f;
  p.MomentUlt = 250;
  p.MomentMax = 150;
  p.ShearUlt = 40;
  p.OutShearCap = 1;
  return p;
}

class ThrowingDialogPlatform : public ScriptedPlatform {
 public:
  std::optional<FileChoice> ChooseFile(FileDialogMode, const std::string&, int) override {
    throw std::runtime_error("dialog failed");
  }
};

class FileCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = fs::temp_directory_path() /
              ("kestal-filecmd-" + std::to_string(::getpid()) + "-" + info->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    StartUp(problem_, tips_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(folder_, ec);
  }

  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

  static std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }

  // Saves `p` as `name` through its own session and returns the path.
  std::string SavedFile(const Problem& p, const std::string& name) {
    Problem copy = p;
    ToolTips tips;
    ScriptedPlatform platform;
    RecordingResults results;
    RecordingView view;
    Session s{copy, tips, platform, results, view};
    platform.QueueFileChoice(FileChoice{PathOf(name), name});
    SaveInput(s);
    EXPECT_TRUE(platform.events().empty());
    return PathOf(name);
  }

  Problem problem_;
  ToolTips tips_;
  ScriptedPlatform platform_;
  RecordingResults results_;
  RecordingView view_;
  Session session_{problem_, tips_, platform_, results_, view_};
  fs::path folder_;
};

TEST_F(FileCommandsTest, SaveWritesTheProblemAndSaysSo) {
  problem_ = ReviewProblem();
  platform_.QueueFileChoice(FileChoice{PathOf("bay3.in"), "bay3.in"});
  SaveInput(session_);

  EXPECT_EQ(platform_.fileDialogs(), std::vector<FileDialogRequest>{kSaveDialog});
  EXPECT_TRUE(platform_.events().empty());
  EXPECT_EQ(ReadBytes(PathOf("bay3.in")), InputFileText(problem_));
  EXPECT_EQ(problem_.InputFile, PathOf("bay3.in"));
  EXPECT_EQ(problem_.InputFileTitle, "bay3.in");
  const std::vector<std::pair<int, std::string>> panels = {{1, "Input written to bay3.in"}};
  EXPECT_EQ(view_.statusWrites(), panels);
  EXPECT_EQ(view_.mainRefreshes(), 0);
}

TEST_F(FileCommandsTest, ACancelledSaveChangesNothing) {
  problem_ = ReviewProblem();
  problem_.InputFile = "/earlier/beam.in";
  problem_.InputFileTitle = "beam.in";
  const Problem before = problem_;
  platform_.QueueFileChoice(std::nullopt);
  SaveInput(session_);
  EXPECT_EQ(platform_.fileDialogs().size(), 1u);
  EXPECT_EQ(ChangedFields(before, problem_), kNoField);
  EXPECT_TRUE(platform_.events().empty());
  EXPECT_TRUE(view_.statusWrites().empty());
  EXPECT_TRUE(fs::is_empty(folder_));
}

// A failed save is reported once and never as a success; the file it would
// have replaced is untouched.
TEST_F(FileCommandsTest, AFailedSaveIsNotReportedAsWritten) {
  fs::create_directories(folder_ / "taken");
  WriteBytes(PathOf("taken/old.in"), "old");
  platform_.QueueFileChoice(FileChoice{PathOf("taken"), "taken"});
  SaveInput(session_);
  const std::vector<PlatformEvent> expected = {
      PlatformEvent::Message("Error writing input file", Icon::Information, "WRITE INPUT")};
  EXPECT_EQ(platform_.events(), expected);
  EXPECT_TRUE(view_.statusWrites().empty());
  EXPECT_EQ(ReadBytes(PathOf("taken/old.in")), "old");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(FileCommandsTest, LoadReadsTheFileAndRefreshesTheWindows) {
  const Problem saved = ReviewProblem();
  const std::string path = SavedFile(saved, "bay3.in");
  problem_.OutputFileTitle = "";
  platform_.QueueFileChoice(FileChoice{path, "bay3.in"});
  LoadInput(session_);

  EXPECT_EQ(platform_.fileDialogs(), std::vector<FileDialogRequest>{kOpenDialog});
  EXPECT_TRUE(platform_.events().empty());
  EXPECT_EQ(InputFileText(problem_), InputFileText(saved));
  EXPECT_EQ(problem_.OutputTitle, "Bay 3, beam \"B\"");
  EXPECT_EQ(problem_.InputFile, path);
  EXPECT_EQ(problem_.InputFileTitle, "bay3.in");
  EXPECT_EQ(problem_.SectionDefined, 1);
  EXPECT_EQ(problem_.SectModulus, 1152);  // the section was recomputed
  EXPECT_EQ(view_.statusPanel(1), "Input file = bay3.in");
  EXPECT_EQ(view_.statusPanel(2), "Output file undefined");
  EXPECT_EQ(view_.mainRefreshes(), 1);
}

TEST_F(FileCommandsTest, LoadNamesTheOutputFileWhenOneIsChosen) {
  const std::string path = SavedFile(ReviewProblem(), "bay3.in");
  problem_.OutputFile = "/reports/bay3.out";
  problem_.OutputFileTitle = "bay3.out";
  ASSERT_TRUE(LoadInputFrom(session_, FileChoice{path, "bay3.in"}));
  EXPECT_EQ(view_.statusPanel(1), "Input file = bay3.in");
  EXPECT_EQ(view_.statusPanel(2), "Output file = bay3.out");
  EXPECT_EQ(problem_.OutputFile, "/reports/bay3.out");
  EXPECT_EQ(view_.mainRefreshes(), 1);
}

TEST_F(FileCommandsTest, ACancelledLoadChangesNothing) {
  problem_ = ReviewProblem();
  const Problem before = problem_;
  LoadInput(session_);  // no answer queued: the dialog is cancelled
  EXPECT_EQ(platform_.fileDialogs(), std::vector<FileDialogRequest>{kOpenDialog});
  EXPECT_EQ(ChangedFields(before, problem_), kNoField);
  EXPECT_TRUE(platform_.events().empty());
  EXPECT_TRUE(view_.statusWrites().empty());
  EXPECT_EQ(view_.mainRefreshes(), 0);
}

// A file that cannot be read in full loads nothing: the previous problem,
// its file names and the status bar stay, and nothing is refreshed.
TEST_F(FileCommandsTest, AFailedLoadKeepsThePreviousProblem) {
  const std::string full = ReadBytes(SavedFile(ReviewProblem(), "full.in"));
  const std::string truncated = full.substr(0, full.rfind("1,1,1,0,0,0"));
  WriteBytes(PathOf("truncated.in"), truncated);
  for (const std::string& name : {std::string("truncated.in"), std::string("missing.in")}) {
    Problem earlier = ReviewProblem();
    earlier.InputFile = "/earlier/beam.in";
    earlier.InputFileTitle = "beam.in";
    earlier.DistNeutralAxis = 77;
    problem_ = earlier;
    tips_ = {{"txtMomentUlt", "earlier"}};
    platform_.ClearLog();
    platform_.QueueFileChoice(FileChoice{PathOf(name), name});
    LoadInput(session_);
    const std::vector<PlatformEvent> expected = {
        PlatformEvent::Message("Error reading input file", Icon::Information, "READ INPUT")};
    EXPECT_EQ(platform_.events(), expected) << name;
    EXPECT_EQ(ChangedFields(earlier, problem_), kNoField) << name;
    EXPECT_EQ(tips_, (ToolTips{{"txtMomentUlt", "earlier"}}));
    EXPECT_TRUE(view_.statusWrites().empty());
    EXPECT_EQ(view_.mainRefreshes(), 0);
  }
}

// A problem saved before its section was given is a problem all the same:
// it loads whole, without a message, and the windows show it.
TEST_F(FileCommandsTest, AProblemWithoutASectionLoadsAndRefreshes) {
  Problem saved = ReviewProblem();
  saved.RecB = 0;
  saved.RecH = 0;
  const std::string path = SavedFile(saved, "nosection.in");
  ASSERT_TRUE(LoadInputFrom(session_, FileChoice{path, "nosection.in"}));
  EXPECT_TRUE(platform_.events().empty());
  EXPECT_EQ(InputFileText(problem_), InputFileText(saved));
  EXPECT_EQ(view_.statusPanel(1), "Input file = nosection.in");
  EXPECT_EQ(view_.mainRefreshes(), 1);
}

TEST_F(FileCommandsTest, SaveThenLoadAfterChangesRestoresTheProblem) {
  problem_ = ReviewProblem();
  problem_.Units = "Metric";
  problem_.CodeKey = "s6";
  problem_.SectionType = section::Box;
  problem_.BoxH = 1200;
  problem_.BoxBtop = 2400;
  problem_.BoxHtop = 200;
  problem_.BoxBbot = 1800;
  problem_.BoxHbot = 150;
  problem_.BoxBweb = 400;
  problem_.TSteelArea = 6000;
  problem_.DepthT = 1100;
  problem_.CSteelArea = 0;
  const std::string saved = InputFileText(problem_);
  platform_.QueueFileChoice(FileChoice{PathOf("box.in"), "box.in"});
  SaveInput(session_);

  problem_ = ReviewProblem();  // an English rectangle in its place
  platform_.QueueFileChoice(FileChoice{PathOf("box.in"), "box.in"});
  LoadInput(session_);
  EXPECT_TRUE(platform_.events().empty());
  EXPECT_EQ(InputFileText(problem_), saved);
  EXPECT_EQ(problem_.MomentFactor, 1000000);
  EXPECT_EQ(problem_.RecB, 0);
  EXPECT_EQ(problem_.RecH, 0);
  const std::vector<std::pair<int, std::string>> panels = {
      {1, "Input written to box.in"}, {1, "Input file = box.in"}, {2, "Output file undefined"}};
  EXPECT_EQ(view_.statusWrites(), panels);
}

TEST_F(FileCommandsTest, AFailingDialogIsTheHandlersOwnError) {
  ThrowingDialogPlatform platform;
  Session s{problem_, tips_, platform, results_, view_};
  const Problem before = problem_;
  LoadInput(s);
  SaveInput(s);
  const std::vector<PlatformEvent> expected = {
      PlatformEvent::Beep(),
      PlatformEvent::Message("Error loading input file", Icon::Information, "LOAD INPUT"),
      PlatformEvent::Beep(),
      PlatformEvent::Message("Error saving input file", Icon::Information, "SAVE INPUT"),
  };
  EXPECT_EQ(platform.events(), expected);
  EXPECT_EQ(ChangedFields(before, problem_), kNoField);
  EXPECT_EQ(view_.mainRefreshes(), 0);
}

TEST(FileChoiceForPath, SplitsOffTheFileName) {
  const FileChoice c = FileChoiceForPath("/home/eng/beams/bay 3.in");
  EXPECT_EQ(c.path, "/home/eng/beams/bay 3.in");
  EXPECT_EQ(c.title, "bay 3.in");
  EXPECT_EQ(FileChoiceForPath("beam.in").title, "beam.in");
}

}  // namespace
}  // namespace kestal
