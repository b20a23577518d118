#include "windows/spoken_label.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace tarvix::windows {

namespace {

// Static text whose name carries the current text (most screen readers read
// only the name of a label) and whose value is the text alone.
class SpokenLabelAccessible : public QAccessibleWidget {
 public:
  explicit SpokenLabelAccessible(SpokenLabel* label)
      : QAccessibleWidget(label, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    const auto* label = static_cast<const SpokenLabel*>(widget());
    switch (t) {
      case QAccessible::Name: return label->spoken_name();
      case QAccessible::Value: return label->text();
      default: return QAccessibleWidget::text(t);
    }
  }
};

QAccessibleInterface* spoken_label_factory(const QString&, QObject* object) {
  if (auto* label = qobject_cast<SpokenLabel*>(object)) return new SpokenLabelAccessible(label);
  return nullptr;
}

}  // namespace

SpokenLabel::SpokenLabel(const QString& what, const QString& description, QWidget* parent,
                         bool says_what)
    : QWidget(parent), says_what_(says_what), what_(what) {
  static const bool installed = [] {
    QAccessible::installFactory(spoken_label_factory);
    return true;
  }();
  (void)installed;
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setAccessibleDescription(description);
}

QString SpokenLabel::spoken_name() const {
  if (text_.isEmpty()) return what_;
  return says_what_ ? text_ : what_ + QStringLiteral(": ") + text_;
}

void SpokenLabel::set_text(const QString& text) {
  if (text == text_) return;
  text_ = text;
  if (!QAccessible::isActive()) return;
  QAccessibleEvent name(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&name);
}

}  // namespace tarvix::windows
