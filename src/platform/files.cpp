// The executable's directory and file names matched without regard to case: the program's
// assets were named on a file system that ignores case, and the program asks for them as it
// spells them.
#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/platform.h"

namespace platform {

namespace {

namespace fs = std::filesystem;

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : path) {
    if (c == '/' || c == '\\') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part.push_back(c);
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

// The entry of dir named name, exactly or else without regard to case; empty when none.
std::string MatchEntry(const std::string& dir, const std::string& name) {
  std::error_code ec;
  if (name == "." || name == "..") return name;
  if (fs::exists(fs::path(dir) / name, ec)) return name;
  std::string best;
  for (fs::directory_iterator it(dir.empty() ? "." : dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (EqualNoCase(entry, name) && (best.empty() || entry < best)) best = entry;
  }
  return best;
}

std::string WithSlash(const std::string& dir) {
  if (dir.empty() || dir.back() == '/') return dir;
  return dir + "/";
}

// Walks relative_path under dir; *complete says whether every component was found.
std::string Walk(const std::string& dir, const std::string& relative_path, bool keep_missing,
                 bool* complete) {
  std::string path = WithSlash(dir);
  const std::vector<std::string> parts = SplitPath(relative_path);
  *complete = true;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::string found = *complete ? MatchEntry(path, parts[i]) : std::string();
    if (found.empty()) {
      *complete = false;
      if (!keep_missing) return {};
    }
    path += found.empty() ? parts[i] : found;
    if (i + 1 < parts.size()) path += "/";
  }
  return path;
}

}  // namespace

std::string ExecutableDirectory() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  return WithSlash(exe.parent_path().string());
}

std::string FindFileNoCase(const std::string& dir, const std::string& relative_path) {
  bool complete = false;
  std::string path = Walk(dir, relative_path, false, &complete);
  if (!complete) return {};
  std::error_code ec;
  return fs::exists(path.empty() ? "." : path, ec) ? path : std::string();
}

std::string ResolvePathNoCase(const std::string& dir, const std::string& relative_path) {
  bool complete = false;
  return Walk(dir, relative_path, true, &complete);
}

}  // namespace platform
