// The windows under fire: random text typed into every box of every window,
// every menu item, button and option used in random order, every dialog
// answered at random (cancel included). Nothing may crash or throw, and after
// every step each box shows what its field holds.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QTemporaryDir>
#include <random>

#include "commands/file_commands.h"
#include "model/numtext.h"
#include "model/record_fields.h"
#include "program.h"

namespace kestal::test {
namespace {

QString RandomText(std::mt19937& rng) {
  static const QString pieces[] = {"0", "1",  "7",    "42",        ".",   "-", "+",
                                   "E", "e",  "E+07", "E-45",      "abc", " ", ",",
                                   "é", "中", "1e39", "999999999", "\t"};
  QString text;
  const int count = rng() % 50 == 0 ? 400 : int(rng() % 6);
  for (int i = 0; i < count; ++i) text += pieces[rng() % std::size(pieces)];
  return text;
}

// Typing character by character, non-ASCII text included (a disabled box
// takes no keys).
void TypeInto(QLineEdit* box, const QString& text) {
  for (const QChar c : text) {
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      QKeyEvent key(type, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QApplication::sendEvent(box, &key);
    }
  }
}

TEST(UnderFire, RandomUseKeepsEveryBoxShowingItsField) {
  // Copies of two examples: the dialogs may also answer a save with them.
  QTemporaryDir dir;
  for (const char* example : {"arema_box_review_english.in", "s6_box_vdesign_metric.in"}) {
    QFile::copy(QString(KESTAL_SOURCE_DIR "/examples/") + example, dir.filePath(example));
  }
  const std::string paths[] = {dir.filePath("arema_box_review_english.in").toStdString(),
                               dir.filePath("s6_box_vdesign_metric.in").toStdString(),
                               dir.filePath("saved.in").toStdString(),
                               dir.filePath("report.out").toStdString(),
                               dir.path().toStdString(),
                               "/missing/folder/x.in"};
  Program w;
  // The main window's children include the windows it owns.
  const QWidget* windows[] = {&w.main, &w.results};
  std::vector<QLineEdit*> boxes;
  std::vector<QAction*> actions;
  std::vector<QAbstractButton*> buttons;
  for (const QWidget* window : windows) {
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
      if (FindBox(box->objectName().toStdString())) boxes.push_back(box);
    }
    for (QAction* a : window->findChildren<QAction*>()) {
      if (a->objectName().startsWith("mnu") && !a->menu()) actions.push_back(a);
    }
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
      const QString name = b->objectName();
      if (name.startsWith("cmd") || name.startsWith("opt") || name.startsWith("chk") ||
          name == "Command1") {
        buttons.push_back(b);
      }
    }
  }
  ASSERT_EQ(boxes.size(), BoxFields().size());

  std::mt19937 rng(20261207);
  for (int step = 0; step < 3000; ++step) {
    const std::size_t choice = rng() % std::size(paths);
    w.platform.QueueFileChoice(rng() % 5 ? std::optional(FileChoiceForPath(paths[choice]))
                                         : std::nullopt);
    w.platform.QueueInput(rng() % 2 ? RandomText(rng).toStdString() : "");
    w.platform.SetEditorResult(rng() % 2);
    switch (rng() % 4) {
      case 0: {
        QLineEdit* box = boxes[rng() % boxes.size()];
        if (rng() % 2) box->selectAll();
        TypeInto(box, RandomText(rng));
        break;
      }
      case 1:
        actions[rng() % actions.size()]->trigger();
        break;
      case 2:
        if (QAbstractButton* b = buttons[rng() % buttons.size()]; b->isEnabled()) b->click();
        break;
      default:
        w.Find<QComboBox>("cboSectionType")->setCurrentIndex(int(rng() % 3));
    }
    for (QLineEdit* box : boxes) {
      const float shown = EntryValue(box->text().toStdString());
      const float held = w.p.*(FindBox(box->objectName().toStdString())->field);
      ASSERT_EQ(shown, held) << step << " " << box->objectName().toStdString() << " shows "
                             << box->text().toStdString();
    }
  }
}

}  // namespace
}  // namespace kestal::test
