#include "commands/document_commands.h"

#include <filesystem>
#include <optional>

#include "commands/input_guard.h"
#include "commands/output_commands.h"
#include "files/document.h"
#include "files/replace_file.h"

namespace kestal {

namespace {

constexpr const char* kPdfFilter = "PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*";

// The document of the problem; nothing, after saying why, when the input
// is impossible or a calculation stops at a fault (a document never holds
// a report cut short).
std::optional<PagedDocument> Compose(Session& s, char decimalSign, Paper paper,
                                     const std::string& failure, const std::string& what,
                                     DocumentResult& result) {
  if (RefusesImpossibleInput(s, "Incomplete information", Icon::None)) {
    result = DocumentResult::ImpossibleInput;
    return std::nullopt;
  }
  Problem& p = s.problem;
  const ProblemOption option = s.view.SelectedOption();
  const std::tm now = s.platform.Now();
  const ReportText report = ComposeReport(p, option, now, decimalSign);
  ShowDesignedSteel(s, option);
  if (report.stoppedByFault) {
    s.platform.MessageBoxWithReason(failure, Icon::None, std::nullopt,
                                    what + ": a calculation stopped at a floating-point fault");
    result = DocumentResult::Failed;
    return std::nullopt;
  }
  return CalculationDocument(p, option, report.text, now, paper, decimalSign);
}

}  // namespace

DocumentResult WriteDocumentPdf(Session& s, const std::string& path, char decimalSign,
                                Paper paper) {
  if (RefuseWriteOverInput(s, path, s.problem.InputFile)) return DocumentResult::Failed;
  DocumentResult result = DocumentResult::Written;
  const std::optional<PagedDocument> doc =
      Compose(s, decimalSign, paper, "Save Output Error", "cannot write '" + path + "'", result);
  if (!doc) return result;
  std::string error;
  const std::optional<std::string> bytes = s.platform.RenderPdf(*doc, error);
  FileResult written;
  if (bytes) {
    written = ReplaceFile(path, *bytes);
  } else {
    written.error = CannotWrite(path, error);
  }
  if (!written) {
    s.platform.MessageBoxWithReason("Save Output Error", Icon::None, std::nullopt, written.error);
    return DocumentResult::Failed;
  }
  return DocumentResult::Written;
}

DocumentResult ExportPdf(Session& s, char decimalSign, Paper paper) {
  // The input's name with ".pdf", in its folder.
  const std::string proposed =
      s.problem.InputFile.empty()
          ? std::string()
          : std::filesystem::path(s.problem.InputFile).replace_extension(".pdf").string();
  const std::optional<FileChoice> choice =
      s.platform.ChooseFile(FileDialogMode::Save, kPdfFilter, 1, proposed);
  if (!choice) return DocumentResult::Cancelled;
  const DocumentResult result = WriteDocumentPdf(s, choice->path, decimalSign, paper);
  if (result == DocumentResult::Written)
    s.view.SetStatusPanel(2, "PDF written to " + choice->title);
  return result;
}

DocumentResult PrintCalculation(Session& s, char decimalSign, Paper paper) {
  DocumentResult result = DocumentResult::Written;
  const std::optional<PagedDocument> doc =
      Compose(s, decimalSign, paper, "Print Error", "cannot print", result);
  if (!doc) return result;
  std::string error;
  switch (s.platform.PrintDocument(*doc, error)) {
    case PrintResult::Printed:
      s.view.SetStatusPanel(2, "Printed " + std::to_string(doc->pages.size()) +
                                   (doc->pages.size() == 1 ? " page" : " pages"));
      return DocumentResult::Written;
    case PrintResult::Cancelled:
      return DocumentResult::Cancelled;
    case PrintResult::Failed:
      break;
  }
  s.platform.MessageBoxWithReason("Print Error", Icon::None, std::nullopt,
                                  "cannot print: " + error);
  return DocumentResult::Failed;
}

}  // namespace kestal
