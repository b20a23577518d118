// A game on virtual time with a seeded generator: what every core test
// starts from. The table is reached under the game's own names to arrange a
// position and read the outcome.
#pragma once

#include "harness/driver.h"
#include "model/game.h"
#include "model/table.h"

namespace tarvix::testing {

struct ScriptedTable {
  // The settings apply at once, for the tests that deal without loading.
  explicit ScriptedTable(std::uint64_t seed = 1, Settings settings = {})
      : game(std::make_unique<SeededRandom>(seed)), settings_(std::move(settings)) {
    table.settings = settings_;
  }

  // The table loads: the first hand is dealt and its turns begin.
  void load() { game.start(settings_); }

  // Lets virtual time pass tick by tick until the human's turn is open; true
  // if it is.
  bool run_to_human_turn(Millis budget = harness::game_hour) {
    return harness::run_to_human_turn(game, budget);
  }
  void wait(Millis ms) { harness::wait(game, ms); }
  // The next tick; false when no timer runs.
  bool step() { return game.step(); }
  bool human_turn_open() const { return game.human_turn_open(); }

  Game game;
  Table& table = game.table();
  Screen& screen = game.screen();

 private:
  Settings settings_;
};

}  // namespace tarvix::testing
