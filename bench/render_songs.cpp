// Renders songs into the user's song cache at normal priority and says how long each took, so that
// the footprint of music played from the cache can be measured on a busy machine, where the
// program's own renderer (which runs only when nothing else wants the processor) would wait.
//
// Usage: render_songs FILE.mid...   (the cache is $XDG_CACHE_HOME/pindoodle/songs)
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "media/mixer.h"
#include "media/songcache.h"

int main(int argc, char** argv) {
  int failed = 0;
  double total = 0;
  for (int i = 1; i < argc; ++i) {
    const std::optional<std::string> midi = pd::ReadWholeFile(argv[i]);
    const std::string path = midi ? pd::SongCachePath(*midi, pd::kSongSoundFont) : "";
    if (path.empty()) {
      std::fprintf(stderr, "%s: cannot be read, or no cache directory\n", argv[i]);
      ++failed;
      continue;
    }
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    const auto start = std::chrono::steady_clock::now();
    const bool ok = pd::RenderSongToCache(*midi, pd::kSongSoundFont, path);
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    total += secs;
    std::printf("%s: %s in %.2f s\n", argv[i], ok ? "rendered" : "FAILED", secs);
    failed += ok ? 0 : 1;
  }
  std::printf("total %.2f s\n", total);
  return failed == 0 ? 0 : 1;
}
