// The table window's elements, by their design names, and where the design
// puts them. The core addresses the screen only through these ids; the
// recording display and the Qt window index their state by them.
#pragma once

#include <cstdint>
#include <string>

namespace tarvix {

// Card slots Image1(0..48) and chip pictures backchips(0..90) come first, so
// that both control arrays map onto plain index ranges.
// Laid out by group, a row a kind of element.
// clang-format off
enum Element : int {
  no_element = -1,
  image1_first = 0,
  backchips_first = 49,
  Label1 = backchips_first + 91,  // dealer marker "D"
  Label2,                         // players remaining in the tournament
  Label3, Label4, Label5, Label6, Label7, Label8, Label9,           // names
  Label13, Label14, Label15, Label16, Label17, Label18, Label19,    // stacks
  Label24,                                                          // message
  chiplabel1, chiplabel2, chiplabel3, chiplabel4, chiplabel5, chiplabel6, chiplabel7,
  potlabel, sidepotlabel, winnerlabel, limitslabel, limitsdisplay,
  Shape1,                                                  // table top
  Shape7, Shape6, Shape5, Shape4, Shape3, Shape2, Shape11,  // seat plates, seats 1..7
  Shape12,                                                 // action panel frame
  Shape13,                                                 // information panel
  Picture2, Picture3, Picture4, Picture5, Picture6, Picture7, Picture8,  // seat lights
  Command2,   // Exit
  Command3,   // Sit Out
  Command5,   // Call
  Command6,   // Raise
  Command7,   // Check
  Command8,   // Fold
  Command11,  // Bet It
  Text2,      // amount box
  element_count
};
// clang-format on

constexpr int seats = 7;
constexpr int cards_per_seat = 7;
constexpr int card_slot_count = seats * cards_per_seat;
constexpr int backchips_count = 91;  // indexes 42..59 exist in the array but are never used
constexpr int pile_chips = 6;        // chips in a seat's bet pile: seat s has 6(s-1) .. 6(s-1)+5
constexpr int pot_chip_first = 60;   // the pot's piles: 60..75, 76..83, 84..90
constexpr int pot_chip_last = 90;
constexpr int pot_chip_count = pot_chip_last - pot_chip_first + 1;

constexpr Element Image1(int index) { return Element(image1_first + index); }
constexpr Element backchips(int index) { return Element(backchips_first + index); }
// Card c (1..7) of seat s (1..7) is always shown in this slot.
constexpr Element card_slot(int seat, int card) {
  return Image1(cards_per_seat * (seat - 1) + (card - 1));
}

enum class ElementKind { card_slot, chip, label, shape, seat_light, button, text_box };

ElementKind kind_of(Element e);
bool is_card_slot(Element e);
bool is_chip(Element e);
int array_index(Element e);  // index within Image1 or backchips, else -1

// "Image1(12)", "backchips(60)", "Label13", "Command5", ...
std::string element_name(Element e);

// Per-seat elements (seat 1..7).
Element seat_light(int seat);   // Picture2 .. Picture8
Element name_label(int seat);   // Label3 .. Label9
Element stack_label(int seat);  // Label13 .. Label19
Element bet_label(int seat);    // chiplabel1 .. chiplabel7
Element seat_plate(int seat);   // Shape7, Shape6, Shape5, Shape4, Shape3, Shape2, Shape11
int seat_of_light(Element e);   // 1..7 for Picture2..Picture8, else 0

// Colours as the design writes them: &HBBGGRR.
using Color = std::uint32_t;

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
};

// The element's place in the design, in twips (15 twips to a pixel).
Rect design_rect(Element e);

// The whole design area, in twips.
constexpr int design_width = 12360;
constexpr int design_height = 8820;

// Design captions of the buttons.
std::string design_caption(Element e);

}  // namespace tarvix
