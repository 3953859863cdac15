#include "files/document.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "analysis/ultimate_state.h"
#include "files/checks.h"
#include "files/drawings.h"
#include "files/report.h"
#include "model/code_rules.h"
#include "model/section_geometry.h"
#include "model/units.h"

namespace kestal {

namespace {

constexpr double kMargin = 36;
constexpr double kHeaderHeight = 30;  // the header's two lines and its rule
constexpr double kTitleSize = 10;
constexpr double kTableSize = 7.5;
constexpr double kTablePitch = 10.5;
constexpr double kDrawingHeight = 250;

// The width of a text in points: a bound over DejaVu Sans (0.66 em a
// character is more than its digits and its average) and DejaVu Sans Mono (0.602 em).
double WidthOf(const std::string& text, double size, TextFont font) {
  std::size_t characters = 0;
  for (unsigned char c : text) characters += (c & 0xC0) != 0x80;
  const double em = font == TextFont::Mono ? 0.602 : font == TextFont::SansBold ? 0.72 : 0.66;
  return static_cast<double>(characters) * em * size;
}

TextMetrics MetricsAt(double size) {
  return {size * 1.2, [size](const std::string& t) { return WidthOf(t, size, TextFont::Sans); }};
}

// The unit of a quantity as the windows show it ("in²", "kN·m"); a
// problem not in Metric units is in English ones, as its checks are.
std::string UnitOf(const Problem& p, Quantity quantity) {
  return std::string(UnitName(quantity, p.Units != units::Metric));
}

// A check's unit as printed: "in²", "kN·m".
std::string Printed(const std::string& unit) {
  if (unit == "in^2") return "in²";
  if (unit == "mm^2") return "mm²";
  if (unit == "kN-m") return "kN·m";
  return unit;
}

class Page {
 public:
  Page(const PagedDocument& doc) : doc_(doc), y_(kMargin + kHeaderHeight + 6) {}

  double width() const { return doc_.width - 2 * kMargin; }
  double left() const { return kMargin; }
  double y() const { return y_; }
  double room() const { return doc_.height - kMargin - y_; }
  void Skip(double dy) { y_ += dy; }

  void Text(double x, double w, TextAlign align, const std::string& text, double size,
            TextFont font, double pitch) {
    picture.texts.push_back({{x, y_, w, pitch}, align, text, size, font});
  }

  void Heading(const std::string& text) {
    Text(left(), width(), TextAlign::Left, text, kTitleSize, TextFont::SansBold, 14);
    y_ += 16;
  }

  Picture picture;

 private:
  const PagedDocument& doc_;
  double y_;
};

struct Row {
  std::string label;
  std::string value;
  std::string unit;
  bool text = false;  // a name, not a number
};

std::vector<Row> ProblemRows(const Problem& p, ProblemOption option, char sign) {
  auto n = [sign](float v) { return CheckNumber(v, 6, sign); };
  const std::string len = UnitOf(p, Quantity::Length);
  const std::string area = UnitOf(p, Quantity::Area);
  const std::string stress = UnitOf(p, Quantity::Stress);
  const std::string moment = UnitOf(p, Quantity::Moment);
  const CodeEdition& edition = EditionOf(p);
  std::vector<Row> rows = {
      {"Problem",
       option == ProblemOption::Design    ? "Design of the tensile steel"
       : option == ProblemOption::VDesign ? "Design of the shear steel"
                                          : "Review of moment and shear",
       "", true},
      {"Code", edition.text.longName != nullptr ? edition.text.longName : "none", "", true},
      {"Units", p.Units == units::Metric ? "Metric" : "English", "", true},
  };
  switch (p.SectionType) {
    case section::Rectangular:
      rows.push_back({"Section", "Rectangular", "", true});
      rows.push_back({"Width B", n(p.RecB), len});
      rows.push_back({"Height H", n(p.RecH), len});
      break;
    case section::Box:
      rows.push_back({"Section", "Box or I", "", true});
      rows.push_back({"Top flange width Btop", n(p.BoxBtop), len});
      rows.push_back({"Top flange thickness Htop", n(p.BoxHtop), len});
      rows.push_back({"Bottom flange width Bbot", n(p.BoxBbot), len});
      rows.push_back({"Bottom flange thickness Hbot", n(p.BoxHbot), len});
      rows.push_back({"Total web thickness Bweb", n(p.BoxBweb), len});
      rows.push_back({"Height H", n(p.BoxH), len});
      break;
    case section::Tee:
      rows.push_back({"Section", "Tee", "", true});
      rows.push_back({"Flange width B", n(p.TeeBtop), len});
      rows.push_back({"Flange thickness Htop", n(p.TeeHtop), len});
      rows.push_back({"Web thickness Bweb", n(p.TeeBweb), len});
      rows.push_back({"Height H", n(p.TeeH), len});
      break;
    default:
      rows.push_back({"Section", "not chosen", "", true});
      break;
  }
  const std::vector<Row> rest = {
      {"Concrete strength f'c", n(p.ConcreteStrength), stress},
      {"Yield strength fy", n(p.SteelStrength), stress},
      {"Steel modulus Es", n(p.Er), stress},
      {"Modular ratio n", n(p.ModularRatio), ""},
      {"Tensile steel As", n(p.TSteelArea), area},
      {"Depth to tensile steel d", n(p.DepthT), len},
      {"Compression steel As'", n(p.CSteelArea), area},
      {"Depth to compression steel d'", n(p.DepthC), len},
      {"Shear steel Av", n(p.VSteelArea), area},
      {"Shear steel spacing s", n(p.sAv), len},
      {"Factored moment Mu", n(p.MomentUlt), moment},
      {"Service moment, maximum", n(p.MomentMax), moment},
      {"Service moment, minimum", n(p.MomentMin), moment},
      {"Factored shear Vu", n(p.ShearUlt), UnitOf(p, Quantity::Force)},
  };
  rows.insert(rows.end(), rest.begin(), rest.end());
  return rows;
}

// The problem: its names a line each, then its numbers in two columns of
// rows (label, value, unit).
void ProblemTable(Page& page, const std::vector<Row>& rows) {
  page.Heading("Problem");
  std::vector<const Row*> numbers;
  for (const Row& r : rows) {
    if (!r.text) {
      numbers.push_back(&r);
      continue;
    }
    page.Text(page.left(), 130, TextAlign::Left, r.label, kTableSize, TextFont::Sans, kTablePitch);
    page.Text(page.left() + 130, page.width() - 130, TextAlign::Left, r.value, kTableSize,
              TextFont::Sans, kTablePitch);
    page.Skip(kTablePitch);
  }
  page.Skip(4);
  const std::size_t half = (numbers.size() + 1) / 2;
  const double column = page.width() / 2;
  const double top = page.y();
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    const double x = page.left() + (i < half ? 0 : column);
    page.Skip(top + kTablePitch * static_cast<double>(i % half) - page.y());
    const Row& r = *numbers[i];
    page.Text(x, 130, TextAlign::Left, r.label, kTableSize, TextFont::Sans, kTablePitch);
    page.Text(x + 130, 70, TextAlign::Right, r.value, kTableSize, TextFont::Sans, kTablePitch);
    page.Text(x + 204, 40, TextAlign::Left, r.unit, kTableSize, TextFont::Sans, kTablePitch);
  }
  page.Skip(top + kTablePitch * static_cast<double>(half) + 8 - page.y());
}

// The drawing's text for a dimension letter: the letter and its value.
LabelText DrawingLabels(const Problem& p, const SectionGeometry& s, char sign) {
  return [&p, s, sign](const std::string& letter) {
    // Dimensions by their values, the steel by its name and area.
    auto value = [&](double v, const std::string& unit) {
      return DimensionNumber(v, sign) + " " + unit;
    };
    const std::string len = UnitOf(p, Quantity::Length);
    const std::string area = UnitOf(p, Quantity::Area);
    if (letter == "As") return "As " + value(p.TSteelArea, area);
    if (letter == "As'") return "As' " + value(p.CSteelArea, area);
    if (letter == "Bweb") return "Bweb " + value(s.bweb, len);
    const double v = letter == "D"      ? s.d
                     : letter == "D'"   ? s.dc
                     : letter == "H"    ? s.h
                     : letter == "Htop" ? s.htop
                     : letter == "Hbot" ? s.hbot
                     : letter == "Bbot" ? s.bbot
                                        : s.b;
    return value(v, len);
  };
}

void Drawings(Page& page, const Problem& p, ProblemOption option, char sign) {
  const std::optional<SectionGeometry> s = EnteredSection(p, p.SectionType);
  if (!s) {
    page.Text(page.left(), page.width(), TextAlign::Left,
              "The section is not drawn: its dimensions are not all entered.", kDocTextSize,
              TextFont::Sans, 14);
    page.Skip(24);
    return;
  }
  const TextMetrics fm = MetricsAt(kTableSize);
  const std::optional<UltimateState> u =
      option == ProblemOption::Review ? UltimateStateOf(p) : std::nullopt;
  // Room above the drawing for the diagrams' four lines of values.
  const double top = page.y() + 3.2 * fm.height;
  const double sectionWidth = u ? page.width() * 0.56 : page.width() * 0.6;
  const double sectionX = u ? page.left() : page.left() + (page.width() - sectionWidth) / 2;
  // As high as the section's drawing needs at the width it has, up to
  // kDrawingHeight.
  const LabelText labels = DrawingLabels(p, *s, sign);
  std::optional<SectionLayout> layout =
      LaySection(*s, {sectionX, top, sectionWidth, kDrawingHeight}, fm, labels, kTableSize);
  double height = kDrawingHeight;
  if (layout) {
    height = std::min(kDrawingHeight, s->h * layout->scale + 4 * fm.height);
    layout = LaySection(*s, {sectionX, top, sectionWidth, height}, fm, labels, kTableSize);
  }
  if (layout) {
    page.picture.Add(layout->picture);
    if (u) {
      page.picture.Add(LayUltimateState(
          *u, *layout, s->h,
          {page.left() + sectionWidth + 8, top, page.width() - sectionWidth - 8, height}, fm,
          kTableSize, UnitOf(p, Quantity::Length), UnitOf(p, Quantity::Force),
          UnitOf(p, Quantity::Stress)));
    }
  }
  page.Skip(top - page.y() + height + 10);
}

// The summary of checks, one row each.
void ChecksTable(Page& page, const std::vector<Check>& checks, char sign) {
  page.Heading("Checks");
  struct Column {
    const char* title;
    double x, w;
    TextAlign align;
  };
  const Column columns[] = {
      {"Check", 0, 176, TextAlign::Left},   {"Demand", 176, 76, TextAlign::Right},
      {"Limit", 252, 76, TextAlign::Right}, {"Ratio", 328, 34, TextAlign::Right},
      {"", 366, 52, TextAlign::Left},       {"Clause", 420, 110, TextAlign::Left}};
  for (const Column& c : columns) {
    page.Text(page.left() + c.x, c.w, c.align, c.title, kTableSize, TextFont::SansBold,
              kTablePitch);
  }
  page.Skip(kTablePitch);
  page.picture.lines.push_back(
      {{page.left(), page.y()}, {page.left() + page.width(), page.y()}, 0.5});
  page.Skip(2);
  for (const Check& c : checks) {
    const std::string unit = c.unit.empty() ? "" : " " + Printed(c.unit);
    std::string cells[6] = {c.name, "", "", "", "not decided", c.clause};
    if (c.decided) {
      cells[1] = CheckNumber(c.demand, 6, sign) + unit;
      cells[2] = CheckNumber(c.limit, 6, sign) + unit;
      cells[3] = CheckRatio(c);
      if (sign != '.') std::replace(cells[3].begin(), cells[3].end(), '.', sign);
      cells[4] = c.ok ? "OK" : "NOT OK";
    }
    for (int i = 0; i < 6; ++i) {
      page.Text(page.left() + columns[i].x, columns[i].w, columns[i].align, cells[i], kTableSize,
                i == 4 && c.decided && !c.ok ? TextFont::SansBold : TextFont::Sans, kTablePitch);
    }
    page.Skip(kTablePitch);
  }
}

double ChecksHeight(std::size_t rows) {
  return 16 + kTablePitch + 2 + kTablePitch * static_cast<double>(rows);
}

void Header(Picture& page, const PagedDocument& doc, const std::string& code,
            const std::string& date, std::size_t number, std::size_t count) {
  const double w = doc.width - 2 * kMargin;
  page.texts.push_back({{kMargin, kMargin, w * 0.7, 14},
                        TextAlign::Left,
                        doc.title,
                        kTitleSize,
                        TextFont::SansBold});
  page.texts.push_back({{kMargin + w * 0.5, kMargin, w * 0.5, 14},
                        TextAlign::Right,
                        date,
                        kTableSize,
                        TextFont::Sans});
  page.texts.push_back(
      {{kMargin, kMargin + 14, w * 0.7, 12}, TextAlign::Left, code, kTableSize, TextFont::Sans});
  page.texts.push_back({{kMargin + w * 0.5, kMargin + 14, w * 0.5, 12},
                        TextAlign::Right,
                        "page " + std::to_string(number) + " of " + std::to_string(count),
                        kTableSize,
                        TextFont::Sans});
  page.lines.push_back({{kMargin, kMargin + kHeaderHeight - 2},
                        {doc.width - kMargin, kMargin + kHeaderHeight - 2},
                        0.5});
}

bool IsHeading(const std::string& line) {
  const std::size_t last = line.find_last_not_of(' ');
  if (last == std::string::npos) return false;
  return line[last] == ':' || line[last] == '=';
}

}  // namespace

std::vector<std::vector<std::string>> ReportBlocks(const std::string& reportText) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < reportText.size()) {
    std::size_t end = reportText.find('\n', start);
    if (end == std::string::npos) end = reportText.size();
    std::string line = reportText.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  std::vector<std::vector<std::string>> blocks;
  bool keep = false;  // the block so far ends in a heading
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool blank = lines[i].find_first_not_of(' ') == std::string::npos;
    const bool startsBlock =
        !blank && (i == 0 || lines[i - 1].find_first_not_of(' ') == std::string::npos);
    if (blocks.empty() || (startsBlock && !keep)) blocks.emplace_back();
    blocks.back().push_back(lines[i]);
    if (!blank) keep = IsHeading(lines[i]);
  }
  return blocks;
}

PagedDocument CalculationDocument(const Problem& p, ProblemOption option,
                                  const std::string& reportText, const std::tm& now, Paper paper,
                                  char decimalSign) {
  PagedDocument doc;
  doc.paperName = paper == Paper::Letter ? "Letter" : "A4";
  doc.width = paper == Paper::Letter ? 612 : 595.28;
  doc.height = paper == Paper::Letter ? 792 : 841.89;
  doc.title = p.OutputTitle.empty() ? "KESTAL calculation" : p.OutputTitle;
  if (!p.InputFileTitle.empty()) doc.title += " (" + p.InputFileTitle + ")";
  doc.name = p.InputFileTitle.substr(0, p.InputFileTitle.rfind('.'));
  if (doc.name.empty()) doc.name = "calculation";
  const CodeEdition& edition = EditionOf(p);
  const std::string code = edition.text.longName != nullptr ? edition.text.longName : "No code";

  Page first(doc);
  ProblemTable(first, ProblemRows(p, option, decimalSign));
  Drawings(first, p, option, decimalSign);
  const std::vector<Check> checks = ProblemChecks(p, option);
  std::vector<Picture> pages;
  if (ChecksHeight(checks.size()) <= first.room()) {
    ChecksTable(first, checks, decimalSign);
    pages.push_back(first.picture);
  } else {
    pages.push_back(first.picture);
    Page second(doc);
    ChecksTable(second, checks, decimalSign);
    pages.push_back(second.picture);
  }

  // The report, a block on the page that has room for all of it; a block
  // longer than a page goes on over the next.
  const double top = kMargin + kHeaderHeight + 6;
  const auto perPage = static_cast<std::size_t>((doc.height - kMargin - top) / kDocReportPitch);
  std::vector<std::vector<std::string>> reportPages(1);
  for (const std::vector<std::string>& block : ReportBlocks(reportText)) {
    std::size_t used = reportPages.back().size();
    // Blank lines at the end of a block need no room of their own.
    std::size_t length = block.size();
    while (length > 0 && block[length - 1].find_first_not_of(' ') == std::string::npos) --length;
    if (used > 0 && used + length > perPage && length <= perPage) {
      reportPages.emplace_back();
      used = 0;
    }
    for (const std::string& line : block) {
      if (reportPages.back().size() == perPage) reportPages.emplace_back();
      // A page starts with the block's first line, not with a blank.
      if (reportPages.back().empty() && line.find_first_not_of(' ') == std::string::npos) {
        continue;
      }
      reportPages.back().push_back(line);
    }
  }
  for (const std::vector<std::string>& lines : reportPages) {
    if (lines.empty()) continue;
    Picture page;
    double y = top;
    for (const std::string& line : lines) {
      page.texts.push_back({{kMargin, y, doc.width - 2 * kMargin, kDocReportPitch},
                            TextAlign::Left,
                            line,
                            kDocReportSize,
                            TextFont::Mono});
      y += kDocReportPitch;
    }
    pages.push_back(page);
  }

  const std::string date = ReportDateTime(now);
  for (std::size_t i = 0; i < pages.size(); ++i) {
    Header(pages[i], doc, code, date, i + 1, pages.size());
  }
  doc.pages = std::move(pages);
  return doc;
}

}  // namespace kestal
