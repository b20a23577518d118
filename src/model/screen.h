// The recording display: keeps every element's state so that tests, the
// headless simulator and the Qt window all read the same screen model.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "model/display.h"

namespace tarvix {

struct ElementState {
  bool visible = false;
  std::string caption;
  std::string text;  // the amount box
  int picture = -1;  // card-sheet cell, card slots only
  int left = 0, top = 0, width = 0, height = 0;
  Color back = 0, fore = 0, fill = 0;
  int font_size = 0;  // 0 = the element's default
  bool opaque = false;
};

class Screen : public Display {
 public:
  // Every element as the table window looks when it is loaded.
  Screen();

  void set_visible(Element e, bool visible) override;
  void set_caption(Element e, const std::string& caption) override;
  void set_picture(Element e, int cell) override;
  void set_position(Element e, int left, int top) override;
  bool visible(Element e) const { return at(e).visible; }
  int left(Element e) const { return at(e).left; }
  int top(Element e) const { return at(e).top; }
  void set_color(Element e, ColorRole role, Color color) override;
  void set_font_size(Element e, int points) override;
  void set_opaque(Element e, bool opaque) override;
  void set_text(Element e, const std::string& text) override;

  const ElementState& at(Element e) const { return elements_[static_cast<std::size_t>(e)]; }
  const std::string& caption(Element e) const { return at(e).caption; }
  int picture(Element e) const { return at(e).picture; }
  // Counts the element's changes: a reader that checks what an element
  // shows need not look again while the count stands.
  std::uint32_t revision(Element e) const { return revisions_[static_cast<std::size_t>(e)]; }

  // Called after every change with the element changed; the Qt window uses
  // it to repaint only what moved.
  std::function<void(Element)> on_change;

 private:
  ElementState& state(Element e) { return elements_[static_cast<std::size_t>(e)]; }
  void changed(Element e) {
    ++revisions_[static_cast<std::size_t>(e)];
    if (on_change) on_change(e);
  }

  std::array<ElementState, element_count> elements_{};
  std::array<std::uint32_t, element_count> revisions_{};
};

}  // namespace tarvix
