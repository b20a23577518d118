#include "windows/table_reader.h"

#include <QEvent>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "model/card.h"
#include "windows/accessible_role.h"
#include "windows/game_host.h"
#include "windows/hand_log.h"
#include "windows/table_places.h"
#include "windows/table_window.h"

namespace tarvix::windows {

namespace {

constexpr int human_seat = 1;
// Far more than a screen reader falls behind by, even at the fastest pace.
constexpr std::size_t notices_kept = 48;

const char* const counted[] = {"no", "one", "two", "three", "four", "five", "six", "seven"};

QString words(int card) { return QString::fromStdString(card_words(card)); }

QString joined(const std::vector<QString>& parts) {
  QStringList list(parts.begin(), parts.end());
  return list.join(QStringLiteral(", "));
}

QWidget* reader_text(const QString& name, QAccessible::Role role, QWidget* parent) {
  auto* w = new QWidget(parent);
  w->setObjectName(name);
  set_accessible_role(w, role);
  w->setAttribute(Qt::WA_TransparentForMouseEvents);
  w->setFocusPolicy(Qt::NoFocus);
  return w;
}

void set_name(QWidget* w, const QString& name) {
  // Every change is an event for the screen reader: only real ones.
  if (w->accessibleName() != name) w->setAccessibleName(name);
}

}  // namespace

TableReader::TableReader(TableWindow& window, GameHost& host)
    : QObject(&window), window_(window), host_(host) {
  for (int s = 1; s <= seats; ++s)
    cards_[static_cast<std::size_t>(s - 1)] =
        reader_text(QStringLiteral("seat%1_cards").arg(s), QAccessible::StaticText, &window);
  dealer_ = reader_text(QStringLiteral("dealer_button"), QAccessible::StaticText, &window);
  turn_ = reader_text(QStringLiteral("turn"), QAccessible::StaticText, &window);

  host.game().listen([self = QPointer<TableReader>(this)](const GameEvent& event) {
    if (self) self->heard(event);
  });
  // The screen changes between events too (a fold hides the cards first).
  connect(&host, &GameHost::changed, this, [this](Element e) {
    const bool name = e >= name_label(1) && e <= name_label(seats);
    if (is_card_slot(e) || name || e == Label1 || e == turn_element_) refresh_soon();
  });
  window.installEventFilter(this);
  refresh();
}

void TableReader::announce(const QString& text) {
  // What one click or tick tells is said as one notification, once the
  // handler has returned: screen readers present a notification as it
  // appears, and one that changes at once again may never be read.
  if (waiting_.isEmpty()) QTimer::singleShot(0, this, &TableReader::say_waiting);
  waiting_.append(text);
}

void TableReader::say_waiting() {
  QWidget* notice = reader_text(QStringLiteral("notice"), QAccessible::Notification, &window_);
  notice->hide();
  notice->setAccessibleName(waiting_.join(QStringLiteral(". ")));
  notice->setGeometry(window_.to_view(design_rect(Label24)).toAlignedRect());
  notice->show();
  waiting_.clear();
  notices_.push_back(notice);
  if (notices_.size() > notices_kept) {
    notices_.front()->deleteLater();
    notices_.pop_front();
  }
}

bool TableReader::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_ && event->type() == QEvent::Resize) place();
  return QObject::eventFilter(watched, event);
}

void TableReader::heard(const GameEvent& event) {
  if (std::holds_alternative<HandStarted>(event)) {
    showdown_.clear();
    turn_seat_ = 0;
  } else if (const auto* moved = std::get_if<ButtonMoved>(&event)) {
    dealer_seat_ = moved->seat;
  } else if (const auto* taken = std::get_if<TurnTaken>(&event)) {
    turn_seat_ = taken->seat;
  } else if (const auto* showdown = std::get_if<Showdown>(&event)) {
    for (const ShowdownHand& hand : showdown->hands) showdown_[hand.seat] = hand;
    turn_seat_ = 0;
  } else if (std::holds_alternative<GameEnded>(event)) {
    turn_seat_ = 0;
  }
  refresh();
  if (const auto* opened = std::get_if<HumanTurnOpened>(&event)) open_turn(*opened);
}

void TableReader::open_turn(const HumanTurnOpened& opened) {
  // The game has opened the turn on its own focus; the keyboard follows it
  // to the one of Call and Check that the panel shows.
  const Screen& screen = host_.screen();
  const Element e = screen.visible(Command5) ? Command5 : Command7;
  QPushButton* button = window_.button(e);
  if (!button || !screen.visible(e)) return;
  if (turn_button_ && turn_button_ != button) turn_button_->setAccessibleName(name_before_);
  if (turn_button_ != button) name_before_ = button->accessibleName();
  turn_button_ = button;
  turn_element_ = e;
  const QString what =
      e == Command5 ? QStringLiteral("call %1").arg(opened.to_call) : QStringLiteral("check");
  set_name(button, QStringLiteral("Your turn: ") + what);
  // A player reading the log keeps the keyboard there; the turn is still
  // announced.
  if (window_.focusWidget() == window_.log())
    announce(QStringLiteral("Your turn: ") + what);
  else
    button->setFocus(Qt::OtherFocusReason);
}

void TableReader::refresh_soon() {
  if (refresh_due_) return;
  refresh_due_ = true;
  QTimer::singleShot(0, this, [this] {
    refresh_due_ = false;
    refresh();
  });
}

QString TableReader::seat_name(int seat) const {
  if (seat < 1 || seat > seats) return QStringLiteral("nobody");
  const QString name = QString::fromStdString(host_.screen().caption(name_label(seat))).trimmed();
  return name.isEmpty() ? QStringLiteral("Seat %1").arg(seat) : name;
}

QString TableReader::seat_words(int seat) const {
  const std::vector<int> seen = host_.game().cards_seen(seat);
  std::vector<QString> up;
  int down = 0;
  for (int card : seen) {
    if (card == no_card)
      ++down;
    else
      up.push_back(words(card));
  }
  QString text;
  if (seat == human_seat) {
    text = QStringLiteral("Your cards: ") + (up.empty() ? QStringLiteral("none") : joined(up));
  } else {
    std::vector<QString> parts;
    if (!up.empty()) parts.push_back(joined(up) + QStringLiteral(" up"));
    if (down > 0)
      parts.push_back(QString::fromLatin1(counted[down]) +
                      (down == 1 ? QStringLiteral(" card down") : QStringLiteral(" cards down")));
    text = seat_name(seat) + QStringLiteral(": ") +
           (parts.empty() ? QStringLiteral("no cards") : joined(parts));
  }
  const auto hand = showdown_.find(seat);
  if (hand != showdown_.end()) {
    text += QStringLiteral("; hand: ") + QString::fromStdString(hand_words(hand->second.value));
    if (hand->second.won > 0) text += QStringLiteral("; won %1").arg(hand->second.won);
  }
  return text;
}

void TableReader::refresh() {
  const Screen& screen = host_.screen();
  for (int s = 1; s <= seats; ++s) {
    QWidget* w = seat_cards(s);
    set_name(w, seat_words(s));
    w->setVisible(screen.visible(name_label(s)));
  }
  auto who = [this](int seat) {
    return seat == human_seat ? QStringLiteral("you") : seat_name(seat);
  };
  set_name(dealer_, QStringLiteral("Dealer button: ") + who(dealer_seat_));
  dealer_->setVisible(dealer_seat_ != 0 && screen.visible(Label1));
  set_name(turn_, QStringLiteral("Whose turn: ") + who(turn_seat_));
  turn_->setVisible(turn_seat_ != 0);
  // The turn's name goes once the panel has gone.
  if (turn_button_ && !screen.visible(turn_element_)) {
    set_name(turn_button_, name_before_);
    turn_button_ = nullptr;
    turn_element_ = no_element;
  }
  place();
}

void TableReader::place() {
  // Where the window draws them.
  for (int s = 1; s <= seats; ++s)
    seat_cards(s)->setGeometry(window_.to_view(places::fan(s)).toAlignedRect());
  dealer_->setGeometry(window_.spots().dealer.toAlignedRect());
  if (turn_seat_ != 0) {
    const SeatSpots& seat = window_.spots().seats[static_cast<std::size_t>(turn_seat_ - 1)];
    turn_->setGeometry(seat.light.toAlignedRect());
  }
  for (QWidget* notice : notices_)
    notice->setGeometry(window_.to_view(design_rect(Label24)).toAlignedRect());
}

}  // namespace tarvix::windows
