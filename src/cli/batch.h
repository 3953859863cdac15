#pragma once

// kestal-cli report INPUT... --out-dir DIR: many problems in one run.

#include <iosfwd>

#include "cli/arguments.h"
#include "platform/console_platform.h"

namespace kestal::cli {

struct BatchStreams {
  std::istream& in;   // input paths, one a line, for the input "-"
  std::ostream& out;  // message boxes, each line after "INPUT: "
  std::ostream& err;  // progress and the summary
  bool progress;      // a progress line that updates in place
};

// Writes the report of every input to the output folder under the input's
// base name with ".out", each exactly as `report INPUT -o DIR/NAME.out`
// writes it. A problem that ends on a message does not stop the others; a
// report that would replace an input of the run is refused. SIGINT or
// SIGTERM stops the run after the report in progress: the summary is
// printed and the result is 128 + the signal's number. Otherwise 1 when any
// problem ended on an error message; with --checks each report's checks
// follow its input's name and the result is 3 when any check fails; else 0.
// With --pdf each report's document goes beside it as NAME.pdf, made by
// `pdf`.
int RunReports(const Invocation& inv, const ConsolePlatform::Clock& clock, BatchStreams io,
               const ConsolePlatform::PdfRenderer& pdf = {});

}  // namespace kestal::cli
