// The table window's making: the window itself, the parts it holds and
// where the design's places fall in it.
#include "windows/table_window.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "windows/accessible_role.h"
#include "windows/game_host.h"
#include "windows/guide.h"
#include "windows/hand_log.h"
#include "windows/sheet_view.h"
#include "windows/table_places.h"
#include "windows/table_reader.h"

namespace tarvix::windows {

namespace {

constexpr double twips_per_point = 20;

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
  make_controls();

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

  make_spoken_labels();

  reader_ = new TableReader(*this, host_);
  log_ = new HandLog(this);
  // What happens reaches the screen reader as the log tells it.
  story_.on_line = [this](const LogLine& line) {
    log_->add(line);
    host_.log_line(line.text);
    // A resumed tournament's replay is told in the log, not aloud.
    if (!host_.replaying()) reader_->announce(QString::fromStdString(line.said()));
  };
  guide_lines_ = guide_lines(Game::limits_ladder());
  guide_ = new SheetView(QStringLiteral("Guide"), this);
  connect(guide_, &SheetView::clicked, this, [this] { show_guide(false); });
  summary_ = new SheetView(QStringLiteral("Summary"), this);
  summary_->setAttribute(Qt::WA_TransparentForMouseEvents);
  make_view_buttons();
  make_keeping_controls();
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
  // The keyboard starts on the table itself, where the letters play: on the
  // first button of the Tab order, Sit Out, a Space would sit the player out.
  setFocus(Qt::OtherFocusReason);
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

QMessageBox* TableWindow::leave_question() const { return leave_question_; }

QRectF TableWindow::to_view(const Rect& r) const {
  return {origin_.x() + r.left * scale_, origin_.y() + r.top * scale_, r.width * scale_,
          r.height * scale_};
}

QRectF TableWindow::card_place(int slot) const {
  return to_view(places::card(slot / cards_per_seat + 1, slot % cards_per_seat + 1));
}

QRectF TableWindow::view_rect(Element e) const {
  const ElementState& s = screen_.at(e);
  return to_view({s.left, s.top, s.width, s.height});
}

QFont TableWindow::font_for(double points, bool bold) const {
  QFont f = font();
  f.setPixelSize(std::max(TableLayout::least_pixels(scale_),
                          static_cast<int>(std::lround(points * twips_per_point * scale_))));
  f.setBold(bold);
  return f;
}

}  // namespace tarvix::windows
