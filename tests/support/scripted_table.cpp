#include "support/scripted_table.h"

namespace tarvix::testing {

ScriptedTable::ScriptedTable(std::uint64_t seed, Settings settings)
    : random(seed), table(screen, random, clock, std::move(settings)) {}

bool ScriptedTable::human_turn_open() const { return table.human_turn_open(); }

bool ScriptedTable::step() {
  const auto due = table.next_tick_due();
  if (!due || table.ended()) return false;
  clock.set(*due);
  table.run_due_timers();
  return true;
}

void ScriptedTable::wait(Millis ms) {
  const Millis until = clock.now() + ms;
  while (!table.ended()) {
    const auto due = table.next_tick_due();
    if (!due || *due > until) break;
    clock.set(*due);
    table.run_due_timers();
  }
  clock.set(until);
}

bool ScriptedTable::run_to_human_turn(Millis budget) {
  const Millis until = clock.now() + budget;
  while (!human_turn_open()) {
    const auto due = table.next_tick_due();
    if (!due || *due > until || table.ended()) return false;
    clock.set(*due);
    table.run_due_timers();
  }
  return true;
}

}  // namespace tarvix::testing
