// Virtual time for the programs that drive a game without a real clock: the
// simulator, the fuzzer, the tests and the tools. Time passes tick by tick,
// as the game's timers fall due, until what the caller waits for happens.
#pragma once

#include <functional>

#include "model/game.h"

namespace tarvix::harness {

constexpr Millis game_hour = Millis{3600} * 1000;

// Delivers ticks until done() holds, the game ends, no timer runs or the
// budget of game time is spent. True when done() holds.
bool run_until(Game& game, const std::function<bool()>& done, Millis budget = game_hour);

// Until the human's turn is open.
bool run_to_human_turn(Game& game, Millis budget = game_hour);

// Until the hand in play has reached its showdown.
bool run_to_showdown(Game& game, Millis budget = game_hour);

// Lets ms of game time pass, delivering every tick due.
inline void wait(Game& game, Millis ms) { game.advance_to(game.now() + ms); }

}  // namespace tarvix::harness
