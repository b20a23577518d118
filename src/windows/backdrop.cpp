#include "windows/backdrop.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRegion>
#include <algorithm>

#include "windows/card_pictures.h"
#include "windows/table_style.h"

namespace tarvix::windows {

namespace {

void draw_room(QPainter& painter, const Backdrop::Ground& b, CardPictures& pictures) {
  // The room fills the whole window, cropped rather than stretched; the
  // table keeps its proportions in the middle of it.
  painter.fillRect(QRect(QPoint(0, 0), b.size), QColor(0x10, 0x10, 0x10));
  painter.drawPixmap(0, 0, pictures.room(b.room, b.size, b.ratio));
}

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
    const QRectF& r = light.place;
    if (light.colour.lightness() > 150) {
      // A lit seat glows.
      QColor halo = light.colour;
      halo.setAlpha(110);
      painter.setPen(Qt::NoPen);
      painter.setBrush(halo);
      const double g = 50 * scale;
      painter.drawRoundedRect(r.adjusted(-g, -g, g, g), 2 * g, 2 * g);
    }
    painter.setPen(QPen(QColor(0, 0, 0, 180), std::max(1.0, 12 * scale)));
    painter.setBrush(light.colour);
    painter.drawRoundedRect(r, 30 * scale, 30 * scale);
  }
}

// How far a shape's outline or glow reaches out of its place, in twips; a
// pixel more is kept for anti-aliasing.
constexpr double shape_reach = 60;

QRectF place_of(const QRectF& place) { return place; }
QRectF place_of(const Backdrop::Shape& shape) { return shape.place; }

// Where each shape that is in one list and not in the other lies: there the
// picture is drawn again.
template <typename Item>
void add_changes(QRegion& region, const std::vector<Item>& was, const std::vector<Item>& now,
                 double reach) {
  auto add_missing = [&region, reach](const std::vector<Item>& from, const std::vector<Item>& in) {
    for (const Item& item : from)
      if (std::find(in.begin(), in.end(), item) == in.end())
        region += place_of(item).adjusted(-reach, -reach, reach, reach).toAlignedRect();
  };
  add_missing(was, now);
  add_missing(now, was);
}

}  // namespace

const QPixmap& BackdropPicture::picture(const Backdrop& backdrop, CardPictures& pictures) {
  if (backdrop == drawn_ && !picture_.isNull()) return picture_;
  const Backdrop::Ground& ground = backdrop.ground;
  std::optional<QRegion> where;  // everywhere, unless only the shapes changed
  if (ground == drawn_.ground && !picture_.isNull()) {
    where = QRegion();
    const double reach = shape_reach * ground.scale + 1;
    add_changes(*where, drawn_.panels, backdrop.panels, reach);
    add_changes(*where, drawn_.plates, backdrop.plates, reach);
    add_changes(*where, drawn_.lights, backdrop.lights, reach);
  } else {
    // The old picture goes before the new one is made: never both at once.
    picture_ = QPixmap();
    if (!ground.size.isEmpty()) {
      picture_ = QPixmap((QSizeF(ground.size) * ground.ratio).toSize());
      picture_.setDevicePixelRatio(ground.ratio);
    }
  }
  drawn_ = backdrop;
  if (picture_.isNull()) return picture_;

  QPainter painter(&picture_);
  painter.setRenderHint(QPainter::Antialiasing);
  if (where) painter.setClipRegion(*where);
  draw_room(painter, ground, pictures);
  painter.setClipRect(ground.design, Qt::IntersectClip);
  draw_table(painter, ground);
  draw_panels(painter, backdrop);
  draw_plates(painter, backdrop);
  draw_lights(painter, backdrop);
  return picture_;
}

}  // namespace tarvix::windows
