// Card faces. The corner index is big because in a fan only the left strip of
// a card shows, at about 28 x 36 screen pixels for the whole card.
#include <QPainter>
#include <QString>
#include <QTransform>
#include <array>
#include <vector>

#include "drawing.h"
#include "model/card.h"

namespace tarvix::art {
namespace {

const QRectF rank_box(1.4, 2.0, 10.4, 14.2);
const QRectF index_suit_box(2.0, 17.4, 9.2, 9.2);
constexpr double pip_size = 5.6;
constexpr double pip_top = 9.6;
constexpr double pip_span = 36.8;
constexpr double left_column = 16.1;
constexpr double middle_column = 20.0;
constexpr double right_column = 23.9;
const QRectF court_panel(12.7, 6.6, 14.6, 42.8);
constexpr double narrowed_spacing = 0.86;  // "10": its two digits closer together

// The rank texts as printed in the corner, two .. ace.
const std::array<const char*, 13> printed_ranks = {"2", "3",  "4", "5", "6", "7", "8",
                                                   "9", "10", "J", "Q", "K", "A"};

const QColor face_paper(253, 251, 245);
const QColor edge_colour(70, 70, 78);
const QColor gold(222, 170, 40);
const QColor gold_dark(150, 105, 20);
const QColor skin(247, 212, 176);

// Glyphs of the rank token, its cap height filling the box; a token too wide
// for the box is narrowed rather than shrunk, so "10" stays as tall as "4".
QPainterPath rank_path(const QString& token, const QRectF& box) {
  const QPainterPath path = lettering(token, token.size() > 1 ? narrowed_spacing : 1);
  const QRectF bounds = path.boundingRect();
  const double height_scale = box.height() / bounds.height();
  const double width_scale = std::min(height_scale, box.width() / bounds.width());
  QTransform transform;
  transform.translate(box.center().x(), box.center().y());
  transform.scale(width_scale, height_scale);
  transform.translate(-bounds.center().x(), -bounds.center().y());
  return transform.map(path);
}

void draw_index(QPainter& painter, const QString& token, Suit suit) {
  painter.fillPath(rank_path(token, rank_box), suit_colour(suit));
  painter.fillPath(fitted(suit_path(suit), index_suit_box), suit_colour(suit));
}

void draw_pip(QPainter& painter, Suit suit, QPointF centre, double size, bool upside_down) {
  QPainterPath pip = fitted(suit_path(suit), QRectF(-size / 2, -size / 2, size, size));
  if (upside_down) pip = QTransform().rotate(180).map(pip);
  painter.fillPath(pip.translated(centre), suit_colour(suit));
}

struct Pip {
  double column;
  double row;  // 0 top .. 1 bottom of the pip area
};

// The classic pip layouts of two to ten.
std::vector<Pip> pip_layout(int value) {
  const double l = left_column, m = middle_column, r = right_column;
  std::vector<Pip> pips;
  auto pair_at = [&](double row) {
    pips.push_back({l, row});
    pips.push_back({r, row});
  };
  switch (value) {
    case 2: pips = {{m, 0}, {m, 1}}; break;
    case 3: pips = {{m, 0}, {m, 0.5}, {m, 1}}; break;
    case 4: pair_at(0), pair_at(1); break;
    case 5: pair_at(0), pair_at(1), pips.push_back({m, 0.5}); break;
    case 6: pair_at(0), pair_at(0.5), pair_at(1); break;
    case 7: pair_at(0), pair_at(0.5), pair_at(1), pips.push_back({m, 0.25}); break;
    case 8:
      pair_at(0), pair_at(0.5), pair_at(1), pips.push_back({m, 0.25}), pips.push_back({m, 0.75});
      break;
    case 9:
      pair_at(0), pair_at(1.0 / 3), pair_at(2.0 / 3), pair_at(1), pips.push_back({m, 0.5});
      break;
    case 10:
      pair_at(0), pair_at(1.0 / 3), pair_at(2.0 / 3), pair_at(1);
      pips.push_back({m, 1.0 / 6}), pips.push_back({m, 5.0 / 6});
      break;
    default: break;
  }
  return pips;
}

void draw_pips(QPainter& painter, int value, Suit suit) {
  for (const Pip& pip : pip_layout(value)) {
    draw_pip(painter, suit, QPointF(pip.column, pip_top + pip.row * pip_span), pip_size,
             pip.row > 0.5);
  }
}

enum class Court { jack, queen, king };

QPainterPath polygon_path(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(points));
  path.closeSubpath();
  return path;
}

void draw_headwear(QPainter& painter, Court court, const QColor& robe) {
  const QPen outline(gold_dark, 0.3);
  painter.setPen(outline);
  switch (court) {
    case Court::king: {
      painter.setBrush(gold);
      painter.drawPath(polygon_path({{16.4, 14.6},
                                     {16.0, 10.0},
                                     {17.8, 12.2},
                                     {20.0, 9.2},
                                     {22.2, 12.2},
                                     {24.0, 10.0},
                                     {23.6, 14.6}}));
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(200, 20, 40));
      painter.drawEllipse(QPointF(20.0, 13.2), 0.7, 0.7);
      painter.setBrush(QColor(40, 90, 200));
      painter.drawEllipse(QPointF(17.6, 13.5), 0.5, 0.5);
      painter.drawEllipse(QPointF(22.4, 13.5), 0.5, 0.5);
      break;
    }
    case Court::queen: {
      // Hair falling to the shoulders behind the face, a small tiara on top.
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(120, 70, 30));
      painter.drawRoundedRect(QRectF(16.4, 12.6, 7.2, 8.6), 2.6, 2.6);
      painter.setPen(outline);
      painter.setBrush(gold);
      QPainterPath tiara;
      tiara.moveTo(16.8, 14.0);
      tiara.quadTo(20.0, 11.4, 23.2, 14.0);
      tiara.lineTo(22.4, 12.0);
      tiara.lineTo(21.2, 12.6);
      tiara.lineTo(20.0, 10.6);
      tiara.lineTo(18.8, 12.6);
      tiara.lineTo(17.6, 12.0);
      tiara.closeSubpath();
      painter.drawPath(tiara);
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(40, 90, 200));
      painter.drawEllipse(QPointF(20.0, 12.3), 0.5, 0.5);
      break;
    }
    case Court::jack: {
      // A flat cap in the robe's colour with a gold feather.
      painter.setBrush(robe);
      painter.drawPath(polygon_path({{15.8, 14.4}, {16.8, 11.6}, {23.4, 11.2}, {24.2, 14.4}}));
      painter.setBrush(gold);
      painter.drawRect(QRectF(16.0, 13.6, 8.0, 0.9));
      QPainterPath feather;
      feather.moveTo(22.6, 11.6);
      feather.cubicTo(24.6, 9.6, 25.8, 8.4, 26.6, 7.6);
      feather.cubicTo(25.8, 9.6, 24.8, 11.0, 23.4, 12.2);
      feather.closeSubpath();
      painter.drawPath(feather);
      break;
    }
  }
}

// The upper half of a double-headed court figure, between y 6.6 and 28.
void draw_court_half(QPainter& painter, Court court, Suit suit) {
  const bool red = suit == Suit::diamonds || suit == Suit::hearts;
  const QColor robe = red ? QColor(196, 26, 40) : QColor(30, 44, 110);
  const QColor trim = red ? QColor(40, 80, 170) : QColor(190, 30, 45);

  painter.setPen(QPen(QColor(60, 30, 20), 0.3));
  painter.setBrush(robe);
  QPainterPath body;
  body.moveTo(13.4, 28.0);
  body.lineTo(13.6, 23.4);
  body.quadTo(14.2, 21.0, 17.0, 20.6);
  body.lineTo(23.0, 20.6);
  body.quadTo(25.8, 21.0, 26.4, 23.4);
  body.lineTo(26.6, 28.0);
  body.closeSubpath();
  painter.drawPath(body);

  // Collar and a sash across the robe.
  painter.setBrush(gold);
  painter.drawPath(polygon_path({{16.6, 20.6}, {23.4, 20.6}, {20.0, 23.6}}));
  painter.setBrush(trim);
  painter.drawPath(polygon_path({{14.0, 24.0}, {15.4, 23.0}, {26.2, 27.2}, {24.6, 28.0}}));

  if (court == Court::queen) draw_headwear(painter, court, robe);  // hair goes behind the face
  painter.setPen(QPen(QColor(120, 70, 40), 0.25));
  painter.setBrush(skin);
  painter.drawEllipse(QPointF(20.0, 17.4), 2.5, 3.0);
  if (court == Court::king) {
    painter.setBrush(QColor(235, 235, 235));
    QPainterPath beard;
    beard.moveTo(17.6, 18.2);
    beard.quadTo(20.0, 23.2, 22.4, 18.2);
    beard.quadTo(20.0, 19.8, 17.6, 18.2);
    painter.drawPath(beard);
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(40, 30, 30));
  painter.drawEllipse(QPointF(19.0, 16.8), 0.35, 0.35);
  painter.drawEllipse(QPointF(21.0, 16.8), 0.35, 0.35);
  if (court != Court::queen) draw_headwear(painter, court, robe);

  // The suit beside the head, as on printed court cards.
  painter.fillPath(fitted(suit_path(suit), QRectF(13.6, 7.6, 3.6, 3.6)), suit_colour(suit));
}

void draw_court(QPainter& painter, Court court, Suit suit) {
  painter.setPen(QPen(suit_colour(suit), 0.5));
  painter.setBrush(QColor(250, 238, 206));
  painter.drawRect(court_panel);

  painter.save();
  painter.setClipRect(court_panel);
  draw_court_half(painter, court, suit);
  painter.translate(card_width, card_height);
  painter.rotate(180);
  draw_court_half(painter, court, suit);
  painter.restore();

  painter.setPen(QPen(gold_dark, 0.3));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(court_panel.adjusted(0.7, 0.7, -0.7, -0.7));
  painter.drawLine(QPointF(court_panel.left() + 0.7, 28.0),
                   QPointF(court_panel.right() - 0.7, 28.0));
}

void draw_ace(QPainter& painter, Suit suit) {
  const QRectF box =
      suit == Suit::spades ? QRectF(11.0, 14.0, 18.0, 28.0) : QRectF(12.0, 16.0, 16.0, 24.0);
  painter.fillPath(fitted(suit_path(suit), box), suit_colour(suit));
}

}  // namespace

void draw_face(QPainter& painter, int card) {
  const int rank = rank_index(card);
  const Suit suit = static_cast<Suit>(suit_index(card));
  const QString token = QString::fromLatin1(printed_ranks[rank]);

  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(edge_colour, 0.7));
  painter.setBrush(face_paper);
  painter.drawRoundedRect(QRectF(0.35, 0.35, card_width - 0.7, card_height - 0.7), 3.2, 3.2);

  draw_index(painter, token, suit);
  painter.save();
  painter.translate(card_width, card_height);
  painter.rotate(180);
  draw_index(painter, token, suit);
  painter.restore();

  if (rank <= 8) {
    draw_pips(painter, rank + 2, suit);
  } else if (rank == 12) {
    draw_ace(painter, suit);
  } else {
    draw_court(painter, static_cast<Court>(rank - 9), suit);
  }
  painter.restore();
}

}  // namespace tarvix::art
