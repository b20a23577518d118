// Where the table window's painted texts go. Every text is fitted into the
// plate or panel it belongs to at the window's scale: shrunk to fit, then
// elided, and kept clear of the other texts. Inside a seat plate the name,
// the stack beside the seat light, and the seat's tag stand in rows across
// the part of the plate that the seat's cards leave free: the name at the
// plate's outer edge, the tag towards the table. The drawing, the screen
// reader's stand-ins, the tooltips and the layout test all read these boxes.
#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <array>
#include <vector>

#include "model/elements.h"
#include "windows/story.h"

namespace tarvix::windows {

// How a text is drawn.
enum class Look {
  plain,       // cream, no plaque
  plaque,      // cream on a dark plaque
  name,        // white on a dark plaque
  heading,     // gold on a darker plaque
  opaque,      // the message in the game's own colours
  tag,         // a seat's forced bet, call or check
  tag_strong,  // a bet or raise
  tag_all_in,  // all in
  tag_fold,    // fold
  tag_hand,    // the seat's hand at the showdown
  won,         // what a seat received at the showdown
  title,       // a sheet's title
  key,         // a sheet row's first column
};

struct Spot {
  QString text;   // as drawn, maybe elided
  QString whole;  // the whole text, for the tooltip and the screen reader
  QFont font;
  QRectF box;    // the plaque behind the text
  QRectF inner;  // where the text itself is drawn
  QRectF room;   // the plate or panel it stays within
  Look look = Look::plain;
  int flags = Qt::AlignCenter;
  bool shown() const { return !text.isEmpty(); }
};

// What the table shows, in words; an empty text is not shown.
struct SeatTexts {
  QString name, stack, tag, won;
  Look tag_look = Look::tag;
};

struct TableTexts {
  std::array<SeatTexts, tarvix::seats> seats;  // seat 1 first
  std::array<QString, tarvix::seats> bets;
  QString pot, side_pot, pot_total, limits_label, limits, players, winner, message, sit_out;
  int button_seat = 0;        // the dealer button's seat; 0 when it is not shown
  double message_points = 0;  // the message's size when the game sets one
  bool message_opaque = false;
};

struct SeatSpots {
  Spot name, stack, tag, won;
  QRectF light;
  QRectF plate;  // the seat's plate as drawn: wide enough for its name
};

// A box that must stay in its room and clear of every other one.
struct Placed {
  QString what;
  QRectF box, room;
};

struct TableSpots {
  std::array<SeatSpots, tarvix::seats> seats;
  std::array<Spot, tarvix::seats> bets;
  Spot pot, side_pot, pot_total, limits_label, limits, players, winner, message, sit_out;
  QRectF dealer;  // the dealer button, beside its seat's plate

  // Every text, in the order they are drawn.
  std::vector<const Spot*> texts() const;
  // Every text shown, every seat light and the dealer button.
  std::vector<Placed> placed() const;
  // The shown text at a point of the window, if any.
  const Spot* at(QPointF point) const;
};

// A line of a sheet: a row has its value beside the text.
struct SheetSpot {
  Spot text, value;
  QString spoken() const;
};

class TableLayout {
 public:
  // scale: view pixels per twip; origin: where the design's corner is drawn.
  TableLayout(double scale, QPointF origin, QFont base);

  QRectF view(const Rect& twips) const;
  QFont font(double points, bool bold) const;
  // No text on the table is drawn smaller: a seat's tag at the window's
  // scale, and never below what the smallest window can still be read at.
  static int least_pixels(double scale);

  TableSpots table(const TableTexts& texts) const;
  // The guide or the summary in its room, at the largest size at which
  // every line fits.
  std::vector<SheetSpot> sheet(const std::vector<SheetLine>& lines, const QRectF& room) const;

  // The design's rooms of the texts that have no element of their own.
  static constexpr Rect pot_total_room{4100, 6010, 1700, 290};
  static constexpr Rect sit_out_room{5900, 8170, 3140, 300};
  // What the dealer button never covers: the plates, the cards, the
  // chips' places, the panels and the buttons under the table.
  std::vector<QRectF> fixed_places() const;
  static constexpr Rect guide_room{700, 300, 10960, 8220};
  static constexpr Rect summary_room{2700, 3800, 5500, 2480};

 private:
  Spot line(const QString& text, double points, bool bold, const QRectF& room, QPointF centre,
            Look look) const;
  Spot wrapped(const QString& text, double points, bool bold, const QRectF& room, QPointF centre,
               Look look, QSizeF least) const;
  Spot centred(Element e, const QString& text, double points, bool bold, const QRectF& room,
               Look look) const;
  SeatSpots seat(int s, const SeatTexts& texts) const;
  QRectF dealer_place(int s, const TableSpots& spots) const;
  double row_height(double points, bool bold) const;

  double scale_;
  QPointF origin_;
  QFont base_;
};

}  // namespace tarvix::windows
