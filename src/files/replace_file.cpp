#include "files/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace kestal {
namespace {

namespace fs = std::filesystem;

std::string Reason(int error) {
  return std::strerror(error);
}

// A name for a temporary file in `folder` that no other save uses at the
// same moment. It does not grow with the target's name, so a target whose
// name is as long as the system allows can still be written.
fs::path TemporaryName(const fs::path& folder, unsigned attempt) {
  static std::atomic<unsigned> counter{0};
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  const std::string name = ".kestal-" + std::to_string(static_cast<unsigned long long>(ticks)) +
                           "-" + std::to_string(counter++) + "-" + std::to_string(attempt) + ".tmp";
  return folder / name;
}

// Every byte, in as many writes as the system needs; 0 or the error. A full
// device or a size limit shows here or at the close; either fails the whole.
int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

int CloseFile(int fd) {
  return ::close(fd) == 0 ? 0 : errno;
}

// The bytes as a file without a name in `folder`; -1 when the file system
// has no such files (the caller then uses a named one), -2 and `error` when
// the folder refuses any new file.
int UnnamedFile(const fs::path& folder, int& error) {
#ifdef O_TMPFILE
  const fs::path where = folder.empty() ? fs::path(".") : folder;
  const int fd = ::open(where.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (fd >= 0) return fd;
  // Not supported here: the named temporary. Any other reason (a missing
  // folder, a permission) is the folder's answer to every new file.
  if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) return -1;
  error = errno;
  return -2;
#else
  (void)folder;
  (void)error;
  return -1;
#endif
}

// Gives the unnamed file `fd` the name `name`; 0 or the error.
int NameUnnamed(int fd, const fs::path& name) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0
                                                                                          : errno;
}

}  // namespace

std::string CannotWrite(const std::string& path, const std::string& reason) {
  return "cannot write '" + path + "': " + reason;
}

std::string CannotRead(const std::string& path, const std::string& reason) {
  return "cannot read '" + path + "': " + reason;
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa {};
  struct stat sb {};
  if (a.empty() || b.empty()) return false;
  if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

FileResult ReplaceFile(const std::string& target, std::string_view bytes) {
  const auto fail = [&target](const std::string& reason) {
    return FileResult{CannotWrite(target, reason)};
  };
  fs::path targetPath(target);
  if (targetPath.filename().empty()) return fail("no file name");
  std::error_code ec;
  fs::file_status old = fs::symlink_status(targetPath, ec);
  if (fs::is_symlink(old)) {
    targetPath = fs::weakly_canonical(targetPath, ec);
    if (ec) return fail(ec.message());
    old = fs::status(targetPath, ec);
  }
  const bool exists = fs::exists(old);
  if (exists) {
    // A rename would put a plain file in place of a folder, a device or a
    // pipe: those are not files this program writes.
    if (fs::is_directory(old)) return fail(Reason(EISDIR));
    if (!fs::is_regular_file(old)) return fail("it is not a regular file");
    // A file the user may not change is not replaced behind their back.
    if (::access(targetPath.c_str(), W_OK) != 0) return fail(Reason(errno));
  }

  const fs::path folder = targetPath.parent_path();
  int error = 0;
  int fd = UnnamedFile(folder, error);
  if (fd == -2) return fail(Reason(error));
  const bool unnamed = fd >= 0;
  fs::path temporary;
  for (unsigned attempt = 0; attempt < 16 && fd < 0; ++attempt) {
    temporary = TemporaryName(folder, attempt);
    // O_EXCL: created here and now, never a file that is already there.
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return fail(Reason(errno));
  }
  if (fd < 0) return fail(Reason(EEXIST));

  error = WriteAll(fd, bytes);
  if (error == 0 && exists) ::fchmod(fd, static_cast<mode_t>(old.permissions()));
  if (unnamed && error == 0) {
    // A new target takes the complete file's name at once; an existing one
    // is replaced by a rename from a name the file has for that moment only.
    if (!exists) {
      error = NameUnnamed(fd, targetPath);
      if (error != EEXIST) {
        const int closed = CloseFile(fd);
        if (error != 0) return fail(Reason(error));
        if (closed != 0) {
          fs::remove(targetPath, ec);
          return fail(Reason(closed));
        }
        return {};
      }
    }
    error = EEXIST;
    for (unsigned attempt = 0; attempt < 16 && error == EEXIST; ++attempt) {
      temporary = TemporaryName(folder, attempt);
      error = NameUnnamed(fd, temporary);
    }
  }
  const int closed = CloseFile(fd);
  if (error == 0) error = closed;
  if (error == 0) {
    fs::rename(temporary, targetPath, ec);
    if (!ec) return {};
    error = ec.value();
  }
  if (!temporary.empty()) fs::remove(temporary, ec);
  return fail(Reason(error));
}

}  // namespace kestal
