// Small sound files made by the tests themselves (the program's own sounds are artwork that may
// not exist yet), and a look at what SDL's disk audio driver wrote.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace pd::testing {

namespace fs = std::filesystem;

inline void PutLe(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

inline void PutBe(std::string& out, std::uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

inline void WriteFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

// A mono 16-bit wave file: a sine tone of the given length at half of full scale.
inline void WriteToneWav(const fs::path& path, double seconds, double hertz = 440) {
  const int rate = 22050;
  const int frames = static_cast<int>(seconds * rate);
  std::string out = "RIFF";
  PutLe(out, 36 + 2 * frames, 4);
  out += "WAVEfmt ";
  PutLe(out, 16, 4);
  PutLe(out, 1, 2);  // PCM
  PutLe(out, 1, 2);  // mono
  PutLe(out, rate, 4);
  PutLe(out, rate * 2, 4);
  PutLe(out, 2, 2);
  PutLe(out, 16, 2);
  out += "data";
  PutLe(out, 2 * frames, 4);
  for (int i = 0; i < frames; ++i) {
    const double v = 16000 * std::sin(2 * std::numbers::pi * hertz * i / rate);
    PutLe(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)), 2);
  }
  WriteFile(path, out);
}

// A Standard MIDI File (format 0, 96 ticks a quarter note, 120 beats a minute): a piano playing
// `notes` quarter notes up a C major arpeggio, then the end of the track. At velocity 0 the notes
// are silent, and the file is as long.
inline void WriteArpeggioMidi(const fs::path& path, int notes, char velocity = '\x64') {
  std::string track;
  track += std::string("\x00\xC0\x00", 3);  // program change: acoustic grand piano
  const int pitches[] = {60, 64, 67, 72};
  for (int n = 0; n < notes; ++n) {
    const char pitch = static_cast<char>(pitches[n % 4]);
    track += std::string{'\x00', '\x90', pitch, velocity};
    track += std::string{'\x60', '\x80', pitch, '\x00'};  // 96 ticks later
  }
  track += std::string("\x00\xFF\x2F\x00", 4);
  std::string out = "MThd";
  PutBe(out, 6, 4);
  PutBe(out, 0, 2);
  PutBe(out, 1, 2);
  PutBe(out, 96, 2);
  out += "MTrk";
  PutBe(out, static_cast<std::uint32_t>(track.size()), 4);
  out += track;
  WriteFile(path, out);
}

// The 16-bit samples SDL's disk driver wrote to path.
inline std::vector<std::int16_t> ReadRawSamples(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::int16_t> samples(bytes.size() / 2);
  for (std::size_t i = 0; i < samples.size(); ++i)
    samples[i] = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                           (static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8));
  return samples;
}

inline int Peak(const std::vector<std::int16_t>& samples) {
  int peak = 0;
  for (std::int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  return peak;
}

// A fresh, empty directory for one test's files.
inline fs::path ScratchDir(const std::string& name) {
  const fs::path dir = fs::temp_directory_path() / ("pd_media_" + name + "_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

}  // namespace pd::testing
