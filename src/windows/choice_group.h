// A row of choice tiles of which one is chosen, reached by the keyboard as
// one stop: Tab comes to the chosen tile (the first while none is), the
// arrow keys move the choice along the row, Space or a click chooses.
// Screen readers find a named group of radio buttons.
#pragma once

#include <QWidget>
#include <vector>

class QHBoxLayout;

namespace tarvix::windows {

class ChoiceTile;

class ChoiceGroup : public QWidget {
  Q_OBJECT

 public:
  // spoken: the group's name for screen readers ("Card back").
  ChoiceGroup(const QString& name, const QString& spoken, QWidget* parent = nullptr);

  // Takes the tile into the row, after the others.
  void add(ChoiceTile* tile);
  const std::vector<ChoiceTile*>& tiles() const { return tiles_; }

  // Marks the tile and tells it; -1 while none is chosen.
  void choose(int index);
  int chosen() const { return chosen_; }

 signals:
  void chosen_changed(int index);

 protected:
  // The arrow keys that the focused tile passes on.
  void keyPressEvent(class QKeyEvent* event) override;

 private:
  void make_tab_stop(int index);

  QHBoxLayout* row_;
  std::vector<ChoiceTile*> tiles_;
  int chosen_ = -1;
};

}  // namespace tarvix::windows
