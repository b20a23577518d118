// The field of 1000 players: eliminations at the other tables, newcomers for
// broke seats at the human's table, and the final table.
#include <cmath>

#include "model/table.h"
#include "model/text.h"

namespace tarvix {

namespace {

const char* const name_fragments[25] = {"poker",  "heart",  "boulder",    "blonde",     "chips",
                                        "bad",    "zzzzzz", "texas",      "freak",      "mad",
                                        "luck",   "loving", "player",     "sloppy",     "winner",
                                        "kid",    "bang",   "river",      "riverbelle", "charming",
                                        "tarvix", "_",      "california", "south",      "smiling"};

}  // namespace

Chips Table::advance_tournament() {
  constexpr int late_field = 900;  // from here one player leaves elsewhere per deal
  const int k = playersout < late_field ? random.whole(3, 7) : 1;
  playersout += k;
  outchips += starting_stack * k;
  return static_cast<Chips>(
      std::nearbyint(static_cast<double>(outchips) / static_cast<double>(playersout - 2)));
}

std::string Table::random_name_fragment() {
  random.reseed();
  return name_fragments[random.whole(1, 25) - 1];
}

void Table::seat_newcomer(int s, Chips stack) {
  player& q = p(s);
  const std::string first = random_name_fragment();
  const std::string second = random_name_fragment();
  const std::string third = random_name_fragment();
  q.caption = first + " " + second + " " + third;
  q.prize = stack;
  chips_brought += stack;
  display.set_caption(name_label(s), q.caption);
  display.set_caption(stack_label(s), number_text(q.prize));
  display.set_visible(Label24, true);
  display.set_caption(Label24, "Please Wait Arranging Tables");
  tell(NewcomerSeated{s, q.caption, q.prize});
}

int Table::players_left() const {
  if (playersout <= final_table) return field_size - playersout;
  int left = p(human).prize > 0 ? 1 : 0;
  for (int s = 2; s <= seats; ++s) left += p(s).Active ? 1 : 0;
  return left;
}

int Table::rivals_left() const {
  // Before the final table the field's count holds the human in any case.
  const bool human_counted = playersout <= final_table || p(human).prize > 0;
  return players_left() - (human_counted ? 1 : 0);
}

void Table::end_sit_out_for_final_table() {
  // The final table allows no sitting out, and the standing request ends
  // with it, or the next deal would sit the human out again.
  p(human).sittingout = false;
  sitter = 0;
}

void Table::tournament_step() {
  Chips newcomer_stack = 0;
  if (playersout < final_table) {
    newcomer_stack = advance_tournament();
    display.set_visible(Label2, true);
    display.set_caption(
        Label2, "Players " + number_text(field_size - playersout) + " Remaining in the Tournament");
  }
  if (playersout == final_table) {
    end_sit_out_for_final_table();
    for (int s = 2; s <= seats; ++s) {
      if (p(s).prize > 0) continue;
      seat_newcomer(s, outchips);
      ++playersout;
    }
  } else if (playersout < final_table) {
    for (int s = 2; s <= seats; ++s)
      if (p(s).prize <= 0) seat_newcomer(s, newcomer_stack);
  }
  if (playersout > final_table) {
    end_sit_out_for_final_table();
    for (int s = 2; s <= seats; ++s) {
      if (p(s).prize > 0) continue;
      // A seat that stays broke counts once more at every deal; it leaves
      // the table once.
      if (p(s).Active) tell(SeatRetired{s, p(s).caption});
      p(s).Active = false;
      p(s).sittingout = true;
      display.set_visible(name_label(s), false);
      display.set_visible(stack_label(s), false);
      ++playersout;
    }
  }
  for (int s = 1; s <= seats; ++s) display.set_caption(stack_label(s), number_text(p(s).prize));
  tell(PlayersLeft{players_left()});
}

}  // namespace tarvix
