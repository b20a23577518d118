// The betting round: forced bets, the turn passing round the table, the
// computer seat's turn, the stake bookkeeping and the end of a street.
#include <algorithm>

#include "model/table.h"
#include "model/text.h"

namespace tarvix {

namespace {
constexpr Color dark = 0x80;
constexpr Color lit = 0x80FFFF;
}  // namespace

void Table::Command4_Click() { timer_on(TimerId::roundtimer); }

void Table::pass_turn(int k) {
  // No turn is given once the hand has reached its showdown.
  if (gameover) return;
  loop.request_focus(seat_light(k), true);
  tell(TurnPassed{k, false, loop.handler()});
}

void Table::highlight_seat(int k, bool on) {
  display.set_color(seat_plate(k), ColorRole::fill, on ? lit : dark);
  display.set_color(seat_light(k), ColorRole::back, on ? lit : dark);
}

void Table::blinds_bet() {
  for (int s = 1; s <= seats; ++s)
    if (p(s).dealer == 1) pass_turn(seat_after(s));
}

void Table::post_amount(int k, Chips amount, ForcedBetKind kind) {
  player& q = p(k);
  stake(k, amount);
  // A short stack's blind must not lower what the others owe.
  currentbet = std::max(currentbet, q.totalbet);
  show_stack(k);
  if (q.prize < 1) q.allin = true;
  pot += q.bet;
  display.set_caption(potlabel, number_text(pot));
  chips_player_show(q.bet, k);
  tell(ForcedBet{k, kind, q.bet, q.prize, pot, q.allin});
  Command4_Click();
}

bool Table::post_forced_bets(int k) {
  if (postblinds || playersout > final_table || !p(k).Active) return false;
  if (p(seat_before(k)).dealer == 1) {
    post_amount(k, limits, ForcedBetKind::small_blind);
    pass_turn(seat_after(k));
    return true;
  }
  if (p(seat_before(seat_before(k))).dealer == 1) {
    post_amount(k, 2 * limits, ForcedBetKind::big_blind);
    if (k == human) {
      postblinds = true;
      pass_turn(2);
      return true;
    }
  }
  return false;
}

void Table::roundtimer_Timer() {
  turn_dispatch();
  limits_clock();
}

int Table::street() const {
  if (postflop4) return 4;
  if (postflop3) return 3;
  if (postflop2) return 2;
  if (postflop1) return 1;
  return postblinds ? 0 : -1;
}

int& Table::closing_seat(int street_index) {
  int* const closing[] = {&flopshower, &flopshower1, &flopshower2, &flopshower3, &flopshower4};
  return *closing[street_index];
}

void Table::turn_dispatch() {
  // After the showdown the only thing left to do is leave.
  if (gameover) {
    give_focus(Command2);
    bet_panel_hide();
    return;
  }
  const bool any_street = postblinds || postflop1 || postflop2 || postflop3 || postflop4;
  if (currentbet == 0 && flopshower4 == 0 && raiservalue == 0 && any_street) {
    flopshower4 = 7;
    focuser = 6;
  }
  // A street after a raise earlier in the hand has no closing seat until
  // somebody raises on it; without one it would never end. It closes after
  // one full round, at the seat whose turn has just ended, so that every
  // seat acts once on it.
  if (raiser && street() >= 0 && closing_seat(street()) == 0 && focuser >= 1 && focuser <= 7)
    closing_seat(street()) = focuser;

  if (focuser >= 1 && focuser <= 7 && !postflop1 && !postflop2 && !postflop3) postblinds = true;
  if (focuser >= 1 && focuser <= 6) {
    pass_turn(focuser + 1);
  } else if (focuser == 7) {
    show_control(Command5, true);
    loop.request_focus(Command5, true);
    tell(TurnPassed{human, true, loop.handler()});
  }
}

void Table::Picture2_GotFocus() {
  if (gameover) return;
  post_forced_bets(human);
  player& q = p(human);
  if (!q.sittingout) highlight_seat(human, true);
  if (q.sittingout && q.dealer == 1) {
    display.set_visible(Label1, false);
    hide_card_slots(human);
  }
}

void Table::seat_LostFocus(int k) { highlight_seat(k, false); }

void Table::computer_turn(int k) {
  if (gameover) return;
  player& q = p(k);
  folder_value();
  if (k == 3) display.set_visible(Label24, false);

  if (all_others_folded(k)) win_uncontested(k);
  post_forced_bets(k);

  highlight_seat(k, true);
  if (k == 2) highlight_seat(human, false);
  if (q.sittingout && q.dealer == 1) {
    display.set_visible(Label1, false);
    hide_card_slots(k);
  }
  if (!q.Active || q.sittingout) q.fold = true;
  if (q.fold || q.allin) {
    street_end_check(k);
    pass_turn(seat_after(k));
  }
  if (postblinds && q.Active && !q.fold && !q.sittingout && !gameover) {
    const bool had_chips = !q.allin;
    const Chips owed = currentbet;
    computer_decision(k);
    stake_bookkeeping(k);
    // A seat all in already stakes nothing whatever it decides; only its
    // fold is news.
    if (q.fold)
      tell_action(k, ActionKind::fold);
    else if (had_chips)
      tell_stake(k, owed, Sizing::stack);
    street_end_check(k);
  }
  if (!raiser && p(seat_before(seat_before(k))).dealer == 1) big_blind_closing_rule(k);
  focuser = k;
  Command4_Click();
}

void Table::mark_stack(int k) {
  player& q = p(k);
  if (q.prize <= 0) {
    display.set_caption(stack_label(k), "All in");
    q.allin = true;
  } else {
    display.set_caption(stack_label(k), number_text(q.prize));
  }
}

void Table::stake_bookkeeping(int k) {
  player& q = p(k);
  mark_stack(k);
  currentbet = std::max(currentbet, q.totalbet);
  pot += q.bet;
  display.set_caption(potlabel, number_text(pot));
  if (q.bet != 0) chips_player_show(q.bet, k);
}

void Table::street_end_check(int k) {
  // Only the street in play can end, and nothing ends after the showdown:
  // an earlier street's closing seat must not deal that street again.
  if (gameover) return;
  const int current = street();
  if (current < 0 || closing_seat(current) != k) return;
  tell_unanswered_raise();
  switch (current) {
    case 0: show_flop1(); break;
    case 1: show_flop2(); break;
    case 2: show_flop3(); break;
    case 3: show_flop4(); break;
    case 4:
      timer_off(TimerId::roundtimer);
      zero_total_bets();
      bet_panel_hide();
      evaluate_winner();
      return;
  }
  zero_total_bets();
}

void Table::move_closing_seat(int k, bool seventh_street_too) {
  raiser = true;
  if (raiservalue >= 3) return;
  const bool flags[] = {postblinds, postflop1, postflop2, postflop3,
                        postflop4 && seventh_street_too};
  for (int i = 0; i < 5; ++i) {
    if (!flags[i]) continue;
    ++raiservalue;
    closing_seat(i) = seat_before(k);
  }
}

void Table::big_blind_closing_rule(int k) {
  const bool flags[] = {postblinds, postflop1, postflop2, postflop3, postflop4};
  for (int i = 0; i < 5; ++i)
    if (flags[i]) closing_seat(i) = seat_before(k);
}

void Table::win_uncontested(int k) {
  for (int s = 1; s <= seats; ++s) p(s).handrank = s == k ? 1 : 7;
  zero_total_bets();
  timer_off(TimerId::roundtimer);
  evaluate_winner();
}

void Table::zero_total_bets() {
  for (int s = 1; s <= seats; ++s) {
    p(s).bet = 0;
    p(s).totalbet = 0;
  }
  currentbet = 0;
}

void Table::folder_value() {
  random.reseed();
  folder = random.whole(1, 3);
}

void Table::bet_panel_hide() {
  for (Element e : {Command5, Command6, Command7, Command8, Command11, Text2, Shape12})
    show_control(e, false);
  amount_text.clear();
  display.set_text(Text2, "");
}

}  // namespace tarvix
