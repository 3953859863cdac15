#pragma once

// The commands around the calculation report: choosing the output file,
// writing the report, opening it in the text editor and giving it a title.

#include "commands/session.h"
#include "files/report.h"

namespace kestal {

// Where the output file is chosen from: the two menus report a failure of
// the dialog differently.
enum class OutputFileMenu { DefinitionWindow, MainWindow };

// Save dialog for the output file, proposing the input file's name with
// ".out" in its folder; OutputFile and OutputFileTitle take the choice and
// status panel 2 shows it. A cancelled dialog changes nothing.
// False when cancelled or failed.
bool ChooseOutputFile(Session& s, OutputFileMenu from = OutputFileMenu::DefinitionWindow);

enum class CalculateOutputResult {
  NoOutputFile,     // nothing written; the window stays open
  Written,          // the whole report is in place
  StoppedByFault,   // a calculation failed; the lines before it are in place
  IoFailure,        // the file could not be written; the window stays open
  ImpossibleInput,  // the input describes no real beam: nothing computed or written
};

// True when the output definition window is to be hidden after the command.
bool HidesDefinitionWindow(CalculateOutputResult result);

// An output file that is `input` itself (the same file, after following
// links) is never written: shows the save error naming both and returns
// true. False, and nothing shown, for any other output file.
bool RefuseOutputOverInput(Session& s, const std::string& input);
// The same for any file the command would write.
bool RefuseWriteOverInput(Session& s, const std::string& output, const std::string& input);

// The output file the dialog proposes: the input file with ".out" for its
// extension; empty without an input file.
std::string ProposedOutputFile(const Problem& p);

// Calculate Output: without an output file, first the output file dialog
// (nothing is written when it is cancelled); then writes the report for the problem-type option
// selected in the main window, dated by the platform's clock. An output file that is the loaded
// input file is refused before anything is computed or written.
CalculateOutputResult CalculateOutput(
    Session& s, char decimalSeparator = '.',
    const ReportCalculations& calcs = ReportCalculations::Standard());

// After a report of `option` is composed: a design report designs the
// steel, and its box shows the area.
void ShowDesignedSteel(Session& s, ProblemOption option);

// View > Output file: opens the report in the system text editor.
void ViewOutputFile(Session& s);

// Define > Output Title: the answer of the input box replaces OutputTitle
// (a cancel gives an empty title).
void SetOutputTitle(Session& s);

}  // namespace kestal
