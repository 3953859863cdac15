#pragma once

// The help window: the program's HTML help pages, shown topic by topic with
// back and forward and working links between the topics.

#include <QMainWindow>
#include <QString>

class QTextBrowser;

namespace kestal::ui {

// The start topic of the help, Help > Contents.
inline constexpr const char* kHelpStartTopic = "introduction.htm";

class HelpWindow : public QMainWindow {
 public:
  // `folder` holds the pages.
  explicit HelpWindow(QString folder, QWidget* parent = nullptr);

  // Shows a topic, a page file name such as "introduction.htm", and brings
  // the window to the front. A topic or folder that does not exist shows a
  // one-line notice in the window instead.
  void ShowTopic(const QString& topic);

  QTextBrowser* browser() const { return browser_; }

  // Room for about 120 characters by 45 lines of a page.
  QSize sizeHint() const override;

 private:
  QString folder_;
  QTextBrowser* browser_;
};

// The folder of the help pages: "help" beside the program (the build tree),
// else the help folder of the installation the program belongs to
// (PREFIX/bin/kestal reads PREFIX/share/kestal/help). The first of them when
// neither exists.
QString HelpFolder(const QString& programFolder);

}  // namespace kestal::ui
