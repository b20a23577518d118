// One hand at the table on virtual time: the blinds, the human's buttons,
// the computer players' stakes, where each street closes, the showdown and
// its payment, and the end of the tournament.
#include <gtest/gtest.h>

#include <vector>

#include "support/table_script.h"

namespace tarvix {
namespace {

using testing::ScriptedTable;
using testing::set_ranks;
using testing::settle_books;
using testing::turn_next;

bool turn_timer_running(const Table& table) { return table.loop.enabled(TimerId::roundtimer); }

// Seed 1 tosses the button to seat 5: seat 6 posts the small blind, seat 7
// the big blind, and the first tick opens the human's turn.
struct Hand {
  Hand() { t.load(); }
  void fold(const std::vector<int>& folded) {
    for (int s : folded) table.p(s).fold = true;
  }
  ScriptedTable t{1};
  Table& table = t.table;
};

struct LoadedTable : ::testing::Test, Hand {};

TEST(Blinds, TheHumansBigBlindOpensThirdStreetAndSeatTwoActsWithoutWaitingForATick) {
  ScriptedTable t(testing::seed_with_dealer(6));
  t.load();
  EXPECT_EQ(t.table.p(1).totalbet, 20);
  EXPECT_TRUE(t.table.postblinds);
  EXPECT_EQ(t.table.focuser, 2);
  EXPECT_EQ(t.game.now(), 0);
}

TEST(Blinds, AShortBlindIsAllInAndNeitherLowersTheBetNorDoublesTheBigBlind) {
  struct Case {
    int dealer, short_seat;
    Chips currentbet, pot;
  };
  const Case cases[] = {
      {5, 7, 10, 17},  // the big blind is short
      // The small blind's handler passes the turn on twice (after the blind,
      // and as a seat that cannot act): the next seat still has one turn.
      {2, 3, 20, 27},
  };
  for (const Case& c : cases) {
    ScriptedTable t(1);
    t.load();
    ASSERT_TRUE(testing::deal_next_hand(t, [&c](Table& table) {
      table.renumber_from_dealer(Table::seat_before(c.dealer));
      for (int s = 1; s <= seats; ++s) table.p(s).prize = s == c.short_seat ? 7 : 1000;
    }));
    ASSERT_EQ(t.table.dealer_seat(), c.dealer);
    EXPECT_TRUE(t.table.p(c.short_seat).allin);
    EXPECT_EQ(t.table.currentbet, c.currentbet);
    EXPECT_EQ(t.table.pot, c.pot);
  }
}

// ---- The human's buttons ----------------------------------------------------

TEST(HumanTurn, EachButtonStakesWhatItSaysAndARaiseMovesTheClose) {
  struct Case {
    int street;
    Chips staked, prize;  // the human's stake on the street so far, its stack
    Element button;
    const char* typed;  // in the box before Bet It
    Chips stake;
    int raises, closing;
  };
  // Every seat owes 20.
  const Case cases[] = {
      {0, 0, 1000, Command5, nullptr, 20, 0, 0},
      {0, 20, 1000, Command7, nullptr, 0, 0, 0},
      {0, 0, 1000, Command6, nullptr, 40, 1, 7},  // the call plus two limits
      {0, 0, 30, Command6, nullptr, 30, 1, 7},    // cut to the stack
      {0, 0, 1000, Command11, "100", 120, 1, 7},  // the call plus the typed amount
      // A raise counts once for every street flag; Bet It leaves seventh
      // street's out and does not move its close.
      {4, 0, 1000, Command6, nullptr, 40, 5, 7},
      {4, 0, 1000, Command11, "100", 120, 4, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(element_name(c.button) + " on street " + std::to_string(c.street));
    Hand h;
    Table& table = h.table;
    turn_next(h.table, 1, c.street, 20);
    table.p(1).totalbet = c.staked;
    table.p(1).prize = c.prize;
    settle_books(table);
    ASSERT_TRUE(h.t.run_to_human_turn());
    EXPECT_FALSE(turn_timer_running(table));
    EXPECT_EQ(h.t.screen.visible(Command5), c.staked < 20);
    EXPECT_EQ(h.t.screen.visible(Command7), c.staked == 20);
    if (c.typed) table.type_amount(c.typed);
    table.click(c.button);
    EXPECT_EQ(table.p(1).prize, c.prize - c.stake);
    EXPECT_EQ(table.p(1).allin, c.stake == c.prize);
    EXPECT_EQ(table.pot, 30 + c.stake);
    EXPECT_EQ(table.currentbet, std::max<Chips>(20, c.staked + c.stake));
    EXPECT_EQ(table.raiser, c.raises > 0);
    EXPECT_EQ(table.raiservalue, c.raises);
    EXPECT_EQ(table.closing_seat(c.street), c.closing);
    EXPECT_EQ(table.closing_seat(3), c.street == 4 ? 7 : 0);
    EXPECT_EQ(table.focuser, 1);
    EXPECT_TRUE(turn_timer_running(table));
    EXPECT_EQ(h.t.screen.at(Text2).text, "");
  }
}

// ---- Computer players' stakes -------------------------------------------------

TEST(ComputerStakes, RaiseTheCallPlusAShareOfTheirOwnChipsOrStayWhenAlone) {
  struct Case {
    int seat, rank;
    Chips prize, call, stake;
    bool alone;  // every other seat has folded, the human is all in
  };
  const Case cases[] = {
      {2, 1, 1000, 20, 120, false},  // 20 + 1000 / 10
      {7, 3, 1000, 20, 45, false},   // 20 + 1000 / 40
      {2, 2, 1050, 20, 72, false},   // 72.5 rounds to even
      {2, 2, 1050, 21, 74, false},   // 73.5 rounds to even
      {5, 2, 10, 20, 10, false},     // 20.4 is more than the stack: all in
      {4, 1, 100, 30, 30, true},     // calls
      {5, 1, 100, 30, 0, true},      // passes
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("seat " + std::to_string(c.seat) + " rank " + std::to_string(c.rank));
    Hand h;
    Table& table = h.table;
    const Chips pot = table.pot;
    turn_next(h.table, c.seat, 0, c.call);
    table.flopshower4 = 7;  // keeps a street without stakes from being restarted
    table.p(c.seat).prize = c.prize;
    table.p(c.seat).handrank = c.rank;
    if (c.alone) {
      for (int s = 2; s <= seats; ++s) table.p(s).fold = s != c.seat;
      table.p(1).prize = 0;  // all in, so still in the hand
      table.p(1).allin = true;
    }
    settle_books(table);
    ASSERT_TRUE(h.t.step());
    const player& q = table.p(c.seat);
    EXPECT_FALSE(q.fold);
    EXPECT_EQ(q.totalbet, c.stake);
    EXPECT_EQ(q.prize, c.prize - c.stake);
    EXPECT_EQ(table.pot, pot + c.stake);
    EXPECT_EQ(table.currentbet, std::max(c.call, c.stake));
    EXPECT_EQ(table.raiser, !c.alone);
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
    turn_next(h.table, 3, c.street, 20);
    h.table.p(3).handrank = c.rank;
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
    turn_next(h.table, 2, street, 20);
    set_ranks(h.table, {5, 1, 1, 1, 1, 5, 5});
    std::vector<std::pair<int, int>> after;
    for (int seat = 2; seat <= 5; ++seat) {
      const Chips owed = h.table.currentbet;
      EXPECT_TRUE(h.t.step());
      EXPECT_GT(h.table.p(seat).totalbet, owed) << "seat " << seat << " raises";
      after.emplace_back(h.table.closing_seat(street), h.table.raiservalue);
    }
    EXPECT_EQ(after, expected[street]) << "street " << street;
  }
}

TEST_F(LoadedTable, TheClosingSeatsActionGathersTheBetsAndShowsTheNextStreet) {
  turn_next(table, 2, 0, 20, 3);
  set_ranks(table, {5, 5, 5, 5, 5, 5, 5});
  ASSERT_TRUE(t.step());  // seat 2 folds: not the closing seat
  EXPECT_FALSE(table.postflop1);
  ASSERT_TRUE(t.step());  // seat 3 folds and closes third street
  EXPECT_TRUE(table.postflop1);
  EXPECT_EQ(table.currentbet, 0);
  EXPECT_TRUE(t.screen.visible(potlabel));  // (that it reads the pot is one of the rules)
  for (int s = 1; s <= seats; ++s) {
    EXPECT_EQ(t.screen.visible(Image1(7 * (s - 1) + 3)), !table.p(s).fold) << "seat " << s;
    EXPECT_EQ(table.p(s).totalbet, 0);
  }
}

TEST(ClosingSeat, TheHumansFoldTakesEffectBeforeTheNextCardIsShown) {
  for (Element action : {Command5, Command8}) {
    Hand h;
    turn_next(h.table, 1, 1, 20, 1);
    ASSERT_TRUE(h.t.run_to_human_turn());
    h.table.click(action);
    EXPECT_TRUE(h.table.postflop2);
    EXPECT_EQ(h.t.screen.visible(Image1(4)), action == Command5);
  }
}

TEST_F(LoadedTable, TheFirstTickOfAStreetWithoutStakesClosesItAtSeven) {
  turn_next(table, 4, 1, 0);
  ASSERT_TRUE(t.step());
  EXPECT_EQ(table.flopshower4, 7);
  EXPECT_EQ(table.focuser, 7);  // seat 7 had the turn
}

TEST_F(LoadedTable, AStreetWithoutAClosingSeatAfterARaiseClosesAfterOneRound) {
  turn_next(table, 3, 2, 20);
  table.raiser = true;      // somebody raised on an earlier street
  table.p(3).handrank = 5;  // folds rather than raising the close away
  ASSERT_TRUE(t.step());
  EXPECT_EQ(table.flopshower2, 2);  // every seat acts once, seat 2 last
}

TEST_F(LoadedTable, AnAllInHumanOnTheBigBlindStillClosesTheStreet) {
  table.renumber_from_dealer(6);
  turn_next(table, 1, 1, 20);
  table.p(1).prize = 0;
  table.p(1).allin = true;
  settle_books(table);
  ASSERT_TRUE(t.step());
  EXPECT_EQ(table.flopshower1, 7);
  EXPECT_TRUE(turn_timer_running(table));
}

TEST(AllIn, TheHumanAllInIsNeverOfferedATurnAndHearsWhenTheHouseRulesAct) {
  for (std::uint64_t seed = 1; seed <= 6; ++seed) {
    SCOPED_TRACE(seed);
    ScriptedTable t(seed);
    t.load();
    ASSERT_TRUE(t.run_to_human_turn());
    std::vector<GameEvent> told;
    t.game.listen([&told](const GameEvent& e) { told.push_back(e); });
    t.table.type_amount("1e999");
    t.table.click(Command11);
    ASSERT_TRUE(t.table.p(1).allin);
    const int hand = t.game.hand();
    while (t.game.hand() == hand && !t.game.ended()) ASSERT_TRUE(t.step());
    for (const GameEvent& e : told) {
      EXPECT_FALSE(std::holds_alternative<HumanTurnOpened>(e));
      if (const auto* showdown = std::get_if<Showdown>(&e)) {
        for (const ShowdownHand& h : showdown->hands) EXPECT_TRUE(!h.short_all_in || h.won > 0);
      }
      // Whoever still owes chips as a street closes is still in and not all in.
      if (const auto* left = std::get_if<RaiseUnanswered>(&e)) {
        for (int s : left->owing) EXPECT_NE(s, 1);
      }
    }
  }
}

TEST_F(LoadedTable, ATurnGivenBackToTheSeatHoldingTheFocusIsTaken) {
  // Seat 7 folds and closes third street; the first tick of fourth street
  // gives the turn to seat 7 again, which still holds the focus.
  turn_next(table, 7, 0, 20, 7);
  table.p(7).handrank = 5;
  ASSERT_TRUE(t.step());
  ASSERT_TRUE(table.postflop1);
  ASSERT_EQ(table.loop.focus(), Picture8);
  ASSERT_TRUE(t.step());
  EXPECT_EQ(table.focuser, 7);
  ASSERT_TRUE(t.step());
  EXPECT_TRUE(t.human_turn_open());
}

// ---- Showdown and payment -----------------------------------------------------

TEST(Showdown, PaysThePotExactlyToTheBestHandsStillInAndShowsTheirCards) {
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
    turn_next(h.table, 1, 4, 0, 1);
    set_ranks(table, c.ranks);
    h.fold(c.folded);
    for (int s = 1; s <= seats; ++s) table.p(s).prize = 1000;
    table.pot = c.pot;
    settle_books(table);
    ASSERT_TRUE(h.t.run_to_human_turn());
    table.click(c.action);
    ASSERT_TRUE(table.gameover);
    EXPECT_TRUE(table.loop.enabled(TimerId::Timer1));  // the pause before the next hand
    for (int s = 1; s <= seats; ++s) {
      EXPECT_EQ(table.p(s).prize, 1000 + c.gains[static_cast<std::size_t>(s - 1)]) << s;
      for (int card = 1; card <= 7 && !table.p(s).fold; ++card)
        EXPECT_EQ(h.t.screen.picture(card_slot(s, card)), table.p(s).card(card)) << s;
    }
    // The pot's chips go back, hidden, to where the pot is drawn.
    EXPECT_FALSE(h.t.screen.visible(potlabel));
    for (int i = pot_chip_first; i <= pot_chip_last; ++i) {
      EXPECT_FALSE(h.t.screen.visible(backchips(i)));
      EXPECT_EQ(h.t.screen.left(backchips(i)), design_rect(backchips(i)).left) << i;
    }
  }
}

TEST_F(LoadedTable, AShowdownWithEverySeatFoldedPaysTheBestActiveHand) {
  turn_next(table, 1, 4, 0, 1);
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

TEST(Showdown, TheLastSeatLeftWinsUncontestedWithNoFurtherStreet) {
  for (int winner : {1, 3}) {
    SCOPED_TRACE(winner);
    Hand h;
    std::array<int, seats> ranks{5, 5, 5, 5, 5, 5, 5};
    ranks[static_cast<std::size_t>(winner - 1)] = 1;
    set_ranks(h.table, ranks);
    ASSERT_TRUE(h.t.run_to_human_turn());
    h.table.click(winner == 1 ? Command5 : Command8);
    ASSERT_TRUE(testing::play_to_showdown(h.t));
    EXPECT_EQ(h.table.numberofwinners, 1);
    EXPECT_GT(h.table.p(winner).prize, 1000);
    EXPECT_FALSE(h.table.postflop1 && winner == 1);
  }
}

// ---- Nothing happens twice after the showdown -----------------------------------

TEST_F(LoadedTable, AfterAComputerEndsTheHandNothingIsPaidOrShownAgain) {
  // Seat 3 closes seventh street; the seats that closed the earlier streets
  // all come round while the turn timer runs on in the pause.
  turn_next(table, 3, 4, 20, 3);
  for (int street = 0; street < 4; ++street) table.closing_seat(street) = street + 4;
  set_ranks(table, {5, 5, 5, 1, 5, 5, 5});  // seat 3 folds, seat 4 wins
  table.pot = 600;
  settle_books(table);
  ASSERT_TRUE(t.step());
  ASSERT_TRUE(table.gameover);
  const std::array<player, seats + 1> paid = table.seat;
  const int count = table.limittimersetting;
  t.wait(12'000);
  EXPECT_EQ(table.hands_dealt, 1);
  for (int s = 1; s <= seats; ++s)
    EXPECT_EQ(table.p(s).prize, paid[static_cast<std::size_t>(s)].prize) << "seat " << s;
  for (int i = pot_chip_first; i <= pot_chip_last; ++i)
    EXPECT_FALSE(t.screen.visible(backchips(i))) << i;
  EXPECT_EQ(table.loop.focus(), Command2);  // no seat had a turn
  // The clock runs on through the pause after a computer's action.
  EXPECT_EQ(table.limittimersetting, count - 6);
}

TEST(Showdown, AfterTheHumanEndsTheHandTheClockStandsStillUntilTheNextDeal) {
  for (Element action : {Command7, Command8}) {
    Hand h;
    turn_next(h.table, 1, 4, 0, 1);
    h.fold({2, 3, 5, 6, 7});
    ASSERT_TRUE(h.t.run_to_human_turn());
    const int count = h.table.limittimersetting;
    h.table.click(action);
    ASSERT_TRUE(h.table.gameover);
    h.t.wait(timer1_interval);
    EXPECT_EQ(h.table.hands_dealt, 2);
    EXPECT_EQ(h.table.limittimersetting, count);
  }
}

// ---- The end of the tournament and Exit ----------------------------------------

TEST(TournamentEnd, TheHumanIsToldHowTheTournamentEndedAndTheGameEndsAfterThePause) {
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
    turn_next(h.table, 1, 4, 0, 1);
    table.playersout = c.playersout;
    h.fold(c.gone);
    for (int s : c.gone) table.p(s).Active = false;
    table.p(1).prize = c.broke ? 0 : 1000;
    table.p(1).allin = c.broke;
    set_ranks(table, {5, 5, 1, 5, 5, 5, 5});
    settle_books(table);
    h.t.wait(roundtimer_interval);
    ASSERT_TRUE(table.gameover);
    EXPECT_EQ(h.t.screen.caption(Label24), c.message);
    h.t.wait(timer1_interval - 1);
    EXPECT_FALSE(table.ended());
    h.t.wait(1);
    EXPECT_EQ(table.ending, Ending::tournament_over);
    EXPECT_EQ(table.finish, c.broke ? Finish::knocked_out : Finish::won);
    EXPECT_EQ(table.hands_dealt, 1);
  }
}

TEST_F(LoadedTable, ExitInTheMiddleOfAHandEndsAtOnce) {
  ASSERT_TRUE(t.run_to_human_turn());
  table.click(Command5);
  table.click(Command2);
  EXPECT_EQ(table.ending, Ending::exit_button);
  EXPECT_FALSE(t.step());
}

}  // namespace
}  // namespace tarvix
