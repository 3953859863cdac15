#pragma once

// The one interface through which commands and windows reach the system.
// Plain C++: a Qt implementation serves the windows, a console implementation
// serves kestal-cli, and a scripted double serves the tests.

#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "model/picture.h"

namespace kestal {

enum class Icon { None, Information, Exclamation, Critical };

// The program's own title, shown where a message box names no title.
inline constexpr const char* kDefaultTitle = "Kestal";

enum class FileDialogMode { Open, Save };

enum class PrintResult { Printed, Cancelled, Failed };

struct FileChoice {
  std::string path;   // full path
  std::string title;  // file name without its folder
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Modal message box with one OK button. No title: the program's title.
  virtual void MessageBox(const std::string& text, Icon icon,
                          const std::optional<std::string>& title = std::nullopt) = 0;
  // A message box with the reason behind it: the system's for a failed file
  // operation ("cannot write 'out/p.out': No space left on device"), the
  // rule an impossible input breaks. The reason is shown beside the text
  // where the platform has room for it.
  virtual void MessageBoxWithReason(const std::string& text, Icon icon,
                                    const std::optional<std::string>& title,
                                    const std::string& reason) {
    (void)reason;
    MessageBox(text, icon, title);
  }
  virtual void Beep() = 0;
  // A question with two or three answers, given by their buttons' captions
  // in order, the first the default and the last the one that cancels. The
  // index of the answer chosen; a question closed without one is cancelled
  // (the last). No title: the program's title.
  virtual int Ask(const std::string& text, const std::vector<std::string>& answers,
                  const std::optional<std::string>& title = std::nullopt) = 0;

  // Common file dialog. `filter` is "Description|pattern|..." and
  // `filterIndex` counts its pairs from 1; `proposed`, when not empty, is the
  // path the dialog starts with (its folder and file name). Empty when
  // cancelled.
  virtual std::optional<FileChoice> ChooseFile(FileDialogMode mode, const std::string& filter,
                                               int filterIndex,
                                               const std::string& proposed = {}) = 0;

  // Input box: the typed text, empty when cancelled.
  virtual std::string InputBox(const std::string& prompt, const std::string& title,
                               const std::string& defaultText) = 0;

  virtual void SetClipboardText(const std::string& text) = 0;
  virtual std::string ClipboardText() = 0;

  // Starts the system text editor on a file without waiting; false when it
  // cannot be started.
  virtual bool OpenInTextEditor(const std::string& path) = 0;

  // Shows a topic of the program's help.
  virtual void ShowHelpTopic(const std::string& topic) = 0;

  // Current local date and time.
  virtual std::tm Now() = 0;

  // The pages of a document as the bytes of a PDF file; nothing, with
  // `error` saying why, where the platform cannot make one.
  virtual std::optional<std::string> RenderPdf(const PagedDocument& doc, std::string& error) {
    (void)doc;
    error = "this program cannot make PDF files";
    return std::nullopt;
  }

  // Prints a document after the system's print dialog; Cancelled when the
  // dialog is, Failed with `error` when it cannot be printed.
  virtual PrintResult PrintDocument(const PagedDocument& doc, std::string& error) {
    (void)doc;
    error = "this program cannot print";
    return PrintResult::Failed;
  }
};

}  // namespace kestal
