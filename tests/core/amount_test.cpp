// The amount box: what any text is worth, and what Bet It stakes for it.
#include "betting/amount.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/table_script.h"

namespace tarvix {
namespace {

const std::string forty_digits = "1234567890123456789012345678901234567890";
const std::string non_ascii = "\xc3\xa9\xe2\x82\xac";  // e acute, euro sign

TEST(AmountText, ValueIsThatOfTheLeadingNumber) {
  EXPECT_EQ(numeric_value(""), 0);
  EXPECT_EQ(numeric_value("abc"), 0);
  EXPECT_EQ(numeric_value("-50"), -50);
  EXPECT_EQ(numeric_value("40.5"), 40.5);
  EXPECT_EQ(numeric_value(" 60 "), 60);
  EXPECT_EQ(numeric_value("12abc"), 12);
  EXPECT_EQ(numeric_value(non_ascii), 0);
  EXPECT_EQ(numeric_value("."), 0);
  EXPECT_NEAR(numeric_value(forty_digits), 1.2345678901234568e39, 1e25);
  // Far past any stack, and never a NaN.
  EXPECT_GE(numeric_value("1e999"), 1e300);
  EXPECT_FALSE(std::isnan(numeric_value("1e999")));
  EXPECT_EQ(numeric_value("1e-999"), 0);
  EXPECT_FALSE(std::isnan(numeric_value("0e999")));
}

TEST(AmountText, NumericOnlyWhenTheWholeTextIsANumber) {
  for (const std::string& text : {std::string("-50"), std::string("40.5"), std::string("1e999"),
                                  forty_digits, std::string(" 60 "), std::string("0")})
    EXPECT_TRUE(is_numeric(text)) << "'" << text << "'";
  for (const std::string& text : {std::string(""), std::string("abc"), non_ascii,
                                  std::string("12abc"), std::string("."), std::string("-")})
    EXPECT_FALSE(is_numeric(text)) << "'" << text << "'";
}

// The human's turn on third street, owing 20 with the Raise at 40.
struct BetIt : ::testing::Test {
  BetIt() {
    t.load();
    EXPECT_TRUE(t.run_to_human_turn());
  }
  // Types the text and presses Bet It; the stake made, or -1 if refused.
  Chips bet_it(const std::string& text) {
    const Chips before = t.table.p(1).prize;
    t.table.type_amount(text);
    t.table.click(Command11);
    EXPECT_LE(t.table.p(1).bet, before);
    EXPECT_GE(t.table.p(1).prize, 0);
    return t.human_turn_open() ? -1 : before - t.table.p(1).prize;
  }
  testing::ScriptedTable t{1};
};

TEST_F(BetIt, RefusesTextsWorthLessThanTheRaise) {
  for (const std::string& text : {std::string(""), std::string("abc"), std::string("-50"),
                                  non_ascii, std::string("12abc"), std::string("39.9")}) {
    EXPECT_EQ(bet_it(text), -1) << "'" << text << "'";
    EXPECT_EQ(t.table.pot, 30);
  }
}

TEST_F(BetIt, AddsTheRoundedAmountToTheCall) { EXPECT_EQ(bet_it(" 60 "), 80); }

TEST_F(BetIt, HalvesRoundToEven) { EXPECT_EQ(bet_it("41.5"), 62); }

TEST_F(BetIt, AHugeNumberIsCutToTheStack) {
  EXPECT_EQ(bet_it("1e999"), 1000);
  EXPECT_TRUE(t.table.p(1).allin);
  EXPECT_EQ(t.screen.caption(Label13), "All in");
}

TEST_F(BetIt, FortyDigitsAreCutToTheStack) { EXPECT_EQ(bet_it(forty_digits), 1000); }

TEST_F(BetIt, AnAcceptedTextThatIsNoNumberOnlyCalls) { EXPECT_EQ(bet_it("50abc"), 20); }

TEST_F(BetIt, AShortStackGoesAllIn) {
  t.table.p(1).prize = 50;
  testing::settle_books(t.table);
  EXPECT_EQ(bet_it("100"), 50);
  EXPECT_EQ(t.table.p(1).prize, 0);
}

}  // namespace
}  // namespace tarvix
