// Sound effects and background music, reached through one replaceable player so that tests can
// record what the program plays instead of making noise.
#pragma once

#include <memory>
#include <string>

namespace pd {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Plays a wave file asynchronously; a new sound replaces the one playing. A missing file is
  // silent.
  virtual void PlayEffect(int number, const std::string& path) = 0;
  // Starts a MIDI song; Stop ends it without starting the next one.
  virtual void PlaySong(const std::string& path) = 0;
  virtual void StopSong() = 0;
  // Says which song is likely to be asked for next, so that it can be made ready meanwhile.
  virtual void PrepareSong(const std::string& path) { (void)path; }
  // Plays a wave file and returns when it has played to its end (a new sound first stops the one
  // playing). Returns at once when there is no sound device or no such file, and by default.
  virtual void PlayToEnd(const std::string& path) { (void)path; }
};

// The player in use; never null (a silent one until the program installs a real one).
SoundPlayer& Sound();
// Installs a player and returns the previous one.
std::unique_ptr<SoundPlayer> SetSoundPlayer(std::unique_ptr<SoundPlayer> player);

// Plays "snd/snd" + number + ".kvr" from the asset directory (the name matched without regard to
// case) when SoundOn is set.
void PlaySoundEffect(int number);

}  // namespace pd
