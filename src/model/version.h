#pragma once

// The program's version as `kestal --version` and `kestal-cli --version`
// print it: "kestal MAJOR.MINOR.PATCH".

#include <string>

namespace kestal {

inline std::string VersionLine() {
  return "kestal " + std::to_string(KESTAL_VERSION_MAJOR) + '.' +
         std::to_string(KESTAL_VERSION_MINOR) + '.' + std::to_string(KESTAL_VERSION_PATCH);
}

}  // namespace kestal
