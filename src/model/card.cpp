#include "model/card.h"

namespace tarvix {

const char* const rank_tokens[13] = {"2", "3",  "4", "5", "6", "7", "8",
                                     "9", "10", "J", "Q", "K", "A"};

std::string convert2card(const int& temp) {
  if (temp < 1 || temp > cards_in_pack) return {};
  static const char suit_letters[] = {'c', 'd', 'h', 's'};
  return std::string(rank_tokens[rank_index(temp)]) + suit_letters[suit_index(temp)];
}

std::string card_words(int card) {
  if (card < 1 || card > cards_in_pack) return {};
  static const char* const ranks[] = {"two",  "three", "four", "five",  "six",  "seven", "eight",
                                      "nine", "ten",   "jack", "queen", "king", "ace"};
  static const char* const suits[] = {"clubs", "diamonds", "hearts", "spades"};
  return std::string(ranks[rank_index(card)]) + " of " + suits[suit_index(card)];
}

}  // namespace tarvix
