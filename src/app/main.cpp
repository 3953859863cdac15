// kestal: the window program. `kestal [FILE.in]` opens the main window, with
// the input file loaded when one is named.

#include <QApplication>
#include <QStringList>
#include <iostream>
#include <memory>

#include "app/screenshots.h"
#include "platform/console_platform.h"
#include "platform/qt_platform.h"
#include "ui/main_window.h"
#include "ui/results_window.h"

int main(int argc, char** argv) {
  using namespace kestal;
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kestal");

  QStringList args = QApplication::arguments().mid(1);
  QString screenshots;
  if (args.size() >= 2 && args[0] == "--screenshots") {
    screenshots = args[1];
    args = args.mid(2);
  }
  const QString inputFile = args.isEmpty() ? QString() : args[0];

  Problem problem;
  ToolTips tips;
  // The pictures are taken without anyone to answer a message box.
  std::unique_ptr<Platform> platform;
  if (screenshots.isEmpty()) {
    platform = std::make_unique<QtPlatform>();
  } else {
    platform = std::make_unique<ConsolePlatform>(std::cerr, LocalClock);
  }
  ui::ResultsWindow results;
  ui::MainWindow main(problem, tips, *platform, results);
  // Exit ends the program at once; the windows that refuse a close request
  // are not asked.
  QObject::connect(
      &main, &ui::MainWindow::exitRequested, &app, [] { QApplication::exit(0); },
      Qt::QueuedConnection);
  main.show();

  if (!screenshots.isEmpty()) {
    return ui::TakeScreenshots(main, results, screenshots, inputFile) ? 0 : 1;
  }
  if (!inputFile.isEmpty()) main.LoadInputFile(inputFile.toStdString());
  return QApplication::exec();
}
