#pragma once

// A problem at program start with every system service replaced by its test
// double, and the steps a user takes to describe a beam.

#include <string>
#include <vector>

#include "analysis/gross_section.h"
#include "commands/recording_view.h"
#include "commands/session.h"
#include "model/problem_ops.h"
#include "platform/recording_results.h"
#include "platform/scripted_platform.h"

namespace kestal::test {

struct Bench {
  Problem p;
  ToolTips tips;
  ScriptedPlatform platform;
  RecordingResults results;
  RecordingView view;
  Session s{p, tips, platform, results, view};

  Bench() { StartUp(p, tips); }

  // A rectangle typed into the section window, which runs the gross section
  // properties when it closes.
  void Rectangle(float b, float h) {
    p.SectionType = section::Rectangular;
    p.RecB = b;
    p.RecH = h;
    p.SectionDefined = 1;
    GrossSectionProps(p);
  }

  // The usual English beam: 12 x 24 in, d = 21.5 in, As = 3 in^2.
  void EnglishBeam() {
    Rectangle(12, 24);
    p.DepthT = 21.5f;
    p.TSteelArea = 3;
  }

  // The usual Metric beam: 300 x 600 mm, d = 540 mm, As = 1500 mm^2.
  void MetricBeam() {
    Rectangle(300, 600);
    p.DepthT = 540;
    p.TSteelArea = 1500;
  }

  bool NothingShown() const {
    return results.prepareCount() == 0 && results.printCount() == 0 &&
           results.gridShowCount() == 0 && !results.visible();
  }
};

inline std::vector<std::string> Heading(const std::string& title) {
  return {"", "     " + title, "     ====================================================", ""};
}

inline std::vector<std::string> operator+(std::vector<std::string> a,
                                          const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace kestal::test
