#pragma once

// The sketch of the chosen section shape in the main window, carrying its
// dimension letters. When every dimension of the shape is entered and they
// describe a drawable shape, the sketch is drawn to scale from them, with
// the tensile steel at d and the compression steel at d' (when d' > 0);
// otherwise in generic proportions. Drawn from the widget's rectangle, so it
// stays sharp at any scale.

#include <QWidget>
#include <cstdint>

#include "model/problem.h"

namespace kestal::ui {

class SectionSketch : public QWidget {
 public:
  explicit SectionSketch(const Problem& p, QWidget* parent = nullptr);

  // Shows the sketch of a section type; a type outside the three shapes
  // leaves the sketch shown as it is.
  void ShowShape(int32_t sectionType);
  int32_t shape() const { return shape_; }
  // True when the shown shape is drawn from the entered dimensions.
  bool toScale() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override { return width; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Problem& p_;
  int32_t shape_ = section::Rectangular;
};

}  // namespace kestal::ui
