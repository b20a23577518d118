#include <QPainter>
#include <algorithm>
#include <iterator>

#include "art.h"
#include "drawing.h"

namespace tarvix::art {

QImage draw_card(int cell, QSize size) {
  const bool face = cell >= 1 && cell <= 52;
  const auto back = std::find(std::begin(back_cells), std::end(back_cells), cell);
  if ((!face && back == std::end(back_cells)) || size.isEmpty()) return {};
  QImage card(size, QImage::Format_ARGB32_Premultiplied);
  card.fill(Qt::transparent);
  QPainter painter(&card);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size.width() / card_width, size.height() / card_height);
  if (face)
    draw_face(painter, cell);
  else
    draw_back(painter, static_cast<int>(back - std::begin(back_cells)));
  return card;
}

}  // namespace tarvix::art
