// Thousands of damaged copies of the example files, as a mistyping engineer
// or a careless script makes them (a digit changed, a minus sign, a stray or
// decimal comma, a character lost, a key misspelt): each is either refused
// (by the reader, or by the input check before any calculation) or loads and
// reports no negative section property, stress block depth or area.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "commands/console_view.h"
#include "commands/file_commands.h"
#include "commands/output_commands.h"
#include "model/problem_ops.h"
#include "model/record_fields.h"
#include "platform/recording_results.h"
#include "platform/scripted_platform.h"

namespace kestal {
namespace {

namespace fs = std::filesystem;

std::string Damaged(std::string text, std::mt19937& random) {
  static const std::string inserts = "-0123456789.,\"x ";
  static const char* const keys[][2] = {{"English", "english"}, {"aci", "acl"},
                                        {"review", "reveiw"},   {"Metric", "SI"},
                                        {"design", "desing"},   {"lrfd", "lrfd9"}};
  for (int edits = 1 + static_cast<int>(random() % 3); edits > 0; --edits) {
    const std::size_t at = random() % text.size();
    switch (random() % 5) {
      case 0:  // a digit mistyped
        if (std::isdigit(static_cast<unsigned char>(text[at])))
          text[at] = char('0' + random() % 10);
        break;
      case 1:
        text.insert(text.begin() + static_cast<std::ptrdiff_t>(at),
                    inserts[random() % inserts.size()]);
        break;
      case 2:
        text.erase(at, 1);
        break;
      case 3: {  // a minus sign before a number
        const std::size_t comma = text.find(',', at);
        if (comma != std::string::npos) text.insert(comma + 1, "-");
        break;
      }
      default: {
        const auto& key = keys[random() % std::size(keys)];
        if (const std::size_t k = text.find(std::string("\"") + key[0] + "\"");
            k != std::string::npos) {
          text.replace(k + 1, std::string(key[0]).size(), key[1]);
        }
        break;
      }
    }
  }
  return text;
}

// The value printed after " = " on the report's lines that show a section
// property, the stress block depth or an area: none may be negative.
void ExpectNothingNegative(const std::string& report, const std::string& input) {
  std::istringstream lines(report);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t eq = line.find(" = ");
    if (eq == std::string::npos) continue;
    const std::string label = line.substr(0, eq);
    const bool checked = label.find("inertia") != std::string::npos ||
                         label.find("modulus") != std::string::npos ||
                         label.find("area") != std::string::npos ||
                         label.find("Distance to neutral axis") != std::string::npos ||
                         label.find("Stress block depth") != std::string::npos;
    if (checked) {
      ASSERT_NE(line[line.find_first_not_of(' ', eq + 3)], '-') << line << "\n" << input;
    }
  }
}

TEST(MutatedExamples, AreRefusedOrReportNothingNegative) {
  const fs::path examples = fs::path(KESTAL_SOURCE_DIR) / "examples";
  const fs::path dir = fs::temp_directory_path() / ("kestal-mutated-" + std::to_string(getpid()));
  fs::create_directories(dir);
  std::mt19937 random(16016);
  int refused = 0;
  int reported = 0;
  for (const fs::directory_entry& e : fs::directory_iterator(examples)) {
    std::ifstream in(e.path(), std::ios::binary);
    const std::string original(std::istreambuf_iterator<char>(in), {});
    for (int round = 0; round < 400; ++round) {
      const std::string text = Damaged(original, random);
      const fs::path input = dir / "p.in";
      std::ofstream(input, std::ios::binary) << text;

      Problem p;
      ToolTips tips;
      ScriptedPlatform platform;
      RecordingResults results;
      ConsoleView view(p, tips);
      Session s{p, tips, platform, results, view};
      StartUp(p, tips);
      view.RefreshMainWindow();
      const Problem start = p;
      if (!LoadInputFrom(s, FileChoiceForPath(input.string()))) {
        // Refused whole: the problem before it stays.
        ASSERT_EQ(ChangedFields(start, p), std::vector<std::string>{}) << text;
        ++refused;
        continue;
      }
      p.OutputFile = (dir / "p.out").string();
      p.OutputFileTitle = "p.out";
      fs::remove(p.OutputFile);
      const CalculateOutputResult result = CalculateOutput(s);
      if (result == CalculateOutputResult::ImpossibleInput) {
        ASSERT_FALSE(fs::exists(p.OutputFile)) << text;
        ++refused;
        continue;
      }
      std::ifstream out(p.OutputFile, std::ios::binary);
      ExpectNothingNegative(std::string(std::istreambuf_iterator<char>(out), {}), text);
      ASSERT_GE(p.BlockDepth, 0) << text;
      ASSERT_GE(p.TSteelArea, 0) << text;
      ASSERT_GE(p.VSteelArea, 0) << text;
      ++reported;
    }
  }
  fs::remove_all(dir);
  // Both ways are taken often.
  EXPECT_GT(refused, 500);
  EXPECT_GT(reported, 500);
}

}  // namespace
}  // namespace kestal
