// The pictures the windows draw, made for the size they are shown at: cards
// and rooms are drawn at that size in device pixels, so they stay sharp on
// high-density screens and no picture larger than the screen is ever made;
// the embedded chips are scaled to it. Each picture is kept at the one size it
// was last shown at, so resizing the window never piles up copies.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <optional>

#include "windows/art/drawing.h"

namespace tarvix::windows {

// The room of picture 102, 103 or 104, or the table's own background for none.
art::Room room_of(std::optional<int> resource);

class CardPictures {
 public:
  // Card-sheet cell (0..55) at a size in logical pixels; null for other cells.
  QPixmap card(int cell, QSize size, qreal device_pixel_ratio);
  // The room picture 102, 103 or 104, or none for the table's own
  // background, covering the size (cut, not stretched).
  QPixmap room(std::optional<int> resource, QSize size, qreal device_pixel_ratio);
  // Any embedded picture (":/art/..."), scaled to fill the size.
  QPixmap picture(const QString& path, QSize size, qreal device_pixel_ratio);

 private:
  struct Entry {
    QSize size;
    qreal ratio;
    QPixmap pixmap;
  };
  // Source makes the picture at a size in device pixels.
  template <typename Source>
  QPixmap cached(const QString& name, QSize size, qreal ratio, Source source);

  QHash<QString, Entry> cache_;
};

}  // namespace tarvix::windows
