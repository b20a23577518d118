// What the game core needs of a screen: the table window's display
// operations. The core never draws and never reads the screen back: it sets
// state on elements, and a front end (the recording screen model that the
// Qt window draws) shows it. Every rule decides from the table's own state.
#pragma once

#include <string>

#include "model/elements.h"

namespace tarvix {

enum class ColorRole { back, fore, fill };

class Display {
 public:
  virtual ~Display() = default;

  virtual void set_visible(Element e, bool visible) = 0;
  virtual void set_caption(Element e, const std::string& caption) = 0;
  // Card slots: the card-sheet cell shown (0..71).
  virtual void set_picture(Element e, int cell) = 0;
  virtual void set_position(Element e, int left, int top) = 0;
  virtual void set_color(Element e, ColorRole role, Color color) = 0;
  virtual void set_font_size(Element e, int points) = 0;
  virtual void set_opaque(Element e, bool opaque) = 0;
  // The amount box's text as the core last set or accepted it.
  virtual void set_text(Element e, const std::string& text) = 0;
};

}  // namespace tarvix
