// The view's own places for what the design draws too small to read or
// would cover once drawn larger: the cards, the human's plate and the bets
// in their way. The screen model keeps the designed places; these are where
// the window shows them. In twips, so that they scale with the window as
// the design does.
#pragma once

#include "model/elements.h"

namespace tarvix::windows::places {

// Cards as tall as a player reads them at 1280 x 720: the human's at least
// 96 pixels, the others' at least 64 (the table is then 0.08 pixel a twip).
constexpr int human_card_height = 1200;
constexpr int card_height = 800;
// The design's cards, 420 by 540 twips: the shape kept at every size.
constexpr int designed_card_width = 420, designed_card_height = 540;
constexpr int card_width(int height) { return height * designed_card_width / designed_card_height; }
// A card's index (its rank over its suit) takes its left 30 %; the next
// card in the fan covers the rest.
constexpr int index_strip_percent = 32;
constexpr int fan_step(int height) { return card_width(height) * index_strip_percent / 100; }

// Seat s's card c (both from 1).
Rect card(int seat, int card);
// The seat's seven cards together.
Rect fan(int seat);
// The seat's plate as the view draws it before any long text widens it.
Rect plate(int seat);
// Where seat s's bet amount is shown.
Rect bet(int seat);

struct Point {
  int left = 0, top = 0;
  bool operator==(const Point&) const = default;
};
// Where the chip of backchips(index) is shown when the model puts it at
// `at`: a bet pile moves with its seat's bet amount, and so does a pot chip
// that slides onto it.
Point chip(int index, Point at);
// The same for the chip's whole place.
Rect chip_place(int index, Rect at);

}  // namespace tarvix::windows::places
