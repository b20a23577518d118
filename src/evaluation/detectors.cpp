#include "evaluation/detectors.h"

#include <algorithm>

#include "model/card.h"

namespace tarvix::procedures {

namespace {

constexpr int flush_size = 5;
constexpr unsigned five_in_a_row = 0b11111;

// The run whose top rank is top, as a mask of rank bits: the ace-low run is
// A 2 3 4 5, every other run five consecutive ranks.
constexpr unsigned run_mask(int top) {
  return top == five ? 1u << ace | five_in_a_row >> 1 : five_in_a_row << (top - 4);
}

int rank_of(int card) { return card < 1 || card > cards_in_pack ? nothing : rank_index(card); }

}  // namespace

CardCounts::CardCounts(const Cards& cards) : first(rank_of(cards[0])), second(rank_of(cards[1])) {
  for (int card : cards) {
    const int rank = rank_of(card);
    if (rank == nothing) continue;
    ranks |= 1u << rank;
    ++of_rank[static_cast<std::size_t>(rank)];
    ++of_suit[static_cast<std::size_t>(suit_index(card))];
  }
}

int evaluate_top(const CardCounts& cards) { return std::max(cards.first, cards.second); }

Found evaluate_kinds(const CardCounts& cards) {
  const int r1 = cards.first;
  const int r2 = cards.second;
  auto count_of = [&](int rank) {
    return rank == nothing ? 0 : cards.of_rank[static_cast<std::size_t>(rank)];
  };
  const int count1 = count_of(r1);
  const int count2 = count_of(r2);

  // Every rule that holds overwrites the result: the last one decides.
  Found result;
  auto rule = [&](bool holds, Category category, int rank) {
    if (holds) result = {category, rank};
  };
  rule(count1 == 2, Category::pair, r1);
  rule(count2 == 2, Category::pair, r2);
  rule(count1 == 2 && count2 == 2 && r1 != r2, Category::two_kind, std::max(r1, r2));
  rule(count1 == 3, Category::three_kind, r1);
  rule(count2 == 3, Category::three_kind, r2);
  rule(count1 == 3 && count2 == 2, Category::full_house, r1);
  rule(count1 == 2 && count2 == 3, Category::full_house, r2);
  rule(count1 == 4, Category::four_kind, r1);
  rule(count2 == 4, Category::four_kind, r2);
  return result;
}

int evaluate_straight(const CardCounts& cards) {
  int result = nothing;
  // The lower first-card rank first, so the ace's runs are tested last: an
  // ace among the first two cards lets the ace-low run stand. Within a rank
  // the highest run found stands.
  for (int rank : {std::min(cards.first, cards.second), std::max(cards.first, cards.second)}) {
    if (rank == nothing) continue;
    for (int top = five; top <= ace; ++top) {
      const unsigned run = run_mask(top);
      if ((run >> rank & 1u) != 0 && (cards.ranks & run) == run) result = top;
    }
  }
  return result;
}

int evaluate_flush(const CardCounts& cards) {
  int result = nothing;
  for (int suit = 0; suit < suits_in_pack; ++suit)
    if (cards.of_suit[static_cast<std::size_t>(suit)] >= flush_size) result = suit;
  return result;
}

}  // namespace tarvix::procedures
