#include "harness/gui_game.h"

#include <QPushButton>
#include <QTest>

#include "model/table.h"
#include "windows/settings_window.h"
#include "windows/splash_window.h"
#include "windows/table_window.h"

namespace tarvix::harness {

GuiGame::GuiGame(std::uint64_t seed) : host(std::make_unique<SeededRandom>(seed)), program(host) {
  program.keep_silent(true);
}

windows::TableWindow* GuiGame::open_still_table() {
  open_table();
  windows::TableWindow* window = program.table();
  window->motion().set_enabled(false);
  window->resize(1236, 882);
  return window;
}

void GuiGame::open_table(bool sound) {
  program.start();
  QTest::keyClick(program.splash(), Qt::Key_Space);
  program.keep_silent(!sound);
  auto* ok = program.settings()->findChild<QPushButton*>(QStringLiteral("Command1"));
  QTest::mouseClick(ok, Qt::LeftButton);
}

}  // namespace tarvix::harness
