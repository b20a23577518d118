#include "windows/hand_log.h"

#include <QScrollBar>
#include <algorithm>

namespace tarvix::windows {

namespace {
// Lines of text the log's height holds, which sets its text size.
constexpr int lines_a_window = 44;
constexpr int least_pixels = 11, most_pixels = 26;
}  // namespace

HandLog::HandLog(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName(QStringLiteral("log"));
  setAccessibleName(QStringLiteral("Hand log"));
  setAccessibleDescription(QStringLiteral(
      "Every hand of the game: the bets, the cards of each street and the showdowns. Key L."));
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  // Tab reaches it and leaves it again; the letters it does not take still
  // reach the table, which plays them.
  setFocusPolicy(Qt::StrongFocus);
  setTabChangesFocus(true);
  setUndoRedoEnabled(false);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setStyleSheet(QStringLiteral(
      "QPlainTextEdit { background: #0b1610; color: #f4efdc; border: 1px solid #d9b85c;"
      " selection-background-color: #d9b85c; selection-color: #111; padding: 4px; }"
      "QPlainTextEdit:focus { border: 3px solid #0b3d91; }"));
  hide();
}

void HandLog::add(const LogLine& line) {
  const QString text = QString::fromStdString(line.text).toHtmlEscaped();
  // Each line is a block of its own, so that no format runs on into the next.
  appendHtml(line.heading ? QStringLiteral("<b style=\"color:#ffe08a\">%1</b>").arg(text)
                          : QStringLiteral("&nbsp;&nbsp;%1").arg(text));
  follow();
}

void HandLog::fit_text(int window_height) {
  const int px = std::clamp(window_height / lines_a_window, least_pixels, most_pixels);
  if (font().pixelSize() == px) return;
  QFont f = font();
  f.setPixelSize(px);
  setFont(f);
  follow();
}

void HandLog::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  // A new width wraps the lines anew; the newest stays in sight.
  follow();
}

void HandLog::follow() {
  if (window()->focusWidget() == this) return;
  QScrollBar* bar = verticalScrollBar();
  bar->setValue(bar->maximum());
}

}  // namespace tarvix::windows
