#include "commands/file_commands.h"

#include <exception>
#include <filesystem>
#include <optional>

#include "files/input_file.h"

namespace kestal {
namespace {

void ShowInputFilePanels(Session& s) {
  const Problem& p = s.problem;
  s.view.SetStatusPanel(1, "Input file = " + p.InputFileTitle);
  s.view.SetStatusPanel(2, p.OutputFileTitle.empty() ? std::string("Output file undefined")
                                                     : "Output file = " + p.OutputFileTitle);
}

// An unexpected failure of a handler itself (not of the file work, which
// reports its own errors) is announced with a beep and its own message.
void HandlerError(Session& s, const char* text, const char* title) {
  s.platform.Beep();
  s.platform.MessageBox(text, Icon::Information, std::string(title));
}

}  // namespace

bool LoadInputFrom(Session& s, const FileChoice& file) {
  if (!ReadInputFile(s.problem, s.tips, file, s.platform)) return false;
  // The report of the problem before is no report of this one.
  s.problem.OutputFile.clear();
  s.problem.OutputFileTitle.clear();
  s.view.ProblemSaved();
  ShowInputFilePanels(s);
  s.view.RefreshMainWindow();
  return true;
}

void LoadInput(Session& s) {
  try {
    const std::optional<FileChoice> file =
        s.platform.ChooseFile(FileDialogMode::Open, kInputFileFilter, kInputFileFilterIndex);
    if (!file) return;
    LoadInputFrom(s, *file);
  } catch (const std::exception&) {
    HandlerError(s, "Error loading input file", "LOAD INPUT");
  }
}

bool SaveInputTo(Session& s, const FileChoice& file) {
  Problem& p = s.problem;
  p.InputFile = file.path;
  p.InputFileTitle = file.title;
  if (!WriteInputFile(p, s.platform)) return false;
  s.view.ProblemSaved();
  s.view.SetStatusPanel(1, "Input written to " + p.InputFileTitle);
  return true;
}

bool SaveInput(Session& s) {
  try {
    const std::optional<FileChoice> file =
        s.platform.ChooseFile(FileDialogMode::Save, kInputFileFilter, kInputFileFilterIndex);
    return file && SaveInputTo(s, *file);
  } catch (const std::exception&) {
    HandlerError(s, "Error saving input file", "SAVE INPUT");
    return false;
  }
}

FileChoice FileChoiceForPath(const std::string& path) {
  return FileChoice{path, std::filesystem::path(path).filename().string()};
}

}  // namespace kestal
