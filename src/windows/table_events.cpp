// What the game tells the window: the story in words, the human's turn, a
// refused amount, the end of the tournament.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "windows/game_host.h"
#include "windows/sheet_view.h"
#include "windows/table_reader.h"
#include "windows/table_window.h"

namespace tarvix::windows {

void TableWindow::heard(const GameEvent& event) {
  if (const auto* started = std::get_if<HandStarted>(&event); started && started->hand == 1)
    log_number();
  story_.hear(event);
  if (std::holds_alternative<PauseChanged>(event)) show_paused();
  if (const auto* opened = std::get_if<HumanTurnOpened>(&event)) {
    turn_ = *opened;
    for (Element e : {Command5, Command6}) sync_widget(e);
    amount_box_->setPlaceholderText(QStringLiteral("raise by"));
    show_bet_note();
    // The human's turn opened while the player looks elsewhere: the desktop
    // draws attention to the window.
    if (!isActiveWindow()) {
      QApplication::alert(this);
      emit turn_alerted();
    }
  }
  if (const auto* moved = std::get_if<ButtonMoved>(&event)) button_seat_ = moved->seat;
  if (const auto* refusal = std::get_if<AmountRefused>(&event)) refused(*refusal);
  if (std::holds_alternative<TournamentOver>(event)) show_summary();
  if (!std::holds_alternative<TurnPassed>(event) && !std::holds_alternative<TurnTaken>(event))
    relayout();
}

namespace {

QString refusal_words(Refusal why, Chips least) {
  return why == Refusal::no_number ? QStringLiteral("type a number")
                                   : QStringLiteral("at least %1").arg(least);
}

}  // namespace

void TableWindow::refused(const AmountRefused& refusal) {
  // Why Bet It did nothing, beside the box until the text changes.
  const QString why = refusal_words(refusal.why, refusal.least);
  bet_note_->setText(why);
  bet_note_->show();
  reader_->announce(QStringLiteral("Bet It: ") + why);
}

void TableWindow::show_bet_note() {
  if (!host_.started()) return;
  const BetItStake bet = host_.game().bet_it_stake();
  QString note;
  // The empty box's hint whole above it: the box itself is too narrow.
  if (!amount_box_->isVisible())
    note.clear();
  else if (amount_box_->text().isEmpty())
    note = QStringLiteral("raise by at least %1").arg(bet.least);
  else if (bet.refused)
    note = refusal_words(*bet.refused, bet.least);
  else if (bet.total == bet.call)
    note = QStringLiteral("%1 in all: the call alone").arg(bet.total);
  else if (bet.call > 0)
    note =
        QStringLiteral("%1 in all: %2 to call and %3").arg(bet.total).arg(bet.call).arg(bet.typed);
  else
    note = QStringLiteral("%1 in all").arg(bet.total);
  bet_note_->setText(note);
  bet_note_->setVisible(!note.isEmpty());
}

void TableWindow::show_summary() {
  summary_lines_ = story_.summary(host_.played());
  // The record knows this finish once every listener has heard the end.
  if (compare_) QMetaObject::invokeMethod(this, &TableWindow::add_comparison, Qt::QueuedConnection);
  show_guide(false);
  summary_->show();
  summary_->raise();
  show_summary_buttons();
  relayout();
  reader_->announce(QString::fromStdString(sheet_words(summary_lines_)));
}

void TableWindow::add_comparison() {
  const std::string line = compare_();
  if (line.empty()) return;
  // After the figures of this tournament.
  const auto last_row =
      std::find_if(summary_lines_.rbegin(), summary_lines_.rend(),
                   [](const SheetLine& l) { return l.kind == SheetLine::Kind::row; });
  summary_lines_.insert(last_row.base(), {SheetLine::Kind::row, "On your record", line});
  relayout();
}

}  // namespace tarvix::windows
