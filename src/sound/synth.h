// The building blocks of the game's sounds: a struck mallet's partials and
// filtered noise for paper and felt, written into a buffer at a moment.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace tarvix::sound {

using Samples = std::vector<float>;

// Milliseconds to samples at the game's rate.
int samples_in(double ms);

// One partial of a struck body: its frequency as a ratio of the note's, its
// level and how fast it dies away (the time to fall to 1/e).
struct Partial {
  double ratio;
  double level;
  double decay_ms;
};

// A mallet note: the partials' sum, raised over `attack_ms` with a
// raised-cosine so that no note starts with a step.
struct Note {
  double at_ms;
  double hz;
  double level;
  double attack_ms;
};
void strike(Samples& out, const Note& note, std::initializer_list<Partial> partials);

// Noise through a band-pass filter whose centre glides from `from_hz` to
// `to_hz`, shaped by a raised-cosine rise and a raised-cosine fall.
struct Rustle {
  double at_ms;
  double rise_ms;
  double fall_ms;
  double from_hz;
  double to_hz;
  double q;
  double level;
  std::uint32_t seed;
};
void rustle(Samples& out, const Rustle& rustle);

// Fades the last `ms` of the buffer to silence and scales it so that its
// loudest 30 ms sit at `loudness` (RMS, full scale), never letting a sample
// pass `peak`.
void finish(Samples& out, double fade_ms, double loudness, double peak);

}  // namespace tarvix::sound
