#pragma once

// Runs the kestal-cli binary as a user would, without a shell: the arguments
// go to it unchanged, standard output and standard error are captured
// separately, and the exit status is returned. Also small helpers for the
// files the tests hand to it.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "files/input_file.h"
#include "model/problem.h"

extern char** environ;

namespace kestal::test {

namespace fs = std::filesystem;

// A fresh folder, removed with everything in it when the object goes.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (fs::temp_directory_path() / "kestal-cli-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~TempDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const fs::path& path() const { return path_; }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

// Writes `p` as an input file, exactly as the program saves it.
inline std::string WriteProblem(const TempDir& dir, const std::string& name, const Problem& p) {
  const std::string path = dir / name;
  WriteBytes(path, InputFileText(p));
  return path;
}

struct CliResult {
  int status = -1;  // exit status; -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// Variables to set (a value) or remove (nullopt) for one run. The test's own
// SOURCE_DATE_EPOCH never leaks into a run.
using EnvChanges = std::map<std::string, std::optional<std::string>>;

inline CliResult RunCli(const std::vector<std::string>& args, const EnvChanges& env = {}) {
  TempDir capture;
  const std::string outPath = capture / "stdout";
  const std::string errPath = capture / "stderr";

  EnvChanges changes = env;
  changes.emplace("SOURCE_DATE_EPOCH", std::nullopt);
  std::vector<std::string> envText;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry = *e;
    const std::string name = entry.substr(0, entry.find('='));
    if (!changes.contains(name)) envText.push_back(entry);
  }
  for (const auto& [name, value] : changes) {
    if (value) envText.push_back(name + "=" + *value);
  }

  std::vector<std::string> argText{KESTAL_CLI};
  argText.insert(argText.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : argText) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::vector<char*> envp;
  for (std::string& e : envText) envp.push_back(e.data());
  envp.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, KESTAL_CLI, &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw std::runtime_error("cannot start " KESTAL_CLI);

  int wstatus = 0;
  while (waitpid(pid, &wstatus, 0) < 0) {
    if (errno != EINTR) throw std::runtime_error("waitpid failed");
  }
  CliResult result;
  result.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
  result.out = ReadBytes(outPath);
  result.err = ReadBytes(errPath);
  return result;
}

// Text lines joined with LF, each ending in LF: what the program prints.
inline std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

}  // namespace kestal::test
