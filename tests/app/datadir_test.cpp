// Where the assets are found and where the program writes.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "core/datadir.h"

namespace pd {
namespace {

namespace fs = std::filesystem;

class DataDirTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/pd-datadir-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    root_ = pattern;
    setenv("XDG_DATA_HOME", (root_ / "xdg").c_str(), 1);
  }
  void TearDown() override {
    fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add);
    for (const auto& e : fs::recursive_directory_iterator(root_))
      if (e.is_directory()) fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(root_);
    unsetenv("XDG_DATA_HOME");
    DataDir.clear();
  }
  static void Touch(const fs::path& p) {
    fs::create_directories(p.parent_path());
    std::ofstream(p) << "x";
  }
  fs::path root_;
};

TEST_F(DataDirTest, BesideTheExecutableWhenWritableElseTheUsersDataDirectory) {
  // A build tree: assets beside the program, writable, so everything stays there.
  const std::string tree = (root_ / "tree").string() + "/";
  Touch(tree + "a1.kvr");
  EXPECT_EQ(FindAssetDir(tree), tree);
  InitDataDir(tree);
  EXPECT_EQ(DataDir, tree);
  EXPECT_TRUE(fs::is_directory(tree + "user"));

  // The same copy made read-only (as a root user may still write, test the rule by mode alone
  // only where access() refuses).
  fs::permissions(tree, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  if (access(tree.c_str(), W_OK) != 0) {
    InitDataDir(tree);
    EXPECT_EQ(DataDir, (root_ / "xdg" / "pindoodle").string() + "/");
  }
}

TEST_F(DataDirTest, AnInstalledProgramWritesInTheUsersDataDirectorySeededFromItsCopies) {
  const fs::path prefix = root_ / "usr";
  Touch(prefix / "share/pindoodle/a1.kvr");
  Touch(prefix / "share/pindoodle/user/UP000001.BMP");
  Touch(prefix / "share/pindoodle/name.sig");
  fs::create_directories(prefix / "bin");
  const std::string assets = FindAssetDir((prefix / "bin").string() + "/");
  EXPECT_EQ(assets, (prefix / "share/pindoodle").string() + "/");

  InitDataDir(assets);  // the prefix is writable, and still not written
  const std::string data = (root_ / "xdg" / "pindoodle").string() + "/";
  EXPECT_EQ(DataDir, data);
  EXPECT_EQ(DataPath("user/UP000001.BMP"), data + "user/UP000001.BMP");
  EXPECT_TRUE(fs::exists(data + "user/UP000001.BMP"));
  EXPECT_TRUE(fs::exists(data + "name.sig"));

  // A picture the child deleted is not brought back at the next start.
  fs::remove(data + "user/UP000001.BMP");
  InitDataDir(assets);
  EXPECT_FALSE(fs::exists(data + "user/UP000001.BMP"));
}

}  // namespace
}  // namespace pd
