#include "model/numtext.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>

namespace kestal {
namespace {

struct FloatText {
  float value;
  const char* text;
};

TEST(DisplayForm, BoxTexts) {
  const FloatText cases[] = {
      {0.85f, " .85"},
      {8.0f, " 8"},
      {29000000.0f, " 2.9E+07"},
      {-1.5f, "-1.5"},
      {0.0f, " 0"},
      {-0.0f, " 0"},
      {0.00001f, " 1E-05"},
      {0.0001f, " .0001"},
      {0.00012345f, " .00012345"},
      {1234567.0f, " 1234567"},
      {12345680.0f, " 1.234568E+07"},
      {9999999.0f, " 9999999"},
      {10000000.0f, " 1E+07"},
      {3605000.0f, " 3605000"},
      {3604997.0f, " 3604997"},
      {474.3f, " 474.3"},
      {474.342f, " 474.342"},
      {0.003f, " .003"},
      {-0.5f, "-.5"},
      {-0.003f, "-.003"},
      {0.1f, " .1"},
      {1.0f / 3.0f, " .33333334"},
      {2.0f / 3.0f, " .6666667"},
      {100.0f, " 100"},
      {60000.0f, " 60000"},
      {170000.0f, " 170000"},
      {200000.0f, " 200000"},
      {1.5e-7f, " 1.5E-07"},
      {-2.5e-10f, "-2.5E-10"},
      {3e38f, " 3E+38"},
      {-29000000.0f, "-2.9E+07"},
      {1e-45f, " 1E-45"},
      {123.456789f, " 123.45679"},
      {-123.456789f, "-123.45679"},
      {123.4568f, " 123.4568"},
      {0.0001234568f, " .0001234568"},
      // The decimal form 9.9999997E-05 rounds with a carry to .0001, the same
      // float, and leaves the exponent form.
      {9.9999997e-5f, " .0001"},
  };
  for (const auto& c : cases) EXPECT_EQ(DisplayForm(c.value), c.text) << c.value;
}

TEST(DisplayForm, FallsBackToShortestDigitsWhenSevenDoNotReadBack) {
  // 16777216 shown as 1.677722E+07 would read back as 16777220, another float.
  const FloatText cases[] = {
      {16777216.0f, " 1.6777216E+07"}, {FLT_MAX, " 3.4028235E+38"}, {4194304.5f, " 4194304.5"},
      {12345678.0f, " 1.2345678E+07"}, {123.456789f, " 123.45679"}, {-4194304.5f, "-4194304.5"},
      {0.99999994f, " .99999994"},     {1.0000001f, " 1.0000001"},
  };
  for (const auto& c : cases) EXPECT_EQ(DisplayForm(c.value), c.text) << c.value;
}

TEST(GeneralForm, ReportTexts) {
  const FloatText cases[] = {
      {0.85f, "0.85"},
      {-0.5f, "-0.5"},
      {4000.0f, "4000"},
      {29000000.0f, "2.9E+07"},
      {474.3f, "474.3"},
      {0.0f, "0"},
      {-0.0f, "0"},
      {0.00001f, "1E-05"},
      {0.0001f, "0.0001"},
      {1.5e-7f, "1.5E-07"},
      {1234567.0f, "1234567"},
      {12345680.0f, "1.234568E+07"},
      {0.003f, "0.003"},
      {-0.003f, "-0.003"},
      {1.0f / 3.0f, "0.3333333"},
      {16777216.0f, "1.677722E+07"},
      {15.480000495f, "15.48"},
  };
  for (const auto& c : cases) EXPECT_EQ(GeneralForm(c.value), c.text) << c.value;
}

TEST(FileForm, SevenDigitsOrTheShortestThatReadBack) {
  const FloatText cases[] = {
      {0.85f, "0.85"},
      {4000.0f, "4000"},
      {29000000.0f, "2.9E+07"},
      {0.0f, "0"},
      {1.0f / 3.0f, "0.33333334"},
      {16777216.0f, "1.6777216E+07"},
      {15.480000495f, "15.4800005"},
      {-0.5f, "-0.5"},
  };
  for (const auto& c : cases) EXPECT_EQ(FileForm(c.value), c.text) << c.value;
}

TEST(MessageForm, BlankBeforeAndSevenDigitsAtMost) {
  EXPECT_EQ(MessageForm(2.865f), " 2.865");
  EXPECT_EQ(MessageForm(1.0f / 3.0f), " .3333333");
  EXPECT_EQ(MessageForm(-1.5f), "-1.5");
  EXPECT_EQ(MessageForm(15.480000495f), " 15.48");
  EXPECT_EQ(DisplayForm(15.480000495f), " 15.4800005");
}

TEST(GeneralForm, SeparatorReplacesThePoint) {
  EXPECT_EQ(GeneralForm(0.85f, ','), "0,85");
  EXPECT_EQ(GeneralForm(-474.3f, ','), "-474,3");
  EXPECT_EQ(GeneralForm(29000000.0f, ','), "2,9E+07");
  EXPECT_EQ(GeneralForm(4000.0f, ','), "4000");
  EXPECT_EQ(GeneralForm(16777216.0f, ','), "1,677722E+07");
}

struct PatternCase {
  double value;
  const char* pattern;
  const char* text;
};

TEST(FormatPattern, EveryPatternOnFloats) {
  const PatternCase cases[] = {
      {2.675, "0.00", "2.68"},
      {0.00125, "0.0000E+00", "1.2500E-03"},
      {0.5, "#.###", ".5"},
      {474.342, "0.", "474."},
      {474.5, "0.", "475."},
      {-474.5, "0.", "-475."},
      {0.4, "0.", "0."},
      {-0.4, "0.", "0."},
      {0.5, "0.", "1."},
      {99.5, "0.", "100."},
      {474.342, "0.0", "474.3"},
      {474.35, "0.0", "474.4"},
      {0.04, "0.0", "0.0"},
      {-0.04, "0.0", "0.0"},
      {-0.05, "0.0", "-0.1"},
      {9.96, "0.0", "10.0"},
      {3, "0.0", "3.0"},
      {0.125, "0.00", "0.13"},
      {-0.125, "0.00", "-0.13"},
      {0.995, "0.00", "1.00"},
      {-0.004, "0.00", "0.00"},
      {-0.005, "0.00", "-0.01"},
      {1234567, "0.00", "1234567.00"},
      {0.8125, "0.000", "0.813"},
      {0.9075, "0.000", "0.908"},
      {3.30719, "0.000", "3.307"},
      {2.1908902, "0.000", "2.191"},
      {0.0005, "0.000", "0.001"},
      {0.00049, "0.000", "0.000"},
      {12, "0.000", "12.000"},
      {0.00005, "0.0000", "0.0001"},
      {0.000049999, "0.0000", "0.0000"},
      {-1.23456, "0.0000", "-1.2346"},
      {0, "0.0000E+00", "0.0000E+00"},
      {9.99996, "0.0000E+00", "1.0000E+01"},
      {9.99994, "0.0000E+00", "9.9999E+00"},
      {1234.5678, "0.0000E+00", "1.2346E+03"},
      {29000000, "0.0000E+00", "2.9000E+07"},
      {-3.14159, "0.0000E+00", "-3.1416E+00"},
      {1e-10, "0.0000E+00", "1.0000E-10"},
      {3e38, "0.0000E+00", "3.0000E+38"},
      {1, "0.0000E+00", "1.0000E+00"},
      {3, "#.###", "3."},
      {0, "#.###", "."},
      {2.865, "#.###", "2.865"},
      {2.8655, "#.###", "2.866"},
      {0.0004, "#.###", "."},
      {-0.0004, "#.###", "."},
      {-0.5, "#.###", "-.5"},
      {9.9996, "#.###", "10."},
      {1234.5678, "#.###", "1234.568"},
      {0.01234, "#.####", ".0123"},
      {0.00005, "#.####", ".0001"},
      {12.3, "#.####", "12.3"},
      {0.456, "#.##", ".46"},
      {0.995, "#.##", "1."},
      {3.1, "#.##", "3.1"},
      {3, "#.", "3."},
      {0, "#.", "."},
      {0.4, "#.", "."},
      {0.5, "#.", "1."},
      {1234.5, "#.", "1235."},
      {-1234.5, "#.", "-1235."},
  };
  for (const auto& c : cases) {
    const float f = static_cast<float>(c.value);
    EXPECT_EQ(FormatPattern(f, c.pattern), c.text) << c.value << " " << c.pattern;
  }
}

TEST(FormatPattern, DoublesRoundTheirOwnDecimalForm) {
  const PatternCase cases[] = {
      {2.675, "0.00", "2.68"},
      {1.005, "0.00", "1.01"},
      {0.9075, "0.000", "0.908"},
      {474.34164902002, "0.0", "474.3"},
      {1e100, "0.0000E+00", "1.0000E+100"},
      {-1e-100, "0.0000E+00", "-1.0000E-100"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatPattern(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
  }
  EXPECT_EQ(FormatPattern(1e30, "#."), "1" + std::string(30, '0') + ".");
  // The same float widened to double has a different decimal form.
  EXPECT_EQ(FormatPattern(2.675f, "0.00"), "2.68");
  EXPECT_EQ(FormatPattern(static_cast<double>(2.675f), "0.00"), "2.67");
}

TEST(FormatPattern, SeparatorReplacesThePoint) {
  EXPECT_EQ(FormatPattern(2.5, "0.00", ','), "2,50");
  EXPECT_EQ(FormatPattern(3.0f, "#.###", ','), "3,");
  EXPECT_EQ(FormatPattern(474.0f, "0.", ','), "474,");
  EXPECT_EQ(FormatPattern(0.00125f, "0.0000E+00", ','), "1,2500E-03");
}

TEST(NumberText, ValuesThatAreNotNumbersHaveFixedTexts) {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(DisplayForm(inf), " inf");
  EXPECT_EQ(DisplayForm(-inf), "-inf");
  EXPECT_EQ(GeneralForm(-inf), "-inf");
  EXPECT_EQ(GeneralForm(nan), "nan");
  EXPECT_EQ(FormatPattern(inf, "0.00"), "inf");
  EXPECT_EQ(FormatPattern(static_cast<double>(nan), "0.0000E+00"), "nan");
  EXPECT_EQ(EntryValue(DisplayForm(inf)), 0.0f);
}

TEST(FormatPattern, UnknownPatternsAreRefused) {
  for (const char* pattern : {"", "0", "0.00000", "#.#", "0.000E+00", "G", "0.00e+00", "##.##"}) {
    EXPECT_THROW(FormatPattern(1.0, pattern), std::invalid_argument) << pattern;
    EXPECT_THROW(FormatPattern(1.0f, pattern), std::invalid_argument) << pattern;
  }
}

TEST(RoundByPattern, ReadsTheRoundedTextBack) {
  EXPECT_EQ(RoundByPattern(474.34164902002, "0.0"), 474.3);
  EXPECT_EQ(RoundByPattern(3604996.5329, "0."), 3604997.0);
  EXPECT_EQ(RoundByPattern(2.5, "0."), 3.0);
  EXPECT_EQ(RoundByPattern(-2.5, "0."), -3.0);
  EXPECT_EQ(RoundByPattern(0.8125, "0.000"), 0.813);
  EXPECT_EQ(RoundByPattern(0.9075, "0.000"), 0.908);
  EXPECT_EQ(RoundByPattern(1234.5678, "#.###"), 1234.568);
  EXPECT_EQ(RoundByPattern(0.00004, "#.####"), 0.0);
  EXPECT_EQ(RoundByPattern(0.00125, "0.0000E+00"), 0.00125);
  EXPECT_EQ(RoundByPattern(2.675f, "0.00"), 2.68);
  EXPECT_EQ(RoundByPattern(static_cast<double>(2.675f), "0.00"), 2.67);
}

struct TextNumber {
  const char* text;
  double value;
};

TEST(LeadingNumber, TextEntryRule) {
  const TextNumber cases[] = {
      {"12abc", 12},
      {"12 34", 1234},
      {"1,5", 1},
      {"", 0},
      {"abc", 0},
      {"-", 0},
      {".", 0},
      {"-.", 0},
      {"+", 0},
      {" 2.9E+07", 29000000},
      {"4000psi", 4000},
      {"-.5", -0.5},
      {".85", 0.85},
      {" .85", 0.85},
      {"+5", 5},
      {"--5", 0},
      {"+-5", 0},
      {"- 5", -5},
      {" \t\n12\n", 12},
      {"1 2 . 5 E 1", 125},
      {"1\r2", 1},
      {"1.2.3", 1.2},
      {"5.", 5},
      {".5e1", 5},
      {"1.e2", 100},
      {"1E", 1},
      {"1e", 1},
      {"1E+", 1},
      {"1E-", 1},
      {"1Ex", 1},
      {"1e5", 100000},
      {"1E-2x", 0.01},
      {"2.5e+3", 2500},
      {"1E2E3", 100},
      {"e5", 0},
      {".e5", 0},
      {"1D2", 1},
      {"0x10", 0},
      {"00012", 12},
      {"-0", 0},
      {"1e308", 1e308},
      {"9007199254740993", 9007199254740992.0},
      {"\xc2\xa0"
       "5",
       0},
      {"5\xff", 5},
  };
  for (const auto& c : cases) EXPECT_EQ(LeadingNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(LeadingNumber, NumbersOutsideTheRangeOfADoubleAreNoNumber) {
  const TextNumber cases[] = {
      {"1e999999", 0},
      {"-1e999999", 0},
      {"2e308", 0},
      {"1e-999999", 0},
      {"1e99999999999999999999999999999999", 0},
      {"1e-99999999999999999999999999999999", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(LeadingNumber(c.text), c.value) << c.text;
}

TEST(LeadingNumber, HugeTextsDoNotBreakIt) {
  EXPECT_EQ(LeadingNumber(std::string(100000, '9')), 0);
  EXPECT_EQ(LeadingNumber(std::string(100000, '0') + "5"), 5);
  EXPECT_EQ(LeadingNumber(std::string(100000, ' ') + "7"), 7);
  EXPECT_EQ(LeadingNumber("0." + std::string(300, '0') + "1e305"), 1e4);
  EXPECT_EQ(LeadingNumber("1" + std::string(200, '0')), 1e200);
  EXPECT_EQ(LeadingNumber(std::string(100000, '.')), 0);
  EXPECT_EQ(LeadingNumber("3" + std::string(100000, 'x')), 3);
}

TEST(EntryValue, StoresTheNumberAsAFloat) {
  EXPECT_EQ(EntryValue("0.85"), 0.85f);
  EXPECT_EQ(EntryValue(" .85"), 0.85f);
  EXPECT_EQ(EntryValue("4000psi"), 4000.0f);
  EXPECT_EQ(EntryValue(" 2.9E+07"), 29000000.0f);
  EXPECT_EQ(EntryValue("3.4028235e38"), FLT_MAX);
  EXPECT_EQ(EntryValue("-3.4028235e38"), -FLT_MAX);
  EXPECT_EQ(EntryValue("1e-50"), 0.0f);
  EXPECT_EQ(EntryValue("1e-45"), 1e-45f);
}

TEST(EntryValue, ANumberTooLargeForAFloatGivesZero) {
  for (const char* text : {"3.5e38", "-3.5e38", "1e39", "3.40282357e38", "1e300", "1e999"}) {
    EXPECT_EQ(EntryValue(text), 0.0f) << text;
  }
}

void ExpectRoundTrip(float f) {
  const std::string shown = DisplayForm(f);
  const std::string general = FileForm(f);
  EXPECT_EQ(std::bit_cast<uint32_t>(EntryValue(shown)), std::bit_cast<uint32_t>(f == 0 ? 0.0f : f))
      << shown;
  EXPECT_EQ(std::bit_cast<uint32_t>(EntryValue(general)),
            std::bit_cast<uint32_t>(f == 0 ? 0.0f : f))
      << general;
  EXPECT_LE(shown.size(), 16u) << shown;
}

TEST(RoundTrip, RandomFloatsOverAllMagnitudesReadBackIdentically) {
  std::mt19937 gen(20240607);
  std::uniform_int_distribution<uint32_t> bits;
  int checked = 0;
  while (checked < 100000) {
    const float f = std::bit_cast<float>(bits(gen));
    if (!std::isfinite(f)) continue;
    ExpectRoundTrip(f);
    ++checked;
    if (HasFailure()) return;
  }
}

TEST(RoundTrip, RandomFloatsOfEngineeringSizeReadBackIdentically) {
  std::mt19937 gen(7);
  std::uniform_real_distribution<double> exponent(-6, 9);
  std::uniform_int_distribution<int> sign(0, 1);
  for (int i = 0; i < 100000 && !HasFailure(); ++i) {
    const double magnitude = std::pow(10.0, exponent(gen));
    ExpectRoundTrip(static_cast<float>(sign(gen) ? -magnitude : magnitude));
  }
}

TEST(RoundTrip, ValuesOfUpToSevenDigitsComeBackAsTyped) {
  std::mt19937 gen(42);
  std::uniform_int_distribution<int> digitCount(1, 7);
  std::uniform_int_distribution<int> exponent(-12, 12);
  int sevenDigitsKept = 0;
  for (int i = 0; i < 100000 && !HasFailure(); ++i) {
    const int n = digitCount(gen);
    std::uniform_int_distribution<long> mantissa(1, static_cast<long>(std::pow(10, n)) - 1);
    long m = mantissa(gen);
    while (m % 10 == 0) m /= 10;
    const std::string digits = std::to_string(m);
    const int e = exponent(gen);
    const std::string typed = digits + "e" + std::to_string(e);
    const float f = EntryValue(typed);
    const std::string shown = DisplayForm(f);
    EXPECT_EQ(EntryValue(shown), f) << typed << " " << shown;
    // The digits shown, without point, exponent and leading zeros.
    std::string shownDigits;
    for (char c : shown) {
      if (c == 'E') break;
      if (c >= '0' && c <= '9' && !(shownDigits.empty() && c == '0')) shownDigits.push_back(c);
    }
    while (!shownDigits.empty() && shownDigits.back() == '0') shownDigits.pop_back();
    // Six digits always survive a float; seven wherever the floats are closer
    // together than one unit of the seventh digit.
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(f))) - 6);
    const double ulp = std::nextafter(f, FLT_MAX) - static_cast<double>(f);
    if (digits.size() <= 6 || ulp < unit) {
      EXPECT_EQ(shownDigits, digits) << typed << " " << shown;
      if (digits.size() == 7) ++sevenDigitsKept;
    }
  }
  EXPECT_GT(sevenDigitsKept, 5000);
}

TEST(RoundTrip, TypedEngineeringValuesComeBackExactly) {
  const FloatText cases[] = {
      {4000, " 4000"},     {0.85f, " .85"},   {0.003f, " .003"},        {474.3f, " 474.3"},
      {3.307f, " 3.307"},  {0.813f, " .813"}, {2.191f, " 2.191"},       {27806, " 27806"},
      {0.0015f, " .0015"}, {25651, " 25651"}, {1234.567f, " 1234.567"}, {-0.9075f, "-.9075"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DisplayForm(EntryValue(c.text)), c.text);
    EXPECT_EQ(EntryValue(c.text), c.value);
  }
}

TEST(RoundByPattern, DoublesRoundOnTheirFifteenDigitDecimalForm) {
  EXPECT_EQ(RoundByPattern(0.97 - 0.0025 * 41, "0.000"), 0.868);
  EXPECT_EQ(RoundByPattern(0.85 - (6250.0 - 4000) * 0.05 / 1000, "0.000"), 0.738);
  EXPECT_EQ(FormatPattern(0.85 - 0.0015 * 67, "0.000"), "0.750");
  EXPECT_EQ(FormatPattern(2.675, "0.00"), "2.68");
  EXPECT_EQ(FormatPattern(1.0 / 3.0, "0.0000E+00"), "3.3333E-01");
  EXPECT_EQ(FormatPattern(-0.0049999999999999, "0.00"), "0.00");
}

}  // namespace
}  // namespace kestal
