#include "windows/table_layout.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "windows/table_places.h"

namespace tarvix::windows {

namespace {

constexpr double twips_per_point = 20;
constexpr int smallest_pixels = 9;    // no text is drawn smaller at any size
constexpr double least_points = 7.5;  // nor smaller than this at the window's scale
constexpr double shrink_limit = 0.7;  // a text shrinks this far before it is elided
// A plaque's padding, in text heights.
constexpr double pad_across = 0.45;
constexpr double pad_down = 0.12;

// Inside a seat plate, in twips.
constexpr double plate_margin_x = 70;
constexpr double plate_margin_y = 45;
constexpr double row_gap = 25;
constexpr QSizeF light_size{150, 150};
// A long name's plaque reaches this far past the plate's sides, the plate
// widening under it, rather than be cut.
constexpr double name_overhang = 260;
constexpr double dealer_size = 300;  // the button's diameter
constexpr double dealer_gap = 40;    // between the button and its plate

// Sizes in points.
constexpr double name_points = 8.5;
constexpr double stack_points = 8;
constexpr double tag_points = 7.5;
constexpr double bet_points = 7.5;
constexpr double pot_points = 8.5;
constexpr double message_points = 12;
constexpr double winner_points = 11;

// The message stays on the table top between the seats' cards and the bet
// piles, clear of every plate; the winner line above the table.
constexpr Rect message_room{3700, 4560, 3544, 590};
constexpr Rect winner_room{600, 1270, 9600, 520};
// The information panel's inside, where it shows above the window's top.
constexpr Rect panel_inside{4680, 0, 3108, 1230};

QRectF clamped(QRectF box, const QRectF& room) {
  if (box.right() > room.right()) box.moveRight(room.right());
  if (box.left() < room.left()) box.moveLeft(room.left());
  if (box.bottom() > room.bottom()) box.moveBottom(room.bottom());
  if (box.top() < room.top()) box.moveTop(room.top());
  return box;
}

// A text with its room and look, not laid out yet.
Spot unlaid(const QString& text, const QRectF& room, Look look) {
  Spot spot;
  spot.whole = text;
  spot.room = room;
  spot.look = look;
  return spot;
}

}  // namespace

std::vector<Placed> TableSpots::placed() const {
  std::vector<Placed> all;
  auto add = [&all](const QString& what, const Spot& spot) {
    if (spot.shown())
      all.push_back({what + QStringLiteral(" \"") + spot.text + '"', spot.box, spot.room});
  };
  for (int s = 0; s < tarvix::seats; ++s) {
    const SeatSpots& seat = seats[static_cast<std::size_t>(s)];
    const QString which = QStringLiteral("seat %1 ").arg(s + 1);
    add(which + QStringLiteral("name"), seat.name);
    add(which + QStringLiteral("stack"), seat.stack);
    add(which + QStringLiteral("tag"), seat.tag);
    add(which + QStringLiteral("winnings"), seat.won);
    all.push_back({which + QStringLiteral("light"), seat.light, seat.name.room});
    add(which + QStringLiteral("bet"), bets[static_cast<std::size_t>(s)]);
  }
  add(QStringLiteral("pot"), pot);
  add(QStringLiteral("side pot"), side_pot);
  add(QStringLiteral("pot total"), pot_total);
  add(QStringLiteral("limits schedule"), limits_label);
  add(QStringLiteral("limits"), limits);
  add(QStringLiteral("players left"), players);
  add(QStringLiteral("winner"), winner);
  add(QStringLiteral("message"), message);
  add(QStringLiteral("sit out"), sit_out);
  if (!dealer.isEmpty()) all.push_back({QStringLiteral("dealer button"), dealer, dealer});
  return all;
}

std::vector<const Spot*> TableSpots::texts() const {
  std::vector<const Spot*> all;
  for (const SeatSpots& seat : seats)
    for (const Spot* spot : {&seat.name, &seat.stack, &seat.tag, &seat.won}) all.push_back(spot);
  for (const Spot& bet : bets) all.push_back(&bet);
  for (const Spot* spot :
       {&pot, &side_pot, &pot_total, &limits_label, &limits, &players, &winner, &message, &sit_out})
    all.push_back(spot);
  return all;
}

const Spot* TableSpots::at(QPointF point) const {
  for (const Spot* spot : texts())
    if (spot->shown() && spot->box.contains(point)) return spot;
  return nullptr;
}

TableLayout::TableLayout(double scale, QPointF origin, QFont base)
    : scale_(scale), origin_(origin), base_(std::move(base)) {}

QRectF TableLayout::view(const Rect& r) const {
  return {origin_.x() + r.left * scale_, origin_.y() + r.top * scale_, r.width * scale_,
          r.height * scale_};
}

int TableLayout::least_pixels(double scale) {
  return std::max(smallest_pixels,
                  static_cast<int>(std::lround(least_points * twips_per_point * scale)));
}

QFont TableLayout::font(double points, bool bold) const {
  QFont f = base_;
  f.setPixelSize(std::max(least_pixels(scale_),
                          static_cast<int>(std::lround(points * twips_per_point * scale_))));
  f.setBold(bold);
  return f;
}

double TableLayout::row_height(double points, bool bold) const {
  return QFontMetricsF(font(points, bold)).height() * (1 + 2 * pad_down);
}

Spot TableLayout::line(const QString& text, double points, bool bold, const QRectF& room,
                       QPointF centre, Look look) const {
  Spot spot = unlaid(text, room, look);
  if (text.isEmpty()) return spot;
  QFont f = font(points, bold);
  const int floor = std::max(least_pixels(scale_), int(std::lround(f.pixelSize() * shrink_limit)));
  while (f.pixelSize() > floor) {
    const QFontMetricsF m(f);
    if (m.horizontalAdvance(text) + 2 * pad_across * m.height() <= room.width()) break;
    f.setPixelSize(f.pixelSize() - 1);
  }
  const QFontMetricsF m(f);
  const double pad_x = pad_across * m.height(), pad_y = pad_down * m.height();
  spot.font = f;
  spot.text = m.elidedText(text, Qt::ElideRight, std::max(0.0, room.width() - 2 * pad_x));
  QRectF box(0, 0, m.horizontalAdvance(spot.text) + 2 * pad_x, m.height() + 2 * pad_y);
  box.moveCenter(centre);
  spot.box = clamped(box, room);
  spot.inner = spot.box.adjusted(pad_x, pad_y, -pad_x, -pad_y);
  return spot;
}

Spot TableLayout::wrapped(const QString& text, double points, bool bold, const QRectF& room,
                          QPointF centre, Look look, QSizeF least) const {
  Spot spot = unlaid(text, room, look);
  if (text.isEmpty()) return spot;
  QFont f = font(points, bold);
  QRectF need;
  for (;; f.setPixelSize(f.pixelSize() - 1)) {
    const QFontMetricsF m(f);
    const double pad_x = pad_across * m.height(), pad_y = pad_down * m.height();
    const QRectF inside = room.adjusted(pad_x, pad_y, -pad_x, -pad_y);
    need = m.boundingRect(QRectF(0, 0, inside.width(), 10 * room.height()),
                          Qt::TextWordWrap | Qt::AlignCenter, text);
    if (need.height() <= inside.height() && need.width() <= inside.width()) break;
    // Too long even at the least size: one line, elided.
    if (f.pixelSize() <= least_pixels(scale_)) return line(text, points, bold, room, centre, look);
  }
  const QFontMetricsF m(f);
  const double pad_x = pad_across * m.height(), pad_y = pad_down * m.height();
  // A pixel more than the widest line, so that drawing wraps where measuring did.
  QRectF box(0, 0, std::ceil(need.width()) + 1 + 2 * pad_x, need.height() + 2 * pad_y);
  box.setSize(box.size().expandedTo(least).boundedTo(room.size()));
  box.moveCenter(centre);
  spot.font = f;
  spot.text = text;
  spot.flags = Qt::AlignCenter | Qt::TextWordWrap;
  spot.box = clamped(box, room);
  spot.inner = spot.box.adjusted(pad_x, pad_y, -pad_x, -pad_y);
  return spot;
}

Spot TableLayout::centred(Element e, const QString& text, double points, bool bold,
                          const QRectF& room, Look look) const {
  return line(text, points, bold, room, view(design_rect(e)).center(), look);
}

SeatSpots TableLayout::seat(int s, const SeatTexts& texts) const {
  const QRectF plate = view(places::plate(s));
  const QRectF fan = view(places::fan(s));
  const double gap = row_gap * scale_;
  QRectF band = plate.adjusted(plate_margin_x * scale_, plate_margin_y * scale_,
                               -plate_margin_x * scale_, -plate_margin_y * scale_);
  // The rows keep to the part of the plate that the cards leave free, packed
  // against the plate's outer edge.
  const bool cards_above = fan.center().y() < plate.center().y();
  if (cards_above)
    band.setTop(std::max(band.top(), fan.bottom() + gap));
  else
    band.setBottom(std::min(band.bottom(), fan.top() - gap));

  const QSizeF light = light_size * scale_;
  const double name_h = row_height(name_points, true);
  const double stack_h = std::max(row_height(stack_points, true), light.height());
  const double tag_h = row_height(tag_points, true);
  // Centres of the rows, from the outer edge inwards.
  const double dir = cards_above ? -1 : 1;
  const double edge = cards_above ? band.bottom() : band.top();
  const double name_y = edge + dir * name_h / 2;
  const double stack_y = edge + dir * (name_h + gap + stack_h / 2);
  const double tag_y = edge + dir * (name_h + stack_h + 2 * gap + tag_h / 2);
  const double x = plate.center().x();

  SeatSpots spots;
  const QRectF whole = view({0, 0, design_width, design_height});
  const double overhang = name_overhang * scale_;
  QRectF name_room = band.adjusted(-overhang, 0, overhang, 0).intersected(whole);
  // Clear of the buttons beside the table: what a button takes on one side
  // the name gets on the other.
  for (Element e : {Command2, Command3, Shape12}) {
    const QRectF control = view(design_rect(e)).adjusted(-gap, -gap, gap, gap);
    if (control.bottom() < name_y - name_h / 2 || control.top() > name_y + name_h / 2) continue;
    const double width = name_room.width();
    if (control.center().x() > x) {
      name_room.setRight(std::min(name_room.right(), control.left()));
      name_room.setLeft(std::max(whole.left(), name_room.right() - width));
    } else {
      name_room.setLeft(std::max(name_room.left(), control.right()));
      name_room.setRight(std::min(whole.right(), name_room.left() + width));
    }
  }
  spots.name = line(texts.name, name_points, true, name_room, {x, name_y}, Look::name);

  // Plaques side by side after `lead` (the light's room), centred on the
  // plate; the row's left edge.
  auto side_by_side = [&](std::initializer_list<Spot*> row, double y, double lead,
                          const QRectF& room) {
    double width = lead;
    for (const Spot* spot : row)
      if (spot->shown()) width += (width > 0 ? gap : 0) + spot->box.width();
    const double row_left = std::max(room.left(), std::min(x - width / 2, room.right() - width));
    double left = row_left + lead;
    for (Spot* spot : row) {
      if (!spot->shown()) continue;
      if (left > row_left) left += gap;
      const QPointF shift(left - spot->box.left(), y - spot->box.center().y());
      spot->box.translate(shift);
      spot->inner.translate(shift);
      spot->room = room;
      left += spot->box.width();
    }
    return row_left;
  };

  // The light beside the stack.
  const QRectF stack_room(band.left(), stack_y - stack_h / 2, band.width() - light.width() - gap,
                          stack_h);
  spots.stack =
      line(texts.stack, stack_points, true, stack_room, stack_room.center(), Look::plaque);
  const double light_left = side_by_side({&spots.stack}, stack_y, light.width(), band);
  spots.light = QRectF(QPointF(light_left, stack_y - light.height() / 2), light);

  // The tag; at the showdown the hand beside what the seat won, both at one
  // size, reaching past the plate's sides like a long name. The amount is
  // never cut short: the hand has the room it leaves.
  const QRectF tag_band = band.adjusted(-overhang, 0, overhang, 0).intersected(whole);
  double points = tag_points;
  if (!texts.won.isEmpty()) {
    QFont f = font(tag_points, true);
    const int floor =
        std::max(least_pixels(scale_), int(std::lround(f.pixelSize() * shrink_limit)));
    for (int px = f.pixelSize(); px >= floor; --px) {
      f.setPixelSize(px);
      const QFontMetricsF m(f);
      points = px / (twips_per_point * scale_);
      const double pads = 4 * pad_across * m.height() + gap;
      if (m.horizontalAdvance(texts.tag + texts.won) + pads <= tag_band.width()) break;
    }
  }
  QRectF tag_room(tag_band.left(), tag_y - tag_h / 2, tag_band.width(), tag_h);
  spots.won = line(texts.won, points, true, tag_room, tag_room.center(), Look::won);
  if (spots.won.shown()) tag_room.setWidth(tag_band.width() - spots.won.box.width() - gap);
  spots.tag = line(texts.tag, points, true, tag_room, tag_room.center(), texts.tag_look);
  side_by_side({&spots.tag, &spots.won}, tag_y, 0, tag_band);

  // The plate widens under whatever reaches past it.
  spots.plate = plate;
  for (const Spot* spot : {&spots.name, &spots.tag, &spots.won})
    if (spot->shown())
      spots.plate |= spot->box.adjusted(-plate_margin_x * scale_, 0, plate_margin_x * scale_, 0);
  return spots;
}

TableSpots TableLayout::table(const TableTexts& t) const {
  TableSpots spots;
  for (int s = 1; s <= tarvix::seats; ++s) {
    const auto i = static_cast<std::size_t>(s - 1);
    spots.seats[i] = seat(s, t.seats[i]);
    spots.bets[i] = line(t.bets[i], bet_points, true, view({0, 0, design_width, design_height}),
                         view(places::bet(s)).center(), Look::plaque);
  }
  const QRectF whole = view({0, 0, design_width, design_height});
  spots.pot = centred(potlabel, t.pot, pot_points, true, whole, Look::heading);
  spots.side_pot = centred(sidepotlabel, t.side_pot, stack_points, true, whole, Look::plaque);
  const QRectF total = view(pot_total_room);
  spots.pot_total = line(t.pot_total, pot_points, true, total, total.center(), Look::heading);

  const QRectF panel = view(panel_inside);
  spots.limits_label = centred(limitslabel, t.limits_label, 8, false, panel, Look::plain);
  spots.limits = centred(limitsdisplay, t.limits, 9.5, false, panel, Look::plain);
  // The players left, on two lines where one is too narrow for them.
  const QRectF players(panel.left(), view(design_rect(Label2)).top(), panel.width(),
                       panel.bottom() - view(design_rect(Label2)).top());
  spots.players = wrapped(t.players, 8, false, players, players.center(), Look::plain, QSizeF());
  spots.winner =
      centred(winnerlabel, t.winner, winner_points, true, view(winner_room), Look::heading);

  const QRectF message = view(message_room);
  const QSizeF least =
      t.message_opaque ? view(design_rect(Label24)).size().boundedTo(message.size()) : QSizeF();
  spots.message =
      wrapped(t.message, t.message_points > 0 ? t.message_points : message_points, true, message,
              message.center(), t.message_opaque ? Look::opaque : Look::plaque, least);

  const QRectF sit_out = view(sit_out_room);
  spots.sit_out = line(t.sit_out, tag_points, true, sit_out, sit_out.center(), Look::plain);
  if (spots.sit_out.shown()) {
    // Beside the Exit button, under Sit Out.
    const double shift = sit_out.right() - spots.sit_out.box.right();
    spots.sit_out.box.translate(shift, 0);
    spots.sit_out.inner.translate(shift, 0);
  }
  if (t.button_seat > 0) spots.dealer = dealer_place(t.button_seat, spots);
  return spots;
}

std::vector<QRectF> TableLayout::fixed_places() const {
  std::vector<QRectF> fixed;
  for (int s = 1; s <= tarvix::seats; ++s) {
    fixed.push_back(view(places::plate(s)));
    fixed.push_back(view(places::fan(s)));
  }
  for (int i = 0; i < backchips_count; ++i) {
    if (i >= seats * pile_chips && i < pot_chip_first) continue;
    fixed.push_back(view(places::chip_place(i, design_rect(backchips(i)))));
  }
  for (Element e : {Shape12, Shape13, Command2, Command3}) fixed.push_back(view(design_rect(e)));
  return fixed;
}

QRectF TableLayout::dealer_place(int s, const TableSpots& spots) const {
  const QRectF plate = spots.seats[static_cast<std::size_t>(s - 1)].plate;
  const QRectF whole = view({0, 0, design_width, design_height});
  const double d = dealer_size * scale_, g = dealer_gap * scale_;
  const double left = plate.left() - g - d, right = plate.right() + g;
  const double middle = plate.center().y() - d / 2;
  // Beside the plate, at its middle first, then its corners, then above or below.
  const QPointF corners[] = {{right, middle},
                             {left, middle},
                             {right, plate.top()},
                             {left, plate.top()},
                             {right, plate.bottom() - d},
                             {left, plate.bottom() - d},
                             {plate.center().x() - d / 2, plate.top() - g - d},
                             {plate.center().x() - d / 2, plate.bottom() + g}};
  std::vector<QRectF> taken = fixed_places();
  for (const Placed& p : spots.placed()) taken.push_back(p.box);
  for (const SeatSpots& seat : spots.seats) taken.push_back(seat.plate);
  for (const QPointF& corner : corners) {
    const QRectF place(corner, QSizeF(d, d));
    if (!whole.contains(place)) continue;
    if (std::none_of(taken.begin(), taken.end(),
                     [&place](const QRectF& r) { return r.intersects(place); }))
      return place;
  }
  return QRectF(corners[0], QSizeF(d, d));
}

}  // namespace tarvix::windows
