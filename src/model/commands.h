// What a host hands the game and what the game tells it back: the player's
// choices before play, the keys the table answers, and how the game ended.
#pragma once

#include <algorithm>
#include <array>
#include <string>

#include "model/elements.h"

namespace tarvix {

constexpr Color default_tabletop = 0x8000;  // green, &HBBGGRR

// What the settings window hands the table.
struct Settings {
  std::string name;                   // the name box Text1
  int backside = 0;                   // card-sheet cell of the back design: 0, 53, 54, 55
  Color tabletop = default_tabletop;  // &HBBGGRR
};

// The card-sheet cells of the four back designs, in the order the settings
// window offers them.
inline constexpr std::array<int, 4> back_cells = {0, 53, 54, 55};
constexpr Color largest_color = 0xFFFFFF;  // &HBBGGRR holds three bytes

// Settings the settings window can hand the table: those of a kept
// tournament are checked before its table is dealt again.
inline bool offered(const Settings& settings) {
  return std::find(back_cells.begin(), back_cells.end(), settings.backside) != back_cells.end() &&
         settings.tabletop <= largest_color;
}

// Key codes of the table window's keyboard handlers.
constexpr int key_enter = 13;
constexpr int key_f9 = 120;
constexpr int key_f10 = 121;

// Keys the table answers. The letters play the bet panel from the keyboard:
// each acts as a click on its button (C Call, K Check, R Raise, F Fold, B the
// amount box), and only while the amount box does not hold the keyboard;
// leave_box (Escape, or Tab out of the box) takes the keyboard out of it.
enum class Key { enter, f9, f10, call, check, raise, fold, bet_box, leave_box, other };

// How the program came to its end.
enum class Ending { running, exit_button, tournament_over };

// What the end-of-tournament message told the human.
enum class Finish { none, knocked_out, won };

// The human's Sit Out button, in words: the request waits for the next deal.
enum class SitOut { playing, from_next_hand, sitting_out, back_next_hand };

}  // namespace tarvix
