// Number text on any bytes: the text entry rule reads any text; the forms
// that promise a round trip keep their value through it; no form of a finite
// value prints "nan" or "inf".

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "model/numtext.h"

using namespace kestal;

namespace {

const char* const kPatterns[] = {"0.",         "0.0", "0.00", "0.000", "0.0000",
                                 "0.0000E+00", "#.",  "#.##", "#.###", "#.####"};

void CheckPatterns(auto value) {
  for (const char* pattern : kPatterns) {
    const std::string text = FormatPattern(value, pattern);
    if (fuzz::HasNonNumber(text)) fuzz::Broken("a pattern printed a non-number", text);
    if (!std::isfinite(RoundByPattern(value, pattern)) && std::fabs(double(value)) < 1e300) {
      fuzz::Broken("rounding by a pattern gave a non-number", pattern);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const float entered = EntryValue(text);
  if (!std::isfinite(entered)) fuzz::Broken("text entry stored a non-finite number", text);
  if (!std::isfinite(LeadingNumber(text))) fuzz::Broken("text entry read a non-number", text);

  if (size >= sizeof(float)) {
    float v;
    std::memcpy(&v, data, sizeof v);
    if (std::isfinite(v)) {
      // A box and an input file never change the value they show.
      if (EntryValue(DisplayForm(v)) != v) fuzz::Broken("display form", DisplayForm(v));
      if (EntryValue(FileForm(v)) != v) fuzz::Broken("file form", FileForm(v));
      // Reports and messages round the float's shortest decimal form to
      // seven significant digits: within half a unit of the seventh digit
      // plus the half float step of that shortest form.
      for (const std::string& shown : {GeneralForm(v), MessageForm(v)}) {
        const double back = LeadingNumber(shown);
        if (std::fabs(back - v) > 5.6e-7 * std::fabs(double(v)) + 1e-45) {
          fuzz::Broken("seven significant digits", shown);
        }
      }
      CheckPatterns(v);
      // A float's patterns round its shortest digits, which as a double
      // give the same text.
      char shortest[32];
      const auto end =
          std::to_chars(shortest, shortest + sizeof shortest, v, std::chars_format::scientific).ptr;
      const double asDouble = std::strtod(std::string(shortest, end).c_str(), nullptr);
      for (const char* pattern : kPatterns) {
        if (FormatPattern(v, pattern) != FormatPattern(asDouble, pattern)) {
          fuzz::Broken("a float's pattern differs from its shortest digits'", pattern);
        }
      }
    }
  }
  if (size >= sizeof(double)) {
    double d;
    std::memcpy(&d, data, sizeof d);
    if (std::isfinite(d)) CheckPatterns(d);
  }
  return 0;
}
