#include "ui/section_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "commands/section_commands.h"

namespace kestal::ui {

SectionWindow::SectionWindow(Session& session, std::function<void()> edited, QWidget* owner)
    : ToolWindow("frmSection", "Set Section Dimensions", owner),
      s_(session),
      edited_(std::move(edited)) {
  groups_[section::Rectangular] = BoxFrame("frmRec", "RECTANGULAR SECTION DIMENSIONS",
                                           {{"txtRecB", "B = Width:"}, {"txtRecH", "H = Height:"}});
  groups_[section::Box] = BoxFrame("frmBox", "BOX SECTION DIMENSIONS",
                                   {{"txtBoxH", "H = Height:"},
                                    {"txtBoxBtop", "Btop = Top Flange Width:"},
                                    {"txtBoxHtop", "Htop = Top Flange Thickness:"},
                                    {"txtBoxBbot", "Bbot = Bottom Flange Width:"},
                                    {"txtBoxHbot", "Hbot = Bottom Flange Thickness:"},
                                    {"txtBoxBweb", "Bweb = Total Web Thickness:"}});
  groups_[section::Tee] = BoxFrame("frmTee", "TEE SECTION DIMENSIONS",
                                   {{"txtTeeH", "H = Height:"},
                                    {"txtTeeBtop", "Btop = Top Flange Width:"},
                                    {"txtTeeHtop", "Htop = Top Flange Thickness:"},
                                    {"txtTeeBweb", "Bweb = Total Web Thickness:"}});
  QPushButton* reset = Button("cmdResetDim", "&Reset Dimensions");
  QPushButton* close = Button("cmdClose", "&Close Form");

  AlignLabels({groups_[0], groups_[1], groups_[2]});
  auto* layout = new QVBoxLayout(this);
  for (QGroupBox* group : groups_) layout->addWidget(group);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(reset);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  BindBoxes(this, s_.problem, [this](std::string_view, EntryEffect) {
    if (edited_) edited_();
  });
  connect(reset, &QPushButton::clicked, this, &SectionWindow::OnResetDimensions);
  connect(close, &QPushButton::clicked, this, &SectionWindow::OnCloseForm);
}

void SectionWindow::Refresh() {
  WriteBoxes(this, s_.problem);
  ApplyToolTips(this, s_.tips);
  WriteUnits(this, s_.problem);
}

void SectionWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) EnableCurrentGroup();
  ToolWindow::changeEvent(event);
}

void SectionWindow::showEvent(QShowEvent* event) {
  EnableCurrentGroup();
  ToolWindow::showEvent(event);
}

void SectionWindow::EnableCurrentGroup() {
  const int32_t type = s_.problem.SectionType;
  if (type < section::Rectangular || type > section::Tee) return;
  for (int32_t i = 0; i < 3; ++i) groups_[i]->setEnabled(i == type);
}

void SectionWindow::OnResetDimensions() {
  ResetDimensions(s_.problem);
  s_.view.RefreshMainWindow();
}

void SectionWindow::OnCloseForm() {
  hide();
  CloseSectionWindow(s_);
}

}  // namespace kestal::ui
