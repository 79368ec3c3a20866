// The recipes of the sound effects. A child hears these hundreds of times, so they are short,
// soft at both ends and built from sines, struck bars and filtered noise rather than from
// buzzy waveforms. Each one sounds like what it answers: a click for a button, a swoosh for a
// flip, a whistle for the train. Loudness is evened out afterwards by Finish().
#include "effects.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace soundgen {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

Curve Flat(double hz) {
  return [hz](double) { return hz; };
}

// An exponential pitch glide from one frequency to another over `over` seconds, then steady.
Curve Glide(double from, double to, double over) {
  return [=](double t) { return from * std::pow(to / from, std::min(t, over) / over); };
}

// A soft sine with a touch of second harmonic, the plain "boop" of several effects.
Samples SoftTone(double seconds, const Curve& pitch) {
  return Voice(seconds, pitch, {{1.0, 1.0, 0.0}, {2.0, 0.15, 0.0}, {3.0, 0.04, 0.0}});
}

Samples Finished(Samples s) {
  Finish(s);
  return s;
}

// 1: BOMB. The fuse fizzes while the bomb sprite plays its eight frames of 90 ms, then a soft,
// round boom as the rings race outwards.
Samples Bomb() {
  constexpr double kFuse = 0.72;
  Samples fuse = BandNoise(
      kFuse, 101, [](double t) { return 3800.0 + 900.0 * std::sin(kTwoPi * 7.0 * t); }, 2.5);
  // The fizz flickers every 10 ms, as a burning fuse does.
  Noise crackle(102);
  std::vector<double> flicker(static_cast<std::size_t>(kFuse / 0.01) + 1);
  for (double& level : flicker) level = 0.5 + 0.5 * crackle.Unit();
  const Curve swell = Swell(0.06, kFuse);
  Shape(fuse, [&](double t) {
    return flicker[std::min(flicker.size() - 1, static_cast<std::size_t>(t / 0.01))] * swell(t);
  });
  Samples boom =
      Voice(1.0, Glide(120.0, 40.0, 0.45), {{1.0, 1.0, 0.32}, {2.0, 0.35, 0.12}, {3.0, 0.1, 0.06}}, 0.006);
  // Small loudspeakers barely play the low boom, so a higher thump carries it.
  Samples thump = Voice(0.5, Glide(230.0, 90.0, 0.2), {{1.0, 1.0, 0.1}, {2.0, 0.3, 0.05}}, 0.004);
  Samples rumble = LowNoise(1.0, 103, Glide(1400.0, 160.0, 0.5));
  Shape(rumble, ExpDecay(0.16));
  Samples out;
  MixInto(out, fuse, 0.0, 0.25);
  MixInto(out, boom, kFuse, 0.9);
  MixInto(out, thump, kFuse, 0.6);
  MixInto(out, rumble, kFuse, 1.6);
  return Finished(out);
}

// 3: end of LASER LINE. A bright "pew" falling in pitch, with a fast shimmer.
Samples Laser() {
  Samples s = Voice(
      0.32,
      [](double t) { return Glide(1800.0, 330.0, 0.26)(t) * (1.0 + 0.02 * std::sin(kTwoPi * 32.0 * t)); },
      {{1.0, 1.0, 0.0}, {2.0, 0.22, 0.0}, {3.0, 0.08, 0.0}});
  Shape(s, ExpDecay(0.11));
  return Finished(s);
}

// 4: end of IRREGULAR SHAPE. A wobbly rising squiggle, like the shape the child scribbled.
Samples Squiggle() {
  Samples s = SoftTone(0.42, [](double t) {
    return 420.0 * std::pow(2.0, t * 2.4) * (1.0 + 0.1 * std::sin(kTwoPi * 13.0 * t));
  });
  Shape(s, Swell(0.03, 0.42));
  return Finished(s);
}

// 5: tab change and the end of the stamp and clip-art tools. A soft "thup", like a rubber stamp.
Samples Stamp() {
  Samples s = Voice(0.17, Glide(330.0, 110.0, 0.07), {{1.0, 1.0, 0.05}, {2.0, 0.35, 0.025}});
  Samples slap = BandNoise(0.04, 501, Flat(1300.0), 1.0);
  Shape(slap, ExpDecay(0.008));
  MixInto(s, slap, 0.0, 0.5);
  return Finished(s);
}

// 6: every tool-button press. A short, light click.
Samples Click() {
  Samples s = Voice(0.07, Flat(2100.0), {{1.0, 1.0, 0.012}, {1.5, 0.35, 0.007}}, 0.001);
  Samples tick = BandNoise(0.02, 601, Flat(3200.0), 2.0);
  Shape(tick, ExpDecay(0.004));
  MixInto(s, tick, 0.0, 0.4);
  return Finished(s);
}

// 7: end of 3D BALL. A springy "boing" of a bouncing ball.
Samples Boing() {
  Samples s = Voice(
      0.6, [](double t) { return 260.0 * (1.0 + 0.45 * std::exp(-t / 0.18) * std::sin(kTwoPi * 9.0 * t)); },
      {{1.0, 1.0, 0.3}, {2.0, 0.3, 0.15}, {3.0, 0.12, 0.08}});
  return Finished(s);
}

// 8: end of LINE. A quick rising "zip", as straight as the line.
Samples Zip() {
  Samples s = SoftTone(0.19, Glide(350.0, 2200.0, 0.15));
  Shape(s, Swell(0.02, 0.19));
  return Finished(s);
}

// 9: end of RECTANGLE. Two wood-block knocks, square and boxy.
Samples WoodBlocks() {
  auto knock = [](double hz, std::uint32_t seed) {
    Samples s = Voice(0.13, Flat(hz), {{1.0, 1.0, 0.028}, {2.71, 0.4, 0.01}}, 0.001);
    Samples tap = BandNoise(0.02, seed, Flat(hz * 3.0), 2.0);
    Shape(tap, ExpDecay(0.004));
    MixInto(s, tap, 0.0, 0.3);
    return s;
  };
  Samples out;
  MixInto(out, knock(820.0, 901), 0.0);
  MixInto(out, knock(1080.0, 902), 0.11);
  return Finished(out);
}

// 10: end of HEXAGON. Six quick mallet notes running up, one for each side.
Samples SixNotes() {
  const double notes[] = {523.25, 587.33, 659.26, 783.99, 880.0, 1046.5};
  Samples out;
  for (int i = 0; i < 6; ++i) MixInto(out, Mallet(notes[i], 0.32), 0.06 * i, 0.7);
  return Finished(out);
}

// 11: end of STAR. A sparkle of high bells.
Samples Sparkle() {
  const double notes[] = {1318.5, 1975.5, 1568.0, 2349.3, 2637.0};
  Samples out;
  for (int i = 0; i < 5; ++i) MixInto(out, Bell(notes[i], 0.5, 0.8), 0.065 * i, 0.6);
  return Finished(out);
}

// 12: end of OCTAGON. A two-note "ding-dong", like a doorbell.
Samples DingDong() {
  Samples out;
  MixInto(out, Bell(659.26, 0.65, 0.35), 0.0);
  MixInto(out, Bell(523.25, 0.65, 0.35), 0.28);
  return Finished(out);
}

// 13: end of ROUNDED RECTANGLE. A round, soft "bwoop".
Samples Bwoop() {
  Samples s = SoftTone(
      0.3, [](double t) { return Glide(400.0, 800.0, 0.2)(t) * (1.0 + 0.01 * std::sin(kTwoPi * 7.0 * t)); });
  Shape(s, Swell(0.05, 0.3));
  return Finished(s);
}

// 14: end of DIAMOND. A glassy "ting-ting".
Samples GlassPing() {
  auto ping = [](double hz, double seconds) {
    return Voice(seconds, Flat(hz),
                 {{1.0, 1.0, 0.2}, {2.0, 0.25, 0.08}, {3.01, 0.12, 0.04}, {4.17, 0.08, 0.02}}, 0.002);
  };
  Samples out;
  MixInto(out, ping(1760.0, 0.6), 0.0);
  MixInto(out, ping(2637.0, 0.55), 0.09, 0.7);
  return Finished(out);
}

// 15: start of PENCIL. A little scribbling scratch.
Samples Scratch() {
  Samples s = BandNoise(
      0.2, 1501, [](double t) { return 3400.0 + 700.0 * std::sin(kTwoPi * 23.0 * t); }, 2.0);
  Shape(s, [swell = Swell(0.012, 0.2)](double t) {
    return swell(t) * (0.55 + 0.45 * std::fabs(std::sin(kTwoPi * 17.0 * t)));
  });
  Soften(s, 6000.0);
  return Finished(s);
}

// 16: STARS screen. A cascade of twinkling bells, falling like the night sky appears.
Samples Twinkle() {
  const double notes[] = {2093.0, 1760.0, 1568.0, 1318.5, 1174.7, 1046.5, 880.0, 784.0};
  Samples out;
  for (int i = 0; i < 8; ++i) MixInto(out, Bell(notes[i], 0.5, 0.6), 0.07 * i, 0.55);
  return Finished(out);
}

// 21: colour-row press. A small rising "blip".
Samples Blip() {
  Samples s = Voice(0.11, Glide(600.0, 900.0, 0.05), {{1.0, 1.0, 0.04}, {2.0, 0.15, 0.02}});
  return Finished(s);
}

// 22: shade-swatch press and the fill-style chooser. A light "plink", higher than the colour row.
Samples Plink() {
  return Finished(Bell(1568.0, 0.22, 0.3));
}

// 25: end of TRAPEZOID. Two xylophone notes stepping up.
Samples TwoNotesUp() {
  Samples out;
  MixInto(out, Mallet(523.25, 0.35), 0.0);
  MixInto(out, Mallet(783.99, 0.4), 0.12);
  return Finished(out);
}

// 26: end of ELLIPSE. A water-drop "bloop".
Samples Bloop() {
  Samples s = Voice(0.24, [](double t) { return std::min(1400.0, 340.0 * std::pow(2.0, t / 0.045)); },
                    {{1.0, 1.0, 0.06}, {2.0, 0.1, 0.03}});
  return Finished(s);
}

// 29: end of 3D RING. "Ring-ring", a bicycle bell.
Samples BicycleBell() {
  auto strike = [] {
    return Voice(0.3, Flat(2000.0), {{1.0, 1.0, 0.12}, {1.51, 0.45, 0.08}, {2.24, 0.25, 0.05}}, 0.002);
  };
  Samples out;
  for (double at : {0.0, 0.035, 0.07, 0.105, 0.33, 0.365, 0.4, 0.435}) MixInto(out, strike(), at, 0.5);
  return Finished(out);
}

// 32: end of FLIP. A swoosh that rises and falls, like a page turned over.
Samples FlipSwoosh() {
  Samples s = BandNoise(
      0.46, 3201, [](double t) { return 500.0 + 3200.0 * std::sin(std::numbers::pi * t / 0.46); }, 1.5);
  Shape(s, Swell(0.2, 0.46));
  return Finished(s);
}

// 33: start of BUG SPLAT. A wet, squelchy splat.
Samples Splat() {
  Samples body = LowNoise(0.3, 3301, Glide(2600.0, 300.0, 0.15));
  Shape(body, ExpDecay(0.07));
  Samples squelch = BandNoise(0.3, 3302, Glide(1500.0, 450.0, 0.2), 4.0);
  Shape(squelch, ExpDecay(0.06));
  Samples thud = Voice(0.2, Glide(210.0, 70.0, 0.1), {{1.0, 1.0, 0.05}});
  Samples out;
  MixInto(out, body, 0.0, 1.0);
  MixInto(out, squelch, 0.01, 1.4);
  MixInto(out, thud, 0.0, 0.5);
  Soften(out, 5000.0);
  return Finished(out);
}

// 34: option-panel presses and picture paging. A soft wooden "tok", lower than the button click.
Samples Tok() {
  Samples s = Voice(0.08, Flat(1100.0), {{1.0, 1.0, 0.016}, {2.4, 0.3, 0.006}}, 0.001);
  Samples tap = BandNoise(0.02, 3401, Flat(2500.0), 2.0);
  Shape(tap, ExpDecay(0.003));
  MixInto(s, tap, 0.0, 0.3);
  return Finished(s);
}

// 36: cancel and close buttons of dialogs. Two soft notes stepping down, "boop-boop".
Samples BoopBoop() {
  Samples first = SoftTone(0.13, Flat(783.99));
  Shape(first, Swell(0.01, 0.13));
  Samples second = SoftTone(0.2, Flat(523.25));
  Shape(second, Swell(0.01, 0.2));
  Samples out;
  MixInto(out, first, 0.0);
  MixInto(out, second, 0.11);
  return Finished(out);
}

// 39: UNDO. A falling "whoop" with a backwards swoosh, as if the last stroke were rewound.
Samples Rewind() {
  Samples s = SoftTone(0.36, Glide(1300.0, 330.0, 0.3));
  Shape(s, Swell(0.05, 0.36));
  Samples air = BandNoise(0.36, 3901, Glide(3000.0, 600.0, 0.3), 1.2);
  Shape(air, Swell(0.25, 0.35));
  MixInto(s, air, 0.0, 0.3);
  return Finished(s);
}

// 41 and 42: BILLY BRUSH turning one way and the other. Skis swishing on snow.
Samples Swish(std::uint32_t seed, double from, double to) {
  Samples s = BandNoise(0.3, seed, Glide(from, to, 0.3), 1.2);
  Shape(s, Swell(0.09, 0.3));
  return Finished(s);
}
Samples SwishRight() {
  return Swish(4101, 1900.0, 1200.0);
}
Samples SwishLeft() {
  return Swish(4201, 1100.0, 1700.0);
}

// 43: the end of BILLY BRUSH. A little "ta-da" fanfare.
Samples TaDa() {
  auto horn = [](double hz, double seconds) {
    Samples s = Voice(seconds, [hz](double t) { return hz * (1.0 + 0.004 * std::sin(kTwoPi * 5.5 * t)); },
                      {{1.0, 1.0, 0.0}, {2.0, 0.45, 0.0}, {3.0, 0.25, 0.0}, {4.0, 0.1, 0.0}});
    Shape(s, Swell(0.015, seconds));
    return s;
  };
  Samples out;
  MixInto(out, horn(523.25, 0.12), 0.0, 0.8);
  MixInto(out, horn(659.26, 0.12), 0.1, 0.8);
  MixInto(out, horn(783.99, 0.12), 0.2, 0.8);
  MixInto(out, horn(1046.5, 0.6), 0.3, 1.0);
  Soften(out, 5000.0);
  return Finished(out);
}

// "snd44.kvr": BILLY BRUSH sets off. A rising slide whistle, "wheee!". The animation waits for it,
// so it stays under a second.
Samples Wheee() {
  Samples s = SoftTone(0.85, [](double t) {
    return 480.0 * std::pow(2.0, t * 1.7) * (1.0 + 0.015 * std::sin(kTwoPi * 6.0 * t));
  });
  Shape(s, Swell(0.06, 0.85));
  return Finished(s);
}

// 45: TRAIN. Two toots of a steam whistle, then the engine chuffs away.
Samples Train() {
  auto toot = [](double seconds, std::uint32_t seed) {
    Samples s = Voice(
        seconds, [](double t) { return 523.25 * (0.94 + 0.06 * std::min(1.0, t / 0.06)); },
        {{1.0, 1.0, 0.0}, {1.26, 0.8, 0.0}, {1.5, 0.7, 0.0}, {2.0, 0.12, 0.0}}, 0.02);
    Samples breath = BandNoise(seconds, seed, Flat(1600.0), 3.0);
    MixInto(s, breath, 0.0, 0.5);
    Shape(s, Swell(0.04, seconds));
    return s;
  };
  Samples out;
  MixInto(out, toot(0.3, 4501), 0.0);
  MixInto(out, toot(0.55, 4502), 0.38);
  for (int i = 0; i < 4; ++i) {
    Samples chuff = LowNoise(0.14, 4510 + i, Flat(1300.0));
    Shape(chuff, [swell = Swell(0.012, 0.14)](double t) { return swell(t) * std::exp(-t / 0.05); });
    MixInto(out, chuff, 1.0 + 0.15 * i, i % 2 ? 1.4 : 2.0);
  }
  return Finished(out);
}

// 46: end of 3D ROUNDED RECTANGLE. A cork "pop" and a bright chime.
Samples PopChime() {
  Samples pop = Voice(0.07, Glide(900.0, 450.0, 0.03), {{1.0, 1.0, 0.015}}, 0.001);
  Samples out;
  MixInto(out, pop, 0.0, 1.0);
  MixInto(out, Bell(1046.5, 0.5, 0.6), 0.07, 0.7);
  MixInto(out, Bell(1568.0, 0.5, 0.5), 0.14, 0.6);
  return Finished(out);
}

// 47: quitting. "Bye-bye": three bells stepping down to rest.
Samples ByeBye() {
  Samples out;
  MixInto(out, Bell(783.99, 0.4, 0.4), 0.0);
  MixInto(out, Bell(659.26, 0.4, 0.4), 0.15);
  MixInto(out, Bell(523.25, 0.62, 0.4), 0.3);
  return Finished(out);
}

// 48: start of BUCKET. Paint poured out: three glugging bubbles.
Samples Glug() {
  Samples out;
  const double bases[] = {310.0, 250.0, 200.0};
  for (int i = 0; i < 3; ++i) {
    const double base = bases[i];
    Samples bubble =
        Voice(0.1, [base](double t) { return base * std::pow(2.0, t / 0.035); }, {{1.0, 1.0, 0.035}});
    MixInto(out, bubble, 0.11 * i);
  }
  return Finished(out);
}

// 63: start of TYPING. A typewriter's clack and bell.
Samples TypewriterBell() {
  Samples clack = BandNoise(0.04, 6301, Flat(2400.0), 1.5);
  Shape(clack, ExpDecay(0.006));
  Samples ding = Voice(0.6, Flat(1975.5), {{1.0, 1.0, 0.2}, {2.76, 0.2, 0.05}, {5.4, 0.06, 0.02}}, 0.002);
  Samples out;
  MixInto(out, clack, 0.0, 0.8);
  MixInto(out, ding, 0.04, 0.9);
  return Finished(out);
}

// 70: BLACK HOLE. A swirling whoosh that spirals down into a deep hum, and a soft gulp as the
// hole closes.
Samples BlackHole() {
  Samples swirl = BandNoise(
      1.05, 7001,
      [](double t) { return 2400.0 * std::pow(0.08, t / 1.05) * (1.0 + 0.25 * std::sin(kTwoPi * 9.0 * t)); },
      2.0);
  Shape(swirl, Swell(0.15, 1.05));
  Samples hum = SoftTone(1.05, [](double t) {
    return 330.0 * std::pow(0.2, t / 1.05) * (1.0 + 0.04 * std::sin(kTwoPi * 7.0 * t));
  });
  Shape(hum, Swell(0.3, 1.05));
  Samples gulp = Voice(0.25, Glide(260.0, 60.0, 0.2), {{1.0, 1.0, 0.08}, {2.0, 0.3, 0.04}}, 0.003);
  Samples out;
  MixInto(out, swirl, 0.0, 1.0);
  MixInto(out, hum, 0.0, 0.6);
  MixInto(out, gulp, 1.05, 0.9);
  return Finished(out);
}

// 71: PAPER. The sheet crackles as it is scrunched into a ball, then flies off with a whoosh.
Samples Paper() {
  Samples out;
  Noise when(7101);
  for (int i = 0; i < 26; ++i) {
    const double at = 0.62 * i / 26.0 + 0.02 * when.Unit();
    Samples crackle = BandNoise(0.035, 7110 + i, Flat(2500.0 + 2500.0 * when.Unit()), 1.2);
    Shape(crackle, ExpDecay(0.006 + 0.006 * when.Unit()));
    MixInto(out, crackle, at, 0.5 + 0.5 * when.Unit());
  }
  Samples toss = BandNoise(0.45, 7102, Glide(500.0, 2600.0, 0.4), 1.6);
  Shape(toss, Swell(0.18, 0.45));
  MixInto(out, toss, 0.72, 1.2);
  return Finished(out);
}

// 72: SHADE. The spring ratchet clicks faster and faster as the shade whizzes up, then flaps
// round the roller.
Samples Shade() {
  Samples out;
  double at = 0.0;
  for (int i = 0; at < 0.88; ++i) {
    Samples click = BandNoise(0.02, 7201 + i, Flat(3200.0), 3.0);
    Shape(click, ExpDecay(0.003));
    Fade(click, 0.001, 0.005);
    MixInto(out, click, at, 0.8);
    at += 0.012 + 0.07 * std::pow(1.0 - at / 0.9, 2.0);
  }
  for (int i = 0; i < 3; ++i) {
    Samples flap = LowNoise(0.08, 7250 + i, Flat(900.0));
    Shape(flap, [swell = Swell(0.01, 0.08)](double t) { return swell(t) * std::exp(-t / 0.03); });
    MixInto(out, flap, 0.9 + 0.07 * i, 1.6 - 0.4 * i);
  }
  return Finished(out);
}

// 73: BUG SPLATTED WINDSHIELD. Six splats, one for each wave of bugs, then the wiper's squeaky
// swish.
Samples Windshield() {
  Samples out;
  for (int i = 0; i < 6; ++i) {
    Samples body = LowNoise(0.16, 7301 + i, Glide(2400.0 - 150.0 * i, 300.0, 0.1));
    Shape(body, ExpDecay(0.04));
    Samples thud = Voice(0.12, Glide(240.0 - 15.0 * i, 80.0, 0.08), {{1.0, 1.0, 0.04}});
    MixInto(out, body, 0.128 * i, 1.0);
    MixInto(out, thud, 0.128 * i, 0.5);
  }
  Samples swish = BandNoise(
      0.6, 7310, [](double t) { return 700.0 + 1800.0 * std::sin(std::numbers::pi * t / 0.6); }, 1.4);
  Shape(swish, Swell(0.2, 0.6));
  Samples squeak = SoftTone(0.5, [](double t) { return 1500.0 + 350.0 * std::sin(kTwoPi * 2.0 * t); });
  Shape(squeak, Swell(0.1, 0.5));
  MixInto(out, swish, 0.78, 1.0);
  MixInto(out, squeak, 0.82, 0.18);
  return Finished(out);
}

// 74: MORPH. A shimmering, wobbling rise with bells stepping up as the background appears.
Samples Morph() {
  Samples wub = SoftTone(1.0, [](double t) {
    return 260.0 * std::pow(2.0, t * 1.5) * (1.0 + 0.06 * std::sin(kTwoPi * 6.0 * t));
  });
  Shape(wub, Swell(0.2, 1.0));
  Samples out;
  MixInto(out, wub, 0.0, 0.7);
  const double notes[] = {523.25, 659.26, 783.99, 1046.5, 1318.5};
  for (int i = 0; i < 5; ++i) MixInto(out, Bell(notes[i], 0.5, 0.5), 0.18 * i, 0.5);
  return Finished(out);
}

}  // namespace

const std::vector<Effect>& Effects() {
  static const std::vector<Effect> effects = {
      {"snd/snd1.kvr", "BOMB", Bomb},
      {"snd/snd3.kvr", "end of LASER LINE", Laser},
      {"snd/snd4.kvr", "end of IRREGULAR SHAPE", Squiggle},
      {"snd/snd5.kvr", "tab change; end of the stamp and clip-art tools", Stamp},
      {"snd/snd6.kvr", "every tool-button press", Click},
      {"snd/snd7.kvr", "end of 3D BALL", Boing},
      {"snd/snd8.kvr", "end of LINE", Zip},
      {"snd/snd9.kvr", "end of RECTANGLE", WoodBlocks},
      {"snd/snd10.kvr", "end of HEXAGON", SixNotes},
      {"snd/snd11.kvr", "end of STAR", Sparkle},
      {"snd/snd12.kvr", "end of OCTAGON", DingDong},
      {"snd/snd13.kvr", "end of ROUNDED RECTANGLE", Bwoop},
      {"snd/snd14.kvr", "end of DIAMOND", GlassPing},
      {"snd/snd15.kvr", "start of PENCIL", Scratch},
      {"snd/snd16.kvr", "STARS screen", Twinkle},
      {"snd/snd21.kvr", "colour-row press", Blip},
      {"snd/snd22.kvr", "shade-swatch press; fill-style chooser", Plink},
      {"snd/snd25.kvr", "end of TRAPEZOID", TwoNotesUp},
      {"snd/snd26.kvr", "end of ELLIPSE", Bloop},
      {"snd/snd29.kvr", "end of 3D RING", BicycleBell},
      {"snd/snd32.kvr", "end of FLIP", FlipSwoosh},
      {"snd/snd33.kvr", "start of BUG SPLAT", Splat},
      {"snd/snd34.kvr", "option-panel presses; picture paging", Tok},
      {"snd/snd36.kvr", "cancel and close buttons of dialogs", BoopBoop},
      {"snd/snd39.kvr", "UNDO", Rewind},
      {"snd/snd41.kvr", "BILLY BRUSH, first pose", SwishRight},
      {"snd/snd42.kvr", "BILLY BRUSH, fifth pose", SwishLeft},
      {"snd/snd43.kvr", "BILLY BRUSH, end", TaDa},
      {"snd/snd45.kvr", "TRAIN", Train},
      {"snd/snd46.kvr", "end of 3D ROUNDED RECTANGLE", PopChime},
      {"snd/snd47.kvr", "quitting", ByeBye},
      {"snd/snd48.kvr", "start of BUCKET", Glug},
      {"snd/snd63.kvr", "start of TYPING", TypewriterBell},
      {"snd/snd70.kvr", "BLACK HOLE screen", BlackHole},
      {"snd/snd71.kvr", "PAPER screen", Paper},
      {"snd/snd72.kvr", "SHADE screen", Shade},
      {"snd/snd73.kvr", "BUG SPLATTED WINDSHIELD screen", Windshield},
      {"snd/snd74.kvr", "MORPH screen", Morph},
      {"snd44.kvr", "BILLY BRUSH sets off (played to the end before the animation goes on)", Wheee},
  };
  return effects;
}

}  // namespace soundgen
