#pragma once

#include <string_view>

#include "model/problem.h"
#include "model/units.h"

namespace kestal {

// The three problem-type option buttons.
enum class ProblemOption { Design, VDesign, Review };

// The option the main window selects for a ProblemType key: "design",
// "Vdesign", anything else Review.
ProblemOption OptionForProblemType(std::string_view problemType);

// Dimensions of the three shapes to 0 and SectionDefined to 0; nothing else.
void ResetDimensions(Problem& p);

// Section type, loads, reinforcement, Cover and EffArea to 0; section
// properties and moment capability selected, the other outputs not.
void ResetParameters(Problem& p);

// Start-up state of the program: English, "design", "arema", unit factors,
// code defaults, reset parameters, tool tips. The window then refreshes.
void StartUp(Problem& p, ToolTips& tips);

// Problem-type switch: stores the key and the output selections of the type.
// Does nothing while FormUpdating is 1. The caller refreshes the window.
void ChooseProblemType(Problem& p, ProblemOption option);

// Unit switches of the UNITS frame, with their resets. Choosing English under
// "csa", "s6" or "ohbdc" selects Metric instead. Nothing while FormUpdating
// is 1. The caller refreshes the window.
void ChooseMetric(Problem& p);
void ChooseEnglish(Problem& p);

// Code menu command: stores the key (for "s6" and "csa" also Units "Metric"
// with its factors) and loads the code defaults, without any reset.
void ChooseCode(Problem& p, std::string_view key);

// Key release in the concrete strength box: the text entry rule, then, unless
// the code is "ud" or the strength is not above 0, the derived materials.
void EnterConcreteStrength(Problem& p, std::string_view text);

}  // namespace kestal
