// Rules that hold after every event of a game, whatever the player does. The
// simulator, the fuzzer and the tests check them: the table's chip books,
// the screen's figures against the records, and what the events told of the
// forced bets and the turns. A broken rule names itself.
#pragma once

#include <string>
#include <tuple>
#include <vector>

#include "model/game.h"

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
  void broke(std::string rule);
  std::string state_violation() const;

  const Game& game_;
  std::string broken_;  // the first rule the events broke
  // This hand's forced bets, by seat, and the turns passed and not yet
  // taken: a pass is (seat, to the bet panel, the handler run that passed it).
  std::vector<int> posted_;
  using Pass = std::tuple<int, bool, long>;
  std::vector<Pass> passed_;
};

}  // namespace tarvix::harness
