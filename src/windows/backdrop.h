// The still part of the table window's picture: the room, the table, the
// panels and the seat plates with their lights. They are anti-aliased
// shapes, slow to fill, and change seldom, so they are drawn once into one
// picture at the window's device resolution and a frame only copies it.
// When the window's size or pixel density, the room or the table top change,
// the picture is drawn anew; when a panel shows or hides, a plate and its
// light change colour as the turn moves, or a light moves beside a stack that
// changed its width, it is drawn again only where they were and are, over
// the room and table kept from the last whole drawing for just those places:
// no second picture of the whole room is held.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QRectF>
#include <QRegion>
#include <QSize>
#include <optional>
#include <vector>

namespace tarvix::windows {

// What the backdrop shows, in the window's coordinates. Everything its
// drawing reads is here, so that a picture differs only if this does.
struct Backdrop {
  struct Shape {
    QRectF place;
    QColor colour;
    bool operator==(const Shape&) const = default;
  };
  // What the whole picture rests on.
  struct Ground {
    QSize size;  // the window's
    qreal ratio = 1;
    std::optional<int> room;
    QRectF design;               // the table's design area: nothing but the room leaves it
    double scale = 1;            // pixels per twip, for the widths of the lines
    std::optional<Shape> table;  // the felt in the table top's colour
    // Every place a panel or a plate may take, shown or not; the lights
    // stay on their plates.
    std::vector<QRectF> shape_places;
    bool operator==(const Ground&) const = default;
  };

  Ground ground;
  std::vector<QRectF> panels;
  std::vector<Shape> plates;
  std::vector<Shape> lights;

  bool operator==(const Backdrop&) const = default;
};

class BackdropPicture {
 public:
  // The backdrop at device resolution, drawn again where it differs from
  // the one drawn last.
  const QPixmap& picture(const Backdrop& backdrop);

 private:
  void draw_whole(const Backdrop& backdrop);
  void draw_again(const Backdrop& backdrop, const QRegion& where);

  // A piece of the room and the table, without the shapes, in device pixels.
  struct Patch {
    QRect place;
    QPixmap picture;
  };

  Backdrop drawn_;
  QPixmap picture_;
  std::vector<Patch> ground_kept_;
  QRegion kept_;  // where ground_kept_ covers, in device pixels
};

}  // namespace tarvix::windows
