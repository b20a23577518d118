// The table as a player sees it, and the stacks behind it: two games that
// compare equal here look the same to the player, to the pixel.
#pragma once

#include <string>
#include <vector>

#include "model/game.h"
#include "model/table.h"

namespace tarvix {

struct TableSeen {
  std::vector<std::string> elements;  // every element as drawn
  std::vector<std::vector<int>> cards;
  std::vector<Chips> stacks;
  Millis now = 0;
  int hand = 0;
  bool paused = false;
  bool operator==(const TableSeen&) const = default;
};

inline TableSeen table_seen(const Game& game) {
  TableSeen s;
  for (int e = 0; e < element_count; ++e) {
    const ElementState& at = game.screen().at(Element(e));
    s.elements.push_back(std::to_string(at.visible) + at.caption + "|" + at.text + "|" +
                         std::to_string(at.picture) + " " + std::to_string(at.left) + " " +
                         std::to_string(at.top) + " " + std::to_string(at.back) + " " +
                         std::to_string(at.fore) + " " + std::to_string(at.fill) + " " +
                         std::to_string(at.font_size) + " " + std::to_string(at.opaque));
  }
  for (int seat = 1; seat <= seats; ++seat) {
    s.cards.push_back(game.cards_seen(seat));
    s.stacks.push_back(game.table().p(seat).prize);
  }
  s.now = game.now();
  s.hand = game.hand();
  s.paused = game.paused();
  return s;
}

}  // namespace tarvix
