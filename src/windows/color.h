// The game writes colours as &HBBGGRR numbers; Qt wants red, green, blue.
#pragma once

#include <QColor>

#include "model/elements.h"

namespace tarvix::windows {

inline QColor to_qcolor(Color bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

}  // namespace tarvix::windows
