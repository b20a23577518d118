// The house evaluation: descriptions through the first two cards, flushes by
// suit alone, one rank or suit per hand value, and the coarse ranking.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "evaluation/detectors.h"
#include "support/scripted_table.h"

namespace tarvix {
namespace {

using procedures::CardTexts;

std::string joined(const CardTexts& cards) {
  std::string text;
  for (const std::string& card : cards) text += card + " ";
  return text;
}

using Detector = std::string (*)(const CardTexts&);

TEST(Detectors, DescribeHandsThroughTheFirstTwoCardsAndFlushesBySuit) {
  const Detector top = procedures::evaluate_top, kinds = procedures::evaluate_kinds,
                 straight = procedures::evaluate_straight, flush = procedures::evaluate_flush;
  const struct {
    Detector detector;
    CardTexts cards;
    const char* expected;
  } cases[] = {
      {top, {"4d", "Kc", "2h", "7s", "9c", "Jd", "3h"}, "Top K"},
      {top, {"10h", "9c", "2h", "7s", "3c", "Jd", "4h"}, "Top 10"},
      {top, {"2c", "3d", "As", "Ah", "Kc", "Kd", "Qh"}, "Top 3"},
      {top, {"Ad", "Kd", "2h", "7s", "9c", "Jd", "3h"}, "Top A"},
      {kinds, {"Kc", "4d", "2h", "7s", "9c", "Jd", "3h"}, " "},
      {kinds, {"Kc", "4d", "7h", "7s", "9c", "Jd", "2h"}, " "},  // a pair in later cards only
      {kinds, {"9c", "9d", "2h", "7s", "Kc", "Jd", "3h"}, "Pair 9"},
      {kinds, {"3c", "Jd", "Jh", "7s", "Kc", "9d", "2h"}, "Pair J"},
      {kinds, {"10c", "4d", "10h", "7s", "Kc", "9d", "2h"}, "Pair 10"},
      {kinds, {"9c", "9d", "2h", "9s", "Kc", "Jd", "3h"}, "Three Kind 9"},
      // Two pair names the higher by value, not by text.
      {kinds, {"5c", "Qd", "5h", "Qs", "2c", "8d", "Kh"}, "Two Kind Q"},
      {kinds, {"9d", "10c", "10h", "9s", "2c", "4d", "Kh"}, "Two Kind 10"},
      {kinds, {"Ac", "Kd", "Ah", "Ks", "2c", "8d", "5h"}, "Two Kind A"},
      // Three and three: the second card's rank decides.
      {kinds, {"9c", "Kd", "9h", "Ks", "9s", "Kh", "2c"}, "Three Kind K"},
      {kinds, {"Kd", "9c", "9h", "Ks", "9s", "Kh", "2c"}, "Three Kind 9"},
      {kinds, {"7c", "4d", "7h", "4s", "7s", "2c", "Jd"}, "FullHouse 7"},
      {kinds, {"7c", "4d", "7h", "4s", "4h", "2c", "Jd"}, "FullHouse 4"},
      {kinds, {"7c", "4d", "7h", "Js", "7s", "2c", "Jd"}, "Three Kind 7"},
      {kinds, {"2c", "Kd", "2h", "2s", "2d", "Kh", "5c"}, "Four Kind 2"},
      {kinds, {"5c", "Kd", "5h", "Kh", "Ks", "Kc", "2d"}, "Four Kind K"},
      {kinds, {"Qc", "3d", "Qh", "Qs", "Qd", "8c", "2h"}, "Four Kind Q"},
      {straight, {"Ac", "Kd", "2h", "3s", "4c", "5d", "9h"}, "straight 5"},
      {straight, {"Kc", "Jd", "2h", "3s", "4c", "5d", "6h"}, " "},
      {straight, {"2c", "Kd", "3h", "4s", "5c", "9d", "Jh"}, " "},
      {straight, {"10c", "3d", "Jh", "Qs", "Kc", "Ad", "5h"}, "straight A"},
      {straight, {"9c", "10d", "8h", "Js", "Qc", "Kd", "2h"}, "straight K"},
      {straight, {"Qc", "2d", "8h", "9s", "10c", "Jd", "Kh"}, "straight K"},
      {straight, {"5c", "5d", "6h", "7s", "8c", "9d", "2h"}, "straight 9"},
      // The ace's runs are tested last, so the ace-low run stands over a
      // longer run through the other first card.
      {straight, {"Ac", "6d", "2h", "3s", "4c", "5d", "Kh"}, "straight 5"},
      {flush, {"2h", "5h", "9h", "Jh", "Kh", "Ah", "3c"}, "flush hearts"},
      {flush, {"10c", "2c", "5c", "8c", "Jc", "3d", "4h"}, "flush clubs"},
      {flush, {"Ac", "Kd", "2s", "5s", "7s", "9s", "Js"}, "flush spades"},
      {flush, {"2s", "5s", "7s", "9s", "Jh", "Qh", "Kh"}, " "},
  };
  for (const auto& c : cases) EXPECT_EQ(c.detector(c.cards), c.expected) << joined(c.cards);
}

void hold(Table& table, int s, const CardTexts& cards) {
  for (int c = 1; c <= 7; ++c) table.p(s).cardtext(c) = cards[static_cast<std::size_t>(c - 1)];
}

TEST(HandValue, EverySeatGetsOneRankOrSuitOnTheHundredsScale) {
  struct Case {
    CardTexts cards;
    int handnumber;
    const char* handvalue;
  };
  const Case cases[] = {
      {{"Kc", "4d", "2h", "7s", "9c", "Jd", "3h"}, 112, "Top K"},
      {{"10c", "3d", "5h", "7s", "Kc", "2d", "8h"}, 109, "Top 10"},
      {{"9c", "9d", "2h", "7s", "Kc", "Jd", "3h"}, 208, "Pair 9"},
      {{"5c", "Qd", "5h", "Qs", "2c", "8d", "Kh"}, 311, "Two Kind Q"},
      {{"2c", "2d", "2h", "5s", "7c", "9d", "Jh"}, 401, "Three Kind 2"},
      {{"Ac", "Kd", "2h", "3s", "4c", "5d", "9h"}, 504, "straight 5"},
      {{"7c", "7d", "7h", "8s", "9c", "10d", "Jh"}, 510, "straight J"},
      {{"2c", "3c", "5c", "7c", "9c", "Jd", "Kh"}, 601, "flush clubs"},
      {{"As", "Ks", "Qs", "Js", "9s", "2d", "3h"}, 604, "flush spades"},
      {{"7c", "4d", "7h", "4s", "7s", "2c", "Jd"}, 706, "FullHouse 7"},
      {{"2c", "2d", "2h", "2s", "9c", "Jd", "Kh"}, 801, "Four Kind 2"},
      // Any straight with any flush, even from different cards.
      {{"9c", "2h", "5h", "6h", "7s", "8h", "Kh"}, 908, "straight flush 9"},
      {{"Ad", "3s", "10s", "Js", "Qc", "Ks", "5s"}, 1004, "royal flush spades"},
      {{"Ac", "Kc", "Qc", "Jc", "10c", "2d", "3h"}, 1001, "royal flush clubs"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(joined(c.cards));
    testing::ScriptedTable t;
    for (int s = 1; s <= seats; ++s) hold(t.table, s, c.cards);
    t.table.evaluate_player_cards();
    for (int s = 1; s <= seats; ++s) {
      EXPECT_EQ(t.table.p(s).handnumber, c.handnumber) << "seat " << s;
      EXPECT_EQ(t.table.p(s).handvalue, c.handvalue) << "seat " << s;
    }
    EXPECT_EQ(t.table.numberofwinners, seats);
  }
}

TEST(HandValue, EachSeatIsValuedFromItsOwnCards) {
  testing::ScriptedTable t;
  const std::array<CardTexts, seats> hands = {{
      {"Ac", "Ad", "2h", "7s", "9c", "Jd", "3h"},   // pair of aces
      {"Ah", "As", "Kh", "Ks", "Qc", "Qd", "4h"},   // the same pair, better other cards
      {"Kc", "4d", "2h", "7s", "9c", "Jd", "3h"},   // high card
      {"2c", "3c", "5c", "7c", "9c", "Jd", "Kh"},   // flush
      {"5c", "Qd", "5h", "Qs", "2c", "8d", "Kh"},   // two pair
      {"7c", "4d", "7h", "4s", "7s", "2c", "Jd"},   // full house
      {"10c", "3d", "Jh", "Qs", "Kc", "Ad", "5h"},  // straight
  }};
  for (int s = 1; s <= seats; ++s) hold(t.table, s, hands[static_cast<std::size_t>(s - 1)]);
  t.table.evaluate_player_cards();
  const std::array<int, seats> expected_value = {213, 213, 112, 601, 311, 706, 513};
  const std::array<int, seats> expected_rank = {5, 5, 5, 2, 4, 1, 3};
  for (int s = 1; s <= seats; ++s) {
    EXPECT_EQ(t.table.p(s).handnumber, expected_value[static_cast<std::size_t>(s - 1)]) << s;
    EXPECT_EQ(t.table.p(s).handrank, expected_rank[static_cast<std::size_t>(s - 1)]) << s;
  }
  EXPECT_EQ(t.table.numberofwinners, 1);
}

TEST(Ranking, RanksTheFourBestValuesAndNamesTheLastBestSeat) {
  struct Case {
    std::array<int, seats> values, ranks;
    int winners, labelled_seat;
  };
  const Case cases[] = {
      {{504, 112, 504, 208, 311, 101, 208}, {1, 4, 1, 3, 2, 5, 3}, 2, 3},
      {{101, 202, 303, 404, 505, 606, 707}, {5, 5, 5, 4, 3, 2, 1}, 1, 7},
      {{300, 300, 300, 300, 300, 300, 300}, {1, 1, 1, 1, 1, 1, 1}, 7, 7},
      {{300, 200, 300, 200, 300, 200, 200}, {1, 2, 1, 2, 1, 2, 2}, 3, 5},
      {{913, 101, 101, 102, 103, 104, 105}, {1, 5, 5, 5, 4, 3, 2}, 1, 1},
      // 0 is always a candidate: unvalued seats take its rank.
      {{500, 400, 0, 0, 0, 0, 0}, {1, 2, 3, 3, 3, 3, 3}, 1, 1},
      {{0, 613, 0, 613, 0, 0, 0}, {2, 1, 2, 1, 2, 2, 2}, 2, 4},
      {{0, 0, 0, 0, 0, 0, 0}, {1, 1, 1, 1, 1, 1, 1}, 7, 7},
  };
  for (const Case& c : cases) {
    testing::ScriptedTable t;
    for (int s = 1; s <= seats; ++s) {
      t.table.p(s).caption = "seat" + std::to_string(s);
      t.table.p(s).handvalue = "hand" + std::to_string(s);
    }
    t.table.numberofwinners = 0;
    t.table.evaluate_ultimate_winner(c.values);
    std::array<int, seats> ranks{};
    for (int s = 1; s <= seats; ++s) ranks[static_cast<std::size_t>(s - 1)] = t.table.p(s).handrank;
    EXPECT_EQ(ranks, c.ranks) << "values from " << c.values[0];
    EXPECT_EQ(t.table.numberofwinners, c.winners);
    const std::string n = std::to_string(c.labelled_seat);
    EXPECT_EQ(t.screen.caption(winnerlabel), "seat" + n + " hand" + n);
  }
}

TEST(Ranking, DealtHandsAlwaysHaveAWinnerHoldingTheBestValue) {
  testing::ScriptedTable t(7);
  for (int deal = 0; deal < 500; ++deal) {
    t.table.dealfirst();
    t.table.distribute_cards_for_10();
    int best = 0;
    for (int s = 1; s <= seats; ++s) best = std::max(best, t.table.p(s).handnumber);
    int holding_best = 0;
    for (int s = 1; s <= seats; ++s) {
      const player& q = t.table.p(s);
      ASSERT_GE(q.handnumber, 101);
      ASSERT_LE(q.handnumber, 1004);
      ASSERT_GE(q.handrank, 1);
      ASSERT_LE(q.handrank, 5);
      ASSERT_EQ(q.handrank == 1, q.handnumber == best);
      if (q.handnumber == best) ++holding_best;
    }
    ASSERT_EQ(t.table.numberofwinners, holding_best);
  }
}

}  // namespace
}  // namespace tarvix
