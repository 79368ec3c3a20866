#include "drums.h"

namespace soundgen {

std::vector<DrumLine> GrooveLines(Groove groove) {
  switch (groove) {
    case Groove::kSoft:
      return {{kKick, "x.......o.......", true},
              {kSideStick, "....o.......o...", false},
              {kClosedHat, "o...o...o...o...", true}};
    case Groove::kPop:
      return {{kKick, "x.......x.x.....", true},
              {kSnare, "....x.......x...", false},
              {kClosedHat, "x.o.x.o.x.o.x.o.", true}};
    case Groove::kCountry:
      return {{kKick, "x.......x.......", true},
              {kSnare, "....x.......x...", false},
              {kMaracas, "o.x.o.x.o.x.o.x.", true}};
    case Groove::kMarch:
      return {{kKick, "x.......x.......", true},
              {kSnare, "o.o.X.o.o.o.X.oo", false},
              {kClosedHat, "x...x...x...x...", true}};
    case Groove::kSwing:
      return {{kKick, "o.......o.......", true},
              {kRide, "x...x..ox...x..o", true},
              {kPedalHat, "....x.......x...", false}};
    case Groove::kJingle:
      return {{kKick, "x.......x.......", true},
              {kClap, "....x.......x...", false},
              {kTambourine, "xoxoxoxoxoxoxoxo", true}};
    case Groove::kSix:
      return {
          {kKick, "x.....o.....", true}, {kClap, "......x.....", false}, {kClosedHat, "x.o.o.x.o.o.", true}};
    case Groove::kWaltz:
      return {{kKick, "x...........", true},
              {kClosedHat, "....x...x...", true},
              {kTambourine, "....o...o...", false}};
  }
  return {};
}

int DrumVelocity(char mark) {
  return mark == 'X' ? 105 : mark == 'x' ? 85 : 55;
}

}  // namespace soundgen
