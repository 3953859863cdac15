#pragma once

// The calculation as a document: File > Export PDF, File > Print, and the
// PDF of kestal-cli report --pdf. Each composes the report of the
// problem-type option selected in the main window, as Calculate Output
// does, and lays out its document; the PDF is put in place like the report,
// whole or not at all, never over the loaded input.

#include <string>

#include "commands/session.h"
#include "platform/number_settings.h"

namespace kestal {

enum class DocumentResult {
  Written,          // the PDF is in place, or the document went to the printer
  Cancelled,        // a dialog was cancelled: nothing written or printed
  ImpossibleInput,  // the input describes no real beam: nothing computed
  Failed,           // shown as an error with its reason
};

// Writes the document to `path`.
DocumentResult WriteDocumentPdf(Session& s, const std::string& path, char decimalSign, Paper paper);

// File > Export PDF: the save dialog for a PDF file, then WriteDocumentPdf.
DocumentResult ExportPdf(Session& s, char decimalSign, Paper paper);

// File > Print: the platform's print dialog and printer.
DocumentResult PrintCalculation(Session& s, char decimalSign, Paper paper);

}  // namespace kestal
