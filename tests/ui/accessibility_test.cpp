#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleEditableTextInterface>
#include <QCheckBox>
#include <QRadioButton>
#include <map>

#include "model/numtext.h"
#include "program.h"

namespace kestal::test {
namespace {

// Every option, check box and numeric box of the main window and of the
// windows it owns, by control name.
std::vector<QWidget*> NamedControls(ui::MainWindow& main) {
  std::vector<QWidget*> found;
  for (QWidget* control : main.findChildren<QWidget*>()) {
    const QString name = control->objectName();
    const bool box = qobject_cast<QLineEdit*>(control) != nullptr && name.startsWith("txt");
    if (box || qobject_cast<QRadioButton*>(control) || qobject_cast<QCheckBox*>(control)) {
      found.push_back(control);
    }
  }
  return found;
}

// What each control shows, by control name.
std::map<std::string, std::string> Shown(const std::vector<QWidget*>& controls) {
  std::map<std::string, std::string> shown;
  for (QWidget* control : controls) {
    const std::string name = control->objectName().toStdString();
    if (auto* box = qobject_cast<QLineEdit*>(control)) {
      shown[name] = box->text().toStdString();
    } else {
      shown[name] = static_cast<QAbstractButton*>(control)->isChecked() ? "checked" : "clear";
    }
  }
  return shown;
}

// The controls that show something else in `after`, with both states.
std::string Differences(const std::map<std::string, std::string>& before,
                        const std::map<std::string, std::string>& after) {
  std::string out;
  for (const auto& [name, shown] : before) {
    if (after.at(name) != shown) out += name + ": '" + shown + "' then '" + after.at(name) + "'\n";
  }
  return out;
}

// A screen reader or voice control changes each control through the
// accessibility interfaces, which neither click nor type. After each change
// the windows are written afresh from the record: if the record did not take
// the change, a control shows something else afterwards.
TEST(Accessibility, EveryControlChangedThroughTheBusReachesTheRecord) {
  Program w;
  ASSERT_TRUE(w.main.LoadInputFile(KESTAL_SOURCE_DIR "/examples/aci_rect_design_english.in"));
  const std::vector<QWidget*> controls = NamedControls(w.main);
  // The three windows with controls of this kind: main, section, parameters
  // and output calculation.
  ASSERT_GE(controls.size(), 50U);
  int changed = 0;
  for (int round = 0; round < 2; ++round) {
    for (QWidget* control : controls) {
      if (!control->isEnabled()) continue;
      QAccessibleInterface* access = QAccessible::queryAccessibleInterface(control);
      ASSERT_NE(access, nullptr);
      if (auto* box = qobject_cast<QLineEdit*>(control)) {
        if (box->isReadOnly()) continue;
        QAccessibleEditableTextInterface* edit = access->editableTextInterface();
        ASSERT_NE(edit, nullptr) << control->objectName().toStdString();
        const QString text = ui::ToQt(DisplayForm(static_cast<float>(changed % 7 + 2)));
        edit->replaceText(0, static_cast<int>(box->text().size()), text);
        ASSERT_EQ(box->text(), text);
      } else {
        QAccessibleActionInterface* action = access->actionInterface();
        ASSERT_NE(action, nullptr) << control->objectName().toStdString();
        action->doAction(QAccessibleActionInterface::toggleAction());
      }
      ++changed;
      const std::map<std::string, std::string> before = Shown(controls);
      w.main.RefreshMainWindow();
      EXPECT_EQ(Differences(before, Shown(controls)), "")
          << "after " << control->objectName().toStdString();
    }
  }
  EXPECT_GT(changed, 50);
}

TEST(Accessibility, ReviewAndStrengthAndSelectionsThroughTheBus) {
  Program w;
  ASSERT_TRUE(w.main.LoadInputFile(KESTAL_SOURCE_DIR "/examples/aci_rect_design_english.in"));
  EXPECT_FALSE(w.Enabled("mnuMC") && w.p.ProblemType == problem_type::Review);
  QAccessible::queryAccessibleInterface(w.Find("optReview"))
      ->actionInterface()
      ->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_EQ(w.p.ProblemType, problem_type::Review);
  EXPECT_TRUE(w.Enabled("mnuMC"));

  w.Trigger("mnuACI");
  QLineEdit* fc = w.Find<QLineEdit>("txtConcreteStrength");
  QAccessible::queryAccessibleInterface(fc)->editableTextInterface()->replaceText(
      0, static_cast<int>(fc->text().size()), "5000");
  EXPECT_EQ(w.p.ConcreteStrength, 5000);
  EXPECT_EQ(w.p.ModularRatio, 7);
  EXPECT_EQ(w.Text("txtModularRatio"), " 7");
  EXPECT_EQ(w.Text("txtConcreteStrength"), "5000") << "nothing is written back into the box";

  for (const char* name :
       {"chkSectProp", "chkMomCap", "chkServLoad", "chkFatStress", "chkCrackCon", "chkShearCap"}) {
    auto* box = w.Find<QCheckBox>(name);
    const bool was = box->isChecked();
    QAccessible::queryAccessibleInterface(box)->actionInterface()->doAction(
        QAccessibleActionInterface::toggleAction());
    EXPECT_NE(box->isChecked(), was) << name;
    w.main.RefreshMainWindow();
    EXPECT_EQ(box->isChecked(), !was) << name << ": the record keeps what the box shows";
  }
}

}  // namespace
}  // namespace kestal::test
