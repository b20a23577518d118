#include "model/card.h"

#include <array>

namespace tarvix {

const char* const rank_tokens[13] = {"2", "3",  "4", "5", "6", "7", "8",
                                     "9", "10", "J", "Q", "K", "A"};

namespace {

// Every card's text, made at the first use; entry 0 is no card.
const std::string& text_of(int card) {
  static const std::array<std::string, cards_in_pack + 1> texts = [] {
    static const char suit_letters[] = {'c', 'd', 'h', 's'};
    std::array<std::string, cards_in_pack + 1> made;
    for (int c = 1; c <= cards_in_pack; ++c)
      made[static_cast<std::size_t>(c)] =
          std::string(rank_tokens[rank_index(c)]) + suit_letters[suit_index(c)];
    return made;
  }();
  const bool in_pack = card >= 1 && card <= cards_in_pack;
  return texts[in_pack ? static_cast<std::size_t>(card) : 0];
}

}  // namespace

std::string convert2card(const int& temp) { return text_of(temp); }

void write_card_text(int card, std::string& text) { text = text_of(card); }

std::string card_words(int card) {
  if (card < 1 || card > cards_in_pack) return {};
  static const char* const ranks[] = {"two",  "three", "four", "five",  "six",  "seven", "eight",
                                      "nine", "ten",   "jack", "queen", "king", "ace"};
  static const char* const suits[] = {"clubs", "diamonds", "hearts", "spades"};
  return std::string(ranks[rank_index(card)]) + " of " + suits[suit_index(card)];
}

}  // namespace tarvix
