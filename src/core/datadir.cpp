#include "core/datadir.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace pd {

namespace fs = std::filesystem;

namespace {

// A file every asset directory holds: the main window's first picture.
constexpr const char* kMarkerAsset = "a1.kvr";

std::string WithSlash(std::string dir) {
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir;
}

bool IsInstalledAssetDir(const std::string& dir) {
  const std::string suffix = "share/pindoodle/";
  return dir.size() >= suffix.size() && dir.compare(dir.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool WritableDir(const std::string& dir) {
  std::error_code ec;
  return fs::is_directory(dir, ec) && access(dir.c_str(), W_OK | X_OK) == 0;
}

std::string UserDataHome() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && *xdg == '/') return WithSlash(xdg);
  const char* home = std::getenv("HOME");
  if (home && *home) return WithSlash(home) + ".local/share/";
  return "/tmp/";
}

// Copies what the program writes from the asset directory into a new data directory, so that
// the pictures a copy came with are there to open, replace and delete.
void SeedFrom(const std::string& asset_dir, const std::string& data_dir) {
  std::error_code ec;
  const fs::path user = fs::path(asset_dir) / "user";
  if (fs::is_directory(user, ec))
    for (const auto& entry : fs::directory_iterator(user, ec))
      if (entry.is_regular_file(ec))
        fs::copy_file(entry.path(), fs::path(data_dir) / "user" / entry.path().filename(),
                      fs::copy_options::skip_existing, ec);
  for (const char* name : {"name.sig"}) {
    const fs::path from = fs::path(asset_dir) / name;
    if (fs::is_regular_file(from, ec))
      fs::copy_file(from, fs::path(data_dir) / name, fs::copy_options::skip_existing, ec);
  }
}

}  // namespace

std::string FindAssetDir(const std::string& exe_dir) {
  std::error_code ec;
  const std::string dir = WithSlash(exe_dir);
  if (fs::exists(dir + kMarkerAsset, ec)) return dir;
  const std::string installed =
      WithSlash((fs::path(dir) / ".." / "share" / "pindoodle").lexically_normal().string());
  if (fs::exists(installed + kMarkerAsset, ec)) return installed;
  return dir;
}

void InitDataDir(const std::string& asset_dir) {
  std::error_code ec;
  if (!IsInstalledAssetDir(asset_dir) && WritableDir(asset_dir)) {
    DataDir = asset_dir;
    fs::create_directories(DataDir + "user", ec);
    return;
  }
  DataDir = UserDataHome() + "pindoodle/";
  const bool fresh = !fs::exists(DataDir, ec);
  fs::create_directories(DataDir + "user", ec);
  if (fresh) SeedFrom(asset_dir, DataDir);
}

std::string DataPath(const std::string& name) {
  return DataDir + name;
}

}  // namespace pd
