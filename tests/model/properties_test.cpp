// Checked arithmetic, and the properties of number text over seeded random
// values; the number text examples are in tests/data/model/numtext.case.

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/checked.h"
#include "model/numtext.h"

namespace kestal {
namespace {

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

TEST(Checked, ArithmeticIsDoublePrecision) {
  Real a = 0.1f;  // widened exactly
  EXPECT_EQ((a * 3).value(), static_cast<double>(0.1f) * 3);
  EXPECT_EQ((Real(1) / 3).value(), 1.0 / 3.0);
  EXPECT_EQ((Real(1e300) + 1e300).value(), 2e300);
  EXPECT_EQ(Sqrt(16).value(), 4.0);
  EXPECT_EQ(Sqrt(0).value(), 0.0);  // a zero term is no negative root
  EXPECT_TRUE(Real(2) > 1.5f);
}

TEST(Checked, FaultsStopAtTheOperation) {
  EXPECT_EQ(FaultOf([] { return Real(1) / 0; }), Fault::DivisionByZero);
  EXPECT_EQ(FaultOf([] { return Real(0) / 0.0f; }), Fault::DivisionByZero);
  EXPECT_EQ(FaultOf([] { return Sqrt(-1e-12); }), Fault::NegativeRoot);
  EXPECT_EQ(FaultOf([] { return Real(1e300) * 1e300; }), Fault::Overflow);
  EXPECT_EQ(FaultOf([] { return Real(1.7e308) + 1.7e308; }), Fault::Overflow);
  EXPECT_EQ(FaultOf([] { return Pow(-8, 1.0 / 3); }), Fault::Invalid);
  EXPECT_EQ(FaultOf([] { return Pow(10, 400); }), Fault::Overflow);
  EXPECT_EQ(FaultOf([] { return Pow(0, -1); }), Fault::DivisionByZero);
}

TEST(Checked, StoreFailsForValuesTooLargeForAFloat) {
  float f = 7;
  EXPECT_EQ(FaultOf([&] { Store(f, 1e39); }), Fault::Overflow);
  EXPECT_EQ(f, 7);  // not assigned
  Store(f, static_cast<double>(FLT_MAX));
  EXPECT_EQ(f, FLT_MAX);
  Store(f, -2.5);
  EXPECT_EQ(f, -2.5f);
}

TEST(Checked, FieldsStoredBeforeAFaultKeepTheirValues) {
  float first = 0, second = 0;
  EXPECT_EQ(FaultOf([&] {
              Store(first, Real(10) / 4);
              Store(second, Real(1) / 0);
            }),
            Fault::DivisionByZero);
  EXPECT_EQ(first, 2.5f);
  EXPECT_EQ(second, 0);
}

uint32_t Bits(float f) {
  return std::bit_cast<uint32_t>(f == 0 ? 0.0f : f);
}

// The significant digits of a number text: no sign, point, exponent, leading
// or trailing zeros.
std::string Digits(const std::string& text) {
  std::string d;
  for (char c : text) {
    if (c == 'E') break;
    if (c >= '0' && c <= '9' && !(d.empty() && c == '0')) d.push_back(c);
  }
  while (!d.empty() && d.back() == '0') d.pop_back();
  return d;
}

// Finite floats of every bit pattern, then of engineering size (1E-06 to 1E+09).
std::vector<float> RandomFloats() {
  std::mt19937 gen(20240607);
  std::uniform_int_distribution<uint32_t> bits;
  std::uniform_real_distribution<double> exponent(-6, 9);
  std::vector<float> floats;
  while (floats.size() < 100000) {
    const float f = std::bit_cast<float>(bits(gen));
    if (std::isfinite(f)) floats.push_back(f);
  }
  for (int i = 0; i < 100000; ++i) {
    const double magnitude = std::pow(10.0, exponent(gen));
    floats.push_back(static_cast<float>(i % 2 ? -magnitude : magnitude));
  }
  return floats;
}

TEST(NumberText, DisplayAndFileFormsReadBackToTheSameFloat) {
  for (float f : RandomFloats()) {
    const std::string shown = DisplayForm(f);
    const std::string file = FileForm(f);
    ASSERT_EQ(Bits(EntryValue(shown)), Bits(f)) << shown;
    ASSERT_EQ(Bits(EntryValue(file)), Bits(f)) << file;
    ASSERT_LE(shown.size(), 16u) << shown;
  }
}

TEST(NumberText, GeneralAndMessageFormsKeepSevenSignificantDigits) {
  for (float f : RandomFloats()) {
    const std::string general = GeneralForm(f);
    const std::string message = MessageForm(f);
    ASSERT_LE(Digits(general).size(), 7u) << general;
    ASSERT_EQ(Digits(message), Digits(general)) << message;
    ASSERT_EQ(LeadingNumber(message), LeadingNumber(general)) << message;
    if (f == 0) continue;
    // Within half a unit of the seventh digit, and of the float's own ulp.
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(f))) - 6);
    const double ulp = std::nextafter(std::fabs(f), FLT_MAX) - static_cast<double>(std::fabs(f));
    ASSERT_LE(std::fabs(LeadingNumber(general) - f), 0.5 * unit + ulp) << general;
  }
}

TEST(NumberText, TypedValuesOfUpToSevenDigitsShowAsTyped) {
  std::mt19937 gen(42);
  std::uniform_int_distribution<int> digitCount(1, 7);
  std::uniform_int_distribution<int> exponent(-12, 12);
  int sevenDigitsKept = 0;
  for (int i = 0; i < 100000; ++i) {
    const int n = digitCount(gen);
    std::uniform_int_distribution<long> mantissa(1, static_cast<long>(std::pow(10, n)) - 1);
    long m = mantissa(gen);
    while (m % 10 == 0) m /= 10;
    const std::string digits = std::to_string(m);
    const std::string typed = digits + "e" + std::to_string(exponent(gen));
    const float f = EntryValue(typed);
    const std::string shown = DisplayForm(f);
    ASSERT_EQ(EntryValue(shown), f) << typed << " " << shown;
    // Six digits always survive a float; seven wherever the floats are closer
    // together than one unit of the seventh digit.
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(f))) - 6);
    const double ulp = std::nextafter(f, FLT_MAX) - static_cast<double>(f);
    if (digits.size() <= 6 || ulp < unit) {
      ASSERT_EQ(Digits(shown), digits) << typed << " " << shown;
      if (digits.size() == 7) ++sevenDigitsKept;
    }
  }
  EXPECT_GT(sevenDigitsKept, 5000);
}

// A decimal text rounded to `decimals` places half away from zero, as the
// fixed pattern ("0.00") and the hash pattern ("#.##") write it.
std::string Rounded(bool negative, long long n, int scale, int decimals, bool hash) {
  long long q = n;
  for (int s = scale; s < decimals; ++s) q *= 10;
  long long div = 1;
  for (int s = decimals; s < scale; ++s) div *= 10;
  q = q / div + (2 * (q % div) >= div ? 1 : 0);
  long long pow10 = 1;
  for (int s = 0; s < decimals; ++s) pow10 *= 10;
  std::string whole = std::to_string(q / pow10);
  std::string fraction = std::to_string(q % pow10 + pow10).substr(1);
  if (hash) {
    if (whole == "0") whole.clear();
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  }
  return (negative && q != 0 ? "-" : "") + whole + "." + fraction;
}

TEST(NumberText, PatternsRoundTheDecimalFormHalfAwayFromZero) {
  std::mt19937 gen(5);
  std::uniform_int_distribution<int> scaleOf(0, 6);
  std::uniform_int_distribution<int> sign(0, 1);
  for (int i = 0; i < 20000; ++i) {
    const int scale = scaleOf(gen);
    // Eleven digits at most for a double, six for a float, so that the text
    // is the value's decimal form.
    const bool asFloat = i % 2 == 1;
    std::uniform_int_distribution<long long> digits(0, asFloat ? 999999 : 99999999999);
    const long long n = digits(gen);
    const bool negative = sign(gen) == 1;
    const auto pow10 = static_cast<long long>(std::pow(10, scale));
    const std::string text = (negative ? "-" : "") + std::to_string(n / pow10) + "." +
                             std::to_string(n % pow10 + pow10).substr(1);
    for (int decimals = 0; decimals <= 4; ++decimals) {
      for (bool hash : {false, true}) {
        const std::string pattern =
            (hash ? "#." : "0.") +
            std::string(static_cast<std::size_t>(decimals), hash ? '#' : '0');
        if (pattern == "#.#") continue;
        const std::string got = asFloat ? FormatPattern(std::stof(text), pattern)
                                        : FormatPattern(std::stod(text), pattern);
        const std::string want = Rounded(negative, n, scale, decimals, hash);
        ASSERT_EQ(got, want) << text << " " << pattern;
      }
    }
  }
}

// Floats next to a rounding boundary of the patterns and of seven digits:
// within two float steps of (k + 1/2) x 10^e, or of a power of ten.
std::vector<float> FloatsNearHalves() {
  std::mt19937 gen(77);
  std::uniform_int_distribution<long> k(0, 9999999);
  std::uniform_int_distribution<int> e(-10, 6), steps(-2, 2);
  std::vector<float> floats;
  for (int i = 0; i < 100000; ++i) {
    const double half = i % 5 ? static_cast<double>(k(gen)) + 0.5 : 1;
    float f = static_cast<float>(half * std::pow(10.0, e(gen)));
    for (int s = steps(gen); s != 0; s += s > 0 ? -1 : 1) {
      f = std::nextafter(f, s > 0 ? FLT_MAX : 0.0f);
    }
    floats.push_back(i % 3 ? f : -f);
  }
  return floats;
}

// The shortest digits that read back as `f`, rounded half away from zero to
// `keep` significant digits (f nonzero).
std::string ShortestDigitsRounded(float f, std::size_t keep) {
  char buf[32];
  const auto end =
      std::to_chars(buf, buf + sizeof buf, std::fabs(f), std::chars_format::scientific).ptr;
  std::string d;
  for (const char* c = buf; *c != 'e' && c != end; ++c) {
    if (*c != '.') d.push_back(*c);
  }
  if (d.size() > keep) {
    const bool up = d[keep] >= '5';
    d.resize(keep);
    for (std::size_t i = keep; up; --i) {
      if (i == 0) {
        d.insert(d.begin(), '1');
        break;
      }
      if (d[i - 1] != '9') {
        ++d[i - 1];
        break;
      }
      d[i - 1] = '0';
    }
  }
  while (d.size() > 1 && d.back() == '0') d.pop_back();
  return d;
}

// A float's text is its shortest decimal digits rounded: the patterns give
// what the same digits give as a double, the general form their first seven.
TEST(NumberText, FloatsRoundTheirShortestDigits) {
  // Every fourth of the random floats, and all of those near a boundary.
  std::vector<float> floats = FloatsNearHalves();
  const std::vector<float> random = RandomFloats();
  for (std::size_t i = 0; i < random.size(); i += 4) floats.push_back(random[i]);
  for (float f : floats) {
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, f, std::chars_format::scientific).ptr;
    const double shortest = std::stod(std::string(buf, end));
    for (const char* p : {"0.", "0.00", "0.000", "0.0000", "#.", "#.###", "0.0000E+00"}) {
      ASSERT_EQ(FormatPattern(f, p), FormatPattern(shortest, p)) << buf << " " << p;
    }
    if (f == 0) continue;
    ASSERT_EQ(Digits(GeneralForm(f)), ShortestDigitsRounded(f, 7)) << buf;
  }
}

TEST(NumberText, WhatACaseFileCannotHold) {
  EXPECT_EQ(DisplayForm(1e-45f), " 1E-45");
  EXPECT_EQ(LeadingNumber(" \t\n12\n"), 12);
  EXPECT_EQ(LeadingNumber("1\r2"), 1);
  EXPECT_EQ(LeadingNumber("5\xff"), 5);
  EXPECT_EQ(LeadingNumber(std::string(100000, '9')), 0);
  EXPECT_EQ(LeadingNumber(std::string(100000, '0') + "5"), 5);
  EXPECT_EQ(LeadingNumber(std::string(100000, ' ') + "7"), 7);
  EXPECT_EQ(LeadingNumber("0." + std::string(300, '0') + "1e305"), 1e4);
  EXPECT_EQ(LeadingNumber("1" + std::string(200, '0')), 1e200);
  EXPECT_EQ(LeadingNumber(std::string(100000, '.')), 0);
  EXPECT_EQ(LeadingNumber("3" + std::string(100000, 'x')), 3);
  // Unknown patterns are refused.
  for (const char* pattern : {"", "0", "0.00000", "#.#", "0.000E+00", "G", "0.00e+00", "##.##"}) {
    EXPECT_THROW(FormatPattern(1.0, pattern), std::invalid_argument) << pattern;
    EXPECT_THROW(FormatPattern(1.0f, pattern), std::invalid_argument) << pattern;
  }
}

}  // namespace
}  // namespace kestal
