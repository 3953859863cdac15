#pragma once

// Edit > Cut, Copy and Paste: the focused control's text through the system
// clipboard, plain text only. The window describes its focused control and
// applies the change that the command returns, as typing would.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace kestal {

// The control that has the input focus, as the Edit commands see it.
struct FocusedControl {
  enum class Kind { TextBox, ComboBox, Other };
  Kind kind = Kind::Other;
  std::string text;  // the whole text
  // Text box: the selection, in bytes of `text`; the caret when empty.
  std::size_t selectionStart = 0;
  std::size_t selectionLength = 0;
  // Combo box that is a list only: its entries, the only texts it can take.
  // Empty for a combo box whose text can be typed.
  std::vector<std::string> listEntries;
};

enum class EditCommand { Cut, Copy, Paste };

// Runs the command. Copy always empties the clipboard first, then puts on it
// the selected text of a text box or the whole text of a combo box (and
// nothing for any other control). Cut copies, then deletes what it copied.
// Paste replaces the selection of a text box (or inserts at the caret), or
// the whole text of a combo box, by the clipboard's text.
//
// The result is what becomes of the control: for a text box the text that
// replaces its selection, for a combo box its new whole text; empty when the
// control stays as it is. A list-only combo box is never emptied and takes
// a pasted text only when it is one of its entries.
std::optional<std::string> EditFocusedControl(Platform& platform, EditCommand command,
                                              const FocusedControl& control);

}  // namespace kestal
