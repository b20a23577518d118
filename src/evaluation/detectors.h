// The hand detectors of the code module: each reads one seat's seven card
// texts in card order and returns a description, or " " when it finds nothing.
//
// House rules: high card, pairs and sets, and straights are seen only through
// the ranks of the first two cards; flushes use all seven cards.
#pragma once

#include <array>
#include <string>

namespace tarvix::procedures {

using CardTexts = std::array<std::string, 7>;

std::string evaluate_top(const CardTexts& cards);       // "Top K"
std::string evaluate_kinds(const CardTexts& cards);     // "Pair 9", "FullHouse 7", ...
std::string evaluate_straight(const CardTexts& cards);  // "straight 10"
std::string evaluate_flush(const CardTexts& cards);     // "flush hearts"

}  // namespace tarvix::procedures
