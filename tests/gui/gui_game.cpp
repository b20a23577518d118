#include "gui_game.h"

#include <QPushButton>
#include <QTest>

#include "windows/settings_window.h"
#include "windows/splash_window.h"

namespace tarvix::testing {

GuiGame::GuiGame(std::uint64_t seed)
    : host(clock, std::make_unique<SeededRandom>(seed)), program(host) {}

void GuiGame::open_table() {
  program.start();
  QTest::keyClick(&program.splash(), Qt::Key_Space);
  auto* ok = program.settings().findChild<QPushButton*>(QStringLiteral("Command1"));
  QTest::mouseClick(ok, Qt::LeftButton);
}

bool GuiGame::human_turn_open() const {
  const Table* t = host.table();
  return t && !t->ended() && !t->gameover && !t->events.enabled(TimerId::roundtimer) &&
         (host.screen().visible(Command5) || host.screen().visible(Command7));
}

bool GuiGame::run_to_human_turn(Millis budget) {
  const Millis until = clock.now() + budget;
  while (!human_turn_open()) {
    const auto due = host.table()->next_tick_due();
    if (!due || *due > until || host.table()->ended()) return false;
    host.step();
  }
  return true;
}

bool GuiGame::run_to_showdown(Millis budget) {
  const Millis until = clock.now() + budget;
  while (!host.table()->gameover) {
    const auto due = host.table()->next_tick_due();
    if (!due || *due > until || host.table()->ended()) return false;
    host.step();
  }
  return true;
}

}  // namespace tarvix::testing
