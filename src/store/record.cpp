#include "store/record.h"

#include <algorithm>
#include <limits>

namespace tarvix::store {

Totals totals_of(const std::vector<TournamentRow>& rows) {
  Totals t;
  std::vector<int> places;
  for (const TournamentRow& r : rows) {
    if (r.outcome == Outcome::kept) continue;
    ++t.played;
    t.hands += r.progress.hands_played;
    // Each row's time is at most the latest game time, but a damaged file
    // may hold thousands of them: the sum stops at the largest it can hold.
    constexpr std::int64_t most = std::numeric_limits<std::int64_t>::max();
    t.played_ms =
        r.progress.played_ms > most - t.played_ms ? most : t.played_ms + r.progress.played_ms;
    if (r.outcome == Outcome::abandoned || !r.place) {
      ++t.abandoned;
      continue;
    }
    ++t.finished;
    t.wins += r.outcome == Outcome::won ? 1 : 0;
    places.push_back(*r.place);
  }
  if (places.empty()) return t;
  std::sort(places.begin(), places.end());
  t.best_place = places.front();
  const std::size_t mid = places.size() / 2;
  t.median_place =
      places.size() % 2 != 0 ? places[mid] : (double(places[mid - 1]) + places[mid]) / 2;
  return t;
}

std::optional<Standing> standing_of(const std::vector<TournamentRow>& rows, std::int64_t id) {
  const auto it =
      std::find_if(rows.begin(), rows.end(), [id](const TournamentRow& r) { return r.id == id; });
  if (it == rows.end() || !it->place || it->outcome == Outcome::abandoned) return std::nullopt;
  Standing s;
  s.rank = 1;
  s.best_yet = true;
  for (const TournamentRow& r : rows) {
    if (!r.place || r.outcome == Outcome::abandoned) continue;
    ++s.of;
    if (*r.place < *it->place) ++s.rank;
    if (r.id < id && *r.place <= *it->place) s.best_yet = false;
  }
  return s;
}

}  // namespace tarvix::store
