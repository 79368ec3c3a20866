// The order of the songs, the sound switches and the SOUND CONTROL action, on the headless main
// window with a player that writes down what it is asked to do.
#include <string>
#include <vector>

#include "../app/app_fixture.h"
#include "core/snapshot.h"
#include "gdi/bmp.h"
#include "media/jukebox.h"
#include "media/music.h"
#include "media_files.h"

namespace pd::testing {
namespace {

// "effect N", "song pcN.mid" (the file name only) and "stop", in order.
class LoggingSound : public SoundPlayer {
 public:
  explicit LoggingSound(std::vector<std::string>* log) : log_(log) {}
  void PlayEffect(int number, const std::string&) override {
    log_->push_back("effect " + std::to_string(number));
  }
  void PlaySong(const std::string& path) override {
    log_->push_back("song " + fs::path(path).filename().string());
  }
  void StopSong() override { log_->push_back("stop"); }

 private:
  std::vector<std::string>* log_;
};

class MusicTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    SetSoundPlayer(std::make_unique<LoggingSound>(&log_));
  }
  void TearDown() override {
    platform::SetModalScript({});
    AppTest::TearDown();
  }

  // Runs the SOUND CONTROL action; in the window, clicks the given switches in turn (4 sound,
  // 7 music), then the close picture.
  void VisitJukebox(const std::vector<int>& clicks) {
    platform::SetModalScript([clicks](platform::Form& form) {
      auto& jukebox = static_cast<Tjukebox&>(form);
      for (int image : clicks)
        platform::headless::Click(image == 4 ? jukebox.Image4() : jukebox.Image7(), 16, 16);
      platform::headless::Click(jukebox.Image8(), 20, 20);
      return jukebox.ModalResult();
    });
    SoundControl();
  }

  std::vector<std::string> log_;
};

TEST_F(MusicTest, SongsFollowOneAnotherAndSongTwentyIsFollowedBySongOne) {
  // The first paint started song 1.
  EXPECT_EQ(SongNumber, 1);
  EXPECT_TRUE(MusicPlaying);
  for (int i = 0; i < 20; ++i) MediaPlayer1Notify();
  ASSERT_EQ(log_.size(), 20u);
  EXPECT_EQ(log_[0], "song pc2.mid");
  EXPECT_EQ(log_[18], "song pc20.mid");
  EXPECT_EQ(log_[19], "song pc1.mid");
}

TEST_F(MusicTest, MusicOffEndsTheMusicAtTheEndOfTheSongAndSoundOffSilencesOnlyEffects) {
  MusicOn = false;
  MediaPlayer1Notify();
  EXPECT_TRUE(log_.empty());

  MusicOn = true;
  SoundOn = false;
  PlaySoundEffect(6);
  MediaPlayer1Notify();
  EXPECT_EQ(log_, std::vector<std::string>{"song pc2.mid"});
}

TEST_F(MusicTest, SwitchingTheMusicOffAndOnAgainInOneVisitChangesNothing) {
  VisitJukebox({7, 7});
  EXPECT_TRUE(log_.empty());
  EXPECT_TRUE(MusicOn);
  EXPECT_TRUE(MusicPlaying);
  EXPECT_EQ(SongNumber, 1);
}

TEST_F(MusicTest, MusicSwitchedOffStopsAtOnceAndSwitchedOnStartsTheNextSong) {
  VisitJukebox({7});
  EXPECT_FALSE(MusicOn);
  EXPECT_EQ(log_, std::vector<std::string>{"stop"});

  VisitJukebox({});
  EXPECT_EQ(log_.size(), 1u);

  VisitJukebox({7});
  EXPECT_TRUE(MusicOn);
  EXPECT_EQ(log_.back(), "song pc2.mid");
  EXPECT_FALSE(MusicPlaying);
}

// The switches show the picture of their state, the sound switch toggles SoundOn, and the
// canvas comes back from its snapshot afterwards.
TEST_F(MusicTest, TheSwitchesShowTheirStateAndTheCanvasIsRestored) {
  const fs::path dir = ScratchDir("jukebox");
  const std::vector<std::pair<const char*, gdi::COLORREF>> pictures = {
      {kSoundOnPicture, gdi::RGB(0, 255, 0)},    {kSoundOffPicture, gdi::RGB(255, 0, 0)},
      {kMusicOnPicture, gdi::RGB(0, 0, 255)},    {kMusicOffPicture, gdi::RGB(255, 255, 0)},
      {kJukeboxClosePicture, gdi::RGB(0, 0, 0)}, {kJukeboxBackground, gdi::RGB(0, 0, 0)}};
  for (const auto& [name, colour] : pictures) {
    const int size = name == std::string(kJukeboxBackground) ? 320 : 40;
    gdi::HBITMAP bmp = gdi::CreateDIBSection32(size, size);
    bmp->Fill(gdi::PixelFromColorref(colour));
    ASSERT_TRUE(gdi::SaveBmp24((dir / name).string(), *bmp, nullptr));
  }
  AssetDir = dir.string() + "/";
  SaveCanvasSnapshot();
  FillCanvas(gdi::RGB(0, 0, 255));
  SoundOn = false;
  MusicOn = false;

  gdi::COLORREF sound_before = 0, sound_after = 0, music = 0;
  platform::SetModalScript([&](platform::Form& form) {
    auto& jukebox = static_cast<Tjukebox&>(form);
    sound_before = platform::headless::PixelAt(jukebox.Image4(), 5, 5);
    music = platform::headless::PixelAt(jukebox.Image7(), 5, 5);
    platform::headless::Click(jukebox.Image4(), 16, 16);
    sound_after = platform::headless::PixelAt(jukebox.Image4(), 5, 5);
    return platform::mrOk;
  });
  SoundControl();
  EXPECT_EQ(sound_before, gdi::RGB(255, 0, 0));
  EXPECT_EQ(sound_after, gdi::RGB(0, 255, 0));
  EXPECT_EQ(music, gdi::RGB(255, 255, 0));
  EXPECT_TRUE(SoundOn);
  EXPECT_EQ(CountCanvas(gdi::RGB(0, 0, 255)), 0);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace pd::testing
