// Plays the first hand of a seeded game through the real table window and
// the sound server, at a pace a recording can follow: after every tick that
// sounded it waits for the sounds to end, so that each such tick is one
// burst of sound between silences. It writes a timeline, one line per tick
// that sounded and a line at each step of the script:
//
//   sounds played|muted <sound>[,<sound>...]
//   mark turn-opened | stake | muted | end
//
// The human calls (or bets) at its first turn, then M mutes the table and the
// hand plays on. Usage: sound_check [--seed N]
#include <QApplication>
#include <QTest>
#include <QThread>
#include <cstdio>
#include <cstring>
#include <string>

#include "harness/gui_game.h"
#include "model/game.h"
#include "windows/table_sound.h"
#include "windows/table_window.h"

namespace {

using tarvix::sound::Sound;

// Long enough for the sounds of a tick to end, with a silence after them.
constexpr unsigned long after_a_sound_ms = 800;
// The first sound also opens the sound server's stream.
constexpr unsigned long after_the_first_sound_ms = 2000;
constexpr int muted_ticks = 12;

void line(const std::string& text) {
  std::printf("%s\n", text.c_str());
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::uint64_t seed = 3;
  if (argc == 3 && std::strcmp(argv[1], "--seed") == 0) seed = std::stoull(argv[2]);

  tarvix::harness::GuiGame game(seed);
  // The cues of a tick, as the table hears them.
  std::vector<Sound> due;
  game.game().listen([&](const tarvix::GameEvent& event) {
    for (Sound s : tarvix::windows::TableSound::cues(event)) due.push_back(s);
  });
  tarvix::windows::TableSound* sound = nullptr;
  const auto pace = [&](unsigned long wait_ms) {
    if (due.empty()) return;
    std::string names;
    for (Sound s : due) names += (names.empty() ? "" : ",") + std::string(tarvix::sound::name(s));
    line(std::string("sounds ") + (sound->on() ? "played " : "muted ") + names);
    due.clear();
    QThread::msleep(wait_ms);
  };

  game.open_table(true);
  tarvix::windows::TableWindow& table = *game.program.table();
  sound = table.sound();
  sound->set_choice({true, 100});
  pace(after_the_first_sound_ms);

  while (!game.human_turn_open()) {
    if (!game.step()) return 1;
    pace(after_a_sound_ms);
  }
  line("mark turn-opened");

  const bool to_call = game.screen().visible(tarvix::Command5);
  line("mark stake");
  game.host.click(to_call ? tarvix::Command5 : tarvix::Command6);
  pace(after_a_sound_ms);

  QTest::keyClick(&table, Qt::Key_M);
  line("mark muted");
  for (int i = 0; i < muted_ticks; ++i) {
    if (game.human_turn_open()) game.host.click(tarvix::Command8);
    if (!game.step()) break;
    pace(after_a_sound_ms);
  }
  QThread::msleep(after_a_sound_ms);
  line("mark end");
  return sound->unavailable() ? 2 : 0;
}
