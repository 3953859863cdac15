#pragma once

// The checks a problem's code makes, as numbers: the summary of a
// calculation, built from the record after the report's calculations, one
// row per check: what the section must carry or meet (the demand), what it
// offers or is allowed (the limit), their ratio, the verdict, the clause and
// the unit. A ratio above 1 always fails.

#include <string>
#include <vector>

#include "model/problem.h"
#include "model/problem_ops.h"

namespace kestal {

struct Check {
  std::string name;
  double demand = 0;
  double limit = 0;
  double ratio = 0;  // demand / limit for an upper limit, limit / demand for a lower one
  bool ok = true;
  bool atMost = true;   // the demand may not exceed the limit; false: it must reach it
  bool decided = true;  // false: the program does not decide this check for the code
  std::string clause;
  std::string unit;
};

// The checks of the problem for the problem-type option, from the results
// the report's calculations left in the record (run ComposeReport first).
std::vector<Check> ProblemChecks(const Problem& p, ProblemOption option);

// True when any decided check fails.
bool AnyCheckFails(const std::vector<Check>& checks);

// A check's number as the table shows it: six significant digits, no
// trailing zeros ("0.1", "260.471", "1.93e+06"); fewer digits for a
// drawing, `sign` for the point.
std::string CheckNumber(double v, int digits = 6, char sign = '.');

// The ratio as the table shows it: three decimals, "-" when infinite.
std::string CheckRatio(const Check& c);

// One line per check, tab-separated: name, demand, limit, ratio, OK / NOT OK
// (or "not decided"), clause, unit.
std::vector<std::string> CheckTableLines(const std::vector<Check>& checks);

}  // namespace kestal
