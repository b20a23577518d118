// From one hand to the next: the button's move past empty seats, the
// sitting-out dealer's fee, the final table's antes and the reset of the
// table state.
#include <gtest/gtest.h>

#include "model/text.h"
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

TEST_F(NextHand, FromSevenTheButtonGoesToTheHuman) {
  ASSERT_TRUE(deal_next_hand(t, [](Table& tb) { tb.renumber_from_dealer(7); }));
  for (int s = 1; s <= seats; ++s) EXPECT_EQ(table.p(s).dealer, s) << "seat " << s;
  // The marker stands at seat 1's place.
  EXPECT_TRUE(t.screen.visible(Label1));
  EXPECT_EQ(t.screen.left(Label1), t.screen.left(Image1(3)) + 500);
  EXPECT_EQ(t.screen.top(Label1), t.screen.top(Image1(3)) + 500);
}

TEST_F(NextHand, TheButtonSkipsARunOfEmptySeats) {
  ASSERT_TRUE(deal_next_hand(t, [](Table& tb) {
    tb.renumber_from_dealer(3);
    tb.p(4).Active = false;
    tb.p(5).Active = false;
  }));
  EXPECT_EQ(table.dealer_seat(), 6);
  EXPECT_EQ(table.p(6).dealer, 1);
  // The blinds fall after the new button: seats 7 and 1.
  EXPECT_EQ(table.p(7).totalbet, 10);
  EXPECT_EQ(table.p(1).totalbet, 20);
  // The empty seats sit out with their cards hidden, and fold at their turn.
  ASSERT_TRUE(t.run_to_human_turn());
  for (int s : {4, 5}) {
    EXPECT_TRUE(table.p(s).sittingout);
    EXPECT_TRUE(table.p(s).fold);
    for (int c = 0; c < 7; ++c) EXPECT_FALSE(t.screen.visible(Image1(7 * (s - 1) + c)));
  }
}

TEST_F(NextHand, AnEmptySeatSevenPassesTheButtonToTheHuman) {
  ASSERT_TRUE(deal_next_hand(t, [](Table& tb) {
    tb.renumber_from_dealer(6);
    tb.p(7).Active = false;
  }));
  EXPECT_EQ(table.dealer_seat(), 1);
  EXPECT_EQ(table.p(7).dealer, 7);
}

TEST_F(NextHand, TheSittingOutDealerPaysAFeeThatReachesNoPot) {
  table.click(Command3);
  ASSERT_EQ(table.sitter, 1);
  ASSERT_TRUE(deal_next_hand(t, [](Table& tb) {
    tb.renumber_from_dealer(1);
    tb.p(1).prize = 1000;
  }));
  EXPECT_TRUE(table.p(1).sittingout);
  EXPECT_EQ(table.dealer_seat(), 2);
  EXPECT_EQ(table.p(1).prize, 980);
  EXPECT_EQ(t.screen.caption(Label13), " 980");
  EXPECT_EQ(table.pot, 30);  // only the blinds of seats 3 and 4
  EXPECT_EQ(table.chips_taken, 20);
  for (int c = 0; c < 7; ++c) EXPECT_FALSE(t.screen.visible(Image1(c)));
}

TEST_F(NextHand, TheFeeIsCutToASmallStack) {
  table.click(Command3);
  ASSERT_TRUE(deal_next_hand(t, [](Table& tb) {
    tb.renumber_from_dealer(1);
    tb.p(1).prize = 15;
  }));
  EXPECT_EQ(table.p(1).prize, 0);
  EXPECT_EQ(t.screen.caption(Label13), "All in");
  EXPECT_EQ(table.chips_taken, 15);
}

TEST_F(NextHand, AtTheFinalTableEverySeatAntesAndAShortStackGoesAllIn) {
  ASSERT_TRUE(deal_next_hand(t, [](Table& tb) {
    tb.playersout = 995;
    for (int s = 1; s <= seats; ++s) tb.p(s).prize = 1000;
    tb.p(4).prize = 6;
  }));
  EXPECT_EQ(table.pot, 66);  // six antes of 10 and the 6 chips seat 4 had
  EXPECT_EQ(t.screen.caption(potlabel), " 66");
  EXPECT_EQ(table.currentbet, 10);
  EXPECT_EQ(table.p(4).prize, 0);
  EXPECT_TRUE(table.p(4).allin);
  EXPECT_EQ(t.screen.caption(Label16), "All in");
  EXPECT_EQ(t.screen.caption(chiplabel4), " 6");
  for (int s : {1, 2, 3, 5, 6, 7}) {
    EXPECT_EQ(table.p(s).prize, 990) << "seat " << s;
    EXPECT_EQ(t.screen.caption(stack_label(s)), " 990") << "seat " << s;
    EXPECT_EQ(table.p(s).totalbet, 0) << "no blinds at the final table";
  }
}

TEST_F(NextHand, NoAnteUpToNineHundredNinety) {
  for (int out : {0, 985, 990}) {
    SCOPED_TRACE("playersout " + std::to_string(out));
    ASSERT_TRUE(deal_next_hand(t, [out](Table& tb) {
      tb.playersout = out;
      for (int s = 1; s <= seats; ++s) tb.p(s).prize = 1000;
      tb.renumber_from_dealer(1);
    }));
    EXPECT_EQ(table.pot, 30);  // the blinds alone
    EXPECT_EQ(table.p(3).totalbet, 10);
    EXPECT_EQ(table.p(4).totalbet, 20);
    for (int s : {1, 2, 5, 6, 7}) EXPECT_EQ(table.p(s).prize, 1000) << "seat " << s;
  }
}

TEST_F(NextHand, EveryStreetFlagAndClosingSeatStartsAgain) {
  ASSERT_TRUE(deal_next_hand(t, [](Table& tb) {
    tb.renumber_from_dealer(1);  // the human is on neither blind
    tb.postflop1 = tb.postflop2 = tb.postflop3 = tb.postflop4 = true;
    tb.flopshower = 2;
    tb.flopshower1 = 3;
    tb.flopshower2 = 4;
    tb.flopshower3 = 5;
    tb.flopshower4 = 6;
    tb.raiser = true;
    tb.raiservalue = 3;
    for (int s = 1; s <= seats; ++s) {
      tb.p(s).fold = true;
      tb.p(s).allin = true;
      tb.p(s).prize = 1000;
    }
  }));
  EXPECT_FALSE(table.gameover);
  EXPECT_FALSE(table.postblinds);
  EXPECT_FALSE(table.postflop1 || table.postflop2 || table.postflop3 || table.postflop4);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(table.closing_seat(i), 0) << "street " << i;
  EXPECT_FALSE(table.raiser);
  EXPECT_EQ(table.raiservalue, 0);
  for (int s = 1; s <= seats; ++s) {
    EXPECT_FALSE(table.p(s).fold) << "seat " << s;
    EXPECT_FALSE(table.p(s).allin) << "seat " << s;
  }
  EXPECT_FALSE(t.screen.visible(winnerlabel));
  EXPECT_FALSE(table.events.enabled(TimerId::Timer1));
  // Third street: the first three cards of every seat, nothing more.
  for (int s = 1; s <= seats; ++s)
    for (int c = 0; c < 7; ++c)
      EXPECT_EQ(t.screen.visible(Image1(7 * (s - 1) + c)), c < 3) << s << "/" << c;
}

}  // namespace
}  // namespace tarvix
