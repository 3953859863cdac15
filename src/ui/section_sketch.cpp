#include "ui/section_sketch.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <vector>

#include "model/input_checks.h"

namespace kestal::ui {

namespace {

// A shape in section units: x across from the centre line, y down from the
// top face.
struct Shape {
  int32_t type = section::Rectangular;
  double b = 0;     // rectangle width, tee or box top flange width
  double h = 0;     // total height
  double htop = 0;  // top flange thickness
  double bweb = 0;  // total web thickness
  double bbot = 0;  // box bottom flange width
  double hbot = 0;  // box bottom flange thickness
  double d = 0;     // depth to the tensile steel
  double dc = 0;    // depth to the compression steel; 0 for none

  double width() const { return std::max(b, bbot); }

  QPainterPath outline() const {
    QPainterPath path;
    if (type == section::Rectangular) {
      path.addRect(QRectF(-b / 2, 0, b, h));
      return path;
    }
    const double bottom = type == section::Box ? bbot : bweb;
    path.addPolygon(QPolygonF({{-b / 2, 0},
                               {b / 2, 0},
                               {b / 2, htop},
                               {bottom / 2, htop},
                               {bottom / 2, h},
                               {-bottom / 2, h},
                               {-bottom / 2, htop},
                               {-b / 2, htop}}));
    path.closeSubpath();
    if (type == section::Box && bbot > bweb) {
      // The void between the two webs, each half the total web thickness.
      path.addRect(QRectF(-bbot / 2 + bweb / 2, htop, bbot - bweb, h - htop - hbot));
    }
    return path;
  }

  // The stretches of concrete across the section at depth y.
  std::vector<std::pair<double, double>> spans(double y) const {
    if (type == section::Rectangular) return {{-b / 2, b / 2}};
    if (y <= htop) return {{-b / 2, b / 2}};
    if (type == section::Tee) return {{-bweb / 2, bweb / 2}};
    if (y >= h - hbot) return {{-bbot / 2, bbot / 2}};
    return {{-bbot / 2, -bbot / 2 + bweb / 2}, {bbot / 2 - bweb / 2, bbot / 2}};
  }
};

Shape Generic(int32_t type) {
  switch (type) {
    case section::Box:
      return {type, 1.2, 0.9, 0.14, 0.3, 0.8, 0.11, 0.83, 0.07};
    case section::Tee:
      return {type, 1.2, 1.0, 0.2, 0.36, 0, 0, 0.88, 0.1};
    default:
      return {section::Rectangular, 0.62, 1.0, 0, 0, 0, 0, 0.88, 0.12};
  }
}

// The entered shape, when its dimensions are all positive and fit together.
std::optional<Shape> Entered(const Problem& p, int32_t type) {
  Shape s;
  s.type = type;
  if (type == section::Rectangular) {
    s.b = p.RecB;
    s.h = p.RecH;
  } else if (type == section::Box) {
    s = {type, p.BoxBtop, p.BoxH, p.BoxHtop, p.BoxBweb, p.BoxBbot, p.BoxHbot, 0, 0};
  } else if (type == section::Tee) {
    s = {type, p.TeeBtop, p.TeeH, p.TeeHtop, p.TeeBweb, 0, 0, 0, 0};
  }
  // The calculations' own rule of a real shape.
  if (!DescribesShape(p, type)) return std::nullopt;
  // Steel outside the section cannot be drawn where it is: the tensile steel
  // then takes its usual place, the compression steel is left out.
  s.d = p.DepthT > 0 && p.DepthT < s.h ? p.DepthT : Generic(type).d / Generic(type).h * s.h;
  s.dc = p.DepthC > 0 && p.DepthC < s.h ? p.DepthC : 0;
  return s;
}

class Drawing {
 public:
  Drawing(QPainter& painter, const QFontMetricsF& fm) : g_(painter), fm_(fm) {}

  // A vertical dimension line from y1 to y2 at x, its letter to the left or
  // the right of it.
  void VDim(double x, double y1, double y2, const QString& text, bool textLeft) {
    const double tick = fm_.height() / 4;
    g_.drawLine(QPointF(x, y1), QPointF(x, y2));
    g_.drawLine(QPointF(x - tick, y1), QPointF(x + tick, y1));
    g_.drawLine(QPointF(x - tick, y2), QPointF(x + tick, y2));
    const double w = fm_.horizontalAdvance(text);
    const double tx = textLeft ? x - tick - 2 - w : x + tick + 2;
    g_.drawText(QRectF(tx, (y1 + y2) / 2 - fm_.height() / 2, w, fm_.height()), Qt::AlignCenter,
                text);
  }

  // A horizontal dimension line from x1 to x2 at y, its letter above or
  // below it.
  void HDim(double y, double x1, double x2, const QString& text, bool textAbove) {
    const double tick = fm_.height() / 4;
    g_.drawLine(QPointF(x1, y), QPointF(x2, y));
    g_.drawLine(QPointF(x1, y - tick), QPointF(x1, y + tick));
    g_.drawLine(QPointF(x2, y - tick), QPointF(x2, y + tick));
    const double ty = textAbove ? y - tick / 2 - fm_.height() : y + tick / 2;
    g_.drawText(QRectF((x1 + x2) / 2 - 50, ty, 100, fm_.height()), Qt::AlignCenter, text);
  }

  // A letter at (x, y) with a leader line back to (fromX, y).
  void Leader(double fromX, double x, double y, const QString& text) {
    g_.drawLine(QPointF(fromX, y), QPointF(x - fm_.averageCharWidth() / 2, y));
    g_.drawText(QRectF(x, y - fm_.height() / 2, fm_.horizontalAdvance(text) + 2, fm_.height()),
                Qt::AlignLeft | Qt::AlignVCenter, text);
  }

 private:
  QPainter& g_;
  const QFontMetricsF& fm_;
};

}  // namespace

SectionSketch::SectionSketch(const Problem& p, QWidget* parent) : QWidget(parent), p_(p) {
  setObjectName("imgCurrentSection");
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SectionSketch::ShowShape(int32_t sectionType) {
  if (sectionType < section::Rectangular || sectionType > section::Tee) return;
  shape_ = sectionType;
  update();
}

bool SectionSketch::toScale() const {
  return Entered(p_, shape_).has_value();
}

QSize SectionSketch::sizeHint() const {
  return QSize(fontMetrics().height() * 15, fontMetrics().height() * 15);
}

QSize SectionSketch::minimumSizeHint() const {
  return QSize(fontMetrics().height() * 11, fontMetrics().height() * 11);
}

void SectionSketch::paintEvent(QPaintEvent*) {
  const Shape s = Entered(p_, shape_).value_or(Generic(shape_));
  QPainter g(this);
  g.setRenderHint(QPainter::Antialiasing);
  const QFontMetricsF fm(font());
  const QColor ink = palette().color(QPalette::WindowText);

  // Margins for the dimension lines: d and d' on the left; the letters of
  // the steel (and of the box webs), the flange thicknesses and H on the
  // right; the widths above and below.
  const double gap = fm.height() / 2;
  auto column = [&](const char* letter) { return fm.horizontalAdvance(letter) + gap + 2; };
  const bool flanged = s.type != section::Rectangular;
  const double labels = fm.horizontalAdvance(s.type == section::Box ? "Bweb" : "As'") + 2 * gap;
  const double left = column("D") + (s.dc > 0 ? column("D'") : 0) + gap;
  const double right = labels + (flanged ? column("Htop") : 0) + column("H");
  const double top = 1.5 * fm.height() + gap;
  const double bottom = 1.5 * fm.height() + gap;
  const QRectF area = QRectF(rect()).adjusted(left, top, -right, -bottom);
  if (area.width() <= 0 || area.height() <= 0) return;
  const double scale = std::min(area.width() / s.width(), area.height() / s.h);
  const double cx = area.center().x();
  const double y0 = area.center().y() - s.h * scale / 2;
  auto X = [&](double x) { return cx + x * scale; };
  auto Y = [&](double y) { return y0 + y * scale; };

  QTransform toWidget;
  toWidget.translate(cx, y0);
  toWidget.scale(scale, scale);
  QColor fill = ink;
  fill.setAlpha(28);
  g.setPen(QPen(ink, 1.5));
  g.setBrush(fill);
  QPainterPath outline = toWidget.map(s.outline());
  outline.setFillRule(Qt::OddEvenFill);
  g.drawPath(outline);

  Drawing dims(g, fm);
  g.setPen(QPen(ink, 1));
  const double xLeft = X(-s.width() / 2);
  const double xRight = X(s.width() / 2);
  const double labelX = xRight + gap;
  const double innerRight = xRight + labels;
  const double outerRight = innerRight + (flanged ? column("Htop") : 0);

  // The bars: a row across each stretch of concrete, its letter beside it.
  const double radius = std::clamp(scale * s.h / 45, 2.5, fm.height() / 3);
  auto bars = [&](double depth, const QString& letter) {
    double lastX = xLeft;
    for (const auto& [from, to] : s.spans(depth)) {
      const double x1 = X(from) + 2.5 * radius;
      const double x2 = X(to) - 2.5 * radius;
      const int count =
          x2 > x1 ? std::clamp(static_cast<int>((x2 - x1) / (4 * radius)) + 1, 2, 6) : 1;
      for (int i = 0; i < count; ++i) {
        const double x = count == 1 ? (x1 + x2) / 2 : x1 + (x2 - x1) * i / (count - 1);
        g.setBrush(ink);
        g.drawEllipse(QPointF(x, Y(depth)), radius, radius);
        lastX = x + radius;
      }
    }
    g.setBrush(Qt::NoBrush);
    dims.Leader(lastX + radius, labelX, Y(depth), letter);
  };
  bars(s.d, "As");
  if (s.dc > 0) {
    bars(s.dc, "As'");
    dims.VDim(xLeft - gap, Y(0), Y(s.dc), "D'", true);
    dims.VDim(xLeft - gap - column("D'"), Y(0), Y(s.d), "D", true);
  } else {
    dims.VDim(xLeft - gap, Y(0), Y(s.d), "D", true);
  }

  const double above = Y(0) - gap;
  const double below = Y(s.h) + gap;
  dims.VDim(outerRight, Y(0), Y(s.h), "H", false);
  switch (s.type) {
    case section::Rectangular:
      dims.HDim(above, X(-s.b / 2), X(s.b / 2), "B", true);
      break;
    case section::Tee:
      dims.HDim(above, X(-s.b / 2), X(s.b / 2), "B", true);
      dims.VDim(innerRight, Y(0), Y(s.htop), "Htop", false);
      dims.HDim(below, X(-s.bweb / 2), X(s.bweb / 2), "Bweb", false);
      break;
    case section::Box: {
      dims.HDim(above, X(-s.b / 2), X(s.b / 2), "Btop", true);
      dims.VDim(innerRight, Y(0), Y(s.htop), "Htop", false);
      dims.VDim(innerRight, Y(s.h - s.hbot), Y(s.h), "Hbot", false);
      dims.HDim(below, X(-s.bbot / 2), X(s.bbot / 2), "Bbot", false);
      const double webMiddle = (s.htop + s.h - s.hbot) / 2;
      dims.Leader(X(s.bbot / 2 - s.bweb / 4), labelX, Y(webMiddle), "Bweb");
      break;
    }
    default:
      break;
  }
}

}  // namespace kestal::ui
