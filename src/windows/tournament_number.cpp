#include "windows/tournament_number.h"

#include "model/random.h"

namespace tarvix::windows {

std::optional<std::uint64_t> parse_number(const QString& text) {
  QString digits = text;
  digits.remove(QLatin1Char(' '));
  bool ok = false;
  const std::uint64_t number = digits.toULongLong(&ok);
  if (!ok || digits.isEmpty() || number == 0 || number > largest_number) return std::nullopt;
  return number;
}

std::uint64_t new_number() {
  EntropyRandom entropy;
  return static_cast<std::uint64_t>(entropy.whole(1, static_cast<int>(largest_number)));
}

}  // namespace tarvix::windows
