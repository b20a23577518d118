#include "windows/backdrop.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRegion>
#include <algorithm>

#include "windows/art/drawing.h"
#include "windows/card_pictures.h"
#include "windows/table_style.h"

namespace tarvix::windows {

namespace {

void draw_table(QPainter& painter, const Backdrop::Ground& b) {
  if (!b.table) return;
  const QRectF felt = b.table->place;
  const double rim = 130 * b.scale;
  const QRectF outer = felt.adjusted(-rim, -rim, rim, rim);

  // A soft shadow, the wooden rim, then the felt in the chosen colour.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 90));
  painter.drawRoundedRect(outer.translated(0, 70 * b.scale), outer.height() / 2,
                          outer.height() / 2);
  QLinearGradient wood(outer.topLeft(), outer.bottomLeft());
  wood.setColorAt(0, QColor(0x7a, 0x48, 0x20));
  wood.setColorAt(0.5, QColor(0x5a, 0x32, 0x14));
  wood.setColorAt(1, QColor(0x3a, 0x1f, 0x0b));
  painter.setBrush(wood);
  painter.drawRoundedRect(outer, outer.height() / 2, outer.height() / 2);

  const QColor colour = b.table->colour;
  QRadialGradient light(felt.center(), felt.width() * 0.6);
  light.setColorAt(0, colour.lighter(118));
  light.setColorAt(1, colour.darker(125));
  painter.setBrush(light);
  painter.drawRoundedRect(felt, felt.height() / 2, felt.height() / 2);

  const double inset = 380 * b.scale;
  const QRectF line = felt.adjusted(inset, inset, -inset, -inset);
  QColor line_colour = colour.lighter(160);
  line_colour.setAlpha(90);
  painter.setPen(QPen(line_colour, std::max(1.0, 18 * b.scale)));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(line, line.height() / 2, line.height() / 2);
}

void draw_panels(QPainter& painter, const Backdrop& b) {
  const double scale = b.ground.scale;
  for (const QRectF& r : b.panels) {
    painter.setPen(QPen(style::gold, std::max(1.0, 18 * scale)));
    painter.setBrush(style::panel_back);
    painter.drawRoundedRect(r, 140 * scale, 140 * scale);
  }
}

void draw_plates(QPainter& painter, const Backdrop& b) {
  const double scale = b.ground.scale;
  for (const Backdrop::Shape& plate : b.plates) {
    QColor body = plate.colour;
    body.setAlpha(240);
    painter.setPen(QPen(plate.colour.darker(170), std::max(1.0, 20 * scale)));
    painter.setBrush(body);
    painter.drawRoundedRect(plate.place, 220 * scale, 220 * scale);
  }
}

void draw_lights(QPainter& painter, const Backdrop& b) {
  const double scale = b.ground.scale;
  for (const Backdrop::Shape& light : b.lights) {
    // A round lamp in the middle of its place: lit, it glows in its colour;
    // out, it is dark glass.
    const double size = std::min(light.place.width(), light.place.height());
    QRectF r(0, 0, size, size);
    r.moveCenter(light.place.center());
    const bool lit = light.colour.lightness() > 150;
    if (lit) {
      QColor halo = light.colour;
      halo.setAlpha(110);
      painter.setPen(Qt::NoPen);
      painter.setBrush(halo);
      const double g = 40 * scale;
      painter.drawEllipse(r.adjusted(-g, -g, g, g));
    }
    painter.setPen(QPen(QColor(0, 0, 0, 200), std::max(1.0, 12 * scale)));
    painter.setBrush(lit ? light.colour : light.colour.darker(300));
    painter.drawEllipse(r);
  }
}

void draw_shapes(QPainter& painter, const Backdrop& b) {
  draw_panels(painter, b);
  draw_plates(painter, b);
  draw_lights(painter, b);
}

// How far a shape's outline or glow reaches out of its place, in twips; a
// pixel more is kept for anti-aliasing.
constexpr double shape_reach = 60;

// The smallest rectangle of whole device pixels holding a place and what a
// shape there reaches.
QRect device_rect(const QRectF& place, const Backdrop::Ground& ground) {
  const double reach = shape_reach * ground.scale + 1;
  const QRectF around = place.adjusted(-reach, -reach, reach, reach);
  return QRectF(around.topLeft() * ground.ratio, around.size() * ground.ratio).toAlignedRect();
}

QRectF place_of(const QRectF& place) { return place; }
QRectF place_of(const Backdrop::Shape& shape) { return shape.place; }

// Where each shape that is in one list and not in the other lies: there the
// picture is drawn again.
template <typename Item>
void add_changes(QRegion& region, const std::vector<Item>& was, const std::vector<Item>& now,
                 const Backdrop::Ground& ground) {
  auto add_missing = [&](const std::vector<Item>& from, const std::vector<Item>& in) {
    for (const Item& item : from)
      if (std::find(in.begin(), in.end(), item) == in.end())
        region += device_rect(place_of(item), ground);
  };
  add_missing(was, now);
  add_missing(now, was);
}

// A painter over the picture's own device pixels; the shapes are drawn in
// the window's coordinates once it is scaled.
class DevicePainter {
 public:
  DevicePainter(QPixmap& picture, qreal ratio) : picture_(picture), ratio_(ratio) {
    picture_.setDevicePixelRatio(1);
    painter_.begin(&picture_);
  }
  ~DevicePainter() {
    painter_.end();
    picture_.setDevicePixelRatio(ratio_);
  }
  DevicePainter(const DevicePainter&) = delete;
  DevicePainter& operator=(const DevicePainter&) = delete;
  QPainter& operator*() { return painter_; }
  QPainter* operator->() { return &painter_; }
  // From here on in the window's coordinates, inside the table's design.
  void to_window(const Backdrop::Ground& ground) {
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.scale(ratio_, ratio_);
    painter_.setClipRect(ground.design, Qt::IntersectClip);
  }

 private:
  QPixmap& picture_;
  qreal ratio_;
  QPainter painter_;
};

}  // namespace

const QPixmap& BackdropPicture::picture(const Backdrop& backdrop) {
  if (backdrop == drawn_ && !picture_.isNull()) return picture_;
  const bool same_ground = backdrop.ground == drawn_.ground && !picture_.isNull();
  QRegion where;
  if (same_ground) {
    add_changes(where, drawn_.panels, backdrop.panels, backdrop.ground);
    add_changes(where, drawn_.plates, backdrop.plates, backdrop.ground);
    add_changes(where, drawn_.lights, backdrop.lights, backdrop.ground);
  }
  drawn_ = backdrop;
  // A shape somewhere the ground was not kept needs the room drawn again.
  if (same_ground && where.subtracted(kept_).isEmpty())
    draw_again(backdrop, where);
  else
    draw_whole(backdrop);
  return picture_;
}

void BackdropPicture::draw_whole(const Backdrop& backdrop) {
  const Backdrop::Ground& ground = backdrop.ground;
  const QSize device = (QSizeF(ground.size) * ground.ratio).toSize();
  // The old pictures go before the new ones are made: never both at once.
  ground_kept_.clear();
  kept_ = QRegion();
  if (picture_.isNull() || picture_.size() != device) {
    picture_ = QPixmap();
    if (device.isEmpty()) return;
    picture_ = QPixmap(device);
  }
  {
    // The room fills the whole window, cropped rather than stretched; the
    // table keeps its proportions in the middle of it.
    DevicePainter painter(picture_, ground.ratio);
    art::paint_room(*painter, room_of(ground.room), device);
    painter.to_window(ground);
    draw_table(*painter, ground);
  }
  for (const QRectF& place : ground.shape_places) kept_ += device_rect(place, ground);
  kept_ &= QRect(QPoint(0, 0), device);
  for (const QRect& place : kept_) {
    QPixmap piece = picture_.copy(place);
    piece.setDevicePixelRatio(1);  // copied back pixel for pixel
    ground_kept_.push_back({place, std::move(piece)});
  }

  DevicePainter painter(picture_, ground.ratio);
  painter.to_window(ground);
  draw_shapes(*painter, backdrop);
}

void BackdropPicture::draw_again(const Backdrop& backdrop, const QRegion& where) {
  DevicePainter painter(picture_, backdrop.ground.ratio);
  painter->setClipRegion(where);
  for (const Patch& patch : ground_kept_)
    if (where.intersects(patch.place)) painter->drawPixmap(patch.place.topLeft(), patch.picture);
  painter.to_window(backdrop.ground);
  draw_shapes(*painter, backdrop);
}

}  // namespace tarvix::windows
