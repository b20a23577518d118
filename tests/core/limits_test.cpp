// The limits clock: a rise on every 299th tick of the turn timer, the
// ladder of values, and the time it does not count.
#include <gtest/gtest.h>

#include "support/table_script.h"

namespace tarvix {
namespace {

using testing::ScriptedTable;

// Plays on, the human checking or folding, until the clock has ticked once.
void next_clock_tick(ScriptedTable& t) {
  const int count = t.table.limittimersetting;
  while (t.table.limittimersetting == count) {
    ASSERT_FALSE(t.table.ended());
    if (t.human_turn_open())
      t.table.click(t.screen.visible(Command7) ? Command7 : Command8);
    else
      ASSERT_TRUE(t.step());
  }
}

TEST(LimitsClock, TheFirstRiseComesOnThe299thTickAndShowsOneTickLate) {
  ScriptedTable t(3);
  t.load();
  EXPECT_EQ(t.screen.caption(limitsdisplay), "Limits    10  -   20");
  EXPECT_EQ(t.screen.caption(limitslabel), "Limits Go Up in Every 10 mins");
  for (int tick = 1; tick < 299; ++tick) {
    next_clock_tick(t);
    ASSERT_EQ(t.table.limittimersetting, 300 - tick);
    ASSERT_EQ(t.table.limits, 10) << "tick " << tick;
  }
  next_clock_tick(t);
  EXPECT_EQ(t.table.limits, 25);
  EXPECT_EQ(t.table.limittimersetting, 300);
  EXPECT_EQ(t.screen.caption(Label24), "Limits Are Going Up");
  EXPECT_EQ(t.screen.caption(limitsdisplay), "Limits    10  -   20");
  next_clock_tick(t);
  EXPECT_EQ(t.screen.caption(limitsdisplay), "Limits    25  -   50");
}

TEST(LimitsClock, ClimbsTheLadder) {
  struct Rise {
    Chips before, after;
    bool announced;
  };
  const Rise ladder[] = {
      {10, 25, true},          {25, 50, true},       {50, 100, true},      {100, 500, true},
      {500, 1000, true},       {1000, 2000, true},   {2000, 5000, true},   {5000, 10000, true},
      {10000, 20000, true},    {20000, 25000, true}, {25000, 50000, true}, {50000, 100000, false},
      {100000, 100000, false},
  };
  for (const Rise& r : ladder) {
    SCOPED_TRACE("from " + std::to_string(r.before));
    ScriptedTable t(1);
    t.load();
    t.table.limits = r.before;
    t.table.level = 5;
    t.table.limittimersetting = 2;
    t.screen.set_visible(Label24, false);
    ASSERT_TRUE(t.step());
    EXPECT_EQ(t.table.limits, r.after);
    EXPECT_EQ(t.table.level, r.before == r.after ? 5 : 6);
    EXPECT_EQ(t.screen.visible(Label24), r.announced);
  }
}

TEST(LimitsClock, ARiseInTheMiddleOfAHandSizesTheNextBet) {
  ScriptedTable t(1);
  t.load();
  t.table.limittimersetting = 2;
  // The tick that opens the human's turn also raises the limits.
  ASSERT_TRUE(t.run_to_human_turn());
  ASSERT_EQ(t.table.limits, 25);
  t.table.click(Command6);
  EXPECT_EQ(t.table.p(1).bet, 20 + 50);
}

TEST(LimitsClock, TheHumansThinkingTimeIsNotCounted) {
  ScriptedTable t(1);
  t.load();
  ASSERT_TRUE(t.run_to_human_turn());
  const int count = t.table.limittimersetting;
  t.wait(3'600'000);
  EXPECT_TRUE(t.human_turn_open());
  EXPECT_EQ(t.table.limittimersetting, count);
  // The count goes on from where it stopped once the human has acted.
  t.table.click(Command5);
  t.wait(2000);
  EXPECT_EQ(t.table.limittimersetting, count - 1);
}

}  // namespace
}  // namespace tarvix
