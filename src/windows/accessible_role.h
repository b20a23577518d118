// The role a screen reader should know a plain widget by: a window, a
// dialog, a group or a text, where Qt would report a mere client area.
#pragma once

#include <QAccessible>

class QWidget;

namespace tarvix::windows {

// Takes effect when the widget is first asked for its accessible
// interface, so set it in the constructor.
void set_accessible_role(QWidget* widget, QAccessible::Role role);

}  // namespace tarvix::windows
