#pragma once

// The View menu's quick displays and the rebar table. Each prepares the
// results window, runs the calculations it shows and prints their lines; an
// arithmetic fault hides the window again and shows "Incomplete Information".

#include <string>
#include <vector>

#include "commands/session.h"

namespace kestal {

void ShowSectionProperties(Session& s);
void ShowMomentCapability(Session& s);
void ShowServiceLoadStress(Session& s);
void ShowFatigueStress(Session& s);
void ShowCrackControl(Session& s);
void ShowShearCapability(Session& s);

// View > Checks: the report's calculations for the selected problem-type
// option, then one line per check the code makes: demand beside limit with
// the unit, the ratio, OK or NOT OK and the clause.
void ShowChecks(Session& s);

// What the results window shows, by the command that shows it.
enum class ResultsDisplay {
  SectionProperties,
  MomentCapability,
  ServiceLoadStress,
  FatigueStress,
  CrackControl,
  ShearCapability,
  Checks,
  RebarTable,
};

// Runs the command of a display.
void ShowResults(Session& s, ResultsDisplay display);

// The results window shows `display` again for a problem that has changed,
// without a message box and without changing the record (the display runs
// on a copy of it). Where the display would stop with a message, the window
// clears to one line: the message, its reason, and the View command that
// shows the display once the input is complete.
void ShowResultsAgain(Session& s, ResultsDisplay display);

// Help > Show Rebar Info: the standard bar table of the current unit system
// in the results window's grid.
void ShowRebarInfo(Session& s);

// The two bar tables, 12 rows of 4 cells, row 0 the column headings.
const std::vector<std::vector<std::string>>& EnglishRebarTable();
const std::vector<std::vector<std::string>>& MetricRebarTable();

// Results window sizes (twips) of the displays.
inline constexpr int kTallDisplayHeight = 4000;
inline constexpr int kShortDisplayHeight = 3000;
inline constexpr int kDisplayWidth = 7000;
inline constexpr int kRebarTableHeight = 5000;
inline constexpr int kRebarTableWidth = 5400;

}  // namespace kestal
