#include "windows/card_pictures.h"

#include <QImage>
#include <cmath>

#include "windows/art/art.h"
#include "windows/art/drawing.h"

namespace tarvix::windows {

art::Room room_of(std::optional<int> resource) {
  switch (resource.value_or(0)) {
    case 102: return art::Room::wood;
    case 103: return art::Room::carpet;
    case 104: return art::Room::velvet;
    default: return art::Room::plain;
  }
}

template <typename Source>
QPixmap CardPictures::cached(const QString& name, QSize size, qreal ratio, Source source) {
  if (size.isEmpty()) return {};
  if (const auto it = cache_.constFind(name);
      it != cache_.constEnd() && it->size == size && it->ratio == ratio)
    return it->pixmap;
  // The old picture goes before the new one is made: never both at once.
  cache_.remove(name);
  const QSize device(static_cast<int>(std::lround(size.width() * ratio)),
                     static_cast<int>(std::lround(size.height() * ratio)));
  QImage image = source(device);
  if (image.isNull()) return {};
  // Moved, so that the pixmap takes over the image's pixels.
  QPixmap pixmap = QPixmap::fromImage(std::move(image));
  pixmap.setDevicePixelRatio(ratio);
  cache_.insert(name, {size, ratio, pixmap});
  return pixmap;
}

QPixmap CardPictures::card(int cell, QSize size, qreal device_pixel_ratio) {
  return cached(QStringLiteral("cell %1").arg(cell), size, device_pixel_ratio,
                [cell](QSize device) { return art::draw_card(cell, device); });
}

QPixmap CardPictures::room(std::optional<int> resource, QSize size, qreal device_pixel_ratio) {
  return cached(QStringLiteral("room %1").arg(resource.value_or(0)), size, device_pixel_ratio,
                [resource](QSize device) { return art::draw_room(room_of(resource), device); });
}

QPixmap CardPictures::picture(const QString& path, QSize size, qreal device_pixel_ratio) {
  return cached(path, size, device_pixel_ratio, [&path](QSize device) {
    art::init_resources();
    return QImage(path).scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  });
}

}  // namespace tarvix::windows
