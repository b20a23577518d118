#include "betting/amount.h"

#include <cmath>

namespace tarvix {

namespace {

bool digit(char c) { return c >= '0' && c <= '9'; }
bool blank(char c) { return c == ' ' || c == '\t'; }

// Reads a number at text[i] (sign, digits, point, digits, exponent) and
// returns where it ends; i itself when there is no number there.
std::size_t read_number(const std::string& text, std::size_t i, double& value) {
  const std::size_t n = text.size();
  const std::size_t start = i;
  double sign = 1;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') sign = -1;
    ++i;
  }
  double mantissa = 0;
  int scale = 0;  // powers of ten to apply for digits after the point
  bool any_digit = false;
  while (i < n && digit(text[i])) {
    mantissa = mantissa * 10 + (text[i] - '0');
    any_digit = true;
    ++i;
  }
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && digit(text[i])) {
      if (scale > -400) {
        mantissa = mantissa * 10 + (text[i] - '0');
        --scale;
      }
      any_digit = true;
      ++i;
    }
  }
  if (!any_digit) {
    value = 0;
    return start;
  }
  if (i < n && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    std::size_t j = i + 1;
    int exponent_sign = 1;
    if (j < n && (text[j] == '+' || text[j] == '-')) {
      if (text[j] == '-') exponent_sign = -1;
      ++j;
    }
    if (j < n && digit(text[j])) {
      int exponent = 0;
      while (j < n && digit(text[j])) {
        // Anything past a few hundred is already infinite or zero.
        if (exponent < 10000) exponent = exponent * 10 + (text[j] - '0');
        ++j;
      }
      scale += exponent_sign * exponent;
      i = j;
    }
  }
  value = sign * mantissa * std::pow(10.0, scale);
  if (std::isnan(value)) value = 0;
  return i;
}

}  // namespace

double numeric_value(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && blank(text[i])) ++i;
  double value = 0;
  read_number(text, i, value);
  return value;
}

bool starts_with_number(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && blank(text[i])) ++i;
  double value = 0;
  return read_number(text, i, value) != i;
}

bool is_numeric(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && blank(text[i])) ++i;
  double value = 0;
  std::size_t end = read_number(text, i, value);
  if (end == i) return false;
  while (end < text.size() && blank(text[end])) ++end;
  return end == text.size();
}

}  // namespace tarvix
