#include "files/input_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "model/problem_ops.h"
#include "platform/scripted_platform.h"
#include "support/problems.h"
#include "support/record_fields.h"

namespace kestal {
namespace {

namespace fs = std::filesystem;
using namespace support;
const std::vector<std::string> kNoField;

const PlatformEvent kReadError =
    PlatformEvent::Message("Error reading input file", Icon::Information, "READ INPUT");
const PlatformEvent kWriteError =
    PlatformEvent::Message("Error writing input file", Icon::Information, "WRITE INPUT");

// Every real field the file stores, with its name, in no particular order.
struct RealField {
  const char* name;
  float Problem::*field;
};
const std::vector<RealField> kCommonReals = {
    {"Phi", &Problem::Phi},
    {"VPhi", &Problem::VPhi},
    {"PhiConc", &Problem::PhiConc},
    {"PhiReinf", &Problem::PhiReinf},
    {"A1", &Problem::A1},
    {"B1", &Problem::B1},
    {"Emax", &Problem::Emax},
    {"ConcreteStrength", &Problem::ConcreteStrength},
    {"Ec", &Problem::Ec},
    {"Frup", &Problem::Frup},
    {"SteelStrength", &Problem::SteelStrength},
    {"Er", &Problem::Er},
    {"ModularRatio", &Problem::ModularRatio},
    {"Ag", &Problem::Ag},
    {"Cover", &Problem::Cover},
    {"EffArea", &Problem::EffArea},
    {"ExpFactor", &Problem::ExpFactor},
    {"TSteelArea", &Problem::TSteelArea},
    {"DepthT", &Problem::DepthT},
    {"CSteelArea", &Problem::CSteelArea},
    {"DepthC", &Problem::DepthC},
    {"VSteelArea", &Problem::VSteelArea},
    {"sAv", &Problem::sAv},
    {"MomentUlt", &Problem::MomentUlt},
    {"MomentMax", &Problem::MomentMax},
    {"MomentMin", &Problem::MomentMin},
    {"ShearUlt", &Problem::ShearUlt},
};
const std::vector<RealField> kRectangleReals = {{"RecB", &Problem::RecB}, {"RecH", &Problem::RecH}};
const std::vector<RealField> kBoxReals = {
    {"BoxH", &Problem::BoxH},       {"BoxBtop", &Problem::BoxBtop}, {"BoxHtop", &Problem::BoxHtop},
    {"BoxBbot", &Problem::BoxBbot}, {"BoxHbot", &Problem::BoxHbot}, {"BoxBweb", &Problem::BoxBweb}};
const std::vector<RealField> kTeeReals = {{"TeeH", &Problem::TeeH},
                                          {"TeeBtop", &Problem::TeeBtop},
                                          {"TeeHtop", &Problem::TeeHtop},
                                          {"TeeBweb", &Problem::TeeBweb}};

const std::vector<RealField>& DimensionsOf(int32_t sectionType) {
  switch (sectionType) {
    case section::Rectangular:
      return kRectangleReals;
    case section::Box:
      return kBoxReals;
    default:
      return kTeeReals;
  }
}

// A review problem with a value in every stored field; the dimensions of all
// three shapes are filled so that a test sees which of them are stored.
Problem KnownProblem(int32_t sectionType) {
  Problem p = EnglishBeam(code::ACI);
  p.OutputTitle = "Beam B-1, span 2";
  p.ProblemType = "review";
  p.VPhi = 0.85f;
  p.Ec = 3604997;
  p.Frup = 474.3f;
  p.ModularRatio = 8;
  p.Ag = 1;
  p.Cover = 2.5f;
  p.EffArea = 0;
  p.ExpFactor = 170000;
  p.TSteelArea = 3;
  p.DepthT = 21.5f;
  p.CSteelArea = 0.62f;
  p.DepthC = 2.5f;
  p.VSteelArea = 0.4f;
  p.sAv = 8;
  p.MomentUlt = 250;
  p.MomentMax = 150;
  p.MomentMin = -20.5f;
  p.ShearUlt = 45.25f;
  SetRectangle(p, 12, 24);
  SetBox(p, 48, 60, 7.5f, 40, 6, 14);
  SetTee(p, 36, 48, 6, 12);
  p.SectionType = sectionType;
  p.OutSectProp = 1;
  p.OutMomCap = 1;
  p.OutShearCap = 1;
  p.OutServLoad = 0;
  p.OutFatStress = 0;
  p.OutCrackCon = 1;
  return p;
}

constexpr const char* kKnownHead =
    "\"Beam B-1, span 2\"\r\n"
    "\"English\",\"aci\",\"review\"\r\n"
    "0.9,0.85,1,1,0.85,0.85,0.003\r\n"
    "4000,3604997,474.3,60000,2.9E+07,8,1\r\n"
    "2.5,0,170000\r\n"
    "3,21.5,0.62,2.5,0.4,8\r\n"
    "250,150,-20.5,45.25\r\n";

std::string KnownText(int32_t sectionType) {
  std::string text = kKnownHead;
  switch (sectionType) {
    case section::Rectangular:
      text += "0\r\n12,24\r\n";
      break;
    case section::Box:
      text += "1\r\n48,60,7.5,40,6,14\r\n";
      break;
    case section::Tee:
      text += "2\r\n36,48,6,12\r\n";
      break;
    default:
      text += std::to_string(sectionType) + "\r\n";
      break;
  }
  return text + "1,1,1,0,0,1\r\n";
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

std::string ReplacedAll(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// The record a load starts from: the start-up problem with a section of
// every shape and results of an earlier calculation.
Problem EarlierProblem() {
  Problem p = Started();
  p.OutputTitle = "Earlier beam";
  p.OutputFile = "/reports/earlier.out";
  p.OutputFileTitle = "earlier.out";
  p.InputFile = "/inputs/earlier.in";
  p.InputFileTitle = "earlier.in";
  SetRectangle(p, 10, 20);
  p.BoxH = 30;
  p.BoxBweb = 8;
  SetTee(p, 40, 50, 5, 10);
  p.SectionDefined = 1;
  p.TSteelArea = 9;
  p.MomentUlt = 999;
  p.OutServLoad = 1;
  p.DistNeutralAxis = 11;
  p.SectModulus = 222;
  p.GrossInertia = 3333;
  p.CrackedInertia = 4444;
  p.MomentCap = 555;
  return p;
}

class InputFileTest : public TempFolderTest {
 protected:
  // Writes `bytes` as file `name` in the test folder.
  std::string Put(const std::string& name, const std::string& bytes) const {
    WriteBytes(PathOf(name), bytes);
    return PathOf(name);
  }

  // Loads `bytes` as file `name` into `p`.
  bool Load(Problem& p, const std::string& bytes, const std::string& name = "beam.in") {
    const std::string path = Put(name, bytes);
    return ReadInputFile(p, tips_, FileChoice{path, name}, platform_);
  }

  // Loads `bytes` over the earlier problem and expects a read error that
  // leaves the problem and the tool tips exactly as they were.
  void ExpectReadError(const std::string& bytes) {
    Problem p = EarlierProblem();
    const Problem before = p;
    tips_ = {{"txtMomentUlt", "earlier tip"}};
    const ToolTips tipsBefore = tips_;
    platform_.ClearLog();
    EXPECT_FALSE(Load(p, bytes));
    EXPECT_EQ(ChangedFields(before, p), kNoField);
    EXPECT_EQ(tips_, tipsBefore);
    EXPECT_EQ(platform_.events(), std::vector<PlatformEvent>{kReadError});
  }

  ScriptedPlatform platform_;
  ToolTips tips_;
};

class WrittenText : public ::testing::TestWithParam<int32_t> {};

TEST_P(WrittenText, IsTheKnownFileByteForByte) {
  EXPECT_EQ(InputFileText(KnownProblem(GetParam())), KnownText(GetParam()));
}

// A section type the program does not know has no dimension line: nine lines.
INSTANTIATE_TEST_SUITE_P(EveryShapeAndAnUnknownOne, WrittenText, ::testing::Values(0, 1, 2, 3));

TEST(WrittenText, UsesExponentFormOnlyForLargeAndSmallMagnitudes) {
  Problem p = KnownProblem(section::Rectangular);
  p.Units = "Metric";
  p.Emax = 0.0035f;
  p.Er = 200000;
  p.MomentUlt = 12500000;
  p.Cover = 0.00001f;
  p.EffArea = 0.0001f;
  p.ExpFactor = 1234567;
  const std::string text = InputFileText(p);
  EXPECT_NE(text.find("\"Metric\",\"aci\",\"review\"\r\n"), std::string::npos);
  EXPECT_NE(text.find("0.9,0.85,1,1,0.85,0.85,0.0035\r\n"), std::string::npos);
  EXPECT_NE(text.find("4000,3604997,474.3,60000,200000,8,1\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n1E-05,0.0001,1234567\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n1.25E+07,150,-20.5,45.25\r\n"), std::string::npos);
}

TEST(WrittenText, DoublesAQuoteInATitleAndKeepsOtherTitlesAsTheyAre) {
  Problem p = KnownProblem(section::Rectangular);
  p.OutputTitle = "Girder \"G2\", 12\" deep";
  EXPECT_EQ(Replaced(KnownText(0), "\"Beam B-1, span 2\"", "\"Girder \"\"G2\"\", 12\"\" deep\""),
            InputFileText(p));
  p.OutputTitle = "";
  EXPECT_EQ(Replaced(KnownText(0), "\"Beam B-1, span 2\"", "\"\""), InputFileText(p));
}

class RoundTrip : public ::testing::TestWithParam<int32_t> {};

// Values typed with up to seven significant digits come back as typed, and
// the dimensions of the other two shapes come back zero.
TEST_P(RoundTrip, EveryStoredFieldComesBackAsTyped) {
  const int32_t shape = GetParam();
  const std::vector<float> typed = {
      0.9f,     1234567,   -0.000123f, 2.9e7f, 3.141593f, 1e-5f, 0.001234567f, 987.6543f, 45.25f,
      -20.5f,   6.02e23f,  1.5e-30f,   0.85f,  123456.7f, 0,     12,           7.5f,      99999.99f,
      -8.5e-8f, 33.33333f, 1e30f,      0.5f,   250,       2.5f,  4000,         0.003f,    60000,
      29000000, 3604997,   474.3f,     8,      170000,    0.62f, 21.5f,        14.2857f};
  Problem written = KnownProblem(shape);
  written.OutputTitle = "A, \"quoted\", title";
  written.Units = "Metric";
  written.CodeKey = "ohbdc";
  written.ProblemType = "Vdesign";
  std::vector<RealField> stored = kCommonReals;
  for (const RealField& f : DimensionsOf(shape)) stored.push_back(f);
  for (std::size_t i = 0; i < stored.size(); ++i) {
    written.*(stored[i].field) = typed[i % typed.size()];
  }
  written.OutSectProp = 0;
  written.OutMomCap = 1;
  written.OutShearCap = 0;
  written.OutServLoad = 1;
  written.OutFatStress = -7;
  written.OutCrackCon = 2147483647;

  Problem read;
  ResetParameters(read);
  ResetDimensions(read);
  ASSERT_TRUE(ReadInputFields(InputFileText(written), read));
  for (const RealField& f : stored) {
    EXPECT_EQ(std::bit_cast<uint32_t>(read.*(f.field)), std::bit_cast<uint32_t>(written.*(f.field)))
        << f.name << " " << written.*(f.field) << " read " << read.*(f.field);
  }
  for (int32_t other = 0; other < 3; ++other) {
    if (other == shape) continue;
    for (const RealField& f : DimensionsOf(other)) EXPECT_EQ(read.*(f.field), 0) << f.name;
  }
  EXPECT_EQ(read.OutputTitle, written.OutputTitle);
  EXPECT_EQ(read.Units, "Metric");
  EXPECT_EQ(read.CodeKey, "ohbdc");
  EXPECT_EQ(read.ProblemType, "Vdesign");
  EXPECT_EQ(read.SectionType, shape);
  EXPECT_EQ(read.SectionDefined, 1);
  EXPECT_EQ(read.OutSectProp, 0);
  EXPECT_EQ(read.OutMomCap, 1);
  EXPECT_EQ(read.OutShearCap, 0);
  EXPECT_EQ(read.OutServLoad, 1);
  EXPECT_EQ(read.OutFatStress, -7);
  EXPECT_EQ(read.OutCrackCon, 2147483647);
  // Read back, the problem writes the same file again.
  EXPECT_EQ(InputFileText(read), InputFileText(written));
}

// Any finite float, whatever its digits, comes back bit for bit.
TEST_P(RoundTrip, ArbitraryFloatsComeBackBitIdentical) {
  const int32_t shape = GetParam();
  std::mt19937 random(20260 + static_cast<unsigned>(shape));
  std::vector<RealField> stored = kCommonReals;
  for (const RealField& f : DimensionsOf(shape)) stored.push_back(f);
  for (int round = 0; round < 400; ++round) {
    Problem written = KnownProblem(shape);
    for (const RealField& f : stored) {
      float v;
      do {
        v = std::bit_cast<float>(static_cast<uint32_t>(random()));
      } while (!std::isfinite(v) || v == 0);
      written.*(f.field) = v;
    }
    Problem read;
    ASSERT_TRUE(ReadInputFields(InputFileText(written), read)) << InputFileText(written);
    for (const RealField& f : stored) {
      ASSERT_EQ(std::bit_cast<uint32_t>(read.*(f.field)),
                std::bit_cast<uint32_t>(written.*(f.field)))
          << f.name << " written as " << InputFileText(written);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryShape, RoundTrip, ::testing::Values(0, 1, 2));

// The unit factors follow the units read from the file.
TEST(ReadFields, SetsTheUnitFactorsOfTheUnitsRead) {
  Problem p;
  ASSERT_TRUE(ReadInputFields(Replaced(KnownText(0), "\"English\"", "\"Metric\""), p));
  EXPECT_EQ(p.KiloFactor, 1000);
  EXPECT_EQ(p.MomentArmFactor, 1000);
  EXPECT_EQ(p.MomentFactor, 1000000);
  EXPECT_EQ(p.InchPerLength, 0.0394f);
  EXPECT_EQ(p.PsiPerStress, 145);
  EXPECT_EQ(p.RootStressDivisor, 12);
  ASSERT_TRUE(ReadInputFields(KnownText(0), p));
  EXPECT_EQ(p.MomentArmFactor, 12);
  EXPECT_EQ(p.MomentFactor, 12000);
  EXPECT_EQ(p.InchPerLength, 1);
  // Keys are taken as they stand; an unknown unit system keeps the factors.
  ASSERT_TRUE(ReadInputFields(Replaced(KnownText(0), "\"English\"", "\"Imperial\""), p));
  EXPECT_EQ(p.Units, "Imperial");
  EXPECT_EQ(p.MomentArmFactor, 12);
}

// Only the order of the fields counts, not how they are divided into lines.
TEST(ReadFields, FieldsLaidOutOnOtherLinesReadTheSame) {
  const std::string known = KnownText(section::Box);
  const std::vector<std::string> layouts = {
      // all on one line
      ReplacedAll(known, "\r\n", ","),
      // one field a line (the title has a comma inside its quotes)
      ReplacedAll(ReplacedAll(known, ",", "\r\n"), "B-1\r\n span", "B-1, span"),
      // LF only
      ReplacedAll(known, "\r\n", "\n"),
      // CR only
      ReplacedAll(known, "\r\n", "\r"),
      // blanks before and after fields, no line end at the end
      Replaced(ReplacedAll(ReplacedAll(known, ",", " ,\t "), "\r\n", "  \r\n  "), "B-1 ,\t  span",
               "B-1, span"),
      known.substr(0, known.size() - 2),
      // the keys without quotes
      Replaced(known, "\"English\",\"aci\",\"review\"", "English,aci,review"),
      // lines after the last field are ignored
      known + "\r\n\r\nnotes: anything at all\r\n",
      // a UTF-8 byte order mark before the title
      "\xEF\xBB\xBF" + known,
  };
  Problem expected;
  ASSERT_TRUE(ReadInputFields(known, expected));
  for (const std::string& text : layouts) {
    Problem p;
    ASSERT_TRUE(ReadInputFields(text, p)) << text;
    EXPECT_EQ(ChangedFields(expected, p), kNoField) << text;
  }
}

TEST(ReadFields, QuotedTextsRunToTheirClosingQuote) {
  struct Case {
    std::string inFile;
    std::string title;
  };
  const std::vector<Case> cases = {
      {"\"Beam, with, commas\"", "Beam, with, commas"},
      {"\"He said \"\"hi\"\", then left\"", "He said \"hi\", then left"},
      {"\"\"\"\"", "\""},
      {"\"12\"\" deep\"\"\"", "12\" deep\""},
      {"\"\"", ""},
      {"  \"blanks around\"  ", "blanks around"},
      {"\"line one\r\nline two\"", "line one\r\nline two"},
      {"plain title", "plain title"},
  };
  for (const Case& c : cases) {
    Problem p;
    ASSERT_TRUE(ReadInputFields(Replaced(KnownText(0), "\"Beam B-1, span 2\"", c.inFile), p))
        << c.inFile;
    EXPECT_EQ(p.OutputTitle, c.title);
    EXPECT_EQ(p.ConcreteStrength, 4000);
    EXPECT_EQ(p.OutCrackCon, 1);
  }
}

TEST(ReadFields, MalformedTextsAreRefused) {
  const std::vector<std::string> titles = {
      "\"unterminated",  // runs to the end of the file
      "\"ab\"c\"",       // a single quote inside, as a writer without doubling leaves it
      "\"ab\" c",
      "plain, cut",  // an unquoted title ends at its comma; the fields then do not fit
  };
  for (const std::string& title : titles) {
    Problem p;
    EXPECT_FALSE(ReadInputFields(Replaced(KnownText(0), "\"Beam B-1, span 2\"", title), p))
        << title;
  }
}

struct NumberCase {
  std::string text;
  bool reads;
  float value;
};

class NumberField : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberField, IsAWholeValidNumberOrARefusedFile) {
  const NumberCase& c = GetParam();
  Problem p;
  const bool read = ReadInputFields(Replaced(KnownText(0), "\r\n4000,", "\r\n" + c.text + ","), p);
  EXPECT_EQ(read, c.reads) << "[" << c.text << "]";
  if (read && c.reads) {
    EXPECT_EQ(std::bit_cast<uint32_t>(p.ConcreteStrength), std::bit_cast<uint32_t>(c.value))
        << c.text;
    EXPECT_EQ(p.OutCrackCon, 1);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumberField,
    ::testing::Values(
        NumberCase{"4000", true, 4000}, NumberCase{".9", true, 0.9f}, NumberCase{"0.9", true, 0.9f},
        NumberCase{"2.9E+07", true, 2.9e7f}, NumberCase{"2.9e7", true, 2.9e7f},
        NumberCase{"-1.5", true, -1.5f}, NumberCase{"+1.5", true, 1.5f},
        NumberCase{"-.5", true, -0.5f}, NumberCase{"5.", true, 5}, NumberCase{"   1.5", true, 1.5f},
        NumberCase{"1.5  ", true, 1.5f}, NumberCase{"\t1.5\t", true, 1.5f},
        NumberCase{"1E-50", true, 0}, NumberCase{"-1E-50", true, 0}, NumberCase{"-0", true, 0},
        NumberCase{"-0.000", true, 0}, NumberCase{"3.4028235E+38", true, 3.4028235e38f},
        NumberCase{"1.4E-45", true, 1.4e-45f}, NumberCase{"", false, 0},
        NumberCase{"   ", false, 0}, NumberCase{"abc", false, 0}, NumberCase{"1.2.3", false, 0},
        NumberCase{"12abc", false, 0}, NumberCase{"4000psi", false, 0},
        NumberCase{"12 34", false, 0}, NumberCase{"inf", false, 0}, NumberCase{"-inf", false, 0},
        NumberCase{"nan", false, 0}, NumberCase{"infinity", false, 0}, NumberCase{"1E40", false, 0},
        NumberCase{"-3.5E+38", false, 0}, NumberCase{"1e999999", false, 0},
        NumberCase{"0x10", false, 0}, NumberCase{"\"4000\"", false, 0}, NumberCase{"+-1", false, 0},
        NumberCase{"++1", false, 0}, NumberCase{"--1", false, 0}, NumberCase{"-", false, 0},
        NumberCase{"+", false, 0}, NumberCase{".", false, 0}, NumberCase{"e5", false, 0},
        NumberCase{"1e", false, 0}, NumberCase{"1e+", false, 0}, NumberCase{"1,5e", false, 0},
        NumberCase{"\"4000", false, 0}));

struct IntegerCase {
  std::string sectionType;
  std::string selections;
  bool reads;
};

class IntegerFields : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerFields, AreWholeNumbersInRange) {
  const IntegerCase& c = GetParam();
  const std::string text =
      Replaced(Replaced(KnownText(0), "\r\n0\r\n", "\r\n" + c.sectionType + "\r\n"),
               "1,1,1,0,0,1\r\n", c.selections + "\r\n");
  Problem p;
  EXPECT_EQ(ReadInputFields(text, p), c.reads) << c.sectionType << " / " << c.selections;
}

INSTANTIATE_TEST_SUITE_P(
    Table, IntegerFields,
    ::testing::Values(
        IntegerCase{"0", "1,1,1,0,0,1", true}, IntegerCase{" 0 ", "0,0,0,0,0,0", true},
        IntegerCase{"+0", "+1,-1,2147483647,-2147483648,0,1", true},
        IntegerCase{"1", "1,1,1,0,0,1", false},   // a box needs six dimensions
        IntegerCase{"3", "1,1,1,0,0,1", false},   // no such shape
        IntegerCase{"-1", "1,1,1,0,0,1", false},  // no such shape
        IntegerCase{"0.0", "1,1,1,0,0,1", false}, IntegerCase{"", "1,1,1,0,0,1", false},
        IntegerCase{"x", "1,1,1,0,0,1", false}, IntegerCase{"4294967296", "1,1,1,0,0,1", false},
        IntegerCase{"0", "1,1,1,0,0,2147483648", false},
        IntegerCase{"0", "1,1,1,0,0,-2147483649", false}, IntegerCase{"0", "1,1,1,0,0,1.5", false},
        IntegerCase{"0", "1,1,1,0,0,1e0", false}, IntegerCase{"0", "1,1,1,0,0,\"1\"", false},
        IntegerCase{"0", "1,1,1,0,0", false}, IntegerCase{"0", "1,1,1,0,0,", false},
        IntegerCase{"0", "", false}));

// A file cut anywhere before its last field is refused.
TEST(ReadFields, EveryTruncationIsARefusedFile) {
  const std::string known = KnownText(section::Box);
  for (std::size_t length = 0; length + 2 < known.size(); ++length) {
    Problem p;
    EXPECT_FALSE(ReadInputFields(known.substr(0, length), p)) << length;
  }
  Problem p;
  EXPECT_TRUE(ReadInputFields(known.substr(0, known.size() - 2), p));
}

// Damaged files never crash the reader, and whatever it accepts is a
// problem that writes and reads back to itself.
TEST(ReadFields, DamagedFilesAreReadOrRefusedCleanly) {
  const std::string known = KnownText(section::Tee);
  const std::string alphabet = "0123456789.,-+eE\"\r\n \tx\0";
  std::mt19937 random(4242);
  int accepted = 0;
  for (int round = 0; round < 3000; ++round) {
    std::string text = known;
    const int edits = 1 + static_cast<int>(random() % 4);
    for (int e = 0; e < edits && !text.empty(); ++e) {
      const std::size_t at = random() % text.size();
      const char c = alphabet[random() % alphabet.size()];
      switch (random() % 3) {
        case 0:
          text[at] = c;
          break;
        case 1:
          text.insert(text.begin() + static_cast<std::ptrdiff_t>(at), c);
          break;
        default:
          text.erase(at, 1);
          break;
      }
    }
    Problem p;
    if (!ReadInputFields(text, p)) continue;
    ++accepted;
    Problem again;
    ASSERT_TRUE(ReadInputFields(InputFileText(p), again)) << text;
    ASSERT_EQ(ChangedFields(p, again), kNoField) << text;
  }
  EXPECT_GT(accepted, 100);
}

TEST_F(InputFileTest, WritesTheKnownFile) {
  Problem p = KnownProblem(section::Tee);
  p.InputFile = PathOf("beam.in");
  EXPECT_TRUE(WriteInputFile(p, platform_));
  EXPECT_EQ(ReadBytes(p.InputFile), KnownText(section::Tee));
  EXPECT_TRUE(platform_.events().empty());
  EXPECT_EQ(Entries(folder_), std::vector<std::string>{"beam.in"});
}

TEST_F(InputFileTest, ReplacesAnExistingFileWhole) {
  const std::string path = Put("beam.in", std::string(5000, 'x'));
  Problem p = KnownProblem(section::Rectangular);
  p.InputFile = path;
  EXPECT_TRUE(WriteInputFile(p, platform_));
  EXPECT_EQ(ReadBytes(path), KnownText(section::Rectangular));
  EXPECT_TRUE(platform_.events().empty());
  EXPECT_EQ(Entries(folder_), std::vector<std::string>{"beam.in"});
}

TEST_F(InputFileTest, KeepsThePermissionsOfTheFileItReplaces) {
  const std::string path = Put("beam.in", "old");
  const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(path, mode, fs::perm_options::replace);
  Problem p = KnownProblem(section::Rectangular);
  p.InputFile = path;
  EXPECT_TRUE(WriteInputFile(p, platform_));
  EXPECT_EQ(ReadBytes(path), KnownText(section::Rectangular));
  EXPECT_EQ(fs::status(path).permissions(), mode);
}

// A save that cannot be done reports the error and leaves the folder as it
// was: the old file byte for byte, no temporary file.
TEST_F(InputFileTest, SavingThroughALinkWritesTheFileItPointsTo) {
  fs::create_directories(folder_ / "real");
  Put("real/beam.in", "old");
  fs::create_symlink(folder_ / "real" / "beam.in", folder_ / "link.in");
  Problem p = KnownProblem(section::Box);
  p.InputFile = PathOf("link.in");
  EXPECT_TRUE(WriteInputFile(p, platform_));
  EXPECT_TRUE(fs::is_symlink(folder_ / "link.in"));
  EXPECT_EQ(ReadBytes(PathOf("real/beam.in")), KnownText(section::Box));
  EXPECT_EQ(Entries(folder_ / "real"), std::vector<std::string>{"beam.in"});
  EXPECT_EQ(Entries(folder_), (std::vector<std::string>{"link.in", "real"}));
}

TEST_F(InputFileTest, AFailedSaveLeavesEverythingAsItWas) {
  const std::string old = "old contents\r\n";
  Put("keep.in", old);
  fs::create_directories(folder_ / "a folder" / "inside");
  const std::vector<std::string> targets = {
      PathOf("a folder"),              // a directory
      PathOf("missing/beam.in"),       // a folder that does not exist
      PathOf("keep.in") + "/beam.in",  // a folder that is a file
      "",                              // no name at all
  };
  for (const std::string& target : targets) {
    platform_.ClearLog();
    Problem p = KnownProblem(section::Rectangular);
    p.InputFile = target;
    EXPECT_FALSE(WriteInputFile(p, platform_)) << target;
    EXPECT_EQ(platform_.events(), std::vector<PlatformEvent>{kWriteError}) << target;
    EXPECT_EQ(Entries(folder_), (std::vector<std::string>{"a folder", "keep.in"})) << target;
    EXPECT_EQ(Entries(folder_ / "a folder"), std::vector<std::string>{"inside"});
    EXPECT_EQ(ReadBytes(PathOf("keep.in")), old);
  }
}

TEST_F(InputFileTest, AReadOnlyFolderOrFileIsNotWritten) {
  const std::string old = "old contents\r\n";
  const fs::path locked = folder_ / "locked";
  fs::create_directories(locked);
  { std::ofstream(locked / "beam.in", std::ios::binary) << old; }
  fs::permissions(locked / "beam.in", fs::perms::owner_read);
  fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
  if (::access(locked.c_str(), W_OK) == 0) {
    GTEST_SKIP() << "this user may write to read-only folders";
  }
  for (const char* name : {"beam.in", "new.in"}) {
    platform_.ClearLog();
    Problem p = KnownProblem(section::Rectangular);
    p.InputFile = (locked / name).string();
    EXPECT_FALSE(WriteInputFile(p, platform_));
    EXPECT_EQ(platform_.events(), std::vector<PlatformEvent>{kWriteError});
    EXPECT_EQ(Entries(locked), std::vector<std::string>{"beam.in"});
    EXPECT_EQ(ReadBytes((locked / "beam.in").string()), old);
  }
  // A read-only file in a folder that may be written is not replaced either.
  fs::permissions(locked, fs::perms::owner_all);
  platform_.ClearLog();
  Problem p = KnownProblem(section::Rectangular);
  p.InputFile = (locked / "beam.in").string();
  EXPECT_FALSE(WriteInputFile(p, platform_));
  EXPECT_EQ(platform_.events(), std::vector<PlatformEvent>{kWriteError});
  EXPECT_EQ(Entries(locked), std::vector<std::string>{"beam.in"});
  EXPECT_EQ(ReadBytes((locked / "beam.in").string()), old);
}

TEST_F(InputFileTest, LoadReplacesTheWholeProblem) {
  Problem p = EarlierProblem();
  tips_.clear();
  ASSERT_TRUE(Load(p, KnownText(section::Rectangular), "known.in"));
  EXPECT_TRUE(platform_.events().empty());

  Problem expected = KnownProblem(section::Rectangular);
  EXPECT_EQ(InputFileText(p), InputFileText(expected));
  EXPECT_EQ(p.InputFile, PathOf("known.in"));
  EXPECT_EQ(p.InputFileTitle, "known.in");
  EXPECT_EQ(p.SectionDefined, 1);
  // What the file does not hold: the other shapes are reset, the output file
  // stays.
  for (const auto* dims : {&kBoxReals, &kTeeReals}) {
    for (const RealField& f : *dims) EXPECT_EQ(p.*(f.field), 0) << f.name;
  }
  EXPECT_EQ(p.OutputFile, "/reports/earlier.out");
  EXPECT_EQ(p.OutputFileTitle, "earlier.out");
  // The tool tips follow the loaded problem.
  ToolTips expectedTips;
  SetToolTips(p, expectedTips);
  EXPECT_EQ(tips_, expectedTips);
  EXPECT_FALSE(tips_.empty());
}

// The section properties are recomputed from the loaded section: rectangle
// 12 x 24 with f_r 500 psi and As 3 at d 21, n 8.
TEST_F(InputFileTest, LoadRecomputesTheSection) {
  Problem p = EarlierProblem();
  std::string text = Replaced(KnownText(section::Rectangular), ",474.3,", ",500,");
  text = Replaced(text, "3,21.5,0.62,", "3,21,0,");
  ASSERT_TRUE(Load(p, text));
  EXPECT_EQ(p.DistNeutralAxis, 12);
  EXPECT_EQ(p.SectModulus, 1152);
  EXPECT_EQ(p.SectHeight, 24);
  EXPECT_EQ(p.WebWidth, 12);
  EXPECT_EQ(p.CrackMoment, 48);
  EXPECT_EQ(p.CrackMoment12, 57.6f);
  EXPECT_EQ(p.GrossInertia, 13824);
  EXPECT_NEAR(p.CrackedInertia, 6060, 1);
  EXPECT_EQ(p.MomentCap, 555);  // other results wait for their own calculation
}

// A problem saved before its section was given loads whole; the section
// calculation stops at its fault without a message.
TEST_F(InputFileTest, AProblemWithoutASectionLoadsWithoutAMessage) {
  Problem p = EarlierProblem();
  const std::string text =
      Replaced(KnownText(section::Rectangular), "\r\n12,24\r\n", "\r\n0,0\r\n");
  ASSERT_TRUE(Load(p, text));
  EXPECT_TRUE(platform_.events().empty());
  Problem expected = KnownProblem(section::Rectangular);
  expected.RecB = 0;
  expected.RecH = 0;
  EXPECT_EQ(InputFileText(p), InputFileText(expected));
  EXPECT_EQ(p.SectionDefined, 1);
  // A rectangle of no height has all-zero gross properties; the cracked
  // section then divides by the zero width and stops.
  EXPECT_EQ(p.DistNeutralAxis, 0);
  EXPECT_EQ(p.SectModulus, 0);
  EXPECT_EQ(p.GrossInertia, 0);
  EXPECT_EQ(p.CrackedInertia, 4444);

  // A box of no size faults at once, in the gross section.
  Problem box = EarlierProblem();
  ASSERT_TRUE(Load(box, Replaced(KnownText(section::Box), "48,60,7.5,40,6,14", "0,0,0,0,0,0")));
  EXPECT_TRUE(platform_.events().empty());
  EXPECT_EQ(box.SectionType, section::Box);
  EXPECT_EQ(box.OutCrackCon, 1);
  EXPECT_EQ(box.GrossInertia, 3333);
}

TEST_F(InputFileTest, ATruncatedFileLeavesThePreviousProblem) {
  const std::string known = KnownText(section::Box);
  // before the output selections, in the middle of a line, after the title
  for (const std::size_t cut :
       {known.find("1,1,1,0,0,1"), known.find("60000"), known.find("\r\n") + 2, std::size_t{1}}) {
    ExpectReadError(known.substr(0, cut));
  }
}

TEST_F(InputFileTest, UnreadableFilesAreRefused) {
  const std::string known = KnownText(section::Rectangular);
  ExpectReadError("");
  ExpectReadError("\r\n");
  ExpectReadError(Replaced(known, "Beam B-1", std::string("Beam\0B-1", 8)));  // binary
  ExpectReadError(std::string(4096, '\0'));
  ExpectReadError(Replaced(known, "\r\n0\r\n12,24\r\n", "\r\n3\r\n"));  // section type 3
  ExpectReadError(Replaced(known, "474.3", "474,3"));
  ExpectReadError(known + std::string(kMaxInputFileBytes + 1 - known.size(), ' '));  // huge
}

TEST_F(InputFileTest, AFileOfTheLargestSizeIsRead) {
  const std::string known = KnownText(section::Rectangular);
  Problem p = EarlierProblem();
  EXPECT_TRUE(Load(p, known + std::string(kMaxInputFileBytes - known.size(), ' ')));
  EXPECT_TRUE(platform_.events().empty());
}

TEST_F(InputFileTest, MissingFilesAndFoldersAreRefused) {
  for (const std::string& path : {PathOf("missing.in"), folder_.string(), std::string()}) {
    Problem p = EarlierProblem();
    const Problem before = p;
    platform_.ClearLog();
    EXPECT_FALSE(ReadInputFile(p, tips_, FileChoice{path, "missing.in"}, platform_));
    EXPECT_EQ(ChangedFields(before, p), kNoField);
    EXPECT_EQ(platform_.events(), std::vector<PlatformEvent>{kReadError});
  }
}

TEST_F(InputFileTest, SaveThenLoadGivesTheSameProblem) {
  for (int32_t shape = 0; shape < 3; ++shape) {
    Problem written = KnownProblem(shape);
    written.OutputTitle = "Comma, \"quote\" and more";
    written.InputFile = PathOf("round.in");
    ASSERT_TRUE(WriteInputFile(written, platform_));
    Problem read = EarlierProblem();
    ASSERT_TRUE(ReadInputFile(read, tips_, FileChoice{written.InputFile, "round.in"}, platform_));
    EXPECT_EQ(InputFileText(read), InputFileText(written));
    EXPECT_EQ(read.OutputTitle, written.OutputTitle);
  }
  EXPECT_TRUE(platform_.events().empty());
}

}  // namespace
}  // namespace kestal
