#pragma once

// The name a save dialog's choice is written under: a name typed without
// an extension takes that of the dialog's chosen filter ("girder" under
// "Input Files (*.in)" is "girder.in"); a name with one, or a filter of all
// files, keeps it as typed.

#include <string>

namespace kestal {

// `filter` is "Description|pattern|..." (as the platform's file dialog takes
// it) and `filterIndex` counts its pairs from 1.
std::string WithFilterExtension(const std::string& path, const std::string& filter,
                                int filterIndex);

}  // namespace kestal
