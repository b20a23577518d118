#include "harness/text_evaluator.h"

#include <array>
#include <string>

#include "model/card.h"

namespace tarvix::harness {

namespace {

using CardTexts = std::array<std::string, 7>;

// ---- The detectors: each reads one seat's seven card texts in card order
// and returns a description, or " " when it finds nothing.
const std::string nothing = " ";

bool has_rank(const std::string& text, const std::string& token) {
  return !token.empty() && text.compare(0, token.size(), token) == 0;
}

// Everything before the suit letter: "10" of "10c", "Q" of "Qh".
std::string rank_of(const std::string& text) {
  return text.empty() ? std::string{} : text.substr(0, text.size() - 1);
}

// 2..10, J 11, Q 12, K 13, A 14; 0 for a text that is no rank token.
int rank_value(const std::string& token) {
  for (int i = 0; i < 13; ++i)
    if (token == rank_tokens[i]) return i + 2;
  return 0;
}

int count_rank(const CardTexts& cards, const std::string& token) {
  int count = 0;
  for (const auto& text : cards)
    if (has_rank(text, token)) ++count;
  return count;
}

bool rank_present(const CardTexts& cards, const std::string& token) {
  return count_rank(cards, token) > 0;
}

// Run number k (0 = the ace-low run "5" .. 9 = the run to the ace) holds five
// ranks: the ace-low run A 2 3 4 5, the others five consecutive rank indexes.
std::string run_rank(int run, int place) {
  if (run == 0 && place == 0) return "A";
  const int index = run == 0 ? place - 1 : run - 1 + place;
  return rank_tokens[index];
}

std::string run_name(int run) { return rank_tokens[run + 3]; }

std::string evaluate_top(const CardTexts& cards) {
  std::string result = nothing;
  for (const char* token : rank_tokens)
    for (int c = 0; c < 2; ++c)
      if (cards[static_cast<std::size_t>(c)].find(token) != std::string::npos)
        result = std::string("Top ") + token;
  return result;
}

std::string evaluate_kinds(const CardTexts& cards) {
  const std::string r1 = rank_of(cards[0]);
  const std::string r2 = rank_of(cards[1]);
  const int count1 = count_rank(cards, r1);
  const int count2 = count_rank(cards, r2);

  // Every rule that holds overwrites the result: the last one decides.
  std::string result = nothing;
  if (count1 == 2) result = "Pair " + r1;
  if (count2 == 2) result = "Pair " + r2;
  if (count1 == 2 && count2 == 2 && r1 != r2)
    result = "Two Kind " + (rank_value(r1) > rank_value(r2) ? r1 : r2);
  if (count1 == 3) result = "Three Kind " + r1;
  if (count2 == 3) result = "Three Kind " + r2;
  if (count1 == 3 && count2 == 2) result = "FullHouse " + r1;
  if (count1 == 2 && count2 == 3) result = "FullHouse " + r2;
  if (count1 == 4) result = "Four Kind " + r1;
  if (count2 == 4) result = "Four Kind " + r2;
  return result;
}

std::string evaluate_straight(const CardTexts& cards) {
  const std::string r1 = rank_of(cards[0]);
  const std::string r2 = rank_of(cards[1]);
  std::string result = nothing;
  // Token by token in ascending order, so the ace's runs are tested last: an
  // ace among the first two cards lets the ace-low run stand.
  for (const char* token : rank_tokens) {
    if (token != r1 && token != r2) continue;
    for (int run = 0; run < 10; ++run) {
      bool contains_token = false;
      bool present = true;
      for (int place = 0; place < 5; ++place) {
        const std::string rank = run_rank(run, place);
        if (rank == token) contains_token = true;
        if (!rank_present(cards, rank)) present = false;
      }
      if (contains_token && present) result = "straight " + run_name(run);
    }
  }
  return result;
}

std::string evaluate_flush(const CardTexts& cards) {
  static const char letters[] = {'c', 'd', 'h', 's'};
  static const char* const words[] = {"clubs", "diamonds", "hearts", "spades"};
  std::string result = nothing;
  for (int suit = 0; suit < 4; ++suit) {
    int count = 0;
    for (const auto& text : cards)
      if (text.find(letters[suit], 1) != std::string::npos) ++count;
    if (count >= 5) result = std::string("flush ") + words[suit];
  }
  return result;
}

// ---- The valuing: one rank or suit per hand value, read back from the
// descriptions.
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

void evaluate_hand_royal(player& q) {
  const bool straight = contains(q.handvaluestraight, "straight");
  const bool flush = contains(q.handvalueflush, "flush");
  // The straight and the flush may come from different cards: the house
  // counts any straight with any flush as a straight flush.
  if (straight && flush)
    q.handvaluesflush = "straight flush " + text_after(q.handvaluestraight, "straight ");
  if (contains(q.handvaluestraight, "straight A") && flush)
    q.handvaluerflush = "royal flush " + text_after(q.handvalueflush, "flush ");
}

void value_seat(player& q) {
  for (const Category& category : categories) {
    const std::string& description = q.*category.member;
    if (!contains(description, category.keyword)) continue;
    q.handvalue = description;
    const std::string word = last_word(description);
    q.handnumber = category.base + (category.by_suit ? suit_offset(word) : rank_offset(word));
  }
}

}  // namespace

void evaluate_by_text(Table& table) {
  for (int s = 1; s <= seats; ++s) {
    player& q = table.p(s);
    CardTexts cards;
    for (int c = 1; c <= 7; ++c) cards[static_cast<std::size_t>(c - 1)] = q.cardtext(c);

    const std::string top = evaluate_top(cards);
    if (contains(top, "Top")) q.handvaluetops = top;

    const std::string kinds = evaluate_kinds(cards);
    if (contains(kinds, "Pair")) q.handvaluepair = kinds;
    if (contains(kinds, "Two Kind")) q.handvaluetwok = kinds;
    if (contains(kinds, "Three Kind")) q.handvaluethreek = kinds;
    if (contains(kinds, "FullHouse")) q.handvaluefullhouse = kinds;
    if (contains(kinds, "Four Kind")) q.handvaluefourk = kinds;

    q.handvaluestraight = evaluate_straight(cards);
    q.handvalueflush = evaluate_flush(cards);
    evaluate_hand_royal(q);
  }

  for (int s = 1; s <= seats; ++s) value_seat(table.p(s));

  std::array<int, seats> winner{};
  for (int s = 1; s <= seats; ++s) winner[static_cast<std::size_t>(s - 1)] = table.p(s).handnumber;
  table.numberofwinners = 0;
  while (table.numberofwinners <= 0) table.evaluate_ultimate_winner(winner);
}

}  // namespace tarvix::harness
