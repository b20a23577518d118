// The pace the player chooses for the game. Normal is the designed pace:
// 2-second turns and the 13-second pause between hands. Only the host's
// clock runs faster; the rules and the limits clock count the game's own
// ticks, so the tournament's structure in hands is the same at every speed.
#pragma once

#include <array>

namespace tarvix::windows {

enum class GameSpeed { normal, fast, very_fast };

struct SpeedChoice {
  GameSpeed speed;
  double pace;       // times the designed pace
  const char* name;  // as the settings window and the table write it
};

inline constexpr std::array<SpeedChoice, 3> speed_choices{{
    {GameSpeed::normal, 1.0, "Normal"},
    {GameSpeed::fast, 2.0, "Fast"},
    {GameSpeed::very_fast, 4.0, "Very fast"},
}};

inline const SpeedChoice& speed_choice(GameSpeed speed) {
  return speed_choices[static_cast<std::size_t>(speed)];
}

// One step faster or slower, staying at the ends.
inline GameSpeed faster(GameSpeed speed) {
  return speed == GameSpeed::normal ? GameSpeed::fast : GameSpeed::very_fast;
}
inline GameSpeed slower(GameSpeed speed) {
  return speed == GameSpeed::very_fast ? GameSpeed::fast : GameSpeed::normal;
}

}  // namespace tarvix::windows
