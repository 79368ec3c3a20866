// Where the program finds its assets and keeps what it writes.
//
// The assets (pictures, sounds, songs, stamps, clip art) sit beside the executable in a build tree
// or a portable copy, and in PREFIX/share/pindoodle when the program is installed in PREFIX/bin.
// What the program writes (the pictures in user/, "name.sig", "TEMP.BMP") lives in the asset
// directory when that is beside the executable and writable; an installed program, or one whose
// directory is read-only, uses $XDG_DATA_HOME/pindoodle/ (by default ~/.local/share/pindoodle/),
// which starts as a copy of what the asset directory holds of those files.
#pragma once

#include <string>

namespace pd {

// The directory the program writes into, with its trailing slash. Empty until InitDataDir.
inline std::string DataDir;

// The asset directory for an executable in exe_dir (with its trailing slash): exe_dir itself
// when it holds the assets, else exe_dir/../share/pindoodle/ when that does, else exe_dir.
std::string FindAssetDir(const std::string& exe_dir);

// Chooses DataDir for the assets in asset_dir (see above), creating it and its user/ folder and
// copying the files the program writes from asset_dir the first time. An installed asset
// directory is one whose path ends in share/pindoodle/.
void InitDataDir(const std::string& asset_dir);

// The path of a file the program writes or reads back, below DataDir: "user/UP1234AB.BMP",
// "name.sig", "TEMP.BMP".
std::string DataPath(const std::string& name);

}  // namespace pd
