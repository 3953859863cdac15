#include "ui/section_sketch.h"

#include <QPainter>

#include "files/drawings.h"
#include "model/section_geometry.h"
#include "platform/qt_picture.h"

namespace kestal::ui {

SectionSketch::SectionSketch(const Problem& p, QWidget* parent) : QWidget(parent), p_(p) {
  setObjectName("imgCurrentSection");
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SectionSketch::ShowShape(int32_t sectionType) {
  if (sectionType < section::Rectangular || sectionType > section::Tee) return;
  shape_ = sectionType;
  update();
}

bool SectionSketch::toScale() const {
  return EnteredSection(p_, shape_).has_value();
}

QSize SectionSketch::sizeHint() const {
  return QSize(fontMetrics().height() * 15, fontMetrics().height() * 15);
}

QSize SectionSketch::minimumSizeHint() const {
  return QSize(fontMetrics().height() * 11, fontMetrics().height() * 11);
}

void SectionSketch::paintEvent(QPaintEvent*) {
  const SectionGeometry s = EnteredSection(p_, shape_).value_or(GenericSection(shape_));
  const QRect r = rect();
  const std::optional<SectionLayout> layout =
      LaySection(s, {double(r.x()), double(r.y()), double(r.width()), double(r.height())},
                 MetricsOf(font()), [](const std::string& letter) { return letter; });
  if (!layout) return;
  QPainter g(this);
  PaintPicture(g, layout->picture, palette().color(QPalette::WindowText));
}

}  // namespace kestal::ui
