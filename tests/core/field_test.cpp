// The field of 1000 players: eliminations elsewhere, newcomers at the
// human's table, the forming of the final table and the retired seats.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>
#include <vector>

#include "model/text.h"
#include "support/table_script.h"

namespace tarvix {
namespace {

using testing::deal_next_hand;
using testing::ScriptedTable;

const std::set<std::string> fragments = {"poker",  "heart",  "boulder",    "blonde",     "chips",
                                         "bad",    "zzzzzz", "texas",      "freak",      "mad",
                                         "luck",   "loving", "player",     "sloppy",     "winner",
                                         "kid",    "bang",   "river",      "riverbelle", "charming",
                                         "tarvix", "_",      "california", "south",      "smiling"};

std::vector<std::string> words(const std::string& name) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(name);
  while (std::getline(in, part, ' ')) parts.push_back(part);
  return parts;
}

void expect_newcomer_name(const std::string& name) {
  const std::vector<std::string> parts = words(name);
  ASSERT_EQ(parts.size(), 3u) << "'" << name << "'";
  for (const std::string& part : parts) EXPECT_TRUE(fragments.count(part)) << "'" << part << "'";
}

TEST(Field, ThreeToSevenGoElsewhereEachDealBelowNineHundred) {
  ScriptedTable t(8);
  std::set<int> seen;
  for (int deal = 0; deal < 200; ++deal) {
    t.table.playersout = 100;
    t.table.outchips = 100'000;
    t.table.advance_tournament();
    const int k = t.table.playersout - 100;
    ASSERT_GE(k, 3);
    ASSERT_LE(k, 7);
    EXPECT_EQ(t.table.outchips, 100'000 + 1000 * k);
    seen.insert(k);
  }
  EXPECT_EQ(seen.size(), 5u);
}

TEST(Field, FromNineHundredOnOneGoesEachDeal) {
  ScriptedTable t(8);
  t.table.playersout = 899;
  t.table.outchips = 899'000;
  t.table.advance_tournament();
  const int reached = t.table.playersout;
  ASSERT_GE(reached, 902);
  for (int deal = 1; deal <= 5; ++deal) {
    t.table.advance_tournament();
    EXPECT_EQ(t.table.playersout, reached + deal);
  }
}

TEST(Field, ANewcomersStackIsThePoolSharedOut) {
  ScriptedTable t(8);
  for (int deal = 0; deal < 50; ++deal) {
    t.table.playersout = 0;
    t.table.outchips = 0;
    const Chips stack = t.table.advance_tournament();
    const int k = t.table.playersout;
    // 3000 / 1 = 3000, 4000 / 2, 5000 / 3 = 1666.7, 6000 / 4, 7000 / 5 = 1400
    const Chips expected[] = {3000, 2000, 1667, 1500, 1400};
    EXPECT_EQ(stack, expected[k - 3]) << "k " << k;
  }
}

TEST(Field, TheSecondDealCountsThePlayersLeft) {
  ScriptedTable t(1);
  t.load();
  EXPECT_FALSE(t.screen.visible(Label2));
  ASSERT_TRUE(deal_next_hand(t));
  const int out = t.table.playersout;
  ASSERT_GE(out, 3);
  ASSERT_LE(out, 7);
  EXPECT_TRUE(t.screen.visible(Label2));
  EXPECT_EQ(t.screen.caption(Label2),
            "Players  " + std::to_string(1000 - out) + " Remaining in the Tournament");
}

TEST(Field, ThreeOutReadsNineHundredNinetySeven) {
  // Some seed's second deal takes three players out elsewhere.
  for (std::uint64_t seed = 1; seed < 100; ++seed) {
    ScriptedTable t(seed);
    t.load();
    ASSERT_TRUE(deal_next_hand(t));
    if (t.table.playersout != 3) continue;
    EXPECT_EQ(t.screen.caption(Label2), "Players  997 Remaining in the Tournament");
    return;
  }
  FAIL() << "no seed took three players out";
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
  const Table& table = t.table;
  const int out = table.playersout;
  ASSERT_GE(out, 403);
  const Chips expected_stack = static_cast<Chips>(std::nearbyint(1000.0 * out / (out - 2)));
  for (int s : {3, 6}) {
    SCOPED_TRACE("seat " + std::to_string(s));
    expect_newcomer_name(table.p(s).caption);
    EXPECT_EQ(t.screen.caption(name_label(s)), table.p(s).caption);
    EXPECT_EQ(table.p(s).prize + table.p(s).totalbet, expected_stack);
  }
  EXPECT_EQ(t.screen.caption(Label24), "Please Wait Arranging Tables");
  EXPECT_TRUE(t.screen.visible(Label24));
}

TEST(Field, TheFinalTableIsFormedAtNineHundredNinety) {
  ScriptedTable t(1);
  t.load();
  ASSERT_TRUE(deal_next_hand(t, [](Table& table) {
    table.playersout = 989;
    table.outchips = 989'000;
    for (int s = 1; s <= seats; ++s) table.p(s).prize = 1000;
    table.p(3).prize = 0;
    table.p(5).prize = 0;
  }));
  const Table& table = t.table;
  EXPECT_EQ(t.screen.caption(Label2), "Players  10 Remaining in the Tournament");
  EXPECT_EQ(table.outchips, 990'000);
  EXPECT_EQ(table.playersout, 992);  // one more for each refill
  for (int s : {3, 5}) {
    SCOPED_TRACE("seat " + std::to_string(s));
    expect_newcomer_name(table.p(s).caption);
    EXPECT_TRUE(table.p(s).Active);
    // The whole pool, less the ante of the final table.
    EXPECT_EQ(table.p(s).prize, 990'000 - 10);
  }
  EXPECT_EQ(t.screen.caption(Label24), "Please Wait Arranging Tables");
  EXPECT_EQ(table.pot, 70);  // seven antes, no blinds
}

TEST(Field, AtNineHundredNinetyWithNobodyBrokeNothingChanges) {
  ScriptedTable t(1);
  t.load();
  for (int deal = 0; deal < 3; ++deal) {
    ASSERT_TRUE(deal_next_hand(t, [](Table& table) {
      if (table.playersout < 990) table.playersout = 990;
      for (int s = 1; s <= seats; ++s) table.p(s).prize = 1000;
      table.renumber_from_dealer(1);  // the human is on neither blind
    }));
    EXPECT_EQ(t.table.playersout, 990);
    EXPECT_EQ(t.table.pot, 30);  // blinds, no ante
  }
}

TEST(Field, AtTheFinalTableABrokeSeatIsRetired) {
  ScriptedTable t(1);
  t.load();
  ASSERT_TRUE(deal_next_hand(t, [](Table& table) {
    table.playersout = 993;
    for (int s = 1; s <= seats; ++s) table.p(s).prize = 1000;
    table.p(4).prize = 0;
  }));
  const Table& table = t.table;
  EXPECT_EQ(table.playersout, 994);
  EXPECT_FALSE(table.p(4).Active);
  EXPECT_TRUE(table.p(4).sittingout);
  EXPECT_FALSE(t.screen.visible(Label6));
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
  ASSERT_EQ(table.sitter, 1);
  ASSERT_TRUE(deal_next_hand(t, [](Table& tb) {
    tb.playersout = 980;
    for (int s = 1; s <= seats; ++s) tb.p(s).prize = 1000;
  }));
  ASSERT_TRUE(table.p(1).sittingout);

  ASSERT_TRUE(deal_next_hand(t, [](Table& tb) {
    tb.playersout = 989;
    for (int s = 1; s <= seats; ++s) tb.p(s).prize = 1000;
  }));
  EXPECT_EQ(table.playersout, 990);
  EXPECT_FALSE(table.p(1).sittingout);
  EXPECT_EQ(table.sitter, 0);
  for (int c = 0; c < 3; ++c) EXPECT_TRUE(t.screen.visible(Image1(c)));
  // Sit Out no longer answers, and the human plays the next hands.
  table.click(Command3);
  EXPECT_EQ(table.sitter, 0);
  ASSERT_TRUE(deal_next_hand(t, [](Table& tb) {
    for (int s = 1; s <= seats; ++s) tb.p(s).prize = 1000;
  }));
  EXPECT_FALSE(table.p(1).sittingout);
  EXPECT_TRUE(t.run_to_human_turn());
}

TEST(Field, SitOutTwiceBeforeTheNextHandStillAsksToSitOut) {
  ScriptedTable t(1);
  t.load();
  t.table.click(Command3);
  t.table.click(Command3);
  EXPECT_EQ(t.table.sitter, 1);
  EXPECT_EQ(t.screen.at(Command3).back, 0xFFu);
}

}  // namespace
}  // namespace tarvix
