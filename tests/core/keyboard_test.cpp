// The letter keys play the bet panel exactly as clicks on its buttons would,
// and only while the panel waits and the amount box does not hold the keys.
#include <gtest/gtest.h>

#include <tuple>

#include "support/scripted_table.h"

namespace tarvix::testing {
namespace {

auto outcome(const ScriptedTable& t) {
  const player& me = t.table.p(human);
  return std::make_tuple(t.table.pot, me.prize, me.fold, t.table.raiser, t.human_turn_open());
}

TEST(Keyboard, EachLetterPlaysItsButtonAndTheHiddenOnesNothing) {
  const std::pair<Key, Element> letters[] = {
      {Key::call, Command5}, {Key::check, Command7}, {Key::raise, Command6}, {Key::fold, Command8}};
  for (const auto& [key, button] : letters) {
    ScriptedTable keyed{11}, clicked{11};
    for (ScriptedTable* t : {&keyed, &clicked}) {
      t->load();
      ASSERT_TRUE(t->run_to_human_turn());
    }
    keyed.table.press_key(key);
    clicked.table.click(button);
    EXPECT_EQ(outcome(keyed), outcome(clicked)) << element_name(button);
  }
}

TEST(Keyboard, LettersGoToTheAmountBoxWhileItHoldsTheKeys) {
  ScriptedTable t{11};
  t.load();
  ASSERT_TRUE(t.run_to_human_turn());
  t.table.press_key(Key::bet_box);
  EXPECT_EQ(t.table.loop.focus(), Text2);
  const auto before = outcome(t);
  for (Key key : {Key::call, Key::check, Key::raise, Key::fold}) t.table.press_key(key);
  EXPECT_EQ(outcome(t), before);
  // Enter in the box bets what it holds.
  t.table.type_amount(std::to_string(t.table.amount_to_call() + 2 * t.table.limits));
  t.table.press_key(Key::enter);
  EXPECT_FALSE(t.human_turn_open());
  EXPECT_TRUE(t.table.raiser);

  // Out of the box again (Escape, Tab), after a refused amount, the letters play.
  ASSERT_TRUE(t.run_to_human_turn());
  t.table.press_key(Key::bet_box);
  t.table.type_amount("1");
  t.table.press_key(Key::enter);
  t.table.press_key(Key::leave_box);
  t.table.press_key(Key::fold);
  EXPECT_TRUE(t.table.p(human).fold);
}

TEST(Keyboard, OutsideTheTurnOnlyTheWinnerKeysAnswer) {
  ScriptedTable t{5};
  t.load();
  ASSERT_FALSE(t.human_turn_open());
  const auto before = outcome(t);
  for (Key key : {Key::call, Key::check, Key::raise, Key::fold, Key::bet_box})
    t.table.press_key(key);
  EXPECT_EQ(outcome(t), before);
  EXPECT_NE(t.table.loop.focus(), Text2);
  t.table.press_key(Key::f10);
  EXPECT_TRUE(t.screen.visible(winnerlabel));
  t.table.press_key(Key::f9);
  EXPECT_FALSE(t.screen.visible(winnerlabel));
}

}  // namespace
}  // namespace tarvix::testing
