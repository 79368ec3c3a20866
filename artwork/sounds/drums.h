// The drum patterns of the songs, as grids that read like a drummer's chart.
#pragma once

#include <string_view>
#include <vector>

#include "songs.h"

namespace soundgen {

// General MIDI percussion keys.
enum Drum {
  kKick = 36,
  kSideStick = 37,
  kSnare = 38,
  kClap = 39,
  kLowTom = 41,
  kClosedHat = 42,
  kFloorTom = 43,
  kPedalHat = 44,
  kMidTom = 45,
  kLowMidTom = 47,
  kHighMidTom = 48,
  kCrash = 49,
  kHighTom = 50,
  kRide = 51,
  kTambourine = 54,
  kMaracas = 70,
};

// One instrument of a drum pattern: a grid of sixteenths ("X" accent, "x" normal, "o" soft,
// "." silent), and whether it also plays in the light version used for the introduction and the
// first verse. Patterns in 4/4 have 16 steps, those in 3/4 and 6/8 have 12.
struct DrumLine {
  int key;
  std::string_view grid;
  bool light;
};

std::vector<DrumLine> GrooveLines(Groove groove);

// The velocity of a grid mark.
int DrumVelocity(char mark);

}  // namespace soundgen
