#include "commands/edit_commands.h"

#include <algorithm>

namespace kestal {

namespace {

using Kind = FocusedControl::Kind;

std::string SelectedText(const FocusedControl& c) {
  if (c.selectionStart >= c.text.size()) return {};
  return c.text.substr(c.selectionStart, c.selectionLength);
}

void Copy(Platform& platform, const FocusedControl& c) {
  platform.SetClipboardText("");
  if (c.kind == Kind::TextBox) {
    platform.SetClipboardText(SelectedText(c));
  } else if (c.kind == Kind::ComboBox) {
    platform.SetClipboardText(c.text);
  }
}

bool IsListEntry(const FocusedControl& c, const std::string& text) {
  return std::find(c.listEntries.begin(), c.listEntries.end(), text) != c.listEntries.end();
}

}  // namespace

std::optional<std::string> EditFocusedControl(Platform& platform, EditCommand command,
                                              const FocusedControl& control) {
  const bool listOnly = control.kind == Kind::ComboBox && !control.listEntries.empty();
  switch (command) {
    case EditCommand::Copy:
      Copy(platform, control);
      return std::nullopt;
    case EditCommand::Cut:
      Copy(platform, control);
      // A list keeps an entry selected: there is nothing to delete.
      if (control.kind == Kind::Other || listOnly) return std::nullopt;
      return std::string();
    case EditCommand::Paste: {
      if (control.kind == Kind::Other) return std::nullopt;
      std::string text = platform.ClipboardText();
      if (listOnly && !IsListEntry(control, text)) return std::nullopt;
      return text;
    }
  }
  return std::nullopt;
}

}  // namespace kestal
