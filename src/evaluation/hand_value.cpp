// The evaluation of all seven seats right after the deal: the detectors'
// descriptions, then one hand value per seat, then the ranking.
#include <string>

#include "evaluation/detectors.h"
#include "model/card.h"
#include "model/table.h"

namespace tarvix {

namespace {

using procedures::Category;
using procedures::nothing;

constexpr int value_step = 100;  // each category above the one below

// Each category's description member and the start of its text; the text
// ends in the rank token, or the suit word for flush and royal flush.
struct Description {
  std::string player::*member;
  const char* lead;
  bool by_suit;
};

const Description descriptions[procedures::category_count] = {
    {&player::handvaluetops, "Top ", false},
    {&player::handvaluepair, "Pair ", false},
    {&player::handvaluetwok, "Two Kind ", false},
    {&player::handvaluethreek, "Three Kind ", false},
    {&player::handvaluestraight, "straight ", false},
    {&player::handvalueflush, "flush ", true},
    {&player::handvaluefullhouse, "FullHouse ", false},
    {&player::handvaluefourk, "Four Kind ", false},
    {&player::handvaluesflush, "straight flush ", false},
    {&player::handvaluerflush, "royal flush ", true},
};

const char* const suit_words[procedures::suits_in_pack] = {"clubs", "diamonds", "hearts", "spades"};

const Description& description_of(Category category) {
  return descriptions[static_cast<std::size_t>(category)];
}

// Records what a detector found and writes its description; the text is
// made in the member itself, which keeps its room from deal to deal.
void found(player& q, procedures::Hand& hand, Category category, int index) {
  if (index == nothing) return;
  hand.set(category, index);
  const Description& d = description_of(category);
  std::string& text = q.*d.member;
  text.assign(d.lead);
  text.append(d.by_suit ? suit_words[index] : rank_tokens[index]);
}

// The straight and the flush are written even when there is none.
void found_or_blank(player& q, procedures::Hand& hand, Category category, int index) {
  static const std::string blank = " ";
  if (index == nothing)
    q.*description_of(category).member = blank;
  else
    found(q, hand, category, index);
}

const char* const rank_words[procedures::ranks_in_pack] = {"two",   "three", "four", "five", "six",
                                                           "seven", "eight", "nine", "ten",  "jack",
                                                           "queen", "king",  "ace"};
const char* const rank_plurals[procedures::ranks_in_pack] = {
    "twos",  "threes", "fours", "fives",  "sixes", "sevens", "eights",
    "nines", "tens",   "jacks", "queens", "kings", "aces"};

}  // namespace

std::string hand_words(int value) {
  const int c = value / value_step - 1;
  const int index = value % value_step - 1;
  if (c < 0 || c >= procedures::category_count || index < 0) return {};
  const auto category = static_cast<Category>(c);
  const bool by_suit = description_of(category).by_suit;
  if (by_suit ? index >= procedures::suits_in_pack : index >= procedures::ranks_in_pack) return {};
  const std::string rank = by_suit ? "" : rank_words[index];
  const std::string ranks = by_suit ? "" : rank_plurals[index];
  switch (category) {
    case Category::top: return rank + " high";
    case Category::pair: return "pair of " + ranks;
    case Category::two_kind: return "two pair, " + ranks;
    case Category::three_kind: return "three of a kind, " + ranks;
    case Category::straight: return "straight to the " + rank;
    case Category::flush: return std::string("flush in ") + suit_words[index];
    case Category::full_house: return "full house, " + ranks;
    case Category::four_kind: return "four of a kind, " + ranks;
    case Category::straight_flush: return "straight flush to the " + rank;
    case Category::royal_flush: return std::string("royal flush in ") + suit_words[index];
  }
  return {};
}

void Table::evaluate_player_cards() {
  for (int s = 1; s <= seats; ++s) {
    player& q = p(s);
    const procedures::CardCounts cards(
        {q.cardone, q.cardtwo, q.cardthree, q.cardfour, q.cardfive, q.cardsix, q.cardseven});
    procedures::Hand& hand = hands[static_cast<std::size_t>(s)];
    hand = {};
    found(q, hand, Category::top, procedures::evaluate_top(cards));
    const procedures::Found kinds = procedures::evaluate_kinds(cards);
    found(q, hand, kinds.category, kinds.index);
    found_or_blank(q, hand, Category::straight, procedures::evaluate_straight(cards));
    found_or_blank(q, hand, Category::flush, procedures::evaluate_flush(cards));
    evaluate_hand_royal(s);
  }

  evaluate_hand_value1();
  evaluate_hand_value();

  std::array<int, seats> winner{};
  // A seat without a player is dealt but not ranked: the best hand at the
  // table is the best of the players'.
  for (int s = 1; s <= seats; ++s)
    winner[static_cast<std::size_t>(s - 1)] = p(s).Active ? p(s).handnumber : 0;
  numberofwinners = 0;
  while (numberofwinners <= 0) evaluate_ultimate_winner(winner);
}

void Table::evaluate_hand_royal(int player) {
  procedures::Hand& hand = hands[static_cast<std::size_t>(player)];
  const int straight = hand[Category::straight];
  const int flush = hand[Category::flush];
  // The straight and the flush may come from different cards: the house
  // counts any straight with any flush as a straight flush.
  if (straight == nothing || flush == nothing) return;
  found(p(player), hand, Category::straight_flush, straight);
  if (straight == procedures::ace) found(p(player), hand, Category::royal_flush, flush);
}

void Table::evaluate_hand_value1() {
  for (int s = 1; s <= 5; ++s) value_seat(s);
}

void Table::evaluate_hand_value() {
  for (int s = 6; s <= seats; ++s) value_seat(s);
}

void Table::value_seat(int s) {
  player& q = p(s);
  const procedures::Hand& hand = hands[static_cast<std::size_t>(s)];
  // The highest category found decides: its description, and its step plus
  // one rank or suit, with no kickers.
  for (int c = procedures::category_count - 1; c >= 0; --c) {
    const auto category = static_cast<Category>(c);
    if (hand[category] == nothing) continue;
    q.handvalue = q.*description_of(category).member;
    q.handnumber = (c + 1) * value_step + hand[category] + 1;
    return;
  }
}

}  // namespace tarvix
