// The six computer players. They decide from their seat's rank among the
// seven final hands (known from the deal), not from the cards they see, and
// differ only in how hard they raise and what they do when nobody else can
// act.
#include <algorithm>
#include <cmath>

#include "model/table.h"

namespace tarvix {

namespace {

struct Personality {
  double best_divisor;    // raise size for the best hand at the table
  double good_divisor;    // for the second to fourth best
  bool calls_when_alone;  // call, or pass, when no other seat can act
};

// Seats 2 to 7.
constexpr Personality personalities[] = {
    {10, 20, true},  {10, 25, true},  {10, 20, true},
    {20, 25, false}, {10, 20, false}, {25, 40, false},
};

}  // namespace

bool Table::another_seat_can_act(int k) const {
  for (int s = 1; s <= seats; ++s)
    if (s != k && !p(s).fold && !p(s).allin) return true;
  return false;
}

void Table::computer_decision(int k) {
  player& q = p(k);
  const Personality& me = personalities[k - 2];
  const Chips call = currentbet - q.totalbet;

  auto raise_or_stay = [&](double divisor) {
    if (another_seat_can_act(k)) {
      stake(k, static_cast<Chips>(std::nearbyint(static_cast<double>(call) +
                                                 static_cast<double>(q.prize) / divisor)));
      move_closing_seat(k);
    } else if (me.calls_when_alone) {
      stake(k, call);
    } else {
      q.bet = 0;
    }
  };
  auto fold = [&] {
    q.fold = true;
    hide_card_slots(k);
    q.bet = 0;
  };

  const int rank = q.handrank;
  if (rank == 1)
    raise_or_stay(me.best_divisor);
  else if (rank >= 2 && rank <= 4 && !postflop3)
    raise_or_stay(me.good_divisor);
  else if (rank >= 5 || (rank >= 2 && ((postflop1 && folder == 1) || (postflop2 && folder == 2) ||
                                       (postflop3 && folder == 3))))
    fold();
  else
    q.bet = 0;
}

}  // namespace tarvix
