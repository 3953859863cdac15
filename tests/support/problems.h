#pragma once

// Builders and checks shared by the model, analysis and file tests.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "model/checked.h"
#include "model/problem.h"
#include "model/problem_ops.h"

namespace kestal::support {

// The problem as the program starts (English, "arema", design).
inline Problem Started() {
  Problem p;
  ToolTips tips;
  StartUp(p, tips);
  return p;
}

// The unit factors each unit system sets.
inline void SetEnglishUnits(Problem& p) {
  p.Units = units::English;
  p.KiloFactor = 1000;
  p.MomentArmFactor = 12;
  p.MomentFactor = 12000;
  p.InchPerLength = 1;
  p.PsiPerStress = 1;
  p.RootStressDivisor = 1;
}

inline void SetMetricUnits(Problem& p) {
  p.Units = units::Metric;
  p.KiloFactor = 1000;
  p.MomentArmFactor = 1000;
  p.MomentFactor = 1000000;
  p.InchPerLength = 0.0394f;
  p.PsiPerStress = 145;
  p.RootStressDivisor = 12;
}

inline Problem EnglishUnits(const char* codeKey) {
  Problem p;
  p.CodeKey = codeKey;
  SetEnglishUnits(p);
  return p;
}

inline Problem MetricUnits(const char* codeKey) {
  Problem p;
  p.CodeKey = codeKey;
  SetMetricUnits(p);
  return p;
}

// The usual materials of the worked examples: f'c 4000 psi, fy 60000 psi,
// Es 29,000,000 psi, A1 = B1 = 0.85, Emax 0.003, Phi 0.9, resistance
// factors 1; in Metric f'c 28, fy 420 and Es 200000 MPa.
inline Problem EnglishBeam(const char* codeKey = code::AREMA) {
  Problem p = EnglishUnits(codeKey);
  p.ConcreteStrength = 4000;
  p.SteelStrength = 60000;
  p.Er = 29000000;
  p.A1 = 0.85f;
  p.B1 = 0.85f;
  p.Emax = 0.003f;
  p.Phi = 0.9f;
  p.PhiConc = 1;
  p.PhiReinf = 1;
  return p;
}

inline Problem MetricBeam(const char* codeKey = code::ACI) {
  Problem p = EnglishBeam(codeKey);
  SetMetricUnits(p);
  p.ConcreteStrength = 28;
  p.SteelStrength = 420;
  p.Er = 200000;
  return p;
}

inline void SetRectangle(Problem& p, float b, float h) {
  p.SectionType = section::Rectangular;
  p.RecB = b;
  p.RecH = h;
}

inline void SetTee(Problem& p, float h, float btop, float htop, float bweb) {
  p.SectionType = section::Tee;
  p.TeeH = h;
  p.TeeBtop = btop;
  p.TeeHtop = htop;
  p.TeeBweb = bweb;
}

inline void SetBox(Problem& p, float h, float btop, float htop, float bbot, float hbot,
                   float bweb) {
  p.SectionType = section::Box;
  p.BoxH = h;
  p.BoxBtop = btop;
  p.BoxHtop = htop;
  p.BoxBbot = bbot;
  p.BoxHbot = hbot;
  p.BoxBweb = bweb;
}

// The fault a calculation stops with; a test failure when it runs through.
template <typename F>
Fault FaultOf(F&& f) {
  try {
    f();
  } catch (const CalcError& e) {
    return e.fault();
  }
  ADD_FAILURE() << "the calculation ran without a fault";
  return Fault::Invalid;
}

inline void ExpectClose(double actual, double expected, double rel = 1e-6) {
  EXPECT_NEAR(actual, expected, std::fabs(expected) * rel + 1e-12);
}

// A prepared problem and the value one calculation should leave in one field.
struct ResultCase {
  std::string name;
  Problem problem;
  double expected;
};

inline void PrintTo(const ResultCase& c, std::ostream* os) {
  *os << c.name;
}

inline std::string CaseName(const ::testing::TestParamInfo<ResultCase>& info) {
  return info.param.name;
}

inline std::tm Time(int year, int month, int day, int hour, int minute) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  return t;
}

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

// A fresh folder for each test, removed afterwards even when a test took
// its write permission away.
class TempFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("kestal-") + info->test_suite_name() + "-" + info->name() + "-" +
                       std::to_string(::getpid());
    std::replace(name.begin(), name.end(), '/', '-');
    folder_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(folder_, ec);
  }

  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

  std::vector<std::string> Entries(const std::filesystem::path& folder) const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
      names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  std::vector<std::string> Entries() const { return Entries(folder_); }

  std::filesystem::path folder_;
};

}  // namespace kestal::support
