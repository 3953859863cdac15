#pragma once

// The pages of a document painted by Qt: as the bytes of a PDF file, or on
// any paged device (a printer), each page of the layout scaled from points
// to the device.

#include <QPagedPaintDevice>
#include <optional>
#include <string>

#include "model/picture.h"

namespace kestal {

// Paints every page on `device` from its paper's corner (a printer prints
// the full page), starting a new device page for each after the first.
// False when the device cannot be painted on.
bool PaintDocument(QPagedPaintDevice& device, const PagedDocument& doc);

// The document as a PDF file; nothing, with `error` saying why, when it
// cannot be made. Needs a QGuiApplication.
std::optional<std::string> PdfOfDocument(const PagedDocument& doc, std::string& error);

}  // namespace kestal
