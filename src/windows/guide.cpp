#include "windows/guide.h"

#include <array>

namespace tarvix::windows {

namespace {

struct Entry {
  HouseRule rule;
  const char* name;
  const char* example;  // the rule in a line, with an example
};

constexpr std::array<Entry, 8> entries{{
    {HouseRule::closing_seat, "Closing seat",
     "a street ends at its closing seat: a raise made after it stands unanswered"},
    {HouseRule::all_in_fold, "All in, folds", "a seat all in can still fold: \"river rat folds\""},
    {HouseRule::no_side_pots, "No side pots",
     "the winner takes the whole pot: 100 all in can win a pot of 2000"},
    {HouseRule::computer_bets, "Computer bets",
     "sized from their stacks, not the limits: \"raises 85\" at 10 - 20"},
    {HouseRule::bet_it, "Bet It",
     "stakes the call plus the amount typed: 40 with 20 to call is 60"},
    {HouseRule::sitting_out, "Sitting out",
     "the dealer's fee, two small limits, as the button passes: 40 at 20 - 40"},
    {HouseRule::limits, "Limits",
     "rise by turns played, not by the clock: as many hands at every speed"},
    {HouseRule::hand_values, "Hand values",
     "first two cards, flushes by suit, no kickers: Pair 9 beats Top A"},
}};

const Entry& entry(HouseRule rule) {
  for (const Entry& e : entries)
    if (e.rule == rule) return e;
  return entries.front();
}

}  // namespace

const char* house_rule_name(HouseRule rule) { return entry(rule).name; }

std::string house_rule_note(HouseRule rule, const std::string& what) {
  return what + " (house rules: " + house_rule_name(rule) + ")";
}

std::vector<SheetLine> guide_lines(const std::vector<Chips>& ladder) {
  using Kind = SheetLine::Kind;
  std::string limits;
  for (Chips small : ladder) {
    if (!limits.empty()) limits += ",  ";
    limits += std::to_string(small) + " - " + std::to_string(2 * small);
  }
  std::vector<SheetLine> lines = {
      {Kind::title, "The house rules", ""},
      {Kind::text,
       "Every hand is valued at the deal from all seven cards, by its kind and one rank or suit "
       "alone: no kickers, and equal values share the pot.",
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
      {Kind::heading, "Where this table differs", ""},
  };
  for (const Entry& e : entries) lines.push_back({Kind::row, e.name, e.example});
  const std::vector<SheetLine> rest = {
      {Kind::heading, "Limits, rising about every ten minutes at Normal speed", ""},
      {Kind::text, limits, ""},
      {Kind::heading, "Keys", ""},
      {Kind::row, "C  K  R  F", "Call, Check, Raise, Fold at your turn"},
      {Kind::row, "B, Enter", "into the amount box; Enter bets the amount typed"},
      {Kind::row, "L", "into the hand log and out of it"},
      {Kind::row, "H", "your record: every tournament played"},
      {Kind::row, "F1, Escape", "shows or hides this guide"},
      {Kind::row, "+  -", "game speed: faster, slower"},
      {Kind::row, "F10, F9", "shows, hides the winner the deal has already decided"},
      {Kind::row, "F11", "full screen"},
  };
  lines.insert(lines.end(), rest.begin(), rest.end());
  return lines;
}

}  // namespace tarvix::windows
