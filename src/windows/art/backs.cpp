// The four card-back designs. Each has its own colour so they tell apart at a
// glance even when a card is only a few pixels wide.
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "drawing.h"

namespace tarvix::art {
namespace {

const QRectF card_body(0.35, 0.35, card_width - 0.7, card_height - 0.7);
const QRectF pattern_area(2.4, 2.4, card_width - 4.8, card_height - 4.8);

void red_lattice(QPainter& painter) {
  painter.fillRect(pattern_area, QColor(150, 18, 30));
  painter.setPen(QPen(QColor(236, 120, 120), 0.55));
  for (double offset = -card_height; offset < card_width + card_height; offset += 3.2) {
    painter.drawLine(QPointF(offset, 0), QPointF(offset + card_height, card_height));
    painter.drawLine(QPointF(offset, 0), QPointF(offset - card_height, card_height));
  }
  // A dot in every second lattice hole gives the weave some depth.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(250, 200, 190));
  for (double y = 0; y < card_height; y += 3.2) {
    for (double x = 0; x < card_width; x += 3.2) {
      painter.drawEllipse(QPointF(x, y + 1.6), 0.35, 0.35);
    }
  }
}

void blue_diamonds(QPainter& painter) {
  const double width = 5.2;
  const double height = 7.0;
  const QColor light(60, 110, 200);
  const QColor dark(20, 45, 120);
  painter.fillRect(pattern_area, dark);
  painter.setPen(QPen(QColor(200, 220, 255), 0.35));
  for (int row = -1; row * height / 2 < card_height + height; ++row) {
    for (int column = -1; column * width < card_width + width; ++column) {
      const double x = column * width + ((row % 2 != 0) ? width / 2 : 0);
      const double y = row * height / 2;
      QPolygonF diamond(
          {{x, y - height / 2}, {x + width / 2, y}, {x, y + height / 2}, {x - width / 2, y}});
      painter.setBrush(((row + 2) % 4 < 2) ? light : dark);
      painter.drawPolygon(diamond);
    }
  }
}

void green_waves(QPainter& painter) {
  painter.fillRect(pattern_area, QColor(18, 100, 58));
  const double spacing = 2.6;
  int band = 0;
  for (double base = -spacing; base < card_height + spacing; base += spacing, ++band) {
    QPainterPath wave;
    wave.moveTo(0, base);
    for (double x = 0; x <= card_width; x += 0.5) {
      wave.lineTo(x, base + 0.9 * std::sin(x * 0.75));
    }
    wave.lineTo(card_width, base + spacing + 1);
    wave.lineTo(0, base + spacing + 1);
    wave.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(band % 2 == 0 ? QColor(28, 128, 74) : QColor(16, 92, 52));
    painter.drawPath(wave);
  }
  painter.setPen(QPen(QColor(170, 230, 180), 0.35));
  painter.setBrush(Qt::NoBrush);
  for (double base = -spacing; base < card_height + spacing; base += spacing) {
    QPainterPath crest;
    crest.moveTo(0, base);
    for (double x = 0; x <= card_width; x += 0.5) {
      crest.lineTo(x, base + 0.9 * std::sin(x * 0.75));
    }
    painter.drawPath(crest);
  }
}

QPainterPath star(QPointF centre, double outer, double inner, int points) {
  QPainterPath path;
  for (int index = 0; index < 2 * points; ++index) {
    const double angle = std::numbers::pi * index / points - std::numbers::pi / 2;
    const double radius = index % 2 == 0 ? outer : inner;
    const QPointF point = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    if (index == 0) {
      path.moveTo(point);
    } else {
      path.lineTo(point);
    }
  }
  path.closeSubpath();
  return path;
}

void black_gold(QPainter& painter) {
  QRadialGradient glow(QPointF(20, 28), 26);
  glow.setColorAt(0, QColor(48, 44, 40));
  glow.setColorAt(1, QColor(12, 12, 14));
  painter.fillRect(pattern_area, glow);
  const QColor gold(226, 180, 64);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(gold, 0.6));
  painter.drawRoundedRect(pattern_area.adjusted(1.2, 1.2, -1.2, -1.2), 1.5, 1.5);
  painter.setPen(QPen(gold, 0.3));
  painter.drawRoundedRect(pattern_area.adjusted(2.4, 2.4, -2.4, -2.4), 1.0, 1.0);

  const QPointF centre(20, 28);
  painter.setPen(QPen(gold, 0.45));
  painter.drawEllipse(centre, 9.5, 9.5);
  painter.drawEllipse(centre, 7.8, 7.8);
  painter.setPen(Qt::NoPen);
  painter.setBrush(gold);
  painter.drawPath(star(centre, 7.2, 3.0, 8));
  painter.setBrush(QColor(20, 18, 16));
  painter.drawEllipse(centre, 2.0, 2.0);
  painter.setBrush(gold);
  painter.drawEllipse(centre, 1.1, 1.1);

  // Small stars in the corners of the inner frame, and beads along its sides.
  const QRectF inner = pattern_area.adjusted(4.6, 4.6, -4.6, -4.6);
  for (const QPointF corner :
       {inner.topLeft(), inner.topRight(), inner.bottomLeft(), inner.bottomRight()}) {
    painter.drawPath(star(corner, 2.2, 0.9, 4));
  }
  for (double y = inner.top() + 4; y < inner.bottom() - 3; y += 3.0) {
    painter.drawEllipse(QPointF(inner.left(), y), 0.45, 0.45);
    painter.drawEllipse(QPointF(inner.right(), y), 0.45, 0.45);
  }
}

}  // namespace

void draw_back(QPainter& painter, int design) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(70, 70, 78), 0.7));
  painter.setBrush(QColor(250, 250, 246));
  painter.drawRoundedRect(card_body, 3.2, 3.2);

  QPainterPath clip;
  clip.addRoundedRect(pattern_area, 1.6, 1.6);
  painter.setClipPath(clip);
  switch (design) {
    case 0: red_lattice(painter); break;
    case 1: blue_diamonds(painter); break;
    case 2: green_waves(painter); break;
    default: black_gold(painter); break;
  }
  painter.restore();
}

}  // namespace tarvix::art
