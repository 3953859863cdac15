#pragma once

// The shape of the section in its own units, as drawn: x across from the
// centre line, y down from the top face, with the depths of the steel.

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "model/picture.h"
#include "model/problem.h"

namespace kestal {

struct SectionGeometry {
  int32_t type = section::Rectangular;
  double b = 0;     // rectangle width, tee or box top flange width
  double h = 0;     // total height
  double htop = 0;  // top flange thickness
  double bweb = 0;  // total web thickness
  double bbot = 0;  // box bottom flange width
  double hbot = 0;  // box bottom flange thickness
  double d = 0;     // depth to the tensile steel
  double dc = 0;    // depth to the compression steel; 0 for none

  double width() const;
  // The outer ring, and for a box with a void the void's ring.
  std::vector<std::vector<Pt>> rings() const;
  // The stretches of concrete across the section at depth y, left to right.
  std::vector<std::pair<double, double>> spans(double y) const;
};

// A shape of each type in generic proportions, for a section not entered.
SectionGeometry GenericSection(int32_t type);

// The entered section of type `type`, when its dimensions are all entered
// and describe a real shape. Steel outside the section cannot be drawn
// where it is: the tensile steel then takes its usual place, the
// compression steel is left out.
std::optional<SectionGeometry> EnteredSection(const Problem& p, int32_t type);

}  // namespace kestal
