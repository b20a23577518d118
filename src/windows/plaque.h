// The ground behind a painted text: a dark rounded plaque, or the message's
// own colour. Filled directly, an anti-aliased shape hands its rows to Qt's
// other threads, and a table of texts pays for that in every frame; so each
// text keeps its plaque as a picture, drawn again only when the plaque's
// place, size or colour changes, and a frame only copies it.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QRectF>

class QPainter;

namespace tarvix::windows {

struct Plaque {
  QRectF place;  // in the window's coordinates
  double corner = 0;
  QColor colour;
  bool operator==(const Plaque&) const = default;
};

class PlaquePicture {
 public:
  // Draws the plaque as a direct fill would: the picture holds the shape at
  // its place's fraction of a device pixel and is copied at a whole one.
  void draw(QPainter& painter, const Plaque& plaque, qreal ratio);

 private:
  Plaque drawn_;
  qreal ratio_ = 0;
  QPoint at_;  // in device pixels
  QPixmap picture_;
};

}  // namespace tarvix::windows
