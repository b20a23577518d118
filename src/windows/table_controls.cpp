// The table window's buttons and amount box: made, placed on the design's
// places and styled, with the captions the game gives them.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "windows/caption.h"
#include "windows/color.h"
#include "windows/game_host.h"
#include "windows/sheet_view.h"
#include "windows/table_button.h"
#include "windows/table_reader.h"
#include "windows/table_style.h"
#include "windows/table_window.h"

namespace tarvix::windows {

namespace {

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

// The small buttons of the window's own: the log, the guide, the speed, the
// sound.
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
// Below Pause, which keeps 1290 (see the keeping controls).
constexpr ViewButton sound_button{"sound_button",
                                  {10380, 1680, 1860, 330},
                                  "Sound on or off (M)",
                                  "Turns the game's sounds off, or on again. Key M."};

// The largest pixel size, from `pixels` down to `least`, at which the text
// fits the width.
int fitted_pixels(QFont font, int pixels, int least, const QString& text, double width) {
  for (; pixels > least; --pixels) {
    font.setPixelSize(pixels);
    if (QFontMetricsF(font).horizontalAdvance(text) <= width) break;
  }
  return pixels;
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

// Call and Raise show the amount of the turn they play; the button also
// says what it does.
QString shown_caption(Element e, const std::string& caption,
                      const std::optional<HumanTurnOpened>& turn) {
  const QString name = QString::fromStdString(design_caption(e));
  if (turn && e == Command5) return name + QStringLiteral("  %1").arg(turn->to_call);
  if (turn && e == Command6) return name + QStringLiteral("  %1").arg(turn->raise);
  return trimmed(caption);
}

}  // namespace

void TableWindow::make_controls() {
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
  connect(amount_box_, &QLineEdit::textEdited, this, [this](const QString& text) {
    host_.type_amount(text.toStdString());
    show_bet_note();
  });
  bet_note_ = new QLabel(this);
  bet_note_->setObjectName(QStringLiteral("bet_note"));
  bet_note_->setAccessibleName(QStringLiteral("Bet It"));
  bet_note_->setAlignment(Qt::AlignCenter);
  bet_note_->setWordWrap(true);
  bet_note_->hide();
  connect(amount_box_, &QLineEdit::returnPressed, this, [this] { host_.press_key(Key::enter); });
  // Tab goes round the panel, then Sit Out and Exit.
  QWidget* previous = nullptr;
  for (Element e : {Command5, Command6, Command7, Command8, Text2, Command11, Command3, Command2}) {
    QWidget* w = e == Text2 ? static_cast<QWidget*>(amount_box_) : button(e);
    if (previous) setTabOrder(previous, w);
    previous = w;
  }
}

void TableWindow::make_view_buttons() {
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
    choose_speed(speed_ == GameSpeed::very_fast ? GameSpeed::normal : faster(speed_));
  });
  sound_ = new TableSound(host_, this);
  sound_button_ = view_button(sound_button, [this] { toggle_sound(); });
  connect(sound_, &TableSound::state_changed, this, [this] {
    show_sound();
    reader_->announce(sound_button_->text());
  });
  show_sound();
}

void TableWindow::show_sound() {
  const QString state = sound_->unavailable() ? QStringLiteral("none")
                        : sound_->on()        ? QStringLiteral("on")
                                              : QStringLiteral("off");
  sound_button_->setText(QStringLiteral("Sound: ") + state);
  sound_button_->setAccessibleName(sound_button_->text());
  place_view_buttons();
}

void TableWindow::set_speed(GameSpeed speed) {
  if (speed != speed_ && reader_)
    reader_->announce(QStringLiteral("Game speed: %1").arg(speed_choice(speed).name));
  speed_ = speed;
  host_.set_pace(speed_choice(speed).pace);
  speed_button_->setText(QStringLiteral("Speed: %1").arg(speed_choice(speed).name));
  speed_button_->setAccessibleName(speed_button_->text());
  place_view_buttons();
}

void TableWindow::choose_speed(GameSpeed speed) {
  if (speed == speed_) return;
  set_speed(speed);
  emit choices_changed();
}

void TableWindow::toggle_sound() {
  sound_->toggle();
  emit choices_changed();
}

bool TableWindow::playing_on(Element e) const {
  // The game leaves Sit Out in the colour of the last press; once the human
  // is back in, it is the button it was.
  return e == Command3 && host_.started() && host_.game().sit_out() == SitOut::playing;
}

void TableWindow::sync_widget(Element e) {
  const ElementState& s = screen_.at(e);
  QWidget* w = e == Text2 ? static_cast<QWidget*>(amount_box_) : button(e);
  if (!w) return;
  QRectF place = view_rect(e);
  // Bet It takes a little of the amount box's width, so that its caption
  // stays whole at the smallest size; the box still holds a dozen digits.
  constexpr double bet_it_widening = 200;
  if (e == Text2) place.setRight(place.right() - bet_it_widening * scale_);
  if (e == Command11) place.setLeft(place.left() - bet_it_widening * scale_);
  w->setGeometry(place.toAlignedRect());
  const int radius = std::max(2, static_cast<int>(std::lround(60 * scale_)));
  // Large amounts shrink the caption rather than leave the button.
  const QFont design = font_for(e == Command11 || e == Command2 ? 7 : 8.5, true);
  const int px = fitted_pixels(design, design.pixelSize(), TableLayout::least_pixels(scale_),
                               shown_caption(e, s.caption, turn_), w->width() - 2 * radius);
  // The keyboard's mark: a thick dark ring, plain on every button colour.
  const int focus_width = std::max(2, static_cast<int>(std::lround(40 * scale_)));
  const QString focus_mark = QStringLiteral("#0b3d91");
  if (e == Text2) {
    const QString text = QString::fromStdString(s.text);
    if (amount_box_->text() != text) amount_box_->setText(text);
    style::restyle(
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
    const QString caption = shown_caption(e, s.caption, turn_);
    if (b->text() != caption) {
      b->setText(caption);
      // Read out as shown: "Call 20".
      b->setAccessibleName(caption.simplified());
    }
    const QColor bg = s.back != 0 && !playing_on(e) ? to_qcolor(s.back) : button_colour(e);
    const QColor ink = bg.lightness() < 110 ? QColor(Qt::white) : QColor(0x1b, 0x1b, 0x1b);
    style::restyle(b, QStringLiteral("QPushButton { background: %1; color: %2;"
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
  // The keyboard leaves a control that goes away, and Qt does not pass it on
  // along the Tab order: with no control focused, the window takes the
  // letters again, and a screen reader hears no focus move (it said "table
  // frame" after every action, over the story of the hand).
  if (!s.visible && focusWidget() == w) w->clearFocus();
  w->setVisible(s.visible);
  if (e == Text2) show_bet_note();
}

void TableWindow::place_widgets() {
  for (Element e : button_elements) sync_widget(e);
  sync_widget(Text2);
  // The note stands on the bet panel's top edge, as wide as the panel.
  constexpr int note_height = 300;
  const Rect panel = design_rect(Shape12);
  bet_note_->setGeometry(
      to_view({panel.left, panel.top - note_height, panel.width, note_height}).toAlignedRect());
  bet_note_->setStyleSheet(
      QStringLiteral("QLabel { background: #0b1610; color: #f4efdc; border: 1px solid #d9b85c;"
                     " border-radius: 3px; font-size: %1px; }")
          .arg(TableLayout::least_pixels(scale_)));
  if (!amount_box_->isVisible()) bet_note_->hide();
  place_view_buttons();
}

void TableWindow::place_view_buttons() {
  const int radius = std::max(2, static_cast<int>(std::lround(60 * scale_)));
  for (const auto& [b, which] :
       {std::pair{log_button_, &log_button}, std::pair{guide_button_, &guide_button},
        std::pair{speed_button_, &speed_button}, std::pair{sound_button_, &sound_button}}) {
    if (!b) continue;
    b->setGeometry(to_view(which->place).toAlignedRect());
    const QFont design = font_for(7, true);
    const int px = fitted_pixels(design, design.pixelSize(), TableLayout::least_pixels(scale_),
                                 b->text(), b->width() - 2 * radius);
    style::restyle(b,
                   QStringLiteral("QPushButton { background: rgba(11, 22, 16, 215); color: #f4efdc;"
                                  " border: 1px solid #d9b85c; border-radius: %1px;"
                                  " font-size: %2px; font-weight: bold; padding: 0; }"
                                  "QPushButton:hover { background: rgba(40, 60, 44, 230); }")
                       .arg(radius)
                       .arg(px));
  }
}

}  // namespace tarvix::windows
