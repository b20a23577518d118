// The evaluation of all seven seats right after the deal: the detectors'
// descriptions, then one hand value per seat, then the ranking.
#include <string>

#include "evaluation/detectors.h"
#include "model/card.h"
#include "model/table.h"

namespace tarvix {

namespace {

bool contains(const std::string& text, const char* word) {
  return text.find(word) != std::string::npos;
}

// The text after the first occurrence of lead: "10" of "straight 10" after "straight ".
std::string text_after(const std::string& text, const std::string& lead) {
  const auto at = text.find(lead);
  return at == std::string::npos ? std::string{} : text.substr(at + lead.size());
}

std::string last_word(const std::string& text) {
  const auto blank = text.rfind(' ');
  return blank == std::string::npos ? text : text.substr(blank + 1);
}

// Offsets on the hundreds scale: "2" is 1 .. "A" is 13; "clubs" 1 .. "spades" 4.
int rank_offset(const std::string& word) {
  for (int i = 0; i < 13; ++i)
    if (word == rank_tokens[i]) return i + 1;
  return 0;
}

int suit_offset(const std::string& word) {
  static const char* const words[] = {"clubs", "diamonds", "hearts", "spades"};
  for (int i = 0; i < 4; ++i)
    if (word == words[i]) return i + 1;
  return 0;
}

struct Category {
  std::string player::*member;
  const char* keyword;
  int base;
  bool by_suit;
};

// Lowest first: a category found later overwrites the earlier ones.
const Category categories[] = {
    {&player::handvaluetops, "Top", 100, false},
    {&player::handvaluepair, "Pair", 200, false},
    {&player::handvaluetwok, "Two Kind", 300, false},
    {&player::handvaluethreek, "Three Kind", 400, false},
    {&player::handvaluestraight, "straight", 500, false},
    {&player::handvalueflush, "flush", 600, true},
    {&player::handvaluefullhouse, "FullHouse", 700, false},
    {&player::handvaluefourk, "Four Kind", 800, false},
    {&player::handvaluesflush, "straight flush", 900, false},
    {&player::handvaluerflush, "royal", 1000, true},
};

}  // namespace

void Table::evaluate_player_cards() {
  for (int s = 1; s <= seats; ++s) {
    player& q = p(s);
    procedures::CardTexts cards;
    for (int c = 1; c <= 7; ++c) cards[static_cast<std::size_t>(c - 1)] = q.cardtext(c);

    const std::string top = procedures::evaluate_top(cards);
    if (contains(top, "Top")) q.handvaluetops = top;

    const std::string kinds = procedures::evaluate_kinds(cards);
    if (contains(kinds, "Pair")) q.handvaluepair = kinds;
    if (contains(kinds, "Two Kind")) q.handvaluetwok = kinds;
    if (contains(kinds, "Three Kind")) q.handvaluethreek = kinds;
    if (contains(kinds, "FullHouse")) q.handvaluefullhouse = kinds;
    if (contains(kinds, "Four Kind")) q.handvaluefourk = kinds;

    q.handvaluestraight = procedures::evaluate_straight(cards);
    q.handvalueflush = procedures::evaluate_flush(cards);
    evaluate_hand_royal(s);
  }

  evaluate_hand_value1();
  evaluate_hand_value();

  std::array<int, seats> winner{};
  for (int s = 1; s <= seats; ++s) winner[static_cast<std::size_t>(s - 1)] = p(s).handnumber;
  numberofwinners = 0;
  while (numberofwinners <= 0) evaluate_ultimate_winner(winner);
}

void Table::evaluate_hand_royal(int player) {
  auto& q = p(player);
  const bool straight = contains(q.handvaluestraight, "straight");
  const bool flush = contains(q.handvalueflush, "flush");
  // The straight and the flush may come from different cards: the house
  // counts any straight with any flush as a straight flush.
  if (straight && flush)
    q.handvaluesflush = "straight flush " + text_after(q.handvaluestraight, "straight ");
  if (contains(q.handvaluestraight, "straight A") && flush)
    q.handvaluerflush = "royal flush " + text_after(q.handvalueflush, "flush ");
}

void Table::evaluate_hand_value1() {
  for (int s = 1; s <= 5; ++s) value_seat(s);
}

void Table::evaluate_hand_value() {
  for (int s = 6; s <= seats; ++s) value_seat(s);
}

void Table::value_seat(int s) {
  player& q = p(s);
  for (const Category& category : categories) {
    const std::string& description = q.*category.member;
    if (!contains(description, category.keyword)) continue;
    q.handvalue = description;
    const std::string word = last_word(description);
    q.handnumber = category.base + (category.by_suit ? suit_offset(word) : rank_offset(word));
  }
}

}  // namespace tarvix
