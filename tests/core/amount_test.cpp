// The amount box: what Bet It stakes for any text typed into it.
#include "betting/amount.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/table_script.h"

namespace tarvix {
namespace {

const std::string forty_digits = "1234567890123456789012345678901234567890";
const std::string non_ascii = "\xc3\xa9\xe2\x82\xac";  // e acute, euro sign

TEST(AmountText, IsNeverANumberThatCannotBeCompared) {
  EXPECT_NEAR(numeric_value(forty_digits), 1.2345678901234568e39, 1e25);
  EXPECT_GE(numeric_value("1e999"), 1e300);
  EXPECT_FALSE(std::isnan(numeric_value("0e999")));
}

TEST(BetIt, StakesTheCallPlusTheRoundedAmountCutToTheStack) {
  struct Case {
    std::string text;
    Chips prize, stake;  // -1: refused, the turn stays open
  };
  // The human owes 20 on third street, with the Raise at 40: the box must
  // hold 40 at least.
  const Case cases[] = {
      {"", 1000, -1},        {"abc", 1000, -1},
      {"-50", 1000, -1},     {non_ascii, 1000, -1},
      {"12abc", 1000, -1},   {"39.9", 1000, -1},
      {".", 1000, -1},       {"-", 1000, -1},
      {"1e-999", 1000, -1},  {" 60 ", 1000, 80},
      {"40.5", 1000, 60},    {"41.5", 1000, 62},  // halves to even
      {"1e999", 1000, 1000}, {forty_digits, 1000, 1000},
      {"100", 50, 50},       {"50abc", 1000, 20},  // accepted, but no number: only calls
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("'" + c.text + "'");
    testing::ScriptedTable t(1);
    t.load();
    t.table.p(1).prize = c.prize;
    testing::settle_books(t.table);
    ASSERT_TRUE(t.run_to_human_turn());
    t.table.type_amount(c.text);
    t.table.click(Command11);
    if (c.stake < 0) {
      EXPECT_TRUE(t.human_turn_open());
      EXPECT_EQ(t.table.pot, 30);
      // The turn is still the human's, and taking it works.
      t.table.type_amount("40");
      t.table.click(Command11);
      EXPECT_EQ(t.table.p(1).prize, c.prize - 60);
    } else {
      EXPECT_FALSE(t.human_turn_open());
      EXPECT_EQ(t.table.p(1).prize, c.prize - c.stake);
      EXPECT_EQ(t.table.p(1).allin, c.stake == c.prize);
    }
  }
}

}  // namespace
}  // namespace tarvix
