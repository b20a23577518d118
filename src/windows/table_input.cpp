// The player's keys and the amount box's comings and goings, handed to the
// game host; the tooltips of texts shown cut short.
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolTip>

#include "windows/caption.h"
#include "windows/game_host.h"
#include "windows/plain_text.h"
#include "windows/sheet_view.h"
#include "windows/table_reader.h"
#include "windows/table_window.h"

namespace tarvix::windows {

namespace {

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

}  // namespace

bool TableWindow::view_key(QKeyEvent* event) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  switch (event->key()) {
    case Qt::Key_L: log_key(); break;
    case Qt::Key_P: toggle_pause(); break;
    case Qt::Key_F1: show_guide(guide_->isHidden()); break;
    case Qt::Key_Plus:
    case Qt::Key_Equal: choose_speed(faster(speed_)); break;
    case Qt::Key_Minus: choose_speed(slower(speed_)); break;
    case Qt::Key_H: emit record_requested(); break;
    case Qt::Key_M: toggle_sound(); break;
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
    case Qt::Key_F10:
      host_.press_key(Key::f10);
      if (screen_.visible(winnerlabel))
        reader_->announce(QStringLiteral("Winner: ") + trimmed(screen_.caption(winnerlabel)));
      break;
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

bool TableWindow::event(QEvent* event) {
  // A text shrunk or cut short shows whole in its tooltip.
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    const Spot* spot = spots_.at(help->pos());
    if (spot && (spot->text != spot->whole || spot->look == Look::name))
      QToolTip::showText(help->globalPos(), as_typed(spot->whole), this);
    else
      QToolTip::hideText();
    return true;
  }
  return QWidget::event(event);
}

}  // namespace tarvix::windows
