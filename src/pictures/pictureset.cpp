#include "pictures/pictureset.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/assets.h"
#include "core/datadir.h"
#include "core/state.h"
#include "platform/platform.h"

namespace pd {

namespace fs = std::filesystem;

namespace {

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// A pattern taken apart: the folder it lists (found without regard to case), the file-name
// pattern, and whether the set is the child's saved pictures.
struct SetPlace {
  std::string dir;
  std::string name_pattern;
  bool saved = false;
};

SetPlace PlaceOf(const std::string& pattern) {
  std::string relative = pattern;
  std::replace(relative.begin(), relative.end(), '\\', '/');
  // "\art\h*.bmp" means the program's art folder, never the root of the disk.
  relative.erase(0, relative.find_first_not_of('/'));
  SetPlace place;
  const std::size_t slash = relative.find_last_of('/');
  const std::string folder = slash == std::string::npos ? std::string() : relative.substr(0, slash);
  place.name_pattern = slash == std::string::npos ? relative : relative.substr(slash + 1);
  std::string first = folder.substr(0, folder.find('/'));
  std::transform(first.begin(), first.end(), first.begin(), Lower);
  place.saved = first == "user";
  const std::string base = place.saved ? DataDir : AssetDir;
  place.dir = folder.empty() ? base : platform::FindFileNoCase(base, folder);
  return place;
}

struct Found {
  std::string path;
  std::string name;
  fs::file_time_type time;
};

// Calls take(entry) for every regular file of the place's folder that matches; take returns
// false to stop.
template <typename Take>
void Scan(const SetPlace& place, Take take) {
  if (place.dir.empty()) return;
  std::error_code ec;
  for (fs::directory_iterator it(place.dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!MatchesNoCase(place.name_pattern, name)) continue;
    std::error_code type_ec;
    if (!it->is_regular_file(type_ec)) continue;
    if (!take(*it, name)) return;
  }
}

}  // namespace

std::string ListPattern(int mode) {
  switch (mode) {
    case 1:
      return "art\\cb*.bmp";
    case 2:
      return "\\art\\h*.bmp";
    case 3:
      return "art\\v*.bmp";
    case 4:
      return "art\\level*.bmp";
    case 5:
    case 8:
      return "user\\UP*.bmp";
    default:
      return {};
  }
}

std::string CheckPattern(int mode) {
  switch (mode) {
    case 1:
      return "art\\cb*.bmp";
    case 2:
      return "art\\hm*.bmp";
    case 3:
      return "art\\vm*.bmp";
    case 4:
      return "art\\level*.bmp";
    case 5:
    case 8:
      return "user\\up*.bmp";
    case 6:
      return "art\\hc*.bmp";
    case 7:
      return "art\\vc*.bmp";
    case 9:
      return "art\\sm*.bmp";
    case 10:
      return "art\\sc*.bmp";
    default:
      return {};
  }
}

bool MatchesNoCase(std::string_view pattern, std::string_view name) {
  // Greedy matching with one backtrack point: linear for patterns with a single '*'.
  std::size_t p = 0, n = 0, star = std::string_view::npos, resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::vector<std::string> ListPictureSet(const std::string& pattern, std::size_t limit) {
  const SetPlace place = PlaceOf(pattern);
  std::vector<Found> found;
  Scan(place, [&](const fs::directory_entry& entry, const std::string& name) {
    std::error_code ec;
    found.push_back(
        {entry.path().string(), name, place.saved ? entry.last_write_time(ec) : fs::file_time_type{}});
    return true;
  });
  // The child finds the picture saved last first; the program's own pictures keep their order.
  auto by_name = [](const Found& a, const Found& b) { return a.name < b.name; };
  if (place.saved) {
    std::sort(found.begin(), found.end(), [&](const Found& a, const Found& b) {
      return a.time != b.time ? a.time > b.time : by_name(a, b);
    });
  } else {
    std::sort(found.begin(), found.end(), by_name);
  }
  std::vector<std::string> paths;
  for (std::size_t i = 0; i < found.size() && i < limit; ++i) paths.push_back(std::move(found[i].path));
  return paths;
}

bool AnyPictureMatches(const std::string& pattern) {
  bool any = false;
  Scan(PlaceOf(pattern), [&](const fs::directory_entry&, const std::string&) {
    any = true;
    return false;
  });
  return any;
}

bool PicturesAvailable() {
  const std::string pattern = CheckPattern(ChooserMode);
  if (!pattern.empty() && AnyPictureMatches(pattern)) return true;
  ShowMessage("There are no pictures to see.", platform::MB_OK | platform::MB_ICONINFORMATION);
  return false;
}

}  // namespace pd
