// What happens at the table, as the game tells it: plain records delivered
// to the listeners in the order they happen, while the handler that made
// them runs. A listener reads; it never gives the game a command.
#pragma once

#include <functional>
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
};

// The cards of a street are shown: 3 for third street .. 7 for seventh.
struct StreetShown {
  int street;
};

// The street's stakes are gathered into the pot.
struct BetsGathered {
  Chips pot;
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

// Bet It refused the amount in the box.
struct AmountRefused {
  Chips least;  // the least amount the box must hold
};

struct ShowdownHand {
  int seat;
  std::string hand;  // the hand's description, as the winner line writes it
  Chips won;         // 0 for a seat that lost
  int value;         // the hand value behind the description: higher is better
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

using GameEvent =
    std::variant<HandStarted, ButtonMoved, SatOut, ForcedBet, SeatAction, StreetShown, BetsGathered,
                 TurnPassed, TurnTaken, HumanTurnOpened, AmountRefused, Showdown, LimitsRaised,
                 NewcomerSeated, SeatRetired, PlayersLeft, TournamentOver, GameEnded, PauseChanged>;

using Listener = std::function<void(const GameEvent&)>;

}  // namespace tarvix
