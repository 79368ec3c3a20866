// Songs rendered once and kept: each MIDI song is synthesized with the program's SoundFont into
// Ogg Vorbis in the user's cache directory, so that playing it later costs a decoder's work
// instead of a synthesizer's. The MIDI files stay the songs: a cached rendering is named by a
// hash of the MIDI bytes, the SoundFont's identity and the render settings, so a change of any of
// them makes a new rendering, and a cache that is gone or damaged only means rendering again.
//
// A cache file is the Ogg stream followed by a trailer (a magic word, the stream's length and a
// checksum of it); a file whose trailer does not match its contents is never played.
#pragma once

#include <atomic>
#include <chrono>
#include <optional>
#include <string>

namespace pd {

// How songs are rendered; part of every cache key.
struct SongRenderSettings {
  int sample_rate = 44100;
  // The synthesizer's master gain: what live playback through the mixer uses at the music's
  // volume (half of full), so a rendering played at full volume sounds as loud as live.
  float gain = 0.6f;
  // Vorbis variable-bitrate quality, -0.1..1 (0.4 is about 128 kbit/s for stereo).
  float quality = 0.4f;
};

// $XDG_CACHE_HOME/pindoodle/songs/ (by default ~/.cache/pindoodle/songs/), with its trailing
// slash; empty when there is no home to put it in.
std::string SongCacheDir();

// The name of the rendering of these MIDI bytes with the SoundFont file (its path, size and time
// of change stand for its contents) and settings: 16 hex digits.
std::string SongCacheKey(const std::string& midi, const std::string& soundfont,
                         const SongRenderSettings& settings = {});

// SongCacheDir() + SongCacheKey(...) + ".ogg"; empty when there is no cache directory.
std::string SongCachePath(const std::string& midi, const std::string& soundfont,
                          const SongRenderSettings& settings = {});

// Sets up the synthesizer library's shared tables, once a run, and waits for them. The library
// does that when its first synthesizer is made, but a synthesizer made on another thread
// meanwhile starts from what is set up so far (without the velocity and volume attenuation,
// several decibels too loud). Called before every synthesizer that may be made beside another:
// by every rendering and by the live player; whichever comes second waits for the first.
void PrepareSynthesizers();

// Renders the MIDI bytes with the SoundFont into the cache file path (written whole under a
// temporary name and renamed over). Gives up, writing nothing, when the MIDI or the SoundFont
// cannot be read or *cancel becomes true. Runs on any thread; touches nothing of the mixer's.
bool RenderSongToCache(const std::string& midi, const std::string& soundfont, const std::string& path,
                       const SongRenderSettings& settings = {}, const std::atomic<bool>* cancel = nullptr);

// The Ogg stream of a cache file whose trailer matches it; nothing for a missing, truncated or
// damaged file.
std::optional<std::string> LoadCachedSong(const std::string& path);

// Marks a rendering as played now (its time of change), so that pruning keeps it.
void TouchCachedSong(const std::string& path);

// Removes from the cache directory dir the renderings not played for max_age (those of songs or
// SoundFonts since changed), and the temporary files of writes that were cut short a day ago.
void PruneSongCache(const std::string& dir, std::chrono::hours max_age = std::chrono::hours(24 * 90));

// The bytes of a whole file; nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

}  // namespace pd
