// What keeping the tournament costs: taking up a long one again, and a
// command's durable write, both on the side that waits (the game's thread)
// and on the writer's thread that commits it.
//
//   build-bench/bench/keeping_bench
//
// The files are made in the temporary folder (TMPDIR), which should be on
// the same kind of disk as the player's data folder: the commit waits for it.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "harness/driver.h"
#include "harness/steady_player.h"
#include "model/table.h"
#include "store/keeper.h"

namespace tarvix::store {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::uint64_t choices_seed = 7;  // as tarvix-keep plays
constexpr Millis think_time = 3000;
constexpr std::uint64_t first_number = 1;
const Settings settings{"Bench", 0, default_tabletop};

class Folder {
 public:
  explicit Folder(const char* name)
      : path_(fs::temp_directory_path() /
              ("tarvix-" + std::string(name) + "-" + std::to_string(::getpid()))) {
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~Folder() { fs::remove_all(path_); }
  std::string db() const { return (path_ / "tarvix.sqlite").string(); }

 private:
  fs::path path_;
};

// A store at path holding a tournament kept for later at the start of hand
// `hands`, played as tarvix-keep plays it: the first number whose human
// lasts that long. Returns its number.
std::uint64_t keep_tournament(const std::string& path, int hands) {
  for (std::uint64_t number = first_number;; ++number) {
    fs::remove(path);
    auto opened = Store::open(path);
    if (!opened.store) throw std::runtime_error(opened.notice);
    Game game(std::make_unique<SeededRandom>(number));
    Keeper keeper(*opened.store, game, [&game] { return game.now(); });
    keeper.begin(number, settings);
    harness::play_steadily(game, harness::Policy::sharp, choices_seed, think_time,
                           [&game, hands] { return game.hand() >= hands; });
    if (game.ended()) continue;
    keeper.keep();
    return number;
  }
}

// The table as it was at the start of hand state.range(0).
void resume_tournament(benchmark::State& state) {
  Folder folder("resume-bench");
  keep_tournament(folder.db(), static_cast<int>(state.range(0)));
  std::size_t commands = 0;
  int hand = 0;
  Millis played = 0;
  for (auto _ : state) {
    // From the file to the table: open, read the journal, replay it.
    auto opened = Store::open(folder.db());
    const auto saved = opened.store->kept();
    Game game(std::make_unique<SeededRandom>(saved->start.number));
    Keeper keeper(*opened.store, game, [&game] { return game.now(); });
    if (!keeper.resume(*saved).ok) state.SkipWithError("the replay differs");
    commands = saved->commands.size();
    hand = game.hand();
    played = game.now();
    benchmark::DoNotOptimize(game.table().p(human).prize);
    state.PauseTiming();
    // Kept again, so the next round finds it; closing waits for the writer.
    keeper.keep();
    opened.store.reset();
    state.ResumeTiming();
  }
  state.counters["hand"] = hand;
  state.counters["commands"] = static_cast<double>(commands);
  state.counters["game_hours"] = static_cast<double>(played) / harness::game_hour;
}
// The sharp policy seldom lasts 150 hands: the time per hand is what to
// carry over to longer tournaments.
BENCHMARK(resume_tournament)
    ->Arg(50)
    ->Arg(100)
    ->Arg(150)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

double micros(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

// The value below which the share q of v lies (0.5: the median).
double quantile(std::vector<double> v, double q) {
  if (v.empty()) return 0;
  const auto at = v.begin() + static_cast<long>(q * static_cast<double>(v.size() - 1));
  std::nth_element(v.begin(), at, v.end());
  return *at;
}

void report(benchmark::State& state, const std::string& name, const std::vector<double>& v) {
  state.counters[name + "_us"] = quantile(v, 0.5);
  state.counters[name + "_p99_us"] = quantile(v, 0.99);
  state.counters[name + "_max_us"] = quantile(v, 1);
}

// One command at a time, as the player gives them: what the game's thread
// spends handing it over (enqueue_us), and the time until it is on the disk
// (durable_us, the writer's commit with synchronous=FULL).
void command_durable_write(benchmark::State& state) {
  Folder folder("write-bench");
  auto opened = Store::open(folder.db());
  Store& store = *opened.store;
  const std::int64_t id = store.begin(Start{first_number, settings, 0, {}});
  store.flush();
  std::vector<double> enqueue, durable;
  int seq = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    store.command(id, seq, Command{Millis{seq} * think_time, CommandKind::click, Command5, {}});
    const auto handed = Clock::now();
    store.flush();
    const auto written = Clock::now();
    enqueue.push_back(micros(handed - start));
    durable.push_back(micros(written - start));
    ++seq;
  }
  report(state, "enqueue", enqueue);
  report(state, "durable", durable);
}
BENCHMARK(command_durable_write)->Unit(benchmark::kMicrosecond)->UseRealTime()->Iterations(2000);

// Commands back to back while the writer commits the ones before: the game's
// thread never waits for the disk, only for the queue's lock.
void command_enqueue_while_committing(benchmark::State& state) {
  Folder folder("enqueue-bench");
  auto opened = Store::open(folder.db());
  Store& store = *opened.store;
  const std::int64_t id = store.begin(Start{first_number, settings, 0, {}});
  store.flush();
  std::vector<double> enqueue;
  int seq = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    store.command(id, seq, Command{Millis{seq} * think_time, CommandKind::click, Command5, {}});
    enqueue.push_back(micros(Clock::now() - start));
    ++seq;
  }
  store.flush();
  report(state, "enqueue", enqueue);
}
BENCHMARK(command_enqueue_while_committing)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime()
    ->Iterations(20000);

}  // namespace
}  // namespace tarvix::store
