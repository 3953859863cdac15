#pragma once

// Checks shared by the fuzz targets. A broken promise aborts, so libFuzzer
// keeps the input that broke it.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "model/problem.h"
#include "model/record_fields.h"

namespace kestal::fuzz {

[[noreturn]] inline void Broken(const char* what, std::string_view detail = {}) {
  std::fprintf(stderr, "broken promise: %s: %.*s\n", what, int(detail.size()), detail.data());
  std::abort();
}

// "nan" or "inf" standing as a word of its own in a text the user sees.
inline bool HasNonNumber(std::string_view text) {
  for (std::string_view word : {"nan", "inf"}) {
    for (std::size_t at = text.find(word); at != std::string_view::npos;
         at = text.find(word, at + 1)) {
      const auto letter = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; };
      const bool before = at > 0 && letter(text[at - 1]);
      const bool after = at + word.size() < text.size() && letter(text[at + word.size()]);
      if (!before && !after) return true;
    }
  }
  return false;
}

// Every number of the record is finite: no calculation stores NaN or an
// infinity.
inline void ExpectFiniteRecord(const Problem& p) {
  for (const FieldRef& f : AllFields()) {
    if (const auto* m = std::get_if<float Problem::*>(&f.member); m && !std::isfinite(p.**m)) {
      Broken("a field holds a non-finite number", f.name);
    }
  }
}

}  // namespace kestal::fuzz
