// The player's inputs as records: what a host gave the game and at what
// game time. A game made with the same seed and settings and given the same
// records comes to the same table, which is how a tournament is kept and
// taken up again.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "model/event_loop.h"

namespace tarvix {

class Game;

enum class CommandKind : std::uint8_t { click = 1, type_amount = 2, press_key = 3, pause = 4 };

struct Command {
  Millis at = 0;  // the game's time when it was given
  CommandKind kind = CommandKind::click;
  int value = 0;     // the element clicked or the key pressed
  std::string text;  // what the amount box holds
  bool operator==(const Command&) const = default;
};

using Recorder = std::function<void(const Command&)>;

// No host plays for thousands of years: a later game time is no record of a
// game, and a timer's interval added to it must not overflow.
constexpr Millis latest_game_time = Millis{1} << 50;

// Lets the game's time reach the command's and gives it the command. False,
// and nothing given, for a record that no host could have made: an unknown
// kind, element or key, or a time before the game's or past the latest.
bool replay(Game& game, const Command& command);

}  // namespace tarvix
