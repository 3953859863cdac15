#pragma once

// The record field helpers live with the rest of the test support; suites
// that include them from here see them under their earlier names.

#include "support/record_fields.h"

namespace kestal::testing {

using support::AllFields;
using support::ChangedFields;
using support::FieldRef;
using support::MarkedProblem;

}  // namespace kestal::testing
