#include "harness/steady_player.h"

#include "harness/driver.h"
#include "harness/simulator.h"

namespace tarvix::harness {

void play_steadily(Game& game, Policy policy, std::uint64_t seed, Millis think_time,
                   const std::function<bool()>& stop) {
  while (!game.ended() && !stop()) {
    if (game.human_turn_open()) {
      // Thinking takes time; the choice is made where that time ends.
      wait(game, think_time);
      if (!game.human_turn_open()) continue;
      SeededRandom choices(seed ^ (static_cast<std::uint64_t>(game.now()) * fnv_prime));
      play_turn(policy, game, choices);
    } else if (!game.step()) {
      return;
    }
  }
}

}  // namespace tarvix::harness
