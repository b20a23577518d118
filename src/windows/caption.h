// The game's captions as the window shows them.
#pragma once

#include <QString>
#include <string>

namespace tarvix::windows {

// A caption without the blanks the game pads it with.
inline QString trimmed(const std::string& text) { return QString::fromStdString(text).trimmed(); }

}  // namespace tarvix::windows
