// The coarse ranking of the seven seats at the deal: the four highest
// distinct hand values give ranks 1 to 4, every other seat rank 5.
#include "model/table.h"

namespace tarvix {

namespace {

// The highest score strictly below ceiling; 0 always counts as a candidate,
// so a ranking with fewer distinct scores fills up with 0.
int highest_below(const std::array<int, seats>& winner, int ceiling) {
  int best = 0;
  for (int score : winner)
    if (score < ceiling && score > best) best = score;
  return best;
}

}  // namespace

void Table::evaluate_ultimate_winner(const std::array<int, seats>& winner) {
  int first = 0;
  for (int score : winner)
    if (score > first) first = score;
  const int second = highest_below(winner, first);
  const int third = highest_below(winner, second);
  const int fourth = highest_below(winner, third);

  const std::array<int, 4> values = {first, second, third, fourth};
  for (int rank = 4; rank >= 2; --rank)
    for (int s = 1; s <= seats; ++s)
      if (winner[static_cast<std::size_t>(s - 1)] == values[static_cast<std::size_t>(rank - 1)])
        p(s).handrank = rank;

  // Seat order, so with a tie the label names the highest-numbered best seat.
  for (int s = 1; s <= seats; ++s) {
    if (winner[static_cast<std::size_t>(s - 1)] != first) continue;
    p(s).handrank = 1;
    ++numberofwinners;
    display.set_caption(winnerlabel, p(s).caption + " " + p(s).handvalue);
  }

  for (int s = 1; s <= seats; ++s)
    if (p(s).handrank == 0) p(s).handrank = 5;
}

}  // namespace tarvix
