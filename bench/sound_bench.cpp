// What handing a sound to the player costs the game's thread while the
// player's thread is mixing and writing to an output that takes each write
// as long as it sounds, as the sound server does. (From an idle player, with
// the real server, tools/sound_latency times it.)
//
//   build-bench/bench/sound_bench
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "sound/player.h"

namespace tarvix::sound {
namespace {

class PacedOutput : public Output {
 public:
  bool open(std::string&) override { return true; }
  bool write(const Frames& frames, std::string&) override {
    std::this_thread::sleep_for(
        std::chrono::duration<double>(static_cast<double>(frames.size()) / sample_rate));
    return true;
  }
};

void BM_PlayWhileMixing(benchmark::State& state) {
  Player player([](const std::string&) {}, [] { return std::make_unique<PacedOutput>(); });
  // Started, and mixing a long sound, before the timing starts.
  player.play(Sound::won);
  for (auto _ : state) player.play(Sound::card_dealt);
}
BENCHMARK(BM_PlayWhileMixing);

}  // namespace
}  // namespace tarvix::sound
