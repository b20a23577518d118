// The colours of the table's painted texts and panels, shared by the table
// window and the sheets over it.
#pragma once

#include <QColor>

namespace tarvix::windows::style {

inline const QColor cream(0xf4, 0xef, 0xdc);
inline const QColor gold(0xd9, 0xb8, 0x5c);
inline const QColor gold_text(0xff, 0xe0, 0x8a);
inline const QColor panel_back(0x0b, 0x16, 0x10, 215);
inline const QColor sheet_back(0x0b, 0x16, 0x10);
inline const QColor fold_text(0xb4, 0xb0, 0xa4);
inline const QColor all_in_text(0xff, 0x9a, 0x80);
inline const QColor won_text(0x9c, 0xf0, 0x8c);

}  // namespace tarvix::windows::style
