#pragma once

// The explanatory drawing of the code parameters window: a rectangular
// section with its bars, the linear strain diagram and the equivalent stress
// block, with the symbols the boxes below it name.

#include <QWidget>

namespace kestal::ui {

class StressDiagram : public QWidget {
 public:
  explicit StressDiagram(QWidget* parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace kestal::ui
