// What the table shows only in pictures, in words for screen readers: each
// seat's cards as the human sees them, the human's own cards, the dealer
// button and whose turn it is. Each is an empty widget over its place on
// the table, named by the words, that follows the game's events and its
// screen model. When the human's turn opens the keyboard goes to Call or
// Check, named so that a screen reader says it: "Your turn: call 140".
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <array>
#include <deque>
#include <map>

#include "model/game.h"

class QPushButton;
class QWidget;

namespace tarvix::windows {

class GameHost;
class TableWindow;

class TableReader : public QObject {
  Q_OBJECT

 public:
  TableReader(TableWindow& window, GameHost& host);

  QWidget* seat_cards(int seat) const { return cards_[static_cast<std::size_t>(seat - 1)]; }
  QWidget* dealer() const { return dealer_; }
  QWidget* turn() const { return turn_; }

  // Says the text once without taking the keyboard: a notification that
  // appears, for what the table tells as it happens.
  void announce(const QString& text);

 protected:
  // Follows the window's size.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void heard(const GameEvent& event);
  void say_waiting();
  void open_turn(const HumanTurnOpened& opened);
  void refresh();
  void refresh_soon();
  void place();

  QString seat_name(int seat) const;
  QString seat_words(int seat) const;

  TableWindow& window_;
  GameHost& host_;
  std::array<QWidget*, seats> cards_{};
  QWidget* dealer_;
  QWidget* turn_;
  // Each announcement is a notification of its own that keeps its name:
  // a screen reader reads a name when it gets round to it, which at speed
  // is after later announcements. The last ones stay for it, oldest first.
  std::deque<QWidget*> notices_;
  QStringList waiting_;  // what is to be announced next

  int dealer_seat_ = 0;
  int turn_seat_ = 0;
  std::map<int, ShowdownHand> showdown_;  // by seat, until the next hand
  // The button named for the turn, and its name before.
  QPointer<QPushButton> turn_button_;
  Element turn_element_ = no_element;
  QString name_before_;
  bool refresh_due_ = false;
};

}  // namespace tarvix::windows
