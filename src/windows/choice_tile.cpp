#include "windows/choice_tile.h"

#include <QMouseEvent>
#include <QPainter>

namespace tarvix::windows {

namespace {
constexpr int border_gap = 4;  // room for the mark around the picture
}

ChoiceTile::ChoiceTile(const QString& name, QSize size, Painter paint, QWidget* parent)
    : QWidget(parent), paint_(std::move(paint)) {
  setObjectName(name);
  setFixedSize(size + QSize(2 * border_gap, 2 * border_gap));
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_Hover);
}

void ChoiceTile::set_marked(bool marked) {
  if (marked_ == marked) return;
  marked_ = marked;
  update();
}

void ChoiceTile::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QRect inner = rect().adjusted(border_gap, border_gap, -border_gap, -border_gap);
  paint_(painter, inner, devicePixelRatioF());
  if (marked_) {
    // The mark: one plain line round the chosen tile.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(255, 236, 140), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
}

void ChoiceTile::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
}

}  // namespace tarvix::windows
