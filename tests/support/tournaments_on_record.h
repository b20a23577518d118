// Tournaments put on record through the store as the game leaves them: each
// with a log of two hands, ended at a place, abandoned or kept for later.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "store/store.h"

namespace tarvix::testing {

constexpr int abandoned = 0;  // a place that stands for an abandoned tournament
constexpr int kept = -1;      // one kept for later

// Oldest first, numbered from 4183775; returns their ids. Each played 100
// hands in an hour and a half, its biggest share twice its place. The hands'
// logs are written last hand first: the store gives them back in order.
inline std::vector<std::int64_t> put_on_record(store::Store& store,
                                               std::initializer_list<int> places,
                                               const std::string& name) {
  std::vector<std::int64_t> ids;
  for (const int place : places) {
    const auto id =
        store.begin({4183775u + ids.size(), Settings{name, 0, default_tabletop}, 0, {}});
    store.hand_log(id, 2, "Hand 2\n" + name + " folds\n");
    store.hand_log(id, 1, "Hand 1\n" + name + " calls " + std::to_string(place) + " — é");
    ids.push_back(id);
    if (place == kept) continue;
    store::Progress p;
    p.hands_played = 100;
    p.played_ms = 90 * 60'000;
    p.biggest_win = 2 * place;
    const auto outcome = place == abandoned ? store::Outcome::abandoned
                         : place == 1       ? store::Outcome::won
                                            : store::Outcome::knocked_out;
    store.close(id, outcome, place == abandoned ? std::nullopt : std::optional(place), 1000, p);
  }
  return ids;
}

}  // namespace tarvix::testing
