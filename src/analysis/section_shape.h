#pragma once

#include "model/problem.h"

namespace kestal {

// The widths and depths of the current shape that the cracked-section and
// flexure calculations share: the compression width b (whole top width), the
// web width bw, the top flange thickness hf and the total height h. Only the
// box and the tee have a web and a flange; `known` is false for a section
// type outside the three shapes, whose steps are then skipped.
struct SectionShape {
  bool known = false;
  bool flanged = false;
  float b = 0;
  float bw = 0;
  float hf = 0;
  float h = 0;
};

inline SectionShape ShapeOf(const Problem& p) {
  switch (p.SectionType) {
    case section::Rectangular:
      return {true, false, p.RecB, p.RecB, 0, p.RecH};
    case section::Box:
      return {true, true, p.BoxBtop, p.BoxBweb, p.BoxHtop, p.BoxH};
    case section::Tee:
      return {true, true, p.TeeBtop, p.TeeBweb, p.TeeHtop, p.TeeH};
    default:
      return {};
  }
}

}  // namespace kestal
