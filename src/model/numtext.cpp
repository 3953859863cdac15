#include "model/numtext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <system_error>
#include <type_traits>

namespace kestal {

namespace {

// A finite value as decimal digits: value = +/- d1.d2d3... x 10^exp10. The
// digits carry no leading and no trailing zeros; no digits means zero. They
// are held in a fixed array rather than a std::string: every number the
// program prints passes through here, and the report prints dozens.
struct Decimal {
  static constexpr int kMaxDigits = 17;  // a double's fifteen, a float's nine
  bool negative = false;
  char digits[kMaxDigits] = {};
  int count = 0;
  int exp10 = 0;

  bool IsZero() const { return count == 0; }
};

void StripTrailingZeros(Decimal& d) {
  while (d.count > 0 && d.digits[d.count - 1] == '0') --d.count;
  if (d.count == 0) d.exp10 = 0;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The decimal form of a value, taken apart into sign, digits and exponent:
// for a float the shortest text that reads back to it; for a double its
// fifteen significant digits, the precision a double carries, so that binary
// noise does not decide a rounding (0.97 - 0.0025 x 41 is 0.8675, not
// 0.86749999999999994). `v` must be finite.
template <class T>
Decimal DecimalForm(T v) {
  Decimal d;
  if (v == 0) return d;
  // Any other value comes out of to_chars as "-d.ddde+XX": a minus sign for a
  // negative value, a first digit other than 0, the point and further digits
  // when there are any, "e", the exponent's sign and at least two digits.
  char buf[64];
  const auto res = std::is_same_v<T, double>
                       ? std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14)
                       : std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
  const char* c = buf;
  if (*c == '-') {
    d.negative = true;
    ++c;
  }
  for (; *c != 'e'; ++c) {
    if (*c != '.') d.digits[d.count++] = *c;
  }
  ++c;  // the 'e'
  const bool negativeExponent = *c == '-';
  int exponent = 0;
  for (++c; c < res.ptr; ++c) exponent = exponent * 10 + (*c - '0');
  d.exp10 = negativeExponent ? -exponent : exponent;
  StripTrailingZeros(d);
  return d;
}

// Keeps the first `keep` significant digits, rounding half away from zero on
// the digit string: the digit after the last one kept decides, 5 and above
// rounds the magnitude up. `keep` may be zero or negative when the rounding
// place lies above the first digit.
void RoundToDigits(Decimal& d, int keep) {
  if (d.IsZero() || keep >= d.count) return;
  if (keep < 0) {
    d.count = 0;
    d.exp10 = 0;
    return;
  }
  const bool up = d.digits[keep] >= '5';
  d.count = keep;
  if (up) {
    // Trailing nines carry into the digit before them and become zeros,
    // which are dropped; nines all through give 1 at the next power of ten.
    int i = keep - 1;
    while (i >= 0 && d.digits[i] == '9') --i;
    if (i < 0) {
      d.digits[0] = '1';
      d.count = 1;
      d.exp10 += 1;
    } else {
      ++d.digits[i];
      d.count = i + 1;
    }
  }
  StripTrailingZeros(d);
}

// Rounds to `decimals` places after the decimal point.
void RoundToDecimals(Decimal& d, int decimals) {
  if (d.IsZero()) return;
  RoundToDigits(d, d.exp10 + decimals + 1);
}

// The text of one number as it is put together: a buffer on the stack,
// turned into a std::string, or appended to one, once it is complete. It holds the longest text
// any form makes: a double near its largest with a fixed pattern, that is a
// sign, 309 integer digits, the point and four decimals.
class NumberText {
 public:
  static constexpr int kCapacity = 1 + std::numeric_limits<double>::max_exponent10 + 1 + 1 + 4;

  void Put(char c) { text_[size_++] = c; }
  void Put(const char* digits, int count) {
    for (int i = 0; i < count; ++i) text_[size_++] = digits[i];
  }
  void PutZeros(int count) {
    for (int i = 0; i < count; ++i) text_[size_++] = '0';
  }
  std::string_view View() const { return std::string_view(text_, static_cast<std::size_t>(size_)); }
  std::string String() const { return std::string(View()); }

 private:
  char text_[kCapacity];
  int size_ = 0;
};

// The digits before the decimal point; none for a value below one.
void PutIntegerDigits(NumberText& s, const Decimal& d) {
  if (d.IsZero() || d.exp10 < 0) return;
  const int whole = d.exp10 + 1;
  const int given = std::min(whole, d.count);
  s.Put(d.digits, given);
  s.PutZeros(whole - given);
}

// The digits after the decimal point, without trailing zeros; then zeros up
// to `minCount` digits after the point.
void PutFractionDigits(NumberText& s, const Decimal& d, int minCount) {
  int written = 0;
  if (!d.IsZero()) {
    // Zeros between the point and the first digit of a value below one.
    const int zeros = d.exp10 < 0 ? -d.exp10 - 1 : 0;
    const int first = d.exp10 < 0 ? 0 : d.exp10 + 1;
    const int given = std::max(d.count - first, 0);
    s.PutZeros(zeros);
    s.Put(d.digits + first, given);
    written = zeros + given;
  }
  s.PutZeros(minCount - written);
}

// "E", the exponent's sign always, at least two digits: "E+07", "E-123".
void PutExponent(NumberText& s, int exp10) {
  const int e = exp10 < 0 ? -exp10 : exp10;
  s.Put('E');
  s.Put(exp10 < 0 ? '-' : '+');
  if (e >= 100) s.Put(static_cast<char>('0' + e / 100));
  s.Put(static_cast<char>('0' + e / 10 % 10));
  s.Put(static_cast<char>('0' + e % 10));
}

template <class T>
void PutNonFinite(NumberText& s, T v) {
  if (std::isnan(v)) {
    s.Put("nan", 3);
  } else if (v < 0) {
    s.Put("-inf", 4);
  } else {
    s.Put("inf", 3);
  }
}

// The text of the general form from its digits: exponent form for a decimal
// exponent of 7 or more or below -4, else plain digits.
void PutGeneralDigits(NumberText& s, const Decimal& x, bool leadingZero, char point) {
  if (x.IsZero()) {
    s.Put('0');
    return;
  }
  if (x.negative) s.Put('-');
  if (x.exp10 >= 7 || x.exp10 < -4) {
    s.Put(x.digits[0]);
    if (x.count > 1) {
      s.Put(point);
      s.Put(x.digits + 1, x.count - 1);
    }
    PutExponent(s, x.exp10);
    return;
  }
  if (x.exp10 < 0) {
    if (leadingZero) s.Put('0');
  } else {
    PutIntegerDigits(s, x);
  }
  if (x.count > x.exp10 + 1) {
    s.Put(point);
    PutFractionDigits(s, x, 0);
  }
}

// The general form: seven significant digits. With `roundTrip`, the shortest
// round-trip digits when seven do not read back to the same float (a box or
// a file must never change the value it holds).
NumberText GeneralText(float v, bool leadingZero, char sep, bool roundTrip) {
  NumberText s;
  if (!std::isfinite(v)) {
    PutNonFinite(s, v);
    return s;
  }
  const Decimal exact = DecimalForm(v);
  Decimal d = exact;
  RoundToDigits(d, 7);
  if (roundTrip) {
    NumberText seven;
    PutGeneralDigits(seven, d, leadingZero, '.');
    if (EntryValue(seven.View()) != v) d = exact;
  }
  PutGeneralDigits(s, d, leadingZero, sep);
  return s;
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
NumberText PatternText(T v, std::string_view patternText, char sep) {
  const Pattern pattern = ParsePattern(patternText);
  NumberText s;
  if (!std::isfinite(v)) {
    PutNonFinite(s, v);
    return s;
  }
  Decimal d = DecimalForm(v);
  if (pattern.kind == PatternKind::Scientific) {
    RoundToDigits(d, pattern.decimals + 1);
    // Zero is "0.0000E+00", without a sign.
    if (d.negative && !d.IsZero()) s.Put('-');
    s.Put(d.IsZero() ? '0' : d.digits[0]);
    s.Put(sep);
    const int given = std::max(d.count - 1, 0);
    s.Put(d.digits + 1, given);
    s.PutZeros(pattern.decimals - given);
    PutExponent(s, d.exp10);
    return s;
  }
  RoundToDecimals(d, pattern.decimals);
  // A value that rounds to zero shows no sign.
  if (d.negative && !d.IsZero()) s.Put('-');
  if (d.IsZero() || d.exp10 < 0) {
    if (pattern.kind == PatternKind::Fixed) s.Put('0');
  } else {
    PutIntegerDigits(s, d);
  }
  s.Put(sep);
  PutFractionDigits(s, d, pattern.kind == PatternKind::Fixed ? pattern.decimals : 0);
  return s;
}

bool IsSkipped(char c) {
  return c == ' ' || c == '\t' || c == '\n';
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
  const std::string t = GeneralText(v, false, '.', roundTrip).String();
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
  return GeneralText(v, true, decimalSeparator, false).String();
}

void AppendGeneralForm(std::string& out, float v, char decimalSeparator) {
  out += GeneralText(v, true, decimalSeparator, false).View();
}

std::string FileForm(float v) {
  return GeneralText(v, true, '.', true).String();
}

std::string FormatPattern(float v, std::string_view pattern, char decimalSeparator) {
  return PatternText(v, pattern, decimalSeparator).String();
}

std::string FormatPattern(double v, std::string_view pattern, char decimalSeparator) {
  return PatternText(v, pattern, decimalSeparator).String();
}

void AppendPattern(std::string& out, float v, std::string_view pattern, char decimalSeparator) {
  out += PatternText(v, pattern, decimalSeparator).View();
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
