#include "windows/sheet_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "windows/spoken_label.h"
#include "windows/table_style.h"

namespace tarvix::windows {

SheetView::SheetView(const QString& what, QWidget* parent) : QWidget(parent), what_(what) {
  setObjectName(what.toLower());
  setAccessibleName(what);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void SheetView::set_lines(std::vector<SheetSpot> lines, const QRectF& room) {
  lines_ = std::move(lines);
  room_ = room;
  setGeometry(room.toAlignedRect());
  while (spoken_.size() < lines_.size()) spoken_.push_back(new SpokenLabel(what_, QString(), this));
  const QPointF corner = geometry().topLeft();
  for (std::size_t i = 0; i < spoken_.size(); ++i) {
    SpokenLabel* label = spoken_[i];
    const bool used = i < lines_.size();
    label->setVisible(used);
    if (!used) continue;
    const SheetSpot& line = lines_[i];
    label->set_text(line.spoken());
    label->setGeometry(line.text.box.united(line.value.box).translated(-corner).toAlignedRect());
  }
  update();
}

void SheetView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.translate(-geometry().topLeft());
  const double corner = room_.height() / 40;
  painter.setPen(QPen(style::gold, std::max(1.0, room_.height() / 300)));
  painter.setBrush(style::sheet_back);
  painter.drawRoundedRect(room_.adjusted(1, 1, -1, -1), corner, corner);
  for (const SheetSpot& line : lines_) {
    for (const Spot* spot : {&line.text, &line.value}) {
      if (!spot->shown()) continue;
      painter.setFont(spot->font);
      painter.setPen(spot->look == Look::title ? style::gold_text
                     : spot->look == Look::key ? style::gold
                                               : style::cream);
      painter.drawText(spot->inner, spot->flags, spot->text);
    }
  }
}

void SheetView::mousePressEvent(QMouseEvent* event) {
  emit clicked();
  event->accept();
}

}  // namespace tarvix::windows
