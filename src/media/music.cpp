#include "media/music.h"

#include <string>

#include "core/assets.h"
#include "core/state.h"
#include "media/sound.h"

namespace pd {

void StartNextSong() {
  SongNumber = SongNumber >= kSongCount ? 1 : SongNumber + 1;
  Sound().PlaySong(AssetPath("snd/pc" + std::to_string(SongNumber) + ".mid"));
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
