// Stakes: chips taken from a stack, never more than it holds, and the
// table's books of its chips.
#include <algorithm>

#include "model/table.h"

namespace tarvix {

Chips Table::take_chips(int k, Chips amount) {
  player& q = p(k);
  const Chips taken = std::clamp<Chips>(amount, 0, std::max<Chips>(q.prize, 0));
  q.prize -= taken;
  return taken;
}

void Table::stake(int k, Chips amount) {
  player& q = p(k);
  q.bet = take_chips(k, amount);
  q.totalbet += q.bet;
  q.handbet += q.bet;
}

void Table::tell_action(int k, ActionKind kind, Chips called, Sizing sizing) {
  const player& q = p(k);
  const bool stakes =
      kind != ActionKind::fold && kind != ActionKind::check && kind != ActionKind::stay_in;
  tell(SeatAction{k, kind, stakes ? q.bet : 0, q.totalbet, q.prize, pot, q.prize < 1, called,
                  sizing});
}

void Table::tell_stake(int k, Chips owed_before, Sizing sizing) {
  // Told by what the chips did: a raise cut to a short stack may only call.
  const player& q = p(k);
  ActionKind kind = q.totalbet < owed_before ? ActionKind::stay_in : ActionKind::check;
  if (q.totalbet > owed_before)
    kind = owed_before == 0 ? ActionKind::bet : ActionKind::raise;
  else if (q.bet > 0)
    kind = ActionKind::call;
  const bool sized = kind == ActionKind::bet || kind == ActionKind::raise;
  const Chips called = std::clamp<Chips>(owed_before - (q.totalbet - q.bet), 0, q.bet);
  tell_action(k, kind, sized ? called : 0, sized ? sizing : Sizing::limits);
}

void Table::tell_unanswered_raise() {
  RaiseUnanswered told;
  for (int s = 1; s <= seats; ++s) {
    const player& q = p(s);
    if (q.Active && !q.fold && !q.allin && !q.sittingout && q.totalbet < currentbet)
      told.owing.push_back(s);
  }
  if (!told.owing.empty()) tell(told);
}

Chips Table::chips_in_stacks() const {
  Chips sum = 0;
  for (int s = 1; s <= seats; ++s) sum += p(s).prize;
  return sum;
}

std::string Table::broken_books() const {
  // During a hand the stacks and the pot only trade chips; once the pot has
  // been paid it stays on the books until the next deal clears it.
  const Chips on_table = chips_in_stacks() + (gameover ? 0 : pot);
  if (on_table != chips_expected())
    return "chips: " + std::to_string(on_table) + " on the table, " +
           std::to_string(chips_expected()) + " expected";
  if (pot < 0) return "pot below 0";
  if (currentbet < 0) return "current bet below 0";
  auto seat = [](int s) { return "seat " + std::to_string(s); };
  for (int s = 1; s <= seats; ++s) {
    const player& q = p(s);
    if (q.prize < 0) return seat(s) + ": stack below 0";
    if (q.bet < 0 || q.totalbet < 0) return seat(s) + ": negative stake";
    if (q.prize == 0 && !q.allin && !gameover && q.Active && !q.fold && !q.sittingout)
      return seat(s) + ": no chips but not all in";
  }
  if (limittimersetting < 1 || limittimersetting > limits_clock_start)
    return "limits clock out of range";
  return {};
}

}  // namespace tarvix
