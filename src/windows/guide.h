// The house rules at hand: how hands rank at this table, each with an
// example as the table names it, the rules where this table differs from
// the poker a player knows, the limits ladder and the keys. Whoever reads
// this can tell why a hand won or a bet was what it was; the hand log names
// an entry of it whenever one of these rules acts.
#pragma once

#include <string>
#include <vector>

#include "windows/story.h"

namespace tarvix::windows {

// The rules a poker player trips on, one guide entry each.
enum class HouseRule {
  closing_seat,
  all_in_fold,
  no_side_pots,
  computer_bets,
  bet_it,
  sitting_out,
  limits,
  hand_values,
};

// The entry's name in the guide, which the hand log's notes repeat.
const char* house_rule_name(HouseRule rule);

// A few words for the hand log saying that the rule acted, with its entry.
std::string house_rule_note(HouseRule rule, const std::string& what);

// The guide's lines; `ladder` is every value the small limit takes.
std::vector<SheetLine> guide_lines(const std::vector<Chips>& ladder);

}  // namespace tarvix::windows
