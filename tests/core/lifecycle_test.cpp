// From one hand to the next: the button's move past empty seats, the
// sitting-out dealer's fee, the final table's antes and the reset of the
// table state.
#include <gtest/gtest.h>

#include <vector>

#include "support/table_script.h"

namespace tarvix {
namespace {

using testing::deal_next_hand;
using testing::ScriptedTable;

struct NextHand : ::testing::Test {
  NextHand() { t.load(); }
  ScriptedTable t{1};
  Table& table = t.table;
};

TEST(Button, SkipsEmptySeatsAndTheBlindsFollowIt) {
  struct Case {
    int dealer;
    std::vector<int> empty;
    int next;
  };
  const Case cases[] = {{7, {}, 1}, {6, {7}, 1}, {3, {4, 5}, 6}};
  for (const Case& c : cases) {
    SCOPED_TRACE("from " + std::to_string(c.dealer));
    ScriptedTable t(1);
    t.load();
    const Table& table = t.table;
    ASSERT_TRUE(deal_next_hand(t, [&c](Table& tb) {
      tb.renumber_from_dealer(c.dealer);
      for (int s : c.empty) tb.p(s).Active = false;
    }));
    EXPECT_EQ(table.dealer_seat(), c.next);
    const int small = Table::seat_after(c.next);
    EXPECT_EQ(table.p(small).totalbet, 10);
    EXPECT_EQ(table.p(Table::seat_after(small)).totalbet, 20);
    // The empty seats sit out with their cards hidden, and fold at their turn.
    ASSERT_TRUE(t.run_to_human_turn());
    for (int s : c.empty) {
      EXPECT_TRUE(table.p(s).fold);
      for (int slot = 0; slot < 7; ++slot)
        EXPECT_FALSE(t.screen.visible(Image1(7 * (s - 1) + slot)));
    }
  }
}

TEST_F(NextHand, TheSittingOutDealerPaysAFeeCutToTheStackThatReachesNoPot) {
  // Sit Out twice before the next hand still asks to sit out.
  table.click(Command3);
  table.click(Command3);
  ASSERT_EQ(table.sitter, 1);
  for (Chips stack : {1000, 15}) {
    const Chips taken = table.chips_taken;
    ASSERT_TRUE(deal_next_hand(t, [stack](Table& tb) {
      tb.renumber_from_dealer(1);
      for (int s = 1; s <= seats; ++s) tb.p(s).prize = s == 1 ? stack : 1000;
    }));
    EXPECT_TRUE(table.p(1).sittingout);
    EXPECT_EQ(table.dealer_seat(), 2);
    const Chips fee = std::min<Chips>(stack, 20);
    EXPECT_EQ(table.p(1).prize, stack - fee);
    EXPECT_EQ(table.chips_taken, taken + fee);
    EXPECT_EQ(table.pot, 30);  // only the blinds of seats 3 and 4
    for (int c = 0; c < 7; ++c) EXPECT_FALSE(t.screen.visible(Image1(c)));
  }
}

TEST_F(NextHand, BlindsUpToNineHundredNinetyPlayersOutAndAntesPastIt) {
  // Seat 4 is the big blind, or antes what it has.
  struct Case {
    int playersout, after;
    Chips seat4, pot;
  };
  // From 900 on one player leaves elsewhere per deal, until the final table.
  const Case cases[] = {
      {985, 986, 1000, 30}, {989, 990, 1000, 30}, {990, 990, 1000, 30}, {995, 995, 6, 66}};
  for (const Case& c : cases) {
    SCOPED_TRACE("playersout " + std::to_string(c.playersout));
    ASSERT_TRUE(deal_next_hand(t, [&c](Table& tb) {
      tb.renumber_from_dealer(1);
      tb.playersout = c.playersout;
      for (int s = 1; s <= seats; ++s) tb.p(s).prize = s == 4 ? c.seat4 : 1000;
    }));
    EXPECT_EQ(table.pot, c.pot);
    const bool antes = c.after > final_table;
    EXPECT_EQ(table.playersout, c.after);
    EXPECT_EQ(table.currentbet, antes ? 10 : 20);
    EXPECT_EQ(table.p(3).totalbet, antes ? 0 : 10);
    EXPECT_EQ(table.p(4).totalbet, antes ? 0 : 20);
    EXPECT_EQ(table.p(4).allin, c.seat4 < 10);
    EXPECT_EQ(table.p(5).prize, antes ? 990 : 1000);
  }
}

TEST_F(NextHand, EveryStreetFlagAndClosingSeatStartsAgain) {
  ASSERT_TRUE(deal_next_hand(t, [](Table& tb) {
    tb.renumber_from_dealer(1);  // the human is on neither blind
    tb.postflop1 = tb.postflop2 = tb.postflop3 = tb.postflop4 = true;
    for (int i = 0; i < 5; ++i) tb.closing_seat(i) = i + 2;
    tb.raiser = true;
    tb.raiservalue = 3;
    for (int s = 1; s <= seats; ++s) {
      tb.p(s).fold = tb.p(s).allin = true;
      tb.p(s).prize = 1000;
    }
  }));
  EXPECT_FALSE(table.gameover || table.raiser || table.raiservalue != 0);
  EXPECT_FALSE(table.postblinds || table.postflop1 || table.postflop2 || table.postflop3 ||
               table.postflop4);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(table.closing_seat(i), 0) << "street " << i;
  for (int s = 1; s <= seats; ++s) {
    EXPECT_FALSE(table.p(s).fold || table.p(s).allin) << "seat " << s;
    // Third street: the first three cards of every seat, nothing more.
    for (int c = 0; c < 7; ++c)
      EXPECT_EQ(t.screen.visible(Image1(7 * (s - 1) + c)), c < 3) << s << "/" << c;
  }
}

}  // namespace
}  // namespace tarvix
