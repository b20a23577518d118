#include "windows/hand_log.h"

namespace tarvix::windows {

HandLog::HandLog(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName(QStringLiteral("log"));
  setAccessibleName(QStringLiteral("Hand log"));
  setAccessibleDescription(
      QStringLiteral("Every hand of the game: the bets, the streets and the showdowns. Key L."));
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  // A click selects; the letters still reach the table, which plays them.
  setFocusPolicy(Qt::ClickFocus);
  setUndoRedoEnabled(false);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setStyleSheet(QStringLiteral(
      "QPlainTextEdit { background: #0b1610; color: #f4efdc; border: 1px solid #d9b85c;"
      " selection-background-color: #d9b85c; selection-color: #111; padding: 4px; }"));
  hide();
}

void HandLog::add(const LogLine& line) {
  const QString text = QString::fromStdString(line.text).toHtmlEscaped();
  // Each line is a block of its own, so that no format runs on into the next.
  appendHtml(line.heading ? QStringLiteral("<b style=\"color:#ffe08a\">%1</b>").arg(text)
                          : QStringLiteral("&nbsp;&nbsp;%1").arg(text));
}

}  // namespace tarvix::windows
