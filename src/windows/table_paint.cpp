// Painting the table: the backdrop, the cards, the chips, the texts on
// their plaques and the dealer button.
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "model/card.h"
#include "windows/art/art.h"
#include "windows/color.h"
#include "windows/table_places.h"
#include "windows/table_style.h"
#include "windows/table_window.h"

namespace tarvix::windows {

namespace {

// Where a picture is drawn, in whole pixels. Pictures of one size keep one
// size wherever they are, so that each is made once: rounded as a whole, a
// card's or a chip's rectangle would differ by a pixel with its place.
constexpr int human_seat = 1;
// A face-down card's shade: a cool grey veil over the face.
const QColor down_shade(40, 60, 90, 80);

QRect snapped(const QRectF& place) { return {place.topLeft().toPoint(), place.size().toSize()}; }

const char* chip_picture(int index) {
  static const char* const paths[] = {art::chip_red_path, art::chip_blue_path, art::chip_green_path,
                                      art::chip_black_path};
  return paths[index % 4];
}

}  // namespace

void TableWindow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  // Pictures are drawn at the size they were made for and only copied: Qt
  // resamples even an exact copy when asked to smooth it, at twice the pixel
  // density on other threads.
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const Motion::Millis now = shown_at_;

  painter.drawPixmap(0, 0, backdrop_.picture(backdrop()));
  painter.save();
  painter.setClipRect(to_view({0, 0, design_width, design_height}));
  // A frame of a slide or a turn paints only the places that move.
  draw_cards(painter, now, event->region());
  draw_chips(painter, now, event->region());
  draw_labels(painter);
  draw_dealer(painter);
  painter.restore();
}

Backdrop TableWindow::backdrop() const {
  Backdrop b;
  b.ground.size = size();
  b.ground.ratio = devicePixelRatioF();
  b.ground.room = room_;
  b.ground.design = to_view({0, 0, design_width, design_height});
  b.ground.scale = scale_;
  if (screen_.visible(Shape1))
    b.ground.table = {view_rect(Shape1), to_qcolor(screen_.at(Shape1).fill)};
  for (Element e : {Shape13, Shape12}) {
    b.ground.shape_places.push_back(view_rect(e));
    if (screen_.visible(e)) b.panels.push_back(view_rect(e));
  }
  for (int s = 1; s <= seats; ++s) {
    const Element plate = seat_plate(s);
    b.ground.shape_places.push_back(view_rect(plate));
    if (screen_.visible(plate))
      b.plates.push_back(
          {spots_.seats[static_cast<std::size_t>(s - 1)].plate, to_qcolor(screen_.at(plate).fill)});
    // Beside the stack, where the layout keeps it clear of every text.
    const Element light = seat_light(s);
    if (screen_.visible(light))
      b.lights.push_back(
          {spots_.seats[static_cast<std::size_t>(s - 1)].light, to_qcolor(screen_.at(light).back)});
  }
  return b;
}

void TableWindow::draw_cards(QPainter& painter, Motion::Millis now, const QRegion& dirty) {
  const qreal ratio = devicePixelRatioF();
  for (int slot = 0; slot < card_slot_count; ++slot) {
    const Element e = Image1(slot);
    const ElementState& s = screen_.at(e);
    if (!s.visible || s.picture < 0 || !dirty.intersects(card_ground(slot))) continue;
    const QRect r = snapped(card_place(slot));
    const auto flip = motion_.flip(slot, now);
    // A turning card is drawn narrower about its middle, its shadow with it.
    const double w = flip ? r.width() * std::max(flip->width, 0.02) : r.width();
    const QRectF shown(QRectF(r).center().x() - w / 2, r.top(), w, r.height());
    if (flip) {
      CardShadow::draw(painter, shown, scale_);
      painter.setRenderHint(QPainter::SmoothPixmapTransform);
      painter.drawPixmap(shown, pictures_.card(flip->cell, r.size(), ratio),
                         QRectF(QPointF(0, 0), QSizeF(r.size()) * ratio));
      painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
      mark_down(painter, slot, shown);
      continue;
    }
    painter.drawPixmap(r.topLeft(), shadow_.picture(r.size(), scale_, ratio));
    painter.drawPixmap(r.topLeft(), pictures_.card(s.picture, r.size(), ratio));
    mark_down(painter, slot, r);
  }
}

void TableWindow::mark_down(QPainter& painter, int slot, const QRectF& card) const {
  // The human sees the faces of its own face-down cards; as at a stud table,
  // they are told apart from the up cards by a shade, the face still legible.
  const int seat = slot / cards_per_seat + 1, card_number = slot % cards_per_seat + 1;
  if (seat != human_seat || dealt_face_up(card_number)) return;
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(down_shade);
  const double corner = card.width() / 12;
  painter.drawRoundedRect(card, corner, corner);
  painter.restore();
}

QRect TableWindow::chip_place(int index, std::optional<Motion::Point> on_its_way) const {
  // A slide's ends are in the view's places already.
  const ElementState& s = screen_.at(backchips(index));
  if (!on_its_way)
    return snapped(to_view(places::chip_place(index, {s.left, s.top, s.width, s.height})));
  return snapped(to_view(
      {static_cast<int>(on_its_way->x), static_cast<int>(on_its_way->y), s.width, s.height}));
}

QRect TableWindow::card_ground(int slot) const {
  return CardShadow::ground(snapped(card_place(slot)), scale_);
}

void TableWindow::draw_chip(QPainter& painter, int index, const QRect& r) {
  painter.drawPixmap(r.topLeft(), pictures_.picture(QString::fromLatin1(chip_picture(index)),
                                                    r.size(), devicePixelRatioF()));
}

void TableWindow::draw_chips(QPainter& painter, Motion::Millis now, const QRegion& dirty) {
  const std::vector<Motion::Chip> flying = motion_.chips(now);
  auto in_flight = [&flying](int index) {
    return std::any_of(flying.begin(), flying.end(),
                       [index](const Motion::Chip& c) { return c.index == index; });
  };
  for (int i = 0; i < backchips_count; ++i) {
    const Element e = backchips(i);
    const QRect place = chip_place(i);
    if (!screen_.visible(e) || in_flight(i) || !dirty.intersects(place)) continue;
    draw_chip(painter, i, place);
  }
  for (const Motion::Chip& c : flying) {
    const QRect place = chip_place(c.index, c.at);
    if (dirty.intersects(place)) draw_chip(painter, c.index, place);
  }
}

void TableWindow::draw_spot(QPainter& painter, const Spot& spot, PlaquePicture& plaque) {
  if (!spot.shown()) return;
  struct Ink {
    int plaque_alpha;  // 0: no plaque
    QColor text;
  };
  auto ink = [](Look look) -> Ink {
    switch (look) {
      case Look::plain: return {0, style::cream};
      case Look::name: return {150, Qt::white};
      case Look::heading: return {175, style::gold_text};
      case Look::tag_strong: return {170, style::gold_text};
      case Look::tag_all_in: return {170, style::all_in_text};
      case Look::tag_fold: return {150, style::fold_text};
      case Look::tag_hand: return {190, Qt::white};
      case Look::won: return {190, style::won_text};
      default: return {150, style::cream};
    }
  };
  Ink how = ink(spot.look);
  if (spot.look == Look::opaque) {
    // The message in the game's own colours, on its own ground.
    const ElementState& s = screen_.at(Label24);
    plaque.draw(painter, {spot.box, 0, to_qcolor(s.back)}, devicePixelRatioF());
    how.text = to_qcolor(s.fore);
  } else if (how.plaque_alpha > 0) {
    plaque.draw(painter, {spot.box, spot.box.height() / 3, QColor(0, 0, 0, how.plaque_alpha)},
                devicePixelRatioF());
  }
  painter.setFont(spot.font);
  painter.setPen(how.text);
  painter.drawText(spot.inner, spot.flags, spot.text);
}

void TableWindow::draw_labels(QPainter& painter) {
  const std::vector<const Spot*> texts = spots_.texts();
  plaques_.resize(texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i) draw_spot(painter, *texts[i], plaques_[i]);
}

void TableWindow::draw_dealer(QPainter& painter) {
  if (spots_.dealer.isEmpty()) return;
  const QRect place = snapped(spots_.dealer);
  painter.drawPixmap(place.topLeft(), pictures_.picture(QString::fromLatin1(art::dealer_path),
                                                        place.size(), devicePixelRatioF()));
}

}  // namespace tarvix::windows
