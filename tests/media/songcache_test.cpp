// Songs rendered into the cache: the key, the check of a cache file, and what a rendering holds.
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "media/mixer.h"
#include "media/songcache.h"
#include "media_files.h"

namespace pd::testing {
namespace {

struct Decoded {
  double seconds = 0;
  double last_sound = 0;  // when the last sample above -60 dB full scale is
  double rms = 0;         // of both channels, full scale 1
  int channels = 0;
  long rate = 0;
};

// Decodes an Ogg Vorbis stream held in memory.
Decoded DecodeOgg(const std::string& ogg) {
  struct Reader {
    const std::string* data;
    std::size_t at = 0;
  } reader{&ogg};
  ov_callbacks callbacks{};
  callbacks.read_func = [](void* out, size_t size, size_t count, void* source) -> size_t {
    auto* r = static_cast<Reader*>(source);
    const std::size_t n = std::min(size * count, r->data->size() - r->at);
    std::memcpy(out, r->data->data() + r->at, n);
    r->at += n;
    return size ? n / size : 0;
  };
  OggVorbis_File file;
  Decoded result;
  if (ov_open_callbacks(&reader, &file, nullptr, 0, callbacks) != 0) return result;
  result.channels = ov_info(&file, -1)->channels;
  result.rate = ov_info(&file, -1)->rate;
  double sum = 0;
  long long values = 0;
  for (;;) {
    float** pcm = nullptr;
    int section = 0;
    const long frames = ov_read_float(&file, &pcm, 4096, &section);
    if (frames <= 0) break;
    for (int c = 0; c < result.channels; ++c)
      for (long i = 0; i < frames; ++i) {
        sum += double(pcm[c][i]) * pcm[c][i];
        if (std::fabs(pcm[c][i]) > 1e-3f)
          result.last_sound = double(values / result.channels + i) / result.rate;
      }
    values += frames * result.channels;
  }
  result.seconds = double(values / result.channels) / result.rate;
  result.rms = values ? std::sqrt(sum / values) : 0;
  ov_clear(&file);
  return result;
}

class SongCacheTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = ScratchDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
    setenv("XDG_CACHE_HOME", (dir_ / "cache").c_str(), 1);
  }
  void TearDown() override {
    unsetenv("XDG_CACHE_HOME");
    fs::remove_all(dir_);
  }
  std::string Midi(int notes, char velocity = '\x64') {
    WriteArpeggioMidi(dir_ / "song.mid", notes, velocity);
    return *ReadWholeFile((dir_ / "song.mid").string());
  }
  fs::path dir_;
};

TEST_F(SongCacheTest, TheKeyFollowsTheMidiBytesTheSoundFontAndTheSettings) {
  const std::string a = Midi(8), b = Midi(9);
  const std::string key = SongCacheKey(a, kSongSoundFont);
  EXPECT_EQ(key.size(), 16u);
  EXPECT_EQ(key, SongCacheKey(a, kSongSoundFont));
  EXPECT_NE(key, SongCacheKey(b, kSongSoundFont));
  EXPECT_NE(key, SongCacheKey(a, (dir_ / "other.sf2").string()));
  EXPECT_NE(key, SongCacheKey(a, kSongSoundFont, {.quality = 0.5f}));
  EXPECT_EQ(SongCachePath(a, kSongSoundFont), (dir_ / "cache/pindoodle/songs" / (key + ".ogg")).string());
  setenv("XDG_CACHE_HOME", "relative", 1);
  setenv("HOME", dir_.c_str(), 1);
  EXPECT_EQ(SongCacheDir(), dir_.string() + "/.cache/pindoodle/songs/");
}

// Eight quarter notes at 120 beats a minute: four seconds of piano, in stereo at the mixer's rate,
// and the quiet the synthesizer's player keeps after the last note before it reports the end.
TEST_F(SongCacheTest, ARenderedSongDecodesToTheSongsLengthOfSound) {
  const fs::path path = dir_ / "song.ogg";
  ASSERT_TRUE(RenderSongToCache(Midi(8), kSongSoundFont, path.string()));
  const std::optional<std::string> ogg = LoadCachedSong(path.string());
  ASSERT_TRUE(ogg);
  const Decoded sound = DecodeOgg(*ogg);
  EXPECT_EQ(sound.channels, 2);
  EXPECT_EQ(sound.rate, 44100);
  EXPECT_NEAR(sound.last_sound, 4.3, 0.3);
  EXPECT_GE(sound.seconds, sound.last_sound);
  EXPECT_LT(sound.seconds, 8.0);
  EXPECT_GT(sound.rms, 0.01);

  ASSERT_TRUE(RenderSongToCache(Midi(8, 0), kSongSoundFont, path.string()));
  EXPECT_LT(DecodeOgg(*LoadCachedSong(path.string())).rms, 1e-4);
}

TEST_F(SongCacheTest, ATruncatedOrDamagedCacheFileIsRejected) {
  const fs::path path = dir_ / "song.ogg";
  ASSERT_TRUE(RenderSongToCache(Midi(4), kSongSoundFont, path.string()));
  const std::string whole = *ReadWholeFile(path.string());
  auto rejected = [&](const std::string& bytes) {
    WriteFile(path, bytes);
    return !LoadCachedSong(path.string());
  };
  EXPECT_TRUE(rejected(whole.substr(0, whole.size() - 1)));
  EXPECT_TRUE(rejected(whole.substr(0, whole.size() / 2)));
  EXPECT_TRUE(rejected(""));
  std::string flipped = whole;
  flipped[flipped.size() / 2] ^= 0x10;
  EXPECT_TRUE(rejected(flipped));
  EXPECT_TRUE(rejected(whole + "x"));
  EXPECT_FALSE(rejected(whole));
  EXPECT_FALSE(LoadCachedSong((dir_ / "missing.ogg").string()));
}

TEST_F(SongCacheTest, NothingIsWrittenWithoutTheSoundFontOrWhenCancelled) {
  const fs::path path = dir_ / "song.ogg";
  EXPECT_FALSE(RenderSongToCache(Midi(4), (dir_ / "missing.sf2").string(), path.string()));
  EXPECT_FALSE(RenderSongToCache("not a song", kSongSoundFont, path.string()));
  const std::atomic<bool> cancelled{true};
  EXPECT_FALSE(RenderSongToCache(Midi(4), kSongSoundFont, path.string(), {}, &cancelled));
  EXPECT_FALSE(fs::exists(path));
}

// Renderings not played for the age given go, with day-old temporary files; a rendering played
// is kept however old its file, and files of other names are left alone.
TEST_F(SongCacheTest, PruningRemovesWhatHasNotBeenPlayed) {
  const fs::path dir = dir_ / "songs";
  const auto old = fs::file_time_type::clock::now() - std::chrono::hours(24 * 100);
  auto file = [&](const std::string& name) {
    WriteFile(dir / name, "x");
    fs::last_write_time(dir / name, old);
    return dir / name;
  };
  const fs::path unplayed = file("0123456789abcdef.ogg"), played = file("fedcba9876543210.ogg"),
                 temporary = file(".0123456789abcdef.ogg.AbC123"), other = file("notes.txt");
  const fs::path fresh = dir / "00000000000000aa.ogg";
  WriteFile(fresh, "x");
  TouchCachedSong(played.string());
  PruneSongCache(dir.string());
  EXPECT_FALSE(fs::exists(unplayed));
  EXPECT_FALSE(fs::exists(temporary));
  EXPECT_TRUE(fs::exists(played));
  EXPECT_TRUE(fs::exists(fresh));
  EXPECT_TRUE(fs::exists(other));
}

}  // namespace
}  // namespace pd::testing
