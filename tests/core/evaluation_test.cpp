// The house evaluation, checked against the first, text-based evaluator:
// every description, hand value and rank alike, over a million dealt hands
// and the hard cases; and the coarse ranking.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "harness/text_evaluator.h"
#include "model/card.h"
#include "support/scripted_table.h"

namespace tarvix {
namespace {

#ifdef __SANITIZE_ADDRESS__
constexpr int hands_compared = 70'000;  // the text evaluator is slow under the sanitizers
#else
constexpr int hands_compared = 1'000'000;
#endif

std::string player::*const descriptions[] = {
    &player::handvaluetops,      &player::handvaluepair,     &player::handvaluetwok,
    &player::handvaluethreek,    &player::handvaluestraight, &player::handvalueflush,
    &player::handvaluefullhouse, &player::handvaluefourk,    &player::handvaluesflush,
    &player::handvaluerflush,    &player::handvalue};

// A seat's cards and everything the evaluation wrote, for a failure message.
std::string evaluation_of(const player& q) {
  std::string text;
  for (int c = 1; c <= 7; ++c) text += q.cardtext(c) + " ";
  for (auto member : descriptions) text += "'" + q.*member + "' ";
  return text + std::to_string(q.handnumber) + " rank " + std::to_string(q.handrank);
}

bool same_evaluation(const player& a, const player& b) {
  for (auto member : descriptions)
    if (a.*member != b.*member) return false;
  return a.handnumber == b.handnumber && a.handrank == b.handrank;
}

struct Evaluators {
  testing::ScriptedTable game{2024}, text;

  // The text evaluator on a copy of the seats that the game table has just
  // evaluated; the first difference, or "".
  std::string difference() {
    text.table.seat = game.table.seat;
    text.table.class_set_to_zero();
    harness::evaluate_by_text(text.table);
    for (int s = 1; s <= seats; ++s)
      if (!same_evaluation(game.table.p(s), text.table.p(s)))
        return evaluation_of(game.table.p(s)) + " not " + evaluation_of(text.table.p(s));
    if (game.table.numberofwinners != text.table.numberofwinners) return "numberofwinners";
    return game.screen.caption(winnerlabel) == text.screen.caption(winnerlabel) ? ""
                                                                                : "winner label";
  }
};

TEST(Evaluation, AgreesWithTheTextEvaluatorOnEveryDealtHand) {
  Evaluators e;
  for (int s = 1; s <= seats; ++s) e.game.table.p(s).caption = "seat" + std::to_string(s);
  for (int hand = 0; hand < hands_compared; hand += seats) {
    e.game.table.dealfirst();
    e.game.table.distribute_cards_for_10();
    ASSERT_EQ(e.difference(), "") << "deal " << hand / seats;
  }
}

int card_of(const std::string& text) {
  for (int card = 1; card <= cards_in_pack; ++card)
    if (convert2card(card) == text) return card;
  return no_card;
}

TEST(Evaluation, HardCasesAgreeWithTheTextEvaluator) {
  const struct {
    std::array<const char*, 7> cards;
    const char* handvalue;
    int handnumber;
  } cases[] = {
      // High card and kinds only through the first two cards.
      {{"4d", "Kc", "7h", "7s", "9c", "Jd", "2h"}, "Top K", 112},
      {{"10h", "9c", "2h", "7s", "3c", "Jd", "4h"}, "Top 10", 109},
      {{"3c", "Jd", "Jh", "7s", "Kc", "9d", "2h"}, "Pair J", 210},
      {{"10c", "4d", "10h", "7s", "Kc", "9d", "2h"}, "Pair 10", 209},
      {{"9c", "9d", "2h", "9s", "Kc", "Jd", "3h"}, "Three Kind 9", 408},
      // Two pair names the higher by value, not by text.
      {{"5c", "Qd", "5h", "Qs", "2c", "8d", "Kh"}, "Two Kind Q", 311},
      {{"9d", "10c", "10h", "9s", "2c", "4d", "Kh"}, "Two Kind 10", 309},
      {{"Ac", "Kd", "Ah", "Ks", "2c", "8d", "5h"}, "Two Kind A", 313},
      // Three and three: the second card's rank decides.
      {{"9c", "Kd", "9h", "Ks", "9s", "Kh", "2c"}, "Three Kind K", 412},
      {{"Kd", "9c", "9h", "Ks", "9s", "Kh", "2c"}, "Three Kind 9", 408},
      {{"7c", "4d", "7h", "4s", "7s", "2c", "Jd"}, "FullHouse 7", 706},
      {{"7c", "4d", "7h", "4s", "4h", "2c", "Jd"}, "FullHouse 4", 703},
      {{"7c", "4d", "7h", "Js", "7s", "2c", "Jd"}, "Three Kind 7", 406},
      {{"2c", "Kd", "2h", "2s", "2d", "Kh", "5c"}, "Four Kind 2", 801},
      {{"5c", "Kd", "5h", "Kh", "Ks", "Kc", "2d"}, "Four Kind K", 812},
      {{"10c", "3d", "10h", "10s", "10d", "8c", "2h"}, "Four Kind 10", 809},
      // Runs: ace low and high, only through a first card, the highest
      // through the higher first card, and the ace's runs tested last.
      {{"Ac", "Kd", "2h", "3s", "4c", "5d", "9h"}, "straight 5", 504},
      {{"Kc", "Jd", "2h", "3s", "4c", "5d", "6h"}, "Top K", 112},
      {{"10c", "3d", "Jh", "Qs", "Kc", "Ad", "5h"}, "straight A", 513},
      {{"9c", "10d", "8h", "Js", "Qc", "Kd", "2h"}, "straight K", 512},
      {{"5c", "5d", "6h", "7s", "8c", "9d", "2h"}, "straight 9", 508},
      {{"7c", "7d", "7h", "8s", "9c", "10d", "Jh"}, "straight J", 510},
      {{"Ac", "6d", "2h", "3s", "4c", "5d", "Kh"}, "straight 5", 504},
      // Flushes by suit alone; a straight and a flush from different cards.
      {{"2h", "5h", "9h", "Jh", "Kh", "Ah", "3c"}, "flush hearts", 603},
      {{"Ac", "Kd", "2s", "5s", "7s", "9s", "Js"}, "flush spades", 604},
      {{"2s", "5s", "7s", "9s", "Jh", "Qh", "Kh"}, "Top 5", 104},
      {{"9c", "2h", "5h", "6h", "7s", "8h", "Kh"}, "straight flush 9", 908},
      {{"10d", "6c", "7d", "8d", "9s", "2d", "Kd"}, "straight flush 10", 909},
      {{"Ah", "2h", "3h", "4h", "5c", "9h", "Kd"}, "straight flush 5", 904},
      {{"Ad", "3s", "10s", "Js", "Qc", "Ks", "5s"}, "royal flush spades", 1004},
      {{"Ac", "Kc", "Qc", "Jc", "10c", "2d", "3h"}, "royal flush clubs", 1001},
      {{"Ah", "10d", "Jh", "Qh", "Kh", "2h", "3c"}, "royal flush hearts", 1003},
  };
  Evaluators e;
  for (const auto& c : cases) {
    for (int s = 1; s <= seats; ++s)
      for (int i = 1; i <= 7; ++i) {
        e.game.table.p(s).cardtext(i) = c.cards[static_cast<std::size_t>(i - 1)];
        e.game.table.p(s).card(i) = card_of(c.cards[static_cast<std::size_t>(i - 1)]);
      }
    e.game.table.class_set_to_zero();
    e.game.table.evaluate_player_cards();
    EXPECT_EQ(e.difference(), "");
    EXPECT_EQ(e.game.table.p(seats).handvalue, c.handvalue);
    EXPECT_EQ(e.game.table.p(seats).handnumber, c.handnumber) << c.handvalue;
  }
}

TEST(Evaluation, HandValuesAreSaidInWords) {
  const std::pair<int, const char*> said[] = {
      {112, "king high"},
      {208, "pair of nines"},
      {312, "two pair, kings"},
      {413, "three of a kind, aces"},
      {509, "straight to the ten"},
      {602, "flush in diamonds"},
      {712, "full house, kings"},
      {801, "four of a kind, twos"},
      {904, "straight flush to the five"},
      {1004, "royal flush in spades"},
      {0, ""},
      {614, ""},
  };
  for (const auto& [value, words] : said) EXPECT_EQ(hand_words(value), words) << value;
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

}  // namespace
}  // namespace tarvix
