// The real sound player: sound effects and MIDI songs through the SDL mixer, songs rendered by
// FluidSynth with the General MIDI SoundFont the program is made for.
//
// All mixer calls happen on one sound thread of the player's own, so that opening the device and
// loading a song (a fraction of a second each: the synthesizer reads the whole SoundFont) never
// hold up the user-interface thread; the calls of SoundPlayer only queue work and return. The
// end of a song is noticed on the mixer's audio thread and handed to the user-interface thread
// (platform::PostToUiThread), where MediaPlayer1Notify runs; a song stopped or replaced on purpose
// reports nothing.
//
// Without a usable sound device (no card, no sound server, a machine without a desktop) the
// player falls back to SDL's "dummy" driver: everything runs as usual, silently. At most one
// MixerPlayer exists at a time.
#pragma once

#include <memory>
#include <string>

#include "media/sound.h"

namespace pd {

// The SoundFont every song is played with; no other installed SoundFont is ever used.
inline constexpr const char* kSongSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

class MixerPlayer final : public SoundPlayer {
 public:
  // Starts the sound thread, which opens the audio device once for the player's whole life.
  // soundfont is for tests; the program plays with kSongSoundFont.
  explicit MixerPlayer(std::string soundfont = kSongSoundFont);
  // Stops everything and closes the audio device (once), waiting for the sound thread.
  ~MixerPlayer() override;
  MixerPlayer(const MixerPlayer&) = delete;
  MixerPlayer& operator=(const MixerPlayer&) = delete;

  void PlayEffect(int number, const std::string& path) override;
  void PlaySong(const std::string& path) override;
  void StopSong() override;

  // Waits until the sound thread has carried out everything asked of it before the call.
  void Sync();
  // The SDL audio driver the device was opened with ("dummy" after the fallback), or an empty
  // string when not even the dummy driver could be opened. Waits for the opening.
  std::string DriverName();

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

// Installs a MixerPlayer as the program's player for the life of the object and puts the silent
// one back at its end. The program makes one in main, before the main window (whose end stops
// the music) and after the application (whose loop runs what the player posts).
class MixerSession {
 public:
  MixerSession();
  ~MixerSession();
  MixerSession(const MixerSession&) = delete;
  MixerSession& operator=(const MixerSession&) = delete;
};

}  // namespace pd
