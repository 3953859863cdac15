#include "commands/output_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "commands/recording_view.h"
#include "model/checked.h"
#include "platform/recording_results.h"
#include "platform/scripted_platform.h"

namespace kestal {
namespace {

namespace fs = std::filesystem;

// A platform whose file dialog fails outright.
class FailingDialogPlatform : public ScriptedPlatform {
 public:
  std::optional<FileChoice> ChooseFile(FileDialogMode, const std::string&, int) override {
    throw std::runtime_error("dialog failed");
  }
};

// Calculations that do nothing, or that fail at the moment capability.
ReportCalculations QuietCalcs(bool failAtCapability = false) {
  auto nothing = [](Problem&) {};
  ReportCalculations c;
  c.SectionInertias = nothing;
  c.MomentCapability = nothing;
  if (failAtCapability) {
    c.MomentCapability = [](Problem&) { throw CalcError(Fault::DivisionByZero); };
  }
  c.DesignTensionSteel = nothing;
  c.ServiceLoadStress = nothing;
  c.FatigueStress = nothing;
  c.CrackControl = nothing;
  c.ConcreteShearStrength = nothing;
  c.MaxShearStrength = nothing;
  c.RequiredShearSteel = nothing;
  c.MinimumShearSteel = nothing;
  c.MaximumShearSpacing = nothing;
  c.ShearSteelStrength = nothing;
  c.MinimumLongitudinalSteel = nothing;
  return c;
}

template <class PlatformT = ScriptedPlatform>
struct Fixture {
  Problem problem;
  ToolTips tips;
  PlatformT platform;
  RecordingResults results;
  RecordingView view;
  Session session{problem, tips, platform, results, view};
};

class OutputCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device seed;
    dir_ = fs::temp_directory_path() / ("kestal-output-" + std::to_string(seed()));
    fs::create_directories(dir_);
    f_.problem.Units = "English";
    f_.problem.CodeKey = "aci";
    f_.problem.ProblemType = "review";
    f_.problem.OutSectProp = 0;
    f_.platform.SetClock(2027, 1, 15, 12, 30, 0);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  void ChooseTarget(const std::string& name) {
    f_.problem.OutputFile = (dir_ / name).string();
    f_.problem.OutputFileTitle = name;
  }

  fs::path dir_;
  Fixture<> f_;
};

TEST_F(OutputCommands, ChooseOutputFileTakesTheChoice) {
  f_.platform.QueueFileChoice(FileChoice{"/home/eng/jobs/pier 3.out", "pier 3.out"});
  EXPECT_TRUE(ChooseOutputFile(f_.session));
  ASSERT_EQ(f_.platform.fileDialogs().size(), 1u);
  EXPECT_EQ(f_.platform.fileDialogs()[0],
            (FileDialogRequest{
                FileDialogMode::Save,
                "All Files (*.*)|*.*|Output Files (*.out)|*.out|Text Files (*.txt)|*.txt", 2}));
  EXPECT_EQ(f_.problem.OutputFile, "/home/eng/jobs/pier 3.out");
  EXPECT_EQ(f_.problem.OutputFileTitle, "pier 3.out");
  EXPECT_EQ(f_.view.statusPanel(2), "Output file = pier 3.out");
  EXPECT_TRUE(f_.platform.events().empty());
}

TEST_F(OutputCommands, ChooseOutputFileCancelledChangesNothing) {
  f_.problem.OutputFile = "/old/a.out";
  f_.problem.OutputFileTitle = "a.out";
  f_.platform.QueueFileChoice(std::nullopt);
  EXPECT_FALSE(ChooseOutputFile(f_.session, OutputFileMenu::MainWindow));
  EXPECT_EQ(f_.problem.OutputFile, "/old/a.out");
  EXPECT_EQ(f_.problem.OutputFileTitle, "a.out");
  EXPECT_TRUE(f_.view.statusWrites().empty());
  EXPECT_TRUE(f_.platform.events().empty());
}

TEST(OutputFileDialog, FailureIsReportedByTheMenuItWasChosenFrom) {
  Fixture<FailingDialogPlatform> definition;
  definition.problem.OutputFile = "/old/a.out";
  EXPECT_FALSE(ChooseOutputFile(definition.session, OutputFileMenu::DefinitionWindow));
  EXPECT_EQ(definition.platform.events(),
            std::vector<PlatformEvent>{
                PlatformEvent::Message("Error saving output file", Icon::None, std::nullopt)});
  EXPECT_EQ(definition.problem.OutputFile, "/old/a.out");

  Fixture<FailingDialogPlatform> main;
  EXPECT_FALSE(ChooseOutputFile(main.session, OutputFileMenu::MainWindow));
  EXPECT_EQ(main.platform.events(),
            (std::vector<PlatformEvent>{PlatformEvent::Beep(),
                                        PlatformEvent::Message("Error saving output file",
                                                               Icon::Information, "SAVE OUTPUT")}));
  EXPECT_TRUE(main.view.statusWrites().empty());
}

TEST_F(OutputCommands, CalculateWithoutOutputFile) {
  const auto result = CalculateOutput(f_.session, '.', QuietCalcs());
  EXPECT_EQ(result, CalculateOutputResult::NoOutputFile);
  EXPECT_FALSE(HidesDefinitionWindow(result));
  EXPECT_EQ(f_.platform.events(), std::vector<PlatformEvent>{PlatformEvent::Message(
                                      "Output file is undefined", Icon::None, std::nullopt)});
  EXPECT_TRUE(f_.view.statusWrites().empty());
  EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(OutputCommands, CalculateWritesTheReport) {
  ChooseTarget("beam.out");
  f_.view.SetSelectedOption(ProblemOption::Review);
  f_.problem.OutMomCap = 1;
  const auto result = CalculateOutput(f_.session, '.', QuietCalcs());
  EXPECT_EQ(result, CalculateOutputResult::Written);
  EXPECT_TRUE(HidesDefinitionWindow(result));
  EXPECT_TRUE(f_.platform.events().empty());
  EXPECT_EQ(f_.view.statusPanel(2), "Output written to beam.out");
  const std::string text = Read(dir_ / "beam.out");
  // Dated by the platform's clock, and the review block follows the option.
  EXPECT_NE(text.find("     (Version 5.21.0)                  1/15/27, 12:30 pm\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("     M O M E N T   R E V I E W   C A L C U L A T I O N S\r\n"),
            std::string::npos);
}

TEST_F(OutputCommands, MomentDesignReportShowsTheDesignedArea) {
  ChooseTarget("design.out");
  f_.view.SetSelectedOption(ProblemOption::Review);
  CalculateOutput(f_.session, '.', QuietCalcs());
  EXPECT_EQ(f_.view.tSteelRefreshes(), 0);
  f_.view.SetSelectedOption(ProblemOption::Design);
  CalculateOutput(f_.session, '.', QuietCalcs());
  EXPECT_EQ(f_.view.tSteelRefreshes(), 1);
  EXPECT_EQ(f_.view.mainRefreshes(), 0);
}

TEST_F(OutputCommands, CalculateUsesTheDecimalSeparator) {
  ChooseTarget("beam.out");
  f_.problem.Phi = 0.9f;
  CalculateOutput(f_.session, ',', QuietCalcs());
  EXPECT_NE(Read(dir_ / "beam.out").find("Flexure reduction factor            = 0,90\r\n"),
            std::string::npos);
}

TEST_F(OutputCommands, CalculationFaultKeepsThePartialReportAndReportsItWritten) {
  ChooseTarget("beam.out");
  f_.view.SetSelectedOption(ProblemOption::Review);
  const auto result = CalculateOutput(f_.session, '.', QuietCalcs(true));
  EXPECT_EQ(result, CalculateOutputResult::StoppedByFault);
  EXPECT_TRUE(HidesDefinitionWindow(result));
  EXPECT_EQ(f_.platform.events(), std::vector<PlatformEvent>{PlatformEvent::Message(
                                      "Save Output Error", Icon::None, std::nullopt)});
  EXPECT_EQ(f_.view.statusPanel(2), "Output written to beam.out");
  const std::string text = Read(dir_ / "beam.out");
  EXPECT_NE(text.find("S E C T I O N   P R O P E R T I E S"), std::string::npos);
  EXPECT_EQ(text.find("M O M E N T   R E V I E W"), std::string::npos);
}

TEST_F(OutputCommands, IoFailureIsNotReportedAsWritten) {
  fs::create_directory(dir_ / "beam.out");
  ChooseTarget("beam.out");
  f_.view.SetStatusPanel(2, "Output file = beam.out");
  const auto result = CalculateOutput(f_.session, '.', QuietCalcs());
  EXPECT_EQ(result, CalculateOutputResult::IoFailure);
  EXPECT_FALSE(HidesDefinitionWindow(result));
  EXPECT_EQ(f_.platform.events(), std::vector<PlatformEvent>{PlatformEvent::Message(
                                      "Save Output Error", Icon::None, std::nullopt)});
  EXPECT_EQ(f_.view.statusPanel(2), "Output file = beam.out");
  EXPECT_TRUE(fs::is_directory(dir_ / "beam.out"));
}

TEST_F(OutputCommands, IoFailureWhenTheFolderIsMissing) {
  ChooseTarget("missing/beam.out");
  const auto result = CalculateOutput(f_.session, '.', QuietCalcs());
  EXPECT_EQ(result, CalculateOutputResult::IoFailure);
  EXPECT_EQ(f_.platform.messages().size(), 1u);
  EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(OutputCommands, ViewWithoutOutputFile) {
  ViewOutputFile(f_.session);
  EXPECT_EQ(f_.platform.events(),
            (std::vector<PlatformEvent>{
                PlatformEvent::Beep(),
                PlatformEvent::Message("Please save output file", Icon::None, std::nullopt)}));
  EXPECT_TRUE(f_.platform.editorPaths().empty());
}

TEST_F(OutputCommands, ViewOpensTheFileUnchanged) {
  f_.problem.OutputFile = "/home/eng/my jobs/pier 3.out";
  ViewOutputFile(f_.session);
  EXPECT_EQ(f_.platform.editorPaths(), std::vector<std::string>{"/home/eng/my jobs/pier 3.out"});
  EXPECT_TRUE(f_.platform.events().empty());

  f_.platform.SetEditorResult(false);
  ViewOutputFile(f_.session);
  EXPECT_EQ(f_.platform.events(),
            std::vector<PlatformEvent>{PlatformEvent::Message("Unable to view output file",
                                                              Icon::Information, std::nullopt)});
}

TEST_F(OutputCommands, OutputTitleFromTheInputBox) {
  f_.problem.OutputTitle = "Span 1";
  f_.platform.QueueInput("Span 2, pier cap");
  SetOutputTitle(f_.session);
  EXPECT_EQ(f_.platform.inputBoxes(),
            (std::vector<InputBoxRequest>{{"Enter output title:", "Output Title", "Span 1"}}));
  EXPECT_EQ(f_.problem.OutputTitle, "Span 2, pier cap");

  // A cancel clears the title, and the next report has no title line.
  SetOutputTitle(f_.session);
  EXPECT_EQ(f_.platform.inputBoxes().back().defaultText, "Span 2, pier cap");
  EXPECT_EQ(f_.problem.OutputTitle, "");
  ChooseTarget("beam.out");
  CalculateOutput(f_.session, '.', QuietCalcs());
  EXPECT_EQ(Read(dir_ / "beam.out").rfind("     * * * *", 0), 0u);
}

}  // namespace
}  // namespace kestal
