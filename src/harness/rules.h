// Rules that hold after every event of a game, whatever the player does. The
// simulator, the fuzzer and the tests check them: the table's chip books,
// the screen's figures against the records, and what the events told of the
// forced bets and the turns, and that a seat whose player has left takes no
// part in any hand. A broken rule names itself.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "model/game.h"
#include "model/table.h"

namespace tarvix::harness {

class Rules {
 public:
  // Listens to the game's events from now on.
  explicit Rules(Game& game);

  // The first rule broken so far, or empty. Checks the state now and keeps
  // what the events broke.
  std::string violation();

 private:
  void heard(const GameEvent& event);
  void heard_forced_bet(const ForcedBet& bet);
  void heard_players_left(const PlayersLeft& left);
  void broke(std::string rule);
  std::string state_violation();

  // A figure on the screen last found right: while neither the element
  // changes nor the figure it must show, it is still right, so the checks
  // after every event look only at what changed.
  struct Checked {
    bool valid = false;
    std::uint32_t revision = 0;
    Chips value = 0;
  };
  bool shows_number(Checked& checked, Element e, Chips value);

  const Game& game_;
  std::string broken_;  // the first rule the events broke
  // This hand's forced bets, by seat, and the turns passed and not yet
  // taken: a pass is (seat, to the bet panel, the handler run that passed it).
  std::vector<int> posted_;
  using Pass = std::tuple<int, bool, long>;
  std::vector<Pass> passed_;
  bool button_told_ = false;  // this hand
  bool end_told_ = false;
  std::array<Checked, seats + 1> stacks_checked_{};  // by seat
  Checked pot_checked_, call_checked_, raise_checked_;
};

}  // namespace tarvix::harness
