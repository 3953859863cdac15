// The window tests run headless: Qt's offscreen platform unless another one
// is asked for, and the scripted platform for every dialog.

#include <gtest/gtest.h>

#include <QApplication>

namespace {

// The offscreen platform says so each time a window is raised; nothing else
// of Qt's chatter is dropped.
QtMessageHandler standard = nullptr;

void QuietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (!message.startsWith("This plugin does not support")) standard(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  standard = qInstallMessageHandler(QuietOffscreen);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
