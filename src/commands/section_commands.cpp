#include "commands/section_commands.h"

#include "analysis/gross_section.h"
#include "model/checked.h"

namespace kestal {

namespace {
constexpr const char* kIncompleteInformation = "Incomplete information";
}  // namespace

void InvertSection(Session& s) {
  try {
    InvertCurrentSection(s.problem);
  } catch (const CalcError&) {
    s.platform.MessageBox(kIncompleteInformation, Icon::None);
    return;
  }
  s.view.RefreshMainWindow();
}

void CloseSectionWindow(Session& s) {
  try {
    GrossSectionProps(s.problem);
  } catch (const CalcError&) {
    s.platform.MessageBox(kIncompleteInformation, Icon::None);
  }
}

}  // namespace kestal
