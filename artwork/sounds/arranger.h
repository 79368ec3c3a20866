// Turns a tune from the song table into a full arrangement: an introduction, verses that vary
// (a second instrument takes the tune, a harmony line, a sprinkle of broken chords, everyone
// together, the last verse a tone higher), drum fills between verses and a closing chord.
#pragma once

#include <string>

#include "songs.h"

namespace soundgen {

struct ArrangedSong {
  std::string midi;  // a Standard MIDI File, format 1
  double seconds;    // playing time up to the end of the last track
  int verses;
};

// Throws std::invalid_argument when the tune's notation is malformed or its melody and chords
// differ in length.
ArrangedSong Arrange(const Song& song);

}  // namespace soundgen
