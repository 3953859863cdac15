#include "cli/arguments.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <utility>
#include <vector>

#include "model/code_rules.h"

namespace kestal::cli {

namespace {

struct DisplayName {
  const char* name;
  ResultsDisplay display;
};

constexpr std::array<DisplayName, 7> kDisplays{{
    {"section-properties", ResultsDisplay::SectionProperties},
    {"moment-capability", ResultsDisplay::MomentCapability},
    {"service-load-stress", ResultsDisplay::ServiceLoadStress},
    {"fatigue-stress", ResultsDisplay::FatigueStress},
    {"crack-control", ResultsDisplay::CrackControl},
    {"shear-capability", ResultsDisplay::ShearCapability},
    {"rebar-table", ResultsDisplay::RebarTable},
}};

// The keys of the Code menu's items, in its order ("ohbdc" has no item).
std::vector<std::string_view> MenuCodes() {
  std::vector<std::string_view> keys;
  for (const CodeEdition& e : Editions()) {
    if (e.text.menuAction != nullptr) keys.push_back(e.key);
  }
  return keys;
}
constexpr std::array<std::string_view, 2> kUnits{"English", "Metric"};
constexpr std::array<std::string_view, 3> kTypes{"design", "Vdesign", "review"};

template <std::size_t N>
bool OneOf(const std::array<std::string_view, N>& keys, const std::string& value) {
  return std::find(keys.begin(), keys.end(), value) != keys.end();
}

bool IsHelp(const std::string& arg) {
  return arg == "--help" || arg == "-h";
}

ParsedArguments Error(std::string why) {
  return {std::nullopt, std::move(why)};
}

// The options a command takes, each with the field its value goes to.
struct OptionSlot {
  const char* name;
  std::optional<std::string>* value;
};

// A PDF file's name: "*.pdf", any case.
bool IsPdfName(const std::string& arg) {
  if (arg.size() < 5 || arg[0] == '-') return false;
  std::string tail = arg.substr(arg.size() - 4);
  for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return tail == ".pdf";
}

}  // namespace

ParsedArguments ParseArguments(const std::vector<std::string>& args) {
  if (args.empty()) return Error("no command given");
  Invocation inv;
  const std::string& command = args[0];
  std::size_t positionalCount = 0;
  if (IsHelp(command)) {
    inv.command = Command::Help;
    return {inv, {}};
  } else if (command == "--version") {
    if (args.size() > 1) return Error("--version: unexpected argument '" + args[1] + "'");
    inv.command = Command::Version;
    return {inv, {}};
  } else if (command == "report") {
    inv.command = Command::Report;
    positionalCount = 1;
  } else if (command == "view") {
    inv.command = Command::View;
    positionalCount = 2;
  } else if (command == "calc-tension") {
    inv.command = Command::CalcTension;
    positionalCount = 1;
  } else if (command == "calc-shear") {
    inv.command = Command::CalcShear;
    positionalCount = 1;
  } else if (command == "new") {
    inv.command = Command::New;
  } else {
    return Error("unknown command '" + command + "'");
  }

  std::optional<std::string> output;
  std::optional<std::string> outDir;
  std::vector<OptionSlot> slots;
  if (inv.command == Command::Report || inv.command == Command::New) {
    slots.push_back({"-o", &output});
    slots.push_back({"--output", &output});
  }
  if (inv.command == Command::Report) slots.push_back({"--out-dir", &outDir});
  if (inv.command == Command::New) {
    slots.push_back({"--units", &inv.units});
    slots.push_back({"--code", &inv.code});
    slots.push_back({"--type", &inv.type});
    slots.push_back({"--fc", &inv.fc});
  }

  std::vector<std::string> positionals;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (IsHelp(arg)) {
      inv = Invocation{};
      inv.command = Command::Help;
      return {inv, {}};
    }
    if (arg.size() < 2 || arg[0] != '-') {
      positionals.push_back(arg);
      continue;
    }
    // --pdf [FILE.pdf]: the document too, to FILE or beside the report.
    if (arg == "--pdf" && inv.command == Command::Report) {
      if (inv.pdf) return Error("option '--pdf' given twice");
      inv.pdf = true;
      if (i + 1 < args.size() && IsPdfName(args[i + 1])) inv.pdfPath = args[++i];
      continue;
    }
    if (arg.starts_with("--pdf=") && inv.command == Command::Report) {
      if (inv.pdf) return Error("option '--pdf' given twice");
      inv.pdf = true;
      inv.pdfPath = arg.substr(6);
      if (inv.pdfPath.empty()) return Error("option '--pdf=' needs a file");
      continue;
    }
    if (arg == "--checks" && inv.command == Command::Report) {
      if (inv.checks) return Error("option '--checks' given twice");
      inv.checks = true;
      continue;
    }
    std::string name = arg;
    std::optional<std::string> inlineValue;
    if (const std::size_t eq = arg.find('='); arg.starts_with("--") && eq != std::string::npos) {
      name = arg.substr(0, eq);
      inlineValue = arg.substr(eq + 1);
    }
    const auto slot = std::find_if(slots.begin(), slots.end(),
                                   [&](const OptionSlot& s) { return name == s.name; });
    if (slot == slots.end()) return Error("unknown option '" + name + "' for " + command);
    if (*slot->value) return Error("option '" + name + "' given twice");
    if (inlineValue) {
      *slot->value = *inlineValue;
    } else if (i + 1 < args.size()) {
      *slot->value = args[++i];
    } else {
      return Error("option '" + name + "' needs a value");
    }
  }

  if (outDir) {
    // Many reports in one run: every positional is an input.
    if (output) return Error("report: -o and --out-dir exclude each other");
    if (outDir->empty()) return Error("report: --out-dir needs a folder");
    if (positionals.empty()) return Error("report: INPUT missing");
    if (!inv.pdfPath.empty()) {
      return Error(
          "report: --pdf takes no file with --out-dir (each NAME.pdf goes beside NAME.out)");
    }
    inv.inputs = positionals;
    inv.outDir = *outDir;
    return {inv, {}};
  }
  if (positionals.size() < positionalCount) {
    return Error(command + ": " +
                 (inv.command == Command::View && positionals.empty() ? "WHAT and " : "") +
                 "INPUT missing");
  }
  if (positionals.size() > positionalCount) {
    return Error(command + ": unexpected argument '" + positionals[positionalCount] + "'");
  }
  if (inv.command == Command::View) {
    const auto found = std::find_if(kDisplays.begin(), kDisplays.end(),
                                    [&](const DisplayName& d) { return positionals[0] == d.name; });
    if (found == kDisplays.end()) return Error("unknown view '" + positionals[0] + "'");
    inv.display = found->display;
    inv.input = positionals[1];
  } else if (positionalCount == 1) {
    inv.input = positionals[0];
  }
  if (inv.command == Command::Report || inv.command == Command::New) {
    if (!output || output->empty()) return Error(command + ": -o OUTPUT missing");
    inv.output = *output;
    if (inv.pdf && (inv.pdfPath.empty() ? IsPdfName(inv.output) : inv.pdfPath == inv.output)) {
      return Error("report: the PDF would replace the report '" + inv.output + "'");
    }
  }
  if (inv.units && !OneOf(kUnits, *inv.units)) {
    return Error("unknown units '" + *inv.units + "' (English or Metric)");
  }
  const std::vector<std::string_view> codes = MenuCodes();
  if (inv.code && std::find(codes.begin(), codes.end(), *inv.code) == codes.end()) {
    std::string keys;
    for (std::size_t i = 0; i < codes.size(); ++i) {
      keys += (i == 0 ? "" : i + 1 == codes.size() ? " or " : ", ") + std::string(codes[i]);
    }
    return Error("unknown code '" + *inv.code + "' (" + keys + ")");
  }
  if (inv.type && !OneOf(kTypes, *inv.type)) {
    return Error("unknown problem type '" + *inv.type + "' (design, Vdesign or review)");
  }
  return {inv, {}};
}

std::string UsageText() {
  std::string keys;
  for (const std::string_view key : MenuCodes()) {
    if (!keys.empty()) keys += ", ";
    keys += key;
  }
  return "Usage:\n"
         "  kestal-cli report INPUT -o OUTPUT [--checks] [--pdf [FILE.pdf]]\n"
         "  kestal-cli report INPUT... --out-dir DIR [--checks] [--pdf]\n"
         "  kestal-cli view WHAT INPUT\n"
         "  kestal-cli calc-tension INPUT\n"
         "  kestal-cli calc-shear INPUT\n"
         "  kestal-cli new [--units English|Metric] [--code KEY] [--type design|Vdesign|review]\n"
         "                 [--fc TEXT] -o OUTPUT\n"
         "  kestal-cli --help\n"
         "\n"
         "report        loads the input file INPUT and writes its calculation report to OUTPUT\n"
         "              (the date line follows SOURCE_DATE_EPOCH, in UTC, when it is set);\n"
         "              with --out-dir, every INPUT's report goes to DIR as its base name\n"
         "              with \".out\", and INPUT - reads input paths from standard input;\n"
         "              --checks prints the checks of the code, tab-separated, and exits\n"
         "              with status 3 when any fails; --pdf also writes the calculation as\n"
         "              a PDF document, to FILE.pdf or beside each report with \".pdf\"\n"
         "view          loads INPUT and prints one results display\n"
         "calc-tension  loads INPUT and designs the tensile steel\n"
         "calc-shear    loads INPUT and designs the shear steel\n"
         "new           writes a new input file from the start-up problem\n"
         "\n"
         "WHAT  section-properties, moment-capability, service-load-stress, fatigue-stress,\n"
         "      crack-control, shear-capability, rebar-table\n"
         "KEY   " +
         keys +
         "\n"
         "\n"
         "Message boxes are printed as \"TITLE: TEXT\".\n"
         "Exit status: 0 done; 1 a message other than a designed steel area was shown;\n"
         "2 the command line was not understood; 3 a check failed (report --checks).\n";
}

}  // namespace kestal::cli
