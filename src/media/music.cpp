#include "media/music.h"

#include "app/state.h"
#include "media/sound.h"

namespace pd {

void StartBackgroundMusic() {
  MusicPlaying = true;
  Sound().PlaySong(AssetDir + "snd/pc1.mid");
}

void StopBackgroundMusic() {
  Sound().StopSong();
  MusicPlaying = false;
}

}  // namespace pd
