#pragma once

// The platform for tests: records every message box and beep in one ordered
// log, answers the questions, the file dialog and the input box from queues, keeps a
// clipboard, records the editor and help requests and reads a fixed clock.
// Nothing waits for a person: an empty queue answers as a cancel.

#include <ctime>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace kestal {

struct PlatformEvent {
  enum class Kind { Message, Beep };
  Kind kind = Kind::Message;
  std::string text;                  // message boxes only
  Icon icon = Icon::None;            // message boxes only
  std::optional<std::string> title;  // as given; nullopt means the program's title

  static PlatformEvent Message(std::string text, Icon icon,
                               std::optional<std::string> title = std::nullopt) {
    return {Kind::Message, std::move(text), icon, std::move(title)};
  }
  static PlatformEvent Beep() { return {Kind::Beep, {}, Icon::None, std::nullopt}; }

  friend bool operator==(const PlatformEvent&, const PlatformEvent&) = default;
};

struct FileDialogRequest {
  FileDialogMode mode = FileDialogMode::Open;
  std::string filter;
  int filterIndex = 0;
  std::string proposed;
  friend bool operator==(const FileDialogRequest&, const FileDialogRequest&) = default;
};

struct InputBoxRequest {
  std::string prompt;
  std::string title;
  std::string defaultText;
  friend bool operator==(const InputBoxRequest&, const InputBoxRequest&) = default;
};

class ScriptedPlatform : public Platform {
 public:
  ScriptedPlatform();

  void MessageBox(const std::string& text, Icon icon,
                  const std::optional<std::string>& title = std::nullopt) override;
  // Recorded as the message box, its reason in reasons().
  void MessageBoxWithReason(const std::string& text, Icon icon,
                            const std::optional<std::string>& title,
                            const std::string& reason) override;
  void Beep() override;
  // Answers from the queue of answers by caption; an empty queue, or a
  // caption the question does not offer, cancels.
  int Ask(const std::string& text, const std::vector<std::string>& answers,
          const std::optional<std::string>& title = std::nullopt) override;
  std::optional<FileChoice> ChooseFile(FileDialogMode mode, const std::string& filter,
                                       int filterIndex, const std::string& proposed = {}) override;
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;
  void SetClipboardText(const std::string& text) override;
  std::string ClipboardText() override;
  bool OpenInTextEditor(const std::string& path) override;
  void ShowHelpTopic(const std::string& topic) override;
  std::tm Now() override;
  // A "PDF" of the document's text: "%scripted-pdf" and then each page's
  // texts, one a line, each page after a form feed line. The document is
  // recorded.
  std::optional<std::string> RenderPdf(const PagedDocument& doc, std::string& error) override;
  // Recorded; answers as scripted.
  PrintResult PrintDocument(const PagedDocument& doc, std::string& error) override;

  // Script.
  // The next file dialog's answer; nullopt is a cancel.
  void QueueFileChoice(std::optional<FileChoice> choice);
  // The next question's answer, by its button's caption.
  void QueueAnswer(std::string caption) { answers_.push_back(std::move(caption)); }
  // The next input box's answer; "" is a cancel.
  void QueueInput(std::string text);
  void SetEditorResult(bool started) { editorResult_ = started; }
  void SetPrintResult(PrintResult result) { printResult_ = result; }
  void SetClock(const std::tm& now) { clock_ = now; }
  void SetClock(int year, int month, int day, int hour, int minute, int second);

  // Record.
  const std::vector<PlatformEvent>& events() const { return events_; }
  // Only the message boxes of the log, in order.
  std::vector<PlatformEvent> messages() const;
  int beeps() const;
  const std::vector<FileDialogRequest>& fileDialogs() const { return fileDialogs_; }
  const std::vector<InputBoxRequest>& inputBoxes() const { return inputBoxes_; }
  // The text of every question asked, in order.
  const std::vector<std::string>& questions() const { return questions_; }
  const std::vector<std::string>& editorPaths() const { return editorPaths_; }
  const std::vector<std::string>& helpTopics() const { return helpTopics_; }
  // The reasons of the failed file operations, in order.
  const std::vector<std::string>& reasons() const { return reasons_; }
  // The documents rendered or printed, in order.
  const std::vector<PagedDocument>& documents() const { return documents_; }
  // Answers queued but never asked for.
  std::size_t pendingFileChoices() const { return fileChoices_.size(); }
  std::size_t pendingInputs() const { return inputs_.size(); }
  std::size_t pendingAnswers() const { return answers_.size(); }
  void ClearLog() { events_.clear(); }

 private:
  std::vector<PlatformEvent> events_;
  std::deque<std::optional<FileChoice>> fileChoices_;
  std::deque<std::string> inputs_;
  std::deque<std::string> answers_;
  std::vector<std::string> questions_;
  std::vector<FileDialogRequest> fileDialogs_;
  std::vector<InputBoxRequest> inputBoxes_;
  std::string clipboard_;
  bool editorResult_ = true;
  std::vector<std::string> editorPaths_;
  std::vector<std::string> helpTopics_;
  std::vector<std::string> reasons_;
  std::tm clock_{};
  PrintResult printResult_ = PrintResult::Printed;
  std::vector<PagedDocument> documents_;
};

}  // namespace kestal
