#include "windows/table_button.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <cmath>

namespace tarvix::windows {

namespace {

bool whole(qreal device_pixels) { return std::round(device_pixels) == device_pixels; }

}  // namespace

void TableButton::paintEvent(QPaintEvent* event) {
  const qreal ratio = devicePixelRatioF();
  const QPointF corner = QPointF(mapTo(window(), QPoint(0, 0))) * ratio;
  // Only a picture that falls on whole device pixels is copied as it is;
  // elsewhere (a fractional density) it would be resampled and blur.
  if (!whole(corner.x()) || !whole(corner.y()) || !whole(width() * ratio) ||
      !whole(height() * ratio)) {
    QPushButton::paintEvent(event);
    return;
  }
  QStyleOptionButton option;
  initStyleOption(&option);
  const Ground ground{size(), ratio, static_cast<int>(option.state),
                      static_cast<int>(option.features), styleSheet()};
  if (ground != drawn_ || ground_.isNull()) {
    drawn_ = ground;
    ground_ = QPixmap(size() * ground.ratio);
    ground_.setDevicePixelRatio(ground.ratio);
    ground_.fill(Qt::transparent);
    QPainter on(&ground_);
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &on, this);
  }
  QPainter painter(this);
  painter.drawPixmap(0, 0, ground_);
  // The rest of a push button, in the order Qt's styles draw it.
  QStyleOptionButton label = option;
  label.rect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  style()->drawControl(QStyle::CE_PushButtonLabel, &label, &painter, this);
  if (option.state & QStyle::State_HasFocus) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
  }
}

}  // namespace tarvix::windows
