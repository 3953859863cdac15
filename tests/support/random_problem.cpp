#include "support/random_problem.h"

#include <cmath>
#include <string>
#include <variant>

#include "model/code_criteria.h"
#include "model/problem_ops.h"
#include "model/record_fields.h"
#include "model/units.h"

namespace kestal {
namespace {

float RandomNumber(std::mt19937& rng) {
  const float special[] = {0, -1, 1e-30f, 1e30f, 3.0e38f, -1e-20f, 0.001f};
  if (rng() % 4 == 0) return special[rng() % std::size(special)];
  const float magnitude = std::pow(10.0f, std::uniform_real_distribution<float>(-2, 6)(rng));
  return rng() % 8 == 0 ? -magnitude : magnitude;
}

}  // namespace

Problem RandomProblem(std::mt19937& rng, std::string_view codeKey) {
  Problem p;
  ToolTips tips;
  StartUp(p, tips);
  p.CodeKey = std::string(codeKey);
  p.Units = rng() % 2 ? "Metric" : "English";
  SetUnitFactors(p);
  SetCodeDefaults(p);
  const char* types[] = {"design", "Vdesign", "review"};
  p.ProblemType = types[rng() % 3];
  p.SectionType = int32_t(rng() % 3);
  p.SectionDefined = int16_t(rng() % 4 != 0);
  for (const FieldRef& f : AllFields()) {
    if (f.name == "KiloFactor") break;  // inputs and criteria; not the factors or results
    if (const auto* m = std::get_if<float Problem::*>(&f.member); m && rng() % 3 != 0) {
      p.** m = RandomNumber(rng);
    } else if (const auto* flag = std::get_if<int32_t Problem::*>(&f.member);
               flag && f.name.starts_with("Out")) {
      p.** flag = int32_t(rng() % 2);
    }
  }
  return p;
}

}  // namespace kestal
