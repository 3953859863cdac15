#include "platform/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>

#include "files/file_names.h"
#include "platform/console_platform.h"
#include "platform/qt_document.h"

namespace kestal {

namespace {

QString ToQt(const std::string& s) {
  return QString::fromStdString(s);
}

QMessageBox::Icon ToQtIcon(Icon icon) {
  switch (icon) {
    case Icon::Information:
      return QMessageBox::Information;
    case Icon::Exclamation:
      return QMessageBox::Warning;
    case Icon::Critical:
      return QMessageBox::Critical;
    case Icon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

// Dialogs belong to the window the user is working in.
QWidget* DialogParent() {
  return QApplication::activeWindow();
}

}  // namespace

std::unique_ptr<QMessageBox> CreateMessageBox(const std::string& text, Icon icon,
                                              const std::optional<std::string>& title,
                                              QWidget* parent, const std::string& reason) {
  QString body = ToQt(text);
  body.replace("\r\n", "\n");
  body.replace('\r', '\n');
  auto box = std::make_unique<QMessageBox>(ToQtIcon(icon), ToQt(title.value_or(kDefaultTitle)),
                                           body, QMessageBox::Ok, parent);
  box->setObjectName("MessageBox");
  if (!reason.empty()) box->setInformativeText(ToQt(reason));
  return box;
}

void QtPlatform::MessageBox(const std::string& text, Icon icon,
                            const std::optional<std::string>& title) {
  CreateMessageBox(text, icon, title, DialogParent())->exec();
}

void QtPlatform::MessageBoxWithReason(const std::string& text, Icon icon,
                                      const std::optional<std::string>& title,
                                      const std::string& reason) {
  CreateMessageBox(text, icon, title, DialogParent(), reason)->exec();
}

std::unique_ptr<QMessageBox> CreateQuestion(const std::string& text,
                                            const std::vector<std::string>& answers,
                                            const std::optional<std::string>& title,
                                            QWidget* parent) {
  auto box =
      std::make_unique<QMessageBox>(QMessageBox::Question, ToQt(title.value_or(kDefaultTitle)),
                                    ToQt(text), QMessageBox::NoButton, parent);
  box->setObjectName("Question");
  for (std::size_t i = 0; i < answers.size(); ++i) {
    const QMessageBox::ButtonRole role = i == 0                    ? QMessageBox::AcceptRole
                                         : i + 1 == answers.size() ? QMessageBox::RejectRole
                                                                   : QMessageBox::DestructiveRole;
    QPushButton* button = box->addButton(ToQt(answers[i]), role);
    button->setProperty("answer", static_cast<int>(i));
    if (i == 0) box->setDefaultButton(button);
    if (i + 1 == answers.size()) box->setEscapeButton(button);
  }
  return box;
}

int QtPlatform::Ask(const std::string& text, const std::vector<std::string>& answers,
                    const std::optional<std::string>& title) {
  const auto box = CreateQuestion(text, answers, title, DialogParent());
  box->exec();
  const QAbstractButton* clicked = box->clickedButton();
  if (clicked == nullptr) return static_cast<int>(answers.size()) - 1;
  return clicked->property("answer").toInt();
}

void QtPlatform::Beep() {
  QApplication::beep();
}

QStringList NameFilters(const std::string& filter) {
  const QStringList parts = ToQt(filter).split('|');
  static const QRegularExpression ownPatterns(R"(\s*\([^)]*\)\s*$)");
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    description.remove(ownPatterns);
    QString pattern = parts[i + 1];
    pattern.replace("*.*", "*");
    filters << description + " (" + pattern + ")";
  }
  return filters;
}

std::optional<FileChoice> QtPlatform::ChooseFile(FileDialogMode mode, const std::string& filter,
                                                 int filterIndex, const std::string& proposed) {
  QFileDialog dialog(DialogParent());
  dialog.setAcceptMode(mode == FileDialogMode::Open ? QFileDialog::AcceptOpen
                                                    : QFileDialog::AcceptSave);
  dialog.setFileMode(mode == FileDialogMode::Open ? QFileDialog::ExistingFile
                                                  : QFileDialog::AnyFile);
  const QStringList filters = NameFilters(filter);
  dialog.setNameFilters(filters);
  if (filterIndex >= 1 && filterIndex <= filters.size()) {
    dialog.selectNameFilter(filters[filterIndex - 1]);
  }
  if (!proposed.empty()) dialog.selectFile(ToQt(proposed));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  QString path = dialog.selectedFiles().first();
  if (mode == FileDialogMode::Save) {
    const int chosen = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    path = ToQt(WithFilterExtension(path.toStdString(), filter, chosen));
  }
  return FileChoice{path.toStdString(), QFileInfo(path).fileName().toStdString()};
}

std::string QtPlatform::InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) {
  bool ok = false;
  const QString text = QInputDialog::getText(DialogParent(), ToQt(title), ToQt(prompt),
                                             QLineEdit::Normal, ToQt(defaultText), &ok);
  return ok ? text.toStdString() : std::string();
}

void QtPlatform::SetClipboardText(const std::string& text) {
  QApplication::clipboard()->setText(ToQt(text));
}

std::string QtPlatform::ClipboardText() {
  return QApplication::clipboard()->text().toStdString();
}

bool QtPlatform::OpenInTextEditor(const std::string& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(ToQt(path)));
}

void QtPlatform::ShowHelpTopic(const std::string& topic) {
  if (helpViewer_) helpViewer_(topic);
}

std::optional<std::string> QtPlatform::RenderPdf(const PagedDocument& doc, std::string& error) {
  return PdfOfDocument(doc, error);
}

PrintResult QtPlatform::PrintDocument(const PagedDocument& doc, std::string& error) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setFullPage(true);
  printer.setDocName(QString::fromStdString(doc.name));
  printer.setPageSize(doc.paperName == "Letter" ? QPageSize(QPageSize::Letter)
                                                : QPageSize(QPageSize::A4));
  QPrintDialog dialog(&printer, QApplication::activeWindow());
  dialog.setWindowTitle("Print");
  if (dialog.exec() != QDialog::Accepted) return PrintResult::Cancelled;
  if (!PaintDocument(printer, doc)) {
    error = printer.printerName().isEmpty()
                ? "no printer could be opened"
                : "the printer '" + printer.printerName().toStdString() + "' could not be opened";
    return PrintResult::Failed;
  }
  return PrintResult::Printed;
}

std::tm QtPlatform::Now() {
  return LocalClock();
}

}  // namespace kestal
