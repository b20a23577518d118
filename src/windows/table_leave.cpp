// Leaving the table: asked first while the tournament goes on.
#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>

#include "windows/game_host.h"
#include "windows/table_style.h"
#include "windows/table_window.h"

namespace tarvix::windows {

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
  // A kept tournament waits for the next start; one left is over.
  QPushButton* keep = nullptr;
  if (host_.keeping()) {
    keep = box->addButton(QStringLiteral("Keep for later"), QMessageBox::ActionRole);
    box->setInformativeText(
        QStringLiteral("Leave ends your tournament; Keep for later saves it to resume."));
  }
  QPushButton* stay = box->addButton(QStringLiteral("Stay"), QMessageBox::RejectRole);
  // Enter and Escape both stay: a tournament is left only by choosing Leave.
  box->setDefaultButton(stay);
  box->setEscapeButton(stay);
  box->setStyleSheet(style::sheet_style());
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::WindowModal);
  connect(box, &QMessageBox::finished, this, [this, box, leave, keep] {
    if (keep && box->clickedButton() == keep && must_ask_to_leave()) host_.keep_for_later();
    if (box->clickedButton() == leave && must_ask_to_leave()) host_.click(Command2);
  });
  leave_question_ = box;
  // The style's min-width sizes the buttons for the plain type and would cut
  // Keep for later short: sized again once the style, with its bold type,
  // is applied.
  box->ensurePolished();
  for (QAbstractButton* b : box->buttons()) {
    b->ensurePolished();
    b->setMinimumWidth(b->sizeHint().width());
  }
  box->adjustSize();
  // Over the middle of the table, clear of every seat's plate; placed before
  // it shows, so that the window manager takes the place as given.
  QRect place(QPoint(), box->size());
  place.moveCenter(mapToGlobal(to_view(TableLayout::summary_room).center().toPoint()));
  box->move(place.topLeft());
  box->open();
}

void TableWindow::closeEvent(QCloseEvent* event) {
  // Closing the window is the Exit button, asked first during a tournament.
  if (must_ask_to_leave()) {
    event->ignore();
    ask_to_leave();
    return;
  }
  if (host_.started() && !host_.game().ended() && !host_.kept()) host_.click(Command2);
  event->accept();
}

}  // namespace tarvix::windows
