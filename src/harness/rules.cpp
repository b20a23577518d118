#include "harness/rules.h"

#include <algorithm>

#include "model/text.h"

namespace tarvix::harness {

namespace {

std::string seat_text(int s) { return "seat " + std::to_string(s); }

}  // namespace

Rules::Rules(Game& game) : game_(game) {
  game.listen([this](const GameEvent& event) { heard(event); });
}

void Rules::broke(std::string rule) {
  if (broken_.empty()) broken_ = std::move(rule);
}

void Rules::heard(const GameEvent& event) {
  if (std::holds_alternative<HandStarted>(event)) {
    posted_.clear();
    passed_.clear();
    button_told_ = false;
  } else if (const auto* button = std::get_if<ButtonMoved>(&event)) {
    if (button_told_) broke("the button is told to move twice in one hand");
    button_told_ = true;
    if (!game_.table().p(button->seat).Active)
      broke("the button goes to " + seat_text(button->seat) + ", which has no player");
  } else if (std::holds_alternative<TournamentOver>(event)) {
    if (end_told_) broke("the end of the tournament is told twice");
    end_told_ = true;
  } else if (const auto* bet = std::get_if<ForcedBet>(&event)) {
    heard_forced_bet(*bet);
  } else if (const auto* action = std::get_if<SeatAction>(&event)) {
    if (!game_.table().p(action->seat).Active)
      broke(seat_text(action->seat) + " has no player but acts");
  } else if (const auto* showdown = std::get_if<Showdown>(&event)) {
    for (const ShowdownHand& hand : showdown->hands)
      if (!game_.table().p(hand.seat).Active)
        broke(seat_text(hand.seat) + " has no player but is in the showdown");
  } else if (const auto* left = std::get_if<PlayersLeft>(&event)) {
    heard_players_left(*left);
  } else if (const auto* pass = std::get_if<TurnPassed>(&event)) {
    // One handler passing the same turn twice has passed it once.
    const Pass passed{pass->seat, pass->bet_panel, pass->by};
    if (std::find(passed_.begin(), passed_.end(), passed) == passed_.end())
      passed_.push_back(passed);
  } else if (const auto* turn = std::get_if<TurnTaken>(&event)) {
    // A seat's turn runs once for each time the turn is passed to it: each
    // turn taken answers a pass still waiting.
    const auto waiting =
        std::find(passed_.begin(), passed_.end(), Pass{turn->seat, turn->bet_panel, turn->by});
    if (waiting == passed_.end())
      broke(seat_text(turn->seat) + "'s turn runs twice on one pass");
    else
      passed_.erase(waiting);
  }
}

void Rules::heard_players_left(const PlayersLeft& left) {
  // At the final table the players left are the players at it.
  const Table& t = game_.table();
  if (t.playersout <= final_table) return;
  int active = 0;
  for (int s = 1; s <= seats; ++s) active += t.p(s).Active ? 1 : 0;
  if (left.count != active)
    broke(std::to_string(left.count) + " players told as left with " + std::to_string(active) +
          " seats holding players");
}

void Rules::heard_forced_bet(const ForcedBet& bet) {
  if (!game_.table().p(bet.seat).Active) broke(seat_text(bet.seat) + " has no player but stakes");
  // One forced bet a seat a hand: the blind or the ante, cut to the stack.
  if (std::find(posted_.begin(), posted_.end(), bet.seat) != posted_.end())
    broke(seat_text(bet.seat) + " posts a second forced bet in one hand");
  posted_.push_back(bet.seat);
  const Chips limits = game_.table().limits;
  const Chips due = bet.kind == ForcedBetKind::big_blind ? 2 * limits : limits;
  if (bet.amount != std::min(due, bet.amount + bet.stack))
    broke(seat_text(bet.seat) + " posts " + std::to_string(bet.amount) + " for a forced bet of " +
          std::to_string(due));
}

bool Rules::shows_number(Checked& checked, Element e, Chips value) {
  const Screen& screen = game_.screen();
  const std::uint32_t revision = screen.revision(e);
  if (checked.valid && checked.revision == revision && checked.value == value) return true;
  if (!is_number_text(screen.caption(e), value)) return false;
  checked = {true, revision, value};
  return true;
}

std::string Rules::state_violation() {
  const Table& t = game_.table();
  if (std::string broken = t.broken_books(); !broken.empty()) return broken;
  const Screen& screen = game_.screen();
  for (int s = 1; s <= seats; ++s) {
    const player& q = t.p(s);
    if (!q.Active) {
      // A seat whose player has left is out of every hand until it is filled.
      if (!q.fold) return seat_text(s) + " has no player but is in the hand";
      if (q.prize > 0) return seat_text(s) + " has no player but holds chips";
      if (q.handrank == 1) return seat_text(s) + " has no player but holds the best hand";
      continue;
    }
    auto& checked = stacks_checked_[static_cast<std::size_t>(s)];
    const std::string& label = screen.caption(stack_label(s));
    if (!shows_number(checked, stack_label(s), q.prize) && !(q.prize < 1 && label == "All in"))
      return seat_text(s) + ": stack label '" + label + "' for " + std::to_string(q.prize);
  }
  if (screen.visible(potlabel) && !t.gameover && !shows_number(pot_checked_, potlabel, t.pot))
    return "pot label '" + screen.caption(potlabel) + "' for " + std::to_string(t.pot);
  if (t.control_shown(Command6) && !t.ended()) {
    const Chips call = t.amount_to_call();
    if (!shows_number(call_checked_, Command5, call) ||
        !shows_number(raise_checked_, Command6, call + 2 * t.limits))
      return "bet panel captions '" + screen.caption(Command5) + "', '" + screen.caption(Command6) +
             "' for a call of " + std::to_string(call);
  }
  // While the game waits for time to pass, something must be going to
  // happen: a timer runs, or the human has an open turn.
  if (!t.ended() && !game_.next_due() && !game_.human_turn_open())
    return "stalled: no timer runs and the human has no turn";
  return {};
}

std::string Rules::violation() {
  if (broken_.empty()) broke(state_violation());
  return broken_;
}

}  // namespace tarvix::harness
