#include "commands/output_commands.h"

#include <exception>
#include <filesystem>
#include <optional>

#include "commands/input_guard.h"
#include "files/replace_file.h"

namespace kestal {

namespace {
constexpr const char* kOutputFilter =
    "All Files (*.*)|*.*|Output Files (*.out)|*.out|Text Files (*.txt)|*.txt";
constexpr int kOutFilterIndex = 2;  // the ".out" entry
}  // namespace

std::string ProposedOutputFile(const Problem& p) {
  if (p.InputFile.empty()) return {};
  return std::filesystem::path(p.InputFile).replace_extension(".out").string();
}

bool ChooseOutputFile(Session& s, OutputFileMenu from) {
  try {
    const std::optional<FileChoice> choice = s.platform.ChooseFile(
        FileDialogMode::Save, kOutputFilter, kOutFilterIndex, ProposedOutputFile(s.problem));
    if (!choice) return false;
    s.problem.OutputFile = choice->path;
    s.problem.OutputFileTitle = choice->title;
    s.view.SetStatusPanel(2, "Output file = " + s.problem.OutputFileTitle);
    return true;
  } catch (const std::exception&) {
    if (from == OutputFileMenu::MainWindow) {
      s.platform.Beep();
      s.platform.MessageBox("Error saving output file", Icon::Information, "SAVE OUTPUT");
    } else {
      s.platform.MessageBox("Error saving output file", Icon::None);
    }
    return false;
  }
}

bool HidesDefinitionWindow(CalculateOutputResult result) {
  return result == CalculateOutputResult::Written ||
         result == CalculateOutputResult::StoppedByFault;
}

bool RefuseOutputOverInput(Session& s, const std::string& input) {
  return RefuseWriteOverInput(s, s.problem.OutputFile, input);
}

bool RefuseWriteOverInput(Session& s, const std::string& output, const std::string& input) {
  if (!SameFile(output, input)) return false;
  s.platform.MessageBoxWithReason("Save Output Error", Icon::None, std::nullopt,
                                  CannotWrite(output, "it is the input file '" + input + "'"));
  return true;
}

CalculateOutputResult CalculateOutput(Session& s, char decimalSeparator,
                                      const ReportCalculations& calcs) {
  Problem& p = s.problem;
  if (p.OutputFile.empty() && !ChooseOutputFile(s)) return CalculateOutputResult::NoOutputFile;
  if (RefuseOutputOverInput(s, p.InputFile)) return CalculateOutputResult::IoFailure;
  if (RefusesImpossibleInput(s, "Incomplete information", Icon::None)) {
    return CalculateOutputResult::ImpossibleInput;
  }
  std::string error;
  const ReportOutcome outcome =
      WriteReport(p, s.view.SelectedOption(), s.platform.Now(), decimalSeparator, calcs, &error);
  ShowDesignedSteel(s, s.view.SelectedOption());
  if (outcome == ReportOutcome::IoFailure) {
    s.platform.MessageBoxWithReason("Save Output Error", Icon::None, std::nullopt, error);
  } else if (outcome != ReportOutcome::Written) {
    s.platform.MessageBox("Save Output Error", Icon::None);
  }
  // A report cut short by a calculation fault is still the report that was
  // written; a file that could not be written is not reported as written.
  if (outcome == ReportOutcome::IoFailure) return CalculateOutputResult::IoFailure;
  s.view.SetStatusPanel(2, "Output written to " + p.OutputFileTitle);
  return outcome == ReportOutcome::Written ? CalculateOutputResult::Written
                                           : CalculateOutputResult::StoppedByFault;
}

void ShowDesignedSteel(Session& s, ProblemOption option) {
  if (option == ProblemOption::Design) s.view.RefreshBox("txtTSteelArea");
  if (option == ProblemOption::VDesign) s.view.RefreshBox("txtVSteelArea");
}

void ViewOutputFile(Session& s) {
  if (s.problem.OutputFile.empty()) {
    s.platform.Beep();
    s.platform.MessageBox("Please save output file", Icon::None);
    return;
  }
  if (!s.platform.OpenInTextEditor(s.problem.OutputFile)) {
    s.platform.MessageBox("Unable to view output file", Icon::Information);
  }
}

void SetOutputTitle(Session& s) {
  s.problem.OutputTitle =
      s.platform.InputBox("Enter output title:", "Output Title", s.problem.OutputTitle);
}

}  // namespace kestal
