// Following the screen model: a change starts a chip's slide or a card's
// turn, and the frames draw again only what moves.
#include <QRegion>

#include "windows/game_host.h"
#include "windows/table_places.h"
#include "windows/table_window.h"

namespace tarvix::windows {

namespace {

// A pixel round every place that moves: anti-aliased edges and fractional
// pixel ratios may reach into it.
constexpr int seam = 1;

bool is_widget(Element e) {
  return kind_of(e) == ElementKind::button || kind_of(e) == ElementKind::text_box;
}

}  // namespace

void TableWindow::element_changed(Element e) {
  const ElementState& now = screen_.at(e);
  Seen& before = seen_[static_cast<std::size_t>(e)];
  const Motion::Millis t = time_.elapsed();
  // A resumed tournament's replay is shown as it ends: what it moved is not
  // moved again on the screen.
  const bool shown_moving = before.visible && now.visible && !host_.replaying();
  if (is_chip(e) && shown_moving && (before.left != now.left || before.top != now.top)) {
    const int index = array_index(e);
    const places::Point from = places::chip(index, {before.left, before.top});
    const places::Point to = places::chip(index, {now.left, now.top});
    motion_.chip_moved(index, {double(from.left), double(from.top)},
                       {double(to.left), double(to.top)}, t);
  }
  if (is_card_slot(e) && shown_moving && before.picture != now.picture)
    motion_.picture_changed(array_index(e), before.picture, now.picture, t);
  before = {now.visible, now.left, now.top, now.picture};

  if (is_widget(e)) sync_widget(e);
  // A text or the Sit Out button's state changed: the texts are laid out anew.
  if (kind_of(e) == ElementKind::label || e == Command3) relayout();
  if (motion_.active(t) && !frames_.isActive()) frames_.start();
  shown_at_ = t;
  update();
}

void TableWindow::animate() {
  const Motion::Millis now = time_.elapsed();
  // Only what moves is drawn again: from where it was shown to where it is now.
  const QRegion moved = moving(shown_at_) + moving(now);
  shown_at_ = now;
  if (!motion_.active(now)) {
    motion_.forget_finished(now);
    frames_.stop();
  }
  update(moved);
}

QRegion TableWindow::moving(Motion::Millis at) const {
  QRegion region;
  auto add = [&region](const QRect& place) { region += place.adjusted(-seam, -seam, seam, seam); };
  for (const Motion::Chip& c : motion_.chips(at)) {
    add(chip_place(c.index, c.at));
    // Where it lands, drawn when its slide is over.
    add(chip_place(c.index));
  }
  for (int slot = 0; slot < card_slot_count; ++slot)
    if (motion_.flipping(slot, at)) add(card_ground(slot));
  return region;
}

}  // namespace tarvix::windows
