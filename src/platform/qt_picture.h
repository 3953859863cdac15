#pragma once

// Paints a picture of the core's layouts with a QPainter: the outlines, the
// lines, the circles and the text, in the ink given, each text in the
// painter's font at the picture's size.

#include <QColor>
#include <QFont>
#include <QFontMetricsF>

#include "files/drawings.h"
#include "model/picture.h"

class QPainter;

namespace kestal {

void PaintPicture(QPainter& painter, const Picture& picture, const QColor& ink);

// The metrics a layout needs, from a Qt font.
TextMetrics MetricsOf(const QFont& font);

// The font of a picture's text kind at `size` points.
QFont PictureFont(TextFont kind, double size);

}  // namespace kestal
