#include "platform/qt_document.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "platform/qt_picture.h"

namespace kestal {

bool PaintDocument(QPagedPaintDevice& device, const PagedDocument& doc) {
  QPainter g;
  if (!g.begin(&device)) return false;
  // Points to device pixels; the layout's origin is the paper's corner.
  const double scale = device.logicalDpiX() / 72.0;
  for (std::size_t i = 0; i < doc.pages.size(); ++i) {
    if (i > 0 && !device.newPage()) return false;
    g.save();
    g.scale(scale, scale);
    PaintPicture(g, doc.pages[i], Qt::black);
    g.restore();
  }
  return g.end();
}

std::optional<std::string> PdfOfDocument(const PagedDocument& doc, std::string& error) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setResolution(300);
    pdf.setTitle(QString::fromStdString(doc.title));
    pdf.setCreator("KESTAL");
    pdf.setPageSize(doc.paperName == "Letter" ? QPageSize(QPageSize::Letter)
                                              : QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    if (!PaintDocument(pdf, doc)) {
      error = "the PDF pages could not be painted";
      return std::nullopt;
    }
  }
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace kestal
