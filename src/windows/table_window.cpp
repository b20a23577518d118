#include "windows/table_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <vector>

#include "windows/accessible_role.h"
#include "windows/art/art.h"
#include "windows/color.h"
#include "windows/game_host.h"
#include "windows/guide.h"
#include "windows/hand_log.h"
#include "windows/sheet_view.h"
#include "windows/spoken_label.h"
#include "windows/table_button.h"
#include "windows/table_reader.h"
#include "windows/table_style.h"

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

// The painted texts a screen reader can read. Some say what they are
// themselves ("Limits 10 and 20"); the rest are read after what they are
// ("Pot: 120").
struct TextHelp {
  Element element;
  QString what;
  QString description;
  bool says_what = false;
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
                   QStringLiteral("How often the limits go up."), true});
  texts.push_back(
      {limitsdisplay, QStringLiteral("Limits"), QStringLiteral("The current limits."), true});
  texts.push_back({Label2, QStringLiteral("Players left"),
                   QStringLiteral("The players remaining in the tournament."), true});
  texts.push_back({winnerlabel, QStringLiteral("Winner"),
                   QStringLiteral("The winner that the deal has already decided for this hand. "
                                  "F10 shows it, F9 hides it.")});
  texts.push_back({Label24, QStringLiteral("Message"), QStringLiteral("The table's message.")});
  return texts;
}

// A painted text as a screen reader should say it: in words, without the
// blanks that line figures up on the table.
QString spoken_words(Element e, const QString& caption) {
  QString words = caption.simplified();
  if (e == limitsdisplay) return words.replace(QStringLiteral(" - "), QStringLiteral(" and "));
  static const QRegularExpression players(QStringLiteral("^Players (\\d+) Remaining.*$"));
  if (e == Label2) return words.replace(players, QStringLiteral("\\1 players remaining"));
  return words;
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

bool by_tab(QEvent* focus_event) {
  const auto reason = static_cast<QFocusEvent*>(focus_event)->reason();
  return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
}

// The small buttons of the window's own: the log, the guide, the speed.
struct ViewButton {
  const char* name;
  Rect place;  // in the design's top right corner, clear of the table
  const char* tooltip;
  const char* description;
};
constexpr ViewButton log_button{"log_button",
                                {10380, 120, 1860, 330},
                                "Hand log (L)",
                                "Shows or hides the hand log beside the table. Key L."};
constexpr ViewButton guide_button{"guide_button",
                                  {10380, 510, 1860, 330},
                                  "House rules (F1)",
                                  "Shows or hides how hands rank here, the limits and the keys. "
                                  "Key F1."};
constexpr ViewButton speed_button{"speed_button",
                                  {10380, 900, 1860, 330},
                                  "Game speed (+ faster, - slower)",
                                  "Changes the game speed: Normal, Fast, Very fast. Keys + and -."};

constexpr int refusal_shown_ms = 3000;

// The tag of a seat as drawn.
Look tag_look(TagKind kind) {
  switch (kind) {
    case TagKind::aggressive: return Look::tag_strong;
    case TagKind::all_in: return Look::tag_all_in;
    case TagKind::fold: return Look::tag_fold;
    case TagKind::hand: return Look::tag_hand;
    default: return Look::tag;
  }
}

// The largest pixel size, from `pixels` down, at which the text fits the width.
int fitted_pixels(QFont font, int pixels, const QString& text, double width) {
  const int least = std::max(6, pixels / 2);
  for (; pixels > least; --pixels) {
    font.setPixelSize(pixels);
    if (QFontMetricsF(font).horizontalAdvance(text) <= width) break;
  }
  return pixels;
}

// A pixel round every place that moves: anti-aliased edges and fractional
// pixel ratios may reach into it.
constexpr int seam = 1;

// Where a picture is drawn, in whole pixels. Pictures of one size keep one
// size wherever they are, so that each is made once: rounded as a whole, a
// card's or a chip's rectangle would differ by a pixel with its place.
QRect snapped(const QRectF& place) { return {place.topLeft().toPoint(), place.size().toSize()}; }

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
    : QWidget(parent), host_(host), screen_(host.screen()), story_(host.game()) {
  setObjectName(QStringLiteral("tables"));
  setWindowTitle(QStringLiteral("TARVIX"));
  set_accessible_role(this, QAccessible::Window);
  setAccessibleName(QStringLiteral("TARVIX table"));
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(least_size);
  setAttribute(Qt::WA_OpaquePaintEvent);

  for (Element e : button_elements) {
    auto* b = new TableButton(this);
    b->setObjectName(QString::fromStdString(element_name(e)));
    // The game decides whose turn it is; the toolkit's focus only lets the
    // keyboard reach the buttons (Tab), and Space or Enter press them.
    b->setFocusPolicy(Qt::TabFocus);
    b->setAutoDefault(true);
    b->setCursor(Qt::PointingHandCursor);
    // Sit Out is checked for screen readers while a sit-out holds; the game
    // decides, so after a click it shows the game's state, not the toggle.
    b->setCheckable(e == Command3);
    connect(b, &QPushButton::clicked, this, [this, e] {
      // A tournament of hours is not left by a slip of the mouse.
      if (e == Command2 && must_ask_to_leave())
        ask_to_leave();
      else
        host_.click(e);
      if (e == Command3) relayout();
    });
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
  // Tab goes round the panel, then Sit Out and Exit.
  QWidget* previous = nullptr;
  for (Element e : {Command5, Command6, Command7, Command8, Text2, Command11, Command3, Command2}) {
    QWidget* w = e == Text2 ? static_cast<QWidget*>(amount_box_) : button(e);
    if (previous) setTabOrder(previous, w);
    previous = w;
  }

  for (int i = 0; i < element_count; ++i) {
    const auto e = static_cast<Element>(i);
    const ElementState& s = screen_.at(e);
    seen_[static_cast<std::size_t>(i)] = {s.visible, s.left, s.top, s.picture};
  }
  connect(&host_, &GameHost::changed, this, &TableWindow::element_changed);
  host_.game().listen([self = QPointer<TableWindow>(this)](const GameEvent& event) {
    if (self) self->heard(event);
  });

  time_.start();
  frames_.setInterval(16);
  connect(&frames_, &QTimer::timeout, this, &TableWindow::animate);

  for (const TextHelp& help : spoken_texts()) {
    auto* label = new SpokenLabel(help.what, help.description, this, help.says_what);
    label->setObjectName(QString::fromStdString(element_name(help.element)) +
                         QStringLiteral("_spoken"));
    spoken_[help.element] = label;
  }
  for (int s = 1; s <= table_seats; ++s) {
    const QString seat = s == 1 ? QStringLiteral("Your") : QStringLiteral("Seat %1").arg(s);
    auto& tag = spoken_tags_[static_cast<std::size_t>(s - 1)];
    tag = new SpokenLabel(seat + QStringLiteral(" action"),
                          QStringLiteral("What the player did last on this street, or at the "
                                         "showdown the player's hand."),
                          this);
    tag->setObjectName(QStringLiteral("tag%1_spoken").arg(s));
    auto& won = spoken_won_[static_cast<std::size_t>(s - 1)];
    won = new SpokenLabel(seat + QStringLiteral(" winnings"),
                          QStringLiteral("What the player received from the pot."), this);
    won->setObjectName(QStringLiteral("won%1_spoken").arg(s));
  }
  spoken_pot_total_ = new SpokenLabel(QStringLiteral("Pot total"),
                                      QStringLiteral("The pot with this street's bets."), this);
  spoken_pot_total_->setObjectName(QStringLiteral("pot_total_spoken"));
  spoken_sit_out_ = new SpokenLabel(QStringLiteral("Sit out"),
                                    QStringLiteral("Whether you sit out, in words."), this);
  spoken_sit_out_->setObjectName(QStringLiteral("sit_out_spoken"));

  reader_ = new TableReader(*this, host_);
  log_ = new HandLog(this);
  // What happens reaches the screen reader as the log tells it.
  story_.on_line = [this](const LogLine& line) {
    log_->add(line);
    reader_->announce(QString::fromStdString(line.text));
  };
  guide_lines_ = guide_lines(Game::limits_ladder());
  guide_ = new SheetView(QStringLiteral("Guide"), this);
  connect(guide_, &SheetView::clicked, this, [this] { show_guide(false); });
  summary_ = new SheetView(QStringLiteral("Summary"), this);
  summary_->setAttribute(Qt::WA_TransparentForMouseEvents);

  auto view_button = [this](const ViewButton& which, auto action) {
    auto* b = new TableButton(this);
    b->setObjectName(QString::fromLatin1(which.name));
    b->setFocusPolicy(Qt::TabFocus);
    b->setCursor(Qt::PointingHandCursor);
    b->setToolTip(QString::fromLatin1(which.tooltip));
    b->setAccessibleDescription(QString::fromLatin1(which.description));
    connect(b, &QPushButton::clicked, this, action);
    return b;
  };
  log_button_ = view_button(log_button, [this] { show_log(!log_shown_); });
  log_button_->setText(QStringLiteral("Hand log"));
  guide_button_ = view_button(guide_button, [this] { show_guide(guide_->isHidden()); });
  guide_button_->setText(QStringLiteral("House rules"));
  speed_button_ = view_button(speed_button, [this] {
    set_speed(speed_ == GameSpeed::very_fast ? GameSpeed::normal : faster(speed_));
  });
  set_speed(GameSpeed::normal);

  arrange();
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

TableLayout TableWindow::layout() const { return TableLayout(scale_, origin_, font()); }

QRectF TableWindow::table_area() const {
  QRectF area = rect();
  if (log_shown_) area.setWidth(std::max(0, width() - log_width()));
  return area;
}

int TableWindow::log_width() const {
  constexpr int narrowest = 240, widest = 420;
  return std::clamp(height() * 2 / 5, narrowest, widest);
}

void TableWindow::show_log(bool shown) {
  if (shown == log_shown_) return;
  log_shown_ = shown;
  log_->setVisible(shown);
  if (!shown) setMinimumWidth(least_size.width());
  const bool sized_by_player = !isFullScreen() && !isMaximized();
  if (shown && sized_by_player) {
    // The room beside the letterboxed table first; the window grows by
    // what is missing, as far as the screen allows.
    const double spare = width() - design_width * scale_;
    grown_by_ = std::max(0, static_cast<int>(std::ceil(log_width() - spare)));
    if (const QScreen* s = screen())
      grown_by_ = std::min(grown_by_, std::max(0, s->availableGeometry().width() - width()));
    if (grown_by_ > 0) resize(width() + grown_by_, height());
  } else if (!shown) {
    if (sized_by_player && grown_by_ > 0) resize(width() - grown_by_, height());
    grown_by_ = 0;
  }
  arrange();
}

void TableWindow::show_guide(bool shown) {
  guide_->setVisible(shown);
  if (shown) guide_->raise();
  relayout();
}

void TableWindow::set_speed(GameSpeed speed) {
  speed_ = speed;
  host_.set_pace(speed_choice(speed).pace);
  speed_button_->setText(QStringLiteral("Speed: %1").arg(speed_choice(speed).name));
  speed_button_->setAccessibleName(speed_button_->text());
  place_view_buttons();
}

QMessageBox* TableWindow::leave_question() const { return leave_question_; }

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
  // A text or the Sit Out button's state changed: the texts are laid out anew.
  if (kind_of(e) == ElementKind::label || e == Command3) relayout();
  if (motion_.active(t) && !frames_.isActive()) frames_.start();
  shown_at_ = t;
  update();
}

void TableWindow::heard(const GameEvent& event) {
  story_.hear(event);
  if (const auto* opened = std::get_if<HumanTurnOpened>(&event)) {
    amount_box_->setPlaceholderText(QStringLiteral("at least %1").arg(opened->least));
    // The human's turn opened while the player looks elsewhere: the desktop
    // draws attention to the window.
    if (!isActiveWindow()) {
      QApplication::alert(this);
      emit turn_alerted();
    }
  }
  if (const auto* refusal = std::get_if<AmountRefused>(&event)) refused(refusal->least);
  if (std::holds_alternative<TournamentOver>(event)) show_summary();
  if (!std::holds_alternative<TurnPassed>(event) && !std::holds_alternative<TurnTaken>(event))
    relayout();
}

void TableWindow::refused(Chips least) {
  // Why Bet It did nothing, for a moment, under the box.
  const QString why = QStringLiteral("at least %1").arg(least);
  amount_box_->setPlaceholderText(why);
  reader_->announce(QStringLiteral("The bet must be ") + why);
  QToolTip::showText(amount_box_->mapToGlobal(QPoint(0, amount_box_->height())), why, amount_box_,
                     QRect(), refusal_shown_ms);
}

void TableWindow::show_summary() {
  summary_lines_ = story_.summary(host_.played());
  show_guide(false);
  summary_->show();
  summary_->raise();
  relayout();
}

bool TableWindow::must_ask_to_leave() const {
  const Game& game = host_.game();
  return host_.started() && !game.ended() && game.finish() == Finish::none;
}

void TableWindow::ask_to_leave() {
  if (leave_question_) {
    leave_question_->raise();
    return;
  }
  auto* box = new QMessageBox(QMessageBox::Question, windowTitle(),
                              QStringLiteral("Leave the tournament?"), QMessageBox::NoButton, this);
  box->setObjectName(QStringLiteral("leave_question"));
  box->setInformativeText(QStringLiteral("Your game ends here and the program closes."));
  QPushButton* leave = box->addButton(QStringLiteral("Leave"), QMessageBox::AcceptRole);
  QPushButton* stay = box->addButton(QStringLiteral("Stay"), QMessageBox::RejectRole);
  // Enter leaves, Escape stays.
  box->setDefaultButton(leave);
  box->setEscapeButton(stay);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::WindowModal);
  connect(box, &QMessageBox::finished, this, [this, box, leave] {
    if (box->clickedButton() == leave && must_ask_to_leave()) host_.click(Command2);
  });
  leave_question_ = box;
  box->open();
}

void TableWindow::animate() {
  const Motion::Millis now = time_.elapsed();
  // Only what moves is drawn again: from where it was shown to where it is now.
  const QRegion moved = moving(shown_at_) + moving(now);
  shown_at_ = now;
  if (!motion_.active(now)) {
    motion_.forget_finished(now);
    frames_.stop();
  }
  update(moved);
}

QRegion TableWindow::moving(Motion::Millis at) const {
  QRegion region;
  auto add = [&region](const QRect& place) { region += place.adjusted(-seam, -seam, seam, seam); };
  for (const Motion::Chip& c : motion_.chips(at)) {
    add(chip_place(c.index, c.at));
    // Where it lands, drawn when its slide is over.
    add(chip_place(c.index));
  }
  for (int slot = 0; slot < card_slot_count; ++slot)
    if (motion_.flipping(slot, at)) add(card_ground(slot));
  return region;
}

void TableWindow::sync_widget(Element e) {
  const ElementState& s = screen_.at(e);
  QWidget* w = e == Text2 ? static_cast<QWidget*>(amount_box_) : button(e);
  if (!w) return;
  w->setGeometry(view_rect(e).toAlignedRect());
  const int radius = std::max(2, static_cast<int>(std::lround(60 * scale_)));
  // Large amounts shrink the caption rather than leave the button.
  const QFont design = font_for(e == Command11 || e == Command2 ? 7 : 8.5, true);
  const int px = fitted_pixels(design, design.pixelSize(), shown_caption(e, s.caption),
                               w->width() - 2 * radius);
  // The keyboard's mark: a thick dark ring, plain on every button colour.
  const int focus_width = std::max(2, static_cast<int>(std::lround(40 * scale_)));
  const QString focus_mark = QStringLiteral("#0b3d91");
  if (e == Text2) {
    const QString text = QString::fromStdString(s.text);
    if (amount_box_->text() != text) amount_box_->setText(text);
    set_style(
        amount_box_,
        QStringLiteral("QLineEdit { background: #fbf8ee; color: #111; border: 1px solid #8a7a4a;"
                       " border-radius: %1px; font-size: %2px; padding: 0 %3px; }"
                       "QLineEdit:focus { border: %4px solid %5; }")
            .arg(radius)
            .arg(px)
            .arg(radius)
            .arg(focus_width)
            .arg(focus_mark));
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
                                "QPushButton:pressed { background: %6; }"
                                "QPushButton:focus { border: %7px solid %8; }")
                     .arg(bg.name(), ink.name())
                     .arg(radius)
                     .arg(px)
                     .arg(bg.lighter(108).name(), bg.darker(115).name())
                     .arg(focus_width)
                     .arg(focus_mark));
  }
  // The keyboard leaves a control that goes away for the window, so that the
  // letters play again (and Qt does not pass it on along the Tab order).
  if (!s.visible && focusWidget() == w) setFocus(Qt::OtherFocusReason);
  w->setVisible(s.visible);
}

void TableWindow::sync_spoken(Element e) {
  SpokenLabel* label = spoken(e);
  const ElementState& s = screen_.at(e);
  const Spot* spot = spot_of(e);
  label->setGeometry((spot && spot->shown() ? spot->box : view_rect(e)).toAlignedRect());
  // A text the table does not show holds nothing a screen reader could find.
  const bool shown = s.visible && !trimmed(s.caption).isEmpty();
  label->set_text(shown ? spoken_words(e, QString::fromStdString(s.caption)) : QString());
  label->setVisible(shown);
}

const Spot* TableWindow::spot_of(Element e) const {
  for (int s = 1; s <= table_seats; ++s) {
    const SeatSpots& seat = spots_.seats[static_cast<std::size_t>(s - 1)];
    if (e == name_label(s)) return &seat.name;
    if (e == stack_label(s)) return &seat.stack;
    if (e == bet_label(s)) return &spots_.bets[static_cast<std::size_t>(s - 1)];
  }
  switch (e) {
    case potlabel: return &spots_.pot;
    case sidepotlabel: return &spots_.side_pot;
    case limitslabel: return &spots_.limits_label;
    case limitsdisplay: return &spots_.limits;
    case Label2: return &spots_.players;
    case winnerlabel: return &spots_.winner;
    case Label24: return &spots_.message;
    default: return nullptr;
  }
}

void TableWindow::arrange() {
  const QRectF area = table_area();
  scale_ = std::min(area.width() / design_width, area.height() / design_height);
  origin_ = {area.left() + (area.width() - design_width * scale_) / 2,
             area.top() + (area.height() - design_height * scale_) / 2};
  if (log_shown_) {
    // The table keeps its least size beside the log, whose width follows the height.
    const int least = least_size.width() + log_width();
    if (minimumWidth() != least) setMinimumWidth(least);
    log_->setGeometry(QRect(static_cast<int>(area.right()), 0,
                            width() - static_cast<int>(area.right()), height()));
  }
  place_widgets();
  relayout();
}

void TableWindow::place_widgets() {
  for (Element e : button_elements) sync_widget(e);
  sync_widget(Text2);
  place_view_buttons();
}

void TableWindow::place_view_buttons() {
  const int radius = std::max(2, static_cast<int>(std::lround(60 * scale_)));
  for (const auto& [b, which] :
       {std::pair{log_button_, &log_button}, std::pair{guide_button_, &guide_button},
        std::pair{speed_button_, &speed_button}}) {
    if (!b) continue;
    b->setGeometry(to_view(which->place).toAlignedRect());
    const QFont design = font_for(7, true);
    const int px = fitted_pixels(design, design.pixelSize(), b->text(), b->width() - 2 * radius);
    set_style(b, QStringLiteral("QPushButton { background: rgba(11, 22, 16, 215); color: #f4efdc;"
                                " border: 1px solid #d9b85c; border-radius: %1px;"
                                " font-size: %2px; font-weight: bold; padding: 0; }"
                                "QPushButton:hover { background: rgba(40, 60, 44, 230); }")
                     .arg(radius)
                     .arg(px));
  }
}

TableTexts TableWindow::table_texts() const {
  auto shown = [this](Element e) {
    return screen_.visible(e) ? trimmed(screen_.caption(e)) : QString();
  };
  TableTexts t;
  for (int s = 1; s <= table_seats; ++s) {
    const auto i = static_cast<std::size_t>(s - 1);
    SeatTexts& seat = t.seats[i];
    seat.name = shown(name_label(s));
    seat.stack = shown(stack_label(s));
    const SeatTag& tag = story_.tag(s);
    seat.tag = QString::fromStdString(tag.text);
    seat.tag_look = tag_look(tag.kind);
    if (tag.won > 0) seat.won = QStringLiteral("+%1").arg(tag.won);
    t.bets[i] = shown(bet_label(s));
  }
  t.pot = shown(potlabel);
  t.side_pot = shown(sidepotlabel);
  if (const auto pot = story_.pot()) t.pot_total = QStringLiteral("Pot %1").arg(*pot);
  t.limits_label = shown(limitslabel);
  t.limits = shown(limitsdisplay);
  t.players = shown(Label2);
  t.winner = shown(winnerlabel);
  t.message = shown(Label24);
  t.message_points = screen_.at(Label24).font_size;
  t.message_opaque = screen_.at(Label24).opaque;
  if (host_.started()) t.sit_out = QString::fromStdString(sit_out_words(host_.game().sit_out()));
  return t;
}

void TableWindow::relayout() {
  const TableLayout layout = this->layout();
  spots_ = layout.table(table_texts());
  for (const auto& [e, label] : spoken_) sync_spoken(e);
  auto speak = [](SpokenLabel* label, const Spot& spot) {
    label->set_text(spot.whole);
    label->setGeometry(spot.box.toAlignedRect());
    label->setVisible(spot.shown());
  };
  for (std::size_t i = 0; i < spots_.seats.size(); ++i) {
    speak(spoken_tags_[i], spots_.seats[i].tag);
    speak(spoken_won_[i], spots_.seats[i].won);
  }
  speak(spoken_pot_total_, spots_.pot_total);
  speak(spoken_sit_out_, spots_.sit_out);
  // Sit Out is checked while a sit-out is asked for or in force.
  if (host_.started()) {
    const SitOut sit_out = host_.game().sit_out();
    button(Command3)->setChecked(sit_out == SitOut::from_next_hand ||
                                 sit_out == SitOut::sitting_out);
  }
  if (!guide_->isHidden())
    guide_->set_lines(layout.sheet(guide_lines_, to_view(TableLayout::guide_room)),
                      to_view(TableLayout::guide_room));
  if (!summary_->isHidden())
    summary_->set_lines(layout.sheet(summary_lines_, to_view(TableLayout::summary_room)),
                        to_view(TableLayout::summary_room));
  update();
}

// ---- Input -----------------------------------------------------------------------

bool TableWindow::view_key(QKeyEvent* event) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  switch (event->key()) {
    case Qt::Key_L: show_log(!log_shown_); break;
    case Qt::Key_F1: show_guide(guide_->isHidden()); break;
    case Qt::Key_Plus:
    case Qt::Key_Equal: set_speed(faster(speed_)); break;
    case Qt::Key_Minus: set_speed(slower(speed_)); break;
    case Qt::Key_Escape:
      if (guide_->isHidden()) return false;
      show_guide(false);
      break;
    default: return false;
  }
  event->accept();
  return true;
}

void TableWindow::keyPressEvent(QKeyEvent* event) {
  // The window's own keys: the log, the guide, the speed.
  if (view_key(event)) return;
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
    // Leaving it by Tab, by a click elsewhere or by Escape gives the keyboard
    // back to the letters.
    switch (event->type()) {
      case QEvent::MouseButtonPress: host_.click(Text2); break;
      case QEvent::FocusIn:
        if (by_tab(event)) host_.click(Text2);
        break;
      case QEvent::FocusOut:
        if (by_tab(event) || static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
          host_.press_key(Key::leave_box);
        break;
      case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) break;
        setFocus(Qt::ShortcutFocusReason);
        host_.press_key(Key::leave_box);
        return true;
      default: break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TableWindow::closeEvent(QCloseEvent* event) {
  // Closing the window is the Exit button, asked first during a tournament.
  if (must_ask_to_leave()) {
    event->ignore();
    ask_to_leave();
    return;
  }
  if (host_.started() && !host_.game().ended()) host_.click(Command2);
  event->accept();
}

bool TableWindow::event(QEvent* event) {
  // A text shrunk or cut short shows whole in its tooltip.
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    const Spot* spot = spots_.at(help->pos());
    if (spot && (spot->text != spot->whole || spot->look == Look::name))
      QToolTip::showText(help->globalPos(), spot->whole, this);
    else
      QToolTip::hideText();
    return true;
  }
  return QWidget::event(event);
}

void TableWindow::resizeEvent(QResizeEvent*) { arrange(); }

// ---- Drawing -----------------------------------------------------------------------

void TableWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // Pictures are drawn at the size they were made for and only copied: Qt
  // resamples even an exact copy when asked to smooth it, at twice the pixel
  // density on other threads.
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const Motion::Millis now = shown_at_;

  painter.drawPixmap(0, 0, backdrop_.picture(backdrop()));
  painter.save();
  painter.setClipRect(to_view({0, 0, design_width, design_height}));
  draw_cards(painter, now);
  draw_chips(painter, now);
  draw_labels(painter);
  draw_dealer(painter);
  painter.restore();
}

Backdrop TableWindow::backdrop() const {
  Backdrop b;
  b.ground.size = size();
  b.ground.ratio = devicePixelRatioF();
  b.ground.room = room_;
  b.ground.design = to_view({0, 0, design_width, design_height});
  b.ground.scale = scale_;
  if (screen_.visible(Shape1))
    b.ground.table = {view_rect(Shape1), to_qcolor(screen_.at(Shape1).fill)};
  for (Element e : {Shape13, Shape12}) {
    b.ground.shape_places.push_back(view_rect(e));
    if (screen_.visible(e)) b.panels.push_back(view_rect(e));
  }
  for (int s = 1; s <= table_seats; ++s) {
    const Element plate = seat_plate(s);
    b.ground.shape_places.push_back(view_rect(plate));
    if (screen_.visible(plate))
      b.plates.push_back({view_rect(plate), to_qcolor(screen_.at(plate).fill)});
    // Beside the stack, where the layout keeps it clear of every text.
    const Element light = seat_light(s);
    if (screen_.visible(light))
      b.lights.push_back(
          {spots_.seats[static_cast<std::size_t>(s - 1)].light, to_qcolor(screen_.at(light).back)});
  }
  return b;
}

void TableWindow::draw_cards(QPainter& painter, Motion::Millis now) {
  const qreal ratio = devicePixelRatioF();
  for (int slot = 0; slot < card_slot_count; ++slot) {
    const Element e = Image1(slot);
    const ElementState& s = screen_.at(e);
    if (!s.visible || s.picture < 0) continue;
    const QRect r = snapped(view_rect(e));
    const auto flip = motion_.flip(slot, now);
    // A turning card is drawn narrower about its middle, its shadow with it.
    const double w = flip ? r.width() * std::max(flip->width, 0.02) : r.width();
    const QRectF shown(QRectF(r).center().x() - w / 2, r.top(), w, r.height());
    if (flip) {
      CardShadow::draw(painter, shown, scale_);
      painter.setRenderHint(QPainter::SmoothPixmapTransform);
      painter.drawPixmap(shown, pictures_.card(flip->cell, r.size(), ratio),
                         QRectF(QPointF(0, 0), QSizeF(r.size()) * ratio));
      painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
      continue;
    }
    painter.drawPixmap(r.topLeft(), shadow_.picture(r.size(), scale_, ratio));
    painter.drawPixmap(r.topLeft(), pictures_.card(s.picture, r.size(), ratio));
  }
}

QRect TableWindow::chip_place(int index, std::optional<Motion::Point> on_its_way) const {
  const Element e = backchips(index);
  if (!on_its_way) return snapped(view_rect(e));
  const ElementState& s = screen_.at(e);
  return snapped(to_view(
      {static_cast<int>(on_its_way->x), static_cast<int>(on_its_way->y), s.width, s.height}));
}

QRect TableWindow::card_ground(int slot) const {
  return CardShadow::ground(snapped(view_rect(Image1(slot))), scale_);
}

void TableWindow::draw_chip(QPainter& painter, int index, const QRect& r) {
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
    draw_chip(painter, i, chip_place(i));
  }
  for (const Motion::Chip& c : flying) draw_chip(painter, c.index, chip_place(c.index, c.at));
}

void TableWindow::draw_spot(QPainter& painter, const Spot& spot, PlaquePicture& plaque) {
  if (!spot.shown()) return;
  struct Ink {
    int plaque_alpha;  // 0: no plaque
    QColor text;
  };
  auto ink = [](Look look) -> Ink {
    switch (look) {
      case Look::plain: return {0, style::cream};
      case Look::name: return {150, Qt::white};
      case Look::heading: return {175, style::gold_text};
      case Look::tag_strong: return {170, style::gold_text};
      case Look::tag_all_in: return {170, style::all_in_text};
      case Look::tag_fold: return {150, style::fold_text};
      case Look::tag_hand: return {190, Qt::white};
      case Look::won: return {190, style::won_text};
      default: return {150, style::cream};
    }
  };
  Ink how = ink(spot.look);
  if (spot.look == Look::opaque) {
    // The message in the game's own colours, on its own ground.
    const ElementState& s = screen_.at(Label24);
    plaque.draw(painter, {spot.box, 0, to_qcolor(s.back)}, devicePixelRatioF());
    how.text = to_qcolor(s.fore);
  } else if (how.plaque_alpha > 0) {
    plaque.draw(painter, {spot.box, spot.box.height() / 3, QColor(0, 0, 0, how.plaque_alpha)},
                devicePixelRatioF());
  }
  painter.setFont(spot.font);
  painter.setPen(how.text);
  painter.drawText(spot.inner, spot.flags, spot.text);
}

void TableWindow::draw_labels(QPainter& painter) {
  const std::vector<const Spot*> texts = spots_.texts();
  plaques_.resize(texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i) draw_spot(painter, *texts[i], plaques_[i]);
}

void TableWindow::draw_dealer(QPainter& painter) {
  if (!screen_.visible(Label1)) return;
  QRectF r(0, 0, 300 * scale_, 300 * scale_);
  r.moveCenter(view_rect(Label1).center());
  const QRect place = snapped(r);
  painter.drawPixmap(place.topLeft(), pictures_.picture(QString::fromLatin1(art::dealer_path),
                                                        place.size(), devicePixelRatioF()));
}

}  // namespace tarvix::windows
