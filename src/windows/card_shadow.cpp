#include "windows/card_shadow.h"

#include <QPainter>

namespace tarvix::windows {

namespace {

// How far the shadow falls to the lower right, and its corners, in twips.
constexpr QPointF fall{25, 35};
constexpr double corner = 40;
const QColor shade(0, 0, 0, 80);

}  // namespace

void CardShadow::draw(QPainter& painter, const QRectF& card, double scale) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(shade);
  painter.drawRoundedRect(card.translated(fall * scale), corner * scale, corner * scale);
}

QRect CardShadow::ground(const QRect& card, double scale) {
  const QRectF flat(card);
  return (flat | flat.translated(fall * scale)).toAlignedRect();
}

const QPixmap& CardShadow::picture(QSize card, double scale, qreal ratio) {
  if (card == card_ && scale == scale_ && ratio == ratio_ && !picture_.isNull()) return picture_;
  card_ = card;
  scale_ = scale;
  ratio_ = ratio;
  picture_ = QPixmap();
  if (card.isEmpty()) return picture_;
  const QSize size = ground(QRect(QPoint(0, 0), card), scale).size();
  picture_ = QPixmap((QSizeF(size) * ratio).toSize());
  picture_.setDevicePixelRatio(ratio);
  picture_.fill(Qt::transparent);
  QPainter painter(&picture_);
  painter.setRenderHint(QPainter::Antialiasing);
  draw(painter, QRectF(QPointF(0, 0), card), scale);
  return picture_;
}

}  // namespace tarvix::windows
