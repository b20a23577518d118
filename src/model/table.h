// The table: the one object that holds the whole game's state, with the
// game's procedures as its member functions. The Game (model/game.h) owns it
// and is what the hosts talk to.
//
// One hand, from the entry points to the next deal:
//   Form_Load (game_start.cpp) sets the table up and calls first_game: the
//   toss, the deal (shuffle_and_deal.cpp: dealfirst, distribute_cards_for_10,
//   which evaluates and ranks every seat, evaluation/ and ranking.cpp) and
//   third street (streets.cpp: show_hole_cards). blinds_bet passes the turn
//   to the seat after the button.
//   Passing a turn is a focus request on the event loop (event_loop.h);
//   event_delivery.cpp delivers it once the running handler has returned,
//   and the seat's GotFocus handler is its turn: computer_turn
//   (betting_round.cpp, deciding in computer_players.cpp) or, through the
//   Call button, Command5_GotFocus (human_actions.cpp), after which the
//   player's click runs Command5_Click .. Command11_Click.
//   Every tick of roundtimer runs turn_dispatch (the turn goes to the seat
//   after focuser) and limits_clock (limits.cpp). A street ends when its
//   closing seat has acted (street_end_check): show_flop1 .. show_flop4
//   gather the bets (chips_and_pot.cpp), and after seventh street, or when
//   every other seat has folded, evaluate_winner (showdown.cpp) pays the pot
//   and switches Timer1 on.
//   Timer1_Timer (hand_lifecycle.cpp) ends the program, or runs new_deal:
//   the tournament step (field.cpp), the button's move, the antes of the
//   final table and the deal, and the cycle starts again.
//
// Commands come in through the entry points (what a player does and the
// passing of time). What the player would see goes out through the Display,
// which the rules only ever write, and what happens goes out as GameEvents.
#pragma once

#include <array>
#include <bitset>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "evaluation/detectors.h"
#include "model/commands.h"
#include "model/display.h"
#include "model/event_loop.h"
#include "model/game_events.h"
#include "model/player.h"
#include "model/random.h"

namespace tarvix {

constexpr int human = 1;
constexpr int deck_size = seats * cards_per_seat;
constexpr int field_size = 1000;
constexpr int final_table = 990;  // playersout at which ten players are left
constexpr Chips starting_stack = 1000;
constexpr int limits_clock_start = 300;  // ticks of roundtimer, ten minutes
constexpr Chips first_limits = 10;

class Table {
 public:
  Table(Display& display, Random& random, const Clock& clock, Settings settings);

  // ---- Entry points: what a player does, and time passing ----------------
  void Form_Load();                           // the table window loads
  void click(Element e);                      // a click on a button (or the amount box)
  void type_amount(const std::string& text);  // the amount box now holds this text
  void press_key(Key key);                    // a key pressed in the table window
  void leave_box();                           // the keyboard leaves the amount box
  void click_from_keyboard(Element e);
  void run_due_timers();  // deliver every tick due by the clock's now
  std::optional<Millis> next_tick_due() const { return loop.next_due(); }

  bool ended() const { return ending != Ending::running; }
  // The human has the turn: the bet panel waits for a button and the turn
  // timer stands still.
  bool human_turn_open() const;

  // ---- Table state -------------------------------------------------------
  Chips currentbet = 0;
  Chips pot = 0;
  Chips sidepot = 0;
  Chips limits = first_limits;
  int level = 1;
  int limittimersetting = limits_clock_start;

  bool postblinds = false;
  bool postflop1 = false, postflop2 = false, postflop3 = false, postflop4 = false;
  int flopshower = 0, flopshower1 = 0, flopshower2 = 0, flopshower3 = 0, flopshower4 = 0;
  int focuser = 0;
  bool raiser = false;
  int raiservalue = 0;
  int folder = 0;
  int numberofwinners = 0;

  int tossdone = 0;
  bool gameover = false;
  int closer = 0;
  int sitter = 0;

  // The tournament counters. They live for the whole run and are never reset.
  int playersout = 0;
  Chips outchips = 0;

  std::array<int, deck_size> deck{};
  std::array<player, seats + 1> seat{};  // seat[1] .. seat[7]; seat[0] unused
  player& p(int s) { return seat[static_cast<std::size_t>(s)]; }
  const player& p(int s) const { return seat[static_cast<std::size_t>(s)]; }

  struct Home {
    int top = 0, left = 0;
  };
  // Where the table has put every chip picture: the payment moves the pot
  // onto the winner's pile (seat 1's pile is put back in place at every
  // stake), then every pot chip back to its home, saved at load.
  std::array<Home, backchips_count> chip_at{};
  const Home& chip_place(int index) const { return chip_at[static_cast<std::size_t>(index)]; }
  std::array<Home, pot_chip_count> pot_chip_home{};

  // The controls shown: the bet panel while the human decides, Sit Out and
  // Exit always. Clicks, keys and the focus reach only controls shown.
  bool control_shown(Element e) const { return shown_controls_[static_cast<std::size_t>(e)]; }

  Settings settings;
  EventLoop loop;
  Ending ending = Ending::running;
  Finish finish = Finish::none;
  int hands_dealt = 0;
  Listener on_event;  // what happens, as it happens

  // Chips that entered the table (newcomers' stacks) and left it (the
  // sitting-out dealer's fee): every other change only moves chips about.
  Chips chips_brought = 0;
  Chips chips_taken = 0;
  Chips chips_expected() const { return seats * starting_stack + chips_brought - chips_taken; }
  Chips chips_in_stacks() const;
  // The chip books and stakes: empty while they hold, else the rule broken.
  // Asserted after every event in builds with assertions.
  std::string broken_books() const;

  // ---- Game start (flow/game_start.cpp) -----------------------------------
  void first_game();
  void toss();
  void Command1_Click();  // Timer1 on: the pause before the next hand
  void Command2_Click();  // Exit
  void end_program(Ending how);
  void reset_hand();  // the betting figures, street and turn state of a new hand

  // ---- Shuffle and deal (flow/shuffle_and_deal.cpp) -----------------------
  void dealfirst();
  void distribute_cards_for_10();

  // ---- Streets (flow/streets.cpp) -----------------------------------------
  void show_hole_cards();
  void show_flop1();
  void show_flop2();
  void show_flop3();
  void show_flop4();
  void show_street_card(int c, bool& flag, int pot_stage);

  // ---- Hand lifecycle (flow/hand_lifecycle.cpp) ---------------------------
  void Timer1_Timer();
  void new_deal();
  void start_hand();  // numbers the hand and tells it
  void clear_table();
  void class_set_to_zero();
  void next_dealer();
  void remove_folds();
  void renumber_from_dealer(int n);
  void sitting_out_dealer_fee();
  void take_antes();
  void deal_and_open_third_street();  // the common end of every deal

  // ---- Betting round (betting/betting_round.cpp) --------------------------
  void blinds_bet();
  void roundtimer_Timer();
  void turn_dispatch();
  void Picture2_GotFocus();      // seat 1's turn: blinds and the highlight only
  void computer_turn(int k);     // Picture3_GotFocus .. Picture8_GotFocus
  void seat_LostFocus(int k);    // Picture2_LostFocus .. Picture8_LostFocus
  bool post_forced_bets(int k);  // true when the handler passed the turn on
  void post_amount(int k, Chips amount, ForcedBetKind kind);
  void stake_bookkeeping(int k);
  void mark_stack(int k);  // the stack label, or "All in" and allin once it is gone
  void street_end_check(int k);
  void move_closing_seat(int k, bool seventh_street_too = true);
  void big_blind_closing_rule(int k);
  void win_uncontested(int k);  // every other seat has folded
  void zero_total_bets();
  void folder_value();
  void bet_panel_hide();
  void Command4_Click();                // roundtimer on
  void pass_turn(int k);                // give seat k's light the focus
  int street() const;                   // 0 = third .. 4 = seventh street, -1 = blinds pending
  int& closing_seat(int street_index);  // flopshower .. flopshower4
  void highlight_seat(int k, bool on);

  // ---- Stakes (betting/stakes.cpp) ----------------------------------------
  // Takes up to amount from seat k's stack, never below 0; returns what it took.
  Chips take_chips(int k, Chips amount);
  // Seat k stakes up to amount on the street (bet and totalbet).
  void stake(int k, Chips amount);
  // Tells the seat's action, with its stake and what it left.
  // called: of a bet or raise, the part that called what the seat owed.
  void tell_action(int k, ActionKind kind, Chips called = 0, Sizing sizing = Sizing::limits);
  // Tells a stake as a bet, raise, call or check, from what it did to the
  // amount every seat owed before it (currentbet).
  void tell_stake(int k, Chips owed_before, Sizing sizing = Sizing::limits);
  // Tells the seats still able to act that owe chips as the street closes.
  void tell_unanswered_raise();

  // ---- Human actions (betting/human_actions.cpp) --------------------------
  void Command5_GotFocus();
  void Command5_LostFocus();
  void Command6_LostFocus();
  void Command7_LostFocus();
  void Command8_LostFocus();
  void Command5_Click();   // Call
  void Command6_Click();   // Raise
  void Command7_Click();   // Check
  void Command8_Click();   // Fold
  void Command11_Click();  // Bet It
  void Text2_KeyPress(int keyascii);
  void Command3_Click();  // Sit Out
  void Form_KeyDown(int keycode);
  Chips amount_to_call() const { return currentbet - p(human).totalbet; }
  Chips least_bet() const;          // the least amount Bet It accepts in the box
  BetItStake bet_it_stake() const;  // what Bet It would do with the box's text
  void human_stake(Chips amount);
  void human_after_action(bool folding);
  void human_passes_on();
  void human_raised(bool seventh_street_too);
  void lost_focus_after_action();
  SitOut sit_out() const;

  // ---- Computer players (betting/computer_players.cpp) --------------------
  void computer_decision(int k);
  bool another_seat_can_act(int k) const;

  // ---- Chips and pot (betting/chips_and_pot.cpp) --------------------------
  void chips_player_show(Chips amount, int k);
  void chips_player_hide(int k);
  void chips_to_pot(int whichlevel);
  void place_chip(int index, int left, int top);

  // ---- Hand evaluation (evaluation/hand_value.cpp) ------------------------
  // What the detectors found in each seat's cards at the deal, for the valuing.
  std::array<procedures::Hand, seats + 1> hands{};
  void evaluate_player_cards();
  void evaluate_hand_royal(int player);
  void evaluate_hand_value1();  // seats 1..5
  void evaluate_hand_value();   // seats 6, 7
  void value_seat(int s);

  // ---- Showdown (tournament/showdown.cpp) ---------------------------------
  void evaluate_ultimate_winner(const std::array<int, seats>& winner);
  void evaluate_winner();
  void pot_to_winner(int s);
  void announce_victory();
  bool opponent_left() const;
  void tell_showdown(const std::array<Chips, seats + 1>& share);

  // ---- Limits (tournament/limits.cpp) -------------------------------------
  static std::vector<Chips> limits_ladder();  // every value the limits take, the first first
  void limits_clock();
  void show_limits();

  // ---- Tournament field (tournament/field.cpp) ----------------------------
  Chips advance_tournament();
  std::string random_name_fragment();
  void tournament_step();
  void seat_newcomer(int s, Chips stack);
  void end_sit_out_for_final_table();
  // Players still in the tournament: the field, or at the final table the
  // players at it (the human counted when still in).
  int players_left() const;
  int rivals_left() const;  // of those, the players besides the human

  // ---- Event delivery (flow/event_delivery.cpp) ---------------------------
  void give_focus(Element e) { loop.request_focus(e); }
  void deliver_focus_changes();
  void got_focus(Element e);
  void lost_focus(Element e);
  bool can_take_focus(Element e) const;
  void timer_on(TimerId id) { loop.enable(id, true); }
  void timer_off(TimerId id) { loop.enable(id, false); }
  void tell(const GameEvent& event) {
    if (on_event) on_event(event);
  }

  // ---- Seats (model/seats.cpp) --------------------------------------------
  static int seat_after(int k) { return k % seats + 1; }
  static int seat_before(int k) { return (k + seats - 2) % seats + 1; }
  int dealer_seat() const;  // the seat with dealer = 1, or 0
  void move_dealer_marker(int s);
  void show_stack(int s);
  void hide_card_slots(int s);
  // Slot c of seat s shows the face of this card, or the back design for
  // no_card; face_shown tells which it was.
  void set_card_picture(int s, int c, int face);
  int face_shown(int s, int c) const { return faces_[slot_index(s, c)]; }
  bool all_others_folded(int k) const;
  void show_control(Element e, bool shown);

  std::string amount_text;  // what the amount box holds

  Display& display;
  Random& random;
  const Clock& clock;

 private:
  static std::size_t slot_index(int s, int c) {
    return static_cast<std::size_t>(array_index(card_slot(s, c)));
  }

  std::bitset<element_count> shown_controls_;
  Chips limits_shown_ = 0;  // the limits the limits display shows
  std::array<int, card_slot_count> faces_{};
};

}  // namespace tarvix
