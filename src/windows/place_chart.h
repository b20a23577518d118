// The chart of the player's finishing places, tournament by tournament,
// oldest on the left: the best place at the top on a scale of tens (1st,
// 10th, 100th), since places run from 1 to the field's thousand. An
// abandoned tournament is a grey cross on the floor, never a place. Drawn
// with the game's own painter code, so no charting library is needed;
// screen readers read the places in words from its description.
#pragma once

#include <QWidget>
#include <vector>

#include "store/record.h"

namespace tarvix::windows {

class PlaceChart : public QWidget {
  Q_OBJECT

 public:
  explicit PlaceChart(QWidget* parent = nullptr);

  // The store's rows, newest first.
  void set_rows(const std::vector<store::TournamentRow>& rows);

  struct Mark {
    int place = 0;  // 0: abandoned
    bool won = false;
  };
  // Oldest first, kept tournaments left out.
  const std::vector<Mark>& marks() const { return marks_; }

  QSize sizeHint() const override { return {520, 170}; }
  QSize minimumSizeHint() const override { return {300, 130}; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  std::vector<Mark> marks_;
  int field_ = 0;  // the largest field, the floor of the scale
};

}  // namespace tarvix::windows
