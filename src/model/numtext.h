#pragma once

// Number text, in one place. Every number the program shows, prints or writes
// to a file is made here, and every number it reads from text is read here.
// Rounding is half away from zero on the value's decimal form: the shortest
// decimal text that reads back to the same value (so the float 2.675 with
// "0.00" gives "2.68", not "2.67").

#include <string>
#include <string_view>

namespace kestal {

// Display form of a 32-bit value in a text box: up to seven significant
// digits, a leading blank instead of a plus sign, no zero before the decimal
// point of a value below one, exponent form from 10,000,000 up and for very
// small magnitudes: " .85", " 8", " 2.9E+07", "-1.5", " 0".
std::string DisplayForm(float v);

// Message-box form of a designed value ("Required As = " + this): the same as
// DisplayForm.
inline std::string MessageForm(float v) {
  return DisplayForm(v);
}

// General form G of a 32-bit value, as printed in reports and input files: up
// to seven significant digits, no trailing zeros, no leading blank, exponent
// form only for very large or very small magnitudes; reads back to the same
// float. `decimalSeparator` replaces the "." of the text.
std::string GeneralForm(float v, char decimalSeparator = '.');

// Fixed and scientific patterns: "0.", "0.0", "0.00", "0.000", "0.0000",
// "0.0000E+00", "#.###", "#.##", "#.####", "#.". The float overload rounds the
// float's own decimal form, the double overload the double's.
std::string FormatPattern(float v, std::string_view pattern, char decimalSeparator = '.');
std::string FormatPattern(double v, std::string_view pattern, char decimalSeparator = '.');

// A value rounded by formatting it with a pattern and reading the text back.
double RoundByPattern(double v, std::string_view pattern);
double RoundByPattern(float v, std::string_view pattern);

// Text entry rule: the longest leading part of the text that reads as a
// decimal number (blanks, tabs and line feeds anywhere are skipped, "." is the
// decimal point, an optional exponent is read, any other character ends the
// number); 0 when there is none. "12abc" gives 12, "12 34" gives 1234,
// "1,5" gives 1, "" and "abc" give 0.
double LeadingNumber(std::string_view text);

// The text entry rule stored into a 32-bit field: a number too large for a
// float is not a number the field can hold, and gives 0 like any other text
// that is not a number.
float EntryValue(std::string_view text);

}  // namespace kestal
