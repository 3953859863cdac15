#pragma once

#include "model/problem.h"

namespace kestal {

// Which cell of which table the search settled on. Rows and columns count
// from 1 as in the tables; row 0 / column 0 when nothing was found.
struct BetaThetaCell {
  bool found = false;
  char table = 'A';  // 'A' with transverse reinforcement, 'B' without
  int row = 0;
  int column = 0;
};

// LRFD general method: searches the beta and theta tables; writes Theta, Beta
// and LongStrain. Not found leaves Theta and Beta 0.
BetaThetaCell BetaThetaSearch(Problem& p);

}  // namespace kestal
