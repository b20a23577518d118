// The chip piles in front of the seats and the pot pile in the middle. Only
// drawing: the amounts themselves are kept by the betting round.
#include "model/table.h"
#include "model/text.h"

namespace tarvix {

namespace {

// Seat 1's pile is put back in place before every stake, because paying a
// pot moves chips onto the winner's pile: (top, left) of each chip.
constexpr int seat1_pile[pile_chips][2] = {{6516, 4356}, {6552, 4176}, {6648, 4152},
                                           {6696, 4200}, {6552, 4176}, {6672, 4308}};

// The pot grows street by street: one more pile at each of the first three
// street ends.
struct PotPile {
  int first, last;
};
constexpr PotPile pot_piles[] = {{pot_chip_first, 75}, {76, 83}, {84, pot_chip_last}};

}  // namespace

void Table::place_chip(int index, int left, int top) {
  chip_at[static_cast<std::size_t>(index)] = {top, left};
  display.set_position(backchips(index), left, top);
}

void Table::chips_player_show(Chips amount, int k) {
  display.set_caption(bet_label(k), number_text(amount));
  if (k == human)
    for (int i = 0; i < pile_chips; ++i) place_chip(i, seat1_pile[i][1], seat1_pile[i][0]);
  for (int i = pile_chips - 1; i >= 0; --i)
    display.set_visible(backchips(pile_chips * (k - 1) + i), true);
  display.set_visible(bet_label(k), true);
}

void Table::chips_player_hide(int k) {
  if (k < 1 || k > seats) return;
  for (int i = pile_chips - 1; i >= 0; --i)
    display.set_visible(backchips(pile_chips * (k - 1) + i), false);
  display.set_visible(bet_label(k), false);
}

void Table::chips_to_pot(int whichlevel) {
  for (int s = 1; s <= seats; ++s) chips_player_hide(s);
  const PotPile& pile = pot_piles[whichlevel >= 2 && whichlevel <= 3 ? whichlevel - 1 : 0];
  for (int i = pile.first; i <= pile.last; ++i) display.set_visible(backchips(i), true);
  display.set_visible(potlabel, true);
  tell(BetsGathered{pot});
}

}  // namespace tarvix
