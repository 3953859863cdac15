#include "platform/console_platform.h"

#include <charconv>
#include <utility>

namespace kestal {

std::string ConsoleMessageText(const std::string& text, const std::optional<std::string>& title) {
  std::string out = title ? *title : std::string(kDefaultTitle);
  out += ": ";
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      out += text[i];
      continue;
    }
    out += '\n';
    if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
  }
  out += '\n';
  return out;
}

ConsolePlatform::ConsolePlatform(std::ostream& out, Clock clock, std::ostream& err)
    : out_(out), err_(err), clock_(std::move(clock)) {}

void ConsolePlatform::MessageBox(const std::string& text, Icon icon,
                                 const std::optional<std::string>& title) {
  messages_.push_back({text, icon, title});
  out_ << ConsoleMessageText(text, title);
  out_.flush();
}

void ConsolePlatform::MessageBoxWithReason(const std::string& text, Icon icon,
                                           const std::optional<std::string>& title,
                                           const std::string& reason) {
  MessageBox(text, icon, title);
  err_ << "kestal-cli: " << reason << '\n';
  err_.flush();
}

int ConsolePlatform::Ask(const std::string& text, const std::vector<std::string>& answers,
                         const std::optional<std::string>& title) {
  std::string choices;
  for (const std::string& answer : answers) choices += (choices.empty() ? "" : "/") + answer;
  std::string line = ConsoleMessageText(text, title);
  line.pop_back();
  out_ << line << " [" << choices << "] " << (answers.empty() ? "" : answers.front()) << '\n';
  out_.flush();
  return 0;
}

void ConsolePlatform::Beep() {}

std::optional<FileChoice> ConsolePlatform::ChooseFile(FileDialogMode, const std::string&, int,
                                                      const std::string&) {
  return std::nullopt;
}

std::string ConsolePlatform::InputBox(const std::string&, const std::string&, const std::string&) {
  return std::string();
}

void ConsolePlatform::SetClipboardText(const std::string& text) {
  clipboard_ = text;
}

std::string ConsolePlatform::ClipboardText() {
  return clipboard_;
}

bool ConsolePlatform::OpenInTextEditor(const std::string&) {
  return false;
}

void ConsolePlatform::ShowHelpTopic(const std::string&) {}

std::optional<std::string> ConsolePlatform::RenderPdf(const PagedDocument& doc,
                                                      std::string& error) {
  if (pdf_) return pdf_(doc, error);
  return Platform::RenderPdf(doc, error);
}

std::tm ConsolePlatform::Now() {
  return clock_();
}

std::tm LocalClock() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

std::tm UtcTime(std::time_t secondsSinceEpoch) {
  std::tm utc{};
  gmtime_r(&secondsSinceEpoch, &utc);
  return utc;
}

std::optional<std::time_t> ParseEpochSeconds(std::string_view text) {
  if (text.empty()) return std::nullopt;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  std::time_t seconds = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  // gmtime_r cannot place a moment whose year does not fit an int.
  std::tm check{};
  if (gmtime_r(&seconds, &check) == nullptr) return std::nullopt;
  return seconds;
}

std::vector<std::string> ConsoleResults::ShownLines() const {
  if (!visible()) return {};
  if (!gridShown()) return lines();
  std::vector<std::string> rows;
  for (const std::vector<std::string>& row : gridRows()) {
    std::string text;
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i > 0) text += '\t';
      text += row[i];
    }
    rows.push_back(std::move(text));
  }
  return rows;
}

}  // namespace kestal
