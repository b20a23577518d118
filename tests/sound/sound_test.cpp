// The generated sounds, judged on their samples as a listener would: short,
// under the peak, starting and ending without a click, about as loud as each
// other, and each one telling itself apart from the rest.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <string>

#include "sound/sounds.h"

namespace tarvix::sound {
namespace {

using Samples = std::vector<float>;

double ms_of(const Samples& s) { return 1000.0 * static_cast<double>(s.size()) / sample_rate; }

std::size_t samples_of(double ms) { return static_cast<std::size_t>(ms * sample_rate / 1000.0); }

double peak_of(const Samples& s) {
  double peak = 0;
  for (float x : s) peak = std::max(peak, static_cast<double>(std::abs(x)));
  return peak;
}

// The loudest sample within `ms` of the start, or of the end.
double peak_near_start(const Samples& s, double ms) {
  return peak_of(Samples(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(samples_of(ms))));
}
double peak_near_end(const Samples& s, double ms) {
  return peak_of(Samples(s.end() - static_cast<std::ptrdiff_t>(samples_of(ms)), s.end()));
}

// RMS of the loudest 50 ms, in dBFS.
double loudness_db(const Samples& s) {
  const std::size_t window = samples_of(50);
  double loudest = 0;
  for (std::size_t begin = 0; begin + 1 < s.size(); begin += window / 10) {
    double sum = 0;
    for (std::size_t i = begin; i < std::min(s.size(), begin + window); ++i) sum += s[i] * s[i];
    loudest = std::max(loudest, sum / static_cast<double>(window));
  }
  return 10.0 * std::log10(loudest);
}

// How the sound's energy spreads over pitch (32 bands, 100 Hz to 12.8 kHz)
// and over time (20 ms frames across the first second), each normalised.
struct Fingerprint {
  std::vector<double> spectrum;
  std::vector<double> envelope;
};

double goertzel_power(const Samples& s, double hz) {
  const double k = 2.0 * std::cos(2.0 * std::numbers::pi * hz / sample_rate);
  double a = 0, b = 0;
  for (float x : s) {
    const double c = x + k * a - b;
    b = a;
    a = c;
  }
  return a * a + b * b - k * a * b;
}

std::vector<double> normalised(std::vector<double> v) {
  const double norm = std::sqrt(std::inner_product(v.begin(), v.end(), v.begin(), 0.0));
  for (double& x : v) x /= norm;
  return v;
}

Fingerprint fingerprint(const Samples& s) {
  Fingerprint f;
  constexpr int bands = 32;
  for (int b = 0; b < bands; ++b)
    f.spectrum.push_back(std::sqrt(goertzel_power(s, 100.0 * std::pow(2.0, 7.0 * b / bands))));
  const std::size_t frame = samples_of(20);
  for (std::size_t begin = 0; begin < samples_of(1000); begin += frame) {
    double sum = 0;
    for (std::size_t i = begin; i < std::min(s.size(), begin + frame); ++i) sum += s[i] * s[i];
    f.envelope.push_back(std::sqrt(sum));
  }
  f.spectrum = normalised(f.spectrum);
  f.envelope = normalised(f.envelope);
  return f;
}

double likeness(const std::vector<double>& a, const std::vector<double>& b) {
  return std::inner_product(a.begin(), a.end(), b.begin(), 0.0);
}

TEST(Sounds, EachIsShortUnderThePeakAndStartsAndEndsWithoutAClick) {
  int under_400_ms = 0;
  for (Sound sound : all_sounds) {
    SCOPED_TRACE(std::string(name(sound)));
    const Samples s = synthesize(sound);
    ASSERT_GT(s.size(), samples_of(50));
    EXPECT_LE(ms_of(s), 1000);
    under_400_ms += ms_of(s) < 400 ? 1 : 0;
    EXPECT_LE(peak_of(s), peak_limit);
    EXPECT_GT(peak_of(s), 0.1) << "heard at all";
    // A sound that starts or stops at a loud sample steps from silence:
    // a click.
    EXPECT_LT(std::abs(s.front()), 1e-3);
    EXPECT_LT(std::abs(s.back()), 1e-3);
    EXPECT_LT(peak_near_start(s, 0.5), 0.05);
    EXPECT_LT(peak_near_end(s, 2), 0.02);
    EXPECT_EQ(synthesize(sound), s) << "the same every time";
  }
  EXPECT_GE(under_400_ms, static_cast<int>(all_sounds.size()) / 2);
}

TEST(Sounds, AreLevelledToEachOther) {
  std::vector<double> levels;
  for (Sound sound : all_sounds) levels.push_back(loudness_db(synthesize(sound)));
  const auto [quietest, loudest] = std::minmax_element(levels.begin(), levels.end());
  EXPECT_LT(*loudest - *quietest, 6.0)
      << "the quietest is "
      << name(all_sounds.at(static_cast<std::size_t>(quietest - levels.begin())));
}

TEST(Sounds, EachTellsItselfApartFromTheOthers) {
  std::vector<Fingerprint> prints;
  for (Sound sound : all_sounds) prints.push_back(fingerprint(synthesize(sound)));
  for (std::size_t a = 0; a < prints.size(); ++a)
    for (std::size_t b = a + 1; b < prints.size(); ++b) {
      const double spectrum = likeness(prints[a].spectrum, prints[b].spectrum);
      const double envelope = likeness(prints[a].envelope, prints[b].envelope);
      EXPECT_LT(std::min(spectrum, envelope), 0.9)
          << name(all_sounds.at(a)) << " and " << name(all_sounds.at(b)) << " sound alike: pitch "
          << spectrum << ", shape in time " << envelope;
    }
}

}  // namespace
}  // namespace tarvix::sound
