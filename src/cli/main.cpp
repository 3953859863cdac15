// kestal-cli: loads, views, designs, reports and writes problems from the
// command line through the commands of the window.

#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/batch.h"
#include "cli/run.h"
#include "commands/console_view.h"
#include "commands/session.h"
#include "files/checks.h"
#include "model/problem_ops.h"
#include "model/version.h"
#include "platform/console_platform.h"
#include "platform/qt_document.h"

#include <QGuiApplication>
#include <memory>

namespace {

int UsageError(const std::string& why) {
  std::cerr << "kestal-cli: " << why << "\n\n" << kestal::cli::UsageText();
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace kestal;
  const cli::ParsedArguments parsed = cli::ParseArguments({argv + 1, argv + argc});
  if (!parsed.invocation) return UsageError(parsed.error);
  const cli::Invocation& inv = *parsed.invocation;
  if (inv.command == cli::Command::Help) {
    std::cout << cli::UsageText();
    return 0;
  }
  if (inv.command == cli::Command::Version) {
    std::cout << VersionLine() << '\n';
    return 0;
  }

  // A fixed report date makes reports reproducible.
  ConsolePlatform::Clock clock = LocalClock;
  const char* epochText = std::getenv("SOURCE_DATE_EPOCH");
  if (epochText != nullptr && *epochText != '\0') {
    const std::optional<std::time_t> epoch = ParseEpochSeconds(epochText);
    if (epoch) {
      clock = [t = *epoch] { return UtcTime(t); };
    } else if (inv.command == cli::Command::Report) {
      return UsageError("SOURCE_DATE_EPOCH is not a whole number of seconds");
    }
  }

  // Qt paints the PDF, off any screen; its application only when asked for.
  std::unique_ptr<QGuiApplication> painter;
  ConsolePlatform::PdfRenderer pdf;
  if (inv.pdf) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's notes about the desktop it runs without are no concern of a
    // command line; its errors are.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
      if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << "kestal-cli: " << text.toStdString() << '\n';
      }
    });
    static int qtArgc = 1;
    static char qtName[] = "kestal-cli";
    static char* qtArgv[] = {qtName, nullptr};
    painter = std::make_unique<QGuiApplication>(qtArgc, qtArgv);
    pdf = PdfOfDocument;
  }

  try {
    if (inv.command == cli::Command::Report && !inv.outDir.empty()) {
      return cli::RunReports(inv, clock, {std::cin, std::cout, std::cerr, isatty(2) == 1}, pdf);
    }
    Problem problem;
    ToolTips tips;
    ConsolePlatform platform(std::cout, clock, std::cerr);
    platform.SetPdfRenderer(pdf);
    ConsoleResults results;
    ConsoleView view(problem, tips);
    Session session{problem, tips, platform, results, view};
    StartUp(problem, tips);
    view.RefreshMainWindow();

    cli::RunCommand(session, inv);

    for (const std::string& line : results.ShownLines()) std::cout << line << '\n';
    const int status = cli::ExitStatus(platform.messages());
    if (inv.checks && status == 0) {
      const std::vector<Check> checks =
          ProblemChecks(problem, OptionForProblemType(problem.ProblemType));
      for (const std::string& line : CheckTableLines(checks)) std::cout << line << '\n';
      std::cout.flush();
      return AnyCheckFails(checks) ? 3 : 0;
    }
    std::cout.flush();
    return status;
  } catch (const std::exception& e) {
    std::cerr << "kestal-cli: " << e.what() << '\n';
    return 1;
  }
}
