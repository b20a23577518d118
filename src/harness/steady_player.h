// Plays the human's seat with a policy whose every choice is drawn from a
// generator seeded by the seed and the game's time, not by what was drawn
// before: a game taken up again from its journal goes on exactly as the one
// that was never interrupted.
#pragma once

#include <cstdint>
#include <functional>

#include "harness/policy.h"
#include "model/game.h"

namespace tarvix::harness {

// Until the game ends, no timer runs, or stop() holds (asked before each step).
void play_steadily(
    Game& game, Policy policy, std::uint64_t seed, Millis think_time,
    const std::function<bool()>& stop = [] { return false; });

}  // namespace tarvix::harness
