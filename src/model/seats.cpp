// Helpers that every subsystem shares: the seat that holds the button, a
// seat's stack and cards on screen, and the controls the table shows.
#include "model/card.h"
#include "model/table.h"
#include "model/text.h"

namespace tarvix {

int Table::dealer_seat() const {
  for (int s = 1; s <= seats; ++s)
    if (p(s).dealer == 1) return s;
  return 0;
}

void Table::move_dealer_marker(int s) {
  // Card slots never move, so the design's place of the reference slot is
  // where the marker goes.
  constexpr int offset = 500;
  const Rect reference = design_rect(card_slot(s, 4));
  display.set_position(Label1, reference.left + offset, reference.top + offset);
  display.set_visible(Label1, true);
}

void Table::show_stack(int s) { display.set_caption(stack_label(s), stack_text(p(s).prize)); }

void Table::hide_card_slots(int s) {
  for (int c = 1; c <= cards_per_seat; ++c) display.set_visible(card_slot(s, c), false);
}

void Table::set_card_picture(int s, int c, int face) {
  faces_[slot_index(s, c)] = face;
  display.set_picture(card_slot(s, c), face != no_card ? face : settings.backside);
}

bool Table::all_others_folded(int k) const {
  for (int s = 1; s <= seats; ++s)
    if (s != k && !p(s).fold) return false;
  return true;
}

void Table::show_control(Element e, bool shown) {
  shown_controls_.set(static_cast<std::size_t>(e), shown);
  display.set_visible(e, shown);
}

}  // namespace tarvix
