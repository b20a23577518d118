// A table on virtual time with a seeded generator and the recording screen:
// what every core test starts from.
#pragma once

#include <memory>

#include "model/events.h"
#include "model/random.h"
#include "model/screen.h"
#include "model/table.h"

namespace tarvix::testing {

struct ScriptedTable {
  explicit ScriptedTable(std::uint64_t seed = 1, Settings settings = {});

  // Runs the load step (the first hand is dealt and its turns begin).
  void load() { table.Form_Load(); }

  // Lets virtual time pass tick by tick until the human's turn is open, the
  // program ends, or the budget of game time is spent. True if the human's
  // turn is open.
  bool run_to_human_turn(Millis budget = 3'600'000);
  // Lets time pass by ms, delivering every tick due.
  void wait(Millis ms);
  // Jumps to the next due tick and delivers it; false when no timer runs.
  bool step();

  bool human_turn_open() const;

  Screen screen;
  SeededRandom random;
  VirtualClock clock;
  Table table;
};

}  // namespace tarvix::testing
