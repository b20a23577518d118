// The letter keys play the bet panel exactly as clicks on its buttons would.
#include <gtest/gtest.h>

#include "support/scripted_table.h"

namespace tarvix::testing {
namespace {

struct KeyboardPlay : ::testing::Test {
  void SetUp() override {
    t.load();
    ASSERT_TRUE(t.run_to_human_turn());
  }
  ScriptedTable t{11};
};

TEST_F(KeyboardPlay, KeysActAsClicksOnTheirButtons) {
  // The same seed played by a click and by its key ends in the same state;
  // the key of the hidden one of Call and Check does nothing.
  ScriptedTable clicked{11};
  clicked.load();
  ASSERT_TRUE(clicked.run_to_human_turn());
  const bool can_check = t.screen.visible(Command7);
  const Chips pot = t.table.pot;
  t.table.press_key(can_check ? Key::call : Key::check);
  EXPECT_TRUE(t.human_turn_open());
  EXPECT_EQ(t.table.pot, pot);
  t.table.press_key(can_check ? Key::check : Key::call);
  clicked.table.click(can_check ? Command7 : Command5);
  EXPECT_EQ(t.table.p(human).prize, clicked.table.p(human).prize);
  EXPECT_EQ(t.table.pot, clicked.table.pot);
  EXPECT_EQ(t.table.loop.focus(), clicked.table.loop.focus());
  EXPECT_FALSE(t.human_turn_open());
}

TEST_F(KeyboardPlay, RaiseAndFoldKeys) {
  const Chips before = t.table.p(human).prize;
  const Chips raise = t.table.amount_to_call() + 2 * t.table.limits;
  t.table.press_key(Key::raise);
  EXPECT_EQ(t.table.p(human).prize, before - std::min(raise, before));
  ASSERT_TRUE(t.run_to_human_turn());
  t.table.press_key(Key::fold);
  EXPECT_TRUE(t.table.p(human).fold);
}

TEST_F(KeyboardPlay, LettersGoToTheAmountBoxWhileItHoldsTheKeyboard) {
  t.table.press_key(Key::bet_box);
  EXPECT_EQ(t.table.loop.focus(), Text2);
  const Chips pot = t.table.pot;
  t.table.press_key(Key::fold);
  t.table.press_key(Key::raise);
  EXPECT_FALSE(t.table.p(human).fold);
  EXPECT_EQ(t.table.pot, pot);
  // Enter in the box bets what it holds.
  t.table.type_amount(std::to_string(t.table.amount_to_call() + 2 * t.table.limits));
  t.table.press_key(Key::enter);
  EXPECT_FALSE(t.human_turn_open());
  EXPECT_LT(t.table.p(human).prize, 1000);

  // Out of the box again (Escape, Tab), after a refused amount, the letters play.
  ASSERT_TRUE(t.run_to_human_turn());
  t.table.press_key(Key::bet_box);
  t.table.type_amount("1");
  t.table.press_key(Key::enter);
  t.table.press_key(Key::leave_box);
  t.table.press_key(Key::fold);
  EXPECT_TRUE(t.table.p(human).fold);
}

TEST(KeyboardOutsideTheTurn, OnlyTheWinnerKeysAnswerWhenThePanelIsHidden) {
  ScriptedTable t{5};
  t.load();
  ASSERT_FALSE(t.human_turn_open());
  const Chips pot = t.table.pot;
  for (Key key : {Key::call, Key::check, Key::raise, Key::fold, Key::bet_box})
    t.table.press_key(key);
  EXPECT_EQ(t.table.pot, pot);
  EXPECT_FALSE(t.table.p(human).fold);
  EXPECT_NE(t.table.loop.focus(), Text2);
  // F10 shows the winner and F9 hides it again.
  t.table.press_key(Key::f10);
  EXPECT_TRUE(t.screen.visible(winnerlabel));
  t.table.press_key(Key::f9);
  EXPECT_FALSE(t.screen.visible(winnerlabel));
}

}  // namespace
}  // namespace tarvix::testing
