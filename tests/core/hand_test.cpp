// One hand at the table on virtual time: the blinds, the human's buttons,
// the computer players' stakes, where each street closes, the showdown and
// its payment, and the end of the tournament.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "model/text.h"
#include "support/table_script.h"

namespace tarvix {
namespace {

using testing::open_street;
using testing::ScriptedTable;
using testing::set_ranks;
using testing::settle_books;
using testing::turn_to;

bool pause_running(const Table& table) { return table.loop.enabled(TimerId::Timer1); }
bool turn_timer_running(const Table& table) { return table.loop.enabled(TimerId::roundtimer); }

// Seed 1 tosses the button to seat 5: seat 6 posts the small blind, seat 7
// the big blind, and the first tick opens the human's turn.
struct Hand {
  Hand() { t.load(); }
  // The human's turn comes next on `street`, owing `owed`, with `closing`
  // as the street's closing seat.
  void human_next(int street, Chips owed, int closing = 0) {
    open_street(table, street);
    table.currentbet = owed;
    table.closing_seat(street) = closing;
    turn_to(table, 1);
  }
  void fold(const std::vector<int>& folded) {
    for (int s : folded) table.p(s).fold = true;
  }
  ScriptedTable t{1, Settings{"me", 0, 0x8000}};
  Table& table = t.table;
};

struct LoadedTable : ::testing::Test, Hand {};

TEST(FirstHand, PlaysFromTheLoadToThePaymentOnVirtualTime) {
  Hand h;
  Table& table = h.table;
  ASSERT_EQ(table.dealer_seat(), 5);
  EXPECT_EQ(table.pot, 30);
  std::array<Chips, seats + 1> before{};
  Chips pot = 0;
  int human_turns = 0;
  while (!table.gameover) {
    ASSERT_LT(h.t.game.now(), 3'600'000) << "the hand never reached its showdown";
    if (h.t.human_turn_open()) {
      ++human_turns;
      table.click(h.t.screen.visible(Command5) ? Command5 : Command7);
    } else {
      for (int s = 1; s <= seats; ++s) before[static_cast<std::size_t>(s)] = table.p(s).prize;
      pot = table.pot;
      ASSERT_TRUE(h.t.step());
    }
  }
  EXPECT_GE(human_turns, 2);
  EXPECT_TRUE(h.t.screen.visible(winnerlabel));
  // The pot went whole to the winners, split evenly, and nobody else's
  // stack moved at the showdown; the hands still in are turned face up.
  int winners = 0;
  for (int s = 1; s <= seats; ++s) winners += table.p(s).handrank == 1 ? 1 : 0;
  ASSERT_GE(winners, 1);
  Chips paid = 0;
  for (int s = 1; s <= seats; ++s) {
    const Chips gain = table.p(s).prize - before[static_cast<std::size_t>(s)];
    EXPECT_LE(gain, table.p(s).handrank == 1 ? pot / winners + 1 : 0) << "seat " << s;
    EXPECT_GE(gain, table.p(s).handrank == 1 ? pot / winners : 0) << "seat " << s;
    paid += gain;
    for (int c = 1; c <= 7 && !table.p(s).fold; ++c)
      EXPECT_EQ(h.t.screen.picture(Image1(7 * (s - 1) + c - 1)), table.p(s).card(c));
  }
  EXPECT_EQ(paid, pot);
  // The pause, then the next hand.
  h.t.wait(12'999);
  EXPECT_EQ(table.hands_dealt, 1);
  h.t.wait(1);
  EXPECT_EQ(table.hands_dealt, 2);
  EXPECT_FALSE(table.gameover);
  EXPECT_FALSE(pause_running(table));
}

TEST(Blinds, FallOnTheTwoSeatsAfterTheButton) {
  ScriptedTable small(testing::seed_with_dealer(7));
  small.load();
  EXPECT_EQ(small.table.p(1).totalbet, 10);
  EXPECT_EQ(small.table.p(1).prize, 990);
  EXPECT_EQ(small.table.p(2).totalbet, 20);
  EXPECT_EQ(small.table.currentbet, 20);
  EXPECT_EQ(small.table.pot, 30);
  // A computer's big blind leaves third street to open at the first tick.
  EXPECT_FALSE(small.table.postblinds);
  ASSERT_TRUE(small.step());
  EXPECT_TRUE(small.table.postblinds);

  // The human's big blind opens it and seat 2 acts without waiting for a tick.
  ScriptedTable big(testing::seed_with_dealer(6));
  big.load();
  EXPECT_EQ(big.table.p(7).totalbet, 10);
  EXPECT_EQ(big.table.p(1).totalbet, 20);
  EXPECT_TRUE(big.table.postblinds);
  EXPECT_EQ(big.table.focuser, 2);
  EXPECT_EQ(big.game.now(), 0);
}

TEST(Blinds, AShortBigBlindIsAllInAndDoesNotLowerTheBet) {
  ScriptedTable t(1);
  t.load();
  ASSERT_TRUE(testing::deal_next_hand(t, [](Table& table) {
    table.renumber_from_dealer(4);  // the button moves on to seat 5
    table.p(6).prize = 1000;
    table.p(7).prize = 7;
  }));
  ASSERT_EQ(t.table.dealer_seat(), 5);
  EXPECT_EQ(t.table.p(7).totalbet, 7);
  EXPECT_TRUE(t.table.p(7).allin);
  EXPECT_EQ(t.table.currentbet, 10);
  EXPECT_EQ(t.table.pot, 17);
}

TEST(Blinds, AShortSmallBlindAllInLeavesOneBigBlindToTheNextSeat) {
  // Seat 3's handler passes the turn on twice (after the small blind, and
  // as a seat that cannot act): seat 4 still has one turn.
  ScriptedTable t(1);
  t.load();
  ASSERT_TRUE(testing::deal_next_hand(t, [](Table& table) {
    table.renumber_from_dealer(1);  // the button moves on to seat 2
    table.p(3).prize = 7;
    table.p(4).prize = 1000;
  }));
  ASSERT_EQ(t.table.dealer_seat(), 2);
  EXPECT_TRUE(t.table.p(3).allin);
  EXPECT_EQ(t.table.p(4).totalbet, 20);
  EXPECT_EQ(t.table.p(4).prize, 980);
  EXPECT_EQ(t.table.currentbet, 20);
  EXPECT_EQ(t.table.pot, 27);
}

// ---- The human's buttons ----------------------------------------------------

TEST(HumanTurn, OffersCallOrCheckAndStakesWhatIsOwed) {
  for (Chips staked : {0, 20}) {
    SCOPED_TRACE(staked);
    Hand h;
    h.table.p(1).totalbet = staked;
    ASSERT_TRUE(h.t.run_to_human_turn());
    const Chips owed = 20 - staked;
    EXPECT_FALSE(turn_timer_running(h.table));
    EXPECT_EQ(h.t.screen.visible(Command5), owed > 0);
    EXPECT_EQ(h.t.screen.visible(Command7), owed == 0);
    EXPECT_EQ(h.t.screen.caption(Command6), number_text(owed + 20));
    for (Element e : {Command6, Command8, Command11, Text2}) EXPECT_TRUE(h.t.screen.visible(e));
    h.table.click(owed > 0 ? Command5 : Command7);
    EXPECT_EQ(h.table.p(1).prize, 1000 - owed);
    EXPECT_EQ(h.table.pot, 30 + owed);
    EXPECT_EQ(h.table.focuser, 1);
    EXPECT_TRUE(turn_timer_running(h.table));
  }
  // A call of a negative amount stakes nothing.
  Hand h;
  ASSERT_TRUE(h.t.run_to_human_turn());
  h.table.p(1).totalbet = 50;
  h.table.click(Command5);
  EXPECT_EQ(h.table.p(1).prize, 1000);
}

TEST(HumanTurn, RaiseAndBetItStakeAndMoveTheClose) {
  struct Case {
    int street;
    Chips prize;
    const char* typed;  // Bet It with this text, or the Raise button
    Chips stake;
    int raises, closing;
  };
  const Case cases[] = {
      {0, 1000, nullptr, 40, 1, 7},  // the call plus two limits
      {0, 30, nullptr, 30, 1, 7},    // cut to the stack
      {0, 1000, "100", 120, 1, 7},   // the call plus the typed amount
      // A raise counts once for every street flag; Bet It leaves seventh
      // street's out and does not move its close.
      {4, 1000, nullptr, 40, 5, 7},
      {4, 1000, "100", 120, 4, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.street) + " " + (c.typed ? c.typed : "Raise"));
    Hand h;
    Table& table = h.table;
    h.human_next(c.street, 20);
    table.p(1).prize = c.prize;
    settle_books(table);
    ASSERT_TRUE(h.t.run_to_human_turn());
    if (c.typed) {
      table.type_amount(c.typed);
      table.click(Command11);
    } else {
      table.click(Command6);
    }
    EXPECT_EQ(table.p(1).bet, c.stake);
    EXPECT_EQ(table.p(1).prize, c.prize - c.stake);
    EXPECT_EQ(table.p(1).allin, c.stake == c.prize);
    EXPECT_EQ(table.pot, 30 + c.stake);
    EXPECT_EQ(table.currentbet, std::max<Chips>(20, c.stake));
    EXPECT_TRUE(table.raiser);
    EXPECT_EQ(table.raiservalue, c.raises);
    EXPECT_EQ(table.closing_seat(c.street), c.closing);
    EXPECT_EQ(table.closing_seat(3), c.street == 4 ? 7 : 0);
    EXPECT_TRUE(turn_timer_running(table));
    EXPECT_EQ(h.t.screen.at(Text2).text, "");
  }
}

// ---- Computer players' stakes -------------------------------------------------

struct ComputerStake {
  int seat, rank;
  Chips prize, call, expected;
};

// The seat has its turn on third street, owing `call`, once `arrange` has
// set the table.
void expect_stake(const ComputerStake& c, const std::function<void(Table&)>& arrange = {}) {
  SCOPED_TRACE("seat " + std::to_string(c.seat) + " rank " + std::to_string(c.rank) + " prize " +
               std::to_string(c.prize) + " call " + std::to_string(c.call));
  Hand h;
  Table& table = h.table;
  open_street(table, 0);
  const Chips pot = table.pot;
  table.currentbet = c.call;
  table.flopshower4 = 7;  // keeps a street without stakes from being restarted
  table.p(c.seat).prize = c.prize;
  table.p(c.seat).handrank = c.rank;
  if (arrange) arrange(table);
  settle_books(table);
  turn_to(table, c.seat);
  ASSERT_TRUE(h.t.step());
  const player& q = table.p(c.seat);
  EXPECT_FALSE(q.fold);
  EXPECT_EQ(q.totalbet, c.expected);
  EXPECT_EQ(q.prize, c.prize - c.expected);
  EXPECT_EQ(table.pot, pot + c.expected);
  EXPECT_EQ(table.currentbet, std::max(c.call, c.expected));
  // Every case raises, unless the arrangement leaves nobody else to act.
  EXPECT_EQ(table.raiser, !arrange);
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
  const Chips best[] = {100, 100, 100, 50, 100, 40};  // 1000 / 10, 10, 10, 20, 10, 25
  const Chips good[] = {50, 40, 50, 40, 50, 25};      // 1000 / 20, 25, 20, 25, 20, 40
  for (int seat = 2; seat <= seats; ++seat) {
    expect_stake({seat, 1, 1000, 0, best[seat - 2]});
    for (int rank = 2; rank <= 4; ++rank) expect_stake({seat, rank, 1000, 0, good[seat - 2]});
  }
}

TEST(ComputerStakes, WithNobodyElseToActSeatsTwoToFourCallAndTheRestPass) {
  for (int seat = 2; seat <= seats; ++seat) {
    expect_stake({seat, 1, 100, 30, seat <= 4 ? 30 : 0}, [seat](Table& table) {
      for (int s = 2; s <= seats; ++s) table.p(s).fold = s != seat;
      table.p(1).prize = 0;  // the human is all in, so still in the hand
      table.p(1).allin = true;
    });
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
    Hand h;
    open_street(h.table, c.street);
    h.table.currentbet = 20;
    h.table.p(3).handrank = c.rank;
    turn_to(h.table, 3);
    ASSERT_TRUE(h.t.step());
    EXPECT_EQ(h.table.p(3).fold, c.folds);
    for (int slot = 14; slot < 21 && c.folds; ++slot)
      EXPECT_FALSE(h.t.screen.visible(Image1(slot)));
  }
}

// ---- Where each street closes -----------------------------------------------

TEST(ClosingSeat, MovesWithEachRaiseUntilTheHandHasThree) {
  // Seats 2 to 5 raise in turn: the closing seat and the raise count after
  // each raise, on third, fourth and fifth street.
  const std::vector<std::pair<int, int>> expected[] = {
      {{1, 1}, {2, 2}, {3, 3}, {3, 3}},
      {{1, 2}, {2, 4}, {2, 4}, {2, 4}},
      {{1, 3}, {1, 3}, {1, 3}, {1, 3}},
  };
  for (int street = 0; street < 3; ++street) {
    Hand h;
    Table& table = h.table;
    open_street(table, street);
    table.currentbet = 20;
    set_ranks(table, {5, 1, 1, 1, 1, 5, 5});
    turn_to(table, 2);
    std::vector<std::pair<int, int>> after;
    for (int seat = 2; seat <= 5; ++seat) {
      const Chips owed = table.currentbet;
      EXPECT_TRUE(h.t.step());
      EXPECT_GT(table.p(seat).totalbet, owed) << "seat " << seat << " raises";
      after.emplace_back(table.closing_seat(street), table.raiservalue);
    }
    EXPECT_EQ(after, expected[street]) << "street " << street;
  }
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
  for (int s = 1; s <= seats; ++s) {
    EXPECT_EQ(t.screen.visible(Image1(7 * (s - 1) + 3)), !table.p(s).fold) << "seat " << s;
    EXPECT_EQ(table.p(s).totalbet, 0);
  }
}

TEST(ClosingSeat, TheHumansFoldTakesEffectBeforeTheNextCardIsShown) {
  for (Element action : {Command5, Command8}) {
    Hand h;
    h.human_next(1, 20, 1);
    ASSERT_TRUE(h.t.run_to_human_turn());
    h.table.click(action);
    EXPECT_TRUE(h.table.postflop2);
    EXPECT_EQ(h.t.screen.visible(Image1(4)), action == Command5);
  }
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
  ASSERT_EQ(table.loop.focus(), Picture8);
  ASSERT_TRUE(t.step());
  EXPECT_EQ(table.focuser, 7);
  ASSERT_TRUE(t.step());
  EXPECT_TRUE(t.human_turn_open());
}

// ---- Showdown and payment -----------------------------------------------------

TEST(Showdown, PaysThePotExactlyToTheBestHandsStillIn) {
  struct Case {
    int dealer;
    std::array<int, seats> ranks;
    std::vector<int> folded;
    Chips pot;
    Element action;  // the human's, closing seventh street
    std::array<Chips, seats> gains;
  };
  const Case cases[] = {
      // Equal shares; the odd chips one each from the first winner after the button.
      {5, {1, 5, 1, 5, 1, 5, 5}, {2, 4, 6, 7}, 101, Command7, {34, 0, 34, 0, 33, 0, 0}},
      {2, {1, 5, 1, 5, 1, 5, 5}, {2, 4, 6, 7}, 100, Command7, {33, 0, 34, 0, 33, 0, 0}},
      // The best hand folded.
      {5, {3, 1, 2, 5, 5, 5, 5}, {2, 4, 5, 6}, 300, Command7, {0, 0, 300, 0, 0, 0, 0}},
      // The human folds the best hand as the closing seat.
      {5, {1, 5, 2, 5, 5, 5, 5}, {2, 4, 5, 6, 7}, 400, Command8, {0, 0, 400, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("pot " + std::to_string(c.pot));
    Hand h;
    Table& table = h.table;
    table.renumber_from_dealer(c.dealer);
    h.human_next(4, 0, 1);
    set_ranks(table, c.ranks);
    h.fold(c.folded);
    for (int s = 1; s <= seats; ++s) table.p(s).prize = 1000;
    table.pot = c.pot;
    settle_books(table);
    ASSERT_TRUE(h.t.run_to_human_turn());
    table.click(c.action);
    ASSERT_TRUE(table.gameover);
    for (int s = 1; s <= seats; ++s)
      EXPECT_EQ(table.p(s).prize, 1000 + c.gains[static_cast<std::size_t>(s - 1)]) << s;
    EXPECT_TRUE(pause_running(table));
    // The pot's chips go back, hidden, to where the pot is drawn.
    EXPECT_FALSE(h.t.screen.visible(potlabel));
    for (int i = 60; i <= 90; ++i) {
      EXPECT_FALSE(h.t.screen.visible(backchips(i)));
      EXPECT_EQ(h.t.screen.left(backchips(i)), design_rect(backchips(i)).left) << i;
    }
  }
}

TEST_F(LoadedTable, AShowdownWithEverySeatFoldedPaysTheBestActiveHand) {
  human_next(4, 0, 1);
  ASSERT_TRUE(t.run_to_human_turn());
  const int values[] = {300, 1000, 200, 900, 100, 100, 100};
  for (int s = 1; s <= seats; ++s) table.p(s).handnumber = values[s - 1];
  table.p(2).Active = false;  // the best hand, but its player is gone
  fold({2, 3, 4, 5, 6, 7});
  table.pot = 500;
  settle_books(table);
  const Chips before = table.p(4).prize;
  table.click(Command8);
  ASSERT_TRUE(table.gameover);
  EXPECT_EQ(table.p(4).prize, before + 500);
  EXPECT_EQ(table.p(1).prize, 1000);
}

TEST(Showdown, TheLastSeatLeftWinsUncontested) {
  for (int winner : {1, 3}) {
    SCOPED_TRACE(winner);
    Hand h;
    std::array<int, seats> ranks{5, 5, 5, 5, 5, 5, 5};
    ranks[static_cast<std::size_t>(winner - 1)] = 1;
    set_ranks(h.table, ranks);
    ASSERT_TRUE(h.t.run_to_human_turn());
    h.table.click(winner == 1 ? Command5 : Command8);
    ASSERT_TRUE(testing::play_to_showdown(h.t));
    EXPECT_EQ(h.table.p(winner).handrank, 1);
    EXPECT_EQ(h.table.numberofwinners, 1);
    EXPECT_EQ(h.table.chips_in_stacks(), 7000);
    EXPECT_GT(h.table.p(winner).prize, 1000);
    EXPECT_FALSE(h.table.postflop1 && winner == 1) << "a further street was shown";
  }
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
  t.wait(12'000);
  EXPECT_EQ(table.hands_dealt, 1);
  for (int s = 1; s <= seats; ++s)
    EXPECT_EQ(table.p(s).prize, paid[static_cast<std::size_t>(s)].prize) << "seat " << s;
  for (int i = 60; i <= 90; ++i) EXPECT_FALSE(t.screen.visible(backchips(i))) << i;
  EXPECT_EQ(table.loop.focus(), Command2);  // no seat had a turn
  // The clock runs on through the pause after a computer's action.
  EXPECT_EQ(table.limittimersetting, count - 6);
}

TEST(Showdown, AfterTheHumanEndsTheHandTheClockStandsStill) {
  for (Element action : {Command7, Command8}) {
    Hand h;
    h.human_next(4, 0, 1);
    h.fold({2, 3, 5, 6, 7});
    ASSERT_TRUE(h.t.run_to_human_turn());
    const int count = h.table.limittimersetting;
    h.table.click(action);
    ASSERT_TRUE(h.table.gameover);
    h.t.wait(12'999);
    EXPECT_EQ(h.table.limittimersetting, count);
    h.t.wait(1);
    EXPECT_EQ(h.table.hands_dealt, 2);
    EXPECT_EQ(h.table.limittimersetting, count);
  }
}

// ---- The end of the tournament and Exit ----------------------------------------

TEST(TournamentEnd, TheHumanIsToldHowTheTournamentEndedAndTheGameEnds) {
  struct Case {
    int playersout;
    std::vector<int> gone;
    bool broke;
    const char* message;
  };
  // Seats that stay broke are counted out again at every deal, so past the
  // final table the counter runs past the field: the table is counted.
  const Case cases[] = {
      {995, {7}, true, "Your Finished With  5 Players Still in Tournament"},
      {1003, {7}, true, "Your Finished With  5 Players Still in Tournament"},
      {500, {}, true, "Your Finished With  500 Players Still in Tournament"},
      {996, {2, 3, 4, 5, 6, 7}, false, "Congratulations You Won The Tournament"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.playersout);
    Hand h;
    Table& table = h.table;
    h.human_next(4, 0, 1);
    table.playersout = c.playersout;
    h.fold(c.gone);
    for (int s : c.gone) table.p(s).Active = false;
    if (c.broke) {
      table.p(1).prize = 0;
      table.p(1).allin = true;
    }
    set_ranks(table, {5, 5, 1, 5, 5, 5, 5});
    settle_books(table);
    h.t.wait(2000);
    ASSERT_TRUE(table.gameover);
    EXPECT_EQ(h.t.screen.caption(Label24), c.message);
    h.t.wait(12'999);
    EXPECT_FALSE(table.ended());
    h.t.wait(1);
    EXPECT_TRUE(table.ended());
    EXPECT_EQ(table.ending, Ending::tournament_over);
    EXPECT_EQ(table.finish, c.broke ? Finish::knocked_out : Finish::won);
    EXPECT_EQ(table.hands_dealt, 1);
  }
}

TEST_F(LoadedTable, ExitInTheMiddleOfAHandEndsAtOnce) {
  ASSERT_TRUE(t.run_to_human_turn());
  table.click(Command5);
  t.wait(4000);
  ASSERT_FALSE(table.gameover);
  table.click(Command2);
  EXPECT_TRUE(table.ended());
  EXPECT_EQ(table.ending, Ending::exit_button);
  EXPECT_FALSE(t.step());
}

}  // namespace
}  // namespace tarvix
