#pragma once

// The calculation as a printable document: a page header with the report's
// title, the code and edition, the date and "page N of M"; a first page
// with the problem in a short table, the section drawn to scale and, for a
// review, the strain and stress at ultimate beside it; the summary of
// checks; then the whole text report in a fixed-pitch font, the pages
// breaking between its blocks. Laid out here, in points, so the platform
// only paints the pages.

#include <ctime>
#include <string>
#include <vector>

#include "model/picture.h"
#include "model/problem.h"
#include "model/problem_ops.h"
#include "platform/number_settings.h"

namespace kestal {

// Sizes of the document's text, in points; the layout's measure of a
// text's width is an upper bound for DejaVu Sans and Sans Mono.
inline constexpr double kDocTextSize = 8.5;
inline constexpr double kDocReportSize = 8.5;
inline constexpr double kDocReportPitch = 10.5;

// The text report's lines split into blocks: each block its lines and the
// blank lines after it; a heading (a line of '=' or a line ending in ':')
// stays with the block after it.
std::vector<std::vector<std::string>> ReportBlocks(const std::string& reportText);

// The pages of the document of a problem whose report `reportText` has
// just been composed (ComposeReport leaves its results in `p`).
PagedDocument CalculationDocument(const Problem& p, ProblemOption option,
                                  const std::string& reportText, const std::tm& now, Paper paper,
                                  char decimalSign = '.');

}  // namespace kestal
