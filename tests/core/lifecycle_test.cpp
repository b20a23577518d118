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
  ScriptedTable t{1, Settings{"me", 0, 0x8000}};
  Table& table = t.table;
};

TEST_F(NextHand, TheButtonMovesOneSeatClockwiseEveryHand) {
  for (int hand = 0; hand < 8; ++hand) {
    const int before = table.dealer_seat();
    ASSERT_TRUE(deal_next_hand(t, [](Table& tb) {
      for (int s = 2; s <= seats; ++s) tb.p(s).prize = 1000;
    }));
    EXPECT_EQ(table.dealer_seat(), Table::seat_after(before));
  }
}

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
    Table& table = t.table;
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

TEST_F(NextHand, AtTheFinalTableEverySeatAntesAndAShortStackGoesAllIn) {
  ASSERT_TRUE(deal_next_hand(t, [](Table& tb) {
    tb.playersout = 995;
    for (int s = 1; s <= seats; ++s) tb.p(s).prize = 1000;
    tb.p(4).prize = 6;
  }));
  EXPECT_EQ(table.pot, 66);  // six antes of 10 and the 6 chips seat 4 had
  EXPECT_EQ(table.currentbet, 10);
  EXPECT_EQ(table.p(4).prize, 0);
  EXPECT_TRUE(table.p(4).allin);
  for (int s : {1, 2, 3, 5, 6, 7}) {
    EXPECT_EQ(table.p(s).prize, 990) << "seat " << s;
    EXPECT_EQ(table.p(s).totalbet, 0) << "no blinds at the final table";
  }
}

TEST_F(NextHand, NoAnteUpToNineHundredNinety) {
  for (int out : {0, 985, 990, 990}) {
    SCOPED_TRACE("playersout " + std::to_string(out));
    ASSERT_TRUE(deal_next_hand(t, [out](Table& tb) {
      tb.playersout = out;
      for (int s = 1; s <= seats; ++s) tb.p(s).prize = 1000;
      tb.renumber_from_dealer(1);
    }));
    EXPECT_EQ(table.pot, 30);  // the blinds alone
    EXPECT_EQ(table.p(3).totalbet, 10);
    EXPECT_EQ(table.p(4).totalbet, 20);
    // With nobody broke the final table changes nothing.
    if (out == 990) {
      EXPECT_EQ(table.playersout, 990);
    }
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
      tb.p(s).fold = true;
      tb.p(s).allin = true;
      tb.p(s).prize = 1000;
    }
  }));
  EXPECT_FALSE(table.gameover);
  EXPECT_FALSE(table.postblinds || table.postflop1 || table.postflop2 || table.postflop3 ||
               table.postflop4);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(table.closing_seat(i), 0) << "street " << i;
  EXPECT_FALSE(table.raiser);
  EXPECT_EQ(table.raiservalue, 0);
  for (int s = 1; s <= seats; ++s) {
    EXPECT_FALSE(table.p(s).fold || table.p(s).allin) << "seat " << s;
    // Third street: the first three cards of every seat, nothing more.
    for (int c = 0; c < 7; ++c)
      EXPECT_EQ(t.screen.visible(Image1(7 * (s - 1) + c)), c < 3) << s << "/" << c;
  }
}

}  // namespace
}  // namespace tarvix
