#pragma once

// The two Calc buttons of the main window: the tensile steel area a factored
// moment needs, and the shear steel a factored shear needs. Each reports its
// result in a message box and refreshes the main window.

#include "commands/session.h"

namespace kestal {

// cmdCalcTSArea.
void CalcTensionSteel(Session& s);

// cmdCalcVSArea.
void CalcShearSteel(Session& s);

}  // namespace kestal
