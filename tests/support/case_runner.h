#pragma once

// Case files: a test case is a short script of what a user or a caller does
// to the one problem record, and the exact transcript it must produce.
//
//   case Worked rectangle: a = As fy / (0.85 f'c b)      one case begins
//   english aci                                           commands, one a line
//   rect 12 24
//   set DepthT 21.5 TSteelArea 3
//   call MomentCapability
//   expect BlockDepth 4.411765 MomentCap 260.4706         fields, to the digits written
//   view moment-capability
//   > prepare 4000 7000                                   the transcript since the
//   > |     M O M E N T   C A P A B I L I T Y:            last check, line for line
//   format general 0.85 => "0.85"                         one command and its one line
//
// Every command that shows, prints or asks something writes a transcript
// line: a message box, beep, results window preparation, printed line, hide,
// grid, main window refresh, status panel, file dialog, input box, editor,
// help topic, a calculation's fault. A case fails on the first difference,
// and when it ends with transcript lines that no check has looked at.
// Numbers expected by `expect` hold to the digits written: 4.4118 accepts
// 4.41175 to 4.41185, 0 only zero. The command list is in case_runner.cpp.

#include <filesystem>
#include <string>
#include <vector>

namespace kestal::test {

// The case files of one layer: tests/data/<layer>/*.case, sorted.
std::vector<std::filesystem::path> CaseFiles(const std::string& layer);

// Runs every case of the file; each failure names the file and line.
void RunCaseFile(const std::filesystem::path& file);

}  // namespace kestal::test

// One parameterised test per case file of the layer.
#define KESTAL_CASE_FILES(Layer, folder)                                                         \
  class Layer : public ::testing::TestWithParam<std::filesystem::path> {};                       \
  TEST_P(Layer, Runs) {                                                                          \
    ::kestal::test::RunCaseFile(GetParam());                                                     \
  }                                                                                              \
  INSTANTIATE_TEST_SUITE_P(Cases, Layer, ::testing::ValuesIn(::kestal::test::CaseFiles(folder)), \
                           [](const ::testing::TestParamInfo<std::filesystem::path>& info) {     \
                             std::string name = info.param.stem().string();                      \
                             for (char& c : name)                                                \
                               if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';        \
                             return name;                                                        \
                           })
