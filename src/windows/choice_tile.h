// One choice of the settings window: a picture or a colour swatch that can
// be clicked, marked with a single-line border when it is the chosen one.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <functional>

namespace tarvix::windows {

class ChoiceTile : public QWidget {
  Q_OBJECT

 public:
  // Draws into the tile's inner rectangle, at the device pixel ratio given.
  using Painter = std::function<void(class QPainter&, QRect, qreal)>;

  ChoiceTile(const QString& name, QSize size, Painter paint, QWidget* parent = nullptr);

  bool marked() const { return marked_; }
  void set_marked(bool marked);

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseReleaseEvent(class QMouseEvent* event) override;

 private:
  Painter paint_;
  bool marked_ = false;
};

}  // namespace tarvix::windows
