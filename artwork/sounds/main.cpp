// pd_soundgen OUTPUT_DIR [--list]: synthesises every sound effect and composes every background
// song of the program into OUTPUT_DIR ("snd/sndN.kvr", "snd44.kvr", "snd/pc1.mid" .. "snd/pc20.mid").
// With --list it prints each file's length and level.
#include <cmath>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

#include "arranger.h"
#include "bytes.h"
#include "effects.h"
#include "songs.h"
#include "wav.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  const bool list = argc == 3 && std::string(argv[2]) == "--list";
  if (argc != 2 && !list) {
    std::cerr << "usage: pd_soundgen OUTPUT_DIR [--list]\n";
    return 2;
  }
  try {
    const fs::path dir = argv[1];
    fs::create_directories(dir / "snd");
    for (const soundgen::Effect& effect : soundgen::Effects()) {
      const soundgen::Samples s = effect.make();
      soundgen::WriteWav(dir / effect.file, s);
      if (list) {
        double peak = 0.0;
        for (float x : s) peak = std::max(peak, static_cast<double>(std::fabs(x)));
        std::printf("%-16s %5.2f s  loudness %6.1f dBFS  peak %6.1f dBFS  %s\n", effect.file.c_str(),
                    static_cast<double>(s.size()) / soundgen::kSampleRate,
                    20.0 * std::log10(soundgen::ShortTermLoudness(s)), 20.0 * std::log10(peak),
                    effect.played_by);
      }
    }
    const auto& songs = soundgen::Songs();
    for (std::size_t i = 0; i < songs.size(); ++i) {
      const soundgen::ArrangedSong song = soundgen::Arrange(songs[i]);
      const std::string name = "snd/pc" + std::to_string(i + 1) + ".mid";
      soundgen::WriteFileBytes((dir / name).string(), song.midi);
      if (list) {
        std::printf("%-16s %5.1f s  %d verses  %s\n", name.c_str(), song.seconds, song.verses,
                    songs[i].title);
      }
    }
  } catch (const std::exception& e) {
    std::cerr << "pd_soundgen: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
