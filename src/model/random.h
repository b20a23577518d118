// The game's one random source: uniform fractions in [0, 1).
//
// The deal, the computer players' fold draw and the newcomers' names ask for
// a re-seed before they draw. Re-seeding from the clock would make two decks
// drawn within one clock tick identical, so a re-seed here never restarts the
// sequence: the seeded source ignores it (a seed replays a whole tournament)
// and the game's own source stirs fresh entropy into its state.
#pragma once

#include <cstdint>

namespace tarvix {

class Random {
 public:
  virtual ~Random() = default;
  virtual double fraction() = 0;  // uniform in [0, 1)
  virtual void reseed() = 0;

  // A whole number from a to b: floor(r * (b - a + 1) + a).
  int whole(int a, int b);
};

// xoshiro256**, seeded through splitmix64; deterministic for a seed.
class SeededRandom : public Random {
 public:
  explicit SeededRandom(std::uint64_t seed);
  // Starts the sequence again from this seed, as if made with it.
  void restart(std::uint64_t seed);
  double fraction() override;
  void reseed() override {}

 protected:
  std::uint64_t next();
  void stir(std::uint64_t entropy);

 private:
  std::uint64_t s_[4];
};

// Seeded from the operating system's entropy; every re-seed mixes in more.
class EntropyRandom : public SeededRandom {
 public:
  EntropyRandom();
  void reseed() override;
};

}  // namespace tarvix
