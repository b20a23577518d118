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
      events(clock_),
      display(display_),
      random(random_),
      clock(clock_) {}

Chips Table::chips_in_stacks() const {
  Chips sum = 0;
  for (int s = 1; s <= seats; ++s) sum += p(s).prize;
  return sum;
}

void Table::Form_Load() {
  limittimersetting = 300;
  tossdone = 0;
  limits = 10;
  pot = 0;
  folder = 0;
  sidepot = 0;
  postblinds = postflop1 = postflop2 = postflop3 = postflop4 = false;
  currentbet = 0;
  gameover = false;
  raiser = false;
  raiservalue = 0;
  closer = 0;
  numberofwinners = 0;
  level = 1;
  focuser = 0;

  display.set_color(Shape1, ColorRole::fill, settings.tabletop);

  p(1) = player{};
  p(1).caption = settings.name;
  for (int s = 2; s <= seats; ++s) {
    p(s) = player{};
    p(s).caption = opponent_names[s - 2];
  }
  for (int s = 1; s <= seats; ++s) p(s).prize = 1000;
  for (int s = 1; s <= seats; ++s) p(s).bet = 0;
  for (int s = 1; s <= seats; ++s) p(s).totalbet = 0;

  flopshower = flopshower1 = flopshower2 = flopshower3 = flopshower4 = 0;
  class_set_to_zero();
  show_limits();

  for (int i = 0; i < 31; ++i) {
    pot_chip_home[static_cast<std::size_t>(i)] = {display.top(backchips(60 + i)),
                                                  display.left(backchips(60 + i))};
  }

  for (int s = 1; s <= seats; ++s) {
    display.set_caption(stack_label(s), number_text(p(s).prize));
    display.set_caption(name_label(s), p(s).caption);
  }
  class_set_to_zero();
  first_game();
  deliver_focus_changes();
}

void Table::first_game() {
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
    display.set_picture(Image1(7 * (s - 1)), p(s).cardone);
  }
  for (int s = 1; s <= seats; ++s) p(s).cardtext1 = convert2card(p(s).cardone);

  int winner = 1;
  for (int s = 2; s <= seats; ++s)
    if (p(s).cardone > p(winner).cardone) winner = s;
  for (int s = 1; s <= seats; ++s) p(s).dealer = ((s - winner) % seats + seats) % seats + 1;
  move_dealer_marker(winner);
  tossdone = 1;
}

void Table::Command1_Click() { timer_on(TimerId::Timer1); }

void Table::Command2_Click() { end_program(Ending::exit_button); }

void Table::end_program(Ending how) {
  if (ended()) return;
  ending = how;
  timer_off(TimerId::roundtimer);
  timer_off(TimerId::Timer1);
  events.drop_focus_requests();
}

int Table::dealer_seat() const {
  for (int s = 1; s <= seats; ++s)
    if (p(s).dealer == 1) return s;
  return 0;
}

void Table::move_dealer_marker(int s) {
  const Element reference = Image1(7 * (s - 1) + 3);
  display.set_position(Label1, display.left(reference) + 500, display.top(reference) + 500);
  display.set_visible(Label1, true);
}

void Table::show_stack(int s) { display.set_caption(stack_label(s), stack_text(p(s).prize)); }

void Table::hide_card_slots(int s) {
  for (int c = 0; c < 7; ++c) display.set_visible(Image1(7 * (s - 1) + c), false);
}

bool Table::all_others_folded(int k) const {
  for (int s = 1; s <= seats; ++s)
    if (s != k && !p(s).fold) return false;
  return true;
}

}  // namespace tarvix
