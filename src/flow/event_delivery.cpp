// Delivering what happens to the table: the player's clicks and keys, focus
// changes and timer ticks, one handler at a time and never one inside another.
#include <cassert>

#include "model/table.h"
#include "tournament/invariants.h"

namespace tarvix {

void Table::click(Element e) {
  if (ended()) return;
  const ElementKind kind = kind_of(e);
  // Only buttons and the amount box answer clicks; a seat light never takes
  // the turn because the player clicked it.
  if (kind != ElementKind::button && kind != ElementKind::text_box) return;
  if (!display.visible(e)) return;
  deliver_focus_changes();
  give_focus(e);
  deliver_focus_changes();
  // The focus change may have ended the game or hidden the button.
  if (ended() || !display.visible(e)) return;
  events.begin_handler();
  switch (e) {
    case Command2: Command2_Click(); break;
    case Command3: Command3_Click(); break;
    case Command5: Command5_Click(); break;
    case Command6: Command6_Click(); break;
    case Command7: Command7_Click(); break;
    case Command8: Command8_Click(); break;
    case Command11: Command11_Click(); break;
    default: break;
  }
  deliver_focus_changes();
  assert(rule_violation(*this).empty());
}

bool Table::human_turn_open() const {
  return !ended() && !gameover && !events.enabled(TimerId::roundtimer) &&
         (display.visible(Command5) || display.visible(Command7));
}

void Table::click_from_keyboard(Element e) {
  // Letters typed into the amount box are its text, not commands.
  if (events.focus() == Text2) return;
  click(e);
}

void Table::type_amount(const std::string& text) {
  if (ended() || !display.visible(Text2)) return;
  if (events.focus() != Text2) {
    give_focus(Text2);
    deliver_focus_changes();
    if (ended() || !display.visible(Text2)) return;
  }
  amount_text = text;
  display.set_text(Text2, text);
}

void Table::press_key(Key key) {
  if (ended()) return;
  events.begin_handler();
  switch (key) {
    case Key::f9: Form_KeyDown(key_f9); break;
    case Key::f10: Form_KeyDown(key_f10); break;
    case Key::enter:
      if (events.focus() == Text2 && display.visible(Text2)) Text2_KeyPress(key_enter);
      break;
    case Key::call: click_from_keyboard(Command5); break;
    case Key::check: click_from_keyboard(Command7); break;
    case Key::raise: click_from_keyboard(Command6); break;
    case Key::fold: click_from_keyboard(Command8); break;
    case Key::bet_box: click_from_keyboard(Text2); break;
    case Key::other: break;
  }
  deliver_focus_changes();
  assert(rule_violation(*this).empty());
}

void Table::run_due_timers() {
  deliver_focus_changes();
  while (!ended()) {
    const auto id = events.take_due_tick();
    if (!id) break;
    events.begin_handler();
    if (*id == TimerId::roundtimer)
      roundtimer_Timer();
    else
      Timer1_Timer();
    deliver_focus_changes();
    assert(rule_violation(*this).empty());
  }
}

void Table::deliver_focus_changes() {
  while (events.focus_pending() && !ended()) {
    const Events::FocusRequest request = events.take_focus_request();
    const Element holder = events.focus();
    if (request.element == holder) {
      // A seat that closes a street gets the turn straight back from the
      // next tick; a seat that one handler passed the turn to twice (a
      // short small blind that is all in passes it on again) has one turn.
      if (events.turn_given_again(request)) got_focus(request.element);
      continue;
    }
    // An element that is not shown cannot take the focus.
    if (!display.visible(request.element)) continue;
    events.set_focus(request);
    if (holder != no_element) lost_focus(holder);
    got_focus(request.element);
  }
}

void Table::got_focus(Element e) {
  events.begin_handler();
  if (const int s = seat_of_light(e)) {
    if (s == human)
      Picture2_GotFocus();
    else
      computer_turn(s);
  } else if (e == Command5) {
    Command5_GotFocus();
  }
}

void Table::lost_focus(Element e) {
  events.begin_handler();
  if (const int s = seat_of_light(e)) {
    seat_LostFocus(s);
    return;
  }
  switch (e) {
    case Command5: Command5_LostFocus(); break;
    case Command6: Command6_LostFocus(); break;
    case Command7: Command7_LostFocus(); break;
    case Command8: Command8_LostFocus(); break;
    default: break;
  }
}

}  // namespace tarvix
