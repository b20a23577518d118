// Cards in words, the 49-card deck draw and where the deal puts every card.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "model/card.h"
#include "support/scripted_table.h"

namespace tarvix {
namespace {

std::size_t at(int index) { return static_cast<std::size_t>(index); }

TEST(CardWords, NameTheCardForScreenReaders) {
  // Card 1 is the two of clubs, 52 the ace of spades.
  EXPECT_EQ(card_words(1), "two of clubs");
  EXPECT_EQ(card_words(35), "ten of hearts");
  EXPECT_EQ(card_words(52), "ace of spades");
  EXPECT_EQ(card_words(53), "");
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

TEST(Deck, HoldsFortyNineDistinctCardsEachEquallyLikely) {
  constexpr int decks = 20000;
  testing::ScriptedTable t(2024);
  std::array<int, cards_in_pack + 1> left_out{}, first_entry{}, last_entry{};
  for (int draw = 0; draw < decks; ++draw) {
    t.table.dealfirst();
    std::array<bool, cards_in_pack + 1> seen{};
    for (int card : t.table.deck) {
      ASSERT_TRUE(card >= 1 && card <= cards_in_pack && !seen[at(card)]) << card << " in " << draw;
      seen[at(card)] = true;
    }
    for (int card = 1; card <= cards_in_pack; ++card)
      if (!seen[at(card)]) ++left_out[at(card)];
    ++first_entry[at(t.table.deck.front())];
    ++last_entry[at(t.table.deck.back())];
  }
  EXPECT_LT(chi_square(left_out, decks * 3.0 / cards_in_pack), 110.0);
  EXPECT_LT(chi_square(first_entry, decks * 1.0 / cards_in_pack), 110.0);
  EXPECT_LT(chi_square(last_entry, decks * 1.0 / cards_in_pack), 110.0);
}

TEST(Deal, CardsGoRoundByRoundWithTheHumansFacesAndFourUpCards) {
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    testing::ScriptedTable t(seed, Settings{"", 54, 0x8000});
    // The deal pictures the slots but does not show or hide them.
    for (int index = 0; index < card_slot_count; index += 2)
      t.screen.set_visible(Image1(index), true);
    t.table.dealfirst();
    t.table.distribute_cards_for_10();
    const Table& table = t.table;
    for (int s = 1; s <= seats; ++s)
      for (int c = 1; c <= 7; ++c) {
        SCOPED_TRACE(std::to_string(seed) + ": " + std::to_string(s) + "/" + std::to_string(c));
        const int card = table.p(s).card(c);
        const int slot = 7 * (s - 1) + (c - 1);
        ASSERT_EQ(card, table.deck[at((c - 1) * 7 + (s - 1))]);
        ASSERT_EQ(table.p(s).cardtext(c), convert2card(card));
        const bool face_up = s == human || c == 2 || c == 4 || c == 5 || c == 6;
        ASSERT_EQ(t.screen.picture(Image1(slot)), face_up ? card : 54);
        ASSERT_EQ(t.screen.visible(Image1(slot)), slot % 2 == 0);
      }
  }
}

}  // namespace
}  // namespace tarvix
