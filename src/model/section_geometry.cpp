#include "model/section_geometry.h"

#include <algorithm>

#include "model/input_checks.h"

namespace kestal {

double SectionGeometry::width() const {
  return std::max(b, bbot);
}

std::vector<std::vector<Pt>> SectionGeometry::rings() const {
  if (type == section::Rectangular) {
    return {{{-b / 2, 0}, {b / 2, 0}, {b / 2, h}, {-b / 2, h}}};
  }
  const double bottom = type == section::Box ? bbot : bweb;
  std::vector<std::vector<Pt>> result = {{{-b / 2, 0},
                                          {b / 2, 0},
                                          {b / 2, htop},
                                          {bottom / 2, htop},
                                          {bottom / 2, h},
                                          {-bottom / 2, h},
                                          {-bottom / 2, htop},
                                          {-b / 2, htop}}};
  if (type == section::Box && bbot > bweb) {
    // The void between the two webs, each half the total web thickness.
    const double x = bbot / 2 - bweb / 2;
    const double y2 = h - hbot;
    result.push_back({{-x, htop}, {x, htop}, {x, y2}, {-x, y2}});
  }
  return result;
}

std::vector<std::pair<double, double>> SectionGeometry::spans(double y) const {
  if (type == section::Rectangular) return {{-b / 2, b / 2}};
  if (y <= htop) return {{-b / 2, b / 2}};
  if (type == section::Tee) return {{-bweb / 2, bweb / 2}};
  if (y >= h - hbot) return {{-bbot / 2, bbot / 2}};
  return {{-bbot / 2, -bbot / 2 + bweb / 2}, {bbot / 2 - bweb / 2, bbot / 2}};
}

SectionGeometry GenericSection(int32_t type) {
  switch (type) {
    case section::Box:
      return {type, 1.2, 0.9, 0.14, 0.3, 0.8, 0.11, 0.83, 0.07};
    case section::Tee:
      return {type, 1.2, 1.0, 0.2, 0.36, 0, 0, 0.88, 0.1};
    default:
      return {section::Rectangular, 0.62, 1.0, 0, 0, 0, 0, 0.88, 0.12};
  }
}

std::optional<SectionGeometry> EnteredSection(const Problem& p, int32_t type) {
  // The calculations' own rule of a real shape.
  if (!DescribesShape(p, type)) return std::nullopt;
  SectionGeometry s;
  if (type == section::Rectangular) {
    s = {type, p.RecB, p.RecH, 0, 0, 0, 0, 0, 0};
  } else if (type == section::Box) {
    s = {type, p.BoxBtop, p.BoxH, p.BoxHtop, p.BoxBweb, p.BoxBbot, p.BoxHbot, 0, 0};
  } else {
    s = {type, p.TeeBtop, p.TeeH, p.TeeHtop, p.TeeBweb, 0, 0, 0, 0};
  }
  const SectionGeometry generic = GenericSection(type);
  s.d = p.DepthT > 0 && p.DepthT < s.h ? p.DepthT : generic.d / generic.h * s.h;
  s.dc = p.DepthC > 0 && p.DepthC < s.h ? p.DepthC : 0;
  return s;
}

}  // namespace kestal
