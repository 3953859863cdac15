#include "model/code_criteria.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/record_fields.h"

namespace kestal {
namespace {

using namespace support;

constexpr float kKeep = -1;  // the field keeps its value

struct DefaultsRow {
  const char* code;
  bool english;
  float fc, fy, er, ec, expFactor, ag, frup, n, phi, vPhi, a1, b1, emax, phiConc, phiReinf, cover;
};

const DefaultsRow kDefaults[] = {
    {"aci", true, 4000, 60000, 29000000, 3605000, 170000, 1, 474.3f, 8, 0.9f, 0.75f, 0.85f, 0.85f,
     0.003f, 1, 1, kKeep},
    {"aci", false, 25, 420, 200000, 23500, 30000, 25, 3.5f, 9, 0.9f, 0.75f, 0.85f, 0.85f, 0.003f, 1,
     1, kKeep},
    {"aashto", true, 4000, 60000, 29000000, 3605000, 170000, 1, 474.3f, 8, 0.9f, 0.85f, 0.85f,
     0.85f, 0.003f, 1, 1, kKeep},
    {"aashto", false, 28, 420, 200000, 23500, 30000, 25, 3.307f, 9, 0.9f, 0.85f, 0.85f, 0.85f,
     0.003f, 1, 1, kKeep},
    {"arema", true, 4000, 60000, 29000000, 3605000, 170000, 1, 474.3f, 8, 0.9f, 0.85f, 0.85f, 0.85f,
     0.003f, 1, 1, kKeep},
    {"arema", false, 28, 420, 200000, 23500, 30000, 25, 3.307f, 9, 0.9f, 0.85f, 0.85f, 0.85f,
     0.003f, 1, 1, kKeep},
    {"lrfd", true, 4000, 60000, 29000000, 3640000, 1, kKeep, 480, 8, 0.9f, 0.9f, 0.85f, 0.85f,
     0.003f, 1, 1, kKeep},
    {"lrfd", false, 28, 420, 200000, 24000, 1, kKeep, 3.334f, 8, 0.9f, 0.9f, 0.85f, 0.85f, 0.003f,
     1, 1, kKeep},
    {"csa", true, 25, 400, 200000, 22500, 30000, 20, 3, 9, 1, 1, 0.813f, 0.908f, 0.0035f, 0.65f,
     0.85f, kKeep},
    {"csa", false, 25, 400, 200000, 22500, 30000, 20, 3, 9, 1, 1, 0.813f, 0.908f, 0.0035f, 0.65f,
     0.85f, kKeep},
    {"ohbdc", true, 30, 400, 200000, 27400, 30000, 20, 2.739f, 7, 1, 1, 0.85f, 0.85f, 0.003f, 0.75f,
     0.9f, kKeep},
    {"ohbdc", false, 30, 400, 200000, 27400, 30000, 20, 2.739f, 7, 1, 1, 0.85f, 0.85f, 0.003f,
     0.75f, 0.9f, kKeep},
    {"s6", true, 30, 400, 200000, 25650, 0.35f, 20, 2.191f, 8, 1, 1, 0.805f, 0.895f, 0.0035f, 0.75f,
     0.9f, 1.7f},
    {"s6", false, 30, 400, 200000, 25650, 0.35f, 20, 2.191f, 8, 1, 1, 0.805f, 0.895f, 0.0035f,
     0.75f, 0.9f, 1.7f},
    {"ud", true, 4000, 60000, 29000000, 3605000, 170000, 1, 474.342f, 8, 0.9f, 0.85f, 0.85f, 0.85f,
     0.003f, 1, 1, kKeep},
    {"ud", false, 28, 420, 200000, 23500, 30000, 25, 3.307f, 9, 0.9f, 0.85f, 0.85f, 0.85f, 0.003f,
     1, 1, kKeep},
};

const std::vector<std::string> kAlwaysSet = {
    "ConcreteStrength", "SteelStrength", "ModularRatio", "Emax", "A1",   "B1",       "Phi", "VPhi",
    "PhiReinf",         "PhiConc",       "Er",           "Ec",   "Frup", "ExpFactor"};

TEST(SetCodeDefaults, TableOfEveryCodeInEveryUnitText) {
  for (const DefaultsRow& row : kDefaults) {
    // Any Units text but "English" takes the Metric row.
    const std::vector<const char*> unitTexts =
        row.english ? std::vector<const char*>{"English"}
                    : std::vector<const char*>{"Metric", "", "english", "Imperial"};
    for (const char* units : unitTexts) {
      Problem p = MarkedProblem();
      p.Units = units;
      p.CodeKey = row.code;
      const Problem before = p;
      SetCodeDefaults(p);
      const std::string label = std::string(row.code) + " " + units;
      EXPECT_EQ(p.ConcreteStrength, row.fc) << label;
      EXPECT_EQ(p.SteelStrength, row.fy) << label;
      EXPECT_EQ(p.Er, row.er) << label;
      EXPECT_EQ(p.Ec, row.ec) << label;
      EXPECT_EQ(p.ExpFactor, row.expFactor) << label;
      EXPECT_EQ(p.Ag, row.ag == kKeep ? before.Ag : row.ag) << label;
      EXPECT_EQ(p.Frup, row.frup) << label;
      EXPECT_EQ(p.ModularRatio, row.n) << label;
      EXPECT_EQ(p.Phi, row.phi) << label;
      EXPECT_EQ(p.VPhi, row.vPhi) << label;
      EXPECT_EQ(p.A1, row.a1) << label;
      EXPECT_EQ(p.B1, row.b1) << label;
      EXPECT_EQ(p.Emax, row.emax) << label;
      EXPECT_EQ(p.PhiConc, row.phiConc) << label;
      EXPECT_EQ(p.PhiReinf, row.phiReinf) << label;
      EXPECT_EQ(p.Cover, row.cover == kKeep ? before.Cover : row.cover) << label;

      std::vector<std::string> expected = kAlwaysSet;
      if (row.ag != kKeep) expected.push_back("Ag");
      if (row.cover != kKeep) expected.push_back("Cover");
      EXPECT_EQ(Sorted(ChangedFields(before, p)), Sorted(expected)) << label;
    }
  }
}

TEST(SetCodeDefaults, RuptureModulusIsStoredRounded) {
  Problem p;
  p.Units = "English";
  p.CodeKey = "arema";
  SetCodeDefaults(p);
  EXPECT_EQ(p.Frup, 474.3f);  // 7.5 sqrt(4000) = 474.3416...
  p.CodeKey = "ud";
  SetCodeDefaults(p);
  EXPECT_EQ(p.Frup, 474.342f);
}

TEST(SetCodeDefaults, UnknownKeysChangeNothing) {
  for (const char* code : {"", "ACI", "Aashto", "ud ", "csa23", "mark"}) {
    for (const char* units : {"English", "Metric"}) {
      Problem p = MarkedProblem();
      p.Units = units;
      p.CodeKey = code;
      const Problem before = p;
      SetCodeDefaults(p);
      EXPECT_TRUE(ChangedFields(before, p).empty()) << code;
    }
  }
}

TEST(SetCodeDefaults, LrfdKeepsTheAggregateSizeLeftBefore) {
  struct Case {
    const char* units;
    float agBefore;
  };
  for (const Case c :
       {Case{"English", 1}, Case{"Metric", 25}, Case{"Metric", 1}, Case{"English", 0.75f}}) {
    Problem p;
    p.Units = c.units;
    p.Ag = c.agBefore;
    p.CodeKey = "lrfd";
    SetCodeDefaults(p);
    EXPECT_EQ(p.Ag, c.agBefore) << c.units;
  }
}

}  // namespace
}  // namespace kestal
