#include <QPainter>

#include "art.h"
#include "drawing.h"

namespace tarvix::art {

QImage draw_sheet() {
  QImage sheet(sheet_width * sheet_scale, sheet_height * sheet_scale,
               QImage::Format_ARGB32_Premultiplied);
  sheet.fill(Qt::transparent);
  QPainter painter(&sheet);
  painter.setRenderHint(QPainter::Antialiasing);
  for (int cell = 0; cell < sheet_cells; ++cell) {
    const QRect rect = cell_rect(cell);
    painter.save();
    painter.translate(rect.topLeft());
    painter.scale(sheet_scale, sheet_scale);
    if (cell >= 1 && cell <= 52) {
      draw_face(painter, cell);
    } else {
      for (int design = 0; design < 4; ++design) {
        if (back_cells[design] == cell) draw_back(painter, design);
      }
    }
    painter.restore();
  }
  return sheet;
}

}  // namespace tarvix::art
