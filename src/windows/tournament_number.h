// A tournament's number as the player types it: "4 183 775" (record_text.h
// writes it).
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace tarvix::windows {

// The numbers drawn for new tournaments: seven digits at most, easy to
// read out and type.
constexpr std::uint64_t largest_number = 9'999'999;

// Digits, spaces allowed between them; empty or anything else is none.
std::optional<std::uint64_t> parse_number(const QString& text);
// A new tournament's number, drawn from the machine's entropy.
std::uint64_t new_number();

}  // namespace tarvix::windows
