#include "media/music.h"

#include <string>

#include "core/assets.h"
#include "core/state.h"
#include "media/sound.h"

namespace pd {

namespace {

std::string SongPath(int number) {
  return AssetPath("snd/pc" + std::to_string(number) + ".mid");
}

}  // namespace

void StartNextSong() {
  SongNumber = SongNumber >= kSongCount ? 1 : SongNumber + 1;
  Sound().PlaySong(SongPath(SongNumber));
  Sound().PrepareSong(SongPath(SongNumber >= kSongCount ? 1 : SongNumber + 1));
}

void CloseMediaPlayer() {
  Sound().StopSong();
}

void MediaPlayer1Notify() {
  if (MusicOn) StartNextSong();
}

void StartBackgroundMusic() {
  SongNumber = 0;
  StartNextSong();
  MusicPlaying = true;
}

void StopBackgroundMusic() {
  CloseMediaPlayer();
  MusicPlaying = false;
}

}  // namespace pd
