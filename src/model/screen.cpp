#include "model/screen.h"

#include <cassert>

namespace tarvix {

namespace {

constexpr Color dark = 0x80;  // seat plates and lights when it is not the seat's turn

bool visible_at_load(Element e) {
  switch (kind_of(e)) {
    case ElementKind::card_slot:
    case ElementKind::chip: return false;
    case ElementKind::shape:
      return e != Shape12;  // the amount box's frame belongs to the bet panel
    case ElementKind::seat_light: return true;
    case ElementKind::button: return e == Command2 || e == Command3;
    case ElementKind::text_box: return false;
    case ElementKind::label: break;
  }
  if (e >= Label3 && e <= Label19) return true;
  return e == limitslabel || e == limitsdisplay;
}

std::string caption_at_load(Element e) {
  if (e >= Label3 && e <= Label9) return "Player";
  if (e >= Label13 && e <= Label19) return "Prize";
  if ((e >= chiplabel1 && e <= chiplabel7) || e == potlabel || e == sidepotlabel) return "500";
  return design_caption(e);
}

using Elements = std::array<ElementState, element_count>;

Elements elements_at_load() {
  Elements elements{};
  for (int i = 0; i < element_count; ++i) {
    const auto e = static_cast<Element>(i);
    if (is_chip(e) && array_index(e) >= 42 && array_index(e) < 60) continue;
    ElementState& s = elements[static_cast<std::size_t>(i)];
    const Rect r = design_rect(e);
    s.left = r.left;
    s.top = r.top;
    s.width = r.width;
    s.height = r.height;
    s.visible = visible_at_load(e);
    s.caption = caption_at_load(e);
    if (kind_of(e) == ElementKind::seat_light) s.back = dark;
    if (e >= Shape7 && e <= Shape11) s.fill = dark;
  }
  return elements;
}

}  // namespace

// Laid out once and copied: every simulated tournament starts a screen.
Screen::Screen() {
  static const Elements at_load = elements_at_load();
  elements_ = at_load;
}

void Screen::set_visible(Element e, bool visible) {
  if (state(e).visible == visible) return;
  state(e).visible = visible;
  changed(e);
}

void Screen::set_caption(Element e, const std::string& caption) {
  if (state(e).caption == caption) return;
  state(e).caption = caption;
  changed(e);
}

void Screen::set_picture(Element e, int cell) {
  assert(is_card_slot(e) && cell >= 0 && cell < 72);
  if (state(e).picture == cell) return;
  state(e).picture = cell;
  changed(e);
}

void Screen::set_position(Element e, int left, int top) {
  ElementState& s = state(e);
  if (s.left == left && s.top == top) return;
  s.left = left;
  s.top = top;
  changed(e);
}

void Screen::set_color(Element e, ColorRole role, Color color) {
  Color& slot = role == ColorRole::back   ? state(e).back
                : role == ColorRole::fore ? state(e).fore
                                          : state(e).fill;
  if (slot == color) return;
  slot = color;
  changed(e);
}

void Screen::set_font_size(Element e, int points) {
  if (state(e).font_size == points) return;
  state(e).font_size = points;
  changed(e);
}

void Screen::set_opaque(Element e, bool opaque) {
  if (state(e).opaque == opaque) return;
  state(e).opaque = opaque;
  changed(e);
}

void Screen::set_text(Element e, const std::string& text) {
  if (state(e).text == text) return;
  state(e).text = text;
  changed(e);
}

}  // namespace tarvix
