#include "gui_game.h"

#include <QPushButton>
#include <QTest>

#include "windows/settings_window.h"
#include "windows/splash_window.h"
#include "windows/table_window.h"

namespace tarvix::testing {

GuiGame::GuiGame(std::uint64_t seed)
    : host(clock, std::make_unique<SeededRandom>(seed)), program(host) {}

windows::TableWindow* GuiGame::open_still_table() {
  open_table();
  windows::TableWindow* window = program.table();
  window->motion().set_enabled(false);
  window->resize(1236, 882);
  return window;
}

void GuiGame::open_table() {
  program.start();
  QTest::keyClick(program.splash(), Qt::Key_Space);
  auto* ok = program.settings()->findChild<QPushButton*>(QStringLiteral("Command1"));
  QTest::mouseClick(ok, Qt::LeftButton);
}

bool GuiGame::human_turn_open() const {
  const Table* t = host.table();
  return t && t->human_turn_open();
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
