#include "harness/simulator.h"

#include <array>

#include "harness/driver.h"
#include "model/table.h"

namespace tarvix::harness {

namespace {

// A hand that needs more than this has stopped making progress.
constexpr long events_per_hand_bound = 20000;
constexpr Millis game_time_per_hand_bound = 4 * game_hour;  // besides the human's thinking

constexpr std::uint64_t fnv_offset = 0xcbf29ce484222325ULL;

}  // namespace

std::string ending_text(const TournamentResult& r) {
  if (!r.violation.empty()) return "violation";
  if (r.ending == Ending::exit_button) return "exit";
  if (r.finish == Finish::won) return "won";
  if (r.finish == Finish::knocked_out) return "knocked out";
  return "running";
}

Simulation::Simulation(std::uint64_t seed, Policy policy, Millis think_time, int start_playersout)
    : game(std::make_unique<SeededRandom>(seed)),
      player_random(seed ^ 0x5eedf00dULL),
      policy_(policy),
      think_time_(think_time),
      start_playersout_(start_playersout) {
  result_.seed = seed;
  result_.signature = fnv_offset;
}

// fnv_prime to the powers 0 to 8.
constexpr std::array<std::uint64_t, 9> fnv_prime_powers = [] {
  std::array<std::uint64_t, 9> powers{1};
  for (std::size_t k = 1; k < powers.size(); ++k) powers[k] = powers[k - 1] * fnv_prime;
  return powers;
}();

void Simulation::mix(std::uint64_t value) {
  // FNV-1a over the value's eight bytes, lowest first. A zero byte only
  // multiplies by the prime, so the zero bytes above the highest set one
  // are a single multiplication by a power of it.
  std::size_t bytes = 0;
  for (std::uint64_t rest = value; rest != 0; rest >>= 8) {
    result_.signature ^= rest & 0xff;
    result_.signature *= fnv_prime;
    ++bytes;
  }
  result_.signature *= fnv_prime_powers[8 - bytes];
}

void Simulation::broke(std::string rule) {
  if (!result_.violation.empty()) return;
  result_.violation = std::move(rule);
  result_.violation_hand = game.hand();
}

void Simulation::check(const std::string& after) {
  if (!result_.violation.empty()) return;
  if (std::string broken = rules.violation(); !broken.empty())
    broke(broken + " (after " + after + ")");
}

void Simulation::watch_hand_progress() {
  const Table& t = game.table();
  mix(static_cast<std::uint64_t>(t.pot));
  for (int s = 1; s <= seats; ++s) mix(static_cast<std::uint64_t>(t.p(s).prize));
  if (game.hand() != hand_seen_) {
    hand_seen_ = game.hand();
    events_in_hand_ = 0;
    hand_started_ = game.now();
    for (int card : t.deck) mix(static_cast<std::uint64_t>(card));
  }
  if (++events_in_hand_ > events_per_hand_bound)
    broke("hand makes no progress: " + std::to_string(events_in_hand_) + " events");
}

void Simulation::human_turn() {
  // The human thinks; the limits clock must not count it.
  const int clock_before = game.table().limittimersetting;
  game.advance_to(game.now() + think_time_);
  if (game.table().limittimersetting != clock_before)
    broke("the limits clock counted the human's thinking time");
  mix(play_turn(policy_, game, player_random));
}

void Simulation::between_turns() {
  if (act_between_turns(policy_, game, player_random)) check("a click between turns");
  game.step();
}

void Simulation::start() {
  game.start(Settings{"sim", 0, default_tabletop});
  if (start_playersout_ > 0) {
    game.table().playersout = start_playersout_;
    game.table().outchips = starting_stack * start_playersout_;
  }
}

TournamentResult Simulation::run() {
  start();
  check("the load step");
  while (!game.ended() && result_.violation.empty()) {
    watch_hand_progress();
    if (game.now() - hand_started_ > game_time_per_hand_bound)
      broke("hand takes too long in game time");
    if (game.finish() != Finish::none && finish_seen_ < 0) finish_seen_ = game.now();
    if (finish_seen_ >= 0 && game.now() > finish_seen_ + timer1_interval + roundtimer_interval)
      broke("the program did not end after the end-of-tournament message");
    if (game.human_turn_open()) {
      human_turn();
      check("the human's action");
    } else {
      between_turns();
      check("a tick");
    }
  }
  result_.hands = game.hand();
  result_.ending = game.ending();
  result_.finish = game.finish();
  result_.playersout = game.table().playersout;
  result_.game_time = game.now();
  mix(static_cast<std::uint64_t>(result_.hands));
  return result_;
}

BenchResult behaviour_signature() {
  struct Run {
    Policy policy;
    int start_playersout;
  };
  const Run runs[] = {{Policy::fold, 0},  {Policy::call, 0},     {Policy::random, 0},
                      {Policy::sharp, 0}, {Policy::random, 975}, {Policy::sharp, 975}};
  constexpr std::uint64_t seeds = 8;
  constexpr Millis think_time = 5000;
  BenchResult bench;
  bench.signature = fnv_offset;
  for (const Run& run : runs) {
    for (std::uint64_t seed = 1; seed <= seeds; ++seed) {
      Simulation simulation(seed, run.policy, think_time, run.start_playersout);
      const TournamentResult r = simulation.run();
      if (!r.violation.empty() && bench.violation.empty())
        bench.violation = "seed " + std::to_string(seed) + ": " + r.violation;
      bench.signature = (bench.signature ^ r.signature) * fnv_prime;
      bench.hands += r.hands;
      ++bench.tournaments;
    }
  }
  return bench;
}

}  // namespace tarvix::harness
