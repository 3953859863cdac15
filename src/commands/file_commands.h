#pragma once

#include <string>

#include "commands/session.h"
#include "platform/platform.h"

namespace kestal {

// Filter list of both input file dialogs; the second pair, "*.in", is
// preselected.
inline constexpr const char* kInputFileFilter =
    "All Files (*.*)|*.*|Input Files (*.in)|*.in|Text Files (*.txt)|*.txt";
inline constexpr int kInputFileFilterIndex = 2;

// File > Load Input (mnuLoadIn): asks for a file and loads it. A cancelled
// dialog ends the command with nothing changed.
void LoadInput(Session& s);

// Loads the input file `file` as Load Input does after its dialog: on success
// the file's name, no output file (the one chosen for the problem before
// belongs to it), the status panels, the recomputed section and the
// refreshed windows; on a read failure the message and the previous problem
// unchanged. True when the file was loaded.
bool LoadInputFrom(Session& s, const FileChoice& file);

// File > Save > Input As (mnuSaveInput): asks for a file name and writes the
// problem to it. A cancelled dialog ends the command with nothing changed.
// True when the file was written.
bool SaveInput(Session& s);

// Writes the problem to `file` as Save Input does after its dialog. True when
// the file was written.
bool SaveInputTo(Session& s, const FileChoice& file);

// The dialog's view of a path typed by other means: the path and its file
// name without the folder.
FileChoice FileChoiceForPath(const std::string& path);

}  // namespace kestal
