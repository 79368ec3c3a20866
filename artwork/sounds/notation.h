// A compact text notation for the tunes, close to the one folk musicians use:
//
//   melody: notes separated by spaces, bars separated by "|". A note is an optional accidental
//   ("^" sharp, "_" flat, "=" natural), a letter (C..B is the octave from middle C, c..b the one
//   above, "z" a rest), octave marks ("'" up, "," down) and a length in eighth notes: "E2" is a
//   quarter, "G3/2" a dotted eighth, "A/" a sixteenth; no number means one eighth. Accidentals
//   apply to their own note only.
//
//   chords: chord symbols per bar ("C", "G7", "Am", "F#m7", "Bbmaj7", "Ddim", "C6"), bars
//   separated by "|". Symbols in a bar share it equally unless one carries a length in eighths
//   after a colon ("G7:2 C:4").
//
// Every bar must add up to exactly one bar of the tune's metre; the parsers throw
// std::invalid_argument naming the bar that does not, so that a slip in the data stops the build.
#pragma once

#include <string>
#include <vector>

namespace soundgen {

inline constexpr int kTicksPerQuarter = 480;
inline constexpr int kTicksPerEighth = kTicksPerQuarter / 2;

struct TuneNote {
  int start;   // ticks from the start of the tune
  int length;  // ticks
  int pitch;   // MIDI key
};

struct TuneChord {
  int start;
  int length;
  int root;                    // pitch class, 0 = C
  std::vector<int> intervals;  // semitones above the root, the root (0) first
};

// Parses a melody into notes (rests leave gaps). bar_ticks is the length of one bar.
std::vector<TuneNote> ParseMelody(const std::string& text, int bar_ticks);
// Parses a chord line into chords covering the tune without gaps.
std::vector<TuneChord> ParseChords(const std::string& text, int bar_ticks);
// The number of bars of a melody or chord line.
int CountBars(const std::string& text);

}  // namespace soundgen
