#include "windows/card_pictures.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "windows/art/art.h"

namespace tarvix::windows {

namespace {

// The tallest a card can be shown on any screen attached: the table fills at
// most the screen's height, and a card is 540 of its 8820 twips; the settings
// window shows the backs about 100 pixels tall.
int tallest_card_shown() {
  double tallest = 0;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const double ratio = screen->devicePixelRatio();
    tallest = std::max({tallest, screen->geometry().height() * ratio * 540 / 8820, 100 * ratio});
  }
  return static_cast<int>(std::ceil(tallest));
}

struct LoadedSheet {
  QImage image;
  int cell_height = 0;  // of the cells in the image as loaded
};

LoadedSheet& loaded_sheet() {
  static LoadedSheet sheet;
  return sheet;
}

}  // namespace

const QImage& CardPictures::sheet(int cell_height) {
  // The sheet is drawn for the largest screens; kept at full size it would
  // be most of the program's memory. It is kept at the resolution the
  // screens can show, and loaded again, larger, only if a card is ever shown
  // taller than that.
  LoadedSheet& sheet = loaded_sheet();
  const int full_height = art::cell_rect(0).height();
  const int wanted = std::min(full_height, std::max(cell_height, tallest_card_shown()));
  if (sheet.image.isNull() || (sheet.cell_height < wanted && sheet.cell_height < full_height)) {
    art::init_resources();
    QImage full(QString::fromLatin1(art::cards_path));
    if (full.isNull()) return sheet.image;
    sheet.cell_height = wanted;
    sheet.image = wanted >= full_height
                      ? full
                      : full.scaled(full.size() * (double(wanted) / full_height),
                                    Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  return sheet.image;
}

QRect CardPictures::cut(int cell) {
  const QRect full = art::cell_rect(cell);
  const LoadedSheet& sheet = loaded_sheet();
  const double scale = double(sheet.cell_height) / art::cell_rect(0).height();
  if (full.isEmpty() || scale >= 1.0) return full;
  // Rounded inwards, so that no edge of the neighbouring cell shows.
  const int left = static_cast<int>(std::ceil(full.left() * scale));
  const int top = static_cast<int>(std::ceil(full.top() * scale));
  const int right = static_cast<int>(std::floor((full.left() + full.width()) * scale));
  const int bottom = static_cast<int>(std::floor((full.top() + full.height()) * scale));
  return QRect(left, top, right - left, bottom - top).intersected(sheet.image.rect());
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
  if (art::cell_rect(cell).isEmpty()) return {};
  return cached(QStringLiteral("cell %1").arg(cell), size, device_pixel_ratio,
                [cell, &size, device_pixel_ratio] {
                  const QImage& loaded =
                      sheet(static_cast<int>(std::ceil(size.height() * device_pixel_ratio)));
                  return loaded.copy(cut(cell));
                });
}

QPixmap CardPictures::picture(const QString& path, QSize size, qreal device_pixel_ratio) {
  return cached(path, size, device_pixel_ratio, [&path] {
    art::init_resources();
    return QImage(path);
  });
}

}  // namespace tarvix::windows
