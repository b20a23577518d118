#include "model/text.h"

#include <charconv>
#include <cstdint>

namespace tarvix {

namespace {

// Written straight into a short buffer: the figures of the table are written
// at every stake and checked at every event.
struct NumberBuffer {
  explicit NumberBuffer(Chips value) {
    char* first = chars;
    if (value >= 0) *first++ = ' ';
    end = std::to_chars(first, chars + sizeof chars, value).ptr;
  }
  std::string_view view() const { return {chars, static_cast<std::size_t>(end - chars)}; }
  char chars[24];
  char* end;
};

}  // namespace

std::string number_text(Chips value) { return std::string(NumberBuffer(value).view()); }

bool is_number_text(std::string_view text, Chips value) {
  // Digit by digit from the end, as cheap as a comparison can be.
  const char sign = value < 0 ? '-' : ' ';
  if (text.size() < 2 || text.front() != sign) return false;
  std::uint64_t magnitude =
      value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  std::size_t i = text.size();
  do {
    if (i == 1 || text[--i] != static_cast<char>('0' + magnitude % 10)) return false;
    magnitude /= 10;
  } while (magnitude != 0);
  return i == 1;
}

std::string stack_text(Chips prize) { return prize < 1 ? "All in" : number_text(prize); }

}  // namespace tarvix
