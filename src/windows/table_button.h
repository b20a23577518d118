// A button of the table window. Its look comes from its style sheet; the
// rounded, bordered ground is slow to draw (a clip path, anti-aliased arcs,
// fills handed to Qt's other threads), and the table repaints the window
// whole after every change of the game, so the ground is kept as a picture
// for the button's size, pixel density, style and state, and a frame copies
// it wherever it falls on whole device pixels. The caption and the
// keyboard's mark are drawn over it as Qt draws them.
#pragma once

#include <QPixmap>
#include <QPushButton>
#include <QSize>
#include <QString>

namespace tarvix::windows {

class TableButton : public QPushButton {
  Q_OBJECT

 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(class QPaintEvent*) override;

 private:
  // What the ground's picture was drawn for.
  struct Ground {
    QSize size;
    qreal ratio = 0;
    int state = 0, features = 0;
    QString style;
    bool operator==(const Ground&) const = default;
  };
  Ground drawn_;
  QPixmap ground_;
};

}  // namespace tarvix::windows
