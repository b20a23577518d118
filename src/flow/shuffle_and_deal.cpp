// Drawing a deck of 49 distinct cards and dealing seven to every seat.
#include <cstdint>

#include "model/card.h"
#include "model/table.h"

namespace tarvix {

void Table::dealfirst() {
  random.reseed();
  // Rejection draw: a card already in the deck is drawn again. The cards
  // drawn so far are kept as bits of one word; a repeat is written to the
  // entry and overwritten by the next draw, so that the loop does not
  // branch on the draw.
  std::uint64_t drawn = 0;
  for (std::size_t k = 0; k < deck.size();) {
    const int x = random.whole(1, cards_in_pack);
    const std::uint64_t bit = std::uint64_t{1} << x;
    deck[k] = x;
    k += (drawn & bit) == 0 ? 1 : 0;
    drawn |= bit;
  }
}

void Table::distribute_cards_for_10() {
  for (int c = 1; c <= 7; ++c) {
    const bool face_up = dealt_face_up(c);
    for (int s = 1; s <= seats; ++s) {
      const int card =
          deck[static_cast<std::size_t>((c - 1) * 7) + static_cast<std::size_t>(s - 1)];
      p(s).card(c) = card;
      set_card_picture(s, c, s == human || face_up ? card : no_card);
    }
  }
  for (int c = 1; c <= 7; ++c)
    for (int s = 1; s <= seats; ++s) write_card_text(p(s).card(c), p(s).cardtext(c));
  class_set_to_zero();
  numberofwinners = 0;
  while (numberofwinners <= 0) evaluate_player_cards();
  Command4_Click();
  Command4_Click();
}

}  // namespace tarvix
