// The calculation document: the state at ultimate it draws, the drawing's
// geometry against that state, and the pages: every line of the report in
// order, blocks kept whole, every check, "page N of M".

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "analysis/ultimate_state.h"
#include "files/checks.h"
#include "files/document.h"
#include "files/drawings.h"
#include "files/input_file.h"
#include "files/report.h"
#include "model/problem_ops.h"

namespace kestal {
namespace {

// A review of a rectangular beam without compression steel, b x h, d, As,
// f'c and fy, ACI criteria 0.9 / 0.75, k1 = beta1 = 0.85, ecu = 0.003.
Problem Beam(bool metric) {
  Problem p;
  ToolTips tips;
  StartUp(p, tips);
  const std::string text =
      metric ? "\"Beam\"\n\"Metric\",\"aci\",\"review\"\n0.9,0.75,1,1,0.85,0.85,0.003\n"
               "30,25743,3.41,400,200000,8,20\n0,0,30000\n1500,540,0,0,0,0\n300,0,0,0\n0\n"
               "300,600\n1,1,0,0,0,0\n"
             : "\"Beam\"\n\"English\",\"aci\",\"review\"\n0.9,0.75,1,1,0.85,0.85,0.003\n"
               "4000,3604997,474.3,60000,2.9E+07,8,1\n0,0,170000\n3,21.5,0,0,0,0\n250,0,0,0\n"
               "0\n12,24\n1,1,0,0,0,0\n";
  EXPECT_TRUE(ReadInputFields(text, p));
  return p;
}

std::tm Epoch() {
  std::tm t{};
  t.tm_year = 70;
  t.tm_mday = 1;
  return t;
}

TEST(UltimateState, WhitneyBlockOfASinglyReinforcedBeam) {
  // By hand: a = As fy / (0.85 f'c b), c = a / beta1, et = ecu (d - c) / c,
  // T = C = As fy, z = d - a / 2.
  struct Case {
    bool metric;
    double a, c, et, T, z;
  };
  for (const Case& k : {Case{false, 4.41176, 5.19031, 0.0094271, 180, 19.2941},
                        Case{true, 78.4314, 92.2722, 0.0145567, 600, 500.784}}) {
    Problem p = Beam(k.metric);
    ComposeReport(p, ProblemOption::Review, Epoch());
    const std::optional<UltimateState> u = UltimateStateOf(p);
    ASSERT_TRUE(u.has_value());
    EXPECT_NEAR(u->a, k.a, k.a * 1e-5);
    EXPECT_NEAR(u->c, k.c, k.c * 1e-5);
    EXPECT_NEAR(u->et, k.et, k.et * 1e-4);
    EXPECT_NEAR(u->T, k.T, k.T * 1e-5);
    EXPECT_NEAR(u->C, k.T, k.T * 1e-5);
    EXPECT_EQ(u->Cs, 0);
    EXPECT_NEAR(u->z, k.z, k.z * 1e-5);
    p.TSteelArea = 0;
    EXPECT_FALSE(UltimateStateOf(p).has_value());
  }
}

TEST(Drawings, SectionAndStrainShareTheDepthScale) {
  Problem p = Beam(false);
  ComposeReport(p, ProblemOption::Review, Epoch());
  const UltimateState u = *UltimateStateOf(p);
  const SectionGeometry s = *EnteredSection(p, p.SectionType);
  const TextMetrics fm{9, [](const std::string& t) { return 5.0 * t.size(); }};
  const std::optional<SectionLayout> layout =
      LaySection(s, {0, 0, 300, 250}, fm, [](const std::string& l) { return l; });
  ASSERT_TRUE(layout.has_value());
  const double k = layout->scale;
  auto Y = [&](double depth) { return layout->topY + depth * k; };
  // The outline is b by h to scale; every bar sits at d.
  const std::vector<Pt>& ring = layout->picture.outlines[0].rings[0];
  EXPECT_NEAR(ring[1].x - ring[0].x, 12 * k, 1e-9);
  EXPECT_NEAR(ring[2].y - ring[1].y, 24 * k, 1e-9);
  ASSERT_FALSE(layout->picture.circles.empty());
  for (const Picture::Circle& bar : layout->picture.circles)
    EXPECT_NEAR(bar.centre.y, Y(21.5), 1e-9);
  // Too small an area for the margins draws nothing.
  EXPECT_FALSE(LaySection(s, {0, 0, 40, 40}, fm, [](const std::string& l) { return l; }));

  const Picture g =
      LayUltimateState(u, *layout, s.h, {300, 0, 200, 250}, fm, 0, "in", "kips", "psi");
  // The strain profile: ecu at the top face, et at d, through zero at c.
  const std::vector<Pt>& strain = g.outlines[0].rings[0];
  const double axis = strain[0].x;
  EXPECT_NEAR(strain[1].y, Y(0), 1e-9);
  EXPECT_NEAR(strain[2].y, Y(21.5), 1e-9);
  const double t = (axis - strain[1].x) / (strain[2].x - strain[1].x);
  EXPECT_NEAR(strain[1].y + t * (strain[2].y - strain[1].y), Y(u.c), 1e-6);
  EXPECT_NEAR((axis - strain[1].x) / (strain[2].x - axis), u.ecu / u.et, 1e-9);
  // The stress block is a deep; its texts give c, a, T and z with units.
  const std::vector<Pt>& block = g.outlines[1].rings[0];
  EXPECT_NEAR(block[2].y - block[1].y, u.a * k, 1e-9);
  std::vector<std::string> texts;
  for (const Picture::Text& text : g.texts) texts.push_back(text.text);
  for (const char* want : {"c = 5.19 in", "T = 180 kips", "z = 19.29 in", "εt = 0.009427",
                           "a = 4.412 in at 3400 psi", "C = 180 kips"}) {
    EXPECT_NE(std::find(texts.begin(), texts.end(), want), texts.end()) << want;
  }
}

TEST(ReportBlocks, AHeadingStaysWithTheBlockAfterIt) {
  const auto blocks =
      ReportBlocks("A\r\nB\r\n\r\nTITLE\r\n=====\r\n\r\nC:\r\n\r\nx = 1\r\n\r\nD\r\n");
  ASSERT_EQ(blocks.size(), 3u);
  EXPECT_EQ(blocks[0], (std::vector<std::string>{"A", "B", ""}));
  EXPECT_EQ(blocks[1], (std::vector<std::string>{"TITLE", "=====", "", "C:", "", "x = 1", ""}));
  EXPECT_EQ(blocks[2], std::vector<std::string>{"D"});
}

TEST(CalculationDocument, HoldsTheWholeReportTheChecksAndItsPageNumbers) {
  for (const Paper paper : {Paper::A4, Paper::Letter}) {
    for (const bool metric : {false, true}) {
      Problem p = Beam(metric);
      p.OutputTitle = "Span 2";
      const ReportText report = ComposeReport(p, ProblemOption::Review, Epoch());
      const PagedDocument doc =
          CalculationDocument(p, ProblemOption::Review, report.text, Epoch(), paper);
      EXPECT_EQ(doc.paperName, paper == Paper::A4 ? "A4" : "Letter");
      ASSERT_GE(doc.pages.size(), 3u);
      std::vector<std::string> mono;  // the report's lines, page after page
      std::vector<std::size_t> firsts;
      std::string first;  // the first page's texts
      for (std::size_t i = 0; i < doc.pages.size(); ++i) {
        bool numbered = false;
        firsts.push_back(mono.size());
        for (const Picture::Text& t : doc.pages[i].texts) {
          if (t.font == TextFont::Mono) mono.push_back(t.text);
          if (i == 0) first += t.text + "\n";
          numbered |=
              t.text == "page " + std::to_string(i + 1) + " of " + std::to_string(doc.pages.size());
          EXPECT_LE(t.box.y + t.box.h, doc.height - 30) << t.text;
        }
        EXPECT_TRUE(numbered) << i;
      }
      // Every line in order; the blank lines a page starts with dropped.
      std::vector<std::string> lines;
      for (const auto& block : ReportBlocks(report.text)) {
        lines.insert(lines.end(), block.begin(), block.end());
      }
      std::size_t at = 0;
      for (const std::string& line : lines) {
        if (at < mono.size() && mono[at] == line) {
          ++at;
        } else {
          EXPECT_EQ(line.find_first_not_of(' '), std::string::npos) << "missing: " << line;
        }
      }
      EXPECT_EQ(at, mono.size());
      // Every report page after the first starts a block.
      for (std::size_t i = 2; i < firsts.size(); ++i) {
        const std::size_t j = firsts[i];
        ASSERT_GT(j, 0u);
        const auto before = std::find(lines.begin(), lines.end(), mono[j]);
        ASSERT_NE(before, lines.begin());
        EXPECT_EQ(std::prev(before)->find_first_not_of(' '), std::string::npos) << mono[j];
      }
      // Each check's row: its name, then the demand with its unit as printed.
      for (const Check& c : ProblemChecks(p, ProblemOption::Review)) {
        const std::string unit = c.unit == "in^2"   ? "in²"
                                 : c.unit == "mm^2" ? "mm²"
                                 : c.unit == "kN-m" ? "kN·m"
                                                    : c.unit;
        const std::string demand = CheckNumber(c.demand) + (unit.empty() ? "" : " " + unit);
        EXPECT_NE(first.find(c.name + "\n" + demand + "\n"), std::string::npos) << c.name;
      }
      EXPECT_NE(first.find("Span 2\n"), std::string::npos) << first;
    }
  }
}

}  // namespace
}  // namespace kestal
