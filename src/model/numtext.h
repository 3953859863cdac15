#pragma once

// Number text, in one place. Every number the program shows, prints or writes
// to a file is made here, and every number it reads from text is read here.
//
// The decimal form of a value is, for a float, its shortest round-trip decimal
// text (the shortest text that reads back to that float), and for a double its
// fifteen significant digits (0.97 - 0.0025 x 41 is 0.8675, however the binary
// value falls). All rounding is half away from zero on that decimal digit string,
// never on the binary value: the float 2.675 (binary 2.67499995...) with
// "0.00" gives "2.68", and so does the double 2.675.
//
// Texts of infinities and NaN ("inf", "-inf", "nan") exist only for
// completeness: Store never puts such a value into the record.

#include <string>
#include <string_view>

namespace kestal {

// Display form of a 32-bit value in a text box. The decimal form is rounded
// to seven significant digits and trailing zeros are dropped; when that text
// would read back (EntryValue) as another float, the shortest round-trip
// digits (eight or nine) are shown instead, so a box never changes the value
// it shows (12345678 gives " 1.2345678E+07", 12345680 " 1.234568E+07").
// Non-negative values get a leading blank, negative ones "-"; no zero before
// the decimal point of a value below one (" .85", "-.5"); no trailing point
// (" 8"); zero is " 0". Exponent form when the rounded value's decimal
// exponent is 7 or more or below -4: the mantissa without trailing zeros, "E",
// the exponent's sign always and at least two exponent digits (" 2.9E+07",
// " 1E-05", but " .0001" and " 1234567").
std::string DisplayForm(float v);

// Message-box form of a value ("Required As = " + this): the layout of
// DisplayForm, with at most seven significant digits (a message is read, not
// typed back): " 2.865", " 15.48".
std::string MessageForm(float v);

// General form G of a 32-bit value, the plain number text of reports and
// messages: the digits and exponent rule of DisplayForm, at most seven
// significant digits, no leading blank and a zero before the decimal point of
// a value below one ("0.85", "-0.5", "4000", "2.9E+07", "474.3", "0.3333333").
// `decimalSeparator` replaces the "." of the text.
std::string GeneralForm(float v, char decimalSeparator = '.');

// Number text of an input file: GeneralForm, except that a value whose seven
// digits would read back as another float is written with the shortest digits
// that read back to it (eight or nine), so a saved problem loads unchanged.
std::string FileForm(float v);

// Fixed and scientific patterns, nothing else (std::invalid_argument):
// - "0." whole number with the point ("474."); "0.0", "0.00", "0.000",
//   "0.0000" that many decimals, at least one integer digit ("0.50").
// - "0.0000E+00": one mantissa digit, four decimals, "E", the exponent's sign
//   always, at least two exponent digits ("1.2500E-03"; zero "0.0000E+00";
//   9.99996 carries to "1.0000E+01").
// - "#.", "#.##", "#.###", "#.####": up to that many decimals, trailing zeros
//   dropped, no zero before the point of a value below one, the point always
//   present ("3.", ".", ".5", ".0123").
// A result that rounds to zero carries no minus sign. The float overload
// rounds the float's own decimal form, the double overload the double's.
// `decimalSeparator` replaces the "." of the text.
std::string FormatPattern(float v, std::string_view pattern, char decimalSeparator = '.');
std::string FormatPattern(double v, std::string_view pattern, char decimalSeparator = '.');

// GeneralForm and FormatPattern appended to `out` instead of returned, for
// texts put together from many numbers, such as the report.
void AppendGeneralForm(std::string& out, float v, char decimalSeparator = '.');
void AppendPattern(std::string& out, float v, std::string_view pattern,
                   char decimalSeparator = '.');

// A value rounded by formatting it with a pattern and reading the text back
// with LeadingNumber.
double RoundByPattern(double v, std::string_view pattern);
double RoundByPattern(float v, std::string_view pattern);

// Text entry rule: the longest leading part of the text that reads as a
// decimal number; 0 when there is none. Blanks, tabs and line feeds anywhere
// are skipped; an optional sign; digits with at most one "."; an optional
// exponent "E" or "e" with optional sign and digits (an "E" without digits
// ends the number before it: "1E" gives 1); any other character ends the
// number. "12abc" gives 12, "12 34" gives 1234, "1,5" gives 1, "", "abc", "-"
// and "." give 0, "-.5" gives -0.5. Read independently of the locale. A
// number beyond the range of a double is treated as no number (0).
double LeadingNumber(std::string_view text);

// What the entry rule made of a text that is not wholly a number, for the
// box that shows it: "read as VALUE: WHY", VALUE the field's value in
// general form and WHY "',' ends the number" (the character that ends the
// number), "no number", "out of range" or "the blanks inside it
// are skipped" ("12 34"). Empty for a text that is a number with nothing
// but blanks around it, and for a text of blanks only.
std::string EntryNote(std::string_view text);

// The text entry rule stored into a 32-bit field: a number too large for a
// float is not a number the field can hold, and gives 0 like any other text
// that is not a number.
float EntryValue(std::string_view text);

}  // namespace kestal
