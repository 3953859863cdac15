#include "cli/run.h"

#include <filesystem>
#include <string_view>

#include "commands/design_commands.h"
#include "commands/displays.h"
#include "commands/document_commands.h"
#include "commands/file_commands.h"
#include "commands/output_commands.h"
#include "commands/problem_commands.h"
#include "model/checked.h"
#include "model/problem_ops.h"
#include "platform/number_settings.h"

namespace kestal::cli {

namespace {

bool Load(Session& s, const std::string& path) {
  return LoadInputFrom(s, FileChoiceForPath(path));
}

// The report goes to OUTPUT as if it had been chosen in the output file
// dialog.
void Report(Session& s, const Invocation& inv) {
  if (!Load(s, inv.input)) return;
  const FileChoice output = FileChoiceForPath(inv.output);
  s.problem.OutputFile = output.path;
  s.problem.OutputFileTitle = output.title;
  // The decimal sign of the user's number settings, as the window writes it.
  const CalculateOutputResult result = CalculateOutput(s, UserDecimalSign());
  if (inv.pdf && result == CalculateOutputResult::Written) {
    WriteDocumentPdf(s, PdfPathOf(inv), UserDecimalSign(), UserPaper());
  }
}

// The clicks and the typing of a new problem, each followed by the window's
// refresh as the window does.
void NewProblem(Session& s, const Invocation& inv) {
  Problem& p = s.problem;
  if (inv.units) {
    if (*inv.units == units::Metric) {
      ChooseMetric(p);
    } else {
      ChooseEnglish(p);
    }
    s.view.RefreshMainWindow();
  }
  // Nothing is typed before the code: it asks no question.
  if (inv.code) ChooseCodeAsking(s, *inv.code);
  if (inv.type) {
    ChooseProblemType(p, OptionForProblemType(*inv.type));
    s.view.RefreshMainWindow();
  }
  if (inv.fc) {
    try {
      EnterConcreteStrength(p, *inv.fc);
    } catch (const CalcError&) {
      s.platform.MessageBox("Incomplete information", Icon::None);
    }
  }
  SaveInputTo(s, FileChoiceForPath(inv.output));
}

bool IsCalcResult(const ShownMessage& m) {
  if (!m.title) return false;
  const std::string_view text = m.text;
  return (*m.title == "Tension Reinforcing" && text.starts_with("Required As = ")) ||
         (*m.title == "Shear Reinforcing" && text.starts_with("Required Av/s= "));
}

}  // namespace

std::string PdfPathOf(const Invocation& inv) {
  if (!inv.pdfPath.empty()) return inv.pdfPath;
  return std::filesystem::path(inv.output).replace_extension(".pdf").string();
}

void RunCommand(Session& s, const Invocation& inv) {
  switch (inv.command) {
    case Command::Help:
    case Command::Version:
      return;
    case Command::Report:
      return Report(s, inv);
    case Command::View:
      if (Load(s, inv.input)) ShowResults(s, inv.display);
      return;
    case Command::CalcTension:
      if (Load(s, inv.input)) CalcTensionSteel(s);
      return;
    case Command::CalcShear:
      if (Load(s, inv.input)) CalcShearSteel(s);
      return;
    case Command::New:
      return NewProblem(s, inv);
  }
}

int ExitStatus(const std::vector<ShownMessage>& messages) {
  for (const ShownMessage& m : messages) {
    if (!IsCalcResult(m)) return 1;
  }
  return 0;
}

}  // namespace kestal::cli
