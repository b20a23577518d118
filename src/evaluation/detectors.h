// The hand detectors of the code module. A seat's seven card numbers are
// counted once into rank and suit counts and a mask of the ranks present;
// each detector then names what it finds by a rank or suit index, or finds
// nothing.
//
// House rules: high card, pairs and sets, and straights are seen only through
// the ranks of the first two cards; flushes use all seven cards.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tarvix::procedures {

constexpr int nothing = -1;  // no rank or suit found; also the rank of no card
constexpr int ranks_in_pack = 13;
constexpr int suits_in_pack = 4;
constexpr int five = 3;  // rank index of the 5, the top of the ace-low run
constexpr int ace = ranks_in_pack - 1;

// A seat's cards in card order, cardone .. cardseven.
using Cards = std::array<int, 7>;

// One seat's cards counted once. A card number outside 1..52 is no card.
struct CardCounts {
  explicit CardCounts(const Cards& cards);
  unsigned ranks = 0;  // bit r: a card of rank index r is present
  std::array<std::uint8_t, ranks_in_pack> of_rank{};
  std::array<std::uint8_t, suits_in_pack> of_suit{};
  int first = nothing, second = nothing;  // rank indexes of cards 1 and 2
};

// The hand categories, lowest first; each step is worth a hundred.
enum class Category {
  top,
  pair,
  two_kind,
  three_kind,
  straight,
  flush,
  full_house,
  four_kind,
  straight_flush,
  royal_flush
};
constexpr int category_count = static_cast<int>(Category::royal_flush) + 1;

// A category with its rank index, or its suit index for flush and royal flush.
struct Found {
  Category category = Category::top;
  int index = nothing;
};

int evaluate_top(const CardCounts& cards);       // the higher rank of the first two cards
Found evaluate_kinds(const CardCounts& cards);   // pair .. four of a kind, or index nothing
int evaluate_straight(const CardCounts& cards);  // the top rank of the run
int evaluate_flush(const CardCounts& cards);     // the suit

// What the detectors found in one seat's cards: per category its index, or nothing.
class Hand {
 public:
  Hand() { found_.fill(nothing); }
  int operator[](Category c) const { return found_[at(c)]; }
  void set(Category c, int index) { found_[at(c)] = static_cast<std::int8_t>(index); }

 private:
  static std::size_t at(Category c) { return static_cast<std::size_t>(c); }
  std::array<std::int8_t, category_count> found_;
};

}  // namespace tarvix::procedures
