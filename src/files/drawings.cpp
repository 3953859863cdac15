#include "files/drawings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "files/checks.h"

namespace kestal {

namespace {

class Dimensions {
 public:
  Dimensions(Picture& picture, const TextMetrics& fm, double size)
      : g_(picture), fm_(fm), size_(size) {}

  void Line(Pt a, Pt b, double pen = 1) { g_.lines.push_back({a, b, pen}); }

  void Text(Rect box, TextAlign align, const std::string& text) {
    g_.texts.push_back({box, align, text, size_, TextFont::Sans});
  }

  // A vertical dimension line from y1 to y2 at x, its text to the left or
  // the right of it.
  void VDim(double x, double y1, double y2, const std::string& text, bool textLeft) {
    const double tick = fm_.height / 4;
    Line({x, y1}, {x, y2});
    Line({x - tick, y1}, {x + tick, y1});
    Line({x - tick, y2}, {x + tick, y2});
    const double w = fm_.width(text);
    const double tx = textLeft ? x - tick - 2 - w : x + tick + 2;
    Text({tx, (y1 + y2) / 2 - fm_.height / 2, w, fm_.height}, TextAlign::Center, text);
  }

  // A horizontal dimension line from x1 to x2 at y, its text above or below
  // it.
  void HDim(double y, double x1, double x2, const std::string& text, bool textAbove) {
    const double tick = fm_.height / 4;
    Line({x1, y}, {x2, y});
    Line({x1, y - tick}, {x1, y + tick});
    Line({x2, y - tick}, {x2, y + tick});
    const double ty = textAbove ? y - tick / 2 - fm_.height : y + tick / 2;
    const double w = std::max(100.0, fm_.width(text) + 4);
    Text({(x1 + x2) / 2 - w / 2, ty, w, fm_.height}, TextAlign::Center, text);
  }

  // A text at (x, y) with a leader line back to (fromX, y).
  void Leader(double fromX, double x, double y, const std::string& text) {
    Line({fromX, y}, {x - fm_.height / 4, y});
    Text({x, y - fm_.height / 2, fm_.width(text) + 2, fm_.height}, TextAlign::Left, text);
  }

  // An arrow from `from` to `to`, its head at `to`.
  void Arrow(Pt from, Pt to) {
    Line(from, to, 1.5);
    const double len = std::hypot(to.x - from.x, to.y - from.y);
    if (len <= 0) return;
    const double ux = (to.x - from.x) / len;
    const double uy = (to.y - from.y) / len;
    const double head = fm_.height / 2.5;
    Line(to, {to.x - head * ux + head / 2 * uy, to.y - head * uy - head / 2 * ux}, 1.5);
    Line(to, {to.x - head * ux - head / 2 * uy, to.y - head * uy + head / 2 * ux}, 1.5);
  }

 private:
  Picture& g_;
  const TextMetrics& fm_;
  double size_;
};

}  // namespace

std::string DimensionNumber(double v, char sign) {
  if (std::fabs(v) >= 1e4 && std::fabs(v) < 1e12) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", v);
    return text;
  }
  return CheckNumber(v, 4, sign);
}

std::optional<SectionLayout> LaySection(const SectionGeometry& s, Rect area, const TextMetrics& fm,
                                        const LabelText& label, double textSize) {
  // Margins for the dimension lines: d and d' on the left; the texts of the
  // steel (and of the box webs), the flange thicknesses and H on the right;
  // the widths above and below.
  const double gap = fm.height / 2;
  auto column = [&](const std::string& text) { return fm.width(text) + gap + 2; };
  const bool flanged = s.type != section::Rectangular;
  const bool box = s.type == section::Box;
  double leaders = fm.width(label("As"));
  if (s.dc > 0) leaders = std::max(leaders, fm.width(label("As'")));
  if (box) leaders = std::max(leaders, fm.width(label("Bweb")));
  // The window's sketch keeps its room for the letters whatever it shows.
  leaders = std::max(leaders, fm.width(box ? "Bweb" : "As'"));
  const double labels = leaders + 2 * gap;
  const double flangeColumn =
      flanged ? std::max(column(label("Htop")), box ? column(label("Hbot")) : 0.0) : 0.0;
  const double left = column(label("D")) + (s.dc > 0 ? column(label("D'")) : 0) + gap;
  const double right = labels + flangeColumn + column(label("H"));
  const double top = 1.5 * fm.height + gap;
  const double bottom = 1.5 * fm.height + gap;
  const Rect inner{area.x + left, area.y + top, area.w - left - right, area.h - top - bottom};
  if (inner.w <= 0 || inner.h <= 0 || s.width() <= 0 || s.h <= 0) return std::nullopt;

  SectionLayout layout;
  const double scale = std::min(inner.w / s.width(), inner.h / s.h);
  const double cx = inner.x + inner.w / 2;
  const double y0 = inner.y + inner.h / 2 - s.h * scale / 2;
  layout.centreX = cx;
  layout.topY = y0;
  layout.scale = scale;
  auto X = [&](double x) { return cx + x * scale; };
  auto Y = [&](double y) { return y0 + y * scale; };

  Picture& g = layout.picture;
  Picture::Outline outline;
  for (const std::vector<Pt>& ring : s.rings()) {
    std::vector<Pt> placed;
    for (const Pt& q : ring) placed.push_back({X(q.x), Y(q.y)});
    outline.rings.push_back(placed);
  }
  outline.pen = 1.5;
  outline.fillAlpha = 28;
  g.outlines.push_back(outline);

  Dimensions dims(g, fm, textSize);
  const double xLeft = X(-s.width() / 2);
  const double xRight = X(s.width() / 2);
  const double labelX = xRight + gap;
  const double innerRight = xRight + labels;
  const double outerRight = innerRight + flangeColumn;

  // The bars: a row across each stretch of concrete, its text beside it.
  const double radius = std::clamp(scale * s.h / 45, 2.5, fm.height / 3);
  auto bars = [&](double depth, const std::string& letter) {
    double lastX = xLeft;
    for (const auto& [from, to] : s.spans(depth)) {
      const double x1 = X(from) + 2.5 * radius;
      const double x2 = X(to) - 2.5 * radius;
      const int count =
          x2 > x1 ? std::clamp(static_cast<int>((x2 - x1) / (4 * radius)) + 1, 2, 6) : 1;
      for (int i = 0; i < count; ++i) {
        const double x = count == 1 ? (x1 + x2) / 2 : x1 + (x2 - x1) * i / (count - 1);
        g.circles.push_back({{x, Y(depth)}, radius, true});
        lastX = x + radius;
      }
    }
    dims.Leader(lastX + radius, labelX, Y(depth), label(letter));
  };
  bars(s.d, "As");
  if (s.dc > 0) {
    bars(s.dc, "As'");
    dims.VDim(xLeft - gap, Y(0), Y(s.dc), label("D'"), true);
    dims.VDim(xLeft - gap - column(label("D'")), Y(0), Y(s.d), label("D"), true);
  } else {
    dims.VDim(xLeft - gap, Y(0), Y(s.d), label("D"), true);
  }

  const double above = Y(0) - gap;
  const double below = Y(s.h) + gap;
  dims.VDim(outerRight, Y(0), Y(s.h), label("H"), false);
  switch (s.type) {
    case section::Rectangular:
      dims.HDim(above, X(-s.b / 2), X(s.b / 2), label("B"), true);
      break;
    case section::Tee:
      dims.HDim(above, X(-s.b / 2), X(s.b / 2), label("B"), true);
      dims.VDim(innerRight, Y(0), Y(s.htop), label("Htop"), false);
      dims.HDim(below, X(-s.bweb / 2), X(s.bweb / 2), label("Bweb"), false);
      break;
    case section::Box: {
      dims.HDim(above, X(-s.b / 2), X(s.b / 2), label("Btop"), true);
      dims.VDim(innerRight, Y(0), Y(s.htop), label("Htop"), false);
      dims.VDim(innerRight, Y(s.h - s.hbot), Y(s.h), label("Hbot"), false);
      dims.HDim(below, X(-s.bbot / 2), X(s.bbot / 2), label("Bbot"), false);
      const double webMiddle = (s.htop + s.h - s.hbot) / 2;
      dims.Leader(X(s.bbot / 2 - s.bweb / 4), labelX, Y(webMiddle), label("Bweb"));
      break;
    }
    default:
      break;
  }
  return layout;
}

Picture LayUltimateState(const UltimateState& u, const SectionLayout& section, double h, Rect area,
                         const TextMetrics& fm, double textSize, const std::string& length,
                         const std::string& force, const std::string& stress) {
  Picture g;
  Dimensions dims(g, fm, textSize);
  auto Y = [&](double y) { return section.topY + y * section.scale; };
  auto num = [](double v) { return DimensionNumber(v); };
  const double gap = fm.height / 2;
  const double half = area.w / 2;

  // The strain diagram: zero on its axis, compression to the left, the
  // same strain scale on both sides of the neutral axis.
  const double strainWidth = half - 2 * gap;
  const double k = strainWidth / (u.ecu + std::max(u.et, 0.0));
  const double axis = area.x + gap + u.ecu * k;
  dims.Line({axis, Y(0)}, {axis, Y(h)});
  Picture::Outline strain;
  strain.rings.push_back({{axis, Y(0)},
                          {axis - u.ecu * k, Y(0)},
                          {axis + std::max(u.et, 0.0) * k, Y(u.d)},
                          {axis, Y(u.d)}});
  strain.fillAlpha = 40;
  g.outlines.push_back(strain);
  // Titles and values above each diagram, a line each.
  auto above = [&](double x, int line, const std::string& text) {
    dims.Text({x, Y(0) - (1.4 + 1.2 * line) * fm.height, half + gap, fm.height}, TextAlign::Left,
              text);
  };
  // The strain's values above its diagram: the neutral axis lies anywhere,
  // even below the section.
  const int titleLine = 3;
  above(area.x, titleLine, "Strain");
  above(area.x, titleLine - 1, "εcu = " + num(u.ecu));
  above(area.x, titleLine - 2, "c = " + num(u.c) + " " + length);
  if (u.Cs > 0) above(area.x, titleLine - 3, "εs' = " + num(u.esc) + " at d'");
  // Below the steel's depth; above it when the neutral axis lies below.
  dims.Text(
      {area.x, u.c >= u.d ? Y(u.d) - fm.height - gap / 2 : Y(u.d) + gap / 2, half - gap, fm.height},
      TextAlign::Right, "εt = " + num(u.et));
  // The neutral axis across the strain diagram, where it is within the
  // section.
  if (u.c <= h) dims.Line({area.x, Y(u.c)}, {area.x + half - gap, Y(u.c)}, 0.5);

  // The stress block and the forces, the compression's resultant at d - z.
  const double block = area.w / 9;
  const double face = area.x + half + block + 3 * gap;
  dims.Line({face, Y(0)}, {face, Y(h)});
  Picture::Outline stressBlock;
  stressBlock.rings.push_back(
      {{face, Y(0)}, {face - block, Y(0)}, {face - block, Y(u.a)}, {face, Y(u.a)}});
  stressBlock.fillAlpha = 40;
  g.outlines.push_back(stressBlock);
  const double stressX = face - block - gap;
  above(stressX, titleLine, "Stress and forces");
  above(stressX, titleLine - 1,
        "a = " + num(u.a) + " " + length + " at " + num(u.blockStress) + " " + stress);
  above(stressX, titleLine - 2, "z = " + num(u.z) + " " + length);
  if (u.Cs > 0) above(stressX, titleLine - 3, "Cs = " + num(u.Cs) + " " + force + " at d'");
  dims.VDim(face - block - gap, Y(0), Y(u.a), "a", true);
  const double arrow = area.w / 10;
  const double yc = u.d - u.z;
  dims.Arrow({face + arrow, Y(yc)}, {face, Y(yc)});
  // The compression's label clear of the tension's however short z is.
  const double cLabel = std::min(Y(yc), Y(u.d) - 1.1 * fm.height) - fm.height / 2;
  dims.Text({face + arrow + gap / 2, cLabel, half, fm.height}, TextAlign::Left,
            (u.Cs > 0 ? "ΣC = " : "C = ") + num(u.C + u.Cs) + " " + force);
  dims.Arrow({face, Y(u.d)}, {face + arrow, Y(u.d)});
  dims.Text({face + arrow + gap / 2, Y(u.d) - fm.height / 2, half, fm.height}, TextAlign::Left,
            "T = " + num(u.T) + " " + force);
  dims.VDim(face + arrow * 0.55, Y(yc), Y(u.d), "z", false);
  return g;
}

}  // namespace kestal
