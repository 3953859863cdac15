#include "ui/help_window.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <utility>

#include "ui/window_support.h"

namespace kestal::ui {

QString HelpFolder(const QString& programFolder) {
  const QDir program(programFolder);
  const QString candidates[] = {program.filePath("help"), program.filePath(KESTAL_INSTALLED_HELP)};
  for (const QString& folder : candidates) {
    if (QFileInfo(folder).isDir()) return QDir::cleanPath(folder);
  }
  return QDir::cleanPath(candidates[0]);
}

HelpWindow::HelpWindow(QString folder, QWidget* parent)
    : QMainWindow(parent, Qt::Window), folder_(std::move(folder)), browser_(new QTextBrowser) {
  setObjectName("frmHelp");
  setWindowTitle("KESTAL Help");
  browser_->setObjectName("txtHelp");
  browser_->setOpenExternalLinks(true);
  setCentralWidget(browser_);

  QToolBar* bar = addToolBar("Navigation");
  bar->setObjectName("tbHelp");
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  auto item = [this, bar](const char* name, const char* caption, QKeySequence key) {
    QAction* action = bar->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(key);
    action->setToolTip(QString(caption).remove('&') + " (" +
                       key.toString(QKeySequence::NativeText) + ")");
    return action;
  };
  QAction* back = item("mnuBack", "&Back", QKeySequence::Back);
  QAction* forward = item("mnuForward", "&Forward", QKeySequence::Forward);
  QAction* contents = item("mnuContents", "&Contents", QKeySequence(Qt::ALT | Qt::Key_Home));
  QAction* close = item("mnuClose", "C&lose", QKeySequence(Qt::Key_Escape));
  back->setEnabled(false);
  forward->setEnabled(false);

  connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
  connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
  connect(contents, &QAction::triggered, this, [this] { ShowTopic(kHelpStartTopic); });
  connect(close, &QAction::triggered, this, &QWidget::close);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? "KESTAL Help" : "KESTAL Help - " + title);
  });
}

QSize HelpWindow::sizeHint() const {
  const QFontMetrics fm(browser_->font());
  return {fm.averageCharWidth() * 120, fm.lineSpacing() * 45};
}

void HelpWindow::ShowTopic(const QString& topic) {
  const QString page = QDir(folder_).filePath(topic);
  if (QFileInfo(page).isFile()) {
    browser_->setSource(QUrl::fromLocalFile(page));
  } else {
    const QString notice =
        QFileInfo(folder_).isDir()
            ? "There is no help page " + topic + " in " + folder_ + "."
            : "The help pages are not installed: there is no folder " + folder_ + ".";
    browser_->clear();
    browser_->setPlainText(notice);
    setWindowTitle("KESTAL Help");
  }
  ShowWindow(this);
}

}  // namespace kestal::ui
