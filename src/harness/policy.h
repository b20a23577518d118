// How the simulator plays the human's seat.
//
// fold: folds whenever it must act, checks when that is free; call: calls or
// checks; random: anything a player could do, clicks and keys between turns
// too; sharp: reads the deal's ranking as the computer players do, to reach
// the final table and win now and then.
#pragma once

#include <cstdint>
#include <string>

#include "model/game.h"

namespace tarvix::harness {

enum class Policy { fold, call, random, sharp };

bool parse_policy(const std::string& name, Policy& policy);
const char* policy_name(Policy policy);

// Plays the human's open turn; returns a number that stands for the choice,
// for the behaviour signature.
std::uint64_t play_turn(Policy policy, Game& game, Random& choices);

// Between turns the random policy now and then clicks or presses a key;
// true when it did.
bool act_between_turns(Policy policy, Game& game, Random& choices);

}  // namespace tarvix::harness
