#include "tournament/invariants.h"

#include "model/text.h"

namespace tarvix {

namespace {

std::string seat_text(int s) { return "seat " + std::to_string(s); }

}  // namespace

std::string rule_violation(const Table& t) {
  // During a hand the stacks and the pot only trade chips; once the pot has
  // been paid it stays on the books until the next deal clears it.
  const Chips on_table = t.chips_in_stacks() + (t.gameover ? 0 : t.pot);
  if (on_table != t.chips_expected())
    return "chips: " + std::to_string(on_table) + " on the table, " +
           std::to_string(t.chips_expected()) + " expected";
  if (t.pot < 0) return "pot below 0";
  for (int s = 1; s <= seats; ++s) {
    const player& q = t.p(s);
    if (q.prize < 0) return seat_text(s) + ": stack below 0";
    if (q.bet < 0 || q.totalbet < 0) return seat_text(s) + ": negative stake";
    if (q.prize == 0 && !q.allin && !t.gameover && q.Active && !q.fold && !q.sittingout)
      return seat_text(s) + ": no chips but not all in";
  }
  if (t.currentbet < 0) return "current bet below 0";
  if (t.limittimersetting < 1 || t.limittimersetting > 300) return "limits clock out of range";
  return {};
}

std::string table_violation(const Table& t, const Screen& screen) {
  if (std::string broken = rule_violation(t); !broken.empty()) return broken;
  for (int s = 1; s <= seats; ++s) {
    const player& q = t.p(s);
    const std::string& label = screen.caption(stack_label(s));
    if (q.Active && label != number_text(q.prize) && !(q.prize < 1 && label == "All in"))
      return seat_text(s) + ": stack label '" + label + "' for " + std::to_string(q.prize);
  }
  if (screen.visible(potlabel) && !t.gameover && screen.caption(potlabel) != number_text(t.pot))
    return "pot label '" + screen.caption(potlabel) + "' for " + std::to_string(t.pot);
  if (screen.visible(Command6) && !t.ended()) {
    const Chips call = t.amount_to_call();
    if (screen.caption(Command5) != number_text(call) ||
        screen.caption(Command6) != number_text(call + 2 * t.limits))
      return "bet panel captions '" + screen.caption(Command5) + "', '" + screen.caption(Command6) +
             "' for a call of " + std::to_string(call);
  }
  return {};
}

}  // namespace tarvix
