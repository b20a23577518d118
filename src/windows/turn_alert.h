// When the table window asks the desktop for the player's attention (a
// flashing taskbar entry): the human's turn has just opened and the player
// is looking at another window.
#pragma once

namespace tarvix::windows {

constexpr bool turn_alert_due(bool panel_was_shown, bool panel_shown, bool window_active) {
  return panel_shown && !panel_was_shown && !window_active;
}

}  // namespace tarvix::windows
