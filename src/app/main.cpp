// kestal: the window program. `kestal [FILE.in]` opens the main window, with
// the input file loaded when one is named.

#include <QApplication>
#include <QStringList>
#include <cstring>
#include <iostream>
#include <memory>

#include "app/screenshots.h"
#include "model/version.h"
#include "platform/console_platform.h"
#include "platform/qt_platform.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/results_window.h"

namespace {

// With KESTAL_EXIT_WHEN_SHOWN set, the program ends once the main window has
// been painted for the first time: tools/bench.sh times the start from the
// outside this way.
class ExitWhenPainted : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      QMetaObject::invokeMethod(
          qApp, [] { QApplication::exit(0); }, Qt::QueuedConnection);
    }
    return false;
  }
};

constexpr const char* kUsage =
    "usage: kestal [INPUT.in]\n"
    "Opens the window of KESTAL, reinforced concrete beam design, with the input\n"
    "file INPUT.in loaded when one is named.\n"
    "  --version  prints the version\n"
    "  --help     prints this text\n";

}  // namespace

int main(int argc, char** argv) {
  using namespace kestal;
  // Answered without a display.
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << VersionLine() << '\n';
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
    std::cout << kUsage;
    return 0;
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName("Kestal");
  QApplication::setApplicationVersion(QString("%1.%2.%3")
                                          .arg(KESTAL_VERSION_MAJOR)
                                          .arg(KESTAL_VERSION_MINOR)
                                          .arg(KESTAL_VERSION_PATCH));
  // The desktop finds the program's entry, and with it its icon, by this name.
  QGuiApplication::setDesktopFileName("kestal");
  QApplication::setWindowIcon(QIcon(":/kestal.png"));

  QStringList args = QApplication::arguments().mid(1);
  QString screenshots;
  if (args.size() >= 2 && args[0] == "--screenshots") {
    screenshots = args[1];
    args = args.mid(2);
  }
  const QString inputFile = args.isEmpty() ? QString() : args[0];

  Problem problem;
  ToolTips tips;
  ui::HelpWindow help(ui::HelpFolder(QApplication::applicationDirPath()));
  // The pictures are taken without anyone to answer a message box.
  std::unique_ptr<Platform> platform;
  if (screenshots.isEmpty()) {
    auto qt = std::make_unique<QtPlatform>();
    qt->SetHelpViewer(
        [&help](const std::string& topic) { help.ShowTopic(QString::fromStdString(topic)); });
    platform = std::move(qt);
  } else {
    platform = std::make_unique<ConsolePlatform>(std::cerr, LocalClock, std::cerr);
  }
  ui::ResultsWindow results;
  ui::MainWindow main(problem, tips, *platform, results);
  // Exit ends the program at once; the windows that refuse a close request
  // are not asked.
  QObject::connect(
      &main, &ui::MainWindow::exitRequested, &app, [] { QApplication::exit(0); },
      Qt::QueuedConnection);
  ExitWhenPainted exitWhenPainted;
  if (qEnvironmentVariableIsSet("KESTAL_EXIT_WHEN_SHOWN"))
    main.installEventFilter(&exitWhenPainted);
  main.show();

  if (!screenshots.isEmpty()) {
    return ui::TakeScreenshots(main, results, help, screenshots, inputFile) ? 0 : 1;
  }
  if (!inputFile.isEmpty()) main.LoadInputFile(inputFile.toStdString());
  return QApplication::exec();
}
