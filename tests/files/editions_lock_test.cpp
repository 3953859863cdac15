// The lock on the old code keys: the full report of 1000 random problems for
// every old key and problem-type option, hashed, must stay what it was when
// the code editions were added beside them. A change to a shared rule that
// moves one digit of one old key's report fails here.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <sstream>
#include <string>

#include "files/report.h"
#include "model/problem_ops.h"
#include "support/random_problem.h"

namespace kestal {
namespace {

// FNV-1a, 64 bits: the same on every machine.
void Hash(std::uint64_t& h, const std::string& bytes) {
  for (const char c : bytes) {
    h ^= static_cast<unsigned char>(c);
    h *= 1099511628211ull;
  }
}

std::string Hex(std::uint64_t h) {
  std::ostringstream out;
  out << std::hex << h;
  return out.str();
}

TEST(EditionsLock, OldKeysReportAsTheyAlwaysHave) {
  std::map<std::string, std::string> frozen;
  std::ifstream in(std::string(KESTAL_TEST_DATA) + "/files/editions_lock.txt");
  for (std::string key, option, hash; in >> key >> option >> hash;)
    frozen[key + " " + option] = hash;

  std::tm date{};
  date.tm_year = 126;
  date.tm_mon = 11;
  date.tm_mday = 7;
  const std::pair<ProblemOption, const char*> options[] = {{ProblemOption::Design, "design"},
                                                           {ProblemOption::VDesign, "Vdesign"},
                                                           {ProblemOption::Review, "review"}};
  std::string computed;
  for (const char* key : {"aashto", "arema", "lrfd", "aci", "csa", "s6", "ohbdc", "ud"}) {
    for (const auto& [option, name] : options) {
      std::mt19937 rng(1607);
      std::uint64_t h = 14695981039346656037ull;
      for (int i = 0; i < 1000; ++i) {
        Problem p = RandomProblem(rng, key);
        Hash(h, ComposeReport(p, option, date).text);
      }
      const std::string row = std::string(key) + " " + name;
      computed += row + " " + Hex(h) + "\n";
      const auto found = frozen.find(row);
      EXPECT_TRUE(found != frozen.end() && found->second == Hex(h)) << row << " " << Hex(h);
    }
  }
  EXPECT_EQ(frozen.size(), 24u);
  if (HasFailure()) std::cout << "the table as computed:\n" << computed;
}

}  // namespace
}  // namespace kestal
