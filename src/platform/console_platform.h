#pragma once

// The platform and the results window of the command-line companion. Nothing
// waits for a person: a message box is printed as "TITLE: TEXT" and the
// program goes on as if OK had been pressed; a question is printed the same
// way with its answers and is answered with its first, the default ("TITLE:
// TEXT [Clear/Cancel] Clear"); a file dialog or an input box answers as a
// cancel; the results window keeps what it shows so that the
// command can print it when it ends.

#include <ctime>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "platform/recording_results.h"

namespace kestal {

// One message box as it was shown.
struct ShownMessage {
  std::string text;
  Icon icon = Icon::None;
  std::optional<std::string> title;  // nullopt: the program's title

  friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

// The printed form of a message box: its title (the program's title when it
// has none), ": " and its text, each carriage return of the text (alone or
// before a line feed) a line break, and a final line break.
std::string ConsoleMessageText(const std::string& text, const std::optional<std::string>& title);

class ConsolePlatform : public Platform {
 public:
  using Clock = std::function<std::tm()>;

  // Message boxes go to `out`, the reasons of failed file operations to
  // `err` as "kestal-cli: REASON"; Now() asks `clock`.
  ConsolePlatform(std::ostream& out, Clock clock, std::ostream& err);

  void MessageBox(const std::string& text, Icon icon,
                  const std::optional<std::string>& title = std::nullopt) override;
  void MessageBoxWithReason(const std::string& text, Icon icon,
                            const std::optional<std::string>& title,
                            const std::string& reason) override;
  int Ask(const std::string& text, const std::vector<std::string>& answers,
          const std::optional<std::string>& title = std::nullopt) override;
  // A console has no bell worth ringing between printed lines: nothing.
  void Beep() override;
  std::optional<FileChoice> ChooseFile(FileDialogMode mode, const std::string& filter,
                                       int filterIndex, const std::string& proposed = {}) override;
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;
  // A clipboard of the command's own, forgotten when it ends.
  void SetClipboardText(const std::string& text) override;
  std::string ClipboardText() override;
  // No editor is started from a command line: false.
  bool OpenInTextEditor(const std::string& path) override;
  // No help viewer either: nothing.
  void ShowHelpTopic(const std::string& topic) override;
  std::tm Now() override;

  // PDF files through the renderer given, where kestal-cli has one.
  using PdfRenderer =
      std::function<std::optional<std::string>(const PagedDocument&, std::string& error)>;
  void SetPdfRenderer(PdfRenderer renderer) { pdf_ = std::move(renderer); }
  std::optional<std::string> RenderPdf(const PagedDocument& doc, std::string& error) override;

  // Every message box shown, in order.
  const std::vector<ShownMessage>& messages() const { return messages_; }

 private:
  std::ostream& out_;
  std::ostream& err_;
  Clock clock_;
  std::string clipboard_;
  std::vector<ShownMessage> messages_;
  PdfRenderer pdf_;
};

// Clocks for the report's date line.
std::tm LocalClock();
// The moment `secondsSinceEpoch` as a date and time in UTC.
std::tm UtcTime(std::time_t secondsSinceEpoch);

// Reads a SOURCE_DATE_EPOCH value: decimal digits only, seconds since
// 1970-01-01 00:00:00 UTC. Nothing for any other text or a value a time
// cannot hold.
std::optional<std::time_t> ParseEpochSeconds(std::string_view text);

// The results window of a command line: the window's state as recorded, and
// what it shows when the command ends.
class ConsoleResults : public RecordingResults {
 public:
  // What the window shows now, one text per line: the printed lines as they
  // were printed, or, while the grid is shown, its rows with their cells
  // separated by a tab. Nothing while the window is hidden.
  std::vector<std::string> ShownLines() const;
};

}  // namespace kestal
