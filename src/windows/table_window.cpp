#include "windows/table_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <vector>

#include "windows/art/art.h"
#include "windows/color.h"
#include "windows/game_host.h"
#include "windows/spoken_label.h"
#include "windows/turn_alert.h"

namespace tarvix::windows {

namespace {

constexpr double twips_per_point = 20;
constexpr Element button_elements[] = {Command5,  Command6, Command7, Command8,
                                       Command11, Command3, Command2};

// What a button does, for its tooltip (with its key) and the screen reader.
struct ButtonHelp {
  Element element;
  const char* tooltip;
  const char* description;
};
constexpr ButtonHelp button_help[] = {
    {Command5, "Call (C)", "Stakes the amount to call, shown on the button. Key C."},
    {Command6, "Raise (R)",
     "Stakes the amount shown on the button: the call and two limits more. Key R."},
    {Command7, "Check (K)", "Stays in without staking. Key K."},
    {Command8, "Fold (F)", "Gives up this hand. Key F."},
    {Command11, "Bet It (Enter in the amount box)",
     "Stakes the amount to call plus the amount typed in the box. Enter in the box does the "
     "same."},
    {Command3, "Sit Out", "Sits out from the next hand, or back in when pressed again."},
    {Command2, "Exit", "Ends the game."},
};

// The painted texts a screen reader can read.
struct TextHelp {
  Element element;
  QString what;
  QString description;
};
std::vector<TextHelp> spoken_texts() {
  std::vector<TextHelp> texts;
  for (int s = 1; s <= 7; ++s) {
    const QString seat = s == 1 ? QStringLiteral("Your") : QStringLiteral("Seat %1").arg(s);
    texts.push_back({name_label(s), seat + QStringLiteral(" name"),
                     QStringLiteral("The name of the player in this seat.")});
    texts.push_back({stack_label(s), seat + QStringLiteral(" stack"),
                     QStringLiteral("The chips the player has left, or All in.")});
    texts.push_back({bet_label(s), seat + QStringLiteral(" bet"),
                     QStringLiteral("What the player has staked on this street.")});
  }
  texts.push_back({potlabel, QStringLiteral("Pot"), QStringLiteral("The chips in the pot.")});
  texts.push_back({sidepotlabel, QStringLiteral("Side pot"), QStringLiteral("The side pot.")});
  texts.push_back({limitslabel, QStringLiteral("Limits schedule"),
                   QStringLiteral("How often the limits go up.")});
  texts.push_back({limitsdisplay, QStringLiteral("Limits"), QStringLiteral("The current limits.")});
  texts.push_back({Label2, QStringLiteral("Players left"),
                   QStringLiteral("The players remaining in the tournament.")});
  texts.push_back({winnerlabel, QStringLiteral("Winner"),
                   QStringLiteral("The winner of the last hand. F10 shows it, F9 hides it.")});
  texts.push_back({Label24, QStringLiteral("Message"), QStringLiteral("The table's message.")});
  return texts;
}

// The letters that play the bet panel.
std::optional<Key> letter_key(int qt_key) {
  switch (qt_key) {
    case Qt::Key_C: return Key::call;
    case Qt::Key_K: return Key::check;
    case Qt::Key_R: return Key::raise;
    case Qt::Key_F: return Key::fold;
    case Qt::Key_B: return Key::bet_box;
    default: return std::nullopt;
  }
}

const QColor cream(0xf4, 0xef, 0xdc);
const QColor gold(0xd9, 0xb8, 0x5c);

bool is_widget(Element e) {
  return kind_of(e) == ElementKind::button || kind_of(e) == ElementKind::text_box;
}

const char* chip_picture(int index) {
  static const char* const paths[] = {art::chip_red_path, art::chip_blue_path, art::chip_green_path,
                                      art::chip_black_path};
  return paths[index % 4];
}

// The button's own colour, unless the game has given it one.
QColor button_colour(Element e) {
  switch (e) {
    case Command5:
    case Command7: return QColor(0xcf, 0xe6, 0xb4);
    case Command6:
    case Command11: return QColor(0xf2, 0xd5, 0x88);
    case Command8: return QColor(0xec, 0xb8, 0xab);
    default: return QColor(0xe2, 0xdb, 0xc8);
  }
}

// Restyling re-polishes the widget: only when the style really changes.
void set_style(QWidget* widget, const QString& style) {
  if (widget->styleSheet() != style) widget->setStyleSheet(style);
}

QString trimmed(const std::string& text) { return QString::fromStdString(text).trimmed(); }

// Call and Raise show the amount; the button also says what it does.
QString shown_caption(Element e, const std::string& caption) {
  const QString text = trimmed(caption);
  bool number = false;
  text.toLongLong(&number);
  if (number && (e == Command5 || e == Command6))
    return QString::fromStdString(design_caption(e)) + QStringLiteral("  ") + text;
  return text;
}

}  // namespace

TableWindow::TableWindow(GameHost& host, QWidget* parent)
    : QWidget(parent), host_(host), screen_(host.screen()) {
  setObjectName(QStringLiteral("tables"));
  setWindowTitle(QStringLiteral("TARVIX"));
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(480, 343);
  setAttribute(Qt::WA_OpaquePaintEvent);

  for (Element e : button_elements) {
    auto* b = new QPushButton(this);
    b->setObjectName(QString::fromStdString(element_name(e)));
    // The game decides whose turn it is; the toolkit's focus must not.
    b->setFocusPolicy(Qt::NoFocus);
    b->setCursor(Qt::PointingHandCursor);
    connect(b, &QPushButton::clicked, this, [this, e] { host_.click(e); });
    buttons_[e] = b;
  }
  for (const ButtonHelp& help : button_help) {
    QPushButton* b = buttons_.at(help.element);
    b->setToolTip(QString::fromLatin1(help.tooltip));
    b->setAccessibleDescription(QString::fromLatin1(help.description));
  }
  amount_box_ = new QLineEdit(this);
  amount_box_->setObjectName(QStringLiteral("Text2"));
  amount_box_->setMaxLength(12);
  amount_box_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  amount_box_->installEventFilter(this);
  amount_box_->setToolTip(QStringLiteral("Amount to bet (B), then Enter"));
  amount_box_->setAccessibleName(QStringLiteral("Amount to bet"));
  amount_box_->setAccessibleDescription(
      QStringLiteral("Chips to stake on top of the amount to call; Enter bets them. Key B."));
  connect(amount_box_, &QLineEdit::textEdited, this,
          [this](const QString& text) { host_.type_amount(text.toStdString()); });
  connect(amount_box_, &QLineEdit::returnPressed, this, [this] { host_.press_key(Key::enter); });

  for (int i = 0; i < element_count; ++i) {
    const auto e = static_cast<Element>(i);
    const ElementState& s = screen_.at(e);
    seen_[static_cast<std::size_t>(i)] = {s.visible, s.left, s.top, s.picture};
  }
  connect(&host_, &GameHost::changed, this, &TableWindow::element_changed);

  time_.start();
  frames_.setInterval(16);
  connect(&frames_, &QTimer::timeout, this, &TableWindow::animate);

  for (const TextHelp& help : spoken_texts()) {
    auto* label = new SpokenLabel(help.what, help.description, this);
    label->setObjectName(QString::fromStdString(element_name(help.element)) +
                         QStringLiteral("_spoken"));
    spoken_[help.element] = label;
  }

  place_widgets();
  panel_shown_ = screen_.visible(Command8);
}

void TableWindow::open() {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    double h = area.height() * 0.85;
    double w = h * design_width / design_height;
    if (w > area.width() * 0.95) {
      w = area.width() * 0.95;
      h = w * design_height / design_width;
    }
    resize(static_cast<int>(w), static_cast<int>(h));
    move(area.center() - rect().center());
  }
  show();
  activateWindow();
}

void TableWindow::set_room(std::optional<int> resource) {
  room_ = resource;
  update();
}

QPushButton* TableWindow::button(Element e) const {
  const auto it = buttons_.find(e);
  return it == buttons_.end() ? nullptr : it->second;
}

SpokenLabel* TableWindow::spoken(Element e) const {
  const auto it = spoken_.find(e);
  return it == spoken_.end() ? nullptr : it->second;
}

void TableWindow::toggle_full_screen() {
  if (isFullScreen())
    showNormal();
  else
    showFullScreen();
}

QRectF TableWindow::to_view(const Rect& r) const {
  return {origin_.x() + r.left * scale_, origin_.y() + r.top * scale_, r.width * scale_,
          r.height * scale_};
}

QRectF TableWindow::view_rect(Element e) const {
  const ElementState& s = screen_.at(e);
  return to_view({s.left, s.top, s.width, s.height});
}

QFont TableWindow::font_for(double points, bool bold) const {
  QFont f = font();
  f.setPixelSize(std::max(6, static_cast<int>(std::lround(points * twips_per_point * scale_))));
  f.setBold(bold);
  return f;
}

// ---- Following the model ----------------------------------------------------

void TableWindow::element_changed(Element e) {
  const ElementState& now = screen_.at(e);
  Seen& before = seen_[static_cast<std::size_t>(e)];
  const Motion::Millis t = time_.elapsed();
  if (is_chip(e) && before.visible && now.visible &&
      (before.left != now.left || before.top != now.top)) {
    motion_.chip_moved(array_index(e), {double(before.left), double(before.top)},
                       {double(now.left), double(now.top)}, t);
  }
  if (is_card_slot(e) && before.visible && now.visible && before.picture != now.picture)
    motion_.picture_changed(array_index(e), before.picture, now.picture, t);
  before = {now.visible, now.left, now.top, now.picture};

  if (is_widget(e)) sync_widget(e);
  if (spoken_.count(e)) sync_spoken(e);
  if (e == Command8) follow_turn();
  if (motion_.active(t) && !frames_.isActive()) frames_.start();
  update();
}

void TableWindow::follow_turn() {
  // Fold is shown at every turn of the human's and hidden with the panel.
  const bool shown = screen_.visible(Command8);
  if (turn_alert_due(panel_shown_, shown, isActiveWindow())) {
    QApplication::alert(this);
    emit turn_alerted();
  }
  panel_shown_ = shown;
}

void TableWindow::animate() {
  const Motion::Millis t = time_.elapsed();
  if (!motion_.active(t)) {
    motion_.forget_finished(t);
    frames_.stop();
  }
  update();
}

void TableWindow::sync_widget(Element e) {
  const ElementState& s = screen_.at(e);
  QWidget* w = e == Text2 ? static_cast<QWidget*>(amount_box_) : button(e);
  if (!w) return;
  w->setGeometry(view_rect(e).toAlignedRect());
  const int px =
      std::max(6, static_cast<int>(std::lround((e == Command11 || e == Command2 ? 7 : 8.5) *
                                               twips_per_point * scale_)));
  const int radius = std::max(2, static_cast<int>(std::lround(60 * scale_)));
  if (e == Text2) {
    const QString text = QString::fromStdString(s.text);
    if (amount_box_->text() != text) amount_box_->setText(text);
    set_style(
        amount_box_,
        QStringLiteral("QLineEdit { background: #fbf8ee; color: #111; border: 1px solid #8a7a4a;"
                       " border-radius: %1px; font-size: %2px; padding: 0 %3px; }")
            .arg(radius)
            .arg(px)
            .arg(radius));
  } else {
    auto* b = static_cast<QPushButton*>(w);
    const QString caption = shown_caption(e, s.caption);
    if (b->text() != caption) {
      b->setText(caption);
      // Read out as shown: "Call 20".
      b->setAccessibleName(caption.simplified());
    }
    const QColor bg = s.back != 0 ? to_qcolor(s.back) : button_colour(e);
    const QColor ink = bg.lightness() < 110 ? QColor(Qt::white) : QColor(0x1b, 0x1b, 0x1b);
    set_style(b, QStringLiteral("QPushButton { background: %1; color: %2;"
                                " border: 1px solid #3d3010; border-radius: %3px;"
                                " font-size: %4px; font-weight: bold; padding: 0; }"
                                "QPushButton:hover { background: %5; }"
                                "QPushButton:pressed { background: %6; }")
                     .arg(bg.name(), ink.name())
                     .arg(radius)
                     .arg(px)
                     .arg(bg.lighter(108).name(), bg.darker(115).name()));
  }
  // The keyboard leaves a box that goes away, so that the letters play again.
  if (e == Text2 && !s.visible && focusWidget() == amount_box_) setFocus(Qt::OtherFocusReason);
  w->setVisible(s.visible);
}

void TableWindow::sync_spoken(Element e) {
  SpokenLabel* label = spoken(e);
  const ElementState& s = screen_.at(e);
  label->setGeometry(view_rect(e).toAlignedRect());
  label->set_text(trimmed(s.caption));
  label->setVisible(s.visible && !trimmed(s.caption).isEmpty());
}

void TableWindow::place_widgets() {
  for (Element e : button_elements) sync_widget(e);
  sync_widget(Text2);
  for (const auto& [e, label] : spoken_) sync_spoken(e);
}

// ---- Input -----------------------------------------------------------------------

void TableWindow::keyPressEvent(QKeyEvent* event) {
  // Letters typed into the amount box never get here: the box takes them.
  const bool plain = (event->modifiers() &
                      (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == Qt::NoModifier;
  if (const auto key = letter_key(event->key()); key && plain) {
    // A held key must not play the next turn too.
    if (!event->isAutoRepeat()) {
      host_.press_key(*key);
      if (*key == Key::bet_box && amount_box_->isVisible())
        amount_box_->setFocus(Qt::ShortcutFocusReason);
    }
    event->accept();
    return;
  }
  switch (event->key()) {
    case Qt::Key_F11: toggle_full_screen(); break;
    case Qt::Key_Escape:
      if (!isFullScreen()) {
        QWidget::keyPressEvent(event);
        return;
      }
      showNormal();
      break;
    case Qt::Key_F9: host_.press_key(Key::f9); break;
    case Qt::Key_F10: host_.press_key(Key::f10); break;
    default: QWidget::keyPressEvent(event); return;
  }
  event->accept();
}

bool TableWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == amount_box_) {
    // Going into the amount box is an action of the game's own (the Call
    // button loses the focus); a click or a Tab into it both count.
    if (event->type() == QEvent::MouseButtonPress) {
      host_.click(Text2);
    } else if (event->type() == QEvent::FocusIn) {
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) host_.click(Text2);
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TableWindow::closeEvent(QCloseEvent* event) {
  // Closing the window is the Exit button.
  const Table* table = host_.table();
  if (table && !table->ended()) host_.click(Command2);
  event->accept();
}

void TableWindow::resizeEvent(QResizeEvent*) {
  scale_ = std::min(width() / double(design_width), height() / double(design_height));
  origin_ = {(width() - design_width * scale_) / 2, (height() - design_height * scale_) / 2};
  place_widgets();
}

// ---- Drawing -----------------------------------------------------------------------

void TableWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const Motion::Millis now = time_.elapsed();

  draw_background(painter);
  painter.save();
  painter.setClipRect(to_view({0, 0, design_width, design_height}));
  draw_table(painter);
  draw_panels(painter);
  draw_seats(painter);
  draw_cards(painter, now);
  draw_chips(painter, now);
  draw_labels(painter);
  draw_dealer(painter);
  painter.restore();
}

void TableWindow::draw_background(QPainter& painter) {
  // The room fills the whole window, cropped rather than stretched; the
  // table keeps its proportions in the middle of it.
  painter.fillRect(rect(), QColor(0x10, 0x10, 0x10));
  painter.drawPixmap(0, 0, pictures_.room(room_, size(), devicePixelRatioF()));
}

void TableWindow::draw_table(QPainter& painter) {
  const ElementState& top = screen_.at(Shape1);
  if (!top.visible) return;
  const QRectF felt = view_rect(Shape1);
  const double rim = 130 * scale_;
  const QRectF outer = felt.adjusted(-rim, -rim, rim, rim);

  // A soft shadow, the wooden rim, then the felt in the chosen colour.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 90));
  painter.drawRoundedRect(outer.translated(0, 70 * scale_), outer.height() / 2, outer.height() / 2);
  QLinearGradient wood(outer.topLeft(), outer.bottomLeft());
  wood.setColorAt(0, QColor(0x7a, 0x48, 0x20));
  wood.setColorAt(0.5, QColor(0x5a, 0x32, 0x14));
  wood.setColorAt(1, QColor(0x3a, 0x1f, 0x0b));
  painter.setBrush(wood);
  painter.drawRoundedRect(outer, outer.height() / 2, outer.height() / 2);

  const QColor colour = to_qcolor(top.fill);
  QRadialGradient light(felt.center(), felt.width() * 0.6);
  light.setColorAt(0, colour.lighter(118));
  light.setColorAt(1, colour.darker(125));
  painter.setBrush(light);
  painter.drawRoundedRect(felt, felt.height() / 2, felt.height() / 2);

  const double inset = 380 * scale_;
  const QRectF line = felt.adjusted(inset, inset, -inset, -inset);
  QColor line_colour = colour.lighter(160);
  line_colour.setAlpha(90);
  painter.setPen(QPen(line_colour, std::max(1.0, 18 * scale_)));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(line, line.height() / 2, line.height() / 2);
}

void TableWindow::draw_panels(QPainter& painter) {
  for (Element e : {Shape13, Shape12}) {
    if (!screen_.visible(e)) continue;
    const QRectF r = view_rect(e);
    painter.setPen(QPen(gold, std::max(1.0, 18 * scale_)));
    painter.setBrush(QColor(0x0b, 0x16, 0x10, 215));
    painter.drawRoundedRect(r, 140 * scale_, 140 * scale_);
  }
}

void TableWindow::draw_seats(QPainter& painter) {
  for (int s = 1; s <= 7; ++s) {
    const Element plate = seat_plate(s);
    if (screen_.visible(plate)) {
      const QColor fill = to_qcolor(screen_.at(plate).fill);
      QColor body = fill;
      body.setAlpha(240);
      const QRectF r = view_rect(plate);
      painter.setPen(QPen(fill.darker(170), std::max(1.0, 20 * scale_)));
      painter.setBrush(body);
      painter.drawRoundedRect(r, 220 * scale_, 220 * scale_);
    }
    const Element light = seat_light(s);
    if (screen_.visible(light)) {
      const QColor back = to_qcolor(screen_.at(light).back);
      const QRectF r = view_rect(light);
      if (back.lightness() > 150) {
        // A lit seat glows.
        QColor halo = back;
        halo.setAlpha(110);
        painter.setPen(Qt::NoPen);
        painter.setBrush(halo);
        const double g = 50 * scale_;
        painter.drawRoundedRect(r.adjusted(-g, -g, g, g), 2 * g, 2 * g);
      }
      painter.setPen(QPen(QColor(0, 0, 0, 180), std::max(1.0, 12 * scale_)));
      painter.setBrush(back);
      painter.drawRoundedRect(r, 30 * scale_, 30 * scale_);
    }
  }
}

void TableWindow::draw_cards(QPainter& painter, Motion::Millis now) {
  const qreal ratio = devicePixelRatioF();
  for (int slot = 0; slot < card_slot_count; ++slot) {
    const Element e = Image1(slot);
    const ElementState& s = screen_.at(e);
    if (!s.visible || s.picture < 0) continue;
    // One size for every slot, so that each card is drawn once: rounded as
    // a whole, a slot's rectangle would differ by a pixel with its place.
    const QRectF place = view_rect(e);
    const QRect r(place.topLeft().toPoint(), place.size().toSize());
    const auto flip = motion_.flip(slot, now);
    // A turning card is drawn narrower about its middle, its shadow with it.
    const double w = flip ? r.width() * std::max(flip->width, 0.02) : r.width();
    const QRectF shown(QRectF(r).center().x() - w / 2, r.top(), w, r.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 80));
    painter.drawRoundedRect(shown.translated(25 * scale_, 35 * scale_), 40 * scale_, 40 * scale_);
    if (flip) {
      painter.drawPixmap(shown, pictures_.card(flip->cell, r.size(), ratio),
                         QRectF(QPointF(0, 0), QSizeF(r.size()) * ratio));
      continue;
    }
    painter.drawPixmap(r.topLeft(), pictures_.card(s.picture, r.size(), ratio));
  }
}

void TableWindow::draw_chip(QPainter& painter, int index, QRectF where) {
  const QRect r = where.toRect();
  painter.drawPixmap(r.topLeft(), pictures_.picture(QString::fromLatin1(chip_picture(index)),
                                                    r.size(), devicePixelRatioF()));
}

void TableWindow::draw_chips(QPainter& painter, Motion::Millis now) {
  const std::vector<Motion::Chip> flying = motion_.chips(now);
  auto in_flight = [&flying](int index) {
    return std::any_of(flying.begin(), flying.end(),
                       [index](const Motion::Chip& c) { return c.index == index; });
  };
  for (int i = 0; i < backchips_count; ++i) {
    const Element e = backchips(i);
    if (!screen_.visible(e) || in_flight(i)) continue;
    draw_chip(painter, i, view_rect(e));
  }
  for (const Motion::Chip& c : flying) {
    const ElementState& s = screen_.at(backchips(c.index));
    draw_chip(painter, c.index,
              to_view({static_cast<int>(c.at.x), static_cast<int>(c.at.y), s.width, s.height}));
  }
}

void TableWindow::draw_label(QPainter& painter, Element e, double points, Style style,
                             Qt::Alignment align) {
  const ElementState& s = screen_.at(e);
  if (!s.visible) return;
  const QString text = trimmed(s.caption);
  if (text.isEmpty()) return;
  const bool opaque = style == Style::opaque_or_plaque && s.opaque;
  const double size = s.font_size > 0 ? s.font_size : points;
  const QFont f = font_for(size, style != Style::plain);
  painter.setFont(f);
  const QRectF r = view_rect(e);
  const QFontMetricsF metrics(f);
  const double pad_x = metrics.height() * 0.45, pad_y = metrics.height() * 0.12;
  QRectF box(0, 0, metrics.horizontalAdvance(text) + 2 * pad_x, metrics.height() + 2 * pad_y);
  if (opaque) box.setSize(box.size().expandedTo(r.size()));
  box.moveCenter(r.center());
  if (align & Qt::AlignLeft) box.moveLeft(r.left());
  // Tall labels hold their text at the top, clear of what lies below.
  if (align & Qt::AlignTop) box.moveTop(r.top());

  if (opaque) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(to_qcolor(s.back));
    painter.drawRect(box);
    painter.setPen(to_qcolor(s.fore));
  } else if (style != Style::plain) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, style == Style::heading ? 175 : 150));
    painter.drawRoundedRect(box, box.height() / 3, box.height() / 3);
    painter.setPen(style == Style::name ? QColor(Qt::white) : cream);
    if (style == Style::heading) painter.setPen(QColor(0xff, 0xe0, 0x8a));
  } else {
    painter.setPen(cream);
  }
  painter.drawText(box, Qt::AlignCenter, text);
}

void TableWindow::draw_labels(QPainter& painter) {
  for (int s = 1; s <= 7; ++s) {
    draw_label(painter, name_label(s), 8.5, Style::name, Qt::AlignHCenter | Qt::AlignTop);
    draw_label(painter, stack_label(s), 8, Style::plaque);
    draw_label(painter, bet_label(s), 7.5, Style::plaque);
  }
  draw_label(painter, potlabel, 8.5, Style::heading);
  draw_label(painter, sidepotlabel, 8, Style::plaque);
  draw_label(painter, limitslabel, 8, Style::plain);
  draw_label(painter, limitsdisplay, 9.5, Style::plain);
  draw_label(painter, Label2, 8, Style::plain);
  draw_label(painter, winnerlabel, 11, Style::heading);
  draw_label(painter, Label24, 12, Style::opaque_or_plaque);
}

void TableWindow::draw_dealer(QPainter& painter) {
  if (!screen_.visible(Label1)) return;
  QRectF r(0, 0, 300 * scale_, 300 * scale_);
  r.moveCenter(view_rect(Label1).center());
  const QRect snapped = r.toRect();
  painter.drawPixmap(snapped.topLeft(), pictures_.picture(QString::fromLatin1(art::dealer_path),
                                                          snapped.size(), devicePixelRatioF()));
}

}  // namespace tarvix::windows
