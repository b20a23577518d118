// Drawing of the game's pictures: the cards and rooms at run time, at the
// size they are shown; the chips, the dealer button and the icons in the
// make_art generator at build time.
//
// Cards are drawn in design units (one card is 40 x 56 units), so the same
// code serves every size on screen and the program icon.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace tarvix::art {

inline constexpr double card_width = 40;  // design units
inline constexpr double card_height = 56;

enum class Suit { clubs, diamonds, hearts, spades };

// The suit's outline, centred in a 1 x 1 box around the origin (y grows down).
QPainterPath suit_path(Suit suit);
QColor suit_colour(Suit suit);

// The path scaled uniformly to fit the box and centred in it.
QPainterPath fitted(const QPainterPath& path, const QRectF& box);

// The outline of a text in the art's bold lettering, 100 pixels to the em, on a
// baseline at y = 0; each letter stands `spacing` times its width after the
// one before. The same text has the same outline whatever else was drawn.
QPainterPath lettering(const QString& text, double spacing = 1);

// Card n (1..52) face up, filling the rectangle (0, 0) - (40, 56) of the painter.
void draw_face(QPainter& painter, int card);
// Back design 0..3 in the same rectangle.
void draw_back(QPainter& painter, int design);

// The card of a card-sheet cell (a face 1..52 or one of the back_cells),
// stretched to the size in pixels; a null image for a cell that holds none.
QImage draw_card(int cell, QSize size);

enum class Room { wood, carpet, velvet, plain };
// The room designed at 2048 x 1536 units, scaled to cover the size in
// pixels: its middle is kept and whatever overflows is cut off.
QImage draw_room(Room room, QSize size);
// The same, painted by a painter without a transform over its device's
// pixels (0, 0) to size, inside whatever clip it has.
void paint_room(QPainter& painter, Room room, QSize size);

enum class Chip { red, blue, green, black };
QImage draw_chip(Chip chip);  // 128 x 128
QImage draw_dealer_button();  // 128 x 128
QImage draw_icon(int size);   // size x size

}  // namespace tarvix::art
