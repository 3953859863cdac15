#include "platform/qt_picture.h"

#include <QPainter>
#include <QPainterPath>

namespace kestal {

TextMetrics MetricsOf(const QFont& font) {
  const QFontMetricsF fm(font);
  return {fm.height(), [fm](const std::string& text) {
            return fm.horizontalAdvance(QString::fromStdString(text));
          }};
}

QFont PictureFont(TextFont kind, double size) {
  QFont font(kind == TextFont::Mono ? "DejaVu Sans Mono" : "DejaVu Sans");
  font.setStyleHint(kind == TextFont::Mono ? QFont::TypeWriter : QFont::SansSerif);
  if (kind == TextFont::SansBold) font.setBold(true);
  // No ligatures: the text of a PDF is searched and copied ("defined", not
  // "de\ufb01ned").
  font.setStyleStrategy(QFont::PreferNoShaping);
  font.setPointSizeF(size);
  return font;
}

void PaintPicture(QPainter& g, const Picture& picture, const QColor& ink) {
  g.save();
  g.setRenderHint(QPainter::Antialiasing);
  for (const Picture::Outline& o : picture.outlines) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const std::vector<Pt>& ring : o.rings) {
      QPolygonF polygon;
      for (const Pt& q : ring) polygon << QPointF(q.x, q.y);
      path.addPolygon(polygon);
      path.closeSubpath();
    }
    QColor fill = ink;
    fill.setAlpha(o.fillAlpha);
    g.setPen(QPen(ink, o.pen));
    g.setBrush(o.fillAlpha > 0 ? QBrush(fill) : QBrush(Qt::NoBrush));
    g.drawPath(path);
  }
  for (const Picture::Line& l : picture.lines) {
    g.setPen(QPen(ink, l.pen));
    g.drawLine(QPointF(l.from.x, l.from.y), QPointF(l.to.x, l.to.y));
  }
  g.setPen(QPen(ink, 1));
  for (const Picture::Circle& c : picture.circles) {
    g.setBrush(c.filled ? QBrush(ink) : QBrush(Qt::NoBrush));
    g.drawEllipse(QPointF(c.centre.x, c.centre.y), c.radius, c.radius);
  }
  g.setBrush(Qt::NoBrush);
  const QFont base = g.font();
  // A text's size is in the picture's units: the device's resolution and
  // the painter's scale both enlarge a font's points.
  const double points = g.device() != nullptr ? 72.0 / g.device()->logicalDpiY() : 1.0;
  for (const Picture::Text& t : picture.texts) {
    g.setFont(t.size > 0 ? PictureFont(t.font, t.size * points) : base);
    const Qt::Alignment align = (t.align == TextAlign::Left    ? Qt::AlignLeft
                                 : t.align == TextAlign::Right ? Qt::AlignRight
                                                               : Qt::AlignHCenter) |
                                Qt::AlignVCenter;
    g.drawText(QRectF(t.box.x, t.box.y, t.box.w, t.box.h), align | Qt::TextDontClip,
               QString::fromStdString(t.text));
  }
  g.setFont(base);
  g.restore();
}

}  // namespace kestal
