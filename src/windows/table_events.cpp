// What the game tells the window: the story in words, the human's turn, a
// refused amount, the end of the tournament.
#include <QApplication>
#include <QLineEdit>
#include <QToolTip>
#include <algorithm>

#include "windows/game_host.h"
#include "windows/sheet_view.h"
#include "windows/table_reader.h"
#include "windows/table_window.h"

namespace tarvix::windows {

namespace {

constexpr int refusal_shown_ms = 3000;

}  // namespace

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
  // The record knows this finish once every listener has heard the end.
  if (compare_) QMetaObject::invokeMethod(this, &TableWindow::add_comparison, Qt::QueuedConnection);
  show_guide(false);
  summary_->show();
  summary_->raise();
  relayout();
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
