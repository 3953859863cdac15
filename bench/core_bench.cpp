// What a problem costs: each calculation alone, a whole review from record to
// report text, a key release in the concrete strength box, one input file
// read, computed and written, and the batch report command over generated
// problems.
//
// `kestal_bench --generate-problems DIR N` writes N generated problems to DIR
// instead (tools/bench.sh times the batch command and one process per
// problem over them).

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/crack_control.h"
#include "analysis/cracked_section.h"
#include "analysis/fatigue.h"
#include "analysis/gross_section.h"
#include "analysis/moment_capability.h"
#include "analysis/service_stress.h"
#include "analysis/shear_capability.h"
#include "analysis/shear_steel.h"
#include "analysis/tension_design.h"
#include "cli/batch.h"
#include "commands/console_view.h"
#include "commands/file_commands.h"
#include "commands/output_commands.h"
#include "files/input_file.h"
#include "files/report.h"
#include "model/checked.h"
#include "model/problem_ops.h"
#include "platform/scripted_platform.h"

namespace fs = std::filesystem;
using namespace kestal;

namespace {

struct Example {
  std::string name;
  std::string text;  // the input file
  Problem problem;   // loaded as File > Load Input loads it
};

const std::vector<Example>& Examples() {
  static const std::vector<Example> examples = [] {
    std::vector<Example> all;
    for (const auto& e : fs::directory_iterator(fs::path(KESTAL_SOURCE_DIR) / "examples")) {
      if (e.path().extension() != ".in") continue;
      std::ifstream in(e.path(), std::ios::binary);
      Example x{e.path().stem().string(), {std::istreambuf_iterator<char>(in), {}}, {}};
      ToolTips tips;
      ScriptedPlatform platform;
      StartUp(x.problem, tips);
      ReadInputFile(x.problem, tips, FileChoiceForPath(e.path().string()), platform);
      all.push_back(std::move(x));
    }
    std::sort(all.begin(), all.end(), [](auto& a, auto& b) { return a.name < b.name; });
    return all;
  }();
  return examples;
}

std::tm Noon() {
  std::tm t{};
  t.tm_year = 126, t.tm_mon = 11, t.tm_mday = 7, t.tm_hour = 12;
  return t;
}

// Generated problem i: example i mod 9 under its own title, with its loads
// scaled by one of forty-one factors from 0.80 to 1.20, so that no two
// neighbouring problems print the same numbers.
Problem GeneratedProblem(std::size_t i) {
  const Example& e = Examples()[i % Examples().size()];
  Problem p = e.problem;
  p.OutputTitle = "Generated problem " + std::to_string(i) + " (" + e.name + ")";
  const float factor = 0.80f + 0.01f * static_cast<float>(i / Examples().size() % 41);
  for (float* load : {&p.MomentUlt, &p.MomentMax, &p.MomentMin, &p.ShearUlt}) *load *= factor;
  return p;
}

// Writes generated problems 0 to count - 1 to DIR/pNNNNN.in.
void WriteGeneratedProblems(const fs::path& dir, std::size_t count) {
  fs::create_directories(dir);
  for (std::size_t i = 0; i < count; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "p%05zu.in", i);
    std::ofstream(dir / name, std::ios::binary) << InputFileText(GeneratedProblem(i));
  }
}

// One calculation on every example in turn; faults are part of the work.
template <void (*Calc)(Problem&)>
void BM_Calculation(benchmark::State& state) {
  std::vector<Problem> problems;
  for (const Example& e : Examples()) problems.push_back(e.problem);
  for (auto _ : state) {
    for (Problem& p : problems) {
      try {
        Calc(p);
      } catch (const CalcError&) {
      }
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * int64_t(problems.size()));
}

void Prepare(Problem& p) {
  GrossSectionProps(p);
  SectionInertias(p);
  MomentCapability(p);
  ServiceLoadStress(p);
}

void Shear(Problem& p) {
  ConcreteShearStrength(p);
  MaxShearStrength(p);
  MinimumShearSteel(p);
  MaximumShearSpacing(p);
  ShearSteelStrength(p);
  MinimumLongitudinalSteel(p);
}

BENCHMARK_TEMPLATE(BM_Calculation, GrossSectionProps);
BENCHMARK_TEMPLATE(BM_Calculation, SectionInertias);
BENCHMARK_TEMPLATE(BM_Calculation, MomentCapability);
BENCHMARK_TEMPLATE(BM_Calculation, DesignTensionSteel);
BENCHMARK_TEMPLATE(BM_Calculation, ServiceLoadStress);
BENCHMARK_TEMPLATE(BM_Calculation, FatigueStress);
BENCHMARK_TEMPLATE(BM_Calculation, CrackControl);
BENCHMARK_TEMPLATE(BM_Calculation, ConcreteShearStrength);
BENCHMARK_TEMPLATE(BM_Calculation, Shear);
BENCHMARK_TEMPLATE(BM_Calculation, Prepare);

// A whole review with every output selected, from the record to the report
// text in memory, for each example (each code).
void BM_WholeReview(benchmark::State& state) {
  const Example& e = Examples().at(std::size_t(state.range(0)));
  Problem start = e.problem;
  start.OutSectProp = start.OutMomCap = start.OutShearCap = 1;
  start.OutServLoad = start.OutFatStress = start.OutCrackCon = 1;
  const std::tm now = Noon();
  // A design example has no steel to review: its review stops at the first
  // division by zero, and the time includes throwing and catching the fault.
  Problem once = start;
  const bool faults = ComposeReport(once, ProblemOption::Review, now).stoppedByFault;
  state.SetLabel(e.name + (faults ? " (stops at a fault)" : ""));
  for (auto _ : state) {
    Problem p = start;
    ReportText report = ComposeReport(p, ProblemOption::Review, now);
    benchmark::DoNotOptimize(report.text.data());
  }
}
BENCHMARK(BM_WholeReview)->DenseRange(0, 8);  // the nine examples

// A key release in the concrete strength box, as the window handles it: the
// text entry rule, then the material values derived from the new f'c. The
// texts are those of typing 4500 and deleting it again.
void BM_KeyRelease(benchmark::State& state) {
  Problem p;
  ToolTips tips;
  StartUp(p, tips);
  const char* const texts[] = {"4", "45", "450", "4500", "450", "45", "4", ""};
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(EnterBoxText(p, "txtConcreteStrength", texts[next]));
    next = (next + 1) % std::size(texts);
  }
}
BENCHMARK(BM_KeyRelease);

struct TempFolder {
  fs::path path = fs::temp_directory_path() / ("kestal-bench-" + std::to_string(getpid()));
  TempFolder() { fs::create_directories(path); }
  ~TempFolder() { fs::remove_all(path); }
};

// File > Load Input, then Calculate Output to a file, for one example.
void BM_ReadComputeWrite(benchmark::State& state) {
  const Example& e = Examples().at(std::size_t(state.range(0)));
  state.SetLabel(e.name);
  TempFolder folder;
  const fs::path input = folder.path / "problem.in";
  std::ofstream(input, std::ios::binary) << e.text;
  for (auto _ : state) {
    Problem p;
    ToolTips tips;
    ScriptedPlatform platform;
    RecordingResults results;
    ConsoleView view(p, tips);
    Session s{p, tips, platform, results, view};
    StartUp(p, tips);
    LoadInputFrom(s, FileChoiceForPath(input.string()));
    const FileChoice out = FileChoiceForPath((folder.path / "problem.out").string());
    p.OutputFile = out.path;
    p.OutputFileTitle = out.title;
    benchmark::DoNotOptimize(CalculateOutput(s));
  }
}
BENCHMARK(BM_ReadComputeWrite)->Arg(5);  // the LRFD T-beam review

// kestal-cli report INPUT... --out-dir DIR over generated problems, atomic
// writes included.
void BM_Batch(benchmark::State& state) {
  TempFolder folder;
  cli::Invocation inv;
  inv.command = cli::Command::Report;
  inv.outDir = (folder.path / "out").string();
  WriteGeneratedProblems(folder.path / "in", std::size_t(state.range(0)));
  for (const auto& entry : fs::directory_iterator(folder.path / "in")) {
    inv.inputs.push_back(entry.path().string());
  }
  std::istringstream in;
  for (auto _ : state) {
    std::ostringstream out, err;
    benchmark::DoNotOptimize(cli::RunReports(inv, Noon, {in, out, err, false}));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Batch)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--generate-problems") {
    WriteGeneratedProblems(argv[2], std::strtoull(argv[3], nullptr, 10));
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
