#pragma once

// Problems the command-line tests hand to kestal-cli, built the way a user
// builds them in the window.

#include "analysis/gross_section.h"
#include "model/problem_ops.h"
#include "model/units.h"

namespace kestal::test {

inline Problem Start(const char* code, bool metric, ProblemOption type) {
  Problem p;
  ToolTips tips;
  StartUp(p, tips);
  ChooseCode(p, code);
  if (metric) ChooseMetric(p);
  ChooseProblemType(p, type);
  return p;
}

inline void Rectangle(Problem& p, float b, float h, float d) {
  p.SectionType = section::Rectangular;
  p.RecB = b;
  p.RecH = h;
  p.DepthT = d;
  p.SectionDefined = 1;
  GrossSectionProps(p);
}

// The 12 x 24 in "aci" beam, d = 21.5 in, f'c 4000 psi, fy 60000 psi,
// Mu = 250 kip-ft; as a review it carries As = 3 in^2, a service moment of
// 150 kip-ft and Vu = 60 kips.
inline Problem AciBeam(ProblemOption type) {
  Problem p = Start(code::ACI, false, type);
  Rectangle(p, 12, 24, 21.5f);
  p.MomentUlt = 250;
  if (type == ProblemOption::Review) {
    p.TSteelArea = 3;
    p.MomentMax = 150;
    p.ShearUlt = 60;
  }
  return p;
}

}  // namespace kestal::test
