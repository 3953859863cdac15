#include "model/materials.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/checked.h"
#include "support/problems.h"
#include "support/record_fields.h"

namespace kestal {
namespace {

using namespace support;

struct StrengthCase {
  const char* code;
  const char* units;
  float er;
  float fc;
  float a1, b1, ec, frup, n;
};

TEST(SetMaterialFromStrength, DerivedValuesByCodeAndUnits) {
  const StrengthCase cases[] = {
      {"aci", "English", 29000000, 4000, 0.85f, 0.85f, 3604997, 474.3f, 8},
      {"aci", "English", 29000000, 5000, 0.85f, 0.8f, 4030509, 530.3f, 7},
      {"aci", "English", 29000000, 9000, 0.85f, 0.65f, 5407495, 711.5f, 5},
      {"aci", "English", 29000000, 3000, 0.85f, 0.85f, 3122019, 410.8f, 9},
      {"arema", "English", 29000000, 4000, 0.85f, 0.85f, 3604997, 474.3f, 8},
      {"aashto", "English", 29000000, 5000, 0.85f, 0.8f, 4030509, 530.3f, 7},
      {"aci", "Metric", 200000, 25, 0.85f, 0.85f, 23500, 3.5f, 9},
      {"aci", "Metric", 200000, 35, 0.85f, 0.814f, 27806, 4.141f, 7},
      {"aci", "", 200000, 35, 0.85f, 0.814f, 27806, 4.141f, 7},
      {"aashto", "Metric", 200000, 28, 0.85f, 0.85f, 24870, 3.307f, 8},
      {"arema", "Metric", 200000, 28, 0.85f, 0.85f, 24870, 3.307f, 8},
      {"lrfd", "English", 29000000, 4000, 0.85f, 0.85f, 3640000, 480, 8},
      {"lrfd", "Metric", 200000, 28, 0.85f, 0.85f, 25399, 3.334f, 8},
      {"csa", "Metric", 200000, 25, 0.813f, 0.908f, 22500, 3, 9},
      {"csa", "Metric", 200000, 40, 0.79f, 0.87f, 28460, 3.795f, 7},
      {"csa", "Metric", 200000, 50, 0.775f, 0.845f, 32228, 4.243f, 6},
      {"csa", "Metric", 200000, 150, 0.67f, 0.67f, 50436, 7.348f, 4},
      {"csa", "English", 200000, 50, 0.775f, 0.845f, 32228, 4.243f, 6},
      {"s6", "Metric", 200000, 30, 0.805f, 0.895f, 25651, 2.191f, 8},
      {"s6", "English", 200000, 30, 0.805f, 0.895f, 25651, 2.191f, 8},
      {"ohbdc", "Metric", 200000, 30, 0.85f, 0.85f, 27386, 2.739f, 7},
      {"ohbdc", "Metric", 200000, 50, 0.85f, 0.69f, 35355, 3.536f, 6},
      {"ohbdc", "English", 200000, 50, 0.85f, 0.69f, 35355, 3.536f, 6},
      // Exact halves round up, however the double difference falls in binary
      // (0.97 - 0.0025 x 41 is 0.86749999999999994 as a double).
      {"csa", "Metric", 200000, 41, 0.789f, 0.868f, 29878, 3.842f, 7},
      {"s6", "Metric", 200000, 67, 0.75f, 0.803f, 34583, 3.274f, 6},
      {"aci", "English", 29000000, 6250, 0.85f, 0.738f, 4506246, 592.9f, 6},
  };
  for (const auto& c : cases) {
    Problem p = MarkedProblem();
    p.CodeKey = c.code;
    p.Units = c.units;
    p.Er = c.er;
    p.ConcreteStrength = c.fc;
    const Problem before = p;
    SetMaterialFromStrength(p);
    const std::string label = std::string(c.code) + " " + c.units + " " + std::to_string(c.fc);
    EXPECT_EQ(p.A1, c.a1) << label;
    EXPECT_EQ(p.B1, c.b1) << label;
    EXPECT_EQ(p.Ec, c.ec) << label;
    EXPECT_EQ(p.Frup, c.frup) << label;
    EXPECT_EQ(p.ModularRatio, c.n) << label;
    EXPECT_EQ(ChangedFields(before, p),
              (std::vector<std::string>{"ModularRatio", "A1", "B1", "Ec", "Frup"}))
        << label;
  }
}

TEST(SetMaterialFromStrength, UserDefinedCodeOnlyResetsA1AndTheModularRatio) {
  Problem p = MarkedProblem();
  p.CodeKey = "ud";
  p.Units = "English";
  p.ConcreteStrength = 5000;
  p.Er = 29000000;
  p.Ec = 3000000;
  const Problem before = p;
  SetMaterialFromStrength(p);
  EXPECT_EQ(p.A1, 0.85f);
  EXPECT_EQ(p.ModularRatio, 10);
  EXPECT_EQ(ChangedFields(before, p), (std::vector<std::string>{"ModularRatio", "A1"}));
}

TEST(SetMaterialFromStrength, B1LimitsApplyToTheRoundedFloat) {
  struct Case {
    const char* code;
    float fc;
    float b1;
  };
  // 0.85 - (f'c - 4000) 0.00005 reaches the bounds at 4000 and 8000 psi.
  const Case cases[] = {
      {"aci", 4000, 0.85f},
      {"aci", 3999, 0.85f},
      {"aci", 4030, 0.849f},
      // 0.8495 is the double's decimal form: it rounds half away to 0.850.
      {"aci", 4010, 0.85f},
      {"aci", 7990, 0.651f},
      {"aci", 8000, 0.65f},
      {"aci", 8010, 0.65f},
      {"aci", 7995, 0.65f},   // 0.65025 rounds to 0.650
      {"aci", 7989, 0.651f},  // 0.65055 rounds to 0.651
  };
  for (const auto& c : cases) {
    Problem p;
    p.CodeKey = c.code;
    p.Units = "English";
    p.Er = 29000000;
    p.ConcreteStrength = c.fc;
    SetMaterialFromStrength(p);
    EXPECT_EQ(p.B1, c.b1) << c.fc;
  }
}

TEST(SetMaterialFromStrength, CsaModulusChangesFormulaAbove40) {
  Problem p;
  p.CodeKey = "csa";
  p.Units = "Metric";
  p.Er = 200000;
  p.ConcreteStrength = 40;
  SetMaterialFromStrength(p);
  EXPECT_EQ(p.Ec, 28460);  // 4500 sqrt(40)
  p.ConcreteStrength = 40.01f;
  SetMaterialFromStrength(p);
  EXPECT_EQ(p.Ec, 29605);  // (3300 sqrt(40.01) + 6900) (2400 / 2300)^1.5
}

TEST(SetMaterialFromStrength, FaultStopsAfterTheFieldsAlreadyStored) {
  // A tiny f'c rounds Ec to 0, and the modular ratio then divides by zero.
  Problem p;
  p.CodeKey = "aci";
  p.Units = "English";
  p.Er = 29000000;
  p.ModularRatio = 8;
  p.Ec = 1;
  p.Frup = 1;
  p.ConcreteStrength = 1e-12f;
  EXPECT_EQ(FaultOf([&] { SetMaterialFromStrength(p); }), Fault::DivisionByZero);
  EXPECT_EQ(p.B1, 0.85f);
  EXPECT_EQ(p.Ec, 0);
  EXPECT_EQ(p.Frup, 0);
  EXPECT_EQ(p.ModularRatio, 8);
}

TEST(SetModularRatio, NearestWholeNumberWithTiesToEven) {
  struct Case {
    float er, ec, n;
  };
  const Case cases[] = {
      {29000000, 3605000, 8},
      {200000, 23500, 9},
      {200000, 24000, 8},
      {200000, 22500, 9},
      {200000, 27400, 7},
      {200000, 25650, 8},
      {17, 2, 8},
      {15, 2, 8},
      {19, 2, 10},
      {1, 2, 0},
      {3, 2, 2},
      {-5, 2, -2},
      {-7, 2, -4},
      {0, 5, 0},
      {200000, 23530, 8},
  };
  for (const auto& c : cases) {
    Problem p;
    p.Er = c.er;
    p.Ec = c.ec;
    SetModularRatio(p);
    EXPECT_EQ(p.ModularRatio, c.n) << c.er << " / " << c.ec;
  }
  Problem p;
  p.Er = 1;
  p.Ec = 0;
  p.ModularRatio = 3;
  EXPECT_THROW(SetModularRatio(p), CalcError);
  EXPECT_EQ(p.ModularRatio, 3);
}

}  // namespace
}  // namespace kestal
