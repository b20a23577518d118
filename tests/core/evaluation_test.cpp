// The house evaluation: descriptions through the first two cards, flushes by
// suit alone, one rank or suit per hand value, and the coarse ranking.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "evaluation/detectors.h"
#include "support/scripted_table.h"

namespace tarvix {
namespace {

using procedures::CardTexts;

struct DetectorCase {
  const char* what;
  CardTexts cards;
  const char* expected;
};

void PrintTo(const DetectorCase& c, std::ostream* out) { *out << c.what; }

class TopTest : public ::testing::TestWithParam<DetectorCase> {};
class KindsTest : public ::testing::TestWithParam<DetectorCase> {};
class StraightTest : public ::testing::TestWithParam<DetectorCase> {};
class FlushTest : public ::testing::TestWithParam<DetectorCase> {};

TEST_P(TopTest, Describes) {
  EXPECT_EQ(procedures::evaluate_top(GetParam().cards), GetParam().expected);
}
TEST_P(KindsTest, Describes) {
  EXPECT_EQ(procedures::evaluate_kinds(GetParam().cards), GetParam().expected);
}
TEST_P(StraightTest, Describes) {
  EXPECT_EQ(procedures::evaluate_straight(GetParam().cards), GetParam().expected);
}
TEST_P(FlushTest, Describes) {
  EXPECT_EQ(procedures::evaluate_flush(GetParam().cards), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Detectors, TopTest,
    ::testing::Values(
        DetectorCase{"higher first card", {"Kc", "4d", "2h", "7s", "9c", "Jd", "3h"}, "Top K"},
        DetectorCase{"order of the two", {"4d", "Kc", "2h", "7s", "9c", "Jd", "3h"}, "Top K"},
        DetectorCase{"ten is one token", {"10h", "9c", "2h", "7s", "3c", "Jd", "4h"}, "Top 10"},
        DetectorCase{"later cards unseen", {"2c", "3d", "As", "Ah", "Kc", "Kd", "Qh"}, "Top 3"},
        DetectorCase{"ace", {"Ad", "Kd", "2h", "7s", "9c", "Jd", "3h"}, "Top A"}));

INSTANTIATE_TEST_SUITE_P(
    Detectors, KindsTest,
    ::testing::Values(
        DetectorCase{"nothing", {"Kc", "4d", "2h", "7s", "9c", "Jd", "3h"}, " "},
        DetectorCase{"pair in later cards only", {"Kc", "4d", "7h", "7s", "9c", "Jd", "2h"}, " "},
        DetectorCase{"pocket pair", {"9c", "9d", "2h", "7s", "Kc", "Jd", "3h"}, "Pair 9"},
        DetectorCase{"second card pairs", {"3c", "Jd", "Jh", "7s", "Kc", "9d", "2h"}, "Pair J"},
        DetectorCase{"pair of tens", {"10c", "4d", "10h", "7s", "Kc", "9d", "2h"}, "Pair 10"},
        DetectorCase{
            "pocket pair and a third", {"9c", "9d", "2h", "9s", "Kc", "Jd", "3h"}, "Three Kind 9"},
        DetectorCase{
            "two pair names the higher", {"5c", "Qd", "5h", "Qs", "2c", "8d", "Kh"}, "Two Kind Q"},
        DetectorCase{
            "two pair, higher first", {"Qd", "5c", "5h", "Qs", "2c", "8d", "Kh"}, "Two Kind Q"},
        DetectorCase{"two pair by value, ten over nine",
                     {"9d", "10c", "10h", "9s", "2c", "4d", "Kh"},
                     "Two Kind 10"},
        DetectorCase{"two pair by value, ace over king",
                     {"Ac", "Kd", "Ah", "Ks", "2c", "8d", "5h"},
                     "Two Kind A"},
        DetectorCase{"three and three: card 2 decides",
                     {"9c", "Kd", "9h", "Ks", "9s", "Kh", "2c"},
                     "Three Kind K"},
        DetectorCase{"three and three, other order",
                     {"Kd", "9c", "9h", "Ks", "9s", "Kh", "2c"},
                     "Three Kind 9"},
        DetectorCase{"full house, three on card 1",
                     {"7c", "4d", "7h", "4s", "7s", "2c", "Jd"},
                     "FullHouse 7"},
        DetectorCase{"full house, three on card 2",
                     {"7c", "4d", "7h", "4s", "4h", "2c", "Jd"},
                     "FullHouse 4"},
        DetectorCase{"three with a pair in later cards",
                     {"7c", "4d", "7h", "Js", "7s", "2c", "Jd"},
                     "Three Kind 7"},
        DetectorCase{"four twos", {"2c", "2d", "2h", "2s", "9c", "Jd", "Kh"}, "Four Kind 2"},
        DetectorCase{"four beats a pair on card 2",
                     {"2c", "Kd", "2h", "2s", "2d", "Kh", "5c"},
                     "Four Kind 2"},
        DetectorCase{"four on card 2 beats a pair",
                     {"5c", "Kd", "5h", "Kh", "Ks", "Kc", "2d"},
                     "Four Kind K"},
        DetectorCase{
            "four is not three", {"Qc", "3d", "Qh", "Qs", "Qd", "8c", "2h"}, "Four Kind Q"}));

INSTANTIATE_TEST_SUITE_P(
    Detectors, StraightTest,
    ::testing::Values(
        DetectorCase{
            "ace-low through the ace", {"Ac", "Kd", "2h", "3s", "4c", "5d", "9h"}, "straight 5"},
        DetectorCase{"run without a first card", {"Kc", "Jd", "2h", "3s", "4c", "5d", "6h"}, " "},
        DetectorCase{
            "four to the two, no ace or six", {"2c", "Kd", "3h", "4s", "5c", "9d", "Jh"}, " "},
        DetectorCase{
            "ace-high through the ten", {"10c", "3d", "Jh", "Qs", "Kc", "Ad", "5h"}, "straight A"},
        DetectorCase{"highest run through nine and ten",
                     {"9c", "10d", "8h", "Js", "Qc", "Kd", "2h"},
                     "straight K"},
        DetectorCase{"the higher of two runs through one card",
                     {"Qc", "2d", "8h", "9s", "10c", "Jd", "Kh"},
                     "straight K"},
        DetectorCase{
            "pairs inside the run", {"5c", "5d", "6h", "7s", "8c", "9d", "2h"}, "straight 9"},
        // The ace's runs are tested last, so the ace-low run stands over a
        // longer run through the other first card.
        DetectorCase{
            "ace-low run found last", {"Ac", "6d", "2h", "3s", "4c", "5d", "Kh"}, "straight 5"},
        DetectorCase{"no run", {"Kc", "4d", "2h", "7s", "9c", "Jd", "3h"}, " "}));

INSTANTIATE_TEST_SUITE_P(
    Detectors, FlushTest,
    ::testing::Values(
        DetectorCase{"six hearts", {"2h", "5h", "9h", "Jh", "Kh", "Ah", "3c"}, "flush hearts"},
        DetectorCase{
            "five clubs with a ten", {"10c", "2c", "5c", "8c", "Jc", "3d", "4h"}, "flush clubs"},
        DetectorCase{
            "seven diamonds", {"2d", "3d", "4d", "5d", "6d", "7d", "8d"}, "flush diamonds"},
        DetectorCase{"five spades in later cards",
                     {"Ac", "Kd", "2s", "5s", "7s", "9s", "Js"},
                     "flush spades"},
        DetectorCase{
            "four of each of two suits", {"2s", "5s", "7s", "9s", "Jh", "Qh", "Kh"}, " "}));

// Every seat holds the same hand, so seats 1..5 and 6..7 are valued alike.
struct ValueCase {
  const char* what;
  CardTexts cards;
  int handnumber;
  const char* handvalue;
};

void PrintTo(const ValueCase& c, std::ostream* out) { *out << c.what; }

class HandValueTest : public ::testing::TestWithParam<ValueCase> {};

void hold(Table& table, int s, const CardTexts& cards) {
  for (int c = 1; c <= 7; ++c) table.p(s).cardtext(c) = cards[static_cast<std::size_t>(c - 1)];
}

TEST_P(HandValueTest, ValuesEverySeat) {
  testing::ScriptedTable t;
  for (int s = 1; s <= seats; ++s) hold(t.table, s, GetParam().cards);
  t.table.evaluate_player_cards();
  for (int s = 1; s <= seats; ++s) {
    SCOPED_TRACE(s);
    EXPECT_EQ(t.table.p(s).handnumber, GetParam().handnumber);
    EXPECT_EQ(t.table.p(s).handvalue, GetParam().handvalue);
    EXPECT_EQ(t.table.p(s).handrank, 1);
  }
  EXPECT_EQ(t.table.numberofwinners, seats);
}

INSTANTIATE_TEST_SUITE_P(
    Values, HandValueTest,
    ::testing::Values(
        ValueCase{"high card", {"Kc", "4d", "2h", "7s", "9c", "Jd", "3h"}, 112, "Top K"},
        ValueCase{"Top 10", {"10c", "3d", "5h", "7s", "Kc", "2d", "8h"}, 109, "Top 10"},
        ValueCase{"three twos", {"2c", "2d", "2h", "5s", "7c", "9d", "Jh"}, 401, "Three Kind 2"},
        ValueCase{"pair of nines", {"9c", "9d", "2h", "7s", "Kc", "Jd", "3h"}, 208, "Pair 9"},
        ValueCase{"two pair fives and queens",
                  {"5c", "Qd", "5h", "Qs", "2c", "8d", "Kh"},
                  311,
                  "Two Kind Q"},
        ValueCase{"three queens", {"Qc", "Qd", "Qh", "2s", "5c", "8d", "Kh"}, 411, "Three Kind Q"},
        ValueCase{"three queens, other cards",
                  {"Qs", "3c", "Qh", "Qd", "9c", "Ad", "6h"},
                  411,
                  "Three Kind Q"},
        ValueCase{"straight 5", {"Ac", "Kd", "2h", "3s", "4c", "5d", "9h"}, 504, "straight 5"},
        ValueCase{"straight A", {"10c", "3d", "Jh", "Qs", "Kc", "Ad", "5h"}, 513, "straight A"},
        ValueCase{"straight over three of a kind",
                  {"7c", "7d", "7h", "8s", "9c", "10d", "Jh"},
                  510,
                  "straight J"},
        ValueCase{"low club flush", {"2c", "3c", "5c", "7c", "9c", "Jd", "Kh"}, 601, "flush clubs"},
        ValueCase{
            "high spade flush", {"As", "Ks", "Qs", "Js", "9s", "2d", "3h"}, 604, "flush spades"},
        ValueCase{"flush over three of a kind",
                  {"Qh", "2h", "Qc", "Qd", "5h", "8h", "Jh"},
                  603,
                  "flush hearts"},
        ValueCase{
            "full house of sevens", {"7c", "4d", "7h", "4s", "7s", "2c", "Jd"}, 706, "FullHouse 7"},
        ValueCase{"four twos", {"2c", "2d", "2h", "2s", "9c", "Jd", "Kh"}, 801, "Four Kind 2"},
        ValueCase{"straight and flush in different cards",
                  {"9c", "2h", "5h", "6h", "7s", "8h", "Kh"},
                  908,
                  "straight flush 9"},
        ValueCase{"straight flush to the ten",
                  {"10h", "2c", "6h", "7h", "8h", "9h", "Kd"},
                  909,
                  "straight flush 10"},
        ValueCase{"royal in spades",
                  {"Ad", "3s", "10s", "Js", "Qc", "Ks", "5s"},
                  1004,
                  "royal flush spades"},
        ValueCase{"royal in clubs",
                  {"Ac", "Kc", "Qc", "Jc", "10c", "2d", "3h"},
                  1001,
                  "royal flush clubs"}));

TEST(HandValue, HighCardWritesOnlyItsDescription) {
  testing::ScriptedTable t;
  hold(t.table, 1, {"Kc", "4d", "2h", "7s", "9c", "Jd", "3h"});
  t.table.class_set_to_zero();
  t.table.evaluate_player_cards();
  const player& q = t.table.p(1);
  EXPECT_EQ(q.handvaluetops, "Top K");
  for (const std::string* member :
       {&q.handvaluepair, &q.handvaluetwok, &q.handvaluethreek, &q.handvaluefullhouse,
        &q.handvaluefourk, &q.handvaluesflush, &q.handvaluerflush})
    EXPECT_EQ(*member, "");
  EXPECT_EQ(q.handvaluestraight, " ");
  EXPECT_EQ(q.handvalueflush, " ");
}

TEST(HandValue, RoyalFlushKeepsEveryDescription) {
  testing::ScriptedTable t;
  hold(t.table, 1, {"Ad", "3s", "10s", "Js", "Qc", "Ks", "5s"});
  t.table.evaluate_player_cards();
  const player& q = t.table.p(1);
  EXPECT_EQ(q.handvaluestraight, "straight A");
  EXPECT_EQ(q.handvalueflush, "flush spades");
  EXPECT_EQ(q.handvaluesflush, "straight flush A");
  EXPECT_EQ(q.handvaluerflush, "royal flush spades");
  EXPECT_EQ(q.handvaluetops, "Top A");
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
    SCOPED_TRACE(s);
    EXPECT_EQ(t.table.p(s).handnumber, expected_value[static_cast<std::size_t>(s - 1)]);
    EXPECT_EQ(t.table.p(s).handrank, expected_rank[static_cast<std::size_t>(s - 1)]);
  }
  EXPECT_EQ(t.table.numberofwinners, 1);
}

TEST(HandValue, RepeatedEvaluationGivesTheSameResult) {
  testing::ScriptedTable t;
  t.table.dealfirst();
  t.table.distribute_cards_for_10();
  std::vector<std::pair<int, int>> first;
  for (int s = 1; s <= seats; ++s)
    first.emplace_back(t.table.p(s).handnumber, t.table.p(s).handrank);
  const int winners = t.table.numberofwinners;
  t.table.evaluate_player_cards();
  for (int s = 1; s <= seats; ++s) {
    EXPECT_EQ(t.table.p(s).handnumber, first[static_cast<std::size_t>(s - 1)].first);
    EXPECT_EQ(t.table.p(s).handrank, first[static_cast<std::size_t>(s - 1)].second);
  }
  EXPECT_EQ(t.table.numberofwinners, winners);
}

// The ranking at the deal, called with the seven values directly.
struct RankingCase {
  const char* what;
  std::array<int, seats> values;
  std::array<int, seats> ranks;
  int winners;
  int labelled_seat;
};

void PrintTo(const RankingCase& c, std::ostream* out) { *out << c.what; }

class RankingTest : public ::testing::TestWithParam<RankingCase> {};

TEST_P(RankingTest, RanksAndNamesTheWinner) {
  testing::ScriptedTable t;
  for (int s = 1; s <= seats; ++s) {
    t.table.p(s).caption = "seat" + std::to_string(s);
    t.table.p(s).handvalue = "hand" + std::to_string(s);
  }
  t.table.numberofwinners = 0;
  t.table.evaluate_ultimate_winner(GetParam().values);
  for (int s = 1; s <= seats; ++s) {
    SCOPED_TRACE(s);
    EXPECT_EQ(t.table.p(s).handrank, GetParam().ranks[static_cast<std::size_t>(s - 1)]);
  }
  EXPECT_EQ(t.table.numberofwinners, GetParam().winners);
  const std::string n = std::to_string(GetParam().labelled_seat);
  EXPECT_EQ(t.screen.caption(winnerlabel), "seat" + n + " hand" + n);
}

INSTANTIATE_TEST_SUITE_P(
    Ranking, RankingTest,
    ::testing::Values(
        RankingCase{"ties on the best and the third",
                    {504, 112, 504, 208, 311, 101, 208},
                    {1, 4, 1, 3, 2, 5, 3},
                    2,
                    3},
        RankingCase{
            "seven distinct", {101, 202, 303, 404, 505, 606, 707}, {5, 5, 5, 4, 3, 2, 1}, 1, 7},
        RankingCase{"all tied", {300, 300, 300, 300, 300, 300, 300}, {1, 1, 1, 1, 1, 1, 1}, 7, 7},
        RankingCase{"two distinct values",
                    {300, 200, 300, 200, 300, 200, 200},
                    {1, 2, 1, 2, 1, 2, 2},
                    3,
                    5},
        RankingCase{"unvalued seats take the 0 candidate",
                    {500, 400, 0, 0, 0, 0, 0},
                    {1, 2, 3, 3, 3, 3, 3},
                    1,
                    1},
        RankingCase{
            "0 as the second value", {0, 613, 0, 613, 0, 0, 0}, {2, 1, 2, 1, 2, 2, 2}, 2, 4},
        RankingCase{"nothing valued", {0, 0, 0, 0, 0, 0, 0}, {1, 1, 1, 1, 1, 1, 1}, 7, 7},
        RankingCase{
            "best seat first", {913, 101, 101, 102, 103, 104, 105}, {1, 5, 5, 5, 4, 3, 2}, 1, 1}));

TEST(Ranking, EachCallAddsItsWinners) {
  testing::ScriptedTable t;
  t.table.numberofwinners = 2;
  t.table.evaluate_ultimate_winner({101, 101, 100, 100, 100, 100, 100});
  EXPECT_EQ(t.table.numberofwinners, 4);
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
