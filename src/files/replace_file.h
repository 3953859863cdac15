#pragma once

#include <string>
#include <string_view>

namespace kestal {

// How a file operation ended: nothing wrong, or why not in the words an
// operator can act on ("cannot write 'out/p.out': No space left on device").
struct FileResult {
  std::string error;  // empty when the operation succeeded
  explicit operator bool() const { return error.empty(); }
};

// Puts `bytes` in place as the file `target`, whole or not at all: they are
// written to a new temporary file in the target's folder, which then takes
// the target's name. Where the file system allows it the temporary file has
// no name until it is complete, so not even a killed process or a power cut
// leaves one behind; elsewhere it is a hidden named file, removed whenever a
// step fails. On failure the target is exactly as it was.
//
// An existing target must be a regular file the user may write; one that is
// a folder, a device, a pipe or a socket is refused, never replaced. Saving
// through a symbolic link writes the file it points to and keeps the link. A
// file replaced keeps its permissions.
FileResult ReplaceFile(const std::string& target, std::string_view bytes);

// True when both paths name one existing file (the same device and inode,
// after following symbolic links); false when either does not exist.
bool SameFile(const std::string& a, const std::string& b);

// "cannot write 'PATH': REASON" / "cannot read 'PATH': REASON".
std::string CannotWrite(const std::string& path, const std::string& reason);
std::string CannotRead(const std::string& path, const std::string& reason);

}  // namespace kestal
