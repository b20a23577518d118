// The house rules at hand: how hands rank at this table, each with an
// example as the table names it, the limits ladder and the keys. Hands are
// valued here in ways a poker player does not expect; whoever reads this can
// tell why a hand won.
#pragma once

#include <vector>

#include "windows/story.h"

namespace tarvix::windows {

// The guide's lines; `ladder` is every value the small limit takes.
std::vector<SheetLine> guide_lines(const std::vector<Chips>& ladder);

}  // namespace tarvix::windows
