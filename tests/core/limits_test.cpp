// The limits clock: a rise on every 299th tick of the turn timer, shown one
// tick late, and a ladder that climbs to its top and stays there.
#include <gtest/gtest.h>

#include <vector>

#include "support/scripted_table.h"

namespace tarvix {
namespace {

using testing::ScriptedTable;

TEST(LimitsClock, TheFirstRiseComesOnThe299thTickAndShowsOneTickLate) {
  ScriptedTable t(3);
  t.load();
  EXPECT_EQ(t.screen.caption(limitsdisplay), "Limits    10  -   20");
  // Plays on, the human checking or folding, until the clock has ticked.
  auto next_clock_tick = [&t] {
    const int count = t.table.limittimersetting;
    while (t.table.limittimersetting == count && !t.table.ended()) {
      if (t.human_turn_open())
        t.table.click(t.screen.visible(Command7) ? Command7 : Command8);
      else
        t.step();
    }
  };
  for (int tick = 1; tick < 299; ++tick) next_clock_tick();
  ASSERT_EQ(t.table.limittimersetting, 2);
  ASSERT_EQ(t.table.limits, 10);
  next_clock_tick();
  EXPECT_EQ(t.table.limits, 25);
  EXPECT_EQ(t.table.limittimersetting, 300);
  EXPECT_EQ(t.screen.caption(Label24), "Limits Are Going Up");
  EXPECT_EQ(t.screen.caption(limitsdisplay), "Limits    10  -   20");
  next_clock_tick();
  EXPECT_EQ(t.screen.caption(limitsdisplay), "Limits    25  -   50");
}

TEST(LimitsClock, ClimbsTwelveStepsToItsTopAndStaysThere) {
  ScriptedTable t;
  std::vector<LimitsRaised> rises;
  t.game.listen([&rises](const GameEvent& e) {
    if (const auto* rise = std::get_if<LimitsRaised>(&e)) rises.push_back(*rise);
  });
  for (int tick = 0; tick < 20; ++tick) {
    t.table.limittimersetting = 2;
    t.table.limits_clock();
  }
  ASSERT_EQ(rises.size(), 12u);
  Chips before = first_limits;
  for (std::size_t i = 0; i < rises.size(); ++i) {
    EXPECT_EQ(rises[i].level, static_cast<int>(i) + 2);
    EXPECT_GT(rises[i].limits, before);
    before = rises[i].limits;
  }
  EXPECT_EQ(t.table.limits, 100000);
}

}  // namespace
}  // namespace tarvix
