// The pictures of the stamps and the clip art: animals, vehicles, food, plants, people, the sky
// and the sea, each drawn in a 100 x 100 design frame through a Sketch, so that one drawing serves
// the 32 x 32 icon stamps, the 64 x 64 square stamps, the large stamps and the metafiles.
#pragma once

#include <string>
#include <vector>

#include "sketch.h"

namespace art {

struct Subject {
  std::string name;   // also the clip-art file name
  double l, t, r, b;  // the part of the design frame the drawing covers
  // tint 0 gives the subject's own colours; 1, 2, ... give other bright colourings of it.
  void (*draw)(Sketch& s, int tint);
};

const std::vector<Subject>& Subjects();
const Subject& SubjectNamed(const std::string& name);

}  // namespace art
