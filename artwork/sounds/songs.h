// The twenty background songs: traditional tunes in our own arrangements, one after another
// in the order the program plays them ("pc1.mid" is the first).
#pragma once

#include <vector>

namespace soundgen {

enum class Metre { kFourFour, kThreeFour, kSixEight };

// How the chord instrument accompanies.
enum class Comping {
  kPad,       // held chords
  kOffbeat,   // short chords between the bass notes
  kArpeggio,  // broken chords in eighths
  kWaltz,     // "oom-pah-pah": chords on the second and third beats
  kRocking,   // 6/8: a chord on each dotted quarter
};

// Drum patterns (see arranger.cpp for the grids).
enum class Groove { kSoft, kPop, kCountry, kMarch, kSwing, kJingle, kSix, kWaltz };

struct Song {
  const char* title;
  Metre metre;
  int key;             // pitch class of the written key, for the harmony line
  const char* melody;  // in the notation of notation.h
  const char* chords;
  int passes;     // times the written tune plays in one verse
  int tempo;      // beats per minute: quarters, or dotted quarters in 6/8
  int transpose;  // semitones from the written key to the sounding one
  int lead;       // General MIDI programs, counted from 0
  int second;
  int comp;
  int bass;
  int second_octave;  // semitones added to the second instrument's melody
  Comping comping;
  Groove groove;
  bool round;          // the second instrument enters two bars behind the first
  int target_seconds;  // the verses repeat to come close to this length
  // Mix level in percent of the channel volumes. The instruments of the General MIDI SoundFont
  // the program plays with differ in loudness; these even the songs out.
  int level;
};

const std::vector<Song>& Songs();

}  // namespace soundgen
