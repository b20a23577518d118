#include "model/random.h"

#include <chrono>
#include <cmath>
#include <random>

namespace tarvix {

namespace {

std::uint64_t splitmix64(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

std::uint64_t os_entropy() {
  std::random_device device;
  return (std::uint64_t{device()} << 32) ^ device();
}

}  // namespace

int Random::whole(int a, int b) {
  return static_cast<int>(std::floor(fraction() * (b - a + 1) + a));
}

SeededRandom::SeededRandom(std::uint64_t seed) { restart(seed); }

void SeededRandom::restart(std::uint64_t seed) {
  for (auto& word : s_) word = splitmix64(seed);
}

std::uint64_t SeededRandom::next() {
  const std::uint64_t result = rotl(s_[1] * 5, 7) * 9;
  const std::uint64_t t = s_[1] << 17;
  s_[2] ^= s_[0];
  s_[3] ^= s_[1];
  s_[1] ^= s_[2];
  s_[0] ^= s_[3];
  s_[2] ^= t;
  s_[3] = rotl(s_[3], 45);
  return result;
}

double SeededRandom::fraction() {
  // 53 random bits give every double in [0, 1) on the 2^-53 grid.
  return static_cast<double>(next() >> 11) * 0x1.0p-53;
}

void SeededRandom::stir(std::uint64_t entropy) {
  for (auto& word : s_) word ^= splitmix64(entropy);
  if ((s_[0] | s_[1] | s_[2] | s_[3]) == 0) s_[0] = 1;
}

EntropyRandom::EntropyRandom() : SeededRandom(os_entropy()) {}

void EntropyRandom::reseed() {
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  stir(os_entropy() ^ static_cast<std::uint64_t>(ticks));
}

}  // namespace tarvix
