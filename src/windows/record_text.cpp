#include "windows/record_text.h"

#include <cmath>
#include <cstdio>

#include "windows/story.h"

namespace tarvix::windows {

using store::Outcome;
using store::TournamentRow;

namespace {

constexpr double ms_per_hour = 3'600'000.0;

bool finished(const TournamentRow& row) {
  return row.place && (row.outcome == Outcome::won || row.outcome == Outcome::knocked_out);
}

// A place, a plain one as "12th", a median between two as "12.5".
std::string place_text(double place) {
  if (place == std::floor(place)) return ordinal(static_cast<int>(place));
  char text[16];
  std::snprintf(text, sizeof text, "%.1f", place);
  return text;
}

std::string amount_or_none(Chips chips) { return chips > 0 ? std::to_string(chips) : "none"; }

}  // namespace

// Grouped by threes as the player reads it aloud: "4 183 775".
std::string number_text(std::uint64_t number) {
  std::string digits = std::to_string(number), text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += ' ';
    text += digits[i];
  }
  return text;
}

std::string ended_text(const TournamentRow& row) {
  switch (row.outcome) {
    case Outcome::kept: return "Kept for later";
    case Outcome::abandoned: return "Abandoned";
    case Outcome::won: return "Won";
    case Outcome::knocked_out:
      if (!row.place) return "Abandoned";
      return ordinal(*row.place) + (row.field > 0 ? " of " + std::to_string(row.field) : "");
  }
  return {};
}

std::vector<std::pair<std::string, std::string>> figure_texts(const store::Totals& totals) {
  char hours[32];
  std::snprintf(hours, sizeof hours, "%.1f", static_cast<double>(totals.played_ms) / ms_per_hour);
  return {
      {"Tournaments played",
       std::to_string(totals.played) +
           (totals.abandoned > 0 ? " (" + std::to_string(totals.abandoned) + " abandoned)" : "")},
      {"Best place", totals.best_place ? ordinal(*totals.best_place) : "none yet"},
      {"Median place", totals.median_place ? place_text(*totals.median_place) : "none yet"},
      {"Wins", std::to_string(totals.wins)},
      {"Hands played", std::to_string(totals.hands)},
      {"Hours played", hours},
  };
}

std::string places_in_words(const std::vector<TournamentRow>& rows) {
  std::string places;
  int abandoned = 0;
  for (auto r = rows.rbegin(); r != rows.rend(); ++r) {
    if (r->outcome == Outcome::kept) continue;
    if (!finished(*r)) {
      ++abandoned;
      continue;
    }
    if (!places.empty()) places += ", ";
    places += r->outcome == Outcome::won ? "won" : ordinal(*r->place);
  }
  std::string words = places.empty() ? "No finished tournament yet."
                                     : "Finishing places, oldest first: " + places + ".";
  if (abandoned > 0)
    words += " " + std::to_string(abandoned) + (abandoned == 1 ? " tournament" : " tournaments") +
             " abandoned.";
  return words;
}

std::string comparison_line(const std::vector<TournamentRow>& rows) {
  if (rows.empty() || !finished(rows.front())) return {};
  const auto standing = store::standing_of(rows, rows.front().id);
  if (!standing) return {};
  if (standing->of == 1) return "your first finish on record";
  if (standing->best_yet) return "your best place yet";
  if (standing->rank == 1) return "as good as your best place yet";
  return ordinal(standing->rank) + " best of " + std::to_string(standing->of);
}

std::vector<std::string> column_titles() {
  return {"Date",
          "Number",
          "Name",
          "Ended",
          "Hands",
          "Time played",
          "Biggest share won",
          "Best hand shown down",
          "Times resumed"};
}

std::vector<std::string> row_cells(const TournamentRow& row) {
  const store::Progress& p = row.progress;
  return {row.date,
          number_text(row.number),
          row.name,
          ended_text(row),
          std::to_string(p.hands_played),
          duration_text(p.played_ms),
          amount_or_none(p.biggest_win),
          p.best_hand.empty() ? "none" : p.best_hand,
          std::to_string(row.times_resumed)};
}

}  // namespace tarvix::windows
