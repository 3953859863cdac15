#pragma once

// The command line of kestal-cli.

#include <optional>
#include <string>
#include <vector>

#include "commands/displays.h"

namespace kestal::cli {

enum class Command { Help, Version, Report, View, CalcTension, CalcShear, New };

struct Invocation {
  Command command = Command::Help;
  std::string input;   // report, view, calc-tension, calc-shear
  std::string output;  // report, new
  // report --out-dir: every input ("-" reads paths from standard input, one
  // a line) and the folder that takes the reports.
  std::vector<std::string> inputs;
  std::string outDir;
  // report --checks: the summary of checks on standard output, status 3 when
  // any fails.
  bool checks = false;
  // report --pdf: the document as well, to pdfPath, or when that is empty
  // beside each report with ".pdf" for ".out".
  bool pdf = false;
  std::string pdfPath;
  ResultsDisplay display = ResultsDisplay::SectionProperties;  // what view shows
  // new: each click or entry only when given.
  std::optional<std::string> units;  // "English" or "Metric"
  std::optional<std::string> code;   // a Code menu key
  std::optional<std::string> type;   // "design", "Vdesign" or "review"
  std::optional<std::string> fc;     // text typed into the f'c box
};

struct ParsedArguments {
  std::optional<Invocation> invocation;
  std::string error;  // why the command line is not understood
};

// Reads the arguments after the program name.
ParsedArguments ParseArguments(const std::vector<std::string>& args);

// The usage text, ending in a line break.
std::string UsageText();

}  // namespace kestal::cli
