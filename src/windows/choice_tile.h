// One choice of the settings window: a picture or a colour swatch that can
// be clicked, marked with a single-line border when it is the chosen one.
// Screen readers find it as a radio button named by what it shows; Space
// chooses it from the keyboard, and a ring shows that it has the keyboard.
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

  // name: the design's element name; spoken: what it shows, in words.
  ChoiceTile(const QString& name, const QString& spoken, QSize size, Painter paint,
             QWidget* parent = nullptr);

  bool marked() const { return marked_; }
  void set_marked(bool marked);

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseReleaseEvent(class QMouseEvent* event) override;
  void keyPressEvent(class QKeyEvent* event) override;
  void focusInEvent(class QFocusEvent*) override { update(); }
  void focusOutEvent(class QFocusEvent*) override { update(); }

 private:
  Painter paint_;
  bool marked_ = false;
};

}  // namespace tarvix::windows
