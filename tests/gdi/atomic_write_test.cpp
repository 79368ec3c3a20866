// Files are written in one piece: whatever happens during a write, the name holds the old file or
// the new one, never a part of either.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "gdi/bmp.h"

namespace {

namespace fs = std::filesystem;
using gdi::WriteResult;

class AtomicWriteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/pd-atomic-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  int FilesInDir() {
    int n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir_)) ++n;
    return n;
  }
  std::string dir_;
};

TEST_F(AtomicWriteTest, ReplacesWholeOrClaimsOnlyAFreeName) {
  const std::string path = dir_ + "/UP123456.BMP";
  std::string error;
  EXPECT_EQ(gdi::WriteFileAtomically(path, "first", false, &error), WriteResult::kWritten) << error;
  EXPECT_EQ(gdi::WriteFileAtomically(path, "second", false, &error), WriteResult::kExists);
  EXPECT_EQ(Slurp(path), "first");
  EXPECT_EQ(gdi::WriteFileAtomically(path, "third", true, &error), WriteResult::kWritten) << error;
  EXPECT_EQ(Slurp(path), "third");
  EXPECT_EQ(FilesInDir(), 1);  // no temporary file left behind
  EXPECT_EQ(gdi::WriteFileAtomically(dir_ + "/missing/x.bmp", "x", true, &error), WriteResult::kFailed);
  EXPECT_FALSE(error.empty());
}

TEST_F(AtomicWriteTest, AFullDiskKeepsTheOlderFile) {
  const std::string path = dir_ + "/pic.bmp";
  ASSERT_EQ(gdi::WriteFileAtomically(path, "older", true, nullptr), WriteResult::kWritten);
  signal(SIGXFSZ, SIG_IGN);
  rlimit was{};
  getrlimit(RLIMIT_FSIZE, &was);
  rlimit small = was;
  small.rlim_cur = 1000;
  setrlimit(RLIMIT_FSIZE, &small);
  std::string error;
  const WriteResult result = gdi::WriteFileAtomically(path, std::string(5000, 'n'), true, &error);
  setrlimit(RLIMIT_FSIZE, &was);
  signal(SIGXFSZ, SIG_DFL);
  EXPECT_EQ(result, WriteResult::kFailed);
  EXPECT_NE(error.find("File too large"), std::string::npos) << error;
  EXPECT_EQ(Slurp(path), "older");
  EXPECT_EQ(FilesInDir(), 1);
}

// A process that keeps replacing one picture with one of two versions and claiming new names is
// killed at random moments: the picture is always one version whole, and every claimed name holds
// a whole file.
TEST_F(AtomicWriteTest, AKillAtAnyMomentLeavesOneWholeVersion) {
  const std::string path = dir_ + "/pic.bmp";
  const std::string a(1 << 20, 'a'), b(3 << 19, 'b');
  ASSERT_EQ(gdi::WriteFileAtomically(path, a, true, nullptr), WriteResult::kWritten);
  std::mt19937 rng(42);
  int claimed = 0;
  for (int round = 0; round < 25; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 0;; ++i) {
        gdi::WriteFileAtomically(path, i % 2 ? a : b, true, nullptr);
        gdi::WriteFileAtomically(dir_ + "/new" + std::to_string(round) + "_" + std::to_string(i), a, false,
                                 nullptr);
      }
    }
    usleep(std::uniform_int_distribution<int>(0, 60000)(rng));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    const std::string now = Slurp(path);
    ASSERT_TRUE(now == a || now == b) << "round " << round << ": " << now.size() << " bytes";
    for (const auto& e : fs::directory_iterator(dir_)) {
      const std::string name = e.path().filename().string();
      if (name.rfind("new", 0) == 0) {
        ASSERT_EQ(fs::file_size(e.path()), a.size()) << name;
        ++claimed;
      }
    }
  }
  EXPECT_GT(claimed, 0) << "the writer never finished a file: the kills proved nothing";
}

}  // namespace
