// The input file reader on any bytes: what it accepts writes back to a file
// that reads to the very same record, field for field.

#include <cstddef>
#include <cstdint>
#include <string>

#include "files/input_file.h"
#include "fuzz_support.h"
#include "model/problem_ops.h"

using namespace kestal;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const Problem start = [] {
    Problem p;
    ToolTips tips;
    StartUp(p, tips);
    return p;
  }();
  const std::string text(reinterpret_cast<const char*>(data), size);
  Problem first = start;
  if (!ReadInputFields(text, first)) return 0;

  const std::string written = InputFileText(first);
  Problem second = start;
  if (!ReadInputFields(written, second)) fuzz::Broken("a written file does not read", written);
  for (const FieldRef& f : AllFields()) {
    if (FieldText(first, f) != FieldText(second, f)) fuzz::Broken("a field changed", f.name);
  }
  if (InputFileText(second) != written) fuzz::Broken("writing again gives another file", written);
  return 0;
}
