#include "model/elements.h"

#include <array>
#include <cassert>

namespace tarvix {

namespace {

// Left edge of the first card slot and top of each seat's fan; the slots of
// a fan are spread evenly between the first and the last left edge.
struct Fan {
  int first_left, last_left, top;
};
constexpr std::array<Fan, seats> fans{{{4176, 5196, 7008},
                                       {1572, 2676, 6036},
                                       {1344, 2280, 4404},
                                       {3228, 4320, 3408},
                                       {5604, 6816, 3528},
                                       {7392, 8520, 4752},
                                       {6636, 7704, 6264}}};

constexpr std::array<Rect, seats> plates{{{4056, 7260, 1752, 1296},
                                          {780, 6336, 1752, 1296},
                                          {156, 3372, 1752, 1296},
                                          {2676, 2280, 1752, 1296},
                                          {5760, 2388, 1752, 1296},
                                          {8316, 3816, 1752, 1296},
                                          {7248, 6552, 1752, 1296}}};

constexpr std::array<Rect, seats> lights{{{4932, 7992, 372, 132},
                                          {1344, 7116, 372, 132},
                                          {828, 3864, 372, 132},
                                          {3336, 3084, 372, 132},
                                          {6528, 2784, 372, 132},
                                          {9096, 4296, 372, 132},
                                          {8088, 7344, 372, 132}}};

constexpr std::array<Rect, seats> names{{{4416, 8184, 1020, 444},
                                         {1128, 7224, 984, 708},
                                         {384, 3552, 1092, 588},
                                         {3036, 2436, 1080, 264},
                                         {5940, 2544, 1380, 372},
                                         {8472, 3960, 1740, 252},
                                         {7572, 7500, 1236, 348}}};

constexpr std::array<Rect, seats> stacks{{{4764, 7764, 372, 192},
                                          {1416, 6876, 372, 192},
                                          {756, 4080, 372, 192},
                                          {3336, 2820, 372, 192},
                                          {6420, 2964, 372, 192},
                                          {9168, 4536, 372, 192},
                                          {8052, 7116, 372, 192}}};

constexpr std::array<Rect, seats> bet_labels{{{4272, 6636, 204, 132},
                                              {3192, 6300, 204, 132},
                                              {3000, 4872, 204, 132},
                                              {4716, 4272, 204, 132},
                                              {6156, 4368, 204, 132},
                                              {6756, 5196, 204, 132},
                                              {6276, 6276, 204, 132}}};

constexpr int chip_size = 180;

// Seat 1's pile as the bet display puts it back (top, left); the other seats'
// piles take the same shape against their bet label.
constexpr std::array<std::array<int, 2>, 6> seat1_pile{
    {{6516, 4356}, {6552, 4176}, {6648, 4152}, {6696, 4200}, {6552, 4176}, {6672, 4308}}};

// A pile stands left of its bet label, or right of it where the seat's own
// cards lie to the left (seats 2 and 3), so that it never hides a card.
constexpr std::array<int, seats> pile_shift{-300, 420, 420, -300, -300, -300, -300};

Rect chip_rect(int index) {
  if (index < 42) {
    const int seat = index / 6 + 1;
    const int chip = index % 6;
    const Rect label = bet_labels[seat - 1];
    const int dx = seat1_pile[chip][1] - bet_labels[0].left;
    const int dy = seat1_pile[chip][0] - bet_labels[0].top;
    return {label.left + dx + pile_shift[seat - 1], label.top + dy, chip_size, chip_size};
  }
  // The pot: three piles left of, above and right of the pot label, each a
  // small staggered stack that grows upwards.
  const Rect pot{4656, 5796, 192, 120};
  int group_first = 60, base_left = pot.left - 620, base_top = pot.top - 60;
  if (index >= 84) {
    group_first = 84;
    base_left = pot.left + 420;
    base_top = pot.top - 60;
  } else if (index >= 76) {
    group_first = 76;
    base_left = pot.left - 60;
    base_top = pot.top - 420;
  }
  const int n = index - group_first;
  const int column = n % 3;
  const int layer = n / 3;
  return {base_left + column * 150 + (layer % 2) * 40, base_top - layer * 40, chip_size, chip_size};
}

}  // namespace

bool is_card_slot(Element e) { return e >= image1_first && e < backchips_first; }
bool is_chip(Element e) { return e >= backchips_first && e < Label1; }

int array_index(Element e) {
  if (is_card_slot(e)) return e - image1_first;
  if (is_chip(e)) return e - backchips_first;
  return -1;
}

ElementKind kind_of(Element e) {
  if (is_card_slot(e)) return ElementKind::card_slot;
  if (is_chip(e)) return ElementKind::chip;
  if (e >= Shape1 && e <= Shape13) return ElementKind::shape;
  if (e >= Picture2 && e <= Picture8) return ElementKind::seat_light;
  if (e >= Command2 && e <= Command11) return ElementKind::button;
  if (e == Text2) return ElementKind::text_box;
  return ElementKind::label;
}

std::string element_name(Element e) {
  if (is_card_slot(e)) return "Image1(" + std::to_string(array_index(e)) + ")";
  if (is_chip(e)) return "backchips(" + std::to_string(array_index(e)) + ")";
  static const char* const named[] = {
      "Label1",     "Label2",       "Label3",      "Label4",      "Label5",        "Label6",
      "Label7",     "Label8",       "Label9",      "Label13",     "Label14",       "Label15",
      "Label16",    "Label17",      "Label18",     "Label19",     "Label24",       "chiplabel1",
      "chiplabel2", "chiplabel3",   "chiplabel4",  "chiplabel5",  "chiplabel6",    "chiplabel7",
      "potlabel",   "sidepotlabel", "winnerlabel", "limitslabel", "limitsdisplay", "Shape1",
      "Shape7",     "Shape6",       "Shape5",      "Shape4",      "Shape3",        "Shape2",
      "Shape11",    "Shape12",      "Shape13",     "Picture2",    "Picture3",      "Picture4",
      "Picture5",   "Picture6",     "Picture7",    "Picture8",    "Command2",      "Command3",
      "Command5",   "Command6",     "Command7",    "Command8",    "Command11",     "Text2"};
  static_assert(sizeof(named) / sizeof(named[0]) == element_count - Label1);
  if (e < Label1 || e >= element_count) return "none";
  return named[e - Label1];
}

Element seat_light(int seat) { return Element(Picture2 + seat - 1); }
Element name_label(int seat) { return Element(Label3 + seat - 1); }
Element stack_label(int seat) { return Element(Label13 + seat - 1); }
Element bet_label(int seat) { return Element(chiplabel1 + seat - 1); }
Element seat_plate(int seat) { return Element(Shape7 + seat - 1); }
int seat_of_light(Element e) { return e >= Picture2 && e <= Picture8 ? e - Picture2 + 1 : 0; }

Rect design_rect(Element e) {
  if (is_card_slot(e)) {
    const int slot = array_index(e);
    const Fan& fan = fans[slot / 7];
    const int card = slot % 7;
    return {fan.first_left + (fan.last_left - fan.first_left) * card / 6, fan.top, 420, 540};
  }
  if (is_chip(e)) return chip_rect(array_index(e));
  if (e >= Label3 && e <= Label9) return names[e - Label3];
  if (e >= Label13 && e <= Label19) return stacks[e - Label13];
  if (e >= chiplabel1 && e <= chiplabel7) return bet_labels[e - chiplabel1];
  if (e >= Shape7 && e <= Shape11) return plates[e - Shape7];
  if (e >= Picture2 && e <= Picture8) return lights[e - Picture2];
  switch (e) {
    case Label1: return {4968, 7284, 192, 240};
    case Label2: return {4740, 744, 3036, 408};
    case Label24: return {3972, 4680, 3000, 600};
    case potlabel: return {4656, 5796, 192, 120};
    case sidepotlabel: return {5232, 5796, 192, 120};
    case winnerlabel: return {2400, 1320, 6000, 360};
    case limitslabel: return {4740, 84, 3036, 300};
    case limitsdisplay: return {4740, 408, 3036, 300};
    case Shape1: return {852, 3108, 8352, 4584};
    case Shape12: return {9900, 7176, 2352, 1608};
    case Shape13: return {4584, -156, 3300, 1404};
    case Command5: return {9984, 7296, 1092, 420};
    case Command6: return {11088, 7296, 1092, 420};
    case Command7: return {9984, 7788, 1092, 420};
    case Command8: return {11088, 7788, 1092, 420};
    case Text2: return {10032, 8280, 1356, 384};
    case Command11: return {11556, 8340, 492, 312};
    case Command3: return {8760, 7752, 1092, 372};
    case Command2: return {9084, 8148, 492, 372};
    default: break;
  }
  assert(false && "element without a design place");
  return {};
}

std::string design_caption(Element e) {
  switch (e) {
    case Command2: return "Exit";
    case Command3: return "Sit Out";
    case Command5: return "Call";
    case Command6: return "Raise";
    case Command7: return "Check";
    case Command8: return "Fold";
    case Command11: return "Bet It";
    case Label1: return "D";
    default: return {};
  }
}

}  // namespace tarvix
