#include "sound/synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "sound/sounds.h"

namespace tarvix::sound {

namespace {

constexpr double two_pi = 2.0 * std::numbers::pi;
constexpr double loudness_window_ms = 30.0;
constexpr double loudness_step_ms = 5.0;
// A partial is left out once it has died below this.
constexpr double inaudible = 1e-4;

// 0 at the start of the span, 1 at its end, smoothly.
double raised_cosine(double x) {
  return 0.5 - 0.5 * std::cos(std::numbers::pi * std::clamp(x, 0.0, 1.0));
}

// xorshift32: the same noise on every machine.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed == 0 ? 1 : seed) {}
  double next() {
    state_ ^= state_ << 13U;
    state_ ^= state_ >> 17U;
    state_ ^= state_ << 5U;
    return static_cast<double>(state_) / 2147483648.0 - 1.0;
  }

 private:
  std::uint32_t state_;
};

// A band-pass biquad (constant peak gain) whose centre may move each sample.
class BandPass {
 public:
  double run(double x, double hz, double q) {
    const double w = two_pi * hz / sample_rate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    const double b0 = alpha / a0;
    const double a1 = -2.0 * std::cos(w) / a0;
    const double a2 = (1.0 - alpha) / a0;
    const double y = b0 * x - b0 * x2_ - a1 * y1_ - a2 * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
  }

 private:
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

double loudest_window(const Samples& s) {
  const auto window = static_cast<std::size_t>(samples_in(loudness_window_ms));
  const auto step = static_cast<std::size_t>(samples_in(loudness_step_ms));
  double loudest = 0;
  for (std::size_t begin = 0; begin < s.size(); begin += step) {
    const std::size_t end = std::min(s.size(), begin + window);
    double sum = 0;
    for (std::size_t i = begin; i < end; ++i) sum += static_cast<double>(s[i]) * s[i];
    loudest = std::max(loudest, sum / static_cast<double>(window));
  }
  return std::sqrt(loudest);
}

}  // namespace

int samples_in(double ms) { return static_cast<int>(std::lround(ms * sample_rate / 1000.0)); }

void strike(Samples& out, const Note& note, std::initializer_list<Partial> partials) {
  const int begin = samples_in(note.at_ms);
  const int attack = std::max(1, samples_in(note.attack_ms));
  for (const Partial& p : partials) {
    const double hz = note.hz * p.ratio;
    if (hz >= sample_rate / 2.0) continue;
    const double fall = std::exp(-1000.0 / (p.decay_ms * sample_rate));
    double level = note.level * p.level;
    for (int i = begin; i < static_cast<int>(out.size()) && level > inaudible; ++i) {
      const int t = i - begin;
      const double rise = t < attack ? raised_cosine(static_cast<double>(t) / attack) : 1.0;
      out[static_cast<std::size_t>(i)] +=
          static_cast<float>(level * rise * std::sin(two_pi * hz * t / sample_rate));
      level *= fall;
    }
  }
}

void rustle(Samples& out, const Rustle& r) {
  const int begin = samples_in(r.at_ms);
  const int rise = std::max(1, samples_in(r.rise_ms));
  const int fall = std::max(1, samples_in(r.fall_ms));
  const int length = rise + fall;
  Noise noise(r.seed);
  // Two sections: one alone lets a hiss through far above the band.
  BandPass filter;
  BandPass again;
  for (int t = 0; t < length && begin + t < static_cast<int>(out.size()); ++t) {
    const double x = static_cast<double>(t) / length;
    const double hz = r.from_hz * std::pow(r.to_hz / r.from_hz, x);
    const double shape = t < rise ? raised_cosine(static_cast<double>(t) / rise)
                                  : 1.0 - raised_cosine(static_cast<double>(t - rise) / fall);
    out[static_cast<std::size_t>(begin + t)] +=
        static_cast<float>(r.level * shape * again.run(filter.run(noise.next(), hz, r.q), hz, r.q));
  }
}

void finish(Samples& out, double fade_ms, double loudness, double peak) {
  const auto fade = std::min(out.size(), static_cast<std::size_t>(samples_in(fade_ms)));
  for (std::size_t i = 0; i < fade; ++i) {
    const double x = static_cast<double>(i + 1) / static_cast<double>(fade);
    out[out.size() - fade + i] *= static_cast<float>(1.0 - raised_cosine(x));
  }
  const double now = loudest_window(out);
  if (now <= 0) return;
  double gain = loudness / now;
  const float highest = std::abs(*std::max_element(
      out.begin(), out.end(), [](float a, float b) { return std::abs(a) < std::abs(b); }));
  if (highest * gain > peak) gain = peak / highest;
  for (float& s : out) s *= static_cast<float>(gain);
}

}  // namespace tarvix::sound
