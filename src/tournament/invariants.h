// Rules that hold after every event of a game, whatever the player does.
// The headless simulator and the fuzzer check them; a broken rule names
// itself in the returned text.
#pragma once

#include <string>

#include "model/screen.h"
#include "model/table.h"

namespace tarvix {

// Chips and stakes. Empty when all hold.
std::string rule_violation(const Table& table);

// The same, and the screen's figures matching the records.
std::string table_violation(const Table& table, const Screen& screen);

}  // namespace tarvix
