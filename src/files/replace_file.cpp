#include "files/replace_file.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace kestal {
namespace {

namespace fs = std::filesystem;

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

// A full device or a size limit shows at the write, the flush or the close;
// any of them failing fails the whole.
bool WriteAndClose(std::FILE* f, std::string_view bytes) {
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  const bool flushed = std::fflush(f) == 0 && std::ferror(f) == 0;
  const bool closed = std::fclose(f) == 0;
  return written && flushed && closed;
}

}  // namespace

bool ReplaceFile(const std::string& target, std::string_view bytes) {
  fs::path targetPath(target);
  if (targetPath.filename().empty()) return false;
  std::error_code ec;
  fs::file_status old = fs::symlink_status(targetPath, ec);
  if (fs::is_symlink(old)) {
    targetPath = fs::weakly_canonical(targetPath, ec);
    if (ec) return false;
    old = fs::status(targetPath, ec);
  }
  const bool exists = fs::exists(old);
  if (exists) {
    // A rename would put a plain file in place of a folder, a device or a
    // pipe: those are not files this program writes.
    if (!fs::is_regular_file(old)) return false;
    // A file the user may not change is not replaced behind their back.
    std::FILE* check = std::fopen(targetPath.c_str(), "r+b");
    if (check == nullptr) return false;
    std::fclose(check);
  }

  const fs::path folder = targetPath.parent_path();
  fs::path temporary;
  std::FILE* f = nullptr;
  for (unsigned attempt = 0; attempt < 16 && f == nullptr; ++attempt) {
    temporary = TemporaryName(folder, attempt);
    // "x": created here and now, never a file that is already there.
    errno = 0;
    f = std::fopen(temporary.c_str(), "wbx");
    if (f == nullptr && errno != EEXIST) return false;
  }
  if (f == nullptr) return false;
  // Unbuffered: the text goes to the file in one write, not through a
  // buffer of the stream's own.
  std::setvbuf(f, nullptr, _IONBF, 0);

  if (WriteAndClose(f, bytes)) {
    if (exists) fs::permissions(temporary, old.permissions(), ec);
    fs::rename(temporary, targetPath, ec);
    if (!ec) return true;
  }
  fs::remove(temporary, ec);
  return false;
}

}  // namespace kestal
