// The game's pictures, drawn at build time and embedded as Qt resources.
//
// The card sheet keeps the classic layout of 18 x 4 cells of 40 x 56 pixels
// (cell n = card n; cells 0, 53, 54, 55 = the four back designs; 56..71 empty),
// stored at sheet_scale times that size so cards stay sharp on large screens.
#pragma once

#include <QRect>

namespace tarvix::art {

inline constexpr int sheet_scale = 6;
inline constexpr int cell_width = 40;  // design pixels; times sheet_scale in the sheet
inline constexpr int cell_height = 56;
inline constexpr int sheet_columns = 18;
inline constexpr int sheet_rows = 4;
inline constexpr int sheet_cells = sheet_columns * sheet_rows;
inline constexpr int sheet_width = 722;  // design size of the whole sheet
inline constexpr int sheet_height = 226;

// The cells holding back designs 1 to 4, in the order the settings offer them.
inline constexpr int back_cells[4] = {0, 53, 54, 55};

inline constexpr const char* cards_path = ":/art/cards.png";
inline constexpr const char* room102_path = ":/art/room102.png";
inline constexpr const char* room103_path = ":/art/room103.png";
inline constexpr const char* room104_path = ":/art/room104.png";
inline constexpr const char* room_default_path = ":/art/room_default.png";
inline constexpr const char* chip_red_path = ":/art/chip_red.png";
inline constexpr const char* chip_blue_path = ":/art/chip_blue.png";
inline constexpr const char* chip_green_path = ":/art/chip_green.png";
inline constexpr const char* chip_black_path = ":/art/chip_black.png";
inline constexpr const char* dealer_path = ":/art/dealer.png";
inline constexpr const char* icon_path = ":/art/icon.png";

// Registers the embedded pictures; a static library's resources are not
// registered on their own. Safe to call more than once.
void init_resources();

// Cell k's rectangle in the (scaled) sheet: row k / 18, column k % 18.
// An empty rectangle for k outside 0..71.
QRect cell_rect(int cell);

}  // namespace tarvix::art
