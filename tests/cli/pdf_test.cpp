// kestal-cli report --pdf, read back as a reader of the PDF would: the text
// pdftotext finds holds every line of the text report and every row of the
// checks, for a review of each code family; the paper follows the locale.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Standard output of a shell command, and its exit status.
std::pair<std::string, int> Shell(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return {out, -1};
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  const int status = pclose(pipe);
  return {out, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

// Words of a line joined by single spaces: the PDF's text keeps the words
// and their order, not the spaces between them.
std::string Words(const std::string& line) {
  std::istringstream in(line);
  std::string word, joined;
  while (in >> word) joined += (joined.empty() ? "" : " ") + word;
  return joined;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::string Printed(const std::string& unit) {
  if (unit == "in^2") return "in²";
  if (unit == "mm^2") return "mm²";
  if (unit == "kN-m") return "kN·m";
  return unit;
}

class ReportPdf : public ::testing::TestWithParam<const char*> {};

TEST_P(ReportPdf, HoldsTheReportAndTheChecks) {
  if (Shell("command -v pdftotext").second != 0)
    GTEST_SKIP() << "pdftotext (poppler-utils) missing";
  const fs::path dir = fs::temp_directory_path() / ("kestal-pdf-" + std::to_string(getpid()));
  fs::create_directories(dir);
  const fs::path input = fs::path(KESTAL_SOURCE_DIR) / GetParam();
  const std::string report = (dir / "calc.out").string();
  const auto [checks, status] = Shell("SOURCE_DATE_EPOCH=0 LC_ALL=C '" KESTAL_CLI "' report '" +
                                      input.string() + "' -o '" + report + "' --checks --pdf");
  ASSERT_TRUE(status == 0 || status == 3) << checks;
  const auto [text, read] =
      Shell("pdftotext -layout -enc UTF-8 '" + (dir / "calc.pdf").string() + "' -");
  ASSERT_EQ(read, 0);
  std::vector<std::string> pdf;
  for (const std::string& line : Lines(text)) pdf.push_back(Words(line));

  // Every line of the report, in order.
  std::ifstream in(report, std::ios::binary);
  std::size_t at = 0;
  for (const std::string& line : Lines(std::string(std::istreambuf_iterator<char>(in), {}))) {
    const std::string want = Words(line);
    if (want.empty()) continue;
    while (at < pdf.size() && pdf[at].find(want) == std::string::npos) ++at;
    ASSERT_LT(at, pdf.size()) << "not in the PDF: " << line;
  }
  // Every check: name, demand and limit with their unit, ratio, verdict,
  // clause.
  const std::vector<std::string> rows = Lines(checks);
  ASSERT_FALSE(rows.empty());
  for (const std::string& row : rows) {
    std::vector<std::string> cell;
    std::istringstream fields(row);
    for (std::string f; std::getline(fields, f, '\t');) cell.push_back(f);
    cell.resize(7);
    const std::string unit = cell[6].empty() ? "" : " " + Printed(cell[6]);
    const std::string want = cell[1].empty()
                                 ? Words(cell[0] + " " + cell[4] + " " + cell[5])
                                 : Words(cell[0] + " " + cell[1] + unit + " " + cell[2] + unit +
                                         " " + cell[3] + " " + cell[4] + " " + cell[5]);
    EXPECT_NE(std::find(pdf.begin(), pdf.end(), want), pdf.end()) << want << "\n" << text;
  }
  fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Families, ReportPdf,
                         ::testing::Values("tests/data/cli/pdf/aci_tee_review_metric.in",
                                           "tests/data/cli/pdf/aashto_tee_review_english.in",
                                           "tests/data/cli/pdf/csa19_rect_review_metric.in",
                                           "tests/data/cli/pdf/s6_box_review_metric.in",
                                           "examples/lrfd_tee_review_english.in",
                                           "examples/arema_box_review_english.in",
                                           "examples/ohbdc_tee_review_metric.in",
                                           "examples/ud_rect_review_metric.in"));

TEST(ReportPdfPaper, A4OrLetterByTheLocale) {
  if (Shell("command -v pdfinfo").second != 0) GTEST_SKIP() << "pdfinfo (poppler-utils) missing";
  const fs::path dir = fs::temp_directory_path() / ("kestal-paper-" + std::to_string(getpid()));
  fs::create_directories(dir);
  for (const auto& [env, size] :
       {std::pair{"LC_ALL=C", "pts (A4)"},
        {"LC_ALL= LC_PAPER=en_US.UTF-8 LANG=de_DE.UTF-8", "612 x 792 pts (letter)"},
        {"LC_ALL= LC_PAPER= LANG=fr_CA.UTF-8", "612 x 792 pts (letter)"},
        {"LC_ALL=en_GB.UTF-8", "pts (A4)"}}) {
    const std::string pdf = (dir / "p.pdf").string();
    ASSERT_EQ(Shell(std::string("env ") + env +
                    " '" KESTAL_CLI "' report '" KESTAL_SOURCE_DIR
                    "/examples/aci_rect_design_english.in' -o '" +
                    (dir / "p.out").string() + "' --pdf '" + pdf + "'")
                  .second,
              0);
    EXPECT_NE(Shell("pdfinfo '" + pdf + "'").first.find(size), std::string::npos) << env;
  }
  fs::remove_all(dir);
}

}  // namespace
