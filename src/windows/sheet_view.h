// A sheet over the table: the house rules guide or the summary at the end
// of the tournament. It paints the lines the table's layout fitted into its
// room, above the table's buttons, and offers each line to screen readers.
#pragma once

#include <QWidget>
#include <vector>

#include "windows/table_layout.h"

namespace tarvix::windows {

class SpokenLabel;

class SheetView : public QWidget {
  Q_OBJECT

 public:
  // what: how a screen reader names it ("Guide", "Summary").
  SheetView(const QString& what, QWidget* parent);

  // The lines, laid out in the parent's coordinates within `room`.
  void set_lines(std::vector<SheetSpot> lines, const QRectF& room);
  const std::vector<SheetSpot>& lines() const { return lines_; }
  // What a screen reader finds, line by line.
  const std::vector<SpokenLabel*>& spoken() const { return spoken_; }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(class QMouseEvent* event) override;

 private:
  QString what_;
  QRectF room_;
  std::vector<SheetSpot> lines_;
  std::vector<SpokenLabel*> spoken_;
};

}  // namespace tarvix::windows
