// The pictures the windows draw, cut and scaled for the size they are shown
// at. The card sheet is loaded once; every cell is scaled from the sheet's
// full resolution to the shown size in device pixels, so cards stay sharp on
// high-density screens. Each picture is kept at the one size it was last
// shown at, so resizing the window never piles up copies.
#pragma once

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace tarvix::windows {

class CardPictures {
 public:
  // Card-sheet cell (0..71) at a size in logical pixels.
  QPixmap card(int cell, QSize size, qreal device_pixel_ratio);
  // Any embedded picture (":/art/..."), scaled to fill the size.
  QPixmap picture(const QString& path, QSize size, qreal device_pixel_ratio);

  // The card sheet, shared by all windows, with cells at least cell_height
  // pixels tall where the sheet has that many; cut(cell) is a cell's place
  // in it.
  static const QImage& sheet(int cell_height = 0);
  static QRect cut(int cell);

 private:
  struct Entry {
    QSize size;
    qreal ratio;
    QPixmap pixmap;
  };
  template <typename Source>
  QPixmap cached(const QString& name, QSize size, qreal ratio, Source source);

  QHash<QString, Entry> cache_;
};

}  // namespace tarvix::windows
