// The showdown: the winners from the ranks, the pot paid to them, the hands
// turned face up, and the end of the tournament for the human.
#include <algorithm>
#include <vector>

#include "model/table.h"
#include "model/text.h"

namespace tarvix {

namespace {

// The seats that take the pot when every seat has folded: the best hands
// among the players still in the tournament.
void rank_best_active_hands(Table& t) {
  int best = -1;
  for (int s = 1; s <= seats; ++s)
    if (t.p(s).Active && t.p(s).handnumber > best) best = t.p(s).handnumber;
  for (int s = 1; s <= seats; ++s) {
    if (t.p(s).Active && t.p(s).handnumber == best) {
      t.p(s).handrank = 1;
      ++t.numberofwinners;
    }
  }
}

}  // namespace

void Table::evaluate_winner() {
  timer_off(TimerId::roundtimer);
  bet_panel_hide();
  give_focus(Command2);
  gameover = true;
  display.set_visible(winnerlabel, true);

  for (int s = 1; s <= seats; ++s)
    if (p(s).fold) p(s).handrank = 10;

  numberofwinners = 0;
  for (int s = 1; s <= seats; ++s) {
    bool lowest = true;
    for (int o = 1; o <= seats; ++o)
      if (o != s && p(s).handrank >= p(o).handrank) lowest = false;
    if (lowest) {
      p(s).handrank = 1;
      ++numberofwinners;
    }
  }
  if (numberofwinners == 0) {
    for (int s = 1; s <= seats; ++s) {
      if (p(s).handrank != 10) {
        p(s).handrank = 1;
        ++numberofwinners;
      }
    }
  }
  // Nobody left in the hand: the pot still goes to somebody.
  if (numberofwinners == 0) rank_best_active_hands(*this);

  // Equal shares, and the odd chips one each to the winners in seat order
  // from the first winner clockwise after the dealer, so that the shares add
  // up to the pot exactly.
  std::vector<int> winners;
  const int first = dealer_seat() == 0 ? 1 : seat_after(dealer_seat());
  for (int i = 0, s = first; i < seats; ++i, s = seat_after(s))
    if (p(s).handrank == 1) winners.push_back(s);
  const Chips count = static_cast<Chips>(winners.size());
  Chips odd_chips = count > 0 ? pot % count : 0;
  std::array<Chips, seats + 1> share{};
  for (int s : winners) {
    share[static_cast<std::size_t>(s)] = pot / count + (odd_chips > 0 ? 1 : 0);
    if (odd_chips > 0) --odd_chips;
  }

  for (int s = 1; s <= seats; ++s) {
    if (p(s).handrank != 1) continue;
    p(s).prize += share[static_cast<std::size_t>(s)];
    display.set_caption(winnerlabel, p(s).caption + " " + p(s).handvalue);
    pot_to_winner(s);
    for (int o = 1; o <= seats; ++o) {
      if (p(o).fold) continue;
      for (int c = 1; c <= cards_per_seat; ++c) {
        set_card_picture(o, c, p(o).card(c));
        display.set_visible(card_slot(o, c), true);
      }
    }
  }
  tell_showdown(share);

  for (int s = 1; s <= seats; ++s) display.set_caption(stack_label(s), number_text(p(s).prize));

  if (p(human).prize <= 0) {
    display.set_visible(Label24, true);
    const int left = players_left();
    display.set_caption(Label24,
                        "Your Finished With " + number_text(left) + " Players Still in Tournament");
    closer = 1;
    finish = Finish::knocked_out;
    tell(TournamentOver{finish, rivals_left(), field_size});
    Command1_Click();
  }

  if (!opponent_left()) {
    announce_victory();
    Command1_Click();
  }

  if (closer == 0) Command1_Click();
}

void Table::announce_victory() {
  display.set_visible(Label24, true);
  display.set_opaque(Label24, true);
  constexpr Color red = 0xFF, yellow = 0xFFFF;
  display.set_color(Label24, ColorRole::back, red);
  display.set_color(Label24, ColorRole::fore, yellow);
  display.set_font_size(Label24, 14);
  display.set_caption(Label24, "Congratulations You Won The Tournament");
  closer = 1;
  finish = Finish::won;
  tell(TournamentOver{finish, 1, field_size});
}

void Table::tell_showdown(const std::array<Chips, seats + 1>& share) {
  int still_in = 0;
  for (int s = 1; s <= seats; ++s) still_in += p(s).fold ? 0 : 1;
  const bool contested = still_in > 1;
  Chips most_staked = 0;
  for (int s = 1; s <= seats; ++s) most_staked = std::max(most_staked, p(s).handbet);
  Showdown told{contested, pot, {}};
  for (int s = 1; s <= seats; ++s) {
    const Chips won = share[static_cast<std::size_t>(s)];
    if (p(s).fold && won == 0) continue;
    if (!contested && won == 0) continue;
    const bool short_all_in = won > 0 && p(s).allin && p(s).handbet < most_staked;
    told.hands.push_back({s, p(s).handvalue, won, p(s).handnumber, short_all_in});
  }
  tell(told);
}

bool Table::opponent_left() const {
  for (int s = 2; s <= seats; ++s)
    if (p(s).Active) return true;
  return false;
}

void Table::pot_to_winner(int s) {
  // Each pot chip lands on the winner's pile, then the pot is cleared away
  // and its chips go back, hidden, to where the pot is drawn.
  for (int i = pot_chip_first; i <= pot_chip_last; ++i) {
    const Home& pile = chip_place(pile_chips * (s - 1) + (i - pot_chip_first) % pile_chips);
    place_chip(i, pile.left, pile.top);
  }
  for (int i = pot_chip_first; i <= pot_chip_last; ++i) display.set_visible(backchips(i), false);
  display.set_visible(potlabel, false);
  for (int i = pot_chip_first; i <= pot_chip_last; ++i) {
    const Home& home = pot_chip_home[static_cast<std::size_t>(i - pot_chip_first)];
    place_chip(i, home.left, home.top);
  }
}

}  // namespace tarvix
