// The first page of the calculation document over seeded random beams of
// every code family: no two of its texts overlap, and every text stays on
// the paper, whatever the section's proportions, steel and loads.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "files/document.h"
#include "files/input_file.h"
#include "files/report.h"
#include "model/code_rules.h"
#include "model/input_checks.h"
#include "model/problem_ops.h"

namespace kestal {
namespace {

// Where a text's letters are: its box narrowed to their width (at most
// 0.66 em a character, as the layout measures).
Rect Ink(const Picture::Text& t) {
  std::size_t characters = 0;
  for (unsigned char c : t.text) characters += (c & 0xC0) != 0x80;
  while (!t.text.empty() && characters > 0 && t.text[characters - 1] == ' ') --characters;
  const double w = std::min(t.box.w, 0.62 * t.size * static_cast<double>(characters));
  const double x = t.align == TextAlign::Left    ? t.box.x
                   : t.align == TextAlign::Right ? t.box.right() - w
                                                 : t.box.x + (t.box.w - w) / 2;
  const double h = t.size;
  return {x, t.box.y + (t.box.h - h) / 2, w, h};
}

bool Overlap(const Rect& a, const Rect& b) {
  return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(DocumentLayoutProperty, FirstPageTextsNeverOverlap) {
  // Every review-able example and test beam, its numbers each scaled by a
  // seeded factor between a half and two, under every code key.
  std::mt19937 rng(20261208);
  std::uniform_real_distribution<double> factor(std::log(0.5), std::log(2.0));
  std::tm now{};
  int pages = 0;
  for (const char* file :
       {"examples/lrfd_tee_review_english.in", "examples/arema_box_review_english.in",
        "examples/ohbdc_tee_review_metric.in", "examples/aci_rect_design_english.in",
        "tests/data/cli/pdf/aashto_tee_review_english.in",
        "tests/data/cli/pdf/s6_box_review_metric.in",
        "tests/data/cli/pdf/csa19_rect_review_metric.in"}) {
    for (const CodeEdition& edition : Editions()) {
      for (int i = 0; i < 12; ++i) {
        Problem p;
        ToolTips tips;
        StartUp(p, tips);
        ASSERT_TRUE(ReadInputFields(Contents(std::string(KESTAL_SOURCE_DIR "/") + file), p));
        p.CodeKey = std::string(edition.key);
        for (float* v : {&p.RecB, &p.RecH, &p.BoxBtop, &p.BoxHtop, &p.BoxBbot, &p.BoxHbot,
                         &p.BoxBweb, &p.TeeBtop, &p.TeeHtop, &p.TeeBweb, &p.TSteelArea,
                         &p.CSteelArea, &p.MomentUlt, &p.ShearUlt, &p.ConcreteStrength}) {
          *v = static_cast<float>(*v * std::exp(factor(rng)));
        }
        if (InputFault(p)) continue;
        const ReportText report = ComposeReport(p, ProblemOption::Review, now);
        if (report.stoppedByFault) continue;
        const PagedDocument doc =
            CalculationDocument(p, ProblemOption::Review, report.text, now, Paper::A4);
        const std::vector<Picture::Text>& texts = doc.pages[0].texts;
        ++pages;
        for (std::size_t a = 0; a < texts.size(); ++a) {
          const Rect ink = Ink(texts[a]);
          ASSERT_GE(ink.x, 0) << texts[a].text;
          ASSERT_LE(ink.right(), doc.width) << file << " " << edition.key << ": " << texts[a].text;
          for (std::size_t b = a + 1; b < texts.size(); ++b) {
            ASSERT_FALSE(Overlap(ink, Ink(texts[b])))
                << file << " " << edition.key << " #" << i << ": '" << texts[a].text << "' and '"
                << texts[b].text << "'";
          }
        }
      }
    }
  }
  EXPECT_GT(pages, 500);
}

}  // namespace
}  // namespace kestal
