// The whole program on virtual time with a seeded generator: the windows a
// player sees, driven by the window tests and the tools.
#pragma once

#include <QSize>
#include <array>
#include <cstdint>

#include "harness/driver.h"
#include "model/table.h"
#include "windows/game_host.h"
#include "windows/program.h"

namespace tarvix::harness {

// The window sizes that the screenshots show and the layout test checks:
// the smallest, the screenshots' own, a small laptop's, a full HD screen (and at
// twice the density, 3840 x 2160) and a wide one.
inline const std::array<QSize, 5> window_sizes{
    {{720, 514}, {1386, 989}, {1280, 720}, {1920, 1080}, {2560, 1080}}};

struct GuiGame {
  explicit GuiGame(std::uint64_t seed = 7);

  // Splash, then Ok in the settings window with whatever was chosen; the
  // table's sound stays off unless asked for: tests and tools play in
  // silence.
  void open_table(bool sound = false);
  // The table opened at a fixed size with the view's animations off, as the
  // tests that play through the widgets want it.
  windows::TableWindow* open_still_table();

  bool human_turn_open() const { return host.game().human_turn_open(); }
  bool run_to_human_turn(Millis budget = game_hour) {
    return harness::run_to_human_turn(host.game(), budget);
  }
  bool run_to_showdown(Millis budget = game_hour) {
    return harness::run_to_showdown(host.game(), budget);
  }
  // The next tick; false when no timer runs.
  bool step() { return host.game().step(); }
  void elapse(Millis ms) { harness::wait(host.game(), ms); }

  Game& game() { return host.game(); }
  const Screen& screen() const { return host.screen(); }
  Table& table() { return host.game().table(); }

  windows::GameHost host;
  windows::Program program;
};

}  // namespace tarvix::harness
