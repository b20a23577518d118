// The GUI soak: the real windows for whole tournaments on the machine's
// clock run fast, the human played from the table window's own buttons
// (raise or call the best hand at the table, else check or fold), the
// process's resident memory read at every new hand. Not part of the test
// suite: run it by hand, for leaks under the sanitizer build or valgrind.
//
//   QT_QPA_PLATFORM=offscreen TARVIX_SPEED=400 build/tools/tarvix_gui_soak 3
//
// The argument is the number of tournaments, one after another in one
// process, each with its own host and windows. It prints the memory at every
// hand and ends with a summary; in a build without sanitizers it fails if
// the memory of the last quarter of the hands is above that of the second.
#include <QApplication>
#include <QEventLoop>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "model/table.h"
#include "windows/game_host.h"
#include "windows/program.h"
#include "windows/settings_window.h"
#include "windows/splash_window.h"
#include "windows/table_window.h"

using namespace tarvix;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool sanitized = true;
#else
constexpr bool sanitized = false;
#endif

long resident_kb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  return 0;
}

double speed_from_environment() {
  const double speed = qEnvironmentVariableIsSet("TARVIX_SPEED")
                           ? qEnvironmentVariable("TARVIX_SPEED").toDouble()
                           : 400.0;
  return speed > 0 ? speed : 400.0;
}

// The human's choice at an open turn, made through the buttons.
void play_turn(windows::GameHost& host, windows::TableWindow& window) {
  if (!host.game().human_turn_open()) return;
  const Table& table = host.game().table();
  const bool can_check = table.control_shown(Command7);
  const bool best = table.p(human).handrank == 1;
  const Element action = best ? (can_check ? Command6 : Command5) : can_check ? Command7 : Command8;
  QTest::mouseClick(window.button(action), Qt::LeftButton);
}

struct Totals {
  std::vector<long> rss;  // one figure per hand
  int knocked_out = 0, won = 0;
};

void run_tournament(double speed, Totals& totals, int number) {
  windows::GameHost host(speed);
  windows::Program program(host);
  QEventLoop loop;
  QObject::connect(&program, &windows::Program::finished, &loop, &QEventLoop::quit);
  program.start();
  QTest::keyClick(program.splash(), Qt::Key_Space);
  QTest::mouseClick(program.settings()->findChild<QPushButton*>(QStringLiteral("Command1")),
                    Qt::LeftButton);
  windows::TableWindow& window = *program.table();

  host.game().listen([&](const GameEvent& event) {
    // Not inside the game's own handler: once it has returned.
    if (std::holds_alternative<HumanTurnOpened>(event))
      QTimer::singleShot(0, &window, [&] { play_turn(host, window); });
    const auto* started = std::get_if<HandStarted>(&event);
    if (!started) return;
    // A new size and a key now and then, so that the whole window keeps working.
    QTimer::singleShot(0, &window, [&window, hand = started->hand] {
      // Six sizes in turn: after the first six hands every picture size is known.
      window.resize(900 + 60 * (hand % 6), 640 + 43 * (hand % 6));
      QTest::keyClick(&window, hand % 2 ? Qt::Key_F10 : Qt::Key_F9);
    });
    totals.rss.push_back(resident_kb());
    std::printf("tournament %d hand %d rss %ld kB\n", number, started->hand, totals.rss.back());
    std::fflush(stdout);
  });
  loop.exec();
  if (host.game().finish() == Finish::won) ++totals.won;
  if (host.game().finish() == Finish::knocked_out) ++totals.knocked_out;
}

long median(std::vector<long> v) {
  if (v.empty()) return 0;
  std::nth_element(v.begin(), v.begin() + long(v.size() / 2), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  const int tournaments = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
  const double speed = speed_from_environment();

  Totals totals;
  for (int t = 1; t <= tournaments; ++t) run_tournament(speed, totals, t);

  const std::vector<long>& rss = totals.rss;
  const std::size_t n = rss.size();
  if (n < 8) {
    std::printf("only %zu hands: too few to judge\n", n);
    return 1;
  }
  const long second = median({rss.begin() + long(n / 4), rss.begin() + long(n / 2)});
  const long last = median({rss.begin() + long(3 * n / 4), rss.end()});
  std::printf(
      "%d tournaments (%d knocked out, %d won), %zu hands at speed %.0f; rss first %ld kB, "
      "max %ld kB, median of the second quarter %ld kB, of the last quarter %ld kB (%+ld kB)\n",
      tournaments, totals.knocked_out, totals.won, n, speed, rss.front(),
      *std::max_element(rss.begin(), rss.end()), second, last, last - second);
  // The sanitizers hold freed memory back on purpose: their figures only inform.
  const long allowed_kb = 1024;
  if (!sanitized && last - second > allowed_kb) {
    std::printf("FAIL: the memory grows from hand to hand\n");
    return 1;
  }
  return 0;
}
