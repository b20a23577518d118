// The life of a hand after the first: the pause timer's tick, the next deal
// with its tournament step, the button's move and the table clean-up.
#include "model/table.h"
#include "model/text.h"

namespace tarvix {

void Table::class_set_to_zero() {
  for (int s = 1; s <= seats; ++s) {
    player& q = p(s);
    q.handrank = 0;
    q.handnumber = 0;
    q.handvalue.clear();
    q.handvaluetops.clear();
    q.handvaluepair.clear();
    q.handvaluetwok.clear();
    q.handvaluethreek.clear();
    q.handvaluestraight.clear();
    q.handvalueflush.clear();
    q.handvaluefullhouse.clear();
    q.handvaluefourk.clear();
    q.handvaluesflush.clear();
    q.handvaluerflush.clear();
  }
}

void Table::Timer1_Timer() {
  if (closer == 1) {
    end_program(Ending::tournament_over);
    return;
  }
  clear_table();
  bet_panel_hide();
  new_deal();
}

void Table::clear_table() {
  for (int k = 1; k <= 10; ++k) chips_player_hide(k);
  for (int i = 0; i < card_slot_count; ++i) display.set_visible(Image1(i), false);
}

void Table::remove_folds() {
  // A seat without a player stays folded: it is dealt, but it must never be
  // in the hand, or it could win pots nobody can take from it again.
  for (int s = 1; s <= seats; ++s) {
    p(s).fold = !p(s).Active;
    p(s).allin = false;
    p(s).handbet = 0;
  }
}

void Table::renumber_from_dealer(int n) {
  for (int s = 1; s <= seats; ++s) p(s).dealer = ((s - n) % seats + seats) % seats + 1;
  move_dealer_marker(n);
}

void Table::next_dealer() {
  const int d = dealer_seat();
  if (d == 0) {
    postblinds = false;
    return;
  }
  renumber_from_dealer(seat_after(d));
  postblinds = false;
  focuser = d;
}

void Table::sitting_out_dealer_fee() {
  player& q = p(human);
  if (q.dealer != 1 || !q.sittingout || !q.Active) return;
  // The fee is cut to the stack like every other amount.
  const Chips fee = take_chips(human, 2 * limits);
  chips_taken += fee;
  show_stack(human);
  if (q.prize < 1) q.allin = true;
  tell(
      SeatAction{human, ActionKind::sit_out_fee, fee, 0, q.prize, pot, q.allin, 0, Sizing::limits});
}

void Table::take_antes() {
  for (int s = 1; s <= seats; ++s) {
    player& q = p(s);
    if (!q.Active) continue;
    const Chips ante = take_chips(s, limits);
    q.handbet += ante;
    if (q.prize < 1) q.allin = true;
    pot += ante;
    currentbet = limits;
    chips_player_show(ante, s);
    // Keep the stack and the pot on screen in step with the chips.
    show_stack(s);
    display.set_caption(potlabel, number_text(pot));
    tell(ForcedBet{s, ForcedBetKind::ante, ante, q.prize, pot, q.allin});
  }
}

void Table::start_hand() {
  ++hands_dealt;
  tell(HandStarted{hands_dealt});
}

void Table::new_deal() {
  start_hand();
  tournament_step();

  player& me = p(human);
  if (sitter == 1) {
    me.sittingout = true;
    hide_card_slots(human);
    tell(SatOut{human});
  } else {
    me.sittingout = false;
    for (int c = 1; c <= 3; ++c) display.set_visible(card_slot(human, c), true);
  }
  for (int s = 2; s <= seats; ++s) {
    if (p(s).Active) continue;
    p(s).sittingout = true;
    p(s).fold = true;
    hide_card_slots(s);
  }
  sitting_out_dealer_fee();

  display.set_caption(winnerlabel, " ");
  display.set_visible(winnerlabel, false);
  zero_total_bets();
  remove_folds();
  reset_hand();

  bet_panel_hide();
  timer_off(TimerId::Timer1);
  dealfirst();
  next_dealer();
  // A seat without a player passes the button straight on; a run of empty
  // seats is skipped as a whole because each is examined in turn.
  for (int s = 2; s <= seats; ++s) {
    if (p(s).Active || p(s).dealer != 1) continue;
    renumber_from_dealer(seat_after(s));
    focuser = s;
  }
  // Told once, where the button stops.
  if (dealer_seat() != 0) tell(ButtonMoved{dealer_seat()});
  if (playersout > final_table) take_antes();

  deal_and_open_third_street();
}

void Table::deal_and_open_third_street() {
  // The deal has evaluated and ranked the seats; a second evaluation of the
  // same cards would write the same again.
  distribute_cards_for_10();
  show_hole_cards();
  blinds_bet();
  Command4_Click();
}

}  // namespace tarvix
