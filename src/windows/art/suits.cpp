// The four suit symbols as vector paths, so they look the same on every system
// whatever fonts it has.
#include <QTransform>

#include "drawing.h"

namespace tarvix::art {
namespace {

QPainterPath heart() {
  QPainterPath path;
  path.moveTo(0, 0.5);
  path.cubicTo(-0.2, 0.3, -0.5, 0.1, -0.5, -0.16);
  path.cubicTo(-0.5, -0.36, -0.37, -0.47, -0.24, -0.47);
  path.cubicTo(-0.1, -0.47, -0.02, -0.38, 0, -0.27);
  path.cubicTo(0.02, -0.38, 0.1, -0.47, 0.24, -0.47);
  path.cubicTo(0.37, -0.47, 0.5, -0.36, 0.5, -0.16);
  path.cubicTo(0.5, 0.1, 0.2, 0.3, 0, 0.5);
  path.closeSubpath();
  return path;
}

QPainterPath diamond() {
  QPainterPath path;
  path.moveTo(0, -0.5);
  path.quadTo(0.14, -0.2, 0.38, 0);
  path.quadTo(0.14, 0.2, 0, 0.5);
  path.quadTo(-0.14, 0.2, -0.38, 0);
  path.quadTo(-0.14, -0.2, 0, -0.5);
  path.closeSubpath();
  return path;
}

// The flared foot shared by clubs and spades.
QPainterPath stem() {
  QPainterPath path;
  path.moveTo(-0.045, 0.05);
  path.quadTo(-0.03, 0.38, -0.22, 0.5);
  path.lineTo(0.22, 0.5);
  path.quadTo(0.03, 0.38, 0.045, 0.05);
  path.closeSubpath();
  return path;
}

QPainterPath club() {
  QPainterPath leaves;
  const double radius = 0.225;
  leaves.addEllipse(QPointF(0, -0.255), radius, radius);
  leaves.addEllipse(QPointF(-0.26, 0.07), radius, radius);
  leaves.addEllipse(QPointF(0.26, 0.07), radius, radius);
  leaves.addEllipse(QPointF(0, 0.0), 0.13, 0.13);
  QPainterPath joined = leaves.simplified();
  return joined.united(stem()).simplified();
}

QPainterPath spade() {
  // An upside-down heart, a little squat, on the flared foot.
  const QPainterPath body = QTransform(1, 0, 0, -0.8, 0, -0.12).map(heart());
  return body.united(stem()).simplified();
}

}  // namespace

QPainterPath suit_path(Suit suit) {
  switch (suit) {
    case Suit::clubs: return club();
    case Suit::diamonds: return diamond();
    case Suit::hearts: return heart();
    case Suit::spades: return spade();
  }
  return {};
}

QColor suit_colour(Suit suit) {
  const bool red = suit == Suit::diamonds || suit == Suit::hearts;
  return red ? QColor(204, 18, 36) : QColor(22, 22, 28);
}

QPainterPath fitted(const QPainterPath& path, const QRectF& box) {
  const QRectF bounds = path.boundingRect();
  if (bounds.isEmpty()) return path;
  const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
  QTransform transform;
  transform.translate(box.center().x(), box.center().y());
  transform.scale(scale, scale);
  transform.translate(-bounds.center().x(), -bounds.center().y());
  return transform.map(path);
}

}  // namespace tarvix::art
