#include "model/text.h"

namespace tarvix {

std::string number_text(Chips value) {
  return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

std::string stack_text(Chips prize) { return prize < 1 ? "All in" : number_text(prize); }

}  // namespace tarvix
