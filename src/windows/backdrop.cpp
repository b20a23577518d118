#include "windows/backdrop.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>

#include "windows/card_pictures.h"
#include "windows/table_style.h"

namespace tarvix::windows {

namespace {

void draw_room(QPainter& painter, const Backdrop& b, CardPictures& pictures) {
  // The room fills the whole window, cropped rather than stretched; the
  // table keeps its proportions in the middle of it.
  painter.fillRect(QRect(QPoint(0, 0), b.size), QColor(0x10, 0x10, 0x10));
  painter.drawPixmap(0, 0, pictures.room(b.room, b.size, b.ratio));
}

void draw_table(QPainter& painter, const Backdrop& b) {
  if (!b.table) return;
  const QRectF felt = b.table->place;
  const double rim = 130 * b.scale;
  const QRectF outer = felt.adjusted(-rim, -rim, rim, rim);

  // A soft shadow, the wooden rim, then the felt in the chosen colour.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 90));
  painter.drawRoundedRect(outer.translated(0, 70 * b.scale), outer.height() / 2,
                          outer.height() / 2);
  QLinearGradient wood(outer.topLeft(), outer.bottomLeft());
  wood.setColorAt(0, QColor(0x7a, 0x48, 0x20));
  wood.setColorAt(0.5, QColor(0x5a, 0x32, 0x14));
  wood.setColorAt(1, QColor(0x3a, 0x1f, 0x0b));
  painter.setBrush(wood);
  painter.drawRoundedRect(outer, outer.height() / 2, outer.height() / 2);

  const QColor colour = b.table->colour;
  QRadialGradient light(felt.center(), felt.width() * 0.6);
  light.setColorAt(0, colour.lighter(118));
  light.setColorAt(1, colour.darker(125));
  painter.setBrush(light);
  painter.drawRoundedRect(felt, felt.height() / 2, felt.height() / 2);

  const double inset = 380 * b.scale;
  const QRectF line = felt.adjusted(inset, inset, -inset, -inset);
  QColor line_colour = colour.lighter(160);
  line_colour.setAlpha(90);
  painter.setPen(QPen(line_colour, std::max(1.0, 18 * b.scale)));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(line, line.height() / 2, line.height() / 2);
}

void draw_panels(QPainter& painter, const Backdrop& b) {
  for (const QRectF& r : b.panels) {
    painter.setPen(QPen(style::gold, std::max(1.0, 18 * b.scale)));
    painter.setBrush(style::panel_back);
    painter.drawRoundedRect(r, 140 * b.scale, 140 * b.scale);
  }
}

void draw_plates(QPainter& painter, const Backdrop& b) {
  for (const Backdrop::Shape& plate : b.plates) {
    QColor body = plate.colour;
    body.setAlpha(240);
    painter.setPen(QPen(plate.colour.darker(170), std::max(1.0, 20 * b.scale)));
    painter.setBrush(body);
    painter.drawRoundedRect(plate.place, 220 * b.scale, 220 * b.scale);
  }
}

}  // namespace

const QPixmap& BackdropPicture::picture(const Backdrop& backdrop, CardPictures& pictures) {
  if (backdrop == drawn_ && !picture_.isNull()) return picture_;
  // The old picture goes before the new one is made: never both at once.
  picture_ = QPixmap();
  drawn_ = backdrop;
  if (backdrop.size.isEmpty()) return picture_;
  picture_ = QPixmap((QSizeF(backdrop.size) * backdrop.ratio).toSize());
  picture_.setDevicePixelRatio(backdrop.ratio);
  QPainter painter(&picture_);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  draw_room(painter, backdrop, pictures);
  painter.setClipRect(backdrop.design);
  draw_table(painter, backdrop);
  draw_panels(painter, backdrop);
  draw_plates(painter, backdrop);
  return picture_;
}

}  // namespace tarvix::windows
