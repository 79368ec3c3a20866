#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace soundgen {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kPartialLimitHz = 16000.0;

double TimeOf(std::size_t i) {
  return static_cast<double>(i) / kSampleRate;
}

// A state-variable filter in its trapezoidal form: stable for any cut-off below Nyquist, even
// when the cut-off changes from one sample to the next.
class StateVariableFilter {
 public:
  struct Out {
    double low, band;
  };
  Out Step(double x, double cutoff_hz, double q) {
    const double fc = std::clamp(cutoff_hz, 20.0, kSampleRate * 0.45);
    const double g = std::tan(std::numbers::pi * fc / kSampleRate);
    const double k = 1.0 / q;
    const double a1 = 1.0 / (1.0 + g * (g + k));
    const double a2 = g * a1;
    const double a3 = g * a2;
    const double v3 = x - ic2_;
    const double v1 = a1 * ic1_ + a2 * v3;
    const double v2 = ic2_ + a2 * ic1_ + a3 * v3;
    ic1_ = 2.0 * v1 - ic1_;
    ic2_ = 2.0 * v2 - ic2_;
    return {v2, v1};
  }

 private:
  double ic1_ = 0.0;
  double ic2_ = 0.0;
};

}  // namespace

double Noise::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return static_cast<double>(state_) / 2147483648.0 - 1.0;
}

int SampleCount(double seconds) {
  return static_cast<int>(std::lround(seconds * kSampleRate));
}

Samples Silence(double seconds) {
  return Samples(static_cast<std::size_t>(SampleCount(seconds)), 0.0f);
}

Samples Voice(double seconds, const Curve& pitch, std::initializer_list<Partial> partials, double attack) {
  Samples out = Silence(seconds);
  std::vector<double> phase(partials.size(), 0.0);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i);
    const double hz = pitch(t);
    double sum = 0.0;
    std::size_t p = 0;
    for (const Partial& partial : partials) {
      const double f = hz * partial.ratio;
      if (f < kPartialLimitHz) {
        const double gain = partial.decay > 0.0 ? partial.gain * std::exp(-t / partial.decay) : partial.gain;
        sum += gain * std::sin(phase[p]);
      }
      phase[p] = std::fmod(phase[p] + kTwoPi * f / kSampleRate, kTwoPi);
      ++p;
    }
    out[i] = static_cast<float>(sum);
  }
  Fade(out, attack, 0.0);
  return out;
}

Samples Bell(double hz, double seconds, double brightness) {
  const double b = std::clamp(brightness, 0.0, 1.0);
  return Voice(
      seconds, [hz](double) { return hz; },
      {{1.0, 1.0, seconds * 0.35},
       {2.756, 0.5 * b, seconds * 0.12},
       {5.404, 0.25 * b, seconds * 0.06},
       {8.933, 0.12 * b, seconds * 0.03}},
      0.002);
}

Samples Mallet(double hz, double seconds) {
  return Voice(
      seconds, [hz](double) { return hz; },
      {{1.0, 1.0, seconds * 0.3}, {3.93, 0.35, 0.02}, {9.2, 0.12, 0.008}}, 0.002);
}

Samples BandNoise(double seconds, std::uint32_t seed, const Curve& centre, double q) {
  Samples out = Silence(seconds);
  Noise noise(seed);
  StateVariableFilter filter;
  for (std::size_t i = 0; i < out.size(); ++i) {
    out[i] = static_cast<float>(filter.Step(noise.Next(), centre(TimeOf(i)), q).band);
  }
  return out;
}

Samples LowNoise(double seconds, std::uint32_t seed, const Curve& cutoff) {
  Samples out = Silence(seconds);
  Noise noise(seed);
  StateVariableFilter filter;
  for (std::size_t i = 0; i < out.size(); ++i) {
    out[i] = static_cast<float>(filter.Step(noise.Next(), cutoff(TimeOf(i)), 0.7).low);
  }
  return out;
}

void Shape(Samples& s, const Curve& gain) {
  for (std::size_t i = 0; i < s.size(); ++i) s[i] = static_cast<float>(s[i] * gain(TimeOf(i)));
}

void Fade(Samples& s, double in_seconds, double out_seconds) {
  const std::size_t n = s.size();
  const std::size_t in = std::min<std::size_t>(n, static_cast<std::size_t>(SampleCount(in_seconds)));
  const std::size_t out = std::min<std::size_t>(n, static_cast<std::size_t>(SampleCount(out_seconds)));
  for (std::size_t i = 0; i < in; ++i) {
    s[i] = static_cast<float>(s[i] * 0.5 * (1.0 - std::cos(std::numbers::pi * i / in)));
  }
  for (std::size_t i = 0; i < out; ++i) {
    const double w = 0.5 * (1.0 - std::cos(std::numbers::pi * i / out));
    s[n - 1 - i] = static_cast<float>(s[n - 1 - i] * w);
  }
}

void MixInto(Samples& dst, const Samples& src, double at_seconds, double gain) {
  const std::size_t at = static_cast<std::size_t>(std::max(0, SampleCount(at_seconds)));
  if (dst.size() < at + src.size()) dst.resize(at + src.size(), 0.0f);
  for (std::size_t i = 0; i < src.size(); ++i) dst[at + i] += static_cast<float>(src[i] * gain);
}

void Soften(Samples& s, double cutoff_hz) {
  const double a = 1.0 - std::exp(-kTwoPi * cutoff_hz / kSampleRate);
  double y = 0.0;
  for (float& x : s) {
    y += a * (x - y);
    x = static_cast<float>(y);
  }
}

Curve ExpDecay(double tau) {
  return [tau](double t) { return std::exp(-t / tau); };
}

Curve Swell(double rise, double end) {
  return [rise, end](double t) {
    if (t >= end) return 0.0;
    if (t < rise) return 0.5 * (1.0 - std::cos(std::numbers::pi * t / rise));
    return 0.5 * (1.0 + std::cos(std::numbers::pi * (t - rise) / (end - rise)));
  };
}

double ShortTermLoudness(const Samples& s) {
  const std::size_t window = static_cast<std::size_t>(SampleCount(0.05));
  const std::size_t hop = static_cast<std::size_t>(SampleCount(0.005));
  if (s.empty()) return 0.0;
  double best = 0.0;
  for (std::size_t start = 0;; start += hop) {
    const std::size_t end = std::min(s.size(), start + window);
    double sum = 0.0;
    for (std::size_t i = start; i < end; ++i) sum += static_cast<double>(s[i]) * s[i];
    // Sounds shorter than one window count as if padded with silence to a full window.
    best = std::max(best, std::sqrt(sum / static_cast<double>(window)));
    if (end == s.size()) break;
  }
  return best;
}

void Finish(Samples& s) {
  // A first-order high-pass at 25 Hz takes out any offset that asymmetric noise or a glide left.
  const double a = std::exp(-kTwoPi * 25.0 / kSampleRate);
  double prev_x = 0.0;
  double prev_y = 0.0;
  for (float& x : s) {
    const double y = a * (prev_y + x - prev_x);
    prev_x = x;
    prev_y = y;
    x = static_cast<float>(y);
  }
  Fade(s, 0.002, 0.015);

  const double loudness = ShortTermLoudness(s);
  double peak = 0.0;
  for (float x : s) peak = std::max(peak, static_cast<double>(std::fabs(x)));
  if (loudness <= 0.0 || peak <= 0.0) return;
  const double gain = std::min(kTargetLoudness / loudness, kPeakCeiling / peak);
  for (float& x : s) x = static_cast<float>(x * gain);
}

}  // namespace soundgen
