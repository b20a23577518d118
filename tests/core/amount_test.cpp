// The amount box: what Bet It stakes for any text typed into it.
#include "betting/amount.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/table_script.h"

namespace tarvix {
namespace {

const std::string forty_digits = "1234567890123456789012345678901234567890";
const std::string non_ascii = "\xc3\xa9\xe2\x82\xac";  // e acute, euro sign

TEST(BetIt, StakesTheCallPlusTheRoundedAmountCutToTheStackAndSaysWhyItRefuses) {
  constexpr Chips refused = -1;  // the turn stays open
  constexpr auto none = Refusal::no_number, small = Refusal::too_small;
  struct Case {
    std::string text;
    Chips prize, stake;
    Refusal why = none;  // of a refusal
  };
  // The human owes 20 on third street, with the Raise at 40: the box must
  // hold 40 at least.
  const Case cases[] = {
      {"", 1000, refused, none},
      {"abc", 1000, refused, none},
      {"-50", 1000, refused, small},
      {non_ascii, 1000, refused, none},
      {"12abc", 1000, refused, small},
      {"39.9", 1000, refused, small},
      {".", 1000, refused, none},
      {"-", 1000, refused, none},
      {"1e-999", 1000, refused, small},
      {"0e999", 1000, refused, small},  // zero, not a number that compares with nothing
      {" 60 ", 1000, 80},
      {"40.5", 1000, 60},
      {"41.5", 1000, 62},  // halves to even
      {"1e999", 1000, 1000},
      {forty_digits, 1000, 1000},
      {"100", 50, 50},
      {"50abc", 1000, 20},  // accepted, but no number: only calls
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("'" + c.text + "'");
    testing::ScriptedTable t(1);
    t.load();
    t.table.p(1).prize = c.prize;
    testing::settle_books(t.table);
    ASSERT_TRUE(t.run_to_human_turn());
    std::vector<GameEvent> told;
    t.game.listen([&told](const GameEvent& e) { told.push_back(e); });
    t.table.type_amount(c.text);
    // What the panel shows while the player types is what the click does.
    const BetItStake before = t.game.bet_it_stake();
    t.table.click(Command11);
    EXPECT_EQ(before.least, 40);
    EXPECT_EQ(before.call, 20);
    if (c.stake == refused) {
      EXPECT_EQ(before.refused, c.why);
      ASSERT_FALSE(told.empty());
      const auto* refusal = std::get_if<AmountRefused>(&told.front());
      ASSERT_NE(refusal, nullptr);
      EXPECT_EQ(refusal->why, c.why);
      EXPECT_TRUE(t.human_turn_open());
      EXPECT_EQ(t.table.pot, 30);
      // The turn is still the human's, and taking it works.
      t.table.type_amount("40");
      t.table.click(Command11);
      EXPECT_EQ(t.table.p(1).prize, c.prize - 60);
    } else {
      EXPECT_FALSE(before.refused);
      EXPECT_EQ(before.total, c.stake);
      EXPECT_FALSE(t.human_turn_open());
      EXPECT_EQ(t.table.p(1).prize, c.prize - c.stake);
      EXPECT_EQ(t.table.p(1).allin, c.stake == c.prize);
      // A raise by the box says so, with the part that called.
      const auto said = std::find_if(told.begin(), told.end(), [](const GameEvent& e) {
        return std::holds_alternative<SeatAction>(e);
      });
      ASSERT_NE(said, told.end());
      const auto& action = std::get<SeatAction>(*said);
      const bool raised = action.kind == ActionKind::raise;
      EXPECT_EQ(raised, c.stake > 20);
      if (raised) {
        EXPECT_EQ(action.sizing, Sizing::typed);
        EXPECT_EQ(action.called, 20);
      }
    }
  }
}

}  // namespace
}  // namespace tarvix
