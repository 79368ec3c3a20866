// File names matched without regard to case, and the executable's directory.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/platform.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

class NoCaseLookup : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("pd_nocase_" + std::to_string(::getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "Snd");
    fs::create_directories(root_ / "user");
    Touch("Snd/SND6.kvr");
    Touch("A1.KVR");
    Touch("user/up000001.bmp");
    Touch("user/UP000001.BMP");
    dir_ = root_.string() + "/";
  }
  void TearDown() override { fs::remove_all(root_); }
  void Touch(const std::string& rel) { std::ofstream(root_ / rel) << "x"; }
  fs::path root_;
  std::string dir_;
};

TEST_F(NoCaseLookup, FindsEveryComponentWhateverItsCaseAndSeparator) {
  const std::string want = dir_ + "Snd/SND6.kvr";
  EXPECT_EQ(FindFileNoCase(dir_, "snd/snd6.kvr"), want);
  EXPECT_EQ(FindFileNoCase(dir_, "SND/SND6.KVR"), want);
  EXPECT_EQ(FindFileNoCase(dir_, "snd\\Snd6.Kvr"), want);
  EXPECT_EQ(FindFileNoCase(root_.string(), "a1.kvr"), dir_ + "A1.KVR") << "a slash is supplied";
  EXPECT_EQ(FindFileNoCase(dir_, "snd"), dir_ + "Snd") << "directories too";
}

TEST_F(NoCaseLookup, MissingFilesGiveAnEmptyPath) {
  EXPECT_EQ(FindFileNoCase(dir_, "snd/snd7.kvr"), "");
  EXPECT_EQ(FindFileNoCase(dir_, "art/level1.bmp"), "");
  EXPECT_EQ(FindFileNoCase(dir_ + "nowhere/", "a1.kvr"), "");
}

TEST_F(NoCaseLookup, AnExactNameWinsOverNamesDifferingInCase) {
  EXPECT_EQ(FindFileNoCase(dir_, "user/up000001.bmp"), dir_ + "user/up000001.bmp");
  EXPECT_EQ(FindFileNoCase(dir_, "user/UP000001.BMP"), dir_ + "user/UP000001.BMP");
  // Neither is exact: the first in byte order.
  EXPECT_EQ(FindFileNoCase(dir_, "user/Up000001.Bmp"), dir_ + "user/UP000001.BMP");
}

TEST_F(NoCaseLookup, ResolvingAFileToWriteKeepsTheMissingPartAsGiven) {
  EXPECT_EQ(ResolvePathNoCase(dir_, "USER/UP000002.BMP"), dir_ + "user/UP000002.BMP");
  EXPECT_EQ(ResolvePathNoCase(dir_, "new/Sub/x.bmp"), dir_ + "new/Sub/x.bmp");
  EXPECT_EQ(ResolvePathNoCase(dir_, "snd\\SND6.KVR"), dir_ + "Snd/SND6.kvr");
}

TEST(ExecutableDirectoryTest, IsTheDirectoryOfThisTestWithATrailingSlash) {
  const std::string dir = ExecutableDirectory();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), '/');
  EXPECT_TRUE(fs::exists(dir + "platform_headless_tests"));
}

}  // namespace
}  // namespace platform
