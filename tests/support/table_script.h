// Small scripts over a ScriptedTable: finding a seed for a seating, playing
// a hand out, and setting up the street a test is about.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "support/scripted_table.h"

namespace tarvix::testing {

// The first seed from 1 on whose toss gives the button to seat `dealer`.
inline std::uint64_t seed_with_dealer(int dealer) {
  for (std::uint64_t seed = 1;; ++seed) {
    ScriptedTable t(seed);
    t.load();
    if (t.table.dealer_seat() == dealer) return seed;
  }
}

// Every seat's rank at the table, seat 1 first; the computer players decide
// from it.
inline void set_ranks(Table& table, const std::array<int, seats>& ranks) {
  for (int s = 1; s <= seats; ++s) table.p(s).handrank = ranks[static_cast<std::size_t>(s - 1)];
}

// The table keeps books of its chips (its rules are asserted after every
// event): chips that a test puts on the table or takes off it by arranging
// stacks or the pot are booked as having come from outside. Call it after
// arranging and before driving the table.
inline void settle_books(Table& table) {
  const Chips on_table = table.chips_in_stacks() + (table.gameover ? 0 : table.pot);
  table.chips_brought += on_table - table.chips_expected();
}

// Lets the hand play on, the human checking when that is free and otherwise
// folding, until the showdown. True when it was reached.
inline bool play_to_showdown(ScriptedTable& t) {
  for (int events = 0; events < 100000; ++events) {
    if (t.table.gameover) return true;
    if (t.table.ended()) return false;
    if (t.human_turn_open()) {
      t.table.click(t.screen.visible(Command7) ? Command7 : Command8);
    } else if (!t.step()) {
      return false;
    }
  }
  return false;
}

// Plays the hand in play to its showdown, lets `between_hands` arrange the
// table in the pause, then lets time pass until the next hand is dealt.
inline bool deal_next_hand(ScriptedTable& t,
                           const std::function<void(Table&)>& between_hands = {}) {
  if (!play_to_showdown(t)) return false;
  if (between_hands) between_hands(t.table);
  settle_books(t.table);
  const int dealt = t.table.hands_dealt;
  while (t.table.hands_dealt == dealt)
    if (!t.step()) return false;
  return true;
}

// Puts the hand in play on street `street` (0 = third .. 4 = seventh), every
// seat owing `owed` and none staked yet, with `closing` as the street's
// closing seat, and gives the turn to seat k at the next tick of the turn
// timer (unless the tick finds a street without stakes or closing seat,
// which goes to seat 7).
inline void turn_next(Table& table, int k, int street, Chips owed, int closing = 0) {
  table.postblinds = true;
  table.postflop1 = street >= 1;
  table.postflop2 = street >= 2;
  table.postflop3 = street >= 3;
  table.postflop4 = street >= 4;
  for (int i = 0; i < 5; ++i) table.closing_seat(i) = i == street ? closing : 0;
  table.raiservalue = 0;
  table.raiser = false;
  table.zero_total_bets();
  table.currentbet = owed;
  table.focuser = Table::seat_before(k);
  table.Command4_Click();
}

}  // namespace tarvix::testing
