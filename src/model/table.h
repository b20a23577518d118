// The table: the one object that holds the whole game's state, with the
// game's procedures as its member functions.
//
// The definitions are split by subsystem, one source file for each topic:
//   flow/game_start.cpp, flow/shuffle_and_deal.cpp, flow/streets.cpp,
//   flow/hand_lifecycle.cpp, flow/event_delivery.cpp,
//   betting/betting_round.cpp, betting/human_actions.cpp,
//   betting/computer_players.cpp, betting/chips_and_pot.cpp,
//   evaluation/hand_value.cpp, tournament/showdown.cpp,
//   tournament/limits.cpp, tournament/field.cpp.
//
// Commands come in through the entry points (what a player does and the
// passing of time); what the player would see goes out through the Display.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "evaluation/detectors.h"
#include "model/display.h"
#include "model/events.h"
#include "model/player.h"
#include "model/random.h"

namespace tarvix {

constexpr int seats = 7;
constexpr int human = 1;
constexpr int deck_size = 49;
constexpr int field_size = 1000;
constexpr int final_table = 990;  // playersout at which ten players are left

// What the settings window hands the table.
struct Settings {
  std::string name;         // the name box Text1
  int backside = 0;         // card-sheet cell of the back design: 0, 53, 54, 55
  Color tabletop = 0x8000;  // &HBBGGRR
};

// Keys the table answers. The letters play the bet panel from the keyboard:
// each acts as a click on its button (C Call, K Check, R Raise, F Fold, B the
// amount box), and only while the amount box does not hold the keyboard.
// Key codes of the table window's keyboard handlers.
constexpr int key_enter = 13;
constexpr int key_f9 = 120;
constexpr int key_f10 = 121;

enum class Key { enter, f9, f10, call, check, raise, fold, bet_box, other };

// How the program came to its end.
enum class Ending { running, exit_button, tournament_over };

// What the end-of-tournament message told the human.
enum class Finish { none, knocked_out, won };

class Table {
 public:
  Table(Display& display, Random& random, const Clock& clock, Settings settings);

  // ---- Entry points: what a player does, and time passing ----------------
  void Form_Load();                           // the table window loads
  void click(Element e);                      // a click on a button (or the amount box)
  void type_amount(const std::string& text);  // the amount box now holds this text
  void press_key(Key key);                    // a key pressed in the table window
  void click_from_keyboard(Element e);
  void run_due_timers();  // deliver every tick due by the clock's now
  std::optional<Millis> next_tick_due() const { return events.next_due(); }

  bool ended() const { return ending != Ending::running; }
  // The human has the turn: the bet panel waits for a button and the turn
  // timer stands still.
  bool human_turn_open() const;

  // ---- Table state -------------------------------------------------------
  Chips currentbet = 0;
  Chips pot = 0;
  Chips sidepot = 0;
  Chips limits = 10;
  int level = 1;
  int limittimersetting = 300;

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
  // Home positions of the pot chips backchips 60..90: every chip that the
  // payment moves to a winner is put back, so the next pot shows in place.
  std::array<Home, 31> pot_chip_home{};

  Settings settings;
  Events events;
  Ending ending = Ending::running;
  Finish finish = Finish::none;
  int hands_dealt = 0;

  // Chips that entered the table (newcomers' stacks) and left it (the
  // sitting-out dealer's fee): every other change only moves chips about.
  Chips chips_brought = 0;
  Chips chips_taken = 0;
  Chips chips_expected() const { return seats * Chips{1000} + chips_brought - chips_taken; }
  Chips chips_in_stacks() const;

  // ---- Game start (flow/game_start.cpp) -----------------------------------
  void first_game();
  void toss();
  void Command1_Click();  // Timer1 on: the pause before the next hand
  void Command2_Click();  // Exit
  void end_program(Ending how);

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
  void post_amount(int k, Chips amount);
  void stake_bookkeeping(int k);
  void mark_stack(int k);  // the stack label, or "All in" and allin once it is gone
  void street_end_check(int k);
  void move_closing_seat(int k, bool seventh_street_too = true);
  void big_blind_closing_rule(int k);
  void zero_total_bets();
  void folder_value();
  void bet_panel_hide();
  void Command4_Click();                // roundtimer on
  void pass_turn(int k);                // give seat k's light the focus
  int street() const;                   // 0 = third .. 4 = seventh street, -1 = blinds pending
  int& closing_seat(int street_index);  // flopshower .. flopshower4
  void highlight_seat(int k, bool on);

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
  void human_stake(Chips amount);
  void human_after_action(bool folding);
  void human_passes_on();
  void human_raised(bool seventh_street_too);
  void lost_focus_after_action();

  // ---- Computer players (betting/computer_players.cpp) --------------------
  void computer_decision(int k);
  bool another_seat_can_act(int k) const;

  // ---- Chips and pot (betting/chips_and_pot.cpp) --------------------------
  void chips_player_show(Chips amount, int k);
  void chips_player_hide(int k);
  void chips_to_pot(int whichlevel);

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

  // ---- Limits (tournament/limits.cpp) -------------------------------------
  void limits_clock();
  void show_limits();

  // ---- Tournament field (tournament/field.cpp) ----------------------------
  Chips advance_tournament();
  std::string random_name_fragment();
  void tournament_step();
  void seat_newcomer(int s, Chips stack);
  void end_sit_out_for_final_table();

  // ---- Event delivery (flow/event_delivery.cpp) ---------------------------
  void give_focus(Element e) { events.request_focus(e); }
  void deliver_focus_changes();
  void got_focus(Element e);
  void lost_focus(Element e);
  void timer_on(TimerId id) { events.enable(id, true); }
  void timer_off(TimerId id) { events.enable(id, false); }

  // Helpers shared by several subsystems.
  static int seat_after(int k) { return k % seats + 1; }
  static int seat_before(int k) { return (k + seats - 2) % seats + 1; }
  int dealer_seat() const;  // the seat with dealer = 1, or 0
  void move_dealer_marker(int s);
  void show_stack(int s);
  void hide_card_slots(int s);
  bool all_others_folded(int k) const;
  std::string amount_text;  // what the amount box holds

  Display& display;
  Random& random;
  const Clock& clock;
};

}  // namespace tarvix
