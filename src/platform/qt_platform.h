#pragma once

// The platform of the window program: Qt's message boxes, file and input
// dialogs, clipboard and desktop services.

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <utility>

#include "platform/platform.h"

class QMessageBox;
class QWidget;

namespace kestal {

class QtPlatform : public Platform {
 public:
  void MessageBox(const std::string& text, Icon icon,
                  const std::optional<std::string>& title = std::nullopt) override;
  // The reason is the box's informative text, under its own.
  void MessageBoxWithReason(const std::string& text, Icon icon,
                            const std::optional<std::string>& title,
                            const std::string& reason) override;
  // Buttons in order: the first accepts and is the default, the last
  // rejects (Escape), one between them discards.
  int Ask(const std::string& text, const std::vector<std::string>& answers,
          const std::optional<std::string>& title = std::nullopt) override;
  void Beep() override;
  std::optional<FileChoice> ChooseFile(FileDialogMode mode, const std::string& filter,
                                       int filterIndex, const std::string& proposed = {}) override;
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;
  void SetClipboardText(const std::string& text) override;
  std::string ClipboardText() override;
  // The desktop's default application for the file.
  bool OpenInTextEditor(const std::string& path) override;
  // Hands the topic to the help viewer given by SetHelpViewer; without one
  // nothing happens.
  void ShowHelpTopic(const std::string& topic) override;
  std::tm Now() override;
  std::optional<std::string> RenderPdf(const PagedDocument& doc, std::string& error) override;
  // Qt's print dialog, then the printer it chose.
  PrintResult PrintDocument(const PagedDocument& doc, std::string& error) override;

  void SetHelpViewer(std::function<void(const std::string& topic)> viewer) {
    helpViewer_ = std::move(viewer);
  }

 private:
  std::function<void(const std::string& topic)> helpViewer_;
};

// The message box MessageBox shows, not yet shown: OK button, the icon, the
// title or the program's title, the text with each carriage return a line
// break; a reason (of MessageBoxWithReason) is its informative text.
std::unique_ptr<QMessageBox> CreateMessageBox(const std::string& text, Icon icon,
                                              const std::optional<std::string>& title,
                                              QWidget* parent = nullptr,
                                              const std::string& reason = std::string());

// The question Ask shows, not yet shown: the question icon, the title or the
// program's title, one button for each answer in order (the first accepts
// and is the default, the last rejects and answers Escape, one between them
// discards).
std::unique_ptr<QMessageBox> CreateQuestion(const std::string& text,
                                            const std::vector<std::string>& answers,
                                            const std::optional<std::string>& title,
                                            QWidget* parent = nullptr);

// A filter list "Description|pattern|..." as Qt's name filters: each
// description without its own parenthesised patterns, followed by the
// pattern in parentheses; "*.*" becomes "*", so that files without an
// extension are listed too ("All Files (*)", "Input Files (*.in)").
QStringList NameFilters(const std::string& filter);

}  // namespace kestal
