// The table window (`tables`): draws the screen model, scaled as a whole to
// the window, and forwards the player's clicks and keys to the game host.
// Keys: C, K, R, F play the bet panel and B goes into the amount box (all
// left to the game to accept), F9/F10 the winner label, F11 full screen;
// Tab reaches every control, Space or Enter presses it, Escape leaves the
// amount box. The table's pictures in words are the TableReader's.
// It keeps no game state of its own; what it remembers of the model is only
// what it needs to animate a change (where a chip was, which picture a card
// showed).
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <map>
#include <optional>

#include "model/game.h"
#include "windows/card_pictures.h"
#include "windows/motion.h"

class QLineEdit;
class QPushButton;
class QPainter;

namespace tarvix::windows {

class GameHost;
class SpokenLabel;
class TableReader;

class TableWindow : public QWidget {
  Q_OBJECT

 public:
  explicit TableWindow(GameHost& host, QWidget* parent = nullptr);

  // Sizes the window to the screen, centres it and shows it.
  void open();

  // The room picture behind the table: 102, 103 or 104, or none for the
  // window's own background.
  void set_room(std::optional<int> resource);
  std::optional<int> room() const { return room_; }

  // Where a rectangle of the design (twips) is drawn in the window.
  QRectF to_view(const Rect& twips) const;
  double scale() const { return scale_; }

  Motion& motion() { return motion_; }
  // A slide or a flip is playing (and the frame timer runs only then).
  bool animating() const { return frames_.isActive(); }

  QPushButton* button(Element e) const;
  QLineEdit* amount_box() const { return amount_box_; }
  // The screen reader's stand-in for a painted text, or null.
  SpokenLabel* spoken(Element e) const;
  // Cards, the dealer button and the turn in words, for screen readers.
  TableReader* reader() const { return reader_; }

  void toggle_full_screen();

 signals:
  // The human's turn opened while the player looked elsewhere: the desktop
  // was asked to draw attention to the window.
  void turn_alerted();

 protected:
  void paintEvent(class QPaintEvent*) override;
  void resizeEvent(class QResizeEvent*) override;
  void keyPressEvent(class QKeyEvent* event) override;
  void closeEvent(class QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Style { plain, plaque, name, heading, opaque_or_plaque };

  void element_changed(Element e);
  void sync_widget(Element e);
  void sync_spoken(Element e);
  void heard(const GameEvent& event);
  void place_widgets();
  void animate();

  QRectF view_rect(Element e) const;
  QFont font_for(double points, bool bold = false) const;
  void draw_background(QPainter& painter);
  void draw_table(QPainter& painter);
  void draw_panels(QPainter& painter);
  void draw_seats(QPainter& painter);
  void draw_cards(QPainter& painter, Motion::Millis now);
  void draw_chips(QPainter& painter, Motion::Millis now);
  void draw_chip(QPainter& painter, int index, QRectF where);
  void draw_labels(QPainter& painter);
  void draw_label(QPainter& painter, Element e, double points, Style style,
                  Qt::Alignment align = Qt::AlignCenter);
  void draw_dealer(QPainter& painter);

  GameHost& host_;
  const Screen& screen_;
  CardPictures pictures_;
  std::optional<int> room_;

  double scale_ = 1.0 / 15;
  QPointF origin_;

  std::map<Element, QPushButton*> buttons_;
  QLineEdit* amount_box_ = nullptr;
  std::map<Element, SpokenLabel*> spoken_;
  TableReader* reader_ = nullptr;

  // The model as last seen, for the animations.
  struct Seen {
    bool visible = false;
    int left = 0, top = 0;
    int picture = -1;
  };
  std::array<Seen, element_count> seen_{};
  Motion motion_;
  QElapsedTimer time_;
  QTimer frames_;
};

}  // namespace tarvix::windows
