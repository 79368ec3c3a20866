// The real player on SDL's disk audio driver: what reaches the device, the end of a song on the
// user-interface thread, the device opened only while it is needed.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

#include "core/state.h"
#include "media/mixer.h"
#include "media/music.h"
#include "media/songcache.h"
#include "media/sound.h"
#include "media_files.h"
#include "platform/post.h"

namespace pd::testing {
namespace {

using namespace std::chrono_literals;

class MixerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = ScratchDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
    AssetDir = dir_.string() + "/";
    setenv("XDG_CACHE_HOME", (dir_ / "cache").c_str(), 1);
    SoundOn = true;
    MusicOn = true;
    SongNumber = 0;
    platform::RunPostedTasks();
  }
  void TearDown() override {
    SetSoundPlayer(nullptr);
    platform::RunPostedTasks();
    for (const char* name : {"SDL_AUDIODRIVER", "SDL_DISKAUDIOFILE", "SDL_DISKAUDIODELAY", "SDL_SOUNDFONTS",
                             "SDL_FORCE_SOUNDFONTS", "XDG_CACHE_HOME"})
      unsetenv(name);
    fs::remove_all(dir_);
  }

  // Sends the next player's output to a raw file; delay_ms is how long the driver waits per
  // buffer of 2048 frames (46 ms of sound), so small values run faster than real time.
  fs::path UseDiskDevice(const std::string& name, int delay_ms) {
    const fs::path file = dir_ / name;
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", std::to_string(delay_ms).c_str(), 1);
    return file;
  }

  // Waits until the disk device has written `seconds` more sound than when called (44.1 kHz,
  // two channels of 16 bits), however slowly a loaded machine runs the audio thread.
  static void WaitForSound(const fs::path& file, double seconds) {
    const auto size = [&file] {
      std::error_code ec;
      const auto n = fs::file_size(file, ec);
      return ec ? 0.0 : static_cast<double>(n);
    };
    const double want = size() + seconds * 44100 * 4;
    for (int i = 0; i < 1000 && size() < want; ++i) std::this_thread::sleep_for(10ms);
  }

  // A song not rendered yet is synthesized live at once.
  static MixerTiming Live(MixerTiming timing = {}) {
    timing.render_wait = 0ms;
    return timing;
  }

  MixerPlayer& Install(std::unique_ptr<MixerPlayer> player) {
    MixerPlayer& p = *player;
    SetSoundPlayer(std::move(player));
    return p;
  }

  fs::path dir_;
};

TEST_F(MixerTest, AnEffectAndASongReachTheDevice) {
  WriteToneWav(dir_ / "snd/snd6.kvr", 0.3);
  WriteArpeggioMidi(dir_ / "snd/pc1.mid", 8);

  const fs::path effect_out = UseDiskDevice("effect.raw", 5);
  MixerPlayer& effect_player = Install(std::make_unique<MixerPlayer>());
  EXPECT_EQ(effect_player.DriverName(), "disk");
  PlaySoundEffect(6);
  effect_player.Sync();
  WaitForSound(effect_out, 0.3);
  SetSoundPlayer(nullptr);
  EXPECT_GT(Peak(ReadRawSamples(effect_out)), 8000);

  const fs::path song_out = UseDiskDevice("song.raw", 5);
  MixerPlayer& song_player = Install(std::make_unique<MixerPlayer>(kSongSoundFont, Live()));
  StartBackgroundMusic();
  song_player.Sync();
  WaitForSound(song_out, 0.5);
  SetSoundPlayer(nullptr);
  EXPECT_GT(Peak(ReadRawSamples(song_out)), 1000);
}

TEST_F(MixerTest, NothingPlaysWithSoundOffOrFromAMissingFile) {
  WriteToneWav(dir_ / "snd/snd6.kvr", 0.3);
  const fs::path out = UseDiskDevice("silent.raw", 5);
  MixerPlayer& player = Install(std::make_unique<MixerPlayer>());
  SoundOn = false;
  PlaySoundEffect(6);
  SoundOn = true;
  PlaySoundEffect(7);
  player.PlayEffect(8, dir_.string() + "/snd/" + std::string(300, 'x') + ".kvr");
  player.Sync();
  WaitForSound(out, 0.3);
  SetSoundPlayer(nullptr);
  const auto samples = ReadRawSamples(out);
  EXPECT_FALSE(samples.empty());
  EXPECT_EQ(Peak(samples), 0);
}

TEST_F(MixerTest, ANewEffectReplacesTheOnePlaying) {
  WriteToneWav(dir_ / "snd/snd1.kvr", 10.0);
  WriteToneWav(dir_ / "snd/snd2.kvr", 0.05, 0);  // silence
  const fs::path out = UseDiskDevice("replaced.raw", 5);
  MixerPlayer& player = Install(std::make_unique<MixerPlayer>());
  PlaySoundEffect(1);
  player.Sync();
  WaitForSound(out, 0.1);
  PlaySoundEffect(2);
  player.Sync();
  WaitForSound(out, 0.2);
  SetSoundPlayer(nullptr);
  const auto samples = ReadRawSamples(out);
  ASSERT_GT(samples.size(), 8192u);
  EXPECT_GT(Peak(samples), 8000);
  EXPECT_EQ(Peak({samples.end() - 4096, samples.end()}), 0);
}

// Neither the environment nor the machine's default SoundFont stands in for the one the player
// is given: with that one missing, songs are silent.
TEST_F(MixerTest, SongsUseOnlyTheGivenSoundFont) {
  WriteArpeggioMidi(dir_ / "snd/pc1.mid", 8);
  setenv("SDL_SOUNDFONTS", kSongSoundFont, 1);
  setenv("SDL_FORCE_SOUNDFONTS", "1", 1);
  const fs::path out = UseDiskDevice("nofont.raw", 5);
  MixerPlayer& player = Install(std::make_unique<MixerPlayer>((dir_ / "missing.sf2").string(), Live()));
  StartBackgroundMusic();
  player.Sync();
  WaitForSound(out, 0.5);
  SetSoundPlayer(nullptr);
  const auto samples = ReadRawSamples(out);
  EXPECT_FALSE(samples.empty());
  EXPECT_EQ(Peak(samples), 0);
}

// The mixer notices the end on its audio thread; the next song starts only when the
// user-interface thread runs what was posted. A song stopped or replaced on purpose reports
// nothing, and a song that cannot be opened leaves the music stopped.
TEST_F(MixerTest, ASongsEndIsReportedOnTheUserInterfaceThreadAndSongTwentyIsFollowedByOne) {
  WriteArpeggioMidi(dir_ / "snd/pc20.mid", 1);
  WriteArpeggioMidi(dir_ / "snd/pc1.mid", 400);
  UseDiskDevice("songs.raw", 1);
  MixerPlayer& player = Install(std::make_unique<MixerPlayer>(kSongSoundFont, Live()));
  SongNumber = 19;
  StartNextSong();
  ASSERT_EQ(SongNumber, 20);
  for (int i = 0; i < 500 && SongNumber == 20; ++i) {
    std::this_thread::sleep_for(20ms);
    platform::RunPostedTasks();
  }
  ASSERT_EQ(SongNumber, 1);

  player.Sync();
  StartNextSong();  // song 2 does not exist: song 1 is replaced by nothing
  player.Sync();
  platform::RunPostedTasks();
  EXPECT_EQ(SongNumber, 2);

  SongNumber = 0;
  StartNextSong();
  player.Sync();
  CloseMediaPlayer();
  player.Sync();
  std::this_thread::sleep_for(50ms);
  platform::RunPostedTasks();
  EXPECT_EQ(SongNumber, 1);
}

// Without a device there is no audio thread and nothing plays; the song asked for is started
// when a later sound finds a device. SDL's dummy driver counts as no device.
TEST_F(MixerTest, WithoutADeviceThePlayerStaysClosedAndTriesAgainOnTheNextSound) {
  WriteToneWav(dir_ / "snd/snd6.kvr", 0.1);
  WriteArpeggioMidi(dir_ / "snd/pc1.mid", 400);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  {
    MixerPlayer player;
    EXPECT_EQ(player.DriverName(), "");
    EXPECT_FALSE(player.DeviceOpen());
  }
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", (dir_ / "no/such/dir/out.raw").c_str(), 1);
  MixerPlayer& player =
      Install(std::make_unique<MixerPlayer>(kSongSoundFont, Live({0ms, 10000ms})));
  EXPECT_EQ(player.DriverName(), "");
  PlaySoundEffect(6);
  WriteArpeggioMidi(dir_ / "snd/pc2.mid", 4);
  StartBackgroundMusic();
  EXPECT_FALSE(player.DeviceOpen());
  player.WaitForRenderings();
  EXPECT_FALSE(fs::exists(dir_ / "cache"));  // no song plays, so none is rendered

  // A device turns up: the next effect opens it, and the song asked for starts with it.
  const fs::path out = UseDiskDevice("later.raw", 5);
  PlaySoundEffect(6);
  EXPECT_TRUE(player.DeviceOpen());
  WaitForSound(out, 1.0);
  SetSoundPlayer(nullptr);
  const auto samples = ReadRawSamples(out);
  ASSERT_GT(samples.size(), 44100u);
  // The effect is 0.1 s long; sound half a second on is the song's.
  EXPECT_GT(Peak({samples.begin() + 44100, samples.end()}), 1000);
}

// A failed opening is not repeated for every sound, only after the retry interval.
TEST_F(MixerTest, AFailedOpeningIsRetriedOnlyAfterTheInterval) {
  WriteToneWav(dir_ / "snd/snd6.kvr", 0.1);
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", (dir_ / "no/such/dir/out.raw").c_str(), 1);
  MixerPlayer& player =
      Install(std::make_unique<MixerPlayer>(kSongSoundFont, MixerPlayer::Timing{300ms, 10000ms}));
  EXPECT_EQ(player.DriverName(), "");
  UseDiskDevice("retry.raw", 5);
  PlaySoundEffect(6);
  EXPECT_FALSE(player.DeviceOpen());
  std::this_thread::sleep_for(350ms);
  PlaySoundEffect(6);
  EXPECT_TRUE(player.DeviceOpen());
}

// With nothing playing for the quiet interval the device is closed, and the next sound opens it.
TEST_F(MixerTest, TheDeviceClosesWhenQuietAndOpensForTheNextSound) {
  WriteToneWav(dir_ / "snd/snd6.kvr", 0.05);
  WriteArpeggioMidi(dir_ / "snd/pc1.mid", 400);
  const fs::path out = UseDiskDevice("quiet.raw", 5);
  MixerPlayer& player =
      Install(std::make_unique<MixerPlayer>(kSongSoundFont, Live({10000ms, 100ms})));
  EXPECT_EQ(player.DriverName(), "disk");
  PlaySoundEffect(6);
  EXPECT_TRUE(player.DeviceOpen());
  bool closed = false;
  for (int i = 0; i < 300 && !closed; ++i) {
    std::this_thread::sleep_for(10ms);
    closed = !player.DeviceOpen();
  }
  EXPECT_TRUE(closed);

  // A song keeps it open past the quiet interval.
  StartBackgroundMusic();
  EXPECT_TRUE(player.DeviceOpen());
  std::this_thread::sleep_for(400ms);
  EXPECT_TRUE(player.DeviceOpen());
  WaitForSound(out, 0.3);
  SetSoundPlayer(nullptr);
  EXPECT_GT(Peak(ReadRawSamples(out)), 1000);
}

// A rendered song plays on a device of its own: the effects' device opens for an effect and
// closes when quiet while the song plays on, and stopping the song leaves no device open.
TEST_F(MixerTest, ARenderedSongPlaysOnWhileTheEffectsDeviceOpensAndCloses) {
  WriteToneWav(dir_ / "snd/snd6.kvr", 0.05);
  WriteArpeggioMidi(dir_ / "snd/pc1.mid", 16);
  const std::string midi = *ReadWholeFile((dir_ / "snd/pc1.mid").string());
  const std::string cache = SongCachePath(midi, kSongSoundFont);
  fs::create_directories(fs::path(cache).parent_path());
  ASSERT_TRUE(RenderSongToCache(midi, kSongSoundFont, cache));
  // The song's device writes 186 ms of sound per 50 ms here, the effects' device 46 ms.
  const fs::path out = UseDiskDevice("both.raw", 50);
  MixerPlayer& player = Install(std::make_unique<MixerPlayer>(kSongSoundFont, MixerTiming{10000ms, 100ms}));
  StartBackgroundMusic();
  PlaySoundEffect(6);
  EXPECT_TRUE(player.DeviceOpen());
  std::this_thread::sleep_for(400ms);  // the effect is over and its device closed
  EXPECT_TRUE(player.DeviceOpen());
  WaitForSound(out, 1.0);
  const auto samples = ReadRawSamples(out);
  ASSERT_GT(samples.size(), 44100u);
  EXPECT_GT(Peak({samples.end() - 22050, samples.end()}), 1000) << "the song goes on";
  StopBackgroundMusic();
  EXPECT_FALSE(player.DeviceOpen());
}

// A sound played to its end holds the caller for its length; without a device, or without the
// file, it returns at once.
TEST_F(MixerTest, ASoundPlayedToItsEndHoldsTheCallerForItsLength) {
  WriteToneWav(dir_ / "snd44.kvr", 0.6);
  auto timed = [](const std::string& path) {
    const auto start = std::chrono::steady_clock::now();
    Sound().PlayToEnd(path);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  };
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  Install(std::make_unique<MixerPlayer>()).DriverName();
  EXPECT_LT(timed((dir_ / "snd44.kvr").string()), 0.3);
  UseDiskDevice("to_end.raw", 5);
  Install(std::make_unique<MixerPlayer>()).DriverName();
  const double held = timed((dir_ / "snd44.kvr").string());
  EXPECT_GE(held, 0.59);
  EXPECT_LT(held, 2.0);
  EXPECT_LT(timed((dir_ / "missing.kvr").string()), 0.3);
}

// The root mean square of `seconds` of sound from the first that is not silent.
double Rms(const std::vector<std::int16_t>& samples, double seconds) {
  const auto start = std::find_if(samples.begin(), samples.end(), [](std::int16_t v) { return v != 0; });
  const auto n =
      std::min<std::ptrdiff_t>(samples.end() - start, static_cast<std::ptrdiff_t>(seconds * 44100 * 2));
  double sum = 0;
  for (auto it = start; it != start + n; ++it) sum += double(*it) * *it;
  return n > 0 ? std::sqrt(sum / n) : 0;
}

// A song played live is rendered meanwhile, with the one after it (the two synthesizers are made
// at about the same time); next time it plays from the cache, as loud as it was live, and its end
// is reported like a live song's. A song not rendered yet, or whose rendering is damaged, waits
// for its rendering and plays from it.
TEST_F(MixerTest, ASongIsRenderedOnceAndThenPlayedFromTheCache) {
  WriteArpeggioMidi(dir_ / "snd/pc1.mid", 8);
  WriteArpeggioMidi(dir_ / "snd/pc2.mid", 4);
  auto cache_of = [this](int song) {
    return SongCachePath(*ReadWholeFile((dir_ / "snd" / ("pc" + std::to_string(song) + ".mid")).string()),
                         kSongSoundFont);
  };
  auto play_song_one = [this](const std::string& name, MixerTiming timing = {}) {
    const fs::path out = UseDiskDevice(name, 5);
    MixerPlayer& player = Install(std::make_unique<MixerPlayer>(kSongSoundFont, timing));
    StartBackgroundMusic();
    player.Sync();
    // A song waiting for its rendering starts when the rendering is done.
    player.WaitForRenderings();
    player.Sync();
    WaitForSound(out, 3.0);
    player.WaitForRenderings();
    SetSoundPlayer(nullptr);
    return ReadRawSamples(out);
  };
  // Waiting a millisecond for the rendering, the song is synthesized live while it renders.
  MixerTiming impatient;
  impatient.render_wait = 1ms;
  const auto live = play_song_one("live.raw", impatient);
  ASSERT_TRUE(LoadCachedSong(cache_of(1)));
  ASSERT_TRUE(LoadCachedSong(cache_of(2)));
  const auto cached = play_song_one("cached.raw");
  ASSERT_GT(Rms(live, 3.0), 100);
  EXPECT_NEAR(Rms(cached, 3.0) / Rms(live, 3.0), 1.0, 0.2);
  fs::remove(cache_of(1));
  const auto waited = play_song_one("waited.raw");
  EXPECT_TRUE(LoadCachedSong(cache_of(1)));
  EXPECT_NEAR(Rms(waited, 3.0) / Rms(live, 3.0), 1.0, 0.2);

  WriteArpeggioMidi(dir_ / "silent.mid", 8, 0);
  ASSERT_TRUE(RenderSongToCache(*ReadWholeFile((dir_ / "silent.mid").string()), kSongSoundFont, cache_of(1)));
  EXPECT_EQ(Peak(play_song_one("silent.raw")), 0);

  // The end of a song played from the cache starts the next one.
  UseDiskDevice("next.raw", 1);
  Install(std::make_unique<MixerPlayer>());
  SongNumber = 0;
  StartBackgroundMusic();
  for (int i = 0; i < 500 && SongNumber == 1; ++i) {
    std::this_thread::sleep_for(20ms);
    platform::RunPostedTasks();
  }
  EXPECT_EQ(SongNumber, 2);
  SetSoundPlayer(nullptr);

  fs::resize_file(cache_of(1), fs::file_size(cache_of(1)) - 100);
  EXPECT_GT(Peak(play_song_one("damaged.raw")), 1000);
  EXPECT_TRUE(LoadCachedSong(cache_of(1)));
}

}  // namespace
}  // namespace pd::testing
