// The field of 1000 players: eliminations elsewhere, newcomers at the
// human's table, the forming of the final table and the retired seats.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "support/table_script.h"

namespace tarvix {
namespace {

using testing::deal_next_hand;
using testing::ScriptedTable;

// A newcomer's name is three name fragments.
void expect_newcomer_name(const std::string& name) {
  EXPECT_EQ(std::count(name.begin(), name.end(), ' '), 2) << "'" << name << "'";
}

// Every seat's stack set to 1000 in the pause, so that nobody is broke.
void full_stacks(Table& table) {
  for (int s = 1; s <= seats; ++s) table.p(s).prize = 1000;
}

TEST(Field, EliminationsElsewhereAndTheNewcomersStack) {
  ScriptedTable t(8);
  std::set<int> seen;
  for (int deal = 0; deal < 200; ++deal) {
    t.table.playersout = 0;
    t.table.outchips = 0;
    const Chips stack = t.table.advance_tournament();
    const int k = t.table.playersout;
    ASSERT_GE(k, 3);
    ASSERT_LE(k, 7);
    EXPECT_EQ(t.table.outchips, 1000 * k);
    // The pool shared by the players out less two: 3000 / 1 .. 7000 / 5.
    const Chips expected[] = {3000, 2000, 1667, 1500, 1400};
    EXPECT_EQ(stack, expected[k - 3]) << "k " << k;
    seen.insert(k);
  }
  EXPECT_EQ(seen.size(), 5u);
  // From 900 players out on, one goes each deal.
  t.table.playersout = 899;
  t.table.advance_tournament();
  const int reached = t.table.playersout;
  for (int deal = 1; deal <= 5; ++deal) {
    t.table.advance_tournament();
    EXPECT_EQ(t.table.playersout, reached + deal);
  }
}

TEST(Field, TheSecondDealCountsThePlayersLeft) {
  ScriptedTable t(1);
  t.load();
  EXPECT_FALSE(t.screen.visible(Label2));
  ASSERT_TRUE(deal_next_hand(t));
  const int out = t.table.playersout;
  EXPECT_TRUE(t.screen.visible(Label2));
  EXPECT_EQ(t.screen.caption(Label2),
            "Players  " + std::to_string(1000 - out) + " Remaining in the Tournament");
}

TEST(Field, ABrokeSeatGetsANewcomerFromTheField) {
  ScriptedTable t(1);
  t.load();
  ASSERT_TRUE(deal_next_hand(t, [](Table& table) {
    table.playersout = 400;
    table.outchips = 400'000;
    table.p(3).prize = 0;
    table.p(6).prize = 0;
  }));
  const int out = t.table.playersout;
  const Chips expected_stack = static_cast<Chips>(std::nearbyint(1000.0 * out / (out - 2)));
  for (int s : {3, 6}) {
    expect_newcomer_name(t.table.p(s).caption);
    EXPECT_EQ(t.table.p(s).prize + t.table.p(s).totalbet, expected_stack) << "seat " << s;
  }
  EXPECT_EQ(t.screen.caption(Label24), "Please Wait Arranging Tables");
}

TEST(Field, TheFinalTableIsFormedAtNineHundredNinety) {
  ScriptedTable t(1);
  t.load();
  ASSERT_TRUE(deal_next_hand(t, [](Table& table) {
    table.playersout = 989;
    table.outchips = 989'000;
    full_stacks(table);
    table.p(3).prize = 0;
    table.p(5).prize = 0;
  }));
  const Table& table = t.table;
  EXPECT_EQ(t.screen.caption(Label2), "Players  10 Remaining in the Tournament");
  EXPECT_EQ(table.playersout, 992);  // one more for each refill
  for (int s : {3, 5}) {
    expect_newcomer_name(table.p(s).caption);
    // The whole pool, less the ante of the final table.
    EXPECT_EQ(table.p(s).prize, 990'000 - 10) << "seat " << s;
  }
  EXPECT_EQ(table.pot, 70);  // seven antes, no blinds
}

TEST(Field, AtTheFinalTableABrokeSeatIsRetired) {
  ScriptedTable t(1);
  t.load();
  ASSERT_TRUE(deal_next_hand(t, [](Table& table) {
    table.playersout = 993;
    full_stacks(table);
    table.p(4).prize = 0;
  }));
  const Table& table = t.table;
  EXPECT_EQ(table.playersout, 994);
  EXPECT_FALSE(table.p(4).Active);
  EXPECT_FALSE(t.screen.visible(Label16));
  for (int c = 0; c < 7; ++c) EXPECT_FALSE(t.screen.visible(Image1(21 + c)));
  EXPECT_EQ(table.pot, 60);                        // six antes
  EXPECT_EQ(table.p(4).caption, "bad beat luck");  // nobody new sits down
  // A seat that stays broke is counted out again at every deal.
  ASSERT_TRUE(deal_next_hand(t, [](Table& tb) {
    for (int s : {1, 2, 3, 5, 6, 7}) tb.p(s).prize = 1000;
  }));
  EXPECT_EQ(table.playersout, 995);
}

TEST(Field, TheFinalTableEndsTheSitOutForGood) {
  ScriptedTable t(1);
  t.load();
  Table& table = t.table;
  table.click(Command3);
  ASSERT_TRUE(deal_next_hand(t, [](Table& tb) {
    tb.playersout = 980;
    full_stacks(tb);
  }));
  ASSERT_TRUE(table.p(1).sittingout);
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
