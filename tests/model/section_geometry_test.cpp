// The section as drawn, in its own units: the outline of each shape with
// the void of a box, the stretches of concrete a row of bars crosses, and
// where steel outside the section is drawn.

#include "model/section_geometry.h"

#include <gtest/gtest.h>

#include "model/problem_ops.h"

namespace kestal {
namespace {

Problem Started() {
  Problem p;
  ToolTips tips;
  StartUp(p, tips);
  return p;
}

using Ring = std::vector<Pt>;

TEST(SectionGeometry, OutlinesSpansAndSteelOfEachShape) {
  Problem p = Started();
  p.TeeBtop = 96, p.TeeH = 45, p.TeeHtop = 8.5f, p.TeeBweb = 18, p.DepthT = 40.5f;
  const SectionGeometry tee = *EnteredSection(p, section::Tee);
  EXPECT_EQ(
      tee.rings(),
      (std::vector<Ring>{
          {{-48, 0}, {48, 0}, {48, 8.5}, {9, 8.5}, {9, 45}, {-9, 45}, {-9, 8.5}, {-48, 8.5}}}));
  EXPECT_EQ(tee.spans(4), (std::vector<std::pair<double, double>>{{-48, 48}}));
  EXPECT_EQ(tee.spans(40.5), (std::vector<std::pair<double, double>>{{-9, 9}}));
  EXPECT_EQ(tee.d, 40.5);

  p.BoxBtop = 1500, p.BoxH = 1400, p.BoxHtop = 200, p.BoxBweb = 400, p.BoxBbot = 1200,
  p.BoxHbot = 175, p.DepthT = 1300, p.DepthC = 100;
  const SectionGeometry box = *EnteredSection(p, section::Box);
  EXPECT_EQ(box.width(), 1500);
  EXPECT_EQ(box.rings(), (std::vector<Ring>{{{-750, 0},
                                             {750, 0},
                                             {750, 200},
                                             {600, 200},
                                             {600, 1400},
                                             {-600, 1400},
                                             {-600, 200},
                                             {-750, 200}},
                                            {{-400, 200}, {400, 200}, {400, 1225}, {-400, 1225}}}));
  // Through the two webs, each half the total thickness; the bottom flange.
  EXPECT_EQ(box.spans(700), (std::vector<std::pair<double, double>>{{-600, -400}, {400, 600}}));
  EXPECT_EQ(box.spans(1300), (std::vector<std::pair<double, double>>{{-600, 600}}));
  EXPECT_EQ(box.dc, 100);

  // Steel outside the section: the tensile steel where a generic section
  // has it (0.88 h), no compression steel.
  p.RecB = 12, p.RecH = 24, p.DepthT = 30, p.DepthC = 24;
  const SectionGeometry rect = *EnteredSection(p, section::Rectangular);
  EXPECT_EQ(rect.rings(), (std::vector<Ring>{{{-6, 0}, {6, 0}, {6, 24}, {-6, 24}}}));
  EXPECT_NEAR(rect.d, 0.88 * 24, 1e-9);
  EXPECT_EQ(rect.dc, 0);
  // A flange thicker than the height is no shape.
  p.TeeHtop = 50;
  EXPECT_FALSE(EnteredSection(p, section::Tee).has_value());
}

}  // namespace
}  // namespace kestal
