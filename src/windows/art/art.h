// The game's pictures. Cards and rooms are drawn at run time at the size
// they are shown (drawing.h); the chips, the dealer button and the program
// icon are drawn at build time and embedded as Qt resources.
//
// Cards are numbered as the cells of the classic card sheet: cell n = card n
// (1..52); cells 0, 53, 54, 55 = the four back designs.
#pragma once

#include "model/commands.h"

namespace tarvix::art {

// The cells holding back designs 1 to 4, in the order the settings offer them.
using tarvix::back_cells;

inline constexpr const char* chip_red_path = ":/art/chip_red.png";
inline constexpr const char* chip_blue_path = ":/art/chip_blue.png";
inline constexpr const char* chip_green_path = ":/art/chip_green.png";
inline constexpr const char* chip_black_path = ":/art/chip_black.png";
inline constexpr const char* dealer_path = ":/art/dealer.png";
inline constexpr const char* icon_path = ":/art/icon.png";

// Registers the embedded pictures; a static library's resources are not
// registered on their own. Safe to call more than once.
void init_resources();

}  // namespace tarvix::art
