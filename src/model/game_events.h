// What happens at the table, as the game tells it: plain records delivered
// to the listeners in the order they happen, while the handler that made
// them runs. A listener reads; it never gives the game a command.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/commands.h"
#include "model/player.h"

namespace tarvix {

// A hand begins: the tournament step, the button and the deal follow.
struct HandStarted {
  int hand;  // 1 for the first hand of the game
};

// The dealer button now marks this seat: told once a hand, where it stops.
struct ButtonMoved {
  int seat;
};

// The human sits this hand out: dealt no cards, taking no turn.
struct SatOut {
  int seat;
};

enum class ForcedBetKind { small_blind, big_blind, ante };

struct ForcedBet {
  int seat;
  ForcedBetKind kind;
  Chips amount;  // what the seat paid: the blind or ante, cut to its stack
  Chips stack;   // left after paying
  Chips pot;     // the pot after it, the street's stakes included
  bool all_in;
};

// stay_in: the seat stays in the hand without paying what it owes, as the
// house rules let a computer seat do; it stakes nothing.
enum class ActionKind { call, check, stay_in, raise, bet, fold, sit_out_fee };

// How a bet or raise was sized: by the limits (Raise), by a computer seat
// from its own stack, or by the human in the amount box (the call plus the
// amount typed).
enum class Sizing { limits, stack, typed };

// A seat's action. A raise that opens a street is a bet; a seat already all
// in only ever reports a fold.
struct SeatAction {
  int seat;
  ActionKind kind;
  Chips amount;        // staked by this action (the fee, for sit_out_fee)
  Chips street_stake;  // the seat's stake on the street so far
  Chips stack;         // left after it
  Chips pot;           // the pot after it, the street's stakes included
  bool all_in;
  Chips called = 0;  // of a bet or raise, the part that called what the seat owed
  Sizing sizing = Sizing::limits;
};

// The cards of a street are shown: 3 for third street .. 7 for seventh.
struct StreetShown {
  int street;
};

// The street's stakes are gathered into the pot.
struct BetsGathered {
  Chips pot;
};

// A street ends at its closing seat while seats still in owe chips to a
// later raise: the raise stands unanswered.
struct RaiseUnanswered {
  std::vector<int> owing;  // the seats that had not matched it, seat order
};

// The turn is passed to a seat: to its light, or for the human's decision
// to the bet panel. `by` numbers the handler run that passed it: one
// handler passing the same turn twice has passed it once.
struct TurnPassed {
  int seat;
  bool bet_panel;
  long by;
};

// A seat's turn handler runs (the seat whose turn it is now), on the pass
// that `by` made.
struct TurnTaken {
  int seat;
  bool bet_panel;
  long by;
};

// The bet panel waits for the human.
struct HumanTurnOpened {
  Chips to_call;
  Chips raise;  // what Raise stakes
  Chips least;  // the least amount Bet It accepts in the box
};

// Why Bet It refuses the text in the amount box.
enum class Refusal { no_number, too_small };

// What Bet It does with the text in the amount box: refuses it, or stakes
// `total`, which is the call and the amount typed, cut to the stack; a text
// with more than a number in it (but a number first) stakes the call alone.
struct BetItStake {
  std::optional<Refusal> refused;
  Chips least;  // the least amount the box must hold
  Chips call;
  Chips typed;  // the amount typed, as a whole number, once accepted
  Chips total;
};

// Bet It refused the amount in the box.
struct AmountRefused {
  Chips least;  // the least amount the box must hold
  Refusal why;
};

struct ShowdownHand {
  int seat;
  std::string hand;  // the hand's description, as the winner line writes it
  Chips won;         // 0 for a seat that lost
  int value;         // the hand value behind the description: higher is better
  // Won while all in with less staked in the hand than another seat: with
  // no side pots the whole share is still paid.
  bool short_all_in;
};

// The pot is paid. An uncontested hand lists only its winner.
struct Showdown {
  bool contested;
  Chips pot;
  std::vector<ShowdownHand> hands;  // every seat still in, seat order
};

struct LimitsRaised {
  int level;
  Chips limits;  // the small limit; the big limit is twice it
};

struct NewcomerSeated {
  int seat;
  std::string name;
  Chips stack;
};

struct SeatRetired {
  int seat;
  std::string name;
};

// The players still in the tournament, counted anew at each deal.
struct PlayersLeft {
  int count;
};

// The end-of-tournament message is shown; the program ends after the pause.
struct TournamentOver {
  Finish finish;
  int players_left;  // still in the tournament: the human counted only when it won
  int field;         // the players the tournament started with
};

struct GameEnded {
  Ending ending;
};

// The game was paused, or goes on again.
struct PauseChanged {
  bool paused;
};

using GameEvent = std::variant<HandStarted, ButtonMoved, SatOut, ForcedBet, SeatAction, StreetShown,
                               BetsGathered, TurnPassed, TurnTaken, HumanTurnOpened, AmountRefused,
                               Showdown, LimitsRaised, NewcomerSeated, SeatRetired, PlayersLeft,
                               TournamentOver, GameEnded, PauseChanged, RaiseUnanswered>;

using Listener = std::function<void(const GameEvent&)>;

}  // namespace tarvix
