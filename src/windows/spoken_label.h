// A text the table window paints itself (a seat's name, a stack, the pot, a
// message), offered to screen readers: an empty widget over the painted
// text, transparent to the mouse, whose accessible name and value follow the
// text the game shows.
#pragma once

#include <QString>
#include <QWidget>

namespace tarvix::windows {

class SpokenLabel : public QWidget {
  Q_OBJECT

 public:
  // what: what the text is ("Pot", "Seat 3 stack"); description: a longer
  // explanation for the screen reader; says_what: the text itself says what
  // it is ("Limits 10 and 20"), so it is read alone.
  SpokenLabel(const QString& what, const QString& description, QWidget* parent,
              bool says_what = false);

  const QString& what() const { return what_; }
  const QString& text() const { return text_; }
  void set_text(const QString& text);

  // "Pot: 120", or just "Pot" while the text is empty.
  QString spoken_name() const;

 private:
  bool says_what_;
  QString what_;
  QString text_;
};

}  // namespace tarvix::windows
