// The colours of the table's painted texts and panels, shared by the table
// window and the sheets over it.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace tarvix::windows::style {

inline const QColor cream(0xf4, 0xef, 0xdc);
inline const QColor gold(0xd9, 0xb8, 0x5c);
inline const QColor gold_text(0xff, 0xe0, 0x8a);
inline const QColor panel_back(0x0b, 0x16, 0x10, 215);
inline const QColor sheet_back(0x0b, 0x16, 0x10);
inline const QColor fold_text(0xb4, 0xb0, 0xa4);
inline const QColor all_in_text(0xff, 0x9a, 0x80);
inline const QColor won_text(0x9c, 0xf0, 0x8c);

// A question asked over the table, in the table's own colours: cream on the
// sheets' dark green, its buttons like the table's, the keyboard's ring dark blue.
inline QString sheet_style() {
  return QStringLiteral(
             "QMessageBox { background: %1; border: 2px solid %2; }"
             "QMessageBox QLabel { color: %3; font-size: 15px; }"
             "QMessageBox QPushButton { background: #e2dbc8; color: #1b1b1b; min-width: 80px;"
             " border: 1px solid #3d3010; border-radius: 5px; padding: 6px 16px;"
             " font-size: 14px; font-weight: bold; }"
             "QMessageBox QPushButton:hover { background: #f0eadb; }"
             "QMessageBox QPushButton:focus { border: 3px solid #0b3d91; }")
      .arg(sheet_back.name(), gold.name(), cream.name());
}

// Restyling re-polishes the widget: only when the style really changes.
inline void restyle(QWidget* widget, const QString& style) {
  if (widget->styleSheet() != style) widget->setStyleSheet(style);
}

}  // namespace tarvix::windows::style
