// Reading the amount box the way the table always has: the numeric value of
// a text is that of its leading number (0 when there is none), and a text is
// numeric only when it is a number as a whole. Values saturate instead of
// overflowing, so any text at all is safe.
#pragma once

#include <string>

namespace tarvix {

double numeric_value(const std::string& text);
bool is_numeric(const std::string& text);
// Whether the text, blanks aside, begins with a number at all.
bool starts_with_number(const std::string& text);

}  // namespace tarvix
