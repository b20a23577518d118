// The human's turn and the bet panel: Call, Raise, Check, Fold, Bet It and
// Enter in the amount box, Sit Out, and the keys that show the winner.
#include <algorithm>
#include <cmath>

#include "betting/amount.h"
#include "model/table.h"
#include "model/text.h"

namespace tarvix {

void Table::Command5_GotFocus() {
  if (gameover) return;
  timer_off(TimerId::roundtimer);

  // With no opponent left every other seat is folded: this win holds the
  // showdown, which tells the victory, once.
  if (all_others_folded(human)) win_uncontested(human);
  // The showdown has been held: no turn is opened after it.
  if (gameover) return;

  const Chips call = amount_to_call();
  const Chips raise = call + 2 * limits;
  display.set_caption(Command5, number_text(call));
  display.set_caption(Command6, number_text(raise));

  player& q = p(human);
  // A seat all in has nothing to decide: the turn passes on without the
  // panel ever showing, so nothing takes the keyboard or asks for attention.
  if (!q.sittingout && !q.fold && !q.allin) {
    const bool opening = !control_shown(Command8);
    highlight_seat(human, true);
    for (Element e : {Command5, Command6, Command7, Command8, Command11, Text2, Shape12})
      show_control(e, true);
    show_control(Command7, call <= 0);
    show_control(Command5, call > 0);
    if (opening) tell(HumanTurnOpened{call, raise, least_bet()});
  }
  if (!q.Active || q.sittingout) q.fold = true;
  if (q.fold || q.allin) human_passes_on();
}

void Table::human_passes_on() {
  bet_panel_hide();
  street_end_check(human);
  bet_panel_hide();
  // Like a computer seat that cannot act, the big blind still closes the
  // street for the others while nobody has raised.
  if (!raiser && p(6).dealer == 1) big_blind_closing_rule(human);
  if (!gameover) {
    focuser = human;
    Command4_Click();
  }
}

void Table::human_after_action(bool folding) {
  bet_panel_hide();
  // A fold takes effect before anything that it ends: a folded human neither
  // sees the next card nor competes at the showdown.
  if (folding) p(human).fold = true;
  street_end_check(human);
  if (all_others_folded(human)) p(human).handrank = 1;
  if (!gameover) {
    Command4_Click();
    if (!folding) focuser = human;
  }
  if (!raiser && p(6).dealer == 1) big_blind_closing_rule(human);
}

void Table::human_stake(Chips amount) {
  stake(human, amount);
  stake_bookkeeping(human);
}

void Table::Command5_Click() {
  const Chips owed = currentbet;
  human_stake(amount_to_call());
  tell_stake(human, owed);
  human_after_action(false);
}

void Table::Command7_Click() {
  mark_stack(human);
  tell_action(human, ActionKind::check);
  human_after_action(false);
}

void Table::Command8_Click() {
  mark_stack(human);
  bet_panel_hide();
  hide_card_slots(human);
  tell_action(human, ActionKind::fold);
  human_after_action(true);
}

void Table::human_raised(bool seventh_street_too) {
  bet_panel_hide();
  if (!gameover) {
    focuser = human;
    Command4_Click();
  }
  move_closing_seat(human, seventh_street_too);
}

void Table::Command6_Click() {
  const Chips owed = currentbet;
  human_stake(amount_to_call() + 2 * limits);
  tell_stake(human, owed);
  human_raised(true);
}

void Table::Command11_Click() {
  p(human).bet = amount_to_call();
  const BetItStake bet = bet_it_stake();
  if (bet.refused) {
    tell(AmountRefused{bet.least, *bet.refused});
    return;
  }
  const Chips owed = currentbet;
  human_stake(bet.total);
  tell_stake(human, owed, Sizing::typed);
  human_raised(false);
}

BetItStake Table::bet_it_stake() const {
  const Chips call = amount_to_call();
  const std::string& typed = amount_text;
  const double value = numeric_value(typed);
  BetItStake bet{std::nullopt, least_bet(), call, 0, call};
  if (typed.empty() || !starts_with_number(typed)) {
    bet.refused = Refusal::no_number;
    return bet;
  }
  if (value < static_cast<double>(bet.least)) {
    bet.refused = Refusal::too_small;
    return bet;
  }
  if (is_numeric(typed)) {
    // Any typed size is cut to the stack before it becomes a whole number,
    // so a huge text cannot overflow.
    const double wanted = static_cast<double>(call) + std::fabs(std::nearbyint(value));
    const Chips prize = std::max<Chips>(p(human).prize, 0);
    bet.total = wanted >= static_cast<double>(prize) ? prize : static_cast<Chips>(wanted);
    bet.typed = bet.total - call;
  }
  return bet;
}

Chips Table::least_bet() const {
  const Chips call = amount_to_call();
  return std::max(call, call + 2 * limits);
}

void Table::Text2_KeyPress(int keyascii) {
  if (keyascii == key_enter) Command11_Click();
}

void Table::Command3_Click() {
  if (playersout >= final_table) return;
  constexpr Color yellow = 0xFFFF, red = 0xFF;
  if (p(human).sittingout) {
    sitter = 0;
    display.set_color(Command3, ColorRole::back, yellow);
  } else {
    sitter = 1;
    display.set_color(Command3, ColorRole::back, red);
  }
}

SitOut Table::sit_out() const {
  if (p(human).sittingout) return sitter == 1 ? SitOut::sitting_out : SitOut::back_next_hand;
  return sitter == 1 ? SitOut::from_next_hand : SitOut::playing;
}

void Table::Form_KeyDown(int keycode) {
  if (keycode == key_f10) display.set_visible(winnerlabel, true);
  if (keycode == key_f9) display.set_visible(winnerlabel, false);
}

void Table::Command5_LostFocus() { highlight_seat(human, false); }

void Table::lost_focus_after_action() {
  highlight_seat(human, false);
  // After the showdown the clock stands still until the next deal.
  if (!gameover) Command4_Click();
}

void Table::Command6_LostFocus() { lost_focus_after_action(); }
void Table::Command7_LostFocus() { lost_focus_after_action(); }
void Table::Command8_LostFocus() { lost_focus_after_action(); }

}  // namespace tarvix
