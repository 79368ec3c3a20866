// The sound effects the program plays, one entry per file, each with what plays it.
#pragma once

#include <string>
#include <vector>

#include "synth.h"

namespace soundgen {

struct Effect {
  std::string file;  // relative to the asset directory
  const char* played_by;
  Samples (*make)();
};

// Every effect: "snd/sndN.kvr" for each numbered sound and "snd44.kvr" in the asset directory
// itself. Each make() returns the finished sound, already normalised.
const std::vector<Effect>& Effects();

}  // namespace soundgen
