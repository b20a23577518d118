// Whole tournaments played headless on virtual time, the human's seat played
// by a policy, with the game's rules checked after every event.
#pragma once

#include <cstdint>
#include <string>

#include "harness/policy.h"
#include "harness/rules.h"
#include "model/game.h"

namespace tarvix::harness {

// The FNV-1a prime: the signatures hash by it, and so do the batches of them.
constexpr std::uint64_t fnv_prime = 0x100000001b3ULL;

struct TournamentResult {
  std::uint64_t seed = 0;
  int hands = 0;
  Ending ending = Ending::running;
  Finish finish = Finish::none;
  int playersout = 0;
  Millis game_time = 0;
  std::uint64_t signature = 0;  // hash of every event, stake and card
  std::string violation;        // empty unless a rule broke
  int violation_hand = 0;
};

// "knocked out", "won", "exit" or "violation".
std::string ending_text(const TournamentResult& result);

class Simulation {
 public:
  // start_playersout > 0 starts the field that far on (players already out
  // elsewhere), to play the late field and the final table often.
  Simulation(std::uint64_t seed, Policy policy, Millis think_time, int start_playersout = 0);

  TournamentResult run();

  // One step each; public so that the fuzzer can drive a game its own way.
  // start() loads the table and sets the field's start.
  void start();
  void check(const std::string& after);
  // The first rule that broke, empty while all hold.
  const std::string& violation() const { return result_.violation; }

  Game game;
  Rules rules{game};
  SeededRandom player_random;  // the human's choices, apart from the table's draws

 private:
  void mix(std::uint64_t value);
  void broke(std::string rule);
  void human_turn();
  void between_turns();
  void watch_hand_progress();

  Policy policy_;
  Millis think_time_;
  int start_playersout_;
  TournamentResult result_;
  long events_in_hand_ = 0;
  int hand_seen_ = 0;
  Millis hand_started_ = 0;
  Millis finish_seen_ = -1;
};

struct BenchResult {
  std::uint64_t signature = 0;
  int tournaments = 0;
  long hands = 0;
  std::string violation;
};

// The behaviour signature: a fixed set of seeded tournaments of every policy,
// every event, stake and card of them hashed into one number.
BenchResult behaviour_signature();

}  // namespace tarvix::harness
