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
// The device is open only while it is needed. Without a usable sound device (no card, no sound
// server, a machine without a desktop, or SDL's silent "dummy" driver) the player stays closed
// and quiet, with no audio thread at all: sounds are dropped, and the song asked for last is
// remembered and started when a device can be opened later (asking again at most once per
// retry interval, when a sound is played). When nothing has played for a while the device is
// closed too, so an idle program is not woken by an audio thread mixing silence; the next
// sound opens it again. A song played from its rendering has a device of its own, with long
// buffers that wake the audio thread a quarter as often; the effects' device, with short ones so
// that an effect answers at once, is then open only while effects play. At most one MixerPlayer
// exists at a time.
//
// A song is played from its rendering in the user's cache (media/songcache.h), which costs a small
// part of live synthesis. A background thread of the lowest priority renders each song, and the
// song after it, when first asked for; a song not rendered yet waits for its rendering (a few
// seconds), so that the program never holds two synthesizers at once, and is synthesized live
// only when it cannot be rendered, there is no cache, or the rendering takes too long.
#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "media/sound.h"

namespace pd {

// The SoundFont every song is played with; no other installed SoundFont is ever used.
inline constexpr const char* kSongSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

struct MixerTiming {
  // How long after a failed opening the device is asked for again.
  std::chrono::milliseconds retry{10000};
  // How long the device stays open with nothing playing.
  std::chrono::milliseconds quiet_close{10000};
  // How long a song not rendered yet waits for its rendering before it is synthesized live
  // (0: at once).
  std::chrono::milliseconds render_wait{8000};
};

class MixerPlayer final : public SoundPlayer {
 public:
  using Timing = MixerTiming;

  // Starts the sound thread, which opens the audio device. soundfont and timing are for tests;
  // the program plays with kSongSoundFont and the default timing.
  explicit MixerPlayer(std::string soundfont = kSongSoundFont, Timing timing = {});
  // Stops everything and closes the audio device (once), waiting for the sound thread.
  ~MixerPlayer() override;
  MixerPlayer(const MixerPlayer&) = delete;
  MixerPlayer& operator=(const MixerPlayer&) = delete;

  void PlayEffect(int number, const std::string& path) override;
  void PlaySong(const std::string& path) override;
  void StopSong() override;
  void PrepareSong(const std::string& path) override;
  // Waits for the sound thread to start the sound, then sleeps for as long as it plays.
  void PlayToEnd(const std::string& path) override;

  // Waits until the sound thread has carried out everything asked of it before the call.
  void Sync();
  // The SDL audio driver the device was first opened with, or an empty string when no device
  // could be opened. Waits for the first opening.
  std::string DriverName();
  // Waits until the songs asked for so far are rendered into the cache (or given up).
  void WaitForRenderings();
  // Whether a device is open now, after everything asked before the call is carried out.
  bool DeviceOpen();

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
