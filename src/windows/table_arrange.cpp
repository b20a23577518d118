// The table laid out at the window's size: the scale, the log beside it,
// the texts and the sheets over it.
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "windows/caption.h"
#include "windows/game_host.h"
#include "windows/hand_log.h"
#include "windows/sheet_view.h"
#include "windows/table_reader.h"
#include "windows/table_window.h"

namespace tarvix::windows {

namespace {

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

}  // namespace

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

void TableWindow::log_key() {
  // L takes the keyboard into the log, showing it; from there L takes the
  // keyboard back to the table and puts the log away.
  if (log_shown_ && focusWidget() == log_) {
    show_log(false);
    setFocus(Qt::ShortcutFocusReason);
    return;
  }
  show_log(true);
  log_->setFocus(Qt::ShortcutFocusReason);
}

void TableWindow::show_guide(bool shown) {
  if (shown && guide_->isHidden())
    reader_->announce(QString::fromStdString(sheet_words(guide_lines_)));
  guide_->setVisible(shown);
  if (shown) guide_->raise();
  relayout();
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
    log_->fit_text(height());
  }
  place_widgets();
  relayout();
}

TableTexts TableWindow::table_texts() const {
  auto shown = [this](Element e) {
    return screen_.visible(e) ? trimmed(screen_.caption(e)) : QString();
  };
  TableTexts t;
  for (int s = 1; s <= seats; ++s) {
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
  if (screen_.visible(Label1)) t.button_seat = button_seat_;
  t.message_points = screen_.at(Label24).font_size;
  t.message_opaque = screen_.at(Label24).opaque;
  if (host_.started()) t.sit_out = QString::fromStdString(sit_out_words(host_.game().sit_out()));
  return t;
}

void TableWindow::relayout() {
  const TableLayout layout = this->layout();
  spots_ = layout.table(table_texts());
  speak_spots();
  // Sit Out is checked while a sit-out is asked for or in force.
  if (host_.started()) {
    const SitOut sit_out = host_.game().sit_out();
    button(Command3)->setChecked(sit_out == SitOut::from_next_hand ||
                                 sit_out == SitOut::sitting_out);
    sync_widget(Command3);
  }
  if (!guide_->isHidden())
    guide_->set_lines(layout.sheet(guide_lines_, to_view(TableLayout::guide_room)),
                      to_view(TableLayout::guide_room));
  if (!summary_->isHidden())
    summary_->set_lines(layout.sheet(summary_lines_, summary_place()),
                        to_view(TableLayout::summary_room));
  place_keeping_controls();
  update();
}

void TableWindow::resizeEvent(QResizeEvent*) { arrange(); }

}  // namespace tarvix::windows
