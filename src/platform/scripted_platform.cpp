#include "platform/scripted_platform.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace kestal {

ScriptedPlatform::ScriptedPlatform() {
  SetClock(2024, 1, 15, 9, 30, 0);
}

void ScriptedPlatform::MessageBox(const std::string& text, Icon icon,
                                  const std::optional<std::string>& title) {
  events_.push_back(PlatformEvent::Message(text, icon, title));
}

void ScriptedPlatform::MessageBoxWithReason(const std::string& text, Icon icon,
                                            const std::optional<std::string>& title,
                                            const std::string& reason) {
  MessageBox(text, icon, title);
  reasons_.push_back(reason);
}

void ScriptedPlatform::Beep() {
  events_.push_back(PlatformEvent::Beep());
}

int ScriptedPlatform::Ask(const std::string& text, const std::vector<std::string>& answers,
                          const std::optional<std::string>&) {
  questions_.push_back(text);
  const int cancel = static_cast<int>(answers.size()) - 1;
  if (answers_.empty()) return cancel;
  const std::string caption = std::move(answers_.front());
  answers_.pop_front();
  const auto found = std::find(answers.begin(), answers.end(), caption);
  return found == answers.end() ? cancel : static_cast<int>(found - answers.begin());
}

std::optional<FileChoice> ScriptedPlatform::ChooseFile(FileDialogMode mode,
                                                       const std::string& filter, int filterIndex,
                                                       const std::string& proposed) {
  fileDialogs_.push_back({mode, filter, filterIndex, proposed});
  if (fileChoices_.empty()) return std::nullopt;
  std::optional<FileChoice> answer = std::move(fileChoices_.front());
  fileChoices_.pop_front();
  return answer;
}

std::string ScriptedPlatform::InputBox(const std::string& prompt, const std::string& title,
                                       const std::string& defaultText) {
  inputBoxes_.push_back({prompt, title, defaultText});
  if (inputs_.empty()) return std::string();
  std::string answer = std::move(inputs_.front());
  inputs_.pop_front();
  return answer;
}

void ScriptedPlatform::SetClipboardText(const std::string& text) {
  clipboard_ = text;
}

std::string ScriptedPlatform::ClipboardText() {
  return clipboard_;
}

bool ScriptedPlatform::OpenInTextEditor(const std::string& path) {
  editorPaths_.push_back(path);
  return editorResult_;
}

void ScriptedPlatform::ShowHelpTopic(const std::string& topic) {
  helpTopics_.push_back(topic);
}

std::tm ScriptedPlatform::Now() {
  return clock_;
}

void ScriptedPlatform::QueueFileChoice(std::optional<FileChoice> choice) {
  fileChoices_.push_back(std::move(choice));
}

void ScriptedPlatform::QueueInput(std::string text) {
  inputs_.push_back(std::move(text));
}

void ScriptedPlatform::SetClock(int year, int month, int day, int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  t.tm_isdst = -1;
  std::tm normal = t;
  std::mktime(&normal);  // fills the day of the week and of the year
  t.tm_wday = normal.tm_wday;
  t.tm_yday = normal.tm_yday;
  clock_ = t;
}

std::vector<PlatformEvent> ScriptedPlatform::messages() const {
  std::vector<PlatformEvent> out;
  std::copy_if(events_.begin(), events_.end(), std::back_inserter(out),
               [](const PlatformEvent& e) { return e.kind == PlatformEvent::Kind::Message; });
  return out;
}

int ScriptedPlatform::beeps() const {
  return static_cast<int>(std::count_if(events_.begin(), events_.end(), [](const PlatformEvent& e) {
    return e.kind == PlatformEvent::Kind::Beep;
  }));
}

std::optional<std::string> ScriptedPlatform::RenderPdf(const PagedDocument& doc, std::string&) {
  documents_.push_back(doc);
  std::string text = "%scripted-pdf\n";
  for (const Picture& page : doc.pages) {
    text += "\f\n";
    for (const Picture::Text& t : page.texts) text += t.text + '\n';
  }
  return text;
}

PrintResult ScriptedPlatform::PrintDocument(const PagedDocument& doc, std::string& error) {
  documents_.push_back(doc);
  if (printResult_ == PrintResult::Failed) error = "the printer is out of paper";
  return printResult_;
}

}  // namespace kestal
