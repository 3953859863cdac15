#include "files/file_names.h"

#include <filesystem>
#include <vector>

namespace kestal {

std::string WithFilterExtension(const std::string& path, const std::string& filter,
                                int filterIndex) {
  std::vector<std::string> parts;
  for (std::size_t start = 0;;) {
    const std::size_t bar = filter.find('|', start);
    parts.push_back(filter.substr(start, bar - start));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  const std::size_t at = 2 * static_cast<std::size_t>(filterIndex) - 1;
  if (filterIndex < 1 || at >= parts.size()) return path;
  const std::string& pattern = parts[at];  // "*.in"; the first of "*.in;*.txt"
  const std::string first = pattern.substr(0, pattern.find(';'));
  if (!first.starts_with("*.") || first.find_first_of("*?[", 2) != std::string::npos) return path;
  const std::filesystem::path name = std::filesystem::path(path).filename();
  if (name.empty() || name.has_extension() || name.string().starts_with('.')) return path;
  return path + first.substr(1);
}

}  // namespace kestal
