#pragma once

// A drawing as plain data: outlines, lines, circles and text placed in one
// coordinate system (points, 1/72 inch, for a page; pixels for a widget),
// y downwards. Layouts are computed in the core, where tests can read every
// position; the platform only paints what is listed, in order.

#include <string>
#include <vector>

namespace kestal {

struct Pt {
  double x = 0;
  double y = 0;
  friend bool operator==(const Pt&, const Pt&) = default;
};

struct Rect {
  double x = 0;
  double y = 0;
  double w = 0;
  double h = 0;
  double right() const { return x + w; }
  double bottom() const { return y + h; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

enum class TextAlign { Left, Center, Right };
enum class TextFont { Sans, SansBold, Mono };

struct Picture {
  // Closed rings filled by the odd-even rule, so an inner ring is a hole.
  struct Outline {
    std::vector<std::vector<Pt>> rings;
    double pen = 1;
    int fillAlpha = 0;  // 0..255 of the ink; 0 for no fill
  };
  struct Line {
    Pt from;
    Pt to;
    double pen = 1;
  };
  struct Circle {
    Pt centre;
    double radius = 0;
    bool filled = true;
  };
  struct Text {
    Rect box;  // the text is centred vertically in it
    TextAlign align = TextAlign::Left;
    std::string text;  // UTF-8, one line
    double size = 0;   // font size; 0 for the painter's font
    TextFont font = TextFont::Sans;
    friend bool operator==(const Text&, const Text&) = default;
  };

  std::vector<Outline> outlines;
  std::vector<Line> lines;
  std::vector<Circle> circles;
  std::vector<Text> texts;

  void Add(const Picture& other);
};

// The pages of a printable document, each the same size.
struct PagedDocument {
  std::string title;      // the PDF's title
  std::string name;       // a file name for it, without extension ("girder")
  std::string paperName;  // "A4" or "Letter"
  double width = 0;       // points
  double height = 0;      // points
  std::vector<Picture> pages;
};

}  // namespace kestal
