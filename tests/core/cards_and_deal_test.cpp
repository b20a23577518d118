// Card texts, the 49-card deck draw and where the deal puts every card.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "model/card.h"
#include "support/scripted_table.h"

namespace tarvix {
namespace {

std::size_t at(int index) { return static_cast<std::size_t>(index); }

TEST(CardText, SpellsRankThenSuit) {
  const std::pair<int, const char*> cases[] = {{1, "2c"},  {2, "2d"},   {3, "2h"},   {4, "2s"},
                                               {5, "3c"},  {33, "10c"}, {36, "10s"}, {37, "Jc"},
                                               {44, "Qs"}, {45, "Kc"},  {49, "Ac"},  {52, "As"},
                                               {0, ""},    {53, ""},    {-1, ""}};
  for (const auto& [card, text] : cases) EXPECT_EQ(convert2card(card), text) << card;
}

TEST(CardText, LeavesItsArgumentAlone) {
  const int card = 36;
  EXPECT_EQ(convert2card(card), "10s");
  EXPECT_EQ(card, 36);
}

TEST(CardText, EveryCardHasItsOwnTextInNumberOrder) {
  static const std::string ranks[] = {"2", "3",  "4", "5", "6", "7", "8",
                                      "9", "10", "J", "Q", "K", "A"};
  static const std::string suits = "cdhs";
  std::set<std::string> texts;
  for (int card = 1; card <= cards_in_pack; ++card) {
    const std::string text = convert2card(card);
    // Rank first, then clubs < diamonds < hearts < spades within a rank.
    EXPECT_EQ(text, ranks[at((card - 1) / 4)] + suits[at((card - 1) % 4)]) << card;
    EXPECT_EQ(text.size(), rank_index(card) == 8 ? 3u : 2u) << card;
    texts.insert(text);
  }
  EXPECT_EQ(texts.size(), 52u);
  // The two of spades lies between the two of hearts and the three of clubs.
  EXPECT_EQ(rank_index(4), rank_index(3));
  EXPECT_GT(suit_index(4), suit_index(3));
  EXPECT_LT(rank_index(4), rank_index(5));
}

TEST(Deck, HoldsFortyNineDistinctCards) {
  testing::ScriptedTable t(11);
  for (int draw = 0; draw < 2000; ++draw) {
    t.table.dealfirst();
    std::array<bool, cards_in_pack + 1> seen{};
    for (int card : t.table.deck) {
      ASSERT_GE(card, 1);
      ASSERT_LE(card, cards_in_pack);
      ASSERT_FALSE(seen[at(card)]) << "card " << card << " twice in deck " << draw;
      seen[at(card)] = true;
    }
    int missing = 0;
    for (int card = 1; card <= cards_in_pack; ++card) missing += seen[at(card)] ? 0 : 1;
    ASSERT_EQ(missing, 3);
  }
}

// Pearson's statistic over the 52 cards; with 51 degrees of freedom it has
// mean 51 and standard deviation about 10, so 110 flags only a real bias.
double chi_square(const std::array<int, cards_in_pack + 1>& counts, double expected) {
  double sum = 0;
  for (int card = 1; card <= cards_in_pack; ++card) {
    const double d = counts[at(card)] - expected;
    sum += d * d / expected;
  }
  return sum;
}

TEST(Deck, EveryCardEquallyLikelyOverManyDecks) {
  constexpr int decks = 20000;
  testing::ScriptedTable t(2024);
  std::array<int, cards_in_pack + 1> left_out{}, first_entry{}, last_entry{};
  for (int draw = 0; draw < decks; ++draw) {
    t.table.dealfirst();
    std::array<bool, cards_in_pack + 1> seen{};
    for (int card : t.table.deck) seen[at(card)] = true;
    for (int card = 1; card <= cards_in_pack; ++card)
      if (!seen[at(card)]) ++left_out[at(card)];
    ++first_entry[at(t.table.deck.front())];
    ++last_entry[at(t.table.deck.back())];
  }
  EXPECT_LT(chi_square(left_out, decks * 3.0 / cards_in_pack), 110.0);
  EXPECT_LT(chi_square(first_entry, decks * 1.0 / cards_in_pack), 110.0);
  EXPECT_LT(chi_square(last_entry, decks * 1.0 / cards_in_pack), 110.0);
}

struct Dealt {
  explicit Dealt(std::uint64_t seed, int backside = 54) : t(seed, Settings{"", backside, 0x8000}) {
    t.table.dealfirst();
    t.table.distribute_cards_for_10();
  }
  int slot(int index) const { return t.screen.picture(Image1(index)); }
  testing::ScriptedTable t;
};

TEST(Deal, CardsGoRoundByRound) {
  Dealt d(5);
  const Table& table = d.t.table;
  EXPECT_EQ(table.p(3).cardfour, table.deck[23]);
  EXPECT_EQ(table.p(1).cardseven, table.deck[42]);
  EXPECT_EQ(table.p(7).cardone, table.deck[6]);
  for (int s = 1; s <= seats; ++s)
    for (int c = 1; c <= 7; ++c)
      EXPECT_EQ(table.p(s).card(c), table.deck[at((c - 1) * 7 + (s - 1))]) << s << "/" << c;
}

TEST(Deal, SlotsShowFacesAndBacks) {
  Dealt d(6, 54);
  const Table& table = d.t.table;
  EXPECT_EQ(d.slot(7), 54);
  EXPECT_EQ(d.slot(9), 54);
  EXPECT_EQ(d.slot(13), 54);
  EXPECT_EQ(d.slot(8), table.p(2).cardtwo);
  for (int c = 1; c <= 7; ++c) EXPECT_EQ(d.slot(c - 1), table.p(1).card(c)) << c;
  for (int s = 2; s <= seats; ++s)
    for (int c = 1; c <= 7; ++c) {
      const bool face_up = c == 2 || c == 4 || c == 5 || c == 6;
      EXPECT_EQ(d.slot(7 * (s - 1) + (c - 1)), face_up ? table.p(s).card(c) : 54) << s << "/" << c;
    }
}

TEST(Deal, LeavesSlotVisibilityAlone) {
  testing::ScriptedTable t(8);
  for (int index = 0; index < card_slot_count; index += 2)
    t.screen.set_visible(Image1(index), true);
  std::array<bool, card_slot_count> before{};
  for (int index = 0; index < card_slot_count; ++index)
    before[at(index)] = t.screen.visible(Image1(index));
  t.table.dealfirst();
  t.table.distribute_cards_for_10();
  for (int index = 0; index < card_slot_count; ++index)
    EXPECT_EQ(t.screen.visible(Image1(index)), before[at(index)]) << index;
}

TEST(Deal, WritesValidTextsAndRanksTheSeats) {
  for (std::uint64_t seed = 1; seed <= 200; ++seed) {
    Dealt d(seed, 0);
    const Table& table = d.t.table;
    for (int s = 1; s <= seats; ++s)
      for (int c = 1; c <= 7; ++c) {
        const std::string& text = table.p(s).cardtext(c);
        ASSERT_FALSE(text.empty()) << seed << ": " << s << "/" << c;
        ASSERT_EQ(text, convert2card(table.p(s).card(c)));
      }
    ASSERT_GE(table.numberofwinners, 1);
    ASSERT_TRUE(table.events.enabled(TimerId::roundtimer));
  }
}

}  // namespace
}  // namespace tarvix
