#include "windows/choice_tile.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace tarvix::windows {

namespace {

constexpr int border_gap = 4;  // room for the mark and the focus ring around the picture

// A radio button: checked while the tile is the chosen one of its group;
// pressing it chooses it.
class ChoiceTileAccessible : public QAccessibleWidget {
 public:
  explicit ChoiceTileAccessible(ChoiceTile* tile)
      : QAccessibleWidget(tile, QAccessible::RadioButton) {}

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = static_cast<const ChoiceTile*>(widget())->marked();
    return s;
  }
  // The tooltip repeats the name: a screen reader would say it twice.
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Description ? QString() : QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override {
    return QAccessibleWidget::actionNames() << pressAction();
  }
  void doAction(const QString& action) override {
    if (action == pressAction())
      emit static_cast<ChoiceTile*>(widget())->clicked();
    else
      QAccessibleWidget::doAction(action);
  }
};

QAccessibleInterface* choice_tile_factory(const QString&, QObject* object) {
  if (auto* tile = qobject_cast<ChoiceTile*>(object)) return new ChoiceTileAccessible(tile);
  return nullptr;
}

}  // namespace

ChoiceTile::ChoiceTile(const QString& name, const QString& spoken, QSize size, Painter paint,
                       QWidget* parent)
    : QWidget(parent), paint_(std::move(paint)) {
  static const bool installed = [] {
    QAccessible::installFactory(choice_tile_factory);
    return true;
  }();
  (void)installed;
  setObjectName(name);
  setAccessibleName(spoken);
  setToolTip(spoken);
  setFixedSize(size + QSize(2 * border_gap, 2 * border_gap));
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_Hover);
}

void ChoiceTile::set_marked(bool marked) {
  if (marked_ == marked) return;
  marked_ = marked;
  update();
  QAccessible::State changed;
  changed.checked = true;
  QAccessibleStateChangeEvent event(this, changed);
  QAccessible::updateAccessibility(&event);
}

void ChoiceTile::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QRect inner = rect().adjusted(border_gap, border_gap, -border_gap, -border_gap);
  paint_(painter, inner, devicePixelRatioF());
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  if (hasFocus()) {
    // The keyboard's ring: white on black, so that it shows on any picture.
    painter.setPen(QPen(Qt::black, 3));
    painter.drawRect(QRectF(inner).adjusted(1.5, 1.5, -1.5, -1.5));
    painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
    painter.drawRect(QRectF(inner).adjusted(1.5, 1.5, -1.5, -1.5));
  }
  if (marked_) {
    // The mark: one plain line round the chosen tile.
    painter.setPen(QPen(QColor(255, 236, 140), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
}

void ChoiceTile::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
}

void ChoiceTile::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
    emit clicked();
    return;
  }
  // Enter presses the window's default button, as in a dialog.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    for (QPushButton* b : window()->findChildren<QPushButton*>()) {
      if (b->isDefault() && b->isVisible() && b->isEnabled()) {
        b->click();
        return;
      }
    }
  }
  // The arrow keys are the group's.
  QWidget::keyPressEvent(event);
}

}  // namespace tarvix::windows
