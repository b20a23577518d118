#include "windows/plaque.h"

#include <QPainter>
#include <cmath>

namespace tarvix::windows {

void PlaquePicture::draw(QPainter& painter, const Plaque& plaque, qreal ratio) {
  if (plaque.place.isEmpty()) return;
  if (plaque != drawn_ || ratio != ratio_ || picture_.isNull()) {
    drawn_ = plaque;
    ratio_ = ratio;
    const QRectF device(plaque.place.topLeft() * ratio, plaque.place.size() * ratio);
    at_ = QPoint(static_cast<int>(std::floor(device.left())),
                 static_cast<int>(std::floor(device.top())));
    const QSize size(static_cast<int>(std::ceil(device.right())) - at_.x(),
                     static_cast<int>(std::ceil(device.bottom())) - at_.y());
    picture_ = QPixmap(size);
    picture_.setDevicePixelRatio(ratio);
    picture_.fill(Qt::transparent);
    QPainter on(&picture_);
    on.setRenderHint(QPainter::Antialiasing);
    on.setPen(Qt::NoPen);
    on.setBrush(plaque.colour);
    on.drawRoundedRect(QRectF((device.topLeft() - at_) / ratio, plaque.place.size()), plaque.corner,
                       plaque.corner);
  }
  painter.drawPixmap(QPointF(at_) / ratio, picture_);
}

}  // namespace tarvix::windows
