// How numbers are written on the table window.
#pragma once

#include <string>
#include <string_view>

#include "model/player.h"

namespace tarvix {

// One leading blank for zero and positive values, a minus sign for negative
// ones: 1000 is written " 1000".
std::string number_text(Chips value);
// Whether text is number_text(value), without writing it.
bool is_number_text(std::string_view text, Chips value);

// A chip stack: its number, or "All in" once it has fallen below 1.
std::string stack_text(Chips prize);

}  // namespace tarvix
