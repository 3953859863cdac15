#pragma once

// The calculation report: one pass from top to bottom that runs the
// calculations the problem asks for and writes the banner, the echo of every
// input and the results with their checks, line by line.

#include <ctime>
#include <functional>
#include <string>

#include "model/problem.h"
#include "model/problem_ops.h"

namespace kestal {

// The calculations the report runs, in one table so that a test can watch the
// order in which they run or stand in for one of them. The defaults are the
// program's own calculations.
struct ReportCalculations {
  std::function<void(Problem&)> SectionInertias;
  std::function<void(Problem&)> MomentCapability;
  std::function<void(Problem&)> DesignTensionSteel;
  std::function<void(Problem&)> ServiceLoadStress;
  std::function<void(Problem&)> FatigueStress;
  std::function<void(Problem&)> CrackControl;
  std::function<void(Problem&)> ConcreteShearStrength;
  std::function<void(Problem&)> MaxShearStrength;
  std::function<void(Problem&)> RequiredShearSteel;
  std::function<void(Problem&)> MinimumShearSteel;
  std::function<void(Problem&)> MaximumShearSpacing;
  std::function<void(Problem&)> ShearSteelStrength;
  std::function<void(Problem&)> MinimumLongitudinalSteel;

  static const ReportCalculations& Standard();
};

// The report text as composed in memory. `stoppedByFault` tells that a
// calculation met a floating-point fault: the text then holds the lines
// written before it.
struct ReportText {
  std::string text;
  bool stoppedByFault = false;
};

enum class ReportOutcome {
  Written,         // the whole report is in place
  StoppedByFault,  // a calculation failed; the lines before it are in place
  IoFailure,       // the file could not be written; any earlier file is intact
};

// The program's version as "major.minor.patch".
std::string ProgramVersionText();

// The date and time of the version line: "m/dd/yy, h:mm am/pm".
std::string ReportDateTime(const std::tm& now);

// The version line: five spaces, "(Version x.y.z)", then blanks up to column
// 40 where the date and time begin.
std::string VersionLine(const std::string& versionText, const std::tm& now);

// Runs the calculations and composes the report for the selected problem-type
// option (which decides the design or review blocks, not ProblemType). Lines
// end in CR LF; `decimalSeparator` replaces the "." of every number.
// Refreshes VersionText first; every result stays in the problem.
ReportText ComposeReport(Problem& p, ProblemOption option, const std::tm& now,
                         char decimalSeparator = '.',
                         const ReportCalculations& calcs = ReportCalculations::Standard());

// Composes the report and puts it in place as OutputFile: the text is written
// to a temporary file in the same folder, which then replaces OutputFile. A
// failure to write leaves an existing OutputFile untouched and removes the
// temporary file; `error` (when given) then says why.
ReportOutcome WriteReport(Problem& p, ProblemOption option, const std::tm& now,
                          char decimalSeparator = '.',
                          const ReportCalculations& calcs = ReportCalculations::Standard(),
                          std::string* error = nullptr);

}  // namespace kestal
