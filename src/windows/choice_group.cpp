#include "windows/choice_group.h"

#include <QHBoxLayout>
#include <QKeyEvent>

#include "windows/accessible_role.h"
#include "windows/choice_tile.h"

namespace tarvix::windows {

ChoiceGroup::ChoiceGroup(const QString& name, const QString& spoken, QWidget* parent)
    : QWidget(parent), row_(new QHBoxLayout(this)) {
  setObjectName(name);
  set_accessible_role(this, QAccessible::Grouping);
  setAccessibleName(spoken);
  row_->setContentsMargins(0, 0, 0, 0);
  row_->addStretch();
}

void ChoiceGroup::add(ChoiceTile* tile) {
  const int index = static_cast<int>(tiles_.size());
  tiles_.push_back(tile);
  row_->insertWidget(index, tile);
  connect(tile, &ChoiceTile::clicked, this, [this, index] { choose(index); });
  make_tab_stop(chosen_ >= 0 ? chosen_ : 0);
}

void ChoiceGroup::choose(int index) {
  if (index < 0 || index >= static_cast<int>(tiles_.size())) return;
  chosen_ = index;
  for (ChoiceTile* tile : tiles_) tile->set_marked(tile == tiles_[static_cast<std::size_t>(index)]);
  make_tab_stop(index);
  emit chosen_changed(index);
}

void ChoiceGroup::make_tab_stop(int index) {
  // Only one tile of the row is in the Tab order; a click still focuses any.
  for (std::size_t i = 0; i < tiles_.size(); ++i)
    tiles_[i]->setFocusPolicy(static_cast<int>(i) == index ? Qt::StrongFocus : Qt::ClickFocus);
}

void ChoiceGroup::keyPressEvent(QKeyEvent* event) {
  const int count = static_cast<int>(tiles_.size());
  int from = -1;
  for (int i = 0; i < count; ++i)
    if (tiles_[static_cast<std::size_t>(i)]->hasFocus()) from = i;
  if (from < 0) {
    QWidget::keyPressEvent(event);
    return;
  }
  int to = from;
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: to = (from + count - 1) % count; break;
    case Qt::Key_Right:
    case Qt::Key_Down: to = (from + 1) % count; break;
    case Qt::Key_Home: to = 0; break;
    case Qt::Key_End: to = count - 1; break;
    default: QWidget::keyPressEvent(event); return;
  }
  choose(to);
  tiles_[static_cast<std::size_t>(to)]->setFocus(Qt::OtherFocusReason);
  event->accept();
}

}  // namespace tarvix::windows
