#include "windows/card_pictures.h"

#include <cmath>

#include "windows/art/art.h"

namespace tarvix::windows {

const QImage& CardPictures::sheet() {
  static const QImage loaded = [] {
    art::init_resources();
    return QImage(QString::fromLatin1(art::cards_path));
  }();
  return loaded;
}

template <typename Source>
QPixmap CardPictures::cached(const QString& name, QSize size, qreal ratio, Source source) {
  if (size.isEmpty()) return {};
  if (const auto it = cache_.constFind(name);
      it != cache_.constEnd() && it->size == size && it->ratio == ratio)
    return it->pixmap;
  const QImage image = source();
  if (image.isNull()) return {};
  const QSize device(static_cast<int>(std::lround(size.width() * ratio)),
                     static_cast<int>(std::lround(size.height() * ratio)));
  QPixmap scaled =
      QPixmap::fromImage(image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  scaled.setDevicePixelRatio(ratio);
  cache_.insert(name, {size, ratio, scaled});
  return scaled;
}

QPixmap CardPictures::card(int cell, QSize size, qreal device_pixel_ratio) {
  const QRect cut = art::cell_rect(cell);
  if (cut.isEmpty()) return {};
  return cached(QStringLiteral("cell %1").arg(cell), size, device_pixel_ratio,
                [&cut] { return sheet().copy(cut); });
}

QPixmap CardPictures::picture(const QString& path, QSize size, qreal device_pixel_ratio) {
  return cached(path, size, device_pixel_ratio, [&path] {
    art::init_resources();
    return QImage(path);
  });
}

}  // namespace tarvix::windows
