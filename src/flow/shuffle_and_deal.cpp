// Drawing a deck of 49 distinct cards and dealing seven to every seat.
#include "model/card.h"
#include "model/table.h"

namespace tarvix {

void Table::dealfirst() {
  random.reseed();
  // Rejection draw: a card already in the deck is drawn again.
  deck[0] = random.whole(1, cards_in_pack);
  for (int k = 1; k < deck_size; ++k) {
    int x = 0;
    bool repeated = true;
    while (repeated) {
      x = random.whole(1, cards_in_pack);
      repeated = false;
      for (int j = 0; j < k; ++j)
        if (deck[static_cast<std::size_t>(j)] == x) repeated = true;
    }
    deck[static_cast<std::size_t>(k)] = x;
  }
}

void Table::distribute_cards_for_10() {
  for (int c = 1; c <= 7; ++c) {
    const bool face_up = c == 2 || c == 4 || c == 5 || c == 6;
    for (int s = 1; s <= seats; ++s) {
      const int card =
          deck[static_cast<std::size_t>((c - 1) * 7) + static_cast<std::size_t>(s - 1)];
      p(s).card(c) = card;
      set_card_picture(s, c, s == human || face_up ? card : no_card);
    }
  }
  for (int c = 1; c <= 7; ++c)
    for (int s = 1; s <= seats; ++s) p(s).cardtext(c) = convert2card(p(s).card(c));
  class_set_to_zero();
  numberofwinners = 0;
  while (numberofwinners <= 0) evaluate_player_cards();
  Command4_Click();
  Command4_Click();
}

}  // namespace tarvix
