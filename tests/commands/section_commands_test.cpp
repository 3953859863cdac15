#include "commands/section_commands.h"

#include <gtest/gtest.h>

#include "bench.h"

namespace kestal::test {
namespace {

const PlatformEvent kIncomplete = PlatformEvent::Message("Incomplete information", Icon::None);

TEST(InvertSection, RefreshesOrReportsAnOverflow) {
  Bench b;
  b.p.RecH = 24;
  b.p.DepthT = 21;
  InvertSection(b.s);
  EXPECT_EQ(b.p.DepthC, 3);
  EXPECT_EQ(b.view.mainRefreshes(), 1);
  b.p.RecH = 3e38f;
  b.p.DepthT = -3e38f;
  InvertSection(b.s);
  EXPECT_EQ(b.platform.events(), std::vector<PlatformEvent>{kIncomplete});
  EXPECT_EQ(b.view.mainRefreshes(), 1);
}

TEST(CloseSectionWindow, WorksOutTheGrossSectionOrReportsAFault) {
  Bench b;
  b.p.RecB = 12;
  b.p.RecH = 24;
  CloseSectionWindow(b.s);
  EXPECT_EQ(b.p.SectModulus, 1152);
  EXPECT_TRUE(b.platform.events().empty());
  b.p.SectionType = section::Box;  // every box dimension 0
  CloseSectionWindow(b.s);
  EXPECT_EQ(b.platform.events(), std::vector<PlatformEvent>{kIncomplete});
}

}  // namespace
}  // namespace kestal::test
