// The player's record as the store keeps it: a row for each tournament and
// the totals over all of them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/player.h"

namespace tarvix::store {

// How a tournament ended. A kept one is still open, to be resumed.
enum class Outcome { kept = 0, knocked_out = 1, won = 2, abandoned = 3 };

// What the record says of a tournament as it goes: updated at each hand's
// start and when it ends or is kept for later.
struct Progress {
  int hand = 0;           // the hand in play, 1 for the first
  int hands_played = 0;   // hands dealt while the human was still in
  int sat_out_hands = 0;  // of those, hands the human sat out
  int players_left = 0;
  Chips stack = 0;             // the human's
  std::int64_t played_ms = 0;  // time at the table, pauses left out
  Chips biggest_win = 0;       // the most the human took from one pot
  std::string best_hand;       // the best hand the human showed down
  int best_value = -1;
  bool operator==(const Progress&) const = default;
};

struct TournamentRow {
  std::int64_t id = 0;
  std::string date;  // when it started, UTC: "2026-12-08 01:13"
  std::uint64_t number = 0;
  std::string name;
  Outcome outcome = Outcome::kept;
  std::optional<int> place;  // a finish only: knocked out, or 1 when won
  int field = 0;
  int times_resumed = 0;
  Progress progress;
};

struct Totals {
  int played = 0;  // every tournament closed: finished or abandoned
  int finished = 0;
  int abandoned = 0;
  int wins = 0;
  std::optional<int> best_place;
  std::optional<double> median_place;
  long hands = 0;
  std::int64_t played_ms = 0;
};

// Where a finish stands among all finishes: 1 of 12 is the best place yet.
struct Standing {
  int rank = 0;  // 1 for the best; places tied share a rank
  int of = 0;
  bool best_yet = false;  // no earlier finish was as good
};

// Over the rows (any order): the finished ones count.
Totals totals_of(const std::vector<TournamentRow>& rows);
// The standing of the tournament with this id among the finished ones.
std::optional<Standing> standing_of(const std::vector<TournamentRow>& rows, std::int64_t id);

}  // namespace tarvix::store
