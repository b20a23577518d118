#include "windows/accessible_role.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace tarvix::windows {

namespace {

constexpr char role_property[] = "tarvixAccessibleRole";

QAccessibleInterface* role_factory(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget) return nullptr;
  const QVariant role = widget->property(role_property);
  if (!role.isValid()) return nullptr;
  return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

}  // namespace

void set_accessible_role(QWidget* widget, QAccessible::Role role) {
  static const bool installed = [] {
    QAccessible::installFactory(role_factory);
    return true;
  }();
  (void)installed;
  widget->setProperty(role_property, static_cast<int>(role));
}

}  // namespace tarvix::windows
