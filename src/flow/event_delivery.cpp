// Delivering what happens to the table: the player's clicks and keys, focus
// changes and timer ticks, one handler at a time and never one inside another.
#include <cassert>

#include "model/table.h"

namespace tarvix {

void Table::click(Element e) {
  if (ended()) return;
  const ElementKind kind = kind_of(e);
  // Only buttons and the amount box answer clicks; a seat light never takes
  // the turn because the player clicked it.
  if (kind != ElementKind::button && kind != ElementKind::text_box) return;
  if (!control_shown(e)) return;
  deliver_focus_changes();
  give_focus(e);
  deliver_focus_changes();
  // The focus change may have ended the game or hidden the button.
  if (ended() || !control_shown(e)) return;
  loop.begin_handler();
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
  assert(broken_books().empty());
}

bool Table::human_turn_open() const {
  return !ended() && !gameover && !loop.enabled(TimerId::roundtimer) &&
         (control_shown(Command5) || control_shown(Command7));
}

void Table::click_from_keyboard(Element e) {
  // Letters typed into the amount box are its text, not commands.
  if (loop.focus() == Text2) return;
  click(e);
}

void Table::leave_box() {
  // The window holds the keyboard again; no handler runs, as the box has no
  // LostFocus of its own.
  if (loop.focus() == Text2) loop.set_focus({no_element, false, loop.handler()});
}

void Table::type_amount(const std::string& text) {
  if (ended() || !control_shown(Text2)) return;
  if (loop.focus() != Text2) {
    give_focus(Text2);
    deliver_focus_changes();
    if (ended() || !control_shown(Text2)) return;
  }
  amount_text = text;
  display.set_text(Text2, text);
}

void Table::press_key(Key key) {
  if (ended()) return;
  loop.begin_handler();
  switch (key) {
    case Key::f9: Form_KeyDown(key_f9); break;
    case Key::f10: Form_KeyDown(key_f10); break;
    case Key::enter:
      if (loop.focus() == Text2 && control_shown(Text2)) Text2_KeyPress(key_enter);
      break;
    case Key::call: click_from_keyboard(Command5); break;
    case Key::check: click_from_keyboard(Command7); break;
    case Key::raise: click_from_keyboard(Command6); break;
    case Key::fold: click_from_keyboard(Command8); break;
    case Key::bet_box: click_from_keyboard(Text2); break;
    case Key::leave_box: leave_box(); break;
    case Key::other: break;
  }
  deliver_focus_changes();
  assert(broken_books().empty());
}

void Table::run_due_timers() {
  deliver_focus_changes();
  while (!ended()) {
    const auto id = loop.take_due_tick();
    if (!id) break;
    loop.begin_handler();
    if (*id == TimerId::roundtimer)
      roundtimer_Timer();
    else
      Timer1_Timer();
    deliver_focus_changes();
    assert(broken_books().empty());
  }
}

bool Table::can_take_focus(Element e) const {
  // Seat lights are always on the table; of the rest, only controls shown.
  return seat_of_light(e) != 0 || control_shown(e);
}

void Table::deliver_focus_changes() {
  while (loop.focus_pending() && !ended()) {
    const EventLoop::FocusRequest request = loop.take_focus_request();
    const Element holder = loop.focus();
    // A seat that closes a street gets the turn straight back from the next
    // tick; a seat that one handler passed the turn to twice (a short small
    // blind that is all in passes it on again) has one turn.
    const bool again = request.element == holder;
    if (again ? !loop.turn_given_again(request) : !can_take_focus(request.element)) continue;
    if (!again) {
      loop.set_focus(request);
      if (holder != no_element) lost_focus(holder);
    }
    if (request.turn) {
      const int s = seat_of_light(request.element);
      tell(TurnTaken{s != 0 ? s : human, s == 0, request.from});
    }
    got_focus(request.element);
  }
}

void Table::got_focus(Element e) {
  loop.begin_handler();
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
  loop.begin_handler();
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
