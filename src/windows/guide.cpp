#include "windows/guide.h"

namespace tarvix::windows {

std::vector<SheetLine> guide_lines(const std::vector<Chips>& ladder) {
  using Kind = SheetLine::Kind;
  std::string limits;
  for (Chips small : ladder) {
    if (!limits.empty()) limits += ",  ";
    limits += std::to_string(small) + " - " + std::to_string(2 * small);
  }
  return {
      {Kind::title, "The house rules", ""},
      {Kind::text,
       "Every hand is valued at the deal from all seven cards, by its kind and one rank or suit "
       "alone: no kickers, and equal values share the pot. Pairs, sets and straights count only "
       "through the ranks of the first two cards; flushes use all seven.",
       ""},
      {Kind::heading, "Hands, best first, as the table names them", ""},
      {Kind::row, "Royal flush",
       "royal flush spades: a straight to the ace and a flush; by suit, spades best"},
      {Kind::row, "Straight flush", "straight flush 9: a straight and a flush, in any cards"},
      {Kind::row, "Four of a kind", "Four Kind 7: four sevens, one of the first two cards"},
      {Kind::row, "Full house", "FullHouse 7: three sevens and a pair, each through a first card"},
      {Kind::row, "Flush", "flush hearts: five hearts; flushes rank by suit alone"},
      {Kind::row, "Straight", "straight 10: five in a row through a first-two-card rank"},
      {Kind::row, "Three of a kind", "Three Kind Q: three queens, one of the first two cards"},
      {Kind::row, "Two pair", "Two Kind Q: both first two cards paired; the higher pair counts"},
      {Kind::row, "Pair", "Pair 9: a nine among the first two cards and one more"},
      {Kind::row, "High card", "Top K: the higher of the first two cards"},
      {Kind::heading, "Limits, rising about every ten minutes at Normal speed", ""},
      {Kind::text, limits, ""},
      {Kind::heading, "Keys", ""},
      {Kind::row, "C  K  R  F", "Call, Check, Raise, Fold at your turn"},
      {Kind::row, "B, Enter", "into the amount box; Enter bets the amount typed"},
      {Kind::row, "L", "shows or hides the hand log"},
      {Kind::row, "H", "your record: every tournament played"},
      {Kind::row, "F1, Escape", "shows or hides this guide"},
      {Kind::row, "+  -", "game speed: faster, slower"},
      {Kind::row, "F10, F9", "shows, hides the winner the deal has already decided"},
      {Kind::row, "F11", "full screen"},
  };
}

}  // namespace tarvix::windows
