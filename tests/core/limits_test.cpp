// The limits clock: a rise on every 299th tick of the turn timer, the
// ladder of values, and the time it does not count.
#include <gtest/gtest.h>

#include "model/text.h"
#include "support/table_script.h"

namespace tarvix {
namespace {

using testing::ScriptedTable;

std::string display_for(Chips limits) {
  return "Limits   " + number_text(limits) + "  -  " + number_text(2 * limits);
}

TEST(LimitsClock, TheFirstRiseComesOnThe299thTickAndShowsOneTickLate) {
  ScriptedTable t(3);
  t.load();
  Table& table = t.table;
  EXPECT_EQ(t.screen.caption(limitsdisplay), "Limits    10  -   20");
  EXPECT_EQ(t.screen.caption(limitslabel), "Limits Go Up in Every 10 mins");
  int ticks = 0;
  while (ticks < 299) {
    ASSERT_FALSE(table.ended());
    const int count = table.limittimersetting;
    if (t.human_turn_open()) {
      table.click(t.screen.visible(Command7) ? Command7 : Command8);
      continue;
    }
    ASSERT_TRUE(t.step());
    if (table.limittimersetting == count) continue;
    ++ticks;
    if (ticks < 299) {
      ASSERT_EQ(table.limittimersetting, 300 - ticks);
      ASSERT_EQ(table.limits, 10) << "tick " << ticks;
    }
  }
  EXPECT_EQ(table.limits, 25);
  EXPECT_EQ(table.level, 2);
  EXPECT_EQ(table.limittimersetting, 300);
  EXPECT_TRUE(t.screen.visible(Label24));
  EXPECT_EQ(t.screen.caption(Label24), "Limits Are Going Up");
  EXPECT_EQ(t.screen.caption(limitsdisplay), display_for(10));

  // The new value shows from the next tick on.
  table.p(1).fold = true;  // so that the next tick does not wait for the human
  while (table.limittimersetting == 300) {
    if (t.human_turn_open())
      table.click(t.screen.visible(Command7) ? Command7 : Command8);
    else
      ASSERT_TRUE(t.step());
  }
  EXPECT_EQ(t.screen.caption(limitsdisplay), display_for(25));
}

// One rise from `limits` at the next tick.
struct Rise {
  Chips before, after;
  bool announced;
};

void expect_rise(const Rise& r) {
  SCOPED_TRACE("from " + std::to_string(r.before));
  ScriptedTable t(1);
  t.load();
  Table& table = t.table;
  table.limits = r.before;
  table.level = 5;
  table.limittimersetting = 2;
  t.screen.set_visible(Label24, false);
  ASSERT_TRUE(t.step());
  EXPECT_EQ(table.limits, r.after);
  EXPECT_EQ(table.level, r.before == r.after ? 5 : 6);
  EXPECT_EQ(table.limittimersetting, 300);
  EXPECT_EQ(t.screen.visible(Label24), r.announced);
}

TEST(LimitsClock, ClimbsTheLadder) {
  const Rise ladder[] = {
      {10, 25, true},          {25, 50, true},       {50, 100, true},      {100, 500, true},
      {500, 1000, true},       {1000, 2000, true},   {2000, 5000, true},   {5000, 10000, true},
      {10000, 20000, true},    {20000, 25000, true}, {25000, 50000, true}, {50000, 100000, false},
      {100000, 100000, false},
  };
  for (const Rise& r : ladder) expect_rise(r);
}

TEST(LimitsClock, ARiseInTheMiddleOfAHandSizesTheNextBet) {
  ScriptedTable t(1);
  t.load();
  Table& table = t.table;
  table.limittimersetting = 2;
  // The tick that opens the human's turn also raises the limits.
  ASSERT_TRUE(t.run_to_human_turn());
  ASSERT_EQ(table.limits, 25);
  table.click(Command6);
  EXPECT_EQ(table.p(1).bet, 20 + 50);
}

TEST(LimitsClock, TheHumansThinkingTimeIsNotCounted) {
  ScriptedTable t(1);
  t.load();
  Table& table = t.table;
  ASSERT_TRUE(t.run_to_human_turn());
  const int count = table.limittimersetting;
  t.wait(3'600'000);
  EXPECT_TRUE(t.human_turn_open());
  EXPECT_EQ(table.limittimersetting, count);
  EXPECT_EQ(table.limits, 10);
  // The count goes on from where it stopped once the human has acted.
  table.click(Command5);
  t.wait(2000);
  EXPECT_EQ(table.limittimersetting, count - 1);
}

}  // namespace
}  // namespace tarvix
