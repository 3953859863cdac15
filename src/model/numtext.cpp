#include "model/numtext.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
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

// Powers of ten that a double holds exactly.
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kLargestExactPower = 22;
// Their inverses, each the double nearest to it.
constexpr double kNegativePowersOfTen[] = {1e0,   1e-1,  1e-2,  1e-3,  1e-4,  1e-5,  1e-6,  1e-7,
                                           1e-8,  1e-9,  1e-10, 1e-11, 1e-12, 1e-13, 1e-14, 1e-15,
                                           1e-16, 1e-17, 1e-18, 1e-19, 1e-20, 1e-21, 1e-22};

// A magnitude taken in units of 10^place: one multiplication or division
// by an exact power of ten, so within half a double step of the true
// quotient. `place` lies within +/- kLargestExactPower.
double InUnitsOf(double magnitude, int place) {
  return place <= 0 ? magnitude * kPowersOfTen[-place] : magnitude / kPowersOfTen[place];
}

// The shortcut past the decimal digits. Every decimal text that reads back
// as the float `v` lies within half a float step of it, and so does the
// shortest one, whose digits the rules above round. So when everything
// within half a step of `v` rounds to the same whole number of units of
// 10^place, that number is also what the rounding of the digits gives, and
// the binary value alone decides it, far more cheaply than writing out the
// digits; it is written to `d`. Near a rounding boundary, or out of the
// range where a double holds the powers of ten and the whole numbers
// exactly, there is no answer (false) and the digits decide.
bool RoundFromBinary(float v, int place, Decimal& d) {
  if (place < -kLargestExactPower || place > kLargestExactPower) return false;
  const float magnitude = std::fabs(v);
  // The next float up has the next bit pattern (after the largest comes
  // infinity, and no answer).
  const float next = std::bit_cast<float>(std::bit_cast<std::uint32_t>(magnitude) + 1);
  const double step = double(next) - magnitude;
  const double units = InUnitsOf(magnitude, place);
  // Half a float step in the same units, widened for the rounding of the
  // two conversions, which is a billion times smaller.
  const double halfStep = InUnitsOf(step, place) * 0.5 * (1 + 1e-9) + units * 1e-15;
  constexpr double kWholeNumbersExact = 1e15;
  if (!(units + halfStep < kWholeNumbersExact)) return false;
  // To the nearest whole number, halves up. Below zero only for a zero
  // value, by far less than a half.
  auto nearest = [](double x) { return static_cast<std::uint64_t>(x + 0.5); };
  std::uint64_t n = nearest(units - halfStep);
  if (n != nearest(units + halfStep)) return false;

  d.negative = v < 0;
  d.count = 0;
  d.exp10 = 0;
  if (n == 0) return true;
  // At most fifteen digits: they fit.
  d.count =
      static_cast<int>(std::to_chars(d.digits, d.digits + Decimal::kMaxDigits, n).ptr - d.digits);
  d.exp10 = d.count - 1 + place;
  StripTrailingZeros(d);
  return true;
}

// The decimal exponent of a float's binary value, within the table's range.
// Its digits may have the next one up when a power of ten lies within half
// a float step above it (0.99999994 reads as 1); rounding one place finer
// than asked then still gives that power of ten, as the digits would.
std::optional<int> DecimalExponent(float v) {
  const double magnitude = std::fabs(v);
  if (!(magnitude >= 1e-21 && magnitude < 1e21)) return std::nullopt;
  auto power = [](int e) { return e < 0 ? kNegativePowersOfTen[-e] : kPowersOfTen[e]; };
  // An estimate from the binary exponent, then put right. The exponent is
  // read from the float's exponent bits (the float is a normal one here);
  // log10(2) is about 1233 / 4096, and the shift rounds down, below zero too.
  const int binaryExponent = static_cast<int>(std::bit_cast<std::uint32_t>(v) >> 23 & 0xff) - 127;
  int e = (binaryExponent * 1233) >> 12;
  while (magnitude < power(e)) --e;
  while (magnitude >= power(e + 1)) ++e;
  return e;
}

// The decimal form of `v` rounded half away from zero at the place 10^place
// (place -2 keeps two decimals).
//
// The result is filled in where it is returned (one named Decimal): a copy
// of one just written digit by digit would stall on reading it back whole.
template <class T>
Decimal RoundedAtPlace(T v, int place) {
  Decimal d;
  if constexpr (std::is_same_v<T, float>) {
    if (RoundFromBinary(v, place, d)) return d;
  }
  d = DecimalForm(v);
  if (!d.IsZero()) RoundToDigits(d, d.exp10 - place + 1);
  return d;
}

// The decimal form of `v` rounded half away from zero to `digits`
// significant digits.
template <class T>
Decimal RoundedToDigits(T v, int digits) {
  Decimal d;
  if constexpr (std::is_same_v<T, float>) {
    const std::optional<int> e = DecimalExponent(v);
    if (e && RoundFromBinary(v, *e - digits + 1, d)) return d;
  }
  d = DecimalForm(v);
  RoundToDigits(d, digits);
  return d;
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
    // A whole number has no digits here, and `first` may lie past the end.
    if (given > 0) s.Put(d.digits + first, given);
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
  Decimal d = RoundedToDigits(v, 7);
  if (roundTrip) {
    NumberText seven;
    PutGeneralDigits(seven, d, leadingZero, '.');
    if (EntryValue(seven.View()) != v) d = DecimalForm(v);
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
  if (pattern.kind == PatternKind::Scientific) {
    const Decimal d = RoundedToDigits(v, pattern.decimals + 1);
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
  const Decimal d = RoundedAtPlace(v, -pattern.decimals);
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

// Where the reading of a text ended: the first character that is not part
// of the number (the text's size when none), and whether blanks were
// skipped between characters of the number.
struct NumberEnd {
  std::size_t at = 0;
  bool blanksInside = false;
};

// The characters of the leading number, blanks removed, in a form that
// std::from_chars reads (no '+' sign); empty when the text has no number.
std::string LeadingNumberText(std::string_view text, NumberEnd* end = nullptr) {
  std::string mantissa;
  std::size_t i = 0;
  std::size_t used = 0;  // characters of the number so far, blanks included
  bool skippedAfterStart = false;
  bool blanksInside = false;
  auto next = [&]() -> int {
    const std::size_t from = i;
    while (i < text.size() && IsSkipped(text[i])) ++i;
    if (i > from && used > 0) skippedAfterStart = true;
    if (i < text.size() && skippedAfterStart) blanksInside = true;
    if (end != nullptr) *end = {i, blanksInside};
    return i < text.size() ? static_cast<unsigned char>(text[i]) : -1;
  };
  auto take = [&] {
    ++i;
    ++used;
  };
  int c = next();
  if (c == '-') {
    mantissa.push_back('-');
    take();
  } else if (c == '+') {
    take();
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
    take();
  }
  if (!anyDigit) return {};
  if (c == 'E' || c == 'e') {
    const NumberEnd atMark = end != nullptr ? *end : NumberEnd{};
    take();
    std::string exponent = "e";
    c = next();
    if (c == '-' || c == '+') {
      if (c == '-') exponent.push_back('-');
      take();
    }
    bool expDigit = false;
    for (c = next(); c != -1 && IsDigit(static_cast<char>(c)); c = next()) {
      expDigit = true;
      exponent.push_back(static_cast<char>(c));
      take();
    }
    // An exponent mark without digits is not part of the number.
    if (expDigit) mantissa += exponent;
    if (!expDigit && end != nullptr) *end = atMark;
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

std::string EntryNote(std::string_view text) {
  NumberEnd end;
  const std::string number = LeadingNumberText(text, &end);
  const bool blanksOnly = std::all_of(text.begin(), text.end(), IsSkipped);
  if (blanksOnly) return {};
  const std::string readAs = "read as " + GeneralForm(EntryValue(text)) + ": ";
  if (number.empty()) return readAs + "no number";
  // A mantissa that is not zero read as 0: beyond what the field holds.
  const std::string mantissa = number.substr(0, number.find('e'));
  if (EntryValue(text) == 0 && mantissa.find_first_of("123456789") != std::string::npos) {
    return readAs + "out of range";
  }
  if (end.at < text.size()) {
    // The whole character that ends the number, also one of several bytes.
    std::size_t length = 1;
    const auto lead = static_cast<unsigned char>(text[end.at]);
    if (lead >= 0xF0) {
      length = 4;
    } else if (lead >= 0xE0) {
      length = 3;
    } else if (lead >= 0xC0) {
      length = 2;
    }
    return readAs + "'" + std::string(text.substr(end.at, length)) + "' ends the number";
  }
  if (end.blanksInside) return readAs + "the blanks inside it are skipped";
  return {};
}

float EntryValue(std::string_view text) {
  const double value = LeadingNumber(text);
  // Halfway between FLT_MAX and the next power of two and beyond, a double
  // rounds to infinity as a float: too large for the field.
  if (!(std::fabs(value) < 0x1.ffffffp127)) return 0;
  return static_cast<float>(value);
}

}  // namespace kestal
