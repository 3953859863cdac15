#pragma once

// Every field of the problem record by name, and the text boxes of the
// windows with the field each one edits. The windows bind their boxes
// through this table; checks that compare two records field for field
// (an input file read back, a command that must leave a record alone) walk
// it too.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/problem.h"

namespace kestal {

struct FieldRef {
  std::string_view name;
  std::variant<float Problem::*, int32_t Problem::*, int16_t Problem::*, std::string Problem::*>
      member;
};

// Every field, in the order of the record.
std::span<const FieldRef> AllFields();
// The field of that name; null when there is none.
const FieldRef* FindField(std::string_view name);

// A box and the field it edits: txtMomentUlt edits MomentUlt, txtphiReinf
// PhiReinf, txtfrup Frup.
struct BoxField {
  std::string_view box;
  float Problem::*field;
};

// The 39 numeric boxes: the main window's sixteen, the code parameters
// window's eleven and the section window's twelve.
std::span<const BoxField> BoxFields();
const BoxField* FindBox(std::string_view box);

// The field's value as text: a float in its shortest round-trip form (so
// equal texts mean equal bits, and 0 and -0 differ), an integer in decimal,
// a string as it is.
std::string FieldText(const Problem& p, const FieldRef& f);

// Names of the fields whose values differ, bit for bit for floats.
std::vector<std::string> ChangedFields(const Problem& before, const Problem& after);

}  // namespace kestal
