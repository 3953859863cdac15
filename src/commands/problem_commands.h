#pragma once

// The commands that change the whole problem from the menus: the code, and
// the question that guards typed work when the program ends.

#include <string>
#include <string_view>

#include "commands/session.h"

namespace kestal {

// Define > Code. A code that works in another unit system than the
// problem's (the Canadian codes on an English problem) asks first when the
// problem holds entered values: "Clear" resets the problem as the unit
// switch does and then chooses the code; "Cancel" leaves the problem as it
// was. Without entered values the code is chosen at once, the units with it.
// The main window is refreshed either way, so that its menu shows the code
// the record holds. True when the code was chosen.
bool ChooseCodeAsking(Session& s, std::string_view key);

// The main window's title: the program's name, the input file's name once
// there is one, and "[*]" where the mark of unsaved changes goes.
std::string MainWindowTitle(const Problem& p);

// True when the problem is not the one `saved` holds: the input file text of
// the problem as it was started, last loaded or last written.
bool HasUnsavedChanges(const Problem& p, const std::string& saved);

// File > Exit and a close request of the main window: true when the program
// may end. An unchanged problem ends at once; one with unsaved changes asks
// "Save changes to the problem?": Save writes it to its input file (File >
// Save Input As when it has none yet) and ends only when it is written,
// Discard ends, Cancel goes on.
bool MayEnd(Session& s, bool unsavedChanges);

// The question ChooseCodeAsking asks before `key` on this problem; empty
// when it asks none.
std::string CodeUnitsQuestion(const Problem& p, std::string_view key);

}  // namespace kestal
