// Ten thousand random problems (every code, unit system, shape, problem type
// and output selection, with zeros, negatives, tiny and huge numbers) through
// every display, both Calc buttons and the report of every problem type:
// nothing throws past a command, a fault ends in its message, and no printed
// text shows a non-number or an unformatted value.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string_view>

#include "commands/console_view.h"
#include "commands/design_commands.h"
#include "commands/displays.h"
#include "files/input_file.h"
#include "files/report.h"
#include "model/code_criteria.h"
#include "model/code_rules.h"
#include "model/record_fields.h"
#include "platform/recording_results.h"
#include "platform/scripted_platform.h"
#include "support/random_problem.h"

namespace kestal {
namespace {

// A printed value is a formatted number: a fixed pattern (at most four
// decimals), or at most seven significant digits with an optional exponent;
// a unit or a line end may follow.
bool Formatted(std::string_view t) {
  std::size_t i = t.starts_with('-') ? 1 : 0;
  std::string digits;
  int decimals = 0;
  for (bool point = false; i < t.size() && (std::isdigit(t[i]) || (t[i] == '.' && !point)); ++i) {
    point = point || t[i] == '.';
    if (t[i] != '.') digits += t[i], decimals += point;
  }
  if (i < t.size() && t[i] == 'E') {
    i += 2;  // the exponent's sign, then its digits
    while (i < t.size() && std::isdigit(t[i])) ++i;
  }
  if (i < t.size() && (std::isdigit(t[i]) || t[i] == '.' || t[i] == 'E')) return false;
  const std::size_t first = digits.find_first_not_of('0');
  return decimals <= 4 || first == std::string::npos || digits.find_last_not_of('0') - first < 7;
}

void ExpectReadable(std::string_view text) {
  for (std::string_view word : {"nan", "inf"}) {
    for (std::size_t at = text.find(word); at != std::string_view::npos;
         at = text.find(word, at + 1)) {
      const bool inWord = (at > 0 && std::isalpha(text[at - 1])) ||
                          (at + 3 < text.size() && std::isalpha(text[at + 3]));
      EXPECT_TRUE(inWord) << text;
    }
  }
  for (std::size_t at = text.find("= "); at != std::string_view::npos;
       at = text.find("= ", at + 1)) {
    if (at + 2 < text.size() && std::strchr("-.0123456789", text[at + 2])) {
      EXPECT_TRUE(Formatted(text.substr(at + 2))) << text;
    }
  }
}

TEST(RandomProblems, EveryCommandFinishesReadably) {
  std::mt19937 rng(20261207);
  for (int i = 0; i < 10000; ++i) {
    const std::string_view code = Editions()[rng() % Editions().size()].key;
    const Problem problem = RandomProblem(rng, code);
    Problem p = problem;
    ToolTips tips;
    ScriptedPlatform platform;
    RecordingResults results;
    ConsoleView view(p, tips);
    Session s{p, tips, platform, results, view};
    for (void (*command)(Session&) :
         {ShowSectionProperties, ShowMomentCapability, ShowServiceLoadStress, ShowFatigueStress,
          ShowCrackControl, ShowShearCapability, CalcTensionSteel, CalcShearSteel}) {
      platform.ClearLog();
      const int prepared = results.prepareCount();
      ASSERT_NO_THROW(command(s)) << InputFileText(problem);
      for (const std::string& line : results.lines()) ExpectReadable(line);
      for (const PlatformEvent& e : platform.events()) ExpectReadable(e.text);
      // A display that met a fault is hidden again with its one message.
      if (results.prepareCount() > prepared && !results.visible()) {
        ASSERT_EQ(platform.events().size(), 1u);
        EXPECT_EQ(platform.events()[0].text, "Incomplete Information");
      }
    }
    for (ProblemOption option :
         {ProblemOption::Design, ProblemOption::VDesign, ProblemOption::Review}) {
      p = problem;
      std::string text;
      ASSERT_NO_THROW(text = ComposeReport(p, option, platform.Now()).text);
      ExpectReadable(text);
    }
  }
}

}  // namespace
}  // namespace kestal
