// The example problems in examples/: each loads, reports and designs through
// kestal-cli, and the command line prints what the window shows.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "commands/displays.h"
#include "commands/file_commands.h"
#include "commands/recording_view.h"
#include "files/report.h"
#include "model/problem_ops.h"
#include "platform/console_platform.h"
#include "platform/recording_results.h"
#include "platform/scripted_platform.h"

namespace kestal::test {
namespace {

const std::string kExamples = std::string(KESTAL_SOURCE_DIR) + "/examples";
constexpr std::time_t kEpoch = 1796540700;

std::vector<std::string> ExampleFiles() {
  std::vector<std::string> files;
  for (const fs::directory_entry& e : fs::directory_iterator(kExamples)) {
    if (e.path().extension() == ".in") files.push_back(e.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// The window after File > Load Input of `path`, every system service a
// test double.
struct Window {
  Problem p;
  ToolTips tips;
  ScriptedPlatform platform;
  RecordingResults results;
  RecordingView view;
  Session s{p, tips, platform, results, view};

  explicit Window(const std::string& path) {
    StartUp(p, tips);
    view.RefreshMainWindow();
    loaded = LoadInputFrom(s, FileChoiceForPath(path));
    view.SetSelectedOption(OptionForProblemType(p.ProblemType));
  }
  bool loaded = false;

  // What kestal-cli prints for the same command: the message boxes, then
  // the window's lines or grid rows if it is visible.
  std::string Printed() const {
    std::string text;
    for (const PlatformEvent& m : platform.messages()) text += ConsoleMessageText(m.text, m.title);
    if (!results.visible()) return text;
    if (!results.gridShown()) return text + Lines(results.lines());
    for (const std::vector<std::string>& row : results.gridRows()) {
      std::string line;
      for (std::size_t i = 0; i < row.size(); ++i) line += (i ? "\t" : "") + row[i];
      text += line + "\n";
    }
    return text;
  }
};

TEST(Examples, CoverEveryCodeUnitSystemShapeAndProblemType) {
  const std::vector<std::string> files = ExampleFiles();
  EXPECT_GE(files.size(), 8u);
  std::set<std::string> codes, unitSystems, types;
  std::set<int> shapes;
  for (const std::string& f : files) {
    const Window w(f);
    ASSERT_TRUE(w.loaded) << f;
    EXPECT_TRUE(w.platform.messages().empty()) << f;
    EXPECT_FALSE(w.p.OutputTitle.empty()) << f;
    codes.insert(w.p.CodeKey);
    unitSystems.insert(w.p.Units);
    types.insert(w.p.ProblemType);
    shapes.insert(w.p.SectionType);
  }
  EXPECT_EQ(codes,
            (std::set<std::string>{"aashto", "aci", "arema", "csa", "lrfd", "ohbdc", "s6", "ud"}));
  EXPECT_EQ(unitSystems, (std::set<std::string>{"English", "Metric"}));
  EXPECT_EQ(types, (std::set<std::string>{"design", "Vdesign", "review"}));
  EXPECT_EQ(shapes, (std::set<int>{0, 1, 2}));
}

TEST(Examples, EachReportsWithoutAMessageAsTheWindowWritesIt) {
  for (const std::string& f : ExampleFiles()) {
    TempDir dir;
    const std::string name = fs::path(f).stem().string() + ".out";
    const std::string out = dir / name;
    const CliResult r =
        RunCli({"report", f, "-o", out}, {{"SOURCE_DATE_EPOCH", std::to_string(kEpoch)}});
    EXPECT_EQ(r.status, 0) << f;
    EXPECT_EQ(r.out, "") << f;
    EXPECT_EQ(r.err, "") << f;

    Window w(f);
    w.p.OutputFileTitle = name;
    const ReportText expected = ComposeReport(w.p, w.view.SelectedOption(), UtcTime(kEpoch));
    EXPECT_FALSE(expected.stoppedByFault) << f;
    EXPECT_EQ(ReadBytes(out), expected.text) << f;
    EXPECT_EQ(expected.text.find("***"), std::string::npos) << "a check fails in " << f;
  }
}

TEST(Examples, EachViewPrintsWhatTheWindowShows) {
  struct Display {
    const char* what;
    std::function<void(Session&)> show;
  };
  const std::vector<Display> displays = {
      {"section-properties", ShowSectionProperties},
      {"moment-capability", ShowMomentCapability},
      {"service-load-stress", ShowServiceLoadStress},
      {"fatigue-stress", ShowFatigueStress},
      {"crack-control", ShowCrackControl},
      {"shear-capability", ShowShearCapability},
      {"rebar-table", ShowRebarInfo},
  };
  for (const std::string& f : ExampleFiles()) {
    for (const Display& d : displays) {
      Window w(f);
      d.show(w.s);
      const CliResult r = RunCli({"view", d.what, f});
      EXPECT_EQ(r.out, w.Printed()) << d.what << " " << f;
      EXPECT_EQ(r.status, w.platform.messages().empty() ? 0 : 1) << d.what << " " << f;
    }
  }
}

TEST(Examples, ReviewsShowTheirSelectedDisplaysWithoutAMessage) {
  for (const std::string& f : ExampleFiles()) {
    const Window w(f);
    if (w.p.ProblemType != "review") continue;
    std::vector<std::string> views{"section-properties", "moment-capability"};
    if (w.p.OutServLoad) views.push_back("service-load-stress");
    if (w.p.OutFatStress) views.push_back("fatigue-stress");
    if (w.p.OutCrackCon) views.push_back("crack-control");
    if (w.p.OutShearCap) views.push_back("shear-capability");
    for (const std::string& what : views) {
      const CliResult r = RunCli({"view", what, f});
      EXPECT_EQ(r.status, 0) << what << " " << f << "\n" << r.out;
      EXPECT_TRUE(r.out.starts_with("\n     ")) << what << " " << f;
      EXPECT_EQ(r.out.find("***"), std::string::npos) << what << " " << f;
    }
  }
}

TEST(Examples, DesignsGiveTheirSteel) {
  for (const std::string& f : ExampleFiles()) {
    const Window w(f);
    if (w.p.ProblemType == "design") {
      const CliResult r = RunCli({"calc-tension", f});
      EXPECT_EQ(r.status, 0) << f;
      EXPECT_TRUE(r.out.starts_with("Tension Reinforcing: Required As =  ")) << r.out;
    } else if (w.p.ProblemType == "Vdesign") {
      const CliResult r = RunCli({"calc-shear", f});
      EXPECT_EQ(r.status, 0) << f;
      EXPECT_TRUE(r.out.starts_with("Shear Reinforcing: Required Av/s= ")) << r.out;
    }
  }
  // The floor beam is the worked 12 x 24 in "aci" design.
  const CliResult aci = RunCli({"calc-tension", kExamples + "/aci_rect_design_english.in"});
  EXPECT_EQ(aci.out, "Tension Reinforcing: Required As =  2.865 in^2\n");
}

}  // namespace
}  // namespace kestal::test
