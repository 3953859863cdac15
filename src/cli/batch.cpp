#include "cli/batch.h"

#include <sys/stat.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <istream>
#include <map>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/run.h"
#include "commands/console_view.h"
#include "commands/output_commands.h"
#include "files/checks.h"
#include "model/problem_ops.h"

namespace kestal::cli {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> ExpandInputs(const std::vector<std::string>& given, std::istream& in) {
  std::vector<std::string> inputs;
  for (const std::string& input : given) {
    if (input != "-") {
      inputs.push_back(input);
      continue;
    }
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty()) inputs.push_back(line);
    }
  }
  return inputs;
}

// The progress line: shown only once the run has lasted a second, and
// rewritten at most ten times a second.
class Progress {
 public:
  Progress(std::ostream& err, bool enabled, std::size_t total)
      : err_(err), enabled_(enabled), total_(total), start_(Clock::now()), last_(start_) {}

  void Step(std::size_t done) {
    if (!enabled_) return;
    const Clock::time_point now = Clock::now();
    if (now - start_ < std::chrono::seconds(1) || now - last_ < std::chrono::milliseconds(100)) {
      return;
    }
    last_ = now;
    shown_ = true;
    err_ << "\rkestal-cli: " << done << " of " << total_ << " reports" << std::flush;
  }

  // Takes the line away, so that what is printed next starts on a clean
  // line; the next step shows it again.
  void Clear() {
    if (shown_) err_ << "\r\033[K" << std::flush;
    shown_ = false;
  }

 private:
  using Clock = std::chrono::steady_clock;
  std::ostream& err_;
  bool enabled_;
  std::size_t total_;
  Clock::time_point start_;
  Clock::time_point last_;
  bool shown_ = false;
};

// The signal that asked the run to stop, 0 while none has. The handler only
// records it: the report in progress is finished, the run stops before the
// next one, so no report is left half written and no temporary file stays.
volatile std::sig_atomic_t stopSignal = 0;

extern "C" void RecordStopSignal(int signal) {
  stopSignal = signal;
}

// SIGINT and SIGTERM recorded for the life of the object, the previous
// handling restored after it.
class StopSignals {
 public:
  StopSignals() {
    stopSignal = 0;
    struct sigaction action {};
    action.sa_handler = RecordStopSignal;
    sigemptyset(&action.sa_mask);
    // Restarted, not failed: a signal must not turn a write into an error.
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, &oldInt_);
    sigaction(SIGTERM, &action, &oldTerm_);
  }
  ~StopSignals() {
    sigaction(SIGINT, &oldInt_, nullptr);
    sigaction(SIGTERM, &oldTerm_, nullptr);
  }
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

 private:
  struct sigaction oldInt_ {};
  struct sigaction oldTerm_ {};
};

using FileIdentity = std::pair<dev_t, ino_t>;

// Every input of the run that exists, by the file it is (links followed).
std::map<FileIdentity, std::string> InputFiles(const std::vector<std::string>& inputs) {
  std::map<FileIdentity, std::string> files;
  for (const std::string& input : inputs) {
    struct stat st {};
    if (::stat(input.c_str(), &st) == 0) files.emplace(FileIdentity{st.st_dev, st.st_ino}, input);
  }
  return files;
}

// The input of the run that `output` is, if any.
const std::string* InputAt(const std::map<FileIdentity, std::string>& files,
                           const std::string& output) {
  struct stat st {};
  if (files.empty() || ::stat(output.c_str(), &st) != 0) return nullptr;
  const auto found = files.find({st.st_dev, st.st_ino});
  return found == files.end() ? nullptr : &found->second;
}

// Every line of the messages a problem showed, after the input's name.
void PrintMessages(std::ostream& out, const std::string& input, const std::string& messages) {
  std::istringstream lines(messages);
  for (std::string line; std::getline(lines, line);) out << input << ": " << line << '\n';
}

}  // namespace

int RunReports(const Invocation& inv, const ConsolePlatform::Clock& clock, BatchStreams io,
               const ConsolePlatform::PdfRenderer& pdf) {
  const StopSignals stopSignals;
  const std::vector<std::string> inputs = ExpandInputs(inv.inputs, io.in);
  // No report may replace an input of the run, its own or another's.
  const std::map<FileIdentity, std::string> inputFiles = InputFiles(inputs);
  std::error_code ec;
  fs::create_directories(inv.outDir, ec);

  // Every problem starts from the program's start-up state, made once.
  Problem start;
  ToolTips startTips;
  StartUp(start, startTips);
  ConsoleView(start, startTips).RefreshMainWindow();

  std::set<std::string> names;
  std::vector<std::string> failed;
  Progress progress(io.err, io.progress, inputs.size());
  // Assigned the start-up state for every problem rather than made anew: an
  // assignment reuses the strings and the tool-tip table's entries. One
  // message stream, emptied for each problem, serves them all.
  Problem p;
  ToolTips tips;
  std::ostringstream messages;
  std::ostringstream reasons;
  std::size_t done = 0;
  std::size_t failingChecks = 0;
  for (; done < inputs.size() && stopSignal == 0; ++done) {
    const std::size_t i = done;
    const std::string& input = inputs[i];
    Invocation one;
    one.command = Command::Report;
    one.input = input;
    const std::string name = fs::path(input).stem().string() + ".out";
    one.output = (fs::path(inv.outDir) / name).string();
    one.pdf = inv.pdf;
    // Messages go to standard output, which may be the terminal that shows
    // the progress line: that line makes way for them first.
    if (!names.insert(name).second) {
      progress.Clear();
      io.out << input << ": kestal-cli: " << name << " is the report of an earlier input\n";
      if (io.progress) io.out.flush();
      failed.push_back(input);
      continue;
    }

    p = start;
    tips = startTips;
    messages.str({});
    reasons.str({});
    ConsolePlatform platform(messages, clock, reasons);
    platform.SetPdfRenderer(pdf);
    ConsoleResults results;
    ConsoleView view(p, tips);
    Session session{p, tips, platform, results, view};
    p.OutputFile = one.output;
    if (const std::string* over = InputAt(inputFiles, one.output)) {
      RefuseOutputOverInput(session, *over);
    } else if (const std::string* under = one.pdf ? InputAt(inputFiles, PdfPathOf(one)) : nullptr) {
      RefuseWriteOverInput(session, PdfPathOf(one), *under);
    } else {
      RunCommand(session, one);
    }
    if (messages.tellp() > 0 || reasons.tellp() > 0) {
      progress.Clear();
      PrintMessages(io.out, input, messages.str());
      if (io.progress) io.out.flush();
      PrintMessages(io.err, input, reasons.str());
    }
    if (ExitStatus(platform.messages()) != 0) {
      failed.push_back(input);
    } else if (inv.checks) {
      // The checks after the input's name, as its messages are.
      const std::vector<Check> checks = ProblemChecks(p, OptionForProblemType(p.ProblemType));
      std::string lines;
      for (const std::string& line : CheckTableLines(checks)) lines += line + '\n';
      progress.Clear();
      PrintMessages(io.out, input, lines);
      if (AnyCheckFails(checks)) ++failingChecks;
    }
    progress.Step(i + 1);
  }
  progress.Clear();

  if (stopSignal != 0) {
    io.err << "kestal-cli: stopped by " << (stopSignal == SIGINT ? "SIGINT" : "SIGTERM")
           << " after " << done << " of " << inputs.size()
           << (inputs.size() == 1 ? " input" : " inputs") << '\n';
  }
  // Short however many failed: each has its own lines above.
  constexpr std::size_t kNamesShown = 10;
  const std::size_t written = done - failed.size();
  io.err << "kestal-cli: " << written << (written == 1 ? " report" : " reports") << " written, "
         << failed.size() << (failed.size() == 1 ? " input" : " inputs") << " failed";
  for (std::size_t i = 0; i < failed.size() && i < kNamesShown; ++i) {
    io.err << (i ? ", " : ": ") << failed[i];
  }
  if (failed.size() > kNamesShown) io.err << ", ...";
  if (inv.checks) io.err << "; " << failingChecks << " with a check NOT OK";
  io.err << '\n';
  if (stopSignal != 0) return 128 + stopSignal;
  if (!failed.empty()) return 1;
  return failingChecks > 0 ? 3 : 0;
}

}  // namespace kestal::cli
