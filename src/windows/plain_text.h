// Text that comes from the player (a name; the record's names and exports)
// is shown as typed. Qt guesses rich text in tooltips: such text goes in as
// HTML that says exactly the text, so no markup in it is ever rendered.
#pragma once

#include <QString>
#include <QTextDocument>

namespace tarvix::windows {

inline QString as_typed(const QString& text) { return Qt::convertFromPlainText(text); }

}  // namespace tarvix::windows
