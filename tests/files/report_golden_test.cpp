// Whole reports of complete problems, compared byte for byte with reviewed
// files in tests/data/report. With KESTAL_UPDATE_GOLDEN set the files are
// written instead (each new file then has to be reviewed before it is kept).

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "analysis/gross_section.h"
#include "files/report.h"
#include "model/problem_ops.h"
#include "model/units.h"
#include "support/problems.h"

namespace kestal {
namespace {

namespace fs = std::filesystem;

using namespace support;

// The problem as the user builds it: start-up, code, units, problem type,
// then the section (closing the section window runs the gross properties)
// and the inputs.
Problem Start(const char* code, bool metric, ProblemOption type) {
  Problem p = Started();
  ChooseCode(p, code);
  if (metric) ChooseMetric(p);
  ChooseProblemType(p, type);
  return p;
}

// Closing the section window: the section counts and its gross properties
// are worked out.
void CloseSection(Problem& p, float d) {
  p.DepthT = d;
  p.SectionDefined = 1;
  GrossSectionProps(p);
}

void Rectangle(Problem& p, float b, float h, float d) {
  SetRectangle(p, b, h);
  CloseSection(p, d);
}

void Tee(Problem& p, float h, float btop, float htop, float bweb, float d) {
  SetTee(p, h, btop, htop, bweb);
  CloseSection(p, d);
}

void Box(Problem& p, float h, float btop, float htop, float bbot, float hbot, float bweb, float d) {
  SetBox(p, h, btop, htop, bbot, hbot, bweb);
  CloseSection(p, d);
}

void Loads(Problem& p, float mu, float mmax, float mmin, float vu) {
  p.MomentUlt = mu;
  p.MomentMax = mmax;
  p.MomentMin = mmin;
  p.ShearUlt = vu;
}

void Steel(Problem& p, float as, float asc, float dc, float av, float s) {
  p.TSteelArea = as;
  p.CSteelArea = asc;
  p.DepthC = dc;
  p.VSteelArea = av;
  p.sAv = s;
}

void AllOutputs(Problem& p) {
  p.OutSectProp = 1;
  p.OutMomCap = 1;
  p.OutShearCap = 1;
  p.OutServLoad = 1;
  p.OutFatStress = 1;
  p.OutCrackCon = 1;
}

// The crack control inputs in the meaning each code gives them.
void CrackInputs(Problem& p) {
  const bool metric = p.Units == units::Metric;
  const std::string& c = p.CodeKey;
  if (c == code::AASHTO || c == code::AREMA || c == code::CSA) {
    p.Cover = metric ? 60 : 2.5f;     // to the bar centre
    p.EffArea = metric ? 18000 : 30;  // concrete area per bar
  } else if (c == code::LRFD) {
    p.Cover = metric ? 60 : 2.5f;
  } else if (c == code::ACI) {
    p.Cover = metric ? 50 : 2;  // clear cover
  } else if (c == code::S6) {
    p.Cover = 1.7f;  // bar-and-load-type factor
    p.EffArea = 25;  // bar diameter
  } else if (c == code::OHBDC) {
    p.Cover = metric ? 50 : 2;     // clear cover
    p.EffArea = metric ? 100 : 4;  // clear bar spacing
  } else {
    p.Cover = metric ? 60 : 2.5f;
  }
}

// A review of a rectangular beam with every output selected.
Problem FullReview(const char* code, bool metric) {
  Problem p = Start(code, metric, ProblemOption::Review);
  if (metric) {
    Rectangle(p, 300, 600, 540);
    Loads(p, 350, 200, 60, 250);
    Steel(p, 2000, 400, 60, 200, 250);
  } else {
    Rectangle(p, 12, 24, 21.5f);
    Loads(p, 250, 150, 50, 40);
    Steel(p, 3, 0.6f, 2.5f, 0.4f, 10);
  }
  AllOutputs(p);
  CrackInputs(p);
  return p;
}

Problem MomentDesign(const char* code, bool metric, float mu) {
  Problem p = Start(code, metric, ProblemOption::Design);
  if (metric) {
    Rectangle(p, 300, 600, 540);
    Loads(p, mu, 200, 60, 250);
  } else {
    Rectangle(p, 12, 24, 21.5f);
    Loads(p, mu, 150, 50, 40);
  }
  return p;
}

Problem ShearDesign(const char* code, bool metric, float vu) {
  Problem p = Start(code, metric, ProblemOption::VDesign);
  if (metric) {
    Rectangle(p, 300, 600, 540);
    Loads(p, 350, 200, 60, vu);
    Steel(p, 2000, 0, 0, 0, 0);
  } else {
    Rectangle(p, 12, 24, 21.5f);
    Loads(p, 250, 150, 50, vu);
    Steel(p, 3, 0, 0, 0, 0);
  }
  return p;
}

Problem TeeDesign() {
  Problem p = Start("lrfd", false, ProblemOption::Design);
  Tee(p, 36, 48, 3, 12, 33);  // the stress block reaches into the web
  Loads(p, 1400, 0, 0, 0);
  return p;
}

Problem BoxDesign() {
  Problem p = Start("csa", true, ProblemOption::Design);
  Box(p, 1200, 1500, 180, 900, 150, 400, 1100);
  Loads(p, 3500, 2000, 500, 0);
  return p;
}

Problem ReviewWithoutShearSteel(const char* code, bool metric) {
  Problem p = FullReview(code, metric);
  p.VSteelArea = 0;
  return p;
}

// Only an input file gives "ohbdc" in English units; it brings its own
// English materials.
Problem OhbdcEnglishReview() {
  Problem p = FullReview("ohbdc", false);
  p.ConcreteStrength = 4000;
  p.SteelStrength = 60000;
  p.Er = 29000000;
  p.Ec = 3605000;
  p.Frup = 474.3f;
  p.ModularRatio = 8;
  p.Ag = 1;
  GrossSectionProps(p);
  return p;
}

// A small moment with a large shear: the strain rule works with the moment
// of the shear over the shear depth.
Problem CsaShearGovernsStrain() {
  Problem p = FullReview("csa", true);
  p.MomentUlt = 50;
  return p;
}

Problem BoxReview() {
  Problem p = FullReview("aashto", false);
  Box(p, 48, 60, 6, 40, 5, 10, 44);
  Loads(p, 1800, 1000, 300, 150);
  Steel(p, 10, 0, 0, 0.4f, 8);
  p.OutputTitle = "Box girder, midspan";
  return p;
}

Problem TeeReviewMetric() {
  Problem p = FullReview("aci", true);
  Tee(p, 800, 1200, 120, 350, 720);
  Loads(p, 900, 550, 150, 400);
  Steel(p, 3500, 0, 0, 150, 200);
  return p;
}

Problem MomentOnlyReview() {
  Problem p = FullReview("arema", false);
  p.OutSectProp = 0;
  p.OutShearCap = 0;
  p.OutServLoad = 0;
  p.OutFatStress = 0;
  p.OutCrackCon = 0;
  return p;
}

// Every check of the review fails.
Problem OverloadedReview() {
  Problem p = FullReview("aci", false);
  Loads(p, 400, 260, -40, 120);
  Steel(p, 8, 0, 0, 0.1f, 14);
  return p;
}

// The section window was never used: the first calculation divides by the
// zero width.
Problem ReviewWithoutSection() {
  Problem p = Start("aci", false, ProblemOption::Review);
  Loads(p, 250, 150, 50, 40);
  Steel(p, 3, 0, 0, 0.4f, 10);
  p.DepthT = 21.5f;
  return p;
}

struct GoldenCase {
  std::string name;
  std::function<Problem()> make;
  ProblemOption option;
  bool stopsAtFault = false;
  char separator = '.';
};

std::vector<GoldenCase> Cases() {
  using O = ProblemOption;
  std::vector<GoldenCase> cases;

  // Moment design under each code.
  for (const char* c : {"aashto", "arema", "lrfd", "aci", "ud"}) {
    cases.push_back({std::string("design_") + c + "_english",
                     [c] { return MomentDesign(c, false, 250); }, O::Design});
  }
  for (const char* c : {"aci", "lrfd", "csa", "s6", "ohbdc"}) {
    cases.push_back({std::string("design_") + c + "_metric",
                     [c] { return MomentDesign(c, true, 350); }, O::Design});
  }
  cases.push_back({"design_aashto_exceeds_maximum",
                   [] { return MomentDesign("aashto", false, 560); }, O::Design});
  cases.push_back(
      {"design_aci_minimum_governs", [] { return MomentDesign("aci", false, 40); }, O::Design});
  cases.push_back(
      {"design_aashto_four_thirds", [] { return MomentDesign("aashto", false, 30); }, O::Design});
  cases.push_back(
      {"design_aci_without_moment", [] { return MomentDesign("aci", false, 0); }, O::Design});
  cases.push_back({"design_lrfd_tee", TeeDesign, O::Design});
  cases.push_back({"design_csa_box", BoxDesign, O::Design});

  // Shear design.
  for (const char* c : {"aashto", "aci", "lrfd", "ud"}) {
    cases.push_back({std::string("vdesign_") + c + "_english",
                     [c] { return ShearDesign(c, false, 60); }, O::VDesign});
  }
  for (const char* c : {"aci", "lrfd", "csa", "s6", "ohbdc"}) {
    cases.push_back({std::string("vdesign_") + c + "_metric",
                     [c] { return ShearDesign(c, true, 300); }, O::VDesign});
  }
  cases.push_back(
      {"vdesign_aci_concrete_suffices", [] { return ShearDesign("aci", false, 12); }, O::VDesign});
  cases.push_back({"vdesign_aashto_exceeds_maximum",
                   [] { return ShearDesign("aashto", false, 200); }, O::VDesign});

  // Review with every output, in both unit systems where the code has both.
  for (const char* c : {"aashto", "arema", "lrfd", "aci", "ud"}) {
    cases.push_back(
        {std::string("review_") + c + "_english", [c] { return FullReview(c, false); }, O::Review});
    cases.push_back(
        {std::string("review_") + c + "_metric", [c] { return FullReview(c, true); }, O::Review});
  }
  for (const char* c : {"csa", "s6", "ohbdc"}) {
    cases.push_back(
        {std::string("review_") + c + "_metric", [c] { return FullReview(c, true); }, O::Review});
  }
  cases.push_back({"review_ohbdc_english", OhbdcEnglishReview, O::Review});
  cases.push_back({"review_lrfd_without_shear_steel",
                   [] { return ReviewWithoutShearSteel("lrfd", false); }, O::Review});
  cases.push_back({"review_csa_without_shear_steel",
                   [] { return ReviewWithoutShearSteel("csa", true); }, O::Review});
  cases.push_back({"review_csa_shear_governs_strain", CsaShearGovernsStrain, O::Review});
  cases.push_back({"review_aashto_box", BoxReview, O::Review});
  cases.push_back({"review_aci_tee_metric", TeeReviewMetric, O::Review});
  cases.push_back({"review_arema_moment_only", MomentOnlyReview, O::Review});
  cases.push_back({"review_aci_overloaded", OverloadedReview, O::Review});
  cases.push_back(
      {"review_aci_english_comma", [] { return FullReview("aci", false); }, O::Review, false, ','});
  cases.push_back({"review_without_section", ReviewWithoutSection, O::Review, true});
  return cases;
}

class GoldenReport : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenReport, MatchesTheReviewedFile) {
  const GoldenCase& c = GetParam();
  Problem p = c.make();
  p.OutputFileTitle = c.name + ".out";
  const ReportText report = ComposeReport(p, c.option, Time(2026, 12, 6, 7, 5), c.separator);
  EXPECT_EQ(report.stoppedByFault, c.stopsAtFault);
  const std::string& text = report.text;
  const fs::path golden = fs::path(KESTAL_TEST_DATA) / "report" / (c.name + ".out");
  if (std::getenv("KESTAL_UPDATE_GOLDEN") != nullptr) {
    fs::create_directories(golden.parent_path());
    std::ofstream(golden, std::ios::binary) << text;
    return;
  }
  ASSERT_TRUE(fs::exists(golden)) << golden;
  EXPECT_EQ(text, ReadBytes(golden)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Reports, GoldenReport, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace kestal
