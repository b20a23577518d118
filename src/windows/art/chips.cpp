// Chips, the dealer button and the program icon.
#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "drawing.h"

namespace tarvix::art {
namespace {

constexpr int token_size = 128;
const QPointF token_centre(64, 62);

struct ChipColours {
  QColor body;
  QColor stripe;
  QColor inlay;
};

ChipColours colours_of(Chip chip) {
  switch (chip) {
    case Chip::red: return {QColor(196, 28, 40), QColor(250, 250, 250), QColor(238, 222, 210)};
    case Chip::blue: return {QColor(28, 78, 190), QColor(250, 250, 250), QColor(214, 226, 246)};
    case Chip::green: return {QColor(20, 136, 64), QColor(250, 250, 250), QColor(214, 240, 220)};
    case Chip::black: return {QColor(30, 30, 34), QColor(232, 196, 80), QColor(228, 228, 228)};
  }
  return {};
}

QImage blank_token() {
  QImage image(token_size, token_size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// A soft shadow below a round token, so it sits on the felt.
void draw_shadow(QPainter& painter, double radius) {
  QRadialGradient shadow(token_centre + QPointF(0, 4), radius + 4);
  shadow.setColorAt(0.85, QColor(0, 0, 0, 110));
  shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(shadow);
  painter.drawEllipse(token_centre + QPointF(0, 4), radius + 4, radius + 4);
}

// Light from the upper left.
void draw_sheen(QPainter& painter, double radius) {
  QRadialGradient sheen(token_centre - QPointF(radius * 0.45, radius * 0.5), radius * 1.5);
  sheen.setColorAt(0, QColor(255, 255, 255, 70));
  sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
  sheen.setColorAt(1, QColor(0, 0, 0, 60));
  painter.setPen(Qt::NoPen);
  painter.setBrush(sheen);
  painter.drawEllipse(token_centre, radius, radius);
}

QPainterPath ring_segment(double inner, double outer, double start_degrees, double span_degrees) {
  const QRectF outer_box(token_centre - QPointF(outer, outer), QSizeF(2 * outer, 2 * outer));
  const QRectF inner_box(token_centre - QPointF(inner, inner), QSizeF(2 * inner, 2 * inner));
  QPainterPath path;
  path.arcMoveTo(outer_box, start_degrees);
  path.arcTo(outer_box, start_degrees, span_degrees);
  path.arcTo(inner_box, start_degrees + span_degrees, -span_degrees);
  path.closeSubpath();
  return path;
}

}  // namespace

QImage draw_chip(Chip chip) {
  const ChipColours colours = colours_of(chip);
  const double radius = 56;
  QImage image = blank_token();
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  draw_shadow(painter, radius);

  painter.setPen(QPen(colours.body.darker(160), 2));
  painter.setBrush(colours.body);
  painter.drawEllipse(token_centre, radius, radius);

  // Edge inserts: six blocks round the rim, each split in two.
  painter.setPen(Qt::NoPen);
  painter.setBrush(colours.stripe);
  for (int block = 0; block < 6; ++block) {
    const double start = block * 60.0 + 15.0;
    painter.drawPath(ring_segment(radius - 13, radius - 1, start, 9));
    painter.drawPath(ring_segment(radius - 13, radius - 1, start + 12, 9));
  }

  // Inner ring of short dashes, then the inlay.
  painter.setPen(QPen(colours.stripe, 2.4, Qt::SolidLine, Qt::FlatCap));
  painter.setBrush(Qt::NoBrush);
  const double ring = radius - 18;
  for (int dash = 0; dash < 24; ++dash) {
    const double angle = dash * std::numbers::pi / 12;
    const QPointF direction(std::cos(angle), std::sin(angle));
    painter.drawLine(token_centre + direction * (ring - 2.5),
                     token_centre + direction * (ring + 2.5));
  }
  painter.setPen(QPen(colours.body.darker(130), 1.5));
  painter.setBrush(colours.inlay);
  painter.drawEllipse(token_centre, ring - 6, ring - 6);
  painter.setPen(QPen(colours.body, 2.2));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(token_centre, ring - 11, ring - 11);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colours.body);
  const QPainterPath spade =
      fitted(suit_path(Suit::spades), QRectF(token_centre - QPointF(11, 11), QSizeF(22, 22)));
  painter.drawPath(spade);

  draw_sheen(painter, radius);
  return image;
}

QImage draw_dealer_button() {
  const double radius = 54;
  QImage image = blank_token();
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  draw_shadow(painter, radius);

  painter.setPen(QPen(QColor(110, 110, 115), 2.5));
  painter.setBrush(QColor(246, 246, 240));
  painter.drawEllipse(token_centre, radius, radius);
  painter.setPen(QPen(QColor(40, 40, 46), 2.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(token_centre, radius - 9, radius - 9);

  const QPainterPath letter = lettering(QStringLiteral("D"));
  const QRectF box(token_centre - QPointF(24, 26), QSizeF(48, 52));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(24, 24, 30));
  painter.drawPath(fitted(letter, box));

  draw_sheen(painter, radius);
  return image;
}

QImage draw_icon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 256.0, size / 256.0);

  if (size <= 32) {
    // Too small for a fan: one card with a spade that fills it.
    painter.setPen(QPen(QColor(50, 50, 58), 12));
    painter.setBrush(QColor(253, 251, 245));
    painter.drawRoundedRect(QRectF(38, 8, 180, 240), 28, 28);
    painter.setPen(Qt::NoPen);
    painter.setBrush(suit_colour(Suit::spades));
    painter.drawPath(fitted(suit_path(Suit::spades), QRectF(58, 40, 140, 176)));
    return image;
  }

  // Two cards fanned: the ace of hearts behind the ace of spades.
  const auto card_at = [&](double x, double y, double angle, int card) {
    painter.save();
    painter.translate(x, y);
    painter.rotate(angle);
    painter.scale(3.4, 3.4);
    painter.translate(-20, -28);
    draw_face(painter, card);
    painter.restore();
  };
  card_at(104, 124, -14, 51);  // ace of hearts
  card_at(150, 120, 12, 52);   // ace of spades

  // A red chip in front.
  const QImage chip = draw_chip(Chip::red);
  painter.drawImage(QRectF(150, 150, 100, 100), chip);
  return image;
}

}  // namespace tarvix::art
