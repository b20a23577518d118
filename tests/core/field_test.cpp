// The field of 1000 players: eliminations elsewhere, newcomers at the
// human's table, the forming of the final table and the retired seats.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "support/table_script.h"

namespace tarvix {
namespace {

using testing::deal_next_hand;
using testing::ScriptedTable;

// Every seat's stack set to 1000 in the pause, so that nobody is broke.
void full_stacks(Table& table) {
  for (int s = 1; s <= seats; ++s) table.p(s).prize = 1000;
}

struct Field : ::testing::Test {
  Field() { t.load(); }
  ScriptedTable t{1};
  Table& table = t.table;
};

void expect_newcomer(const player& q, Chips stack) {
  // A newcomer's name is three name fragments.
  EXPECT_EQ(std::count(q.caption.begin(), q.caption.end(), ' '), 2) << "'" << q.caption << "'";
  EXPECT_EQ(q.prize + q.totalbet, stack) << q.caption;
}

TEST_F(Field, EliminationsElsewhereAndTheNewcomersStack) {
  std::set<int> seen;
  for (int deal = 0; deal < 200; ++deal) {
    table.playersout = 0;
    table.outchips = 0;
    const Chips stack = table.advance_tournament();
    const int k = table.playersout;
    ASSERT_TRUE(k >= 3 && k <= 7) << k;
    EXPECT_EQ(table.outchips, 1000 * k);
    // The pool shared by the players out less two: 3000 / 1 .. 7000 / 5.
    const Chips expected[] = {3000, 2000, 1667, 1500, 1400};
    EXPECT_EQ(stack, expected[k - 3]) << "k " << k;
    seen.insert(k);
  }
  EXPECT_EQ(seen.size(), 5u);
}

TEST_F(Field, ABrokeSeatGetsANewcomerAndTheSecondDealCountsThePlayersLeft) {
  EXPECT_FALSE(t.screen.visible(Label2));
  // From 900 players out on, one goes each deal.
  ASSERT_TRUE(deal_next_hand(t, [](Table& tb) {
    tb.playersout = 900;
    tb.outchips = 900'000;
    tb.p(3).prize = 0;
    tb.p(6).prize = 0;
  }));
  EXPECT_EQ(table.playersout, 901);
  for (int s : {3, 6}) expect_newcomer(table.p(s), 1002);  // 901'000 / 899
  EXPECT_EQ(t.screen.caption(Label24), "Please Wait Arranging Tables");
  EXPECT_TRUE(t.screen.visible(Label2));
  EXPECT_EQ(t.screen.caption(Label2), "Players  99 Remaining in the Tournament");
}

TEST_F(Field, TheFinalTableIsFormedAtNineHundredNinety) {
  ASSERT_TRUE(deal_next_hand(t, [](Table& tb) {
    tb.playersout = 989;
    tb.outchips = 989'000;
    full_stacks(tb);
    tb.p(3).prize = 0;
    tb.p(5).prize = 0;
  }));
  EXPECT_EQ(t.screen.caption(Label2), "Players  10 Remaining in the Tournament");
  EXPECT_EQ(table.playersout, 992);  // one more for each refill
  // The whole pool, less the ante of the final table.
  for (int s : {3, 5}) expect_newcomer(table.p(s), 990'000 - 10);
  EXPECT_EQ(table.pot, 70);  // seven antes, no blinds
}

TEST_F(Field, AtTheFinalTableABrokeSeatIsRetiredAndCountedAgainAtEveryDeal) {
  ASSERT_TRUE(deal_next_hand(t, [](Table& tb) {
    tb.playersout = 993;
    full_stacks(tb);
    tb.p(4).prize = 0;
  }));
  EXPECT_EQ(table.playersout, 994);
  EXPECT_FALSE(table.p(4).Active);
  EXPECT_FALSE(t.screen.visible(Label16));
  for (int c = 0; c < 7; ++c) EXPECT_FALSE(t.screen.visible(Image1(21 + c)));
  EXPECT_EQ(table.pot, 60);                        // six antes
  EXPECT_EQ(table.p(4).caption, "bad beat luck");  // nobody new sits down
  ASSERT_TRUE(deal_next_hand(t, [](Table& tb) {
    for (int s : {1, 2, 3, 5, 6, 7}) tb.p(s).prize = 1000;
  }));
  EXPECT_EQ(table.playersout, 995);
}

TEST_F(Field, TheFinalTableEndsTheSitOutForGood) {
  table.click(Command3);
  ASSERT_EQ(table.sit_out(), SitOut::from_next_hand);
  ASSERT_TRUE(deal_next_hand(t, [](Table& tb) {
    tb.playersout = 989;
    full_stacks(tb);
  }));
  EXPECT_FALSE(table.p(1).sittingout);
  EXPECT_EQ(table.sitter, 0);
  // Sit Out no longer answers, and the human plays the next hands.
  table.click(Command3);
  EXPECT_EQ(table.sitter, 0);
  ASSERT_TRUE(deal_next_hand(t, full_stacks));
  EXPECT_FALSE(table.p(1).sittingout);
  EXPECT_TRUE(t.run_to_human_turn());
}

}  // namespace
}  // namespace tarvix
