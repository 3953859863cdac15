#pragma once

#include <string>
#include <string_view>

namespace kestal {

// Puts `bytes` in place as the file `target`, whole or not at all: they are
// written to a new temporary file in the target's folder, which then takes
// the target's name in one rename. False when any step fails; the target is
// then exactly as it was and no temporary file stays.
//
// An existing target must be a regular file the user may write; one that is
// a folder, a device, a pipe or a socket is refused, never replaced. Saving
// through a symbolic link writes the file it points to and keeps the link. A
// file replaced keeps its permissions.
bool ReplaceFile(const std::string& target, std::string_view bytes);

}  // namespace kestal
