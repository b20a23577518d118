// Room backgrounds behind the table, drawn at the size they are shown. Smooth
// gradients and regular patterns only: they stay calm behind the cards.
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "drawing.h"

namespace tarvix::art {
namespace {

constexpr int room_width = 2048;
constexpr int room_height = 1536;

// A tiny fixed-seed generator: the same pictures on every build.
class Sequence {
 public:
  explicit Sequence(std::uint32_t seed) : state_(seed) {}
  double next() {
    state_ = state_ * 1664525u + 1013904223u;
    return (state_ >> 8) / 16777216.0;
  }

 private:
  std::uint32_t state_;
};

void draw_lamp_glow(QPainter& painter, QPointF centre, double radius, int strength) {
  QRadialGradient glow(centre, radius);
  glow.setColorAt(0, QColor(255, 214, 150, strength));
  glow.setColorAt(1, QColor(255, 214, 150, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(glow);
  painter.drawEllipse(centre, radius, radius);
}

void draw_wood_strip(QPainter& painter, const QRectF& strip, const QColor& base, Sequence& grain) {
  QLinearGradient shade(strip.topLeft(), strip.topRight());
  shade.setColorAt(0, base.darker(118));
  shade.setColorAt(0.45, base.lighter(108));
  shade.setColorAt(1, base.darker(125));
  painter.fillRect(strip, shade);
  painter.setBrush(Qt::NoBrush);
  const int lines = static_cast<int>(strip.width() / 9);
  for (int line = 0; line < lines; ++line) {
    const double x = strip.left() + (line + grain.next()) * strip.width() / lines;
    const double sway = 3 + 5 * grain.next();
    const double period = 180 + 200 * grain.next();
    painter.setPen(QPen(QColor(40, 18, 6, 40 + static_cast<int>(40 * grain.next())), 1.6));
    QPainterPath path;
    path.moveTo(x, strip.top());
    for (double y = strip.top(); y <= strip.bottom(); y += 24) {
      path.lineTo(x + sway * std::sin(y / period * 2 * std::numbers::pi), y);
    }
    painter.drawPath(path);
  }
}

// A dark green striped wallpaper above, panelled wood below, brass sconces.
void wood_room(QPainter& painter) {
  const double rail_top = 860;
  QLinearGradient wall(0, 0, 0, rail_top);
  wall.setColorAt(0, QColor(30, 48, 38));
  wall.setColorAt(1, QColor(44, 70, 54));
  painter.fillRect(QRectF(0, 0, room_width, rail_top), wall);
  for (double x = 0; x < room_width; x += 128) {
    painter.fillRect(QRectF(x + 64, 0, 64, rail_top), QColor(0, 0, 0, 26));
    painter.fillRect(QRectF(x + 62, 0, 3, rail_top), QColor(196, 160, 80, 70));
  }

  Sequence grain(102);
  const QColor oak(122, 70, 34);
  // Crown moulding at the top of the wall.
  draw_wood_strip(painter, QRectF(0, 0, room_width, 70), oak.darker(120), grain);
  painter.fillRect(QRectF(0, 70, room_width, 8), QColor(60, 32, 14));

  for (const double x : {300.0, 1024.0, 1748.0}) {
    draw_lamp_glow(painter, QPointF(x, 420), 360, 120);
    painter.setPen(QPen(QColor(120, 90, 30), 3));
    painter.setBrush(QColor(200, 160, 70));
    painter.drawRoundedRect(QRectF(x - 14, 430, 28, 90), 8, 8);
    painter.setBrush(QColor(250, 232, 190));
    QPolygonF shade({{x - 60, 430}, {x + 60, 430}, {x + 36, 340}, {x - 36, 340}});
    painter.drawPolygon(shade);
  }

  // Dado rail and the wainscot panels.
  draw_wood_strip(painter, QRectF(0, 0, room_width, 0).adjusted(0, rail_top, 0, rail_top + 60), oak,
                  grain);
  painter.fillRect(QRectF(0, rail_top + 60, room_width, 6), QColor(50, 26, 10));
  const double panel_top = rail_top + 66;
  const double panel_width = 256;
  for (double x = 0; x < room_width; x += panel_width) {
    draw_wood_strip(painter, QRectF(x, panel_top, panel_width, room_height - panel_top), oak,
                    grain);
    const QRectF raised(x + 40, panel_top + 50, panel_width - 80, room_height - panel_top - 100);
    draw_wood_strip(painter, raised, oak.lighter(110), grain);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(230, 180, 120, 90), 4));
    painter.drawLine(raised.topLeft(), raised.topRight());
    painter.drawLine(raised.topLeft(), raised.bottomLeft());
    painter.setPen(QPen(QColor(30, 12, 4, 140), 4));
    painter.drawLine(raised.bottomLeft(), raised.bottomRight());
    painter.drawLine(raised.topRight(), raised.bottomRight());
    painter.fillRect(QRectF(x, panel_top, 4, room_height - panel_top), QColor(40, 20, 8));
  }
}

// A casino carpet: one tile repeated, gold rings and navy stars on deep red.
// The tile is drawn at the size it is shown and repeated as it is, so that
// its thin rings are never resampled.
void carpet_room(QPainter& painter) {
  const int tile_size = 256;
  const QTransform to_pixels = painter.transform();
  const int shown = std::max(1, static_cast<int>(std::lround(tile_size * to_pixels.m11())));
  QImage tile(shown, shown, QImage::Format_RGB32);
  tile.fill(QColor(92, 14, 26));
  {
    QPainter pen(&tile);
    pen.setRenderHint(QPainter::Antialiasing);
    pen.scale(double(shown) / tile_size, double(shown) / tile_size);
    const QPointF middle(128, 128);
    const QColor gold(176, 134, 52);
    const QColor navy(28, 30, 70);
    const QColor teal(24, 86, 90);
    // Arcs joining neighbouring tiles make the pattern flow.
    pen.setBrush(Qt::NoBrush);
    pen.setPen(QPen(QColor(122, 30, 40), 10));
    for (const QPointF corner :
         {QPointF(0, 0), QPointF(256, 0), QPointF(0, 256), QPointF(256, 256)}) {
      pen.drawEllipse(corner, 128, 128);
    }
    pen.setPen(QPen(gold, 6));
    pen.drawEllipse(middle, 70, 70);
    pen.setPen(QPen(gold, 3));
    pen.drawEllipse(middle, 88, 88);
    pen.setPen(Qt::NoPen);
    pen.setBrush(navy);
    pen.drawPolygon(QPolygonF({{128, 70}, {186, 128}, {128, 186}, {70, 128}}));
    pen.setBrush(teal);
    pen.drawEllipse(middle, 26, 26);
    pen.setBrush(gold);
    pen.drawEllipse(middle, 10, 10);
    for (const QPointF corner :
         {QPointF(0, 0), QPointF(256, 0), QPointF(0, 256), QPointF(256, 256)}) {
      pen.setBrush(navy);
      pen.drawPolygon(
          QPolygonF({corner + QPointF(0, -40), corner + QPointF(14, -14), corner + QPointF(40, 0),
                     corner + QPointF(14, 14), corner + QPointF(0, 40), corner + QPointF(-14, 14),
                     corner + QPointF(-40, 0), corner + QPointF(-14, -14)}));
      pen.setBrush(gold);
      pen.drawEllipse(corner, 8, 8);
    }
    pen.setBrush(gold);
    for (const QPointF dot :
         {QPointF(128, 8), QPointF(128, 248), QPointF(8, 128), QPointF(248, 128)}) {
      pen.drawEllipse(dot, 6, 6);
    }
  }
  painter.save();
  painter.resetTransform();
  painter.setBrushOrigin(to_pixels.map(QPointF(0, 0)));
  painter.fillRect(to_pixels.mapRect(QRectF(0, 0, room_width, room_height)), QBrush(tile));
  painter.restore();
}

// Velvet curtains in deep wine under a gold-fringed valance, two warm lamps.
void velvet_room(QPainter& painter) {
  QLinearGradient folds(0, 0, 170, 0);
  folds.setSpread(QGradient::RepeatSpread);
  folds.setColorAt(0, QColor(60, 6, 26));
  folds.setColorAt(0.35, QColor(128, 22, 58));
  folds.setColorAt(0.5, QColor(146, 30, 68));
  folds.setColorAt(0.7, QColor(96, 14, 42));
  folds.setColorAt(1, QColor(60, 6, 26));
  painter.fillRect(QRectF(0, 0, room_width, room_height), folds);

  QLinearGradient dusk(0, 0, 0, room_height);
  dusk.setColorAt(0, QColor(0, 0, 0, 0));
  dusk.setColorAt(1, QColor(0, 0, 0, 150));
  painter.fillRect(QRectF(0, 0, room_width, room_height), dusk);

  draw_lamp_glow(painter, QPointF(200, 560), 460, 90);
  draw_lamp_glow(painter, QPointF(1848, 560), 460, 90);

  // Valance with scalloped hem, gold braid and tassels.
  const double valance = 150;
  const double scallop = 128;
  QPainterPath hem;
  hem.moveTo(0, 0);
  hem.lineTo(room_width, 0);
  hem.lineTo(room_width, valance);
  for (double x = room_width; x > 0; x -= scallop) {
    hem.quadTo(x - scallop / 2, valance + 70, x - scallop, valance);
  }
  hem.closeSubpath();
  QLinearGradient cloth(0, 0, 0, valance + 60);
  cloth.setColorAt(0, QColor(70, 8, 30));
  cloth.setColorAt(1, QColor(120, 20, 50));
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(214, 170, 70), 10));
  painter.setBrush(cloth);
  painter.drawPath(hem);
  painter.fillRect(QRectF(0, 34, room_width, 10), QColor(214, 170, 70));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(224, 184, 84));
  for (double x = 0; x <= room_width; x += scallop) {
    painter.drawEllipse(QPointF(x, valance + 14), 10, 10);
    painter.drawPolygon(QPolygonF({{x - 4, valance + 20},
                                   {x + 4, valance + 20},
                                   {x + 12, valance + 70},
                                   {x - 12, valance + 70}}));
  }
}

// Before any choice: a calm slate backdrop, lighter behind the table.
void plain_room(QPainter& painter) {
  QLinearGradient base(0, 0, 0, room_height);
  base.setColorAt(0, QColor(32, 38, 48));
  base.setColorAt(1, QColor(12, 14, 20));
  painter.fillRect(QRectF(0, 0, room_width, room_height), base);
  QRadialGradient lift(QPointF(room_width / 2.0, room_height * 0.55), room_width * 0.6);
  lift.setColorAt(0, QColor(70, 84, 100, 70));
  lift.setColorAt(1, QColor(70, 84, 100, 0));
  painter.fillRect(QRectF(0, 0, room_width, room_height), lift);
}

}  // namespace

QImage draw_room(Room room, QSize size) {
  if (size.isEmpty()) return {};
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  paint_room(painter, room, size);
  return image;
}

void paint_room(QPainter& painter, Room room, QSize size) {
  if (size.isEmpty()) return;
  painter.save();
  painter.fillRect(QRect(QPoint(0, 0), size), Qt::black);
  painter.setRenderHint(QPainter::Antialiasing);
  const double scale =
      std::max(size.width() / double(room_width), size.height() / double(room_height));
  painter.translate((size.width() - room_width * scale) / 2,
                    (size.height() - room_height * scale) / 2);
  painter.scale(scale, scale);
  switch (room) {
    case Room::wood: wood_room(painter); break;
    case Room::carpet: carpet_room(painter); break;
    case Room::velvet: velvet_room(painter); break;
    case Room::plain: plain_room(painter); break;
  }
  painter.restore();
}

}  // namespace tarvix::art
