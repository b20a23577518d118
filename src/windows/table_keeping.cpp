// Pause, and the end of the tournament: the summary's Play again and Close.
#include <QLabel>
#include <QPushButton>

#include "windows/game_host.h"
#include "windows/hand_log.h"
#include "windows/record_text.h"
#include "windows/table_layout.h"
#include "windows/table_reader.h"
#include "windows/table_style.h"
#include "windows/table_window.h"
#include "windows/tournament_number.h"

namespace tarvix::windows {

namespace {
// Under the view buttons in the design's top right corner.
constexpr Rect pause_place{10380, 1290, 1860, 330};
constexpr int summary_button_gap = 8;
}  // namespace

void TableWindow::make_keeping_controls() {
  auto make = [this](const char* name, const QString& text) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setFocusPolicy(Qt::TabFocus);
    b->setCursor(Qt::PointingHandCursor);
    return b;
  };
  pause_button_ = make("pause_button", QStringLiteral("Pause"));
  pause_button_->setToolTip(QStringLiteral("Pause (P)"));
  pause_button_->setAccessibleDescription(
      QStringLiteral("Stops the game where it stands; press again to go on. Key P."));
  connect(pause_button_, &QPushButton::clicked, this, &TableWindow::toggle_pause);

  paused_label_ = new QLabel(QStringLiteral("Paused"), this);
  paused_label_->setObjectName(QStringLiteral("paused"));
  paused_label_->setAlignment(Qt::AlignCenter);
  paused_label_->setAttribute(Qt::WA_TransparentForMouseEvents);
  paused_label_->hide();

  play_again_button_ = make("play_again", QStringLiteral("Play again"));
  play_again_button_->setAccessibleDescription(
      QStringLiteral("A new tournament, from the settings window."));
  connect(play_again_button_, &QPushButton::clicked, this, &TableWindow::play_again);
  close_button_ = make("summary_close", QStringLiteral("Close"));
  close_button_->setAccessibleDescription(QStringLiteral("Closes the game now."));
  connect(close_button_, &QPushButton::clicked, this, &TableWindow::close_now);
  play_again_button_->hide();
  close_button_->hide();
}

void TableWindow::toggle_pause() {
  if (!host_.started() || host_.game().ended()) return;
  host_.toggle_pause();
}

void TableWindow::show_paused() {
  const bool paused = host_.paused();
  paused_label_->setVisible(paused);
  if (paused) paused_label_->raise();
  pause_button_->setText(paused ? QStringLiteral("Go on") : QStringLiteral("Pause"));
  pause_button_->setAccessibleName(pause_button_->text());
  reader_->announce(paused ? QStringLiteral("Paused") : QStringLiteral("The game goes on"));
}

void TableWindow::show_summary_buttons() {
  for (QPushButton* b : {play_again_button_, close_button_}) {
    b->show();
    b->raise();
  }
}

void TableWindow::log_number() {
  const std::string line = "Tournament " + number_text(host_.number());
  log_->add({line, true, {}});
  // The kept log opens with it too, as the exported log must match this one.
  host_.log_line(line);
}

QSize TableWindow::summary_button_size() const {
  // As wide as the wider caption, with room round it; the style is the
  // view buttons', so the type follows the window's size.
  QSize size = play_again_button_->sizeHint().expandedTo(close_button_->sizeHint());
  size.rwidth() += size.height();
  return size;
}

QRectF TableWindow::summary_place() const {
  const QSize size = summary_button_size();
  return to_view(TableLayout::summary_room)
      .adjusted(0, 0, 0, -size.height() - 2 * summary_button_gap);
}

void TableWindow::place_keeping_controls() {
  pause_button_->setGeometry(to_view(pause_place).toAlignedRect());
  style::restyle(pause_button_, log_button_->styleSheet());
  const QRect table = to_view(TableLayout::summary_room).toAlignedRect();
  paused_label_->setGeometry(table);
  style::restyle(paused_label_,
                 QStringLiteral("QLabel { background: rgba(11, 22, 16, 215); color: #f4efdc;"
                                " border: 1px solid #d9b85c; border-radius: 6px; font-weight: bold;"
                                " font-size: %1px; }")
                     .arg(std::max(14, table.height() / 5)));
  // The summary's buttons side by side under it.
  for (QPushButton* b : {play_again_button_, close_button_})
    style::restyle(b, log_button_->styleSheet());
  const QSize size = summary_button_size();
  const int left = table.center().x() - size.width() - summary_button_gap / 2;
  const int top = static_cast<int>(summary_place().bottom()) + summary_button_gap;
  play_again_button_->setGeometry(QRect(QPoint(left, top), size));
  close_button_->setGeometry(QRect(QPoint(left + size.width() + summary_button_gap, top), size));
}

}  // namespace tarvix::windows
