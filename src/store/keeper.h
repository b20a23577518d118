// Keeps the tournament in play in the store as it is played, and takes a
// kept one up again by replaying its commands on a fresh game.
//
//   Game game(std::make_unique<SeededRandom>(number));
//   Keeper keeper(store, game, clock);          // before the game starts
//   keeper.begin(number, settings);             // starts the game, recorded
//
//   Game game(std::make_unique<SeededRandom>(saved.start.number));
//   Keeper keeper(store, game, clock);
//   auto outcome = keeper.resume(saved);        // the table as it was saved
//
// From then on every command, each hand's start (the stacks, checked again
// on replay) and the end are written as they happen. The clock gives the
// time at the table since this keeper was made; the record adds it up.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "model/game.h"
#include "store/store.h"

namespace tarvix::store {

class Keeper {
 public:
  using PlayedClock = std::function<Millis()>;
  // A host that must see the record closed before its other listeners hear
  // the end passes listen = false and hands every event to seen() first.
  Keeper(Store& store, Game& game, PlayedClock played, bool listen = true);
  Keeper(const Keeper&) = delete;
  Keeper& operator=(const Keeper&) = delete;

  void begin(std::uint64_t number, const Settings& settings);

  struct Resumed {
    bool ok = true;
    int diverged_at = 0;  // the first hand whose start differs from the saved one
  };
  // Replays the saved tournament to its last saved time. A replay that
  // deals differently stops at the first hand that differs, and a save with
  // settings or times the game never gives is not replayed (hand 1); the
  // tournament is then recorded as abandoned and nothing more is written.
  Resumed resume(const Saved& saved);

  // Time passes without commands, or the player keeps the tournament for
  // later: the time and the record as they stand.
  void save_time();
  // Kept for later: the time and record saved, and nothing written after.
  void keep();
  void log_hand(int hand, const std::string& text);

  std::int64_t id() const { return id_; }
  const Progress& progress() const { return progress_; }
  std::uint64_t number() const { return number_; }

  void seen(const GameEvent& event);

 private:
  void hand_started(int hand);
  // Resume failed from this hand: the saved record closes as abandoned.
  Resumed given_up(const Saved& saved, int hand);
  Millis played() const { return played_before_ + played_(); }

  Store& store_;
  Game& game_;
  PlayedClock played_;
  Millis played_before_ = 0;
  std::int64_t id_ = 0;
  std::uint64_t number_ = 0;
  int seq_ = 0;
  bool writing_ = false;  // not while replaying what is already saved
  bool closed_ = false;
  Progress progress_;
  // While replaying: the saved hand starts, to check each one as it comes.
  const std::vector<Checkpoint>* expected_ = nullptr;
  int diverged_at_ = 0;
};

}  // namespace tarvix::store
