// A key in the concrete strength box of the real main window, on Qt's
// offscreen platform: the key press and release, the text entry rule, the
// material values derived from f'c, the boxes that show them and the repaint.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "platform/scripted_platform.h"
#include "ui/main_window.h"
#include "ui/results_window.h"

namespace {

using namespace kestal;

// Typing a digit after "450" and deleting it again, one key per iteration.
void BM_KeyInConcreteStrengthBox(benchmark::State& state) {
  Problem p;
  ToolTips tips;
  ScriptedPlatform platform;
  ui::ResultsWindow results;
  ui::MainWindow main(p, tips, platform, results);
  main.show();
  auto* box = main.findChild<QLineEdit*>("txtConcreteStrength");
  box->setText("450");
  QApplication::processEvents();
  bool typed = false;
  for (auto _ : state) {
    QTest::keyClick(box, typed ? Qt::Key_Backspace : Qt::Key_0);
    typed = !typed;
    QApplication::processEvents();
  }
  state.SetLabel(p.ConcreteStrength == 450 || p.ConcreteStrength == 4500 ? "f'c follows the box"
                                                                         : "f'c lost");
}
BENCHMARK(BM_KeyInConcreteStrengthBox);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
