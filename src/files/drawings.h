#pragma once

// The layouts of the section drawing and of the strain and stress diagram,
// as pictures: the main window's sketch and the printed calculation draw
// the same section by the same code, the window with the dimension letters,
// the document with the letters and their values.

#include <functional>
#include <optional>
#include <string>

#include "analysis/ultimate_state.h"
#include "model/picture.h"
#include "model/section_geometry.h"

namespace kestal {

// What the layout needs to know of the font its text is drawn in.
struct TextMetrics {
  double height = 0;  // line height
  std::function<double(const std::string&)> width;
};

// A layout's text for a dimension letter ("D", "Htop", "As'"...).
using LabelText = std::function<std::string(const std::string& letter)>;

struct SectionLayout {
  Picture picture;
  // Where the section sits: page x of its centre line, page y of its top
  // face, and page units per section unit.
  double centreX = 0;
  double topY = 0;
  double scale = 0;
};

// The section to scale in `area`, with its dimension lines, the bars of the
// tensile steel at d and of the compression steel at d' (when d' > 0) and
// their leaders. `textSize` is the size of its text (0: the painter's).
// Nothing when the area is too small for the margins.
std::optional<SectionLayout> LaySection(const SectionGeometry& s, Rect area, const TextMetrics& fm,
                                        const LabelText& label, double textSize = 0);

// The strain diagram and the stress block with the forces at ultimate,
// beside a section laid out by LaySection, in `area` (its height is that of
// the section's drawing: the diagrams share its depth scale). `length` and
// `force` name the units ("in", "kips").
Picture LayUltimateState(const UltimateState& u, const SectionLayout& section, double h, Rect area,
                         const TextMetrics& fm, double textSize, const std::string& length,
                         const std::string& force, const std::string& stress);

// A number of a drawing: four significant digits, whole numbers from 10000
// up ("21.5", "0.003", "12285"); `sign` for the point.
std::string DimensionNumber(double v, char sign = '.');

}  // namespace kestal
