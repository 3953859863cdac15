#include "model/picture.h"

namespace kestal {

void Picture::Add(const Picture& other) {
  outlines.insert(outlines.end(), other.outlines.begin(), other.outlines.end());
  lines.insert(lines.end(), other.lines.begin(), other.lines.end());
  circles.insert(circles.end(), other.circles.begin(), other.circles.end());
  texts.insert(texts.end(), other.texts.begin(), other.texts.end());
}

}  // namespace kestal
