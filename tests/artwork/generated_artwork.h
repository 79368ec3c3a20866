// The pictures the artwork generator writes, shared by the suites that check them. The generator
// runs once per test program into a fresh directory, which is removed when the program ends, and
// the files are read back with the program's own bitmap reader.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include <gtest/gtest.h>

#include "gdi/bmp.h"

namespace artwork_test {

// Runs the generator into dir and returns its exit status, or -1 if it could not be started.
inline int RunGenerator(const std::filesystem::path& dir) {
  const std::string command = std::string("\"") + PD_ARTWORK_EXE + "\" \"" + dir.string() + "\" 2>/dev/null";
  const int status = std::system(command.c_str());
  return status == -1 ? -1 : WEXITSTATUS(status);
}

class GeneratedArtworkTest : public ::testing::Test {
 protected:
  // Generating up front keeps the generator's time out of the first test's.
  static void SetUpTestSuite() { Generated(); }
  void SetUp() override { ASSERT_EQ(Generated().status, 0) << "the generator failed"; }

  // The directory the generator wrote into.
  static const std::filesystem::path& Dir() { return Generated().dir; }

  static gdi::HBITMAP Load(const std::string& name) {
    std::string error;
    gdi::HBITMAP bmp = gdi::LoadBmpFile((Dir() / name).string(), &error);
    EXPECT_TRUE(bmp) << name << ": " << error;
    return bmp;
  }
  static gdi::COLORREF At(const gdi::HBITMAP& b, int x, int y) { return gdi::ColorrefFromPixel(b->At(x, y)); }

 private:
  struct Output {
    std::filesystem::path dir;
    int status = -1;
    Output()
        : dir(std::filesystem::temp_directory_path() / ("pd-artwork-test-" + std::to_string(::getpid()))) {
      std::filesystem::remove_all(dir);
      status = RunGenerator(dir);
    }
    ~Output() {
      std::error_code ignored;
      std::filesystem::remove_all(dir, ignored);
    }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;
  };
  static const Output& Generated() {
    static const Output output;
    return output;
  }
};

}  // namespace artwork_test
