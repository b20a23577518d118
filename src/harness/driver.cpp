#include "harness/driver.h"

#include "model/table.h"

namespace tarvix::harness {

bool run_until(Game& game, const std::function<bool()>& done, Millis budget) {
  const Millis until = game.now() + budget;
  while (!done()) {
    const auto due = game.next_due();
    if (!due || *due > until) return false;
    game.step();
  }
  return true;
}

bool run_to_human_turn(Game& game, Millis budget) {
  return run_until(
      game, [&game] { return game.human_turn_open(); }, budget);
}

bool run_to_showdown(Game& game, Millis budget) {
  return run_until(
      game, [&game] { return game.table().gameover; }, budget);
}

}  // namespace tarvix::harness
