// The shadow a card casts on the table: a dark rounded card fallen a little
// to the lower right. Every card lying flat casts the same one, so it is
// drawn once into a picture for the cards' size and a frame only copies it;
// a turning card's narrower shadow is drawn as it turns. Anti-aliased
// shapes this large are slow to fill, at twice the pixel density most of all.
#pragma once

#include <QPixmap>
#include <QRect>
#include <QSize>

class QPainter;

namespace tarvix::windows {

class CardShadow {
 public:
  // The shadow of a card drawn at `card` (logical pixels), at the table's
  // scale (pixels per twip).
  static void draw(QPainter& painter, const QRectF& card, double scale);
  // A card and its shadow together.
  static QRect ground(const QRect& card, double scale);

  // The shadow of a flat card of this size, to be drawn at the card's top
  // left corner; it covers the card's ground.
  const QPixmap& picture(QSize card, double scale, qreal ratio);

 private:
  QSize card_;
  double scale_ = 0;
  qreal ratio_ = 0;
  QPixmap picture_;
};

}  // namespace tarvix::windows
