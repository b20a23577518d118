// The five streets: third street shows the first three cards, each later
// street one more card, and gathers the bets into the pot.
#include "model/table.h"

namespace tarvix {

namespace {
constexpr int third_street = 3;  // a street is named by the cards it shows
}  // namespace

void Table::show_hole_cards() {
  for (int s = 1; s <= seats; ++s) {
    if (p(s).sittingout || !p(s).Active) continue;
    for (int c = 1; c <= third_street; ++c) display.set_visible(card_slot(s, c), true);
  }
  tell(StreetShown{third_street});
}

void Table::show_street_card(int c, bool& flag, int pot_stage) {
  for (int s = 1; s <= seats; ++s)
    if (!p(s).fold) display.set_visible(card_slot(s, c), true);
  flag = true;
  raiservalue = 0;
  chips_to_pot(pot_stage);
  for (int s = 1; s <= seats; ++s) chips_player_hide(s);
  tell(StreetShown{c});
}

void Table::show_flop1() {
  show_street_card(4, postflop1, 1);
  display.set_visible(Label2, false);
}

void Table::show_flop2() { show_street_card(5, postflop2, 2); }
void Table::show_flop3() { show_street_card(6, postflop3, 3); }
void Table::show_flop4() { show_street_card(7, postflop4, 3); }

}  // namespace tarvix
