// Game start: the table window's load step, the first hand, the toss for the
// first dealer, and the two ways the table ends the program.
#include <cassert>

#include "model/card.h"
#include "model/table.h"
#include "model/text.h"

namespace tarvix {

namespace {

const char* const opponent_names[] = {"boulder man", "river rat",   "bad beat luck",
                                      "poker man",   "chips chips", "rotten kid"};

}  // namespace

Table::Table(Display& display_, Random& random_, const Clock& clock_, Settings settings_)
    : settings(std::move(settings_)),
      loop(clock_),
      display(display_),
      random(random_),
      clock(clock_) {
  shown_controls_.set(Command2);
  shown_controls_.set(Command3);
}

void Table::reset_hand() {
  currentbet = 0;
  pot = 0;
  sidepot = 0;
  folder = 0;
  numberofwinners = 0;
  raiser = false;
  raiservalue = 0;
  gameover = false;
  postblinds = postflop1 = postflop2 = postflop3 = postflop4 = false;
  flopshower = flopshower1 = flopshower2 = flopshower3 = flopshower4 = 0;
}

void Table::Form_Load() {
  limittimersetting = limits_clock_start;
  tossdone = 0;
  limits = first_limits;
  level = 1;
  closer = 0;
  focuser = 0;
  reset_hand();

  display.set_color(Shape1, ColorRole::fill, settings.tabletop);

  p(human) = player{};
  p(human).caption = settings.name;
  for (int s = 2; s <= seats; ++s) {
    p(s) = player{};
    p(s).caption = opponent_names[s - 2];
  }
  for (int s = 1; s <= seats; ++s) p(s).prize = starting_stack;

  class_set_to_zero();
  show_limits();

  // The chips' places as the window's design puts them; the pot's are its
  // homes, where the payment puts the pot back.
  for (int i = 0; i < backchips_count; ++i) {
    const Rect r = design_rect(backchips(i));
    chip_at[static_cast<std::size_t>(i)] = {r.top, r.left};
  }
  for (int i = 0; i < pot_chip_count; ++i)
    pot_chip_home[static_cast<std::size_t>(i)] = chip_place(pot_chip_first + i);

  for (int s = 1; s <= seats; ++s) {
    display.set_caption(stack_label(s), number_text(p(s).prize));
    display.set_caption(name_label(s), p(s).caption);
  }
  first_game();
  deliver_focus_changes();
}

void Table::first_game() {
  start_hand();
  tell(PlayersLeft{players_left()});
  display.set_caption(winnerlabel, " ");
  currentbet = 0;
  clear_table();
  dealfirst();
  if (tossdone == 0) toss();
  bet_panel_hide();
  timer_off(TimerId::Timer1);
  deal_and_open_third_street();
}

void Table::toss() {
  dealfirst();
  for (int s = 1; s <= seats; ++s) {
    p(s).cardone = deck[static_cast<std::size_t>(s - 1)];
    set_card_picture(s, 1, p(s).cardone);
  }
  for (int s = 1; s <= seats; ++s) p(s).cardtext1 = convert2card(p(s).cardone);

  int winner = 1;
  for (int s = 2; s <= seats; ++s)
    if (p(s).cardone > p(winner).cardone) winner = s;
  renumber_from_dealer(winner);
  tell(ButtonMoved{winner});
  tossdone = 1;
}

void Table::Command1_Click() { timer_on(TimerId::Timer1); }

void Table::Command2_Click() { end_program(Ending::exit_button); }

void Table::end_program(Ending how) {
  if (ended()) return;
  ending = how;
  timer_off(TimerId::roundtimer);
  timer_off(TimerId::Timer1);
  loop.drop_focus_requests();
  tell(GameEnded{how});
}

}  // namespace tarvix
