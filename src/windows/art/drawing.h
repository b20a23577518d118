// Drawing of the game's pictures; used by the make_art generator at build time.
//
// Cards are drawn in design units (one cell is 40 x 56 units), so the same
// code serves the scaled card sheet and the program icon.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

class QPainter;

namespace tarvix::art {

enum class Suit { clubs, diamonds, hearts, spades };

// The suit's outline, centred in a 1 x 1 box around the origin (y grows down).
QPainterPath suit_path(Suit suit);
QColor suit_colour(Suit suit);

// The path scaled uniformly to fit the box and centred in it.
QPainterPath fitted(const QPainterPath& path, const QRectF& box);

// Card n (1..52) face up, filling the rectangle (0, 0) - (40, 56) of the painter.
void draw_face(QPainter& painter, int card);
// Back design 0..3 in the same rectangle.
void draw_back(QPainter& painter, int design);

// The whole card sheet at sheet_scale.
QImage draw_sheet();

enum class Room { wood, carpet, velvet, plain };
QImage draw_room(Room room);  // 2048 x 1536

enum class Chip { red, blue, green, black };
QImage draw_chip(Chip chip);  // 128 x 128
QImage draw_dealer_button();  // 128 x 128
QImage draw_icon(int size);   // size x size

}  // namespace tarvix::art
