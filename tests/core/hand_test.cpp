// One hand at the table on virtual time: the blinds, the human's turn and
// buttons, the computer players' stakes, where each street closes, the
// showdown and its payment, and the end of the tournament.
#include <gtest/gtest.h>

#include "model/text.h"
#include "support/table_script.h"

namespace tarvix {
namespace {

using testing::open_street;
using testing::ScriptedTable;
using testing::set_ranks;
using testing::settle_books;
using testing::turn_to;

bool pause_running(const Table& table) { return table.events.enabled(TimerId::Timer1); }
bool turn_timer_running(const Table& table) { return table.events.enabled(TimerId::roundtimer); }

// Seed 1 tosses the button to seat 5: seat 6 posts the small blind, seat 7
// the big blind, and the first tick opens the human's turn.
struct LoadedTable : ::testing::Test {
  LoadedTable() { t.load(); }
  ScriptedTable t{1, Settings{"me", 0, 0x8000}};
  Table& table = t.table;
};

// ---- The first hand, from the load to the payment --------------------------

TEST(FirstHand, PlaysFromTheLoadToThePaymentOnVirtualTime) {
  ScriptedTable t(1, Settings{"me", 0, 0x8000});
  t.load();
  Table& table = t.table;
  ASSERT_EQ(table.dealer_seat(), 5);
  EXPECT_EQ(table.pot, 30);

  std::array<Chips, seats + 1> before{};
  Chips pot = 0;
  int human_turns = 0;
  while (!table.gameover) {
    ASSERT_LT(t.clock.now(), 3'600'000) << "the hand never reached its showdown";
    if (t.human_turn_open()) {
      ++human_turns;
      table.click(t.screen.visible(Command5) ? Command5 : Command7);
    } else {
      for (int s = 1; s <= seats; ++s) before[static_cast<std::size_t>(s)] = table.p(s).prize;
      pot = table.pot;
      ASSERT_TRUE(t.step());
    }
  }
  EXPECT_GE(human_turns, 2);
  EXPECT_EQ(table.hands_dealt, 1);
  EXPECT_TRUE(pause_running(table));
  EXPECT_TRUE(t.screen.visible(winnerlabel));
  EXPECT_EQ(table.chips_in_stacks(), 7000);

  // The pot went whole to the winners, split evenly, and nobody else's
  // stack moved at the showdown.
  int winners = 0;
  for (int s = 1; s <= seats; ++s) winners += table.p(s).handrank == 1 ? 1 : 0;
  ASSERT_GE(winners, 1);
  Chips paid = 0;
  for (int s = 1; s <= seats; ++s) {
    const Chips gain = table.p(s).prize - before[static_cast<std::size_t>(s)];
    if (table.p(s).handrank == 1) {
      EXPECT_GE(gain, pot / winners) << "seat " << s;
      EXPECT_LE(gain, pot / winners + 1) << "seat " << s;
    } else {
      EXPECT_EQ(gain, 0) << "seat " << s;
    }
    paid += gain;
    EXPECT_EQ(t.screen.caption(stack_label(s)), number_text(table.p(s).prize));
  }
  EXPECT_EQ(paid, pot);
  // The hands still in are turned face up.
  for (int s = 1; s <= seats; ++s) {
    if (table.p(s).fold) continue;
    for (int c = 1; c <= 7; ++c) {
      EXPECT_TRUE(t.screen.visible(Image1(7 * (s - 1) + c - 1)));
      EXPECT_EQ(t.screen.picture(Image1(7 * (s - 1) + c - 1)), table.p(s).card(c));
    }
  }

  // The pause, then the next hand.
  t.wait(12'999);
  EXPECT_EQ(table.hands_dealt, 1);
  t.wait(1);
  EXPECT_EQ(table.hands_dealt, 2);
  EXPECT_FALSE(table.gameover);
  EXPECT_FALSE(pause_running(table));
}

// ---- Blinds ----------------------------------------------------------------

TEST(Blinds, HumanOnTheSmallBlindWhenTheButtonIsOnSeven) {
  ScriptedTable t(testing::seed_with_dealer(7));
  t.load();
  const Table& table = t.table;
  EXPECT_EQ(table.p(1).totalbet, 10);
  EXPECT_EQ(table.p(1).prize, 990);
  EXPECT_EQ(t.screen.caption(Label13), " 990");
  EXPECT_EQ(t.screen.caption(chiplabel1), " 10");
  EXPECT_EQ(table.p(2).totalbet, 20);
  EXPECT_EQ(table.currentbet, 20);
  EXPECT_EQ(table.pot, 30);
  EXPECT_EQ(t.screen.caption(potlabel), " 30");
  // A computer's big blind leaves third street to open at the first tick.
  EXPECT_FALSE(table.postblinds);
  ASSERT_TRUE(t.step());
  EXPECT_TRUE(table.postblinds);
}

TEST(Blinds, HumanOnTheBigBlindOpensThirdStreetAndPassesToSeatTwo) {
  ScriptedTable t(testing::seed_with_dealer(6));
  t.load();
  const Table& table = t.table;
  EXPECT_EQ(table.p(7).totalbet, 10);
  EXPECT_EQ(table.p(1).totalbet, 20);
  EXPECT_EQ(table.p(1).prize, 980);
  EXPECT_TRUE(table.postblinds);
  // Seat 2 has already had its turn, without waiting for a tick.
  EXPECT_EQ(table.focuser, 2);
  EXPECT_EQ(t.clock.now(), 0);
}

TEST(Blinds, AShortBigBlindIsAllInAndDoesNotLowerTheBet) {
  ScriptedTable t(1);
  t.load();
  ASSERT_TRUE(testing::deal_next_hand(t, [](Table& table) {
    table.renumber_from_dealer(4);  // the button moves on to seat 5
    table.p(6).prize = 1000;
    table.p(7).prize = 7;
  }));
  const Table& table = t.table;
  ASSERT_EQ(table.dealer_seat(), 5);
  EXPECT_EQ(table.p(6).totalbet, 10);
  EXPECT_EQ(table.p(7).totalbet, 7);
  EXPECT_EQ(table.p(7).prize, 0);
  EXPECT_TRUE(table.p(7).allin);
  EXPECT_EQ(t.screen.caption(Label19), "All in");
  EXPECT_EQ(table.currentbet, 10);
  EXPECT_EQ(table.pot, 17);
}

// ---- The human's turn and buttons ------------------------------------------

TEST_F(LoadedTable, TurnOpensWithCallWhenThereIsABet) {
  ASSERT_TRUE(t.run_to_human_turn());
  EXPECT_FALSE(turn_timer_running(table));
  EXPECT_TRUE(t.screen.visible(Command5));
  EXPECT_FALSE(t.screen.visible(Command7));
  EXPECT_EQ(t.screen.caption(Command5), " 20");
  EXPECT_EQ(t.screen.caption(Command6), " 40");
  for (Element e : {Command6, Command8, Command11, Text2, Shape12})
    EXPECT_TRUE(t.screen.visible(e));
}

TEST_F(LoadedTable, TurnOpensWithCheckWhenNothingIsOwed) {
  table.p(1).totalbet = 20;
  ASSERT_TRUE(t.run_to_human_turn());
  EXPECT_TRUE(t.screen.visible(Command7));
  EXPECT_FALSE(t.screen.visible(Command5));
  EXPECT_EQ(t.screen.caption(Command6), " 20");
  table.click(Command7);
  EXPECT_EQ(table.p(1).prize, 1000);
  EXPECT_EQ(table.pot, 30);
  EXPECT_TRUE(turn_timer_running(table));
}

TEST_F(LoadedTable, CallStakesTheAmountOwed) {
  ASSERT_TRUE(t.run_to_human_turn());
  table.click(Command5);
  EXPECT_EQ(table.p(1).bet, 20);
  EXPECT_EQ(table.p(1).prize, 980);
  EXPECT_EQ(table.pot, 50);
  EXPECT_EQ(table.focuser, 1);
  EXPECT_FALSE(t.screen.visible(Command5));
  EXPECT_TRUE(turn_timer_running(table));
}

TEST_F(LoadedTable, ACallOfANegativeAmountStakesNothing) {
  ASSERT_TRUE(t.run_to_human_turn());
  table.p(1).totalbet = 50;  // more than the street's bet
  table.click(Command5);
  EXPECT_EQ(table.p(1).bet, 0);
  EXPECT_EQ(table.p(1).prize, 1000);
  EXPECT_EQ(table.pot, 30);
}

TEST_F(LoadedTable, RaiseStakesTheCallPlusTwoLimitsAndClosesAtSeven) {
  ASSERT_TRUE(t.run_to_human_turn());
  table.click(Command6);
  EXPECT_EQ(table.p(1).bet, 40);
  EXPECT_EQ(table.p(1).prize, 960);
  EXPECT_EQ(table.currentbet, 40);
  EXPECT_TRUE(table.raiser);
  EXPECT_EQ(table.flopshower, 7);
  EXPECT_EQ(table.raiservalue, 1);
  EXPECT_TRUE(turn_timer_running(table));
}

TEST_F(LoadedTable, RaiseIsCutToAShortStack) {
  table.p(1).prize = 30;
  settle_books(table);
  ASSERT_TRUE(t.run_to_human_turn());
  table.click(Command6);
  EXPECT_EQ(table.p(1).bet, 30);
  EXPECT_EQ(table.p(1).prize, 0);
  EXPECT_TRUE(table.p(1).allin);
  EXPECT_EQ(t.screen.caption(Label13), "All in");
}

TEST_F(LoadedTable, BetItAddsTheTypedAmountToTheCall) {
  ASSERT_TRUE(t.run_to_human_turn());
  table.type_amount("100");
  table.click(Command11);
  EXPECT_EQ(table.p(1).bet, 120);
  EXPECT_EQ(table.p(1).totalbet, 120);
  EXPECT_EQ(table.p(1).prize, 880);
  EXPECT_EQ(table.currentbet, 120);
  EXPECT_EQ(table.pot, 150);
  EXPECT_EQ(table.flopshower, 7);
  EXPECT_FALSE(t.screen.visible(Text2));
  EXPECT_EQ(t.screen.at(Text2).text, "");
}

TEST_F(LoadedTable, EnterInTheAmountBoxIsBetIt) {
  ASSERT_TRUE(t.run_to_human_turn());
  table.type_amount("100");
  table.press_key(Key::enter);
  EXPECT_EQ(table.p(1).bet, 120);
  EXPECT_EQ(table.p(1).prize, 880);
}

TEST_F(LoadedTable, BetItRoundsAHalfToEven) {
  ASSERT_TRUE(t.run_to_human_turn());
  table.type_amount("40.5");
  table.click(Command11);
  EXPECT_EQ(table.p(1).bet, 60);
}

TEST_F(LoadedTable, BetItBelowTheRaiseLeavesTheTurnOpen) {
  ASSERT_TRUE(t.run_to_human_turn());
  ASSERT_EQ(t.screen.caption(Command6), " 40");
  table.type_amount("35");
  table.click(Command11);
  EXPECT_EQ(table.p(1).bet, 20);  // the amount to call, nothing staked
  EXPECT_EQ(table.p(1).prize, 1000);
  EXPECT_EQ(table.pot, 30);
  EXPECT_FALSE(table.raiser);
  EXPECT_TRUE(t.human_turn_open());
  EXPECT_TRUE(t.screen.visible(Command11));
  // The turn is still the human's, and taking it works.
  table.type_amount("40");
  table.click(Command11);
  EXPECT_EQ(table.p(1).bet, 60);
}

TEST_F(LoadedTable, BetItOnSeventhStreetRaisesWithoutMovingTheClose) {
  open_street(table, 4);
  table.currentbet = 20;
  turn_to(table, 1);
  ASSERT_TRUE(t.run_to_human_turn());
  table.type_amount("100");
  table.click(Command11);
  EXPECT_EQ(table.p(1).bet, 120);
  EXPECT_TRUE(table.raiser);
  // One count for each street flag but seventh street's.
  EXPECT_EQ(table.raiservalue, 4);
  EXPECT_EQ(table.flopshower3, 7);
  EXPECT_EQ(table.flopshower4, 0);
}

TEST_F(LoadedTable, RaiseOnSeventhStreetMovesTheClose) {
  open_street(table, 4);
  table.currentbet = 20;
  turn_to(table, 1);
  ASSERT_TRUE(t.run_to_human_turn());
  table.click(Command6);
  EXPECT_EQ(table.flopshower4, 7);
  EXPECT_EQ(table.raiservalue, 5);
}

// ---- Computer players' stakes -------------------------------------------------

struct ComputerStake {
  int seat, rank;
  Chips prize, call, expected;
};

// Each case gives seat k its turn on third street, owing `call`.
void expect_stake(const ComputerStake& c, int street = 0) {
  SCOPED_TRACE("seat " + std::to_string(c.seat) + " rank " + std::to_string(c.rank) + " prize " +
               std::to_string(c.prize) + " call " + std::to_string(c.call));
  ScriptedTable t(1);
  t.load();
  Table& table = t.table;
  open_street(table, street);
  const Chips pot = table.pot;
  table.currentbet = c.call;
  table.flopshower4 = 7;  // keeps a street without stakes from being restarted
  table.p(c.seat).prize = c.prize;
  table.p(c.seat).handrank = c.rank;
  settle_books(table);
  turn_to(table, c.seat);
  ASSERT_TRUE(t.step());
  const player& q = table.p(c.seat);
  EXPECT_FALSE(q.fold);
  EXPECT_EQ(q.bet, c.expected);
  EXPECT_EQ(q.totalbet, c.expected);
  EXPECT_EQ(q.prize, c.prize - c.expected);
  EXPECT_EQ(table.pot, pot + c.expected);
  EXPECT_EQ(table.currentbet, std::max(c.call, c.expected));
  EXPECT_EQ(t.screen.caption(stack_label(c.seat)), stack_text(q.prize));
  if (c.expected > 0) {
    EXPECT_EQ(t.screen.caption(bet_label(c.seat)), number_text(c.expected));
  }
  EXPECT_EQ(table.focuser, c.seat);
}

TEST(ComputerStakes, RaiseTheCallPlusAShareOfTheirOwnChips) {
  const ComputerStake cases[] = {
      {2, 1, 1000, 20, 120},  // 20 + 1000 / 10
      {7, 3, 1000, 20, 45},   // 20 + 1000 / 40
      {2, 2, 1050, 20, 72},   // 72.5 rounds to even
      {2, 2, 1050, 21, 74},   // 73.5 rounds to even
      {5, 2, 10, 20, 10},     // 20.4 is more than the stack: all in
  };
  for (const ComputerStake& c : cases) expect_stake(c);
}

TEST(ComputerStakes, EverySeatRaisesByItsOwnDivisors) {
  const Chips best[] = {100, 100, 100, 50, 100, 40};  // 1000 / 10, 10, 10, 20, 10, 25
  const Chips good[] = {50, 40, 50, 40, 50, 25};      // 1000 / 20, 25, 20, 25, 20, 40
  for (int seat = 2; seat <= seats; ++seat) {
    expect_stake({seat, 1, 1000, 0, best[seat - 2]});
    for (int rank = 2; rank <= 4; ++rank) expect_stake({seat, rank, 1000, 0, good[seat - 2]});
  }
}

TEST(ComputerStakes, AShortStackGoesAllIn) {
  ScriptedTable t(1);
  t.load();
  Table& table = t.table;
  open_street(table, 0);
  table.currentbet = 20;
  table.p(5).prize = 10;
  table.p(5).handrank = 2;
  settle_books(table);
  turn_to(table, 5);
  ASSERT_TRUE(t.step());
  EXPECT_EQ(table.p(5).bet, 10);
  EXPECT_EQ(table.p(5).prize, 0);
  EXPECT_TRUE(table.p(5).allin);
  EXPECT_EQ(t.screen.caption(Label17), "All in");
}

TEST(ComputerStakes, WithNobodyElseToActSeatsTwoToFourCallAndTheRestPass) {
  for (int seat = 2; seat <= seats; ++seat) {
    SCOPED_TRACE("seat " + std::to_string(seat));
    ScriptedTable t(1);
    t.load();
    Table& table = t.table;
    open_street(table, 1);
    table.currentbet = 30;
    for (int s = 2; s <= seats; ++s) table.p(s).fold = s != seat;
    table.p(1).prize = 0;  // the human is all in, so still in the hand
    table.p(1).allin = true;
    table.p(seat).prize = 100;
    table.p(seat).handrank = 1;
    settle_books(table);
    turn_to(table, seat);
    ASSERT_TRUE(t.step());
    const Chips stake = seat <= 4 ? 30 : 0;
    EXPECT_EQ(table.p(seat).bet, stake);
    EXPECT_EQ(table.p(seat).prize, 100 - stake);
    EXPECT_FALSE(table.raiser);
    EXPECT_FALSE(table.p(seat).fold);
  }
}

TEST(ComputerStakes, WeakHandsFoldAndOnlyTheBestStaysOnSixthStreet) {
  struct Case {
    int street, rank;
    bool folds;
  };
  const Case cases[] = {{0, 5, true}, {2, 4, false}, {3, 2, true},
                        {4, 4, true}, {3, 1, false}, {4, 1, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE("street " + std::to_string(c.street) + " rank " + std::to_string(c.rank));
    ScriptedTable t(1);
    t.load();
    Table& table = t.table;
    open_street(table, c.street);
    table.currentbet = 20;
    table.p(3).handrank = c.rank;
    turn_to(table, 3);
    ASSERT_TRUE(t.step());
    EXPECT_EQ(table.p(3).fold, c.folds);
    if (c.folds) {
      EXPECT_EQ(table.p(3).bet, 0);
      for (int slot = 14; slot < 21; ++slot) EXPECT_FALSE(t.screen.visible(Image1(slot)));
    }
  }
}

// ---- Where each street closes -----------------------------------------------

// Seats 2 to 5 raise in turn on `street`; returns the closing seat and the
// raise count after each raise.
std::vector<std::pair<int, int>> raises_on(int street) {
  ScriptedTable t(1);
  t.load();
  Table& table = t.table;
  open_street(table, street);
  table.currentbet = 20;
  set_ranks(table, {5, 1, 1, 1, 1, 5, 5});
  turn_to(table, 2);
  std::vector<std::pair<int, int>> after;
  for (int seat = 2; seat <= 5; ++seat) {
    const Chips owed = table.currentbet;
    EXPECT_TRUE(t.step());
    EXPECT_GT(table.p(seat).totalbet, owed) << "seat " << seat << " raises";
    after.emplace_back(table.closing_seat(street), table.raiservalue);
  }
  return after;
}

TEST(ClosingSeat, ThreeRaisesMoveItOnThirdStreet) {
  const std::vector<std::pair<int, int>> expected = {{1, 1}, {2, 2}, {3, 3}, {3, 3}};
  EXPECT_EQ(raises_on(0), expected);
}

TEST(ClosingSeat, TwoRaisesMoveItOnFourthStreet) {
  const std::vector<std::pair<int, int>> expected = {{1, 2}, {2, 4}, {2, 4}, {2, 4}};
  EXPECT_EQ(raises_on(1), expected);
}

TEST(ClosingSeat, OneRaiseMovesItOnFifthStreet) {
  const std::vector<std::pair<int, int>> expected = {{1, 3}, {1, 3}, {1, 3}, {1, 3}};
  EXPECT_EQ(raises_on(2), expected);
}

TEST_F(LoadedTable, TheClosingSeatsActionShowsTheNextStreet) {
  open_street(table, 0);
  table.currentbet = 20;
  table.flopshower = 3;
  set_ranks(table, {5, 5, 5, 5, 5, 5, 5});
  turn_to(table, 2);
  ASSERT_TRUE(t.step());  // seat 2 folds: not the closing seat
  EXPECT_FALSE(table.postflop1);
  ASSERT_TRUE(t.step());  // seat 3 folds and closes third street
  EXPECT_TRUE(table.postflop1);
  EXPECT_EQ(table.currentbet, 0);
  EXPECT_EQ(table.raiservalue, 0);
  EXPECT_FALSE(t.screen.visible(Label2));
  for (int i = 60; i <= 75; ++i) EXPECT_TRUE(t.screen.visible(backchips(i)));
  for (int s = 1; s <= seats; ++s) {
    EXPECT_EQ(t.screen.visible(Image1(7 * (s - 1) + 3)), !table.p(s).fold) << "seat " << s;
    EXPECT_EQ(table.p(s).totalbet, 0);
    EXPECT_FALSE(t.screen.visible(bet_label(s)));
  }
}

TEST_F(LoadedTable, TheHumanClosingAStreetShowsTheNextOne) {
  open_street(table, 2);
  table.currentbet = 20;
  table.flopshower2 = 1;
  turn_to(table, 1);
  ASSERT_TRUE(t.run_to_human_turn());
  table.click(Command5);
  EXPECT_TRUE(table.postflop3);
  EXPECT_TRUE(t.screen.visible(Image1(5)));
}

TEST_F(LoadedTable, TheFirstTickOfAStreetWithoutStakesClosesItAtSeven) {
  open_street(table, 1);
  table.focuser = 3;
  ASSERT_TRUE(t.step());
  EXPECT_EQ(table.flopshower4, 7);
  EXPECT_EQ(table.focuser, 7);  // seat 7 had the turn
}

TEST_F(LoadedTable, AStreetWithoutAClosingSeatAfterARaiseClosesAfterOneRound) {
  open_street(table, 2);
  table.raiser = true;  // somebody raised on an earlier street
  table.currentbet = 20;
  table.p(3).handrank = 5;  // folds rather than raising the close away
  table.focuser = 2;
  ASSERT_TRUE(t.step());
  EXPECT_EQ(table.flopshower2, 2);  // every seat acts once, seat 2 last
}

TEST_F(LoadedTable, AnAllInHumanOnTheBigBlindStillClosesTheStreet) {
  table.renumber_from_dealer(6);
  open_street(table, 1);
  table.currentbet = 20;
  table.p(1).prize = 0;
  table.p(1).allin = true;
  settle_books(table);
  turn_to(table, 1);
  ASSERT_TRUE(t.step());
  EXPECT_EQ(table.flopshower1, 7);
  EXPECT_EQ(table.focuser, 1);
  EXPECT_TRUE(turn_timer_running(table));
}

TEST_F(LoadedTable, ATurnGivenBackToTheSeatHoldingTheFocusIsTaken) {
  // Seat 7 folds and closes third street; the first tick of fourth street
  // gives the turn to seat 7 again, which still holds the focus.
  open_street(table, 0);
  table.currentbet = 20;
  table.flopshower = 7;
  table.p(7).handrank = 5;
  turn_to(table, 7);
  ASSERT_TRUE(t.step());
  ASSERT_TRUE(table.postflop1);
  ASSERT_EQ(table.events.focus(), Picture8);
  ASSERT_TRUE(t.step());
  EXPECT_EQ(table.focuser, 7);
  ASSERT_TRUE(t.step());
  EXPECT_TRUE(t.human_turn_open());
}

// ---- Showdown and payment -----------------------------------------------------

// Seventh street with the human to close it: the human's Check, Call or Fold
// runs the showdown.
void human_closes_seventh_street(Table& table) {
  open_street(table, 4);
  table.flopshower4 = 1;
  turn_to(table, 1);
}

TEST_F(LoadedTable, TiedWinnersSplitThePotToTheLastChip) {
  human_closes_seventh_street(table);
  set_ranks(table, {1, 5, 1, 5, 1, 5, 5});
  for (int s : {2, 4, 6, 7}) table.p(s).fold = true;
  for (int s : {1, 3, 5}) table.p(s).prize = 1000;
  table.pot = 101;
  settle_books(table);
  ASSERT_TRUE(t.run_to_human_turn());
  table.click(Command7);
  ASSERT_TRUE(table.gameover);
  // The button is on seat 5: the odd chips go to seats 1 and 3, the first
  // winners clockwise after it.
  EXPECT_EQ(table.p(1).prize, 1034);
  EXPECT_EQ(table.p(3).prize, 1034);
  EXPECT_EQ(table.p(5).prize, 1033);
  EXPECT_EQ(t.screen.caption(Label15), " 1034");
  EXPECT_EQ(table.numberofwinners, 3);
  EXPECT_TRUE(pause_running(table));
}

TEST_F(LoadedTable, TheOddChipGoesToTheFirstWinnerAfterTheButton) {
  table.renumber_from_dealer(2);
  human_closes_seventh_street(table);
  set_ranks(table, {1, 5, 1, 5, 1, 5, 5});
  for (int s : {2, 4, 6, 7}) table.p(s).fold = true;
  for (int s : {1, 3, 5}) table.p(s).prize = 1000;
  table.pot = 100;
  settle_books(table);
  ASSERT_TRUE(t.run_to_human_turn());
  table.click(Command7);
  EXPECT_EQ(table.p(3).prize, 1034);
  EXPECT_EQ(table.p(5).prize, 1033);
  EXPECT_EQ(table.p(1).prize, 1033);
}

TEST_F(LoadedTable, TheBestHandStillInTakesThePotWhenTheBestFolded) {
  human_closes_seventh_street(table);
  set_ranks(table, {3, 1, 2, 5, 5, 5, 5});
  for (int s : {2, 4, 5, 6}) table.p(s).fold = true;
  table.pot = 300;
  settle_books(table);
  ASSERT_TRUE(t.run_to_human_turn());
  const Chips before = table.p(3).prize;
  table.click(Command7);
  EXPECT_EQ(table.p(3).prize, before + 300);
  EXPECT_EQ(table.p(1).prize, 1000);
  EXPECT_EQ(table.p(7).handrank, 5);
}

TEST_F(LoadedTable, FoldingAsTheLastToCloseSeventhStreetWinsNothing) {
  human_closes_seventh_street(table);
  set_ranks(table, {1, 5, 2, 5, 5, 5, 5});
  for (int s : {2, 4, 5, 6, 7}) table.p(s).fold = true;
  table.pot = 400;
  settle_books(table);
  ASSERT_TRUE(t.run_to_human_turn());
  const Chips before = table.p(3).prize;
  table.click(Command8);
  ASSERT_TRUE(table.gameover);
  EXPECT_EQ(table.p(1).handrank, 10);
  EXPECT_EQ(table.p(1).prize, 1000);
  EXPECT_EQ(table.p(3).prize, before + 400);
  // The folded hand is not turned face up.
  for (int slot = 0; slot < 7; ++slot) EXPECT_FALSE(t.screen.visible(Image1(slot)));
}

TEST_F(LoadedTable, FoldingAsTheClosingSeatShowsTheFoldedSeatNoCard) {
  open_street(table, 1);
  table.currentbet = 20;
  table.flopshower1 = 1;
  turn_to(table, 1);
  ASSERT_TRUE(t.run_to_human_turn());
  table.click(Command8);
  EXPECT_TRUE(table.postflop2);
  EXPECT_TRUE(table.p(1).fold);
  EXPECT_FALSE(t.screen.visible(Image1(4)));
}

TEST_F(LoadedTable, AShowdownWithEverySeatFoldedPaysTheBestActiveHand) {
  human_closes_seventh_street(table);
  ASSERT_TRUE(t.run_to_human_turn());
  const int values[] = {300, 1000, 200, 900, 100, 100, 100};
  for (int s = 1; s <= seats; ++s) table.p(s).handnumber = values[s - 1];
  table.p(2).Active = false;  // the best hand, but its player is gone
  for (int s = 2; s <= seats; ++s) table.p(s).fold = true;
  table.pot = 500;
  settle_books(table);
  const Chips before = table.p(4).prize;
  table.click(Command8);
  ASSERT_TRUE(table.gameover);
  EXPECT_EQ(table.p(4).prize, before + 500);
  EXPECT_EQ(table.p(1).prize, 1000);
  EXPECT_EQ(table.numberofwinners, 1);
}

TEST_F(LoadedTable, ThePotChipsGoHomeAfterThePayment) {
  human_closes_seventh_street(table);
  table.chips_to_pot(1);
  table.chips_to_pot(2);
  table.chips_to_pot(3);
  ASSERT_TRUE(t.run_to_human_turn());
  table.click(Command7);
  ASSERT_TRUE(table.gameover);
  for (int i = 60; i <= 90; ++i) {
    const Rect home = design_rect(backchips(i));
    EXPECT_FALSE(t.screen.visible(backchips(i))) << i;
    EXPECT_EQ(t.screen.left(backchips(i)), home.left) << i;
    EXPECT_EQ(t.screen.top(backchips(i)), home.top) << i;
  }
  EXPECT_FALSE(t.screen.visible(potlabel));
}

TEST_F(LoadedTable, TheHumanWinsUncontestedWhenEveryOtherSeatFolds) {
  set_ranks(table, {1, 5, 5, 5, 5, 5, 5});
  ASSERT_TRUE(t.run_to_human_turn());
  table.click(Command5);
  ASSERT_TRUE(testing::play_to_showdown(t));
  EXPECT_EQ(table.p(1).handrank, 1);
  for (int s = 2; s <= seats; ++s) EXPECT_EQ(table.p(s).handrank, 10);
  EXPECT_EQ(table.p(1).prize, 1030);
  EXPECT_EQ(table.chips_in_stacks(), 7000);
  EXPECT_FALSE(table.postflop1);  // no further street was shown
  EXPECT_TRUE(pause_running(table));
}

TEST_F(LoadedTable, TheLastComputerSeatLeftWinsAtItsNextTurn) {
  set_ranks(table, {5, 5, 1, 5, 5, 5, 5});
  ASSERT_TRUE(t.run_to_human_turn());
  table.click(Command8);
  ASSERT_TRUE(testing::play_to_showdown(t));
  EXPECT_EQ(table.p(3).handrank, 1);
  EXPECT_EQ(table.numberofwinners, 1);
  EXPECT_EQ(table.chips_in_stacks(), 7000);
  EXPECT_EQ(table.p(1).prize, 1000);
  EXPECT_GT(table.p(3).prize, 1000);
}

// ---- Nothing happens twice after the showdown -----------------------------------

TEST_F(LoadedTable, AfterAComputerEndsTheHandNothingIsPaidOrShownAgain) {
  // Seat 3 closes seventh street; the seats that closed the earlier streets
  // all come round while the turn timer runs on in the pause.
  open_street(table, 4);
  table.currentbet = 20;
  table.flopshower = 4;
  table.flopshower1 = 5;
  table.flopshower2 = 6;
  table.flopshower3 = 7;
  table.flopshower4 = 3;
  set_ranks(table, {5, 5, 5, 1, 5, 5, 5});  // seat 3 folds, seat 4 wins
  table.pot = 600;
  settle_books(table);
  turn_to(table, 3);
  ASSERT_TRUE(t.step());
  ASSERT_TRUE(table.gameover);
  const std::array<player, seats + 1> paid = table.seat;
  const int count = table.limittimersetting;
  EXPECT_TRUE(turn_timer_running(table));

  t.wait(12'000);
  EXPECT_EQ(table.hands_dealt, 1);
  for (int s = 1; s <= seats; ++s) {
    EXPECT_EQ(table.p(s).prize, paid[static_cast<std::size_t>(s)].prize) << "seat " << s;
    EXPECT_EQ(table.p(s).handrank, paid[static_cast<std::size_t>(s)].handrank) << "seat " << s;
  }
  for (int i = 60; i <= 90; ++i) EXPECT_FALSE(t.screen.visible(backchips(i))) << i;
  EXPECT_EQ(table.events.focus(), Command2);
  // The clock runs on through the pause after a computer's action.
  EXPECT_EQ(table.limittimersetting, count - 6);
}

TEST_F(LoadedTable, AfterTheHumanEndsTheHandTheClockStandsStill) {
  human_closes_seventh_street(table);
  ASSERT_TRUE(t.run_to_human_turn());
  const int count = table.limittimersetting;
  table.click(Command7);
  ASSERT_TRUE(table.gameover);
  EXPECT_FALSE(turn_timer_running(table));
  t.wait(12'999);
  EXPECT_EQ(table.limittimersetting, count);
  t.wait(1);
  EXPECT_EQ(table.hands_dealt, 2);
  EXPECT_EQ(table.limittimersetting, count);
}

TEST_F(LoadedTable, AfterTheHumanFoldsTheHandAwayTheClockStandsStill) {
  human_closes_seventh_street(table);
  for (int s = 2; s <= seats; ++s) table.p(s).fold = s != 4;
  ASSERT_TRUE(t.run_to_human_turn());
  const int count = table.limittimersetting;
  table.click(Command8);
  ASSERT_TRUE(table.gameover);
  t.wait(12'999);
  EXPECT_EQ(table.limittimersetting, count);
}

// ---- The end of the tournament and Exit ----------------------------------------

TEST_F(LoadedTable, KnockedOutTheHumanIsToldThePlayersLeftAndTheGameEnds) {
  human_closes_seventh_street(table);
  table.playersout = 995;
  table.p(7).Active = false;
  table.p(7).fold = true;
  table.p(1).prize = 0;
  table.p(1).allin = true;
  set_ranks(table, {5, 5, 1, 5, 5, 5, 5});
  settle_books(table);
  t.wait(2000);
  ASSERT_TRUE(table.gameover);
  EXPECT_TRUE(t.screen.visible(Label24));
  EXPECT_EQ(t.screen.caption(Label24), "Your Finished With  5 Players Still in Tournament");
  EXPECT_EQ(table.closer, 1);
  t.wait(12'999);
  EXPECT_FALSE(table.ended());
  t.wait(1);
  EXPECT_TRUE(table.ended());
  EXPECT_EQ(table.ending, Ending::tournament_over);
  EXPECT_EQ(table.finish, Finish::knocked_out);
  EXPECT_EQ(table.hands_dealt, 1);
}

TEST_F(LoadedTable, KnockedOutAtTheFinalTableCountsTheSeatsStillPlaying) {
  // Seats that stay broke are counted out again at every deal, so the
  // counter runs past the field: the message counts the table instead.
  human_closes_seventh_street(table);
  table.playersout = 1003;
  table.p(7).Active = false;
  table.p(7).fold = true;
  table.p(1).prize = 0;
  table.p(1).allin = true;
  set_ranks(table, {5, 5, 1, 5, 5, 5, 5});
  settle_books(table);
  t.wait(2000);
  EXPECT_EQ(t.screen.caption(Label24), "Your Finished With  5 Players Still in Tournament");
}

TEST_F(LoadedTable, KnockedOutEarlyCountsTheWholeField) {
  human_closes_seventh_street(table);
  table.playersout = 500;
  table.p(1).prize = 0;
  table.p(1).allin = true;
  set_ranks(table, {5, 5, 1, 5, 5, 5, 5});
  settle_books(table);
  t.wait(2000);
  EXPECT_EQ(t.screen.caption(Label24), "Your Finished With  500 Players Still in Tournament");
}

TEST_F(LoadedTable, TheLastPlayerLeftIsToldOfTheVictoryAndTheGameEnds) {
  human_closes_seventh_street(table);
  table.playersout = 996;
  for (int s = 2; s <= seats; ++s) {
    table.p(s).Active = false;
    table.p(s).fold = true;
  }
  table.pot = 50;
  settle_books(table);
  t.wait(2000);
  ASSERT_TRUE(table.gameover);
  EXPECT_EQ(t.screen.caption(Label24), "Congratulations You Won The Tournament");
  EXPECT_TRUE(t.screen.visible(Label24));
  EXPECT_TRUE(t.screen.at(Label24).opaque);
  EXPECT_EQ(t.screen.at(Label24).back, 0xFFu);
  EXPECT_EQ(t.screen.at(Label24).fore, 0xFFFFu);
  EXPECT_EQ(t.screen.at(Label24).font_size, 14);
  EXPECT_EQ(table.p(1).prize, 1050);
  t.wait(13'000);
  EXPECT_TRUE(table.ended());
  EXPECT_EQ(table.finish, Finish::won);
}

TEST_F(LoadedTable, ExitInTheMiddleOfAHandEndsAtOnce) {
  ASSERT_TRUE(t.run_to_human_turn());
  table.click(Command5);
  t.wait(4000);
  ASSERT_FALSE(table.gameover);
  table.click(Command2);
  EXPECT_TRUE(table.ended());
  EXPECT_EQ(table.ending, Ending::exit_button);
  EXPECT_FALSE(table.next_tick_due().has_value());
  EXPECT_FALSE(t.step());
  const Chips pot = table.pot;
  table.click(Command5);
  EXPECT_EQ(table.pot, pot);
}

TEST_F(LoadedTable, F10ShowsAndF9HidesTheWinner) {
  table.press_key(Key::f10);
  EXPECT_TRUE(t.screen.visible(winnerlabel));
  table.press_key(Key::f9);
  EXPECT_FALSE(t.screen.visible(winnerlabel));
}

}  // namespace
}  // namespace tarvix
