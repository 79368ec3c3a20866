// The sets of pictures the choosers list: the child's saved pictures in the data directory's
// user/ folder and the pictures that come with the program in the asset directory's art/ folder.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pd {

// The most entries the picture chooser offers.
constexpr std::size_t kMaxSetEntries = 250;

// The pattern that lists the set of a ChooserMode (1 colouring-book pages, 2 wide stamps, 3 tall
// stamps, 4 backgrounds, 5 and 8 saved pictures), and the pattern that checks that it is not
// empty (also 6, 7, 9 and 10). Empty for other modes.
std::string ListPattern(int mode);
std::string CheckPattern(int mode);

// Whether name matches the file-name pattern (with '*' and '?') without regard to case.
bool MatchesNoCase(std::string_view pattern, std::string_view name);

// The files a pattern such as "user\UP*.bmp" or "\art\h*.bmp" names: those of the data
// directory for user\, of the asset directory otherwise (a leading separator means the same),
// the folder and the file names matched without regard to case. Only regular files are listed,
// at most limit of them: saved pictures newest first, the program's pictures by name.
std::vector<std::string> ListPictureSet(const std::string& pattern, std::size_t limit = kMaxSetEntries);

// Whether at least one file matches the pattern.
bool AnyPictureMatches(const std::string& pattern);

// Whether the ChooserMode's set has a picture; otherwise says "There are no pictures to see."
// and returns false.
bool PicturesAvailable();

}  // namespace pd
