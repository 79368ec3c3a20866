// A small synthesiser for the sound effects: oscillators with gliding pitch, filtered noise,
// envelopes and a loudness normaliser. Everything works on mono float buffers at kSampleRate with
// full scale at +-1, and everything is deterministic, so that every build writes the same bytes.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

namespace soundgen {

inline constexpr int kSampleRate = 44100;

using Samples = std::vector<float>;
// A value that changes over the sound's time in seconds: a pitch in hertz or a gain.
using Curve = std::function<double(double t)>;

// Xorshift noise, seeded per effect so that effects do not depend on each other's order.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed ? seed : 0x9e3779b9u) {}
  // A uniform value in [-1, 1).
  double Next();
  // A uniform value in [0, 1).
  double Unit() { return (Next() + 1.0) * 0.5; }

 private:
  std::uint32_t state_;
};

int SampleCount(double seconds);
Samples Silence(double seconds);

// One partial of a voice: its frequency as a multiple of the voice's pitch, its starting gain and
// the time constant of its exponential decay in seconds (0 keeps it steady).
struct Partial {
  double ratio;
  double gain;
  double decay;
};

// A sum of sine partials that follow a pitch curve. Partials that would rise above 16 kHz fall
// silent rather than fold back as aliases. The voice starts with a raised-cosine attack.
Samples Voice(double seconds, const Curve& pitch, std::initializer_list<Partial> partials,
              double attack = 0.004);

// A struck bar or small bell: partials at the ratios of a tuned bar, the higher ones dying faster.
Samples Bell(double hz, double seconds, double brightness = 0.5);
// A marimba-like wooden bar: mostly the fundamental with a short knock.
Samples Mallet(double hz, double seconds);

// White noise through a band-pass filter whose centre follows a curve; q sets the width.
Samples BandNoise(double seconds, std::uint32_t seed, const Curve& centre, double q);
// White noise through a low-pass filter whose cut-off follows a curve.
Samples LowNoise(double seconds, std::uint32_t seed, const Curve& cutoff);

// Multiplies every sample by gain(t).
void Shape(Samples& s, const Curve& gain);
// Raised-cosine fades at both ends, so that no sound starts or stops with a click.
void Fade(Samples& s, double in_seconds, double out_seconds);
// Adds src, scaled by gain, starting at the given time; dst grows to fit.
void MixInto(Samples& dst, const Samples& src, double at_seconds, double gain = 1.0);
// A gentle one-pole low-pass, to take the edge off bright sounds.
void Soften(Samples& s, double cutoff_hz);

// Common envelopes.
Curve ExpDecay(double tau);
// Rises over `rise` seconds, holds, and falls to zero at `end` seconds.
Curve Swell(double rise, double end);

// Loudness as the highest RMS over 50 ms windows, in full-scale units.
double ShortTermLoudness(const Samples& s);

// The last step of every effect: removes any DC offset and infrasound, fades both ends and
// scales the sound to the common loudness, never letting a peak above the ceiling.
inline constexpr double kTargetLoudness = 0.16;  // about -16 dBFS over the loudest 50 ms
inline constexpr double kPeakCeiling = 0.84;     // about -1.5 dBFS
void Finish(Samples& s);

}  // namespace soundgen
