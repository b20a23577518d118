// The whole program on virtual time with a seeded generator: the windows a
// player sees, driven by the tests and the screenshot tool.
#pragma once

#include <cstdint>

#include "model/events.h"
#include "windows/game_host.h"
#include "windows/program.h"

namespace tarvix::testing {

struct GuiGame {
  explicit GuiGame(std::uint64_t seed = 7);

  // Splash, then Ok in the settings window with whatever was chosen.
  void open_table();
  // The table opened at a fixed size with the view's animations off, as the
  // tests that play through the widgets want it.
  windows::TableWindow* open_still_table();

  bool human_turn_open() const;
  // Lets virtual time pass until the human's turn is open; false if the
  // program ends or the budget of game time is spent first.
  bool run_to_human_turn(Millis budget = 3'600'000);
  // Lets virtual time pass until the hand is over (showdown reached).
  bool run_to_showdown(Millis budget = 600'000);

  const Screen& screen() const { return host.screen(); }
  Table& table() { return *host.table(); }

  VirtualClock clock;
  windows::GameHost host;
  windows::Program program;
};

}  // namespace tarvix::testing
