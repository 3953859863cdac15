#include "ui/stress_diagram.h"

#include <QPainter>
#include <QPainterPath>
#include <QStaticText>

namespace kestal::ui {

namespace {

// Text with subscripts, placed by one of its corners or edges.
void DrawText(QPainter& g, QPointF at, const QString& html, Qt::Alignment align) {
  QStaticText text(html);
  text.setTextFormat(Qt::RichText);
  text.prepare(g.transform(), g.font());
  const QSizeF size = text.size();
  QPointF topLeft = at;
  if (align & Qt::AlignRight) topLeft.rx() -= size.width();
  if (align & Qt::AlignHCenter) topLeft.rx() -= size.width() / 2;
  if (align & Qt::AlignBottom) topLeft.ry() -= size.height();
  if (align & Qt::AlignVCenter) topLeft.ry() -= size.height() / 2;
  g.drawStaticText(topLeft, text);
}

void Arrow(QPainter& g, QPointF from, QPointF to, double head) {
  g.drawLine(from, to);
  const double dir = to.x() > from.x() ? -1 : 1;
  g.drawLine(to, to + QPointF(dir * head, -head / 2));
  g.drawLine(to, to + QPointF(dir * head, head / 2));
}

}  // namespace

StressDiagram::StressDiagram(QWidget* parent) : QWidget(parent) {
  setObjectName("picStress");
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize StressDiagram::sizeHint() const {
  const int line = fontMetrics().height();
  return QSize(line * 26, line * 12);
}

QSize StressDiagram::minimumSizeHint() const {
  return sizeHint();
}

void StressDiagram::paintEvent(QPaintEvent*) {
  QPainter g(this);
  g.setRenderHint(QPainter::Antialiasing);
  const QColor ink = palette().color(QPalette::WindowText);
  const QFontMetricsF fm(font());
  const double line = fm.height();
  const double panel = width() / 3.0;

  // Common heights: captions on top, the section below them, its bars at d.
  const double top = 2.7 * line;
  const double bottom = height() - 0.8 * line;
  const double depth = bottom - top;
  const double d = top + depth * 0.82;
  const double c = top + depth * 0.36;  // neutral axis
  const double a = top + depth * 0.29;  // block depth beta1 c

  QFont caption = font();
  caption.setBold(true);
  g.setFont(caption);
  g.setPen(ink);
  const char* captions[] = {"SECTION", "STRAIN", "STRESS"};
  for (int i = 0; i < 3; ++i) {
    g.drawText(QRectF(i * panel, 0, panel, line * 1.2), Qt::AlignCenter, captions[i]);
  }
  g.setFont(font());

  // Section: width b, effective depth d, a row of bars.
  const double bw = std::min(panel * 0.42, depth * 0.7);
  const double sx = panel * 0.5 - bw / 2;
  QColor fill = ink;
  fill.setAlpha(28);
  g.setPen(QPen(ink, 1.5));
  g.setBrush(fill);
  g.drawRect(QRectF(sx, top, bw, depth));
  g.setBrush(ink);
  const double r = std::max(2.0, line / 5);
  for (int i = 0; i < 4; ++i) g.drawEllipse(QPointF(sx + bw * (0.2 + 0.2 * i), d), r, r);
  g.setBrush(Qt::NoBrush);
  g.setPen(QPen(ink, 1));
  const double by = top - line * 0.35;
  g.drawLine(QPointF(sx, by), QPointF(sx + bw, by));
  g.drawLine(QPointF(sx, by - 3), QPointF(sx, by + 3));
  g.drawLine(QPointF(sx + bw, by - 3), QPointF(sx + bw, by + 3));
  DrawText(g, QPointF(sx + bw / 2, by), "b", Qt::AlignHCenter | Qt::AlignBottom);
  const double dx = sx - line * 0.5;
  g.drawLine(QPointF(dx, top), QPointF(dx, d));
  g.drawLine(QPointF(dx - 3, top), QPointF(dx + 3, top));
  g.drawLine(QPointF(dx - 3, d), QPointF(dx + 3, d));
  DrawText(g, QPointF(dx - 3, (top + d) / 2), "d", Qt::AlignRight | Qt::AlignVCenter);

  // Strain: linear from epsilon at the top face through zero at c.
  const double x0 = panel + panel * 0.45;
  const double eps = panel * 0.28;
  g.setPen(QPen(ink, 1));
  g.drawLine(QPointF(x0, top), QPointF(x0, bottom));
  const double below = (d - c) / (c - top) * eps;
  QPainterPath strain;
  strain.moveTo(x0, top);
  strain.lineTo(x0 - eps, top);
  strain.lineTo(x0 + below, d);
  strain.lineTo(x0, d);
  g.setBrush(fill);
  g.setPen(QPen(ink, 1.5));
  g.drawPath(strain);
  g.setBrush(Qt::NoBrush);
  g.setPen(QPen(ink, 1, Qt::DashLine));
  g.drawLine(QPointF(panel + line * 0.3, c), QPointF(2 * panel - line * 0.3, c));
  g.setPen(ink);
  DrawText(g, QPointF(x0 - eps / 2, top - 2), "ε", Qt::AlignHCenter | Qt::AlignBottom);
  const double cx = x0 + panel * 0.3;
  g.drawLine(QPointF(cx, top), QPointF(cx, c));
  g.drawLine(QPointF(cx - 3, top), QPointF(cx + 3, top));
  g.drawLine(QPointF(cx - 3, c), QPointF(cx + 3, c));
  DrawText(g, QPointF(cx + 3, (top + c) / 2), "c", Qt::AlignLeft | Qt::AlignVCenter);

  // Stress: the block of depth a = beta1 c and stress alpha1 phic f'c; the
  // steel force phir fy at the bars.
  const double x1 = 2 * panel + panel * 0.3;
  const double block = panel * 0.22;
  g.setPen(QPen(ink, 1));
  g.drawLine(QPointF(x1, top), QPointF(x1, bottom));
  g.setBrush(fill);
  g.setPen(QPen(ink, 1.5));
  g.drawRect(QRectF(x1 - block, top, block, a - top));
  g.setBrush(Qt::NoBrush);
  g.setPen(ink);
  DrawText(g, QPointF(x1 + 4, top), "σ<sub>c</sub> = α<sub>1</sub> φ<sub>c</sub> f'<sub>c</sub>",
           Qt::AlignLeft | Qt::AlignTop);
  DrawText(g, QPointF(x1 + 4, a), "a = β<sub>1</sub> c", Qt::AlignLeft | Qt::AlignVCenter);
  g.drawLine(QPointF(x1 - block - 4, a), QPointF(x1 + 2, a));
  Arrow(g, QPointF(x1, d), QPointF(x1 + panel * 0.3, d), line / 2);
  DrawText(g, QPointF(x1 + 4, d + 2), "σ<sub>r</sub> = φ<sub>r</sub> f<sub>y</sub>",
           Qt::AlignLeft | Qt::AlignTop);
}

}  // namespace kestal::ui
