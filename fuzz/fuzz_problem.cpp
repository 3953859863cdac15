// A whole problem on any bytes: the bytes are loaded as an input file, then
// every View display, both Calc buttons and the report of every problem type
// run on it. Nothing may throw past a command, print a non-number or leave
// one in the record.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "commands/console_view.h"
#include "commands/design_commands.h"
#include "commands/displays.h"
#include "commands/file_commands.h"
#include "files/report.h"
#include "fuzz_support.h"
#include "platform/recording_results.h"
#include "platform/scripted_platform.h"

using namespace kestal;

namespace {

void ExpectNumbers(const ScriptedPlatform& platform, const RecordingResults& results) {
  for (const PlatformEvent& e : platform.events()) {
    if (fuzz::HasNonNumber(e.text)) fuzz::Broken("a message shows a non-number", e.text);
  }
  for (const std::string& line : results.lines()) {
    if (fuzz::HasNonNumber(line)) fuzz::Broken("a display prints a non-number", line);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/kestal-fuzz-" + std::to_string(getpid()) + ".in";
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), std::streamsize(size));

  Problem p;
  ToolTips tips;
  ScriptedPlatform platform;
  RecordingResults results;
  ConsoleView view(p, tips);
  Session s{p, tips, platform, results, view};
  StartUp(p, tips);
  view.RefreshMainWindow();
  if (!LoadInputFrom(s, FileChoiceForPath(path))) return 0;
  fuzz::ExpectFiniteRecord(p);

  for (void (*display)(Session&) :
       {ShowSectionProperties, ShowMomentCapability, ShowServiceLoadStress, ShowFatigueStress,
        ShowCrackControl, ShowShearCapability, ShowRebarInfo}) {
    display(s);
    ExpectNumbers(platform, results);
    fuzz::ExpectFiniteRecord(p);
  }
  const Problem loaded = p;
  for (void (*calc)(Session&) : {CalcTensionSteel, CalcShearSteel}) {
    p = loaded;
    calc(s);
    ExpectNumbers(platform, results);
    fuzz::ExpectFiniteRecord(p);
  }
  for (ProblemOption option :
       {ProblemOption::Design, ProblemOption::VDesign, ProblemOption::Review}) {
    p = loaded;
    ReportText report = ComposeReport(p, option, platform.Now());
    // The title is the user's own text, printed as it was typed ("600inf").
    if (const std::string& title = loaded.OutputTitle; !title.empty()) {
      for (std::size_t at = report.text.find(title); at != std::string::npos;
           at = report.text.find(title, at)) {
        report.text.erase(at, title.size());
      }
    }
    if (fuzz::HasNonNumber(report.text)) fuzz::Broken("the report prints a non-number");
    fuzz::ExpectFiniteRecord(p);
  }
  return 0;
}
