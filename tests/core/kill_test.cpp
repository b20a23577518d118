// Killed at any moment, the game loses at most the command it was writing.
// A headless process plays tournaments through the store on virtual time and
// is killed (SIGKILL) at random moments; after each kill the file must be
// sound, what it kept must be the start of what the uninterrupted game did,
// and taking it up again must give that game's table, events and books.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "harness/rules.h"
#include "harness/steady_player.h"
#include "store/keeper.h"
#include "store/sqlite.h"
#include "support/table_seen.h"

namespace tarvix::store {
namespace {

namespace fs = std::filesystem;

constexpr int kills = 200;
constexpr std::uint64_t choices_seed = 7;  // as tarvix-keep plays
constexpr Millis think_time = 3000;
constexpr auto policy = harness::Policy::sharp;

// What happened, in a line per event: seats, amounts and hands.
std::string told(const GameEvent& event) {
  std::string line = std::to_string(event.index());
  const auto add = [&line](long long v) { line += " " + std::to_string(v); };
  if (const auto* e = std::get_if<HandStarted>(&event)) add(e->hand);
  if (const auto* e = std::get_if<ForcedBet>(&event)) {
    add(e->seat), add(e->amount), add(e->stack), add(e->pot);
  }
  if (const auto* e = std::get_if<SeatAction>(&event)) {
    add(e->seat), add(int(e->kind)), add(e->amount), add(e->stack), add(e->pot);
  }
  if (const auto* e = std::get_if<Showdown>(&event)) {
    add(e->pot);
    for (const ShowdownHand& h : e->hands) add(h.seat), add(h.won), add(h.value);
  }
  if (const auto* e = std::get_if<TurnPassed>(&event)) add(e->seat), add(e->by);
  return line;
}

struct Played {
  std::vector<Command> commands;
  Finish finish = Finish::none;
};

Played play_whole(std::uint64_t number) {
  Played played;
  Game game(std::make_unique<SeededRandom>(number));
  game.record([&played](const Command& c) { played.commands.push_back(c); });
  game.start(Settings{"Kept", 0, default_tabletop});
  harness::play_steadily(game, policy, choices_seed, think_time);
  played.finish = game.finish();
  return played;
}

// The uninterrupted game given the first n commands, to the time t.
struct Replayed {
  TableSeen seen;
  std::vector<std::string> events;
};

Replayed replay_whole(std::uint64_t number, const std::vector<Command>& commands, std::size_t n,
                      Millis t) {
  Replayed r;
  Game game(std::make_unique<SeededRandom>(number));
  game.listen([&r](const GameEvent& e) { r.events.push_back(told(e)); });
  game.start(Settings{"Kept", 0, default_tabletop});
  for (std::size_t i = 0; i < n; ++i) replay(game, commands[i]);
  game.advance_to(t);
  r.seen = table_seen(game);
  return r;
}

// Starts the player and waits until it says it is playing.
pid_t start_player(const std::string& db, std::uint64_t number) {
  int ready[2];
  if (pipe(ready) != 0) return -1;
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(ready[1], STDOUT_FILENO);
    close(ready[0]);
    close(ready[1]);
    const std::string n = std::to_string(number);
    execl(TARVIX_KEEP_PLAY, TARVIX_KEEP_PLAY, db.c_str(), n.c_str(), "sharp",
          static_cast<char*>(nullptr));
    _exit(127);
  }
  close(ready[1]);
  char said = 0;
  (void)!read(ready[0], &said, 1);
  close(ready[0]);
  return pid;
}

TEST(Killed, AtAnyMomentTheStoreKeepsTheStartOfTheUninterruptedGame) {
  const fs::path folder = fs::temp_directory_path() / ("tarvix-kill-" + std::to_string(getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  const std::string db = (folder / "tarvix.sqlite").string();
  std::uint64_t number = 4183775;
  // The kills fall within the time a whole tournament takes on this machine,
  // not a fixed time: on a fast one most would come after its end.
  const pid_t whole_run = start_player((folder / "whole.sqlite").string(), number);
  ASSERT_GT(whole_run, 0);
  const auto start = std::chrono::steady_clock::now();  // from "playing" on
  waitpid(whole_run, nullptr, 0);
  const auto took = std::chrono::duration_cast<std::chrono::microseconds>(
      std::chrono::steady_clock::now() - start);
  std::mt19937 moments(20261208);
  // How busy the machine is changes while the test runs: a kill that found
  // the tournament over halves the window, one that found it where the last
  // left it doubles it, so that the kills keep falling in the middle of play.
  const long first_window_us = took.count() * 3 / 4;
  const long narrowest_us = std::max(1L, first_window_us / 64);
  const long widest_us = first_window_us * 64;
  long window_us = first_window_us;
  Millis saved_before = -1;

  Played whole = play_whole(number);
  int resumed = 0, finished = 0;
  for (int kill_no = 0; kill_no < kills; ++kill_no) {
    SCOPED_TRACE("kill " + std::to_string(kill_no) + ", tournament " + std::to_string(number));
    const pid_t pid = start_player(db, number);
    ASSERT_GT(pid, 0);
    std::uniform_int_distribution<long> after_us(0, window_us);
    std::this_thread::sleep_for(std::chrono::microseconds(after_us(moments)));
    ::kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) || WEXITSTATUS(status) == 0) << "status " << status;
    {
      Connection check(db, false);
      ASSERT_EQ(check.text("PRAGMA integrity_check"), "ok");
    }
    auto opened = Store::open(db);
    ASSERT_TRUE(opened.store) << opened.notice;
    Store& store = *opened.store;
    const auto saved = store.kept();
    if (!saved) {
      const auto rows = store.tournaments();
      // Killed before the tournament's row was written.
      if (rows.empty() || rows.front().number != number) continue;
      // Ended: as the uninterrupted game ended.
      EXPECT_EQ(rows.front().outcome,
                whole.finish == Finish::won ? Outcome::won : Outcome::knocked_out);
      ++finished;
      whole = play_whole(++number);
      window_us = std::max(narrowest_us, window_us / 2);
      saved_before = -1;
      continue;
    }
    ASSERT_EQ(saved->start.number, number);
    const std::size_t n = saved->commands.size();
    if (saved->saved_ms <= saved_before) window_us = std::min(widest_us, window_us * 2);
    saved_before = saved->saved_ms;
    ASSERT_LE(n, whole.commands.size());
    for (std::size_t i = 0; i < n; ++i) ASSERT_EQ(saved->commands[i], whole.commands[i]) << i;

    Game game(std::make_unique<SeededRandom>(number));
    harness::Rules rules(game);
    std::vector<std::string> events;
    game.listen([&events](const GameEvent& e) { events.push_back(told(e)); });
    Keeper keeper(store, game, [&game] { return game.now(); });
    const auto outcome = keeper.resume(*saved);
    ASSERT_TRUE(outcome.ok) << "differs from hand " << outcome.diverged_at;
    const Replayed expected = replay_whole(number, whole.commands, n, saved->saved_ms);
    ASSERT_EQ(table_seen(game), expected.seen);
    ASSERT_EQ(events, expected.events);
    ASSERT_EQ(rules.violation(), "");
    ++resumed;
  }
  fs::remove_all(folder);
  // The kills fell in the middle of play, and some tournaments were played out.
  EXPECT_GT(resumed, kills / 4);
  EXPECT_GE(finished, 1);
}

}  // namespace
}  // namespace tarvix::store
