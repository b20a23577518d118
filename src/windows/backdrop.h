// The still part of the table window's picture: the room, the table, the
// panels and the seat plates. They are large anti-aliased shapes, slow to
// fill, and change seldom, so they are drawn once into one picture at the
// window's device resolution and a frame only copies it. The picture is
// drawn again when what it shows changes: the window's size or pixel
// density, the room, the table top's colour, a panel shown or hidden, a
// plate's colour as the turn moves.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <optional>
#include <vector>

namespace tarvix::windows {

class CardPictures;

// What the backdrop shows, in the window's coordinates. Everything its
// drawing reads is here, so that a picture differs only if this does.
struct Backdrop {
  struct Shape {
    QRectF place;
    QColor colour;
    bool operator==(const Shape&) const = default;
  };

  QSize size;  // the window's
  qreal ratio = 1;
  std::optional<int> room;
  QRectF design;               // the table's design area: nothing but the room leaves it
  double scale = 1;            // pixels per twip, for the widths of the lines
  std::optional<Shape> table;  // the felt in the table top's colour
  std::vector<QRectF> panels;
  std::vector<Shape> plates;

  bool operator==(const Backdrop&) const = default;
};

class BackdropPicture {
 public:
  // The backdrop at device resolution, drawn anew when it differs from the
  // one drawn last.
  const QPixmap& picture(const Backdrop& backdrop, CardPictures& pictures);

 private:
  Backdrop drawn_;
  QPixmap picture_;
};

}  // namespace tarvix::windows
