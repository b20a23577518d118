// Card numbers and card texts.
//
// A card is 1..52, rank-major (two .. ace) and suit-minor (clubs, diamonds,
// hearts, spades); 0 means "no card". The natural order of the numbers is the
// order the toss for the first dealer uses.
#pragma once

#include <string>

namespace tarvix {

constexpr int no_card = 0;
constexpr int cards_in_pack = 52;

constexpr int rank_index(int card) { return (card - 1) / 4; }  // 0 = two .. 12 = ace
constexpr int suit_index(int card) { return (card - 1) % 4; }  // 0 = clubs .. 3 = spades

// The card's text: rank token ("2".."10", "J", "Q", "K", "A") and suit letter.
// Anything outside 1..52 gives the empty text.
std::string convert2card(const int& temp);
// The same text written into text in place, with no string made on the way.
void write_card_text(int card, std::string& text);

// The card in words, as a screen reader says it: "seven of diamonds", "ace of
// spades". Anything outside 1..52 gives the empty text.
std::string card_words(int card);

// A hand value (ShowdownHand::value) in words, as a screen reader says it:
// "pair of nines", "full house, kings", "flush in hearts". Empty for a value
// that names no hand.
std::string hand_words(int value);

// Whether the c-th card a seat is dealt (1 .. 7) lies face up: the second,
// fourth, fifth and sixth; the others are the seat's own, face down.
constexpr bool dealt_face_up(int c) { return c == 2 || c == 4 || c == 5 || c == 6; }

// The rank tokens in ascending order, "2" .. "A".
extern const char* const rank_tokens[13];

}  // namespace tarvix
