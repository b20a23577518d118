// The chip piles in front of the seats and the pot pile in the middle. Only
// drawing: the amounts themselves are kept by the betting round.
#include "model/table.h"
#include "model/text.h"

namespace tarvix {

namespace {

// Seat 1's pile is put back in place before every stake, because paying a
// pot moves chips onto the winner's pile.
constexpr int seat1_pile[6][2] = {{6516, 4356}, {6552, 4176}, {6648, 4152},
                                  {6696, 4200}, {6552, 4176}, {6672, 4308}};

}  // namespace

void Table::chips_player_show(Chips amount, int k) {
  display.set_caption(bet_label(k), number_text(amount));
  if (k == human)
    for (int i = 0; i < 6; ++i)
      display.set_position(backchips(i), seat1_pile[i][1], seat1_pile[i][0]);
  for (int i = 5; i >= 0; --i) display.set_visible(backchips(6 * (k - 1) + i), true);
  display.set_visible(bet_label(k), true);
}

void Table::chips_player_hide(int k) {
  if (k < 1 || k > seats) return;
  for (int i = 5; i >= 0; --i) display.set_visible(backchips(6 * (k - 1) + i), false);
  display.set_visible(bet_label(k), false);
}

void Table::chips_to_pot(int whichlevel) {
  for (int s = 1; s <= seats; ++s) chips_player_hide(s);
  int first = 60, last = 75;
  if (whichlevel == 2) {
    first = 76;
    last = 83;
  } else if (whichlevel == 3) {
    first = 84;
    last = 90;
  }
  for (int i = first; i <= last; ++i) display.set_visible(backchips(i), true);
  display.set_visible(potlabel, true);
}

}  // namespace tarvix
