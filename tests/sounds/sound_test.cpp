// Checks of the sounds and songs the sound generator writes, read back the way a player would
// read them: every wave file a clean, short, evenly loud 16-bit mono sound; every song a valid
// Standard MIDI File of one to three minutes with a tune, a bass line and drums on channel 10.
// The generator runs once into a fresh directory.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

const std::vector<int>& SoundNumbers() {
  static const std::vector<int> numbers = {1,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                                           15, 16, 21, 22, 25, 26, 29, 32, 33, 34, 36, 39, 41,
                                           42, 43, 45, 46, 47, 48, 63, 70, 71, 72, 73, 74};
  return numbers;
}

// Every wave file, relative to the asset directory.
std::vector<std::string> EffectFiles() {
  std::vector<std::string> files;
  for (int n : SoundNumbers()) files.push_back("snd/snd" + std::to_string(n) + ".kvr");
  files.push_back("snd44.kvr");
  return files;
}

std::string SongFile(int n) {
  return "snd/pc" + std::to_string(n) + ".mid";
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

int RunGenerator(const fs::path& dir) {
  const std::string command = std::string("\"") + PD_SOUNDGEN_EXE + "\" \"" + dir.string() + "\" 2>/dev/null";
  const int status = std::system(command.c_str());
  return status == -1 ? -1 : WEXITSTATUS(status);
}

std::uint32_t LE(const std::string& b, std::size_t at, int bytes) {
  if (at + static_cast<std::size_t>(bytes) > b.size()) throw std::runtime_error("truncated");
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i)
    v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
  return v;
}

std::uint32_t BE(const std::string& b, std::size_t at, int bytes) {
  if (at + static_cast<std::size_t>(bytes) > b.size()) throw std::runtime_error("truncated");
  std::uint32_t v = 0;
  for (int i = 0; i < bytes; ++i)
    v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
  return v;
}

// ---- Wave files ----

struct Wave {
  int format = 0;
  int channels = 0;
  int rate = 0;
  int byte_rate = 0;
  int block_align = 0;
  int bits = 0;
  std::vector<double> samples;  // full scale = 1
  double Seconds() const { return rate ? static_cast<double>(samples.size()) / rate : 0.0; }
};

// Walks the RIFF chunks as a player does, so that a wrong chunk size shows as a parse error.
Wave ParseWave(const std::string& b) {
  if (b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) throw std::runtime_error("not RIFF/WAVE");
  if (LE(b, 4, 4) + 8 != b.size()) throw std::runtime_error("RIFF size does not match the file");
  Wave w;
  bool have_format = false;
  bool have_data = false;
  for (std::size_t at = 12; at < b.size();) {
    const std::string id = b.substr(at, 4);
    const std::uint32_t size = LE(b, at + 4, 4);
    const std::size_t body = at + 8;
    if (body + size > b.size()) throw std::runtime_error("chunk " + id + " runs past the end");
    if (id == "fmt ") {
      w.format = static_cast<int>(LE(b, body, 2));
      w.channels = static_cast<int>(LE(b, body + 2, 2));
      w.rate = static_cast<int>(LE(b, body + 4, 4));
      w.byte_rate = static_cast<int>(LE(b, body + 8, 4));
      w.block_align = static_cast<int>(LE(b, body + 12, 2));
      w.bits = static_cast<int>(LE(b, body + 14, 2));
      have_format = true;
    } else if (id == "data") {
      if (!have_format || w.bits != 16 || size % 2)
        throw std::runtime_error("data before format or odd size");
      for (std::size_t i = 0; i < size; i += 2) {
        w.samples.push_back(static_cast<std::int16_t>(LE(b, body + i, 2)) / 32768.0);
      }
      have_data = true;
    }
    at = body + size + (size & 1);
  }
  if (!have_format || !have_data) throw std::runtime_error("missing fmt or data chunk");
  return w;
}

// Loudness as the highest RMS over 50 ms windows, in dB of full scale. A sound shorter than a
// window counts as padded with silence.
double LoudnessDb(const Wave& w) {
  const std::size_t window = static_cast<std::size_t>(w.rate / 20);
  double best = 0.0;
  for (std::size_t start = 0; start < w.samples.size(); start += window / 10) {
    double sum = 0.0;
    for (std::size_t i = start; i < std::min(w.samples.size(), start + window); ++i)
      sum += w.samples[i] * w.samples[i];
    best = std::max(best, sum / static_cast<double>(window));
  }
  return 10.0 * std::log10(best);
}

double PeakDb(const Wave& w) {
  double peak = 0.0;
  for (double x : w.samples) peak = std::max(peak, std::fabs(x));
  return 20.0 * std::log10(peak);
}

// ---- MIDI files ----

struct MidiSong {
  int format = -1;
  int division = 0;
  int tracks = 0;
  double seconds = 0.0;
  std::set<int> tempos;                     // microseconds per quarter
  std::vector<std::pair<int, int>> metres;  // time signatures
  std::map<int, std::vector<int>> notes;    // channel -> keys of note-ons, in order of time
  std::map<int, std::set<int>> programs;    // channel -> programs
  int hanging_notes = 0;                    // note-ons never switched off
  int running_status_events = 0;
};

std::uint32_t ReadVariableLength(const std::string& b, std::size_t& at, std::size_t end) {
  std::uint32_t v = 0;
  for (int i = 0; i < 4; ++i) {
    if (at >= end) throw std::runtime_error("variable-length number runs past the track");
    const auto c = static_cast<unsigned char>(b[at++]);
    v = (v << 7) | (c & 0x7f);
    if (!(c & 0x80)) return v;
  }
  throw std::runtime_error("variable-length number longer than four bytes");
}

MidiSong ParseMidi(const std::string& b) {
  if (b.compare(0, 4, "MThd") != 0 || BE(b, 4, 4) != 6) throw std::runtime_error("bad header chunk");
  MidiSong song;
  song.format = static_cast<int>(BE(b, 8, 2));
  const int declared_tracks = static_cast<int>(BE(b, 10, 2));
  song.division = static_cast<int>(BE(b, 12, 2));
  if (song.division & 0x8000 || song.division == 0) throw std::runtime_error("not ticks per quarter");

  struct Timed {
    std::uint32_t tick;
    int tempo;  // -1 for an event that is not a tempo change
  };
  std::vector<Timed> timeline;
  std::size_t at = 14;
  while (at < b.size()) {
    if (b.compare(at, 4, "MTrk") != 0) throw std::runtime_error("expected a track chunk");
    const std::size_t end = at + 8 + BE(b, at + 4, 4);
    if (end > b.size()) throw std::runtime_error("track runs past the end of the file");
    at += 8;
    std::uint32_t tick = 0;
    int status = -1;
    bool ended = false;
    std::map<std::pair<int, int>, int> sounding;
    while (at < end) {
      if (ended) throw std::runtime_error("events after the end of track");
      tick += ReadVariableLength(b, at, end);
      int byte = static_cast<unsigned char>(b.at(at));
      if (byte & 0x80) {
        ++at;
        status = byte;
      } else {
        if (status < 0 || status >= 0xf0) throw std::runtime_error("running status without a status");
        ++song.running_status_events;
      }
      if (status == 0xff) {
        const int type = static_cast<unsigned char>(b.at(at++));
        const std::uint32_t length = ReadVariableLength(b, at, end);
        if (at + length > end) throw std::runtime_error("meta event runs past the track");
        if (type == 0x2f) ended = true;
        if (type == 0x51) {
          song.tempos.insert(static_cast<int>(BE(b, at, 3)));
          timeline.push_back({tick, static_cast<int>(BE(b, at, 3))});
        }
        if (type == 0x58) song.metres.emplace_back(b[at], 1 << b[at + 1]);
        at += length;
        status = -1;  // meta events cancel running status
        continue;
      }
      if (status == 0xf0 || status == 0xf7) {
        at += ReadVariableLength(b, at, end);
        status = -1;
        continue;
      }
      const int kind = status & 0xf0;
      const int channel = status & 0x0f;
      const int data_bytes = kind == 0xc0 || kind == 0xd0 ? 1 : 2;
      if (at + static_cast<std::size_t>(data_bytes) > end)
        throw std::runtime_error("event runs past the track");
      const int a = static_cast<unsigned char>(b[at]);
      const int v = data_bytes == 2 ? static_cast<unsigned char>(b[at + 1]) : 0;
      if (a > 127 || v > 127) throw std::runtime_error("data byte with the top bit set");
      at += static_cast<std::size_t>(data_bytes);
      timeline.push_back({tick, -1});
      if (kind == 0x90 && v > 0) {
        song.notes[channel].push_back(a);
        ++sounding[{channel, a}];
      } else if (kind == 0x80 || kind == 0x90) {
        if (sounding[{channel, a}] > 0) --sounding[{channel, a}];
      } else if (kind == 0xc0) {
        song.programs[channel].insert(a);
      }
    }
    if (!ended) throw std::runtime_error("track without an end-of-track event");
    for (const auto& [key, count] : sounding) song.hanging_notes += count;
    ++song.tracks;
  }
  if (song.tracks != declared_tracks) throw std::runtime_error("track count differs from the header");

  // Playing time up to the last event, through the tempo map (120 beats a minute until the first tempo).
  std::stable_sort(timeline.begin(), timeline.end(),
                   [](const Timed& x, const Timed& y) { return x.tick < y.tick; });
  double micros = 0.0;
  std::uint32_t last_tick = 0;
  int tempo = 500000;
  for (const Timed& e : timeline) {
    micros += static_cast<double>(e.tick - last_tick) * tempo / song.division;
    last_tick = e.tick;
    if (e.tempo > 0) tempo = e.tempo;
  }
  song.seconds = micros / 1e6;
  return song;
}

double Mean(const std::vector<int>& v) {
  double sum = 0.0;
  for (int x : v) sum += x;
  return v.empty() ? 0.0 : sum / static_cast<double>(v.size());
}

// ---- The generated files ----

class SoundTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = fs::temp_directory_path() / ("pd-sound-test-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    generator_status_ = RunGenerator(dir_);
  }
  static void TearDownTestSuite() { fs::remove_all(dir_); }

  void SetUp() override { ASSERT_EQ(generator_status_, 0) << "the generator failed"; }

  static Wave LoadWave(const std::string& name) { return ParseWave(ReadBytes(dir_ / name)); }
  static MidiSong LoadSong(int n) { return ParseMidi(ReadBytes(dir_ / SongFile(n))); }

  static inline fs::path dir_;
  static inline int generator_status_ = -1;
};

TEST_F(SoundTest, EveryEffectAndSongIsWrittenWhereTheProgramLooks) {
  for (const std::string& name : EffectFiles()) EXPECT_TRUE(fs::is_regular_file(dir_ / name)) << name;
  for (int n = 1; n <= 20; ++n) EXPECT_TRUE(fs::is_regular_file(dir_ / SongFile(n))) << SongFile(n);
  // The skier's starting sound lives in the asset directory itself, not among the numbered ones.
  EXPECT_FALSE(fs::exists(dir_ / "snd/snd44.kvr"));
}

TEST_F(SoundTest, EffectsAreShortMono16BitPcm) {
  int longer_than_a_second = 0;
  for (const std::string& name : EffectFiles()) {
    SCOPED_TRACE(name);
    Wave w;
    ASSERT_NO_THROW(w = LoadWave(name));
    EXPECT_EQ(w.format, 1);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.bits, 16);
    EXPECT_TRUE(w.rate == 22050 || w.rate == 44100) << w.rate;
    EXPECT_EQ(w.block_align, 2);
    EXPECT_EQ(w.byte_rate, w.rate * 2);
    EXPECT_GE(w.Seconds(), 0.05);
    EXPECT_LE(w.Seconds(), 2.0);
    // The sounds of the erasers of our own go with sweeps of up to one and a half seconds.
    const bool sweep = name >= "snd/snd70.kvr" && name <= "snd/snd74.kvr";
    if (w.Seconds() > 1.0 && !sweep) ++longer_than_a_second;
    if (sweep) {
      EXPECT_LE(w.Seconds(), 1.5);
    }
  }
  EXPECT_LE(longer_than_a_second, 4) << "effects should mostly be under a second";
  // The animation waits for the skier's starting sound, so it must stay brief.
  EXPECT_LE(LoadWave("snd44.kvr").Seconds(), 1.0);
}

TEST_F(SoundTest, EffectsAreCleanNeverClippedAndWithoutOffset) {
  for (const std::string& name : EffectFiles()) {
    SCOPED_TRACE(name);
    const Wave w = LoadWave(name);
    ASSERT_FALSE(w.samples.empty());
    EXPECT_LT(PeakDb(w), -0.5) << "too close to full scale";
    EXPECT_GT(PeakDb(w), -24.0) << "nearly silent";
    double sum = 0.0;
    for (double x : w.samples) sum += x;
    EXPECT_LT(std::fabs(sum / static_cast<double>(w.samples.size())), 0.002) << "DC offset";
    // Gentle edges: no sound starts or stops with a jump that would click.
    EXPECT_LT(std::fabs(w.samples.front()), 0.01);
    EXPECT_LT(std::fabs(w.samples.back()), 0.01);
    double largest_step = 0.0;
    for (std::size_t i = 1; i < w.samples.size(); ++i) {
      largest_step = std::max(largest_step, std::fabs(w.samples[i] - w.samples[i - 1]));
    }
    EXPECT_LT(largest_step, 0.5) << "a harsh jump between neighbouring samples";
  }
}

TEST_F(SoundTest, EffectsAreEquallyLoud) {
  double quietest = 0.0;
  double loudest = -100.0;
  for (const std::string& name : EffectFiles()) {
    const double db = LoudnessDb(LoadWave(name));
    EXPECT_GT(db, -22.0) << name;
    EXPECT_LT(db, -10.0) << name;
    quietest = std::min(quietest, db);
    loudest = std::max(loudest, db);
  }
  EXPECT_LE(loudest - quietest, 4.0);
}

TEST_F(SoundTest, EveryEffectSoundsDifferent) {
  std::map<std::string, std::string> seen;
  for (const std::string& name : EffectFiles()) {
    const std::string bytes = ReadBytes(dir_ / name);
    const auto [it, inserted] = seen.emplace(bytes.substr(44), name);
    EXPECT_TRUE(inserted) << name << " is the same sound as " << it->second;
  }
}

TEST_F(SoundTest, SongsAreValidFormatOneMidiFiles) {
  for (int n = 1; n <= 20; ++n) {
    SCOPED_TRACE(SongFile(n));
    MidiSong song;
    ASSERT_NO_THROW(song = LoadSong(n));
    EXPECT_EQ(song.format, 1);
    EXPECT_GE(song.tracks, 4) << "a tempo track, tune, bass and drums";
    EXPECT_EQ(song.tempos.size(), 1u);
    EXPECT_EQ(song.metres.size(), 1u);
    EXPECT_EQ(song.hanging_notes, 0) << "a note is never switched off";
  }
}

TEST_F(SoundTest, SongsLastOneToThreeMinutes) {
  for (int n = 1; n <= 20; ++n) {
    const double seconds = LoadSong(n).seconds;
    EXPECT_GE(seconds, 60.0) << SongFile(n);
    EXPECT_LE(seconds, 180.0) << SongFile(n);
  }
}

TEST_F(SoundTest, SongsHaveATuneABassLineAndDrumsOnChannelTen) {
  for (int n = 1; n <= 20; ++n) {
    SCOPED_TRACE(SongFile(n));
    const MidiSong song = LoadSong(n);
    ASSERT_TRUE(song.notes.count(9)) << "no drums on channel 10";
    EXPECT_GE(song.notes.at(9).size(), 100u);
    for (int key : song.notes.at(9)) {
      EXPECT_GE(key, 35);
      EXPECT_LE(key, 81);
    }
    EXPECT_FALSE(song.programs.count(9)) << "the drum channel needs no instrument";

    // Melodic channels: every one has an instrument; the highest voice carries the tune and the
    // lowest is a bass line well below it.
    double highest = 0.0;
    double lowest = 128.0;
    int melodic = 0;
    for (const auto& [channel, keys] : song.notes) {
      if (channel == 9) continue;
      ++melodic;
      EXPECT_TRUE(song.programs.count(channel))
          << "channel " << channel + 1 << " plays without an instrument";
      highest = std::max(highest, Mean(keys));
      lowest = std::min(lowest, Mean(keys));
    }
    EXPECT_GE(melodic, 3);
    EXPECT_GE(highest, 60.0);
    EXPECT_LE(lowest, 55.0);
    EXPECT_GE(highest - lowest, 12.0);
  }
}

TEST_F(SoundTest, SongsDifferInTempoInstrumentsAndTune) {
  std::set<std::pair<int, int>> tempo_and_lead;
  std::set<std::vector<int>> openings;
  std::set<std::pair<int, int>> metres;
  for (int n = 1; n <= 20; ++n) {
    const MidiSong song = LoadSong(n);
    ASSERT_TRUE(song.programs.count(0));
    tempo_and_lead.emplace(*song.tempos.begin(), *song.programs.at(0).begin());
    const std::vector<int>& tune = song.notes.at(0);
    openings.emplace(tune.begin(), tune.begin() + std::min<std::size_t>(tune.size(), 12));
    metres.insert(song.metres.front());
  }
  EXPECT_EQ(tempo_and_lead.size(), 20u);
  EXPECT_EQ(openings.size(), 20u);
  EXPECT_GE(metres.size(), 3u) << "some songs in three and in six";
}

// Compared with the suite's own run, so that the generator runs only once more.
TEST_F(SoundTest, GeneratorWritesTheSameBytesEveryTime) {
  const fs::path& a = dir_;
  const fs::path b = fs::temp_directory_path() / ("pd-sound-repeat-" + std::to_string(::getpid()));
  ASSERT_EQ(RunGenerator(b), 0);
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(a)) {
    if (!entry.is_regular_file()) continue;
    ++files;
    const fs::path other = b / fs::relative(entry.path(), a);
    EXPECT_EQ(ReadBytes(entry.path()), ReadBytes(other)) << other;
  }
  EXPECT_EQ(files, 59);
  fs::remove_all(b);
}

TEST(SoundGenerator, FailsWhenTheDirectoryCannotBeWritten) {
  const fs::path file = fs::temp_directory_path() / ("pd-sound-blocker-" + std::to_string(::getpid()));
  std::ofstream(file) << "a file where the directory should be";
  EXPECT_NE(RunGenerator(file / "assets"), 0);
  fs::remove(file);
}

}  // namespace
