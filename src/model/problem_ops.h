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

// True when a box holds something other than what a unit switch starts the
// problem with in its units and code: a typed or loaded value.
bool HoldsEnteredValues(const Problem& p);

// Key release in the concrete strength box: the text entry rule, then, unless
// the code is "ud" or the strength is not above 0, the derived materials.
void EnterConcreteStrength(Problem& p, std::string_view text);

// What a key release in a numeric box did besides storing the box's field.
enum class EntryEffect {
  FieldOnly,         // the box's field alone (nothing for a name that is no box)
  MaterialsDerived,  // f'c: A1, B1, Ec, Frup and ModularRatio derived anew
  MaterialsFault,    // f'c: the derivation stopped at an arithmetic fault; the
                     // values it stored before the fault stay
};

// Key release in any of the numeric boxes of the windows, by the box's name:
// the text entry rule into its field, and for txtConcreteStrength the
// derived materials. An arithmetic fault is reported, never thrown: typing
// goes on whatever the user types.
EntryEffect EnterBoxText(Problem& p, std::string_view box, std::string_view text);

// Reset > Invert Current Section: turns the section upside down. The tensile
// and compression steel areas change places; with H the total height of the
// current shape, d becomes H - d' and d' becomes H - d; a tee becomes
// web-wide (TeeBtop = TeeBweb) since its flange now lies in the tension zone;
// a box keeps its flanges as they are. A section type outside the three
// shapes only swaps the areas. The depths are worked out before anything is
// stored, so an overflow throws CalcError and leaves the problem as it was
// rather than half inverted.
void InvertCurrentSection(Problem& p);

}  // namespace kestal
