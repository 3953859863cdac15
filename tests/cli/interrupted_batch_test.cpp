// A long batch stopped from outside: SIGINT and SIGTERM end it after the
// report in progress with its summary and 128 + the signal; not even SIGKILL
// leaves a temporary file in the output folder, and every report there is
// whole.

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class InterruptedBatch : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("kestal-interrupted-" + std::to_string(getpid()) + "-" + std::to_string(GetParam()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "in");
    // Many inputs, one problem: every report is the same text.
    const fs::path example = fs::path(KESTAL_SOURCE_DIR) / "examples/lrfd_tee_review_english.in";
    std::ofstream list(root_ / "list.txt");
    for (int i = 0; i < kInputs; ++i) {
      const fs::path input = root_ / "in" / ("p" + std::to_string(i) + ".in");
      fs::create_hard_link(example, input);
      list << input.string() << '\n';
    }
  }
  void TearDown() override { fs::remove_all(root_); }

  // Starts the batch over every input, stops it with `signal` once its first
  // report is in place, and returns its wait status.
  int RunAndStop(int signal) {
    const std::string script = "SOURCE_DATE_EPOCH=0 exec '" KESTAL_CLI "' report - --out-dir '" +
                               (root_ / "out").string() + "' <'" + (root_ / "list.txt").string() +
                               "' 2>'" + (root_ / "stderr.txt").string() + "' >/dev/null";
    const char* argv[] = {"/bin/sh", "-c", script.c_str(), nullptr};
    pid_t pid = 0;
    EXPECT_EQ(posix_spawn(&pid, "/bin/sh", nullptr, nullptr, const_cast<char**>(argv), environ), 0);
    const fs::path first = root_ / "out" / "p0.out";
    for (int i = 0; i < 20000 && !fs::exists(first); ++i) {
      std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    kill(pid, signal);
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
  }

  static constexpr int kInputs = 20000;
  fs::path root_;
};

TEST_P(InterruptedBatch, StopsCleanly) {
  const int signal = GetParam();
  const int status = RunAndStop(signal);
  if (signal == SIGKILL) {
    ASSERT_TRUE(WIFSIGNALED(status));
  } else {
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 128 + signal);
    const std::string err = Contents(root_ / "stderr.txt");
    EXPECT_NE(err.find(signal == SIGINT ? "kestal-cli: stopped by SIGINT after "
                                        : "kestal-cli: stopped by SIGTERM after "),
              std::string::npos)
        << err;
    EXPECT_NE(err.find(" inputs failed\n"), std::string::npos) << err;
  }
  std::size_t reports = 0;
  const std::string whole = Contents(root_ / "out" / "p0.out");
  ASSERT_FALSE(whole.empty());
  for (const fs::directory_entry& e : fs::directory_iterator(root_ / "out")) {
    const std::string name = e.path().filename().string();
    EXPECT_TRUE(name.starts_with("p") && name.ends_with(".out")) << name;
    // The same report but for the line that names its file.
    std::string text = Contents(e.path());
    const std::string line = "Output file = " + name;
    if (const std::size_t at = text.find(line); at != std::string::npos) {
      text.replace(at, line.size(), "Output file = p0.out");
    }
    EXPECT_TRUE(text == whole) << name << " is not whole";
    ++reports;
  }
  // Stopped, not finished.
  EXPECT_LT(reports, static_cast<std::size_t>(kInputs));
}

INSTANTIATE_TEST_SUITE_P(Signals, InterruptedBatch, ::testing::Values(SIGINT, SIGTERM, SIGKILL),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return std::string(info.param == SIGINT    ? "SIGINT"
                                              : info.param == SIGTERM ? "SIGTERM"
                                                                      : "SIGKILL");
                         });

}  // namespace
