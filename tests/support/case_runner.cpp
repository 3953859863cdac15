#include "support/case_runner.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <stdexcept>

#include "analysis/beta_theta.h"
#include "analysis/crack_control.h"
#include "analysis/cracked_section.h"
#include "analysis/fatigue.h"
#include "analysis/flexure_rules.h"
#include "analysis/gross_section.h"
#include "analysis/moment_capability.h"
#include "analysis/service_stress.h"
#include "analysis/shear_capability.h"
#include "analysis/shear_steel.h"
#include "analysis/tension_design.h"
#include "commands/design_commands.h"
#include "commands/displays.h"
#include "commands/edit_commands.h"
#include "commands/file_commands.h"
#include "commands/output_commands.h"
#include "commands/section_commands.h"
#include "files/input_file.h"
#include "files/report.h"
#include "model/checked.h"
#include "model/code_criteria.h"
#include "model/input_checks.h"
#include "model/materials.h"
#include "model/numtext.h"
#include "model/record_fields.h"
#include "platform/scripted_platform.h"

namespace kestal::test {

namespace fs = std::filesystem;
using Words = std::vector<std::string>;

namespace {

std::string Quoted(const std::string& s) {
  return '"' + s + '"';
}

std::string Unquoted(const std::string& s) {
  return s.size() >= 2 && s.front() == '"' && s.back() == '"' ? s.substr(1, s.size() - 2) : s;
}

// Words of a line; a word in double quotes may hold blanks.
Words Split(const std::string& line) {
  Words words;
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ') {
      ++i;
      continue;
    }
    std::size_t end = line[i] == '"' ? line.find('"', i + 1) + 1 : line.find(' ', i);
    if (end == 0 || end == std::string::npos) end = line.size();
    words.push_back(line.substr(i, end - i));
    i = end;
  }
  return words;
}

std::string IconName(Icon icon) {
  switch (icon) {
    case Icon::Information:
      return "information";
    case Icon::Exclamation:
      return "exclamation";
    case Icon::Critical:
      return "critical";
    case Icon::None:
      break;
  }
  return "none";
}

std::string FaultName(Fault f) {
  switch (f) {
    case Fault::DivisionByZero:
      return "division-by-zero";
    case Fault::Overflow:
      return "overflow";
    case Fault::NegativeRoot:
      return "negative-root";
    case Fault::Invalid:
      break;
  }
  return "invalid";
}

std::string Shortest(double v) {
  char buf[32];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, end);
}

std::string Shortest(float v) {
  char buf[32];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, end);
}

// `text` with every occurrence of the case's folder written as $TMP.
std::string WithTmp(std::string text, const std::string& tmp) {
  for (std::size_t at; !tmp.empty() && (at = text.find(tmp)) != std::string::npos;) {
    text.replace(at, tmp.size(), "$TMP");
  }
  return text;
}

// The platform, results window and main window of a case, each writing what
// it is asked to do into the one transcript.
struct LogPlatform : ScriptedPlatform {
  explicit LogPlatform(Words& log) : log(log) {}
  void MessageBox(const std::string& text, Icon icon,
                  const std::optional<std::string>& title) override {
    // A carriage return inside the text (a line break of the box) shows as \r.
    std::string shown;
    for (char c : text) shown += c == '\r' ? std::string("\\r") : std::string(1, c);
    std::string line = "message " + Quoted(shown);
    if (icon != Icon::None) line += " icon=" + IconName(icon);
    if (title) line += " title=" + Quoted(*title);
    log.push_back(line);
  }
  // The reason, after `reasons`, with the case's folder shown as $TMP.
  void MessageBoxWithReason(const std::string& text, Icon icon,
                            const std::optional<std::string>& title,
                            const std::string& reason) override {
    MessageBox(text, icon, title);
    if (showReasons) log.push_back("reason " + Quoted(WithTmp(reason, tmp)));
  }
  void Beep() override { log.push_back("beep"); }
  int Ask(const std::string& text, const std::vector<std::string>& answers,
          const std::optional<std::string>& title) override {
    std::string line = "ask " + Quoted(text);
    for (const std::string& a : answers) line += " [" + a + "]";
    log.push_back(line);
    return ScriptedPlatform::Ask(text, answers, title);
  }
  std::optional<FileChoice> ChooseFile(FileDialogMode mode, const std::string& filter, int index,
                                       const std::string& proposed) override {
    log.push_back(std::string(mode == FileDialogMode::Open ? "open " : "save ") + Quoted(filter) +
                  " " + std::to_string(index) +
                  (proposed.empty() ? "" : " proposing " + Shown(proposed)));
    if (dialogFails) throw std::runtime_error("the file dialog failed");
    return ScriptedPlatform::ChooseFile(mode, filter, index, proposed);
  }
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override {
    log.push_back("input " + Quoted(prompt) + " " + Quoted(title) + " " + Quoted(defaultText));
    return ScriptedPlatform::InputBox(prompt, title, defaultText);
  }
  bool OpenInTextEditor(const std::string& path) override {
    log.push_back("editor " + path);
    return ScriptedPlatform::OpenInTextEditor(path);
  }
  void ShowHelpTopic(const std::string& topic) override { log.push_back("help " + topic); }
  void SetClipboardText(const std::string& text) override {
    log.push_back("clipboard " + Quoted(text));
    ScriptedPlatform::SetClipboardText(text);
  }
  // A path with the case's folder as $TMP and the source folder as $SRC.
  std::string Shown(const std::string& path) const {
    std::string shown = WithTmp(path, tmp);
    const std::string src = KESTAL_SOURCE_DIR;
    if (shown.starts_with(src)) shown = "$SRC" + shown.substr(src.size());
    return shown;
  }
  Words& log;
  bool dialogFails = false;
  bool showReasons = false;
  std::string tmp;
};

struct LogResults : ResultsSink {
  explicit LogResults(Words& log) : log(log) {}
  void Prepare(int h, int w) override {
    log.push_back("prepare " + std::to_string(h) + " " + std::to_string(w));
  }
  void Print(const std::string& line) override { log.push_back("|" + line); }
  void Hide() override { log.push_back("hide"); }
  void ShowGrid(const std::vector<std::vector<std::string>>& rows, int h, int w) override {
    log.push_back("grid " + std::to_string(h) + " " + std::to_string(w));
    for (const auto& row : rows) {
      std::string line = "#";
      for (const std::string& cell : row) line += " " + Quoted(cell);
      log.push_back(line);
    }
  }
  void ShowGridAsIs(int h, int w) override {
    log.push_back("grid as it is " + std::to_string(h) + " " + std::to_string(w));
  }
  void Rewrite(const std::vector<std::string>& lines) override {
    log.push_back("rewrite");
    for (const std::string& line : lines) log.push_back("|" + line);
  }
  bool Showing() const override { return true; }
  Words& log;
};

// The main window as the commands see it; its refresh does to the record
// what the window's does, and selects the option of ProblemType unless a
// case has chosen one.
struct LogView : MainView {
  LogView(Problem& p, ToolTips& tips, Words& log) : p(p), tips(tips), log(log) {}
  void RefreshMainWindow() override {
    log.push_back("refresh");
    SetToolTips(p, tips);
    p.FormUpdating = 1;
    option = OptionForProblemType(p.ProblemType);
    p.FormUpdating = 0;
  }
  void RefreshBox(std::string_view box) override {
    log.push_back("refresh " + std::string(box) + " " + DisplayForm(p.*(FindBox(box)->field)));
  }
  ProblemOption SelectedOption() const override { return option; }
  void SetStatusPanel(int panel, const std::string& text) override {
    log.push_back("status " + std::to_string(panel) + " " + Quoted(text));
  }
  Problem& p;
  ToolTips& tips;
  Words& log;
  ProblemOption option = ProblemOption::Design;
};

ProblemOption OptionNamed(const std::string& name) {
  if (name == "design") return ProblemOption::Design;
  if (name == "Vdesign") return ProblemOption::VDesign;
  if (name == "review") return ProblemOption::Review;
  throw std::invalid_argument("no problem-type option " + name);
}

using Procedure = std::function<void(Problem&, ToolTips&, const std::string&)>;

// The procedures `call` runs: the calculations and the record's own
// operations, by name.
const std::map<std::string, Procedure>& Procedures() {
  auto plain = [](void (*f)(Problem&)) {
    return Procedure([f](Problem& p, ToolTips&, const std::string&) { f(p); });
  };
  static const std::map<std::string, Procedure> table = {
      {"SetUnitFactors", plain(SetUnitFactors)},
      {"SetCodeDefaults", plain(SetCodeDefaults)},
      {"SetMaterialFromStrength", plain(SetMaterialFromStrength)},
      {"SetModularRatio", plain(SetModularRatio)},
      {"ResetParameters", plain(ResetParameters)},
      {"ResetDimensions", plain(ResetDimensions)},
      {"InvertCurrentSection", plain(InvertCurrentSection)},
      {"ChooseMetric", plain(ChooseMetric)},
      {"ChooseEnglish", plain(ChooseEnglish)},
      {"GrossSectionProps", plain(GrossSectionProps)},
      {"SectionInertias", plain(SectionInertias)},
      {"MomentCapability", plain(MomentCapability)},
      {"StressBlockLimits", plain(StressBlockLimits)},
      {"StoreWebWidthMin", plain(StoreWebWidthMin)},
      {"StoreMinDesignMoment", plain(StoreMinDesignMoment)},
      {"StoreAciMinimumArea", plain(StoreAciMinimumArea)},
      {"DesignTensionSteel", plain(DesignTensionSteel)},
      {"ServiceLoadStress", plain(ServiceLoadStress)},
      {"FatigueStress", plain(FatigueStress)},
      {"CrackControl", plain(CrackControl)},
      {"ConcreteShearStrength", plain(ConcreteShearStrength)},
      {"MaxShearStrength", plain(MaxShearStrength)},
      {"RequiredShearSteel", plain(RequiredShearSteel)},
      {"MinimumShearSteel", plain(MinimumShearSteel)},
      {"MaximumShearSpacing", plain(MaximumShearSpacing)},
      {"ShearSteelStrength", plain(ShearSteelStrength)},
      {"MinimumLongitudinalSteel", plain(MinimumLongitudinalSteel)},
      {"StartUp", [](Problem& p, ToolTips& t, const std::string&) { StartUp(p, t); }},
      {"SetToolTips", [](Problem& p, ToolTips& t, const std::string&) { SetToolTips(p, t); }},
      {"ChooseCode", [](Problem& p, ToolTips&, const std::string& a) { ChooseCode(p, a); }},
      {"ChooseProblemType",
       [](Problem& p, ToolTips&, const std::string& a) { ChooseProblemType(p, OptionNamed(a)); }},
      {"EnterConcreteStrength",
       [](Problem& p, ToolTips&, const std::string& a) { EnterConcreteStrength(p, a); }},
  };
  return table;
}

// Whether `actual` is the number written, to the digits written: 4.4118
// accepts 4.41175 to 4.41185 (and the float nearest either end).
bool MatchesWritten(double actual, const std::string& written) {
  const double expected = std::stod(written);
  const std::size_t e = written.find_first_of("eE");
  const std::string mantissa = written.substr(0, e);
  const std::size_t point = mantissa.find('.');
  const int decimals = point == std::string::npos ? 0 : int(mantissa.size() - point - 1);
  const int exponent = e == std::string::npos ? 0 : std::stoi(written.substr(e + 1));
  if (expected == 0) return actual == 0;
  const double halfUnit = 0.5 * std::pow(10.0, exponent - decimals);
  return std::fabs(actual - expected) <= halfUnit + std::fabs(expected) * 0x1p-24;
}

// A limit on the size of the files this process writes, standing in for a
// full device: with SIGXFSZ ignored, a write beyond it fails as on a full
// disk. Lifted again at the end of the case.
class FileSizeLimit {
 public:
  void Set(rlim_t bytes) {
    if (!saved_) {
      getrlimit(RLIMIT_FSIZE, &old_);
      std::signal(SIGXFSZ, SIG_IGN);
      saved_ = true;
    }
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  void Lift() {
    if (saved_) setrlimit(RLIMIT_FSIZE, &old_);
    saved_ = false;
  }
  ~FileSizeLimit() { Lift(); }

 private:
  rlimit old_{};
  bool saved_ = false;
};

class CaseRun {
 public:
  CaseRun(fs::path file, const fs::path& tmp) : file_(std::move(file)), tmp_(tmp) {
    platform_.tmp = tmp_.string();
  }

  // Runs one command line; false (with a failure reported) ends the case.
  bool Run(const std::string& line, int lineNo);
  // Compares the transcript with the expected block and clears it.
  bool Check(const Words& expected, int lineNo);
  bool Finish(int lineNo) { return Check({}, lineNo); }

  std::vector<std::string> fileLines;  // lines of a `write` being collected

 private:
  bool Fail(int lineNo, const std::string& what) {
    ADD_FAILURE_AT(file_.string().c_str(), lineNo) << what;
    return false;
  }
  std::string Path(const std::string& word) const;
  bool Expect(const Words& w, int lineNo);
  void Do(const Words& w, const std::string& rest);
  void RunCli(const Words& w);

  fs::path file_;
  fs::path tmp_;
  Words log_;
  Problem p_;
  ToolTips tips_;
  LogPlatform platform_{log_};
  LogResults results_{log_};
  LogView view_{p_, tips_, log_};
  Session s_{p_, tips_, platform_, results_, view_};
  FileSizeLimit sizeLimit_;
  Problem mark_;
  FocusedControl focused_;
  std::string env_;
  ReportCalculations StandIns();
  std::map<std::string, Words> standIns_;  // the fields each stand-in sets
};

void SetField(Problem& p, const std::string& name, const std::string& value);

// The report's calculations replaced by stand-ins: each writes "run NAME"
// and sets the fields its `stand-in` line gives (or throws its `fault`).
ReportCalculations CaseRun::StandIns() {
  using Calc = std::function<void(Problem&)> ReportCalculations::*;
  static const std::pair<const char*, Calc> calcs[] = {
      {"SectionInertias", &ReportCalculations::SectionInertias},
      {"MomentCapability", &ReportCalculations::MomentCapability},
      {"DesignTensionSteel", &ReportCalculations::DesignTensionSteel},
      {"ServiceLoadStress", &ReportCalculations::ServiceLoadStress},
      {"FatigueStress", &ReportCalculations::FatigueStress},
      {"CrackControl", &ReportCalculations::CrackControl},
      {"ConcreteShearStrength", &ReportCalculations::ConcreteShearStrength},
      {"MaxShearStrength", &ReportCalculations::MaxShearStrength},
      {"RequiredShearSteel", &ReportCalculations::RequiredShearSteel},
      {"MinimumShearSteel", &ReportCalculations::MinimumShearSteel},
      {"MaximumShearSpacing", &ReportCalculations::MaximumShearSpacing},
      {"ShearSteelStrength", &ReportCalculations::ShearSteelStrength},
      {"MinimumLongitudinalSteel", &ReportCalculations::MinimumLongitudinalSteel}};
  ReportCalculations table;
  for (const auto& [name, calc] : calcs) {
    table.*calc = [this, name = std::string(name)](Problem& p) {
      log_.push_back("run " + name);
      const Words& w = standIns_[name];
      for (std::size_t i = 0; i + 1 < w.size(); i += 2) {
        for (Fault f : {Fault::DivisionByZero, Fault::Overflow, Fault::NegativeRoot}) {
          if (w[i] == "fault" && w[i + 1] == FaultName(f)) throw CalcError(f);
        }
        SetField(p, w[i], w[i + 1]);
      }
    };
  }
  return table;
}

// A word with the escapes \r \n \t \0 \\ and \xHH turned into their bytes.
std::string Bytes(const std::string& word) {
  std::string out;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (word[i] != '\\' || i + 1 == word.size()) {
      out += word[i];
    } else if (const char e = word[++i]; e == 'x') {
      out += char(std::stoi(word.substr(i + 1, 2), nullptr, 16)), i += 2;
    } else {
      out += e == 'r' ? '\r' : e == 'n' ? '\n' : e == 't' ? '\t' : e == '0' ? '\0' : e;
    }
  }
  return out;
}

std::string CaseRun::Path(const std::string& word) const {
  std::string path = Unquoted(word);
  const std::pair<const char*, std::string> roots[] = {
      {"$DATA", KESTAL_TEST_DATA}, {"$SRC", KESTAL_SOURCE_DIR}, {"$TMP", tmp_.string()}};
  for (const auto& [name, root] : roots) {
    for (std::size_t at; (at = path.find(name)) != std::string::npos;) {
      path.replace(at, std::string(name).size(), root);
    }
  }
  return path;
}

bool CaseRun::Check(const Words& expected, int lineNo) {
  Words actual;
  actual.swap(log_);
  if (actual == expected) return true;
  std::ostringstream msg;
  msg << "transcript differs\n--- expected\n";
  for (const std::string& l : expected) msg << "> " << l << "\n";
  msg << "--- actual\n";
  for (const std::string& l : actual) msg << "> " << l << "\n";
  return Fail(lineNo, msg.str());
}

bool CaseRun::Expect(const Words& w, int lineNo) {
  if (w[0] == "changed") {
    Words names(w.begin() + 1, w.end());
    const Words changed = ChangedFields(mark_, p_);
    if (changed != names) {
      std::string got;
      for (const std::string& n : changed) got += " " + n;
      return Fail(lineNo, "changed fields:" + got);
    }
    return true;
  }
  for (std::size_t i = 1; i + 1 < w.size(); i += 2) {
    const FieldRef* f = FindField(w[i]);
    if (!f) return Fail(lineNo, "no field " + w[i]);
    const std::string want = Path(w[i + 1]);  // $TMP and the like in texts
    const std::string got = FieldText(p_, *f);
    const bool ok = std::holds_alternative<float Problem::*>(f->member)
                        ? MatchesWritten(p_.*std::get<float Problem::*>(f->member), want)
                        : got == want;
    if (!ok) return Fail(lineNo, w[i] + " is " + got + ", expected " + want);
  }
  return true;
}

void SetField(Problem& p, const std::string& name, const std::string& value) {
  const FieldRef* f = FindField(name);
  if (!f) throw std::invalid_argument("no field " + name);
  std::visit(
      [&](auto member) {
        using T = std::decay_t<decltype(p.*member)>;
        if constexpr (std::is_same_v<T, std::string>) {
          p.*member = Unquoted(value);
        } else if constexpr (std::is_same_v<T, float>) {
          p.*member = std::stof(value);
        } else {
          p.*member = static_cast<T>(std::stol(value));
        }
      },
      f->member);
}

// The usual materials of the worked examples: f'c 4000 psi, fy 60000 psi,
// Es 29,000,000 psi, A1 = B1 = 0.85, Emax 0.003, Phi 0.9, resistance factors
// 1; in Metric f'c 28, fy 420 and Es 200000 MPa.
void UsualBeam(Problem& p, bool metric, const std::string& code) {
  p.Units = metric ? units::Metric : units::English;
  p.CodeKey = code;
  SetUnitFactors(p);
  p.ConcreteStrength = metric ? 28 : 4000;
  p.SteelStrength = metric ? 420 : 60000;
  p.Er = metric ? 200000 : 29000000;
  p.A1 = p.B1 = 0.85f;
  p.Emax = 0.003f;
  p.Phi = 0.9f;
  p.PhiConc = p.PhiReinf = 1;
}

void CaseRun::RunCli(const Words& w) {
  std::string cmd = "cd '" + tmp_.string() + "' && " + env_ + " '" KESTAL_CLI "'";
  // An argument "<FILE" is standard input; any other is passed as it is.
  for (std::size_t i = 1; i < w.size(); ++i) {
    cmd += w[i].starts_with("<") ? " <'" + Path(w[i].substr(1)) + "'" : " '" + Path(w[i]) + "'";
  }
  cmd += " 2>'" + (tmp_ / "stderr.txt").string() + "'";
  FILE* out = popen(cmd.c_str(), "r");
  std::string text;
  for (int c; (c = std::fgetc(out)) != EOF;) text += char(c);
  const int status = pclose(out);
  auto add = [&](const std::string& prefix, const std::string& all) {
    std::istringstream in(all);
    for (std::string l; std::getline(in, l);) {
      log_.push_back(l.empty() ? prefix : prefix + " " + l);  // no trailing blank
    }
  };
  add("out", WithTmp(text, tmp_.string()));
  std::ifstream err(tmp_ / "stderr.txt");
  add("err", WithTmp(std::string(std::istreambuf_iterator<char>(err), {}), tmp_.string()));
  fs::remove(tmp_ / "stderr.txt");
  log_.push_back("exit " + std::to_string(WEXITSTATUS(status)));
}

void CaseRun::Do(const Words& w, const std::string& rest) {
  const std::string& c = w[0];
  auto arg = [&](std::size_t i) { return i < w.size() ? w[i] : std::string(); };
  auto num = [&](std::size_t i) { return std::stof(w.at(i)); };
  if (c == "start") {
    StartUp(p_, tips_);
  } else if (c == "english" || c == "metric") {
    UsualBeam(p_, c == "metric",
              arg(1).empty() ? (c == "metric" ? code::ACI : code::AREMA) : arg(1));
  } else if (c == "set") {
    for (std::size_t i = 1; i + 1 < w.size(); i += 2) SetField(p_, w[i], Path(w[i + 1]));
  } else if (c == "rect") {
    p_.SectionType = section::Rectangular;
    p_.RecB = num(1), p_.RecH = num(2);
  } else if (c == "tee") {
    p_.SectionType = section::Tee;
    p_.TeeH = num(1), p_.TeeBtop = num(2), p_.TeeHtop = num(3), p_.TeeBweb = num(4);
  } else if (c == "box") {
    p_.SectionType = section::Box;
    p_.BoxH = num(1), p_.BoxBtop = num(2), p_.BoxHtop = num(3), p_.BoxBbot = num(4);
    p_.BoxHbot = num(5), p_.BoxBweb = num(6);
  } else if (c == "type") {
    const std::string text = Unquoted(rest.substr(rest.find(' ', 5) + 1));
    if (!FindBox(w[1])) throw std::invalid_argument("no box " + w[1]);
    if (EnterBoxText(p_, w[1], text) == EntryEffect::MaterialsFault) {
      log_.push_back("materials fault");
    }
  } else if (c == "call") {
    const auto it = Procedures().find(w.at(1));
    if (it == Procedures().end()) throw std::invalid_argument("no procedure " + w[1]);
    try {
      it->second(p_, tips_, Unquoted(arg(2)));
    } catch (const CalcError& e) {
      log_.push_back("fault " + FaultName(e.fault()));
    }
  } else if (c == "search") {
    try {
      const BetaThetaCell cell = BetaThetaSearch(p_);
      log_.push_back(cell.found ? "cell " + std::string(1, cell.table) + " " +
                                      std::to_string(cell.row) + " " + std::to_string(cell.column)
                                : "no cell");
    } catch (const CalcError& e) {
      log_.push_back("fault " + FaultName(e.fault()));
    }
  } else if (c == "section") {
    // "Set Section Dimensions", then Close Form on the section window.
    p_.SectionDefined = 1;
    GrossSectionProps(p_);
  } else if (c == "invert") {
    InvertSection(s_);
  } else if (c == "close-section") {
    CloseSectionWindow(s_);
  } else if (c == "option") {
    view_.option = OptionNamed(w.at(1));
  } else if (c == "view") {
    static const std::map<std::string, void (*)(Session&)> displays = {
        {"section-properties", ShowSectionProperties},
        {"moment-capability", ShowMomentCapability},
        {"service-load-stress", ShowServiceLoadStress},
        {"fatigue-stress", ShowFatigueStress},
        {"crack-control", ShowCrackControl},
        {"shear-capability", ShowShearCapability},
        {"rebar-table", ShowRebarInfo},
        {"checks", ShowChecks},
    };
    displays.at(w.at(1))(s_);
  } else if (c == "calc") {
    (w.at(1) == "tension" ? CalcTensionSteel : CalcShearSteel)(s_);
  } else if (c == "answer") {
    if (w.at(1) == "file") {
      platform_.QueueFileChoice(FileChoiceForPath(Path(w.at(2))));
    } else if (w[1] == "button") {
      platform_.QueueAnswer(Unquoted(w.at(2)));
    } else if (w[1] == "cancel") {
      platform_.QueueFileChoice(std::nullopt);
    } else {
      platform_.QueueInput(Unquoted(arg(2)));
    }
  } else if (c == "editor-fails") {
    platform_.SetEditorResult(false);
  } else if (c == "clock") {
    platform_.SetClock(std::stoi(w[1]), std::stoi(w[2]), std::stoi(w[3]), std::stoi(w[4]),
                       std::stoi(w[5]), std::stoi(w[6]));
  } else if (c == "load") {
    arg(1).empty() ? LoadInput(s_) : void(LoadInputFrom(s_, FileChoiceForPath(Path(w[1]))));
  } else if (c == "save") {
    arg(1).empty() ? void(SaveInput(s_)) : void(SaveInputTo(s_, FileChoiceForPath(Path(w[1]))));
  } else if (c == "output-file") {
    ChooseOutputFile(
        s_, arg(1) == "main" ? OutputFileMenu::MainWindow : OutputFileMenu::DefinitionWindow);
  } else if (c == "calculate") {
    const CalculateOutputResult r =
        CalculateOutput(s_, arg(1).empty() ? '.' : arg(1)[0],
                        standIns_.empty() ? ReportCalculations::Standard() : StandIns());
    if (HidesDefinitionWindow(r)) log_.push_back("definition window hidden");
  } else if (c == "view-output") {
    ViewOutputFile(s_);
  } else if (c == "title") {
    SetOutputTitle(s_);
  } else if (c == "cat" || c == "golden") {
    std::ifstream in(Path(w.at(1)), std::ios::binary);
    const std::string text(std::istreambuf_iterator<char>(in), {});
    if (!in) {
      log_.push_back("no file " + w[1]);
    } else if (c == "golden") {
      std::ifstream g(Path(w.at(2)), std::ios::binary);
      const std::string want(std::istreambuf_iterator<char>(g), {});
      if (text != want) log_.push_back("differs from " + w[2] + ":\n" + text);
    } else {
      // Lines end in CR LF; any other line end shows.
      std::string line;
      for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) {
          log_.push_back(": " + line), line.clear(), ++i;
        } else {
          line += text[i] == '\r'   ? std::string("\\r")
                  : text[i] == '\n' ? "\\n"
                                    : text.substr(i, 1);
        }
      }
      if (!line.empty()) log_.push_back(": " + line + " (no line end)");
    }
  } else if (c == "files") {
    Words names;
    for (const auto& e : fs::directory_iterator(tmp_)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    std::string line = "files";
    for (const std::string& n : names) line += " " + n;
    log_.push_back(line);
  } else if (c == "mkdir") {
    fs::create_directories(Path(w.at(1)));
  } else if (c == "env") {
    env_ += " " + rest.substr(4);
  } else if (c == "cli") {
    RunCli(w);
  } else if (c == "format") {
    const char sep = arg(3).empty() ? '.' : arg(3)[0];
    const std::string& form = w.at(1);
    const std::string& v = w.at(2);
    std::string text;
    if (v.rfind("d:", 0) == 0) {
      text = FormatPattern(std::stod(v.substr(2)), Unquoted(form), sep);
    } else {
      const float f = std::stof(v);
      text = form == "display"   ? DisplayForm(f)
             : form == "message" ? MessageForm(f)
             : form == "general" ? GeneralForm(f, sep)
             : form == "file"    ? FileForm(f)
                                 : FormatPattern(f, Unquoted(form), sep);
    }
    log_.push_back(Quoted(text));
  } else if (c == "entry") {
    const std::string text = Unquoted(rest.substr(6));
    log_.push_back(Shortest(LeadingNumber(text)) + " " + Shortest(EntryValue(text)));
  } else if (c == "unit") {
    // unit BOX...: the unit shown beside each box; "results" the results title.
    for (std::size_t i = 1; i < w.size(); ++i) {
      log_.push_back(w[i] + " " +
                     Quoted(w[i] == "results" ? ResultsTitle(p_) : std::string(BoxUnit(p_, w[i]))));
    }
  } else if (c == "note") {
    log_.push_back(Quoted(EntryNote(Unquoted(rest.substr(5)))));
  } else if (c == "round") {
    log_.push_back(Shortest(RoundByPattern(std::stod(w.at(2)), Unquoted(w.at(1)))));
  } else if (c == "tip") {
    for (std::size_t i = 1; i < w.size(); ++i) {
      const auto it = tips_.find(w[i]);
      log_.push_back(w[i] + " " + (it == tips_.end() ? "(none)" : Quoted(std::string(it->second))));
    }
  } else if (c == "mark") {
    mark_ = p_;
  } else if (c == "stand-in") {
    standIns_[w.at(1)] = Words(w.begin() + 2, w.end());
  } else if (c == "lines") {
    // lines FILE FROM [UNTIL]: from the first line holding FROM up to the
    // next holding UNTIL (to the end without one; "" ends after one line);
    // an empty line shows as ":".
    std::ifstream in(Path(w.at(1)), std::ios::binary);
    bool on = false;
    for (std::string l; std::getline(in, l);) {
      if (!l.empty() && l.back() == '\r') l.pop_back();
      if (on && w.size() > 3 && l.find(Unquoted(w[3])) != std::string::npos) break;
      on = on || l.find(Unquoted(w.at(2))) != std::string::npos;
      if (on) log_.push_back(l.empty() ? ":" : ": " + l);
    }
    if (!on) log_.push_back("no line " + w[2]);
  } else if (c == "edit") {
    // edit FILE FROM TO [NEWFILE]: every FROM replaced (escapes as in Bytes).
    std::ifstream in(Path(w.at(1)), std::ios::binary);
    std::string text(std::istreambuf_iterator<char>(in), {});
    const std::string from = Bytes(Unquoted(w.at(2))), to = Bytes(Unquoted(w.at(3)));
    if (from.empty()) throw std::invalid_argument("nothing to replace");
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
      text.replace(at, from.size(), to);
    }
    std::ofstream(Path(arg(4).empty() ? w[1] : w[4]), std::ios::binary) << text;
  } else if (c == "pad") {
    // pad FILE SIZE: blanks added up to SIZE bytes.
    const fs::path file = Path(w.at(1));
    const std::size_t size = std::stoul(w.at(2)) - fs::file_size(file);
    std::ofstream(file, std::ios::binary | std::ios::app) << std::string(size, ' ');
  } else if (c == "mode") {
    // mode FILE [OCTAL]: sets the permissions when given, shows them.
    const fs::path file = Path(w.at(1));
    if (w.size() > 2) fs::permissions(file, fs::perms(std::stoi(w[2], nullptr, 8)));
    std::ostringstream mode;
    mode << "mode " << std::oct << int(fs::status(file).permissions() & fs::perms::all);
    log_.push_back(mode.str());
  } else if (c == "fsize-limit") {
    w.at(1) == "off" ? sizeLimit_.Lift() : sizeLimit_.Set(std::stoul(w[1]));
  } else if (c == "fifo") {
    mkfifo(Path(w.at(1)).c_str(), 0644);
  } else if (c == "kind") {
    const fs::file_status st = fs::symlink_status(Path(w.at(1)));
    log_.push_back("kind " + std::string(fs::is_fifo(st)           ? "pipe"
                                         : fs::is_regular_file(st) ? "file"
                                         : fs::is_directory(st)    ? "folder"
                                         : fs::exists(st)          ? "other"
                                                                   : "none"));
  } else if (c == "link") {
    // link TARGET NAME: NAME becomes a symbolic link to TARGET.
    fs::create_symlink(Path(w.at(1)), Path(w.at(2)));
  } else if (c == "grep") {
    // grep FILE TEXT: the lines of the file that hold TEXT, as `cat` shows them.
    std::ifstream in(Path(w.at(1)), std::ios::binary);
    if (!in) log_.push_back("no file " + w[1]);
    const std::string text = Unquoted(rest.substr(rest.find(' ', 5) + 1));
    for (std::string l; std::getline(in, l);) {
      if (!l.empty() && l.back() == '\r') l.pop_back();
      if (l.find(text) != std::string::npos) log_.push_back(": " + l);
    }
  } else if (c == "first") {
    // first N: of the unchecked transcript only its first N lines and its
    // last (a `cli` run's exit) are kept, for a long text such as the usage.
    const std::size_t n = std::stoul(w.at(1));
    if (log_.size() > n + 1) log_.erase(log_.begin() + long(n), log_.end() - 1);
  } else if (c == "focus") {
    // focus textbox TEXT START LENGTH | focus combo TEXT [ENTRY...] | focus other;
    // a combo box with entries is a list only.
    using Kind = FocusedControl::Kind;
    const Kind kind = w.at(1) == "textbox" ? Kind::TextBox
                      : w[1] == "combo"    ? Kind::ComboBox
                                           : Kind::Other;
    focused_ = {kind, Unquoted(arg(2)), 0, 0, {}};
    if (kind == Kind::TextBox) focused_.selectionStart = std::stoul(w.at(3));
    if (kind == Kind::TextBox) focused_.selectionLength = std::stoul(w.at(4));
    for (std::size_t i = 3; kind == Kind::ComboBox && i < w.size(); ++i) {
      focused_.listEntries.push_back(Unquoted(w[i]));
    }
  } else if (c == "cut" || c == "copy" || c == "paste") {
    const auto command = static_cast<EditCommand>(c == "cut" ? 0 : c == "copy" ? 1 : 2);
    const auto change = EditFocusedControl(platform_, command, focused_);
    if (change) log_.push_back("replace " + Quoted(*change));
  } else if (c == "clipboard-holds") {
    platform_.ScriptedPlatform::SetClipboardText(Unquoted(rest.substr(16)));
  } else if (c == "input-fault") {
    // The first rule the input breaks, and whether the shape can be drawn.
    const std::optional<std::string> fault = InputFault(p_);
    log_.push_back("fault " + (fault ? Quoted(*fault) : std::string("none")));
    log_.push_back(std::string("shape ") +
                   (DescribesShape(p_, p_.SectionType) ? "drawn" : "not drawn"));
  } else if (c == "reasons") {
    // From now on the reason of every failed file operation is logged.
    platform_.showReasons = true;
    platform_.tmp = tmp_.string();
  } else if (c == "dialog-fails") {
    platform_.dialogFails = true;  // every file dialog from now on throws
  } else if (c == "marked") {
    // Every field a value no procedure sets (numbers -1000 - i, texts "mark"
    // i), so that `changed` shows every field a procedure writes.
    int i = 0;
    for (const FieldRef& f : AllFields()) {
      ++i;
      std::visit(
          [&](auto member) {
            using T = std::decay_t<decltype(p_.*member)>;
            if constexpr (std::is_same_v<T, std::string>) {
              p_.*member = "mark" + std::to_string(i);
            } else {
              p_.*member = static_cast<T>(-1000 - i);
            }
          },
          f.member);
    }
  } else if (c == "tips") {
    log_.push_back("tips " + std::to_string(tips_.size()));
  } else if (c == "option-for") {
    // The problem-type option the main window selects for a ProblemType key.
    const char* const names[] = {"design", "Vdesign", "review"};
    log_.push_back(names[static_cast<int>(OptionForProblemType(Unquoted(w.at(1))))]);
  } else {
    throw std::invalid_argument("unknown command " + c);
  }
}

bool CaseRun::Run(const std::string& line, int lineNo) {
  std::string command = line;
  std::optional<std::string> inlineExpect;
  if (const std::size_t at = line.find(" => "); at != std::string::npos) {
    command = line.substr(0, at);
    inlineExpect = line.substr(at + 4);
  }
  const Words w = Split(command);
  if (w[0] == "expect" || w[0] == "changed") return Expect(w, lineNo);
  if (inlineExpect && !log_.empty() && !Finish(lineNo)) return false;
  try {
    Do(w, command);
  } catch (const std::exception& e) {
    return Fail(lineNo, std::string("the command failed: ") + e.what());
  }
  return !inlineExpect || Check({*inlineExpect}, lineNo);
}

}  // namespace

std::vector<fs::path> CaseFiles(const std::string& layer) {
  std::vector<fs::path> files;
  for (const auto& e : fs::directory_iterator(fs::path(KESTAL_TEST_DATA) / layer)) {
    if (e.path().extension() == ".case") files.push_back(e.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

void RunCaseFile(const fs::path& file) {
  std::ifstream in(file);
  ASSERT_TRUE(in) << file;
  std::vector<std::pair<int, std::string>> lines;
  int n = 0;
  for (std::string l; std::getline(in, l);) lines.emplace_back(++n, l);
  lines.emplace_back(++n, "case");  // ends the last case

  const fs::path tmp = fs::temp_directory_path() /
                       ("kestal-case-" + file.stem().string() + "-" + std::to_string(getpid()));
  std::unique_ptr<CaseRun> run;
  bool alive = false;
  Words expected;
  std::string writing;  // file of a `write` block
  int expectedAt = 0;
  for (const auto& [no, raw] : lines) {
    const bool verbatim = raw.rfind(">", 0) == 0 || raw.rfind(":", 0) == 0;
    const std::string line = verbatim ? raw.substr(0, raw.find_last_not_of('\r') + 1)
                                      : raw.substr(0, raw.find_last_not_of(" \r") + 1);
    const bool isExpect = line.rfind(">", 0) == 0;
    const bool isFileLine = line.rfind(":", 0) == 0;
    if (!writing.empty() && !isFileLine) {
      std::ofstream out(tmp / writing, std::ios::binary);
      for (const std::string& l : run->fileLines) out << l << "\r\n";
      run->fileLines.clear(), writing.clear();
    }
    if (!isExpect && !expected.empty()) {
      if (alive) alive = run->Check(expected, expectedAt);
      expected.clear();
    }
    if (line.empty() || line[0] == '#') continue;
    if (line.rfind("case", 0) == 0) {
      if (run && alive) run->Finish(no - 1);
      fs::remove_all(tmp);
      fs::create_directories(tmp);
      run = std::make_unique<CaseRun>(file, tmp);
      alive = true;
      continue;
    }
    if (!run) {
      ADD_FAILURE_AT(file.string().c_str(), no) << "a command before the first case";
      return;
    }
    if (!alive) continue;
    if (isExpect) {
      if (expected.empty()) expectedAt = no;
      expected.push_back(line.size() > 2 ? line.substr(2) : "");
    } else if (isFileLine) {
      run->fileLines.push_back(line.size() > 2 ? line.substr(2) : "");
    } else if (line.rfind("write ", 0) == 0) {
      writing = line.substr(6);
    } else {
      alive = run->Run(line, no);
    }
  }
  fs::remove_all(tmp);
}

}  // namespace kestal::test
