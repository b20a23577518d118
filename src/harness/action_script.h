// A player's inputs as bytes: the fuzzer's input format, shared by the
// fuzz target and the test that replays the saved inputs.
//
// Header: four bytes of seed (little-endian; missing bytes are 0) and one
// byte that may start the field further on, so the late field and the final
// table are reached. Then one action per opcode byte (the byte modulo the
// number of actions), each followed by its operand bytes; missing operands
// read as 0:
//   click a bet-panel button, Sit Out or the amount box  (1 operand byte)
//   click any element of the window, Exit aside          (1)
//   type raw bytes into the amount box                   (length, bytes)
//   type a number                                        (2, little-endian)
//   type the raise amount plus or minus a little         (1, signed)
//   a key: Enter, F9, F10 or another                     (1)
//   the next timer tick                                  (0)
//   let time pass, delivering every tick due             (1: quarter seconds)
//   wait for the human's turn                            (0)
//   play turns: call, fold, fold on seventh street, or
//   raise or go all in with the best hand at the table   (1: turns, rule)
//   Exit, only when the operand is exit_confirm          (1)
// The game runs on virtual time from Form_Load and its rules are checked
// after every action and every tick, with rules on the player's part
// besides: outside the human's turn no input moves a chip; while the human
// thinks over an open turn the game stands still; after a hand that the
// human's action ended the limits clock stands still until the next deal;
// a fold gives the pot up and shows no further card; the final table seats
// nobody who sits out; and a hand ends within a bound of ticks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>

namespace tarvix::fuzz {

constexpr std::uint8_t exit_confirm = 0xE7;

// Every action and every tick delivered counts, and every deal (the deal's
// evaluation costs the most); an input stops at either bound, so each runs
// in a few milliseconds.
constexpr long event_budget = 4000;
constexpr int hand_budget = 64;

struct ScriptResult {
  std::string violation;  // empty when every rule held
  long events = 0;
  int hands = 0;
  bool ended = false;
  bool won = false;  // the human won the tournament
};

// Plays the script; writes one line per action to trace when given.
ScriptResult run_action_script(const std::uint8_t* data, std::size_t size,
                               std::ostream* trace = nullptr);

}  // namespace tarvix::fuzz
