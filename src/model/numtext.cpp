#include "model/numtext.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>
#include <system_error>
#include <type_traits>

namespace kestal {

namespace {

// A finite value as decimal digits: value = +/- d1.d2d3... x 10^exp10. The
// digits carry no leading and no trailing zeros; no digits means zero.
struct Decimal {
  bool negative = false;
  std::string digits;
  int exp10 = 0;

  bool IsZero() const { return digits.empty(); }
};

void StripTrailingZeros(Decimal& d) {
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) d.exp10 = 0;
}

// The decimal form of a value, taken apart into sign, digits and exponent:
// for a float the shortest text that reads back to it; for a double its
// fifteen significant digits, the precision a double carries, so that binary
// noise does not decide a rounding (0.97 - 0.0025 x 41 is 0.8675, not
// 0.86749999999999994). `v` must be finite.
template <class T>
Decimal DecimalForm(T v) {
  char buf[64];
  const auto res = std::is_same_v<T, double>
                       ? std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14)
                       : std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
  const std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
  Decimal d;
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') {
    d.negative = true;
    ++i;
  }
  for (; i < text.size() && text[i] != 'e'; ++i) {
    if (text[i] != '.') d.digits.push_back(text[i]);
  }
  int exponent = 0;
  if (i < text.size()) {
    ++i;
    std::from_chars(text.data() + i + (text[i] == '+' ? 1 : 0), text.data() + text.size(),
                    exponent);
  }
  std::size_t lead = 0;
  while (lead < d.digits.size() && d.digits[lead] == '0') ++lead;
  d.digits.erase(0, lead);
  d.exp10 = exponent - static_cast<int>(lead);
  StripTrailingZeros(d);
  return d;
}

// Keeps the first `keep` significant digits, rounding half away from zero on
// the digit string: the digit after the last one kept decides, 5 and above
// rounds the magnitude up. `keep` may be zero or negative when the rounding
// place lies above the first digit.
void RoundToDigits(Decimal& d, int keep) {
  if (d.IsZero() || keep >= static_cast<int>(d.digits.size())) return;
  if (keep < 0) {
    d.digits.clear();
    d.exp10 = 0;
    return;
  }
  const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
  d.digits.resize(static_cast<std::size_t>(keep));
  if (up) {
    int i = keep - 1;
    while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
      d.digits[static_cast<std::size_t>(i)] = '0';
      --i;
    }
    if (i < 0) {
      d.digits.insert(d.digits.begin(), '1');
      d.exp10 += 1;
    } else {
      ++d.digits[static_cast<std::size_t>(i)];
    }
  }
  StripTrailingZeros(d);
}

// Rounds to `decimals` places after the decimal point.
void RoundToDecimals(Decimal& d, int decimals) {
  if (d.IsZero()) return;
  RoundToDigits(d, d.exp10 + decimals + 1);
}

// Digits before the decimal point; empty for a value below one.
std::string IntegerDigits(const Decimal& d) {
  if (d.IsZero() || d.exp10 < 0) return {};
  const auto count = static_cast<std::size_t>(d.exp10) + 1;
  std::string s = d.digits.substr(0, count);
  s.resize(count, '0');
  return s;
}

// Digits after the decimal point, without trailing zeros.
std::string FractionDigits(const Decimal& d) {
  if (d.IsZero()) return {};
  if (d.exp10 >= 0) {
    const auto skip = static_cast<std::size_t>(d.exp10) + 1;
    return skip < d.digits.size() ? d.digits.substr(skip) : std::string();
  }
  return std::string(static_cast<std::size_t>(-d.exp10 - 1), '0') + d.digits;
}

std::string ExponentText(int exp10) {
  std::string s = exp10 < 0 ? "E-" : "E+";
  const std::string digits = std::to_string(exp10 < 0 ? -exp10 : exp10);
  if (digits.size() < 2) s.push_back('0');
  return s + digits;
}

template <class T>
std::string NonFiniteText(T v) {
  if (std::isnan(v)) return "nan";
  return v < 0 ? "-inf" : "inf";
}

// Digits of the general form: seven significant digits. With `roundTrip`, the
// shortest round-trip digits when seven do not read back to the same float (a
// box or a file must never change the value it holds).
std::string GeneralText(float v, bool leadingZero, char sep, bool roundTrip) {
  auto compose = [leadingZero](const Decimal& x, char point) {
    if (x.IsZero()) return std::string("0");
    std::string s = x.negative ? "-" : "";
    if (x.exp10 >= 7 || x.exp10 < -4) {
      s.push_back(x.digits[0]);
      if (x.digits.size() > 1) {
        s.push_back(point);
        s.append(x.digits, 1);
      }
      return s + ExponentText(x.exp10);
    }
    std::string whole = IntegerDigits(x);
    if (whole.empty() && leadingZero) whole.push_back('0');
    s += whole;
    const std::string fraction = FractionDigits(x);
    if (!fraction.empty()) {
      s.push_back(point);
      s += fraction;
    }
    return s;
  };
  const Decimal exact = DecimalForm(v);
  Decimal d = exact;
  RoundToDigits(d, 7);
  if (roundTrip && EntryValue(compose(d, '.')) != v) d = exact;
  return compose(d, sep);
}

enum class PatternKind { Fixed, Hash, Scientific };

struct Pattern {
  PatternKind kind;
  int decimals;
};

Pattern ParsePattern(std::string_view pattern) {
  if (pattern == "0.") return {PatternKind::Fixed, 0};
  if (pattern == "0.0") return {PatternKind::Fixed, 1};
  if (pattern == "0.00") return {PatternKind::Fixed, 2};
  if (pattern == "0.000") return {PatternKind::Fixed, 3};
  if (pattern == "0.0000") return {PatternKind::Fixed, 4};
  if (pattern == "0.0000E+00") return {PatternKind::Scientific, 4};
  if (pattern == "#.") return {PatternKind::Hash, 0};
  if (pattern == "#.##") return {PatternKind::Hash, 2};
  if (pattern == "#.###") return {PatternKind::Hash, 3};
  if (pattern == "#.####") return {PatternKind::Hash, 4};
  throw std::invalid_argument("unknown number pattern: " + std::string(pattern));
}

template <class T>
std::string FormatWith(T v, std::string_view patternText, char sep) {
  const Pattern pattern = ParsePattern(patternText);
  if (!std::isfinite(v)) return NonFiniteText(v);
  Decimal d = DecimalForm(v);
  if (pattern.kind == PatternKind::Scientific) {
    RoundToDigits(d, pattern.decimals + 1);
    std::string mantissa = d.IsZero() ? std::string("0") : d.digits;
    mantissa.resize(static_cast<std::size_t>(pattern.decimals) + 1, '0');
    std::string s = d.negative && !d.IsZero() ? "-" : "";
    s.push_back(mantissa[0]);
    s.push_back(sep);
    s.append(mantissa, 1);
    return s + ExponentText(d.IsZero() ? 0 : d.exp10);
  }
  RoundToDecimals(d, pattern.decimals);
  // A value that rounds to zero shows no sign.
  std::string s = d.negative && !d.IsZero() ? "-" : "";
  std::string whole = IntegerDigits(d);
  std::string fraction = FractionDigits(d);
  if (pattern.kind == PatternKind::Fixed) {
    if (whole.empty()) whole.push_back('0');
    fraction.resize(static_cast<std::size_t>(pattern.decimals), '0');
  }
  s += whole;
  s.push_back(sep);
  s += fraction;
  return s;
}

bool IsSkipped(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The characters of the leading number, blanks removed, in a form that
// std::from_chars reads (no '+' sign); empty when the text has no number.
std::string LeadingNumberText(std::string_view text) {
  std::string mantissa;
  std::size_t i = 0;
  auto next = [&]() -> int {
    while (i < text.size() && IsSkipped(text[i])) ++i;
    return i < text.size() ? static_cast<unsigned char>(text[i]) : -1;
  };
  int c = next();
  if (c == '-') {
    mantissa.push_back('-');
    ++i;
  } else if (c == '+') {
    ++i;
  }
  bool anyDigit = false;
  bool point = false;
  for (c = next(); c != -1; c = next()) {
    if (IsDigit(static_cast<char>(c))) {
      anyDigit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
    mantissa.push_back(static_cast<char>(c));
    ++i;
  }
  if (!anyDigit) return {};
  if (c == 'E' || c == 'e') {
    ++i;
    std::string exponent = "e";
    c = next();
    if (c == '-' || c == '+') {
      if (c == '-') exponent.push_back('-');
      ++i;
    }
    bool expDigit = false;
    for (c = next(); c != -1 && IsDigit(static_cast<char>(c)); c = next()) {
      expDigit = true;
      exponent.push_back(static_cast<char>(c));
      ++i;
    }
    // An exponent mark without digits is not part of the number.
    if (expDigit) mantissa += exponent;
  }
  return mantissa;
}

}  // namespace

namespace {
std::string SignedText(float v, bool roundTrip) {
  const std::string t = std::isfinite(v) ? GeneralText(v, false, '.', roundTrip) : NonFiniteText(v);
  return t[0] == '-' ? t : " " + t;
}
}  // namespace

std::string DisplayForm(float v) {
  return SignedText(v, true);
}

std::string MessageForm(float v) {
  return SignedText(v, false);
}

std::string GeneralForm(float v, char decimalSeparator) {
  if (!std::isfinite(v)) return NonFiniteText(v);
  return GeneralText(v, true, decimalSeparator, false);
}

std::string FileForm(float v) {
  if (!std::isfinite(v)) return NonFiniteText(v);
  return GeneralText(v, true, '.', true);
}

std::string FormatPattern(float v, std::string_view pattern, char decimalSeparator) {
  return FormatWith(v, pattern, decimalSeparator);
}

std::string FormatPattern(double v, std::string_view pattern, char decimalSeparator) {
  return FormatWith(v, pattern, decimalSeparator);
}

double RoundByPattern(double v, std::string_view pattern) {
  return LeadingNumber(FormatPattern(v, pattern));
}

double RoundByPattern(float v, std::string_view pattern) {
  return LeadingNumber(FormatPattern(v, pattern));
}

double LeadingNumber(std::string_view text) {
  const std::string number = LeadingNumberText(text);
  if (number.empty()) return 0;
  double value = 0;
  const auto res = std::from_chars(number.data(), number.data() + number.size(), value);
  // A number beyond the range of a double is no number at all.
  if (res.ec != std::errc() || !std::isfinite(value)) return 0;
  return value;
}

float EntryValue(std::string_view text) {
  const double value = LeadingNumber(text);
  // Halfway between FLT_MAX and the next power of two and beyond, a double
  // rounds to infinity as a float: too large for the field.
  if (!(std::fabs(value) < 0x1.ffffffp127)) return 0;
  return static_cast<float>(value);
}

}  // namespace kestal
