#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <functional>

#include "model/numtext.h"
#include "program.h"
#include "ui/section_sketch.h"

namespace kestal::test {
namespace {

std::string Label(Program& w, const char* name) {
  return w.Find<QLabel>(name)->text().toStdString();
}

bool Checked(Program& w, const char* option) {
  return w.Find<QRadioButton>(option)->isChecked();
}

TEST(MainWindow, StartUp) {
  Program w;
  EXPECT_EQ(w.main.windowTitle(), "REINFORCED CONCRETE BEAM DESIGN[*]");
  EXPECT_FALSE(w.main.isWindowModified());
  EXPECT_TRUE(Checked(w, "optDesign"));
  EXPECT_TRUE(Checked(w, "optEnglish"));
  EXPECT_TRUE(w.Action("mnuAREMA")->isChecked());
  EXPECT_EQ(w.Panel(3), "Code = AREMA");
  EXPECT_EQ(w.Panel(1), "Input file undefined");
  EXPECT_TRUE(w.Enabled("cmdCalcTSArea"));
  EXPECT_FALSE(w.Enabled("cmdCalcVSArea"));
  EXPECT_TRUE(w.Find("frmCrack")->isHidden());
  EXPECT_EQ(w.Find<ui::SectionSketch>("imgCurrentSection")->shape(), section::Rectangular);
  EXPECT_EQ(w.Text("txtConcreteStrength"), " 4000");
  EXPECT_EQ(w.Text("txtEr"), " 2.9E+07");
  EXPECT_EQ(w.Find("txtMomentUlt")->toolTip(), "Factored moment in kip-ft");
  EXPECT_EQ(w.p.FormUpdating, 0);
}

TEST(MainWindow, TypingStoresTheLeadingNumber) {
  struct Case {
    const char* box;
    const char* text;
    float Problem::*field;
    float value;
  };
  const Case cases[] = {
      {"txtConcreteStrength", "4000psi", &Problem::ConcreteStrength, 4000},
      {"txtEr", " 2.9E+07", &Problem::Er, 29000000},
      {"txtMomentUlt", "12abc", &Problem::MomentUlt, 12},
  };
  Program w;
  for (const Case& c : cases) {
    w.Type(c.box, c.text);
    EXPECT_EQ(w.p.*c.field, c.value) << c.box;
    EXPECT_EQ(w.Text(c.box), c.text) << "the box keeps what was typed";
  }
}

TEST(MainWindow, ConcreteStrengthWritesTheDerivedBoxes) {
  Program w;
  w.Trigger("mnuSBP");
  w.Type("txtConcreteStrength", "5000psi");
  EXPECT_EQ(w.Text("txtModularRatio"), " 7");
  EXPECT_EQ(w.Text("txtB1"), " .8");
  EXPECT_EQ(w.Text("txtEc"), " 4030509");
  EXPECT_EQ(w.Text("txtfrup"), " 530.3");
  // A modulus too small to divide by: the boxes show what the record holds.
  w.Type("txtConcreteStrength", "1E-30");
  EXPECT_EQ(w.p.Ec, 0);
  EXPECT_EQ(w.Text("txtEc"), " 0");
  EXPECT_TRUE(w.platform.events().empty());
  // The user-defined code derives nothing.
  w.Trigger("mnuUD");
  w.Type("txtEc", "3000000");
  w.Type("txtConcreteStrength", "6000");
  EXPECT_EQ(w.p.Ec, 3000000);
  EXPECT_EQ(w.Text("txtEc"), "3000000");
}

TEST(MainWindow, ProblemTypeEnablesItsControls) {
  const char* controls[] = {"cmdCalcTSArea", "cmdCalcVSArea", "txtTSteelArea", "txtCSteelArea",
                            "txtVSteelArea", "txtsAv",        "txtDepthC",     "txtMomentMax",
                            "txtMomentMin",  "txtShearUlt",   "txtMomentUlt",  "txtDepthT",
                            "mnuMC",         "mnuSC",         "mnuSLS",        "mnuFS",
                            "mnuCCS",        "mnuSP",         "mnuNote"};
  const std::pair<const char*, const char*> types[] = {
      {"optReview", "0011111111111111111"},
      {"optVDesign", "0111001001110000011"},
      {"optDesign", "1000000000110000011"},
  };
  Program w;
  for (const auto& [option, enabled] : types) {
    w.Click(option);
    EXPECT_TRUE(Checked(w, option));
    for (std::size_t i = 0; i < std::size(controls); ++i) {
      const bool on = enabled[i] == '1';
      EXPECT_EQ(w.Enabled(controls[i]), on) << option << " " << controls[i];
      const QString name = controls[i];
      if (name.startsWith("txt")) {
        EXPECT_EQ(w.Enabled(("lbl" + name.mid(3)).toUtf8()), on) << option << " " << controls[i];
      }
    }
    EXPECT_EQ(w.Find("frmCrack")->isHidden(), option != std::string("optReview"));
  }
}

TEST(MainWindow, CrackControlFollowsTheCodeInReview) {
  struct Case {
    const char* option;
    const char* code;  // menu item, or an input file's key
    const char* cover;
    const char* effArea;
    const char* expFactor;
    const char* shown;
    const char* panel;
  };
  const Case cases[] = {
      {"optReview", "mnuAREMA", "Conc Cover to Center of Bar:", "Effective Tension Area:",
       "Exposure Factor:", "111", "Code = AREMA"},
      {"optReview", "mnuLRFD", "Conc Cover to Center of Bar:", "Effective Tension Area:",
       "Exposure Factor:", "101", "Code = AASHTO LRFD"},
      {"optReview", "mnuLRFD9", "Conc Cover to Center of Bar:", "Effective Tension Area:",
       "Exposure Factor:", "101", "Code = AASHTO LRFD 9th Ed."},
      {"optReview", "mnuACI", "Clear Concrete Cover:", "Effective Tension Area:",
       "Exposure Factor:", "100", "Code = ACI 318"},
      {"optReview", "mnuACI19", "Clear Concrete Cover:", "Effective Tension Area:",
       "Exposure Factor:", "100", "Code = ACI 318-19"},
      {"optReview", "mnuUD", "Clear Concrete Cover:", "Effective Tension Area:", "Exposure Factor:",
       "100", "Code = USER DEFINED"},
      {"optReview", "mnuS6", "Rebar x Load Type Factor:", "Rebar Diameter:", "Max Crack Width:",
       "111", "Code = CAN/CSA-S6"},
      {"optReview", "mnuCSA19", "Conc Cover to Center of Bar:", "Effective Tension Area:",
       "Exposure Factor:", "111", "Code = CSA A23.3-19"},
      {"optReview", "mnuS619", "Rebar x Load Type Factor:", "Rebar Diameter:", "Max Crack Width:",
       "111", "Code = CSA S6-19"},
      {"optDesign", "mnuAASHTO",
       "Rebar x Load Type Factor:", "Rebar Diameter:", "Max Crack Width:", "111", "Code = AASHTO"},
      {"optReview", "ohbdc",
       "Clear Concrete Cover:", "Clear Rebar Spacing:", "Exposure Factor:", "111", "Code = OHBDC"},
  };
  Program w;
  for (const Case& c : cases) {
    w.Click(c.option);
    if (c.code[0] == 'm') {
      w.Trigger(c.code);
    } else {
      w.p.CodeKey = c.code;
      w.main.RefreshMainWindow();
    }
    EXPECT_EQ(Label(w, "lblCover"), c.cover) << c.code;
    EXPECT_EQ(Label(w, "lblEffArea"), c.effArea) << c.code;
    EXPECT_EQ(Label(w, "lblExpFactor"), c.expFactor) << c.code;
    const char* boxes[] = {"txtCover", "txtEffArea", "txtExpFactor"};
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(w.Find(boxes[i])->isVisibleTo(w.Find("frmCrack")), c.shown[i] == '1')
          << c.code << " " << boxes[i];
    }
    EXPECT_EQ(w.Panel(3), c.panel);
    for (QAction* item : w.Find<QMenu>("mnuDefineCode")->actions()) {
      EXPECT_EQ(item->isChecked(), item->objectName() == c.code) << c.code;
    }
  }
}

TEST(MainWindow, UnitSwitches) {
  Program w;
  w.Type("txtMomentUlt", "250");
  w.Click("optMetric");
  EXPECT_TRUE(Checked(w, "optMetric"));
  EXPECT_EQ(w.Text("txtConcreteStrength"), " 28");
  EXPECT_EQ(w.Text("txtSteelStrength"), " 420");
  EXPECT_EQ(w.Text("txtMomentUlt"), " 0");
  EXPECT_EQ(w.Find("txtMomentUlt")->toolTip(), "Factored moment in kN-m");
  w.Click("optEnglish");
  EXPECT_EQ(w.Text("txtConcreteStrength"), " 4000");
  // The Canadian codes turn the units Metric ...
  w.Trigger("mnuCSA");
  EXPECT_TRUE(Checked(w, "optMetric"));
  EXPECT_TRUE(w.platform.questions().empty()) << "nothing was entered";
  // ... and are worked in Metric only: English selects Metric again, afresh.
  w.Type("txtMomentUlt", "250");
  w.Click("optEnglish");
  EXPECT_TRUE(Checked(w, "optMetric"));
  EXPECT_EQ(w.p.Units, units::Metric);
  EXPECT_EQ(w.Text("txtMomentUlt"), " 0");
}

TEST(MainWindow, UnitsBesideTheBoxesFollowTheUnitsAndTheCode) {
  // Box, then its unit in English, in Metric and under CAN/CSA-S6.
  const char* const rows[][4] = {
      {"txtMomentUlt", "kip-ft", "kN·m", "kN·m"},
      {"txtDepthT", "in", "mm", "mm"},
      {"txtTSteelArea", "in²", "mm²", "mm²"},
      {"txtConcreteStrength", "psi", "MPa", "MPa"},
      {"txtRecB", "in", "mm", "mm"},
      {"txtEc", "psi", "MPa", "MPa"},
      {"txtCover", "in", "mm", ""},
      {"txtPhi", "", "", ""},
      {"txtModularRatio", "", "", ""},
  };
  Program w;
  const char* steps[] = {"optEnglish", "optMetric", "mnuS6"};
  for (int step = 0; step < 3; ++step) {
    step == 2 ? w.Trigger(steps[step]) : w.Click(steps[step]);
    for (const auto& row : rows) {
      const std::string unit = "unit" + std::string(row[0]).substr(3);
      EXPECT_EQ(w.Find<QLabel>(unit.c_str())->text().toStdString(), row[step + 1]) << unit;
    }
  }
  EXPECT_EQ(w.Find("txtDepthT")->accessibleName(), "Depth to Tensile Steel, mm");
  EXPECT_EQ(w.Find("txtPhi")->accessibleName(), "");
  EXPECT_EQ(w.results.windowTitle(), "Results — Metric: mm, MPa, kN, kN·m");
}

TEST(MainWindow, TextThatIsNotANumberSaysSo) {
  Program w;
  QLineEdit* box = w.Find<QLineEdit>("txtMomentUlt");
  const QColor plain = box->palette().color(QPalette::Base);
  const std::pair<const char*, const char*> cases[] = {
      {"1,5", "read as 1: ',' ends the number"}, {"abc", "read as 0: no number"}, {"12", ""}};
  for (const auto& [text, note] : cases) {
    w.Type("txtMomentUlt", text);
    const bool error = *note != 0;
    EXPECT_EQ(box->palette().color(QPalette::Base) != plain, error) << text;
    EXPECT_EQ(box->toolTip().toStdString(), error
                                                ? std::string(note) + "\nFactored moment in kip-ft"
                                                : "Factored moment in kip-ft");
    EXPECT_EQ(w.main.statusBar()->currentMessage().toStdString(),
              error ? "Factored (ultimate) Moment: " + std::string(note) : "");
  }
  EXPECT_EQ(w.p.MomentUlt, 12);
}

TEST(MainWindow, ACodeThatSwitchesTheUnitsAsksFirst) {
  Program w;
  w.Type("txtMomentUlt", "250");
  w.platform.QueueAnswer("Cancel");
  w.Trigger("mnuCSA19");
  EXPECT_EQ(w.platform.questions(),
            std::vector<std::string>{
                "CSA A23.3-19 works in Metric units. Clear the problem and switch to Metric?"});
  EXPECT_EQ(w.p.CodeKey, code::AREMA);
  EXPECT_TRUE(w.Action("mnuAREMA")->isChecked());
  EXPECT_FALSE(w.Action("mnuCSA19")->isChecked());
  EXPECT_EQ(w.Text("txtMomentUlt"), " 250");
  w.platform.QueueAnswer("Clear");
  w.Trigger("mnuS6");
  EXPECT_EQ(w.p.CodeKey, code::S6);
  EXPECT_TRUE(Checked(w, "optMetric"));
  EXPECT_EQ(w.Text("txtMomentUlt"), " 0");
  EXPECT_EQ(w.Text("txtConcreteStrength"), " 30");
  EXPECT_EQ(w.platform.questions().size(), 2u);
}

TEST(MainWindow, InvertCurrentSection) {
  struct Case {
    int32_t type;
    float height, d, dc, as, asc;
    const char* newD;
    const char* newDc;
  };
  const Case cases[] = {
      {section::Rectangular, 24, 21, 2.5f, 3, 1, " 21.5", " 3"},
      {section::Tee, 36, 33, 2.5f, 6, 1, " 33.5", " 3"},
  };
  for (const Case& c : cases) {
    Program w;
    w.p.SectionType = c.type;
    w.p.RecH = w.p.TeeH = c.height;
    w.p.TeeBtop = 48;
    w.p.TeeBweb = 12;
    w.p.DepthT = c.d;
    w.p.DepthC = c.dc;
    w.p.TSteelArea = c.as;
    w.p.CSteelArea = c.asc;
    w.main.RefreshMainWindow();
    w.Trigger("mnuInvertSect");
    EXPECT_EQ(w.Text("txtDepthT"), c.newD);
    EXPECT_EQ(w.Text("txtDepthC"), c.newDc);
    EXPECT_EQ(w.p.TSteelArea, c.asc);
    EXPECT_EQ(w.p.CSteelArea, c.as);
    EXPECT_EQ(w.Text("txtTeeBtop"), c.type == section::Tee ? " 12" : " 48");
  }
}

TEST(MainWindow, CalcButtonsReportTheirSteel) {
  Program w;
  w.Trigger("mnuACI");
  w.Click("cmdSectionDimensions");
  w.Type("txtRecB", "12");
  w.Type("txtRecH", "24");
  w.Click("cmdClose");
  EXPECT_TRUE(w.Find<ui::SectionSketch>("imgCurrentSection")->toScale());
  w.Type("txtDepthT", "21.5");
  w.Click("cmdCalcTSArea");
  w.Type("txtMomentUlt", "250");
  w.Click("cmdCalcTSArea");
  EXPECT_EQ(w.platform.messages(),
            (std::vector<PlatformEvent>{
                PlatformEvent::Message("Incomplete information", Icon::Exclamation,
                                       std::string("Tension Reinforcing")),
                PlatformEvent::Message("Required As =  2.865 in^2", Icon::Information,
                                       std::string("Tension Reinforcing"))}));
  EXPECT_EQ(w.Text("txtTSteelArea"), " 2.865");

  w.platform.ClearLog();
  w.Click("optVDesign");
  w.Type("txtShearUlt", "60");
  w.Type("txtTSteelArea", "3");
  w.Click("cmdCalcVSArea");
  ASSERT_EQ(w.platform.messages().size(), 1u);
  EXPECT_EQ(w.platform.messages()[0].title, "Shear Reinforcing");
  EXPECT_EQ(w.platform.messages()[0].text.rfind("Required Av/s= ", 0), 0u);
  EXPECT_GT(w.p.VSteelArea, 0);
  EXPECT_EQ(w.Text("txtVSteelArea"), DisplayForm(w.p.VSteelArea));
}

TEST(MainWindow, MenuCaptions) {
  // Menu, then its items in order; "-" a separator.
  const char* const expected[] = {"mnuFile &File",
                                  "mnuLoadIn &Load Input",
                                  "mnuSave &Save",
                                  "mnuFileSep1 -",
                                  "mnuPrint &Print...",
                                  "mnuExportPdf Export P&DF...",
                                  "mnuFileSep2 -",
                                  "mnuExit &Exit",
                                  "mnuSave &Save",
                                  "mnuSaveInput &Input As",
                                  "mnuSaveOutput &Output As",
                                  "mnuEdit &Edit",
                                  "mnuCut Cu&t",
                                  "mnuCopy &Copy",
                                  "mnuPaste &Paste",
                                  "mnuDefine &Define",
                                  "mnuDefineCode &Code",
                                  "mnuSBP &Default Code Parameters",
                                  "mnuOutCalc &Output calculation",
                                  "mnuDefineCode &Code",
                                  "mnuAREMA AREMA",
                                  "mnuAASHTO AASHTO",
                                  "mnuLRFD AASHTO LRFD",
                                  "mnuLRFD9 AASHTO LRFD 9th Ed.",
                                  "mnuACI ACI 318",
                                  "mnuACI19 ACI 318-19",
                                  "mnuS6 CAN/CSA-S6",
                                  "mnuS619 CSA S6-19",
                                  "mnuCSA CSA-A23.3",
                                  "mnuCSA19 CSA A23.3-19",
                                  "mnuUD USER DEFINED",
                                  "mnuView &View",
                                  "mnuSectionDimensions &Section Dimensions",
                                  "mnuSP Section &Properties",
                                  "mnuMC &Moment Capability",
                                  "mnuSLS Service &Load Stress",
                                  "mnuFS &Fatigue Stress",
                                  "mnuCCS &Crack Control Stress",
                                  "mnuSC Shea&r Capability",
                                  "mnuChecks Chec&ks",
                                  "mnuseper -",
                                  "mnuNote &Output file",
                                  "mnuReset &Reset",
                                  "mnuResetParam &Parameters",
                                  "mnuResetDim &Dimensions",
                                  "mnuInvertSect &Invert Current Section",
                                  "mnuHelp &Help",
                                  "mnuContents &Contents",
                                  "mnusep -",
                                  "mnuShowRebar &Show Rebar Info",
                                  "mnuAbout &About Program KESTAL"};
  Program w;
  std::vector<std::string> menus;
  auto caption = [](QAction* a) {
    return (a->objectName() + " " + (a->isSeparator() ? "-" : a->text())).toStdString();
  };
  std::function<void(QMenu*)> walk = [&](QMenu* menu) {
    menus.push_back(caption(menu->menuAction()));
    for (QAction* item : menu->actions()) menus.push_back(caption(item));
    for (QAction* item : menu->actions()) {
      if (item->menu() != nullptr) walk(item->menu());
    }
  };
  for (QAction* top : w.main.menuBar()->actions()) walk(top->menu());
  EXPECT_EQ(menus, std::vector<std::string>(std::begin(expected), std::end(expected)));
  EXPECT_EQ(w.Action("mnuContents")->shortcut(), QKeySequence(Qt::Key_F1));
  EXPECT_EQ(w.Action("mnuPrint")->shortcut(), QKeySequence(QKeySequence::Print));
}

}  // namespace
}  // namespace kestal::test
