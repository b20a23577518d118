#include "art.h"

namespace tarvix::art {

QRect cell_rect(int cell) {
  if (cell < 0 || cell >= sheet_cells) return {};
  const int width = cell_width * sheet_scale;
  const int height = cell_height * sheet_scale;
  return {(cell % sheet_columns) * width, (cell / sheet_columns) * height, width, height};
}

}  // namespace tarvix::art
