#include "windows/table_places.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace tarvix::windows::places {

namespace {

constexpr int human = 1;
// What a plate keeps for its name, stack and tag, from its outer edge: the
// seat's cards lie against these rows, over the rest of the plate.
constexpr int plate_rows = 900;
// The human's plate reaches down to this edge of the table, under the
// human's larger cards.
constexpr int human_plate_bottom = design_height - 40;
// The middle of each seat's fan across the table: near its plate, clear of
// the other seats' cards and of the bets.
constexpr std::array<int, seats> fan_middle{4932, 1908, 1608, 3908, 6408, 8358, 8108};
// How far each seat's bet (its pile and amount) is moved: the human's to
// between its larger cards and the pot, seat 5's and seat 6's clear of the
// message across the table.
constexpr std::array<Point, seats> bet_shift{
    {{448, -200}, {0, 0}, {0, 0}, {0, 0}, {0, -60}, {0, 100}, {0, 0}}};

Point shift_of(int seat) {
  return seat > 0 ? bet_shift[static_cast<std::size_t>(seat - 1)] : Point{};
}

bool cards_towards_top(int seat) {
  // As the design has them: the cards lie above the plate or below it.
  const Rect designed = design_rect(card_slot(seat, 1));
  const Rect plate = design_rect(seat_plate(seat));
  return designed.top + designed.height / 2 < plate.top + plate.height / 2;
}

int height_of(int seat) { return seat == human ? human_card_height : card_height; }

Rect shifted(Rect r, Point by) {
  r.left += by.left;
  r.top += by.top;
  return r;
}

// The seat whose bet pile is at or near a place, or 0: a pot chip sliding
// onto a pile lands on the pile's designed place, or where the human's
// chips are put back before a stake, up to 300 twips right of it.
int pile_seat(Point at) {
  constexpr int reach = 320;
  for (int s = 1; s <= seats; ++s) {
    for (int i = 0; i < pile_chips; ++i) {
      const Rect r = design_rect(backchips(pile_chips * (s - 1) + i));
      if (std::abs(at.left - r.left) <= reach && std::abs(at.top - r.top) <= reach) return s;
    }
  }
  return 0;
}

}  // namespace

Rect plate(int seat) {
  Rect r = design_rect(seat_plate(seat));
  if (seat == human) r.height = human_plate_bottom - r.top;
  return r;
}

Rect fan(int seat) {
  const int height = height_of(seat);
  const int width = card_width(height) + (cards_per_seat - 1) * fan_step(height);
  const Rect p = plate(seat);
  const int top =
      cards_towards_top(seat) ? p.top + p.height - plate_rows - height : p.top + plate_rows;
  return {fan_middle[static_cast<std::size_t>(seat - 1)] - width / 2, top, width, height};
}

Rect card(int seat, int card) {
  const Rect f = fan(seat);
  const int height = height_of(seat);
  return {f.left + (card - 1) * fan_step(height), f.top, card_width(height), height};
}

Rect bet(int seat) { return shifted(design_rect(bet_label(seat)), shift_of(seat)); }

Point chip(int index, Point at) {
  const int seat = index < seats * pile_chips ? index / pile_chips + 1 : pile_seat(at);
  const Point by = shift_of(seat);
  return {at.left + by.left, at.top + by.top};
}

Rect chip_place(int index, Rect at) {
  const Point shown = chip(index, Point{at.left, at.top});
  return {shown.left, shown.top, at.width, at.height};
}

}  // namespace tarvix::windows::places
