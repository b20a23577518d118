#include "harness/policy.h"

#include "model/table.h"

namespace tarvix::harness {

namespace {

const char* const odd_amounts[] = {"",
                                   "abc",
                                   "-50",
                                   "40.5",
                                   "1e999",
                                   "0",
                                   "1234567890123456789012345678901234567890",
                                   "\xc3\xa9\xe2\x82\xac",
                                   " 60 ",
                                   "12abc",
                                   "1e-5",
                                   "."};
constexpr int odd_amount_count = sizeof(odd_amounts) / sizeof(odd_amounts[0]);

void bet_typed(Game& game, Random& choices, const std::string& text) {
  game.type_amount(text);
  if (choices.whole(0, 1) == 0)
    game.click(Command11);
  else
    game.press_key(Key::enter);
}

// Anything a player could do at its turn, hidden buttons and odd amounts too.
void random_action(Game& game, Random& choices) {
  const Table& t = game.table();
  const int choice = choices.whole(0, 99);
  if (choice < 25) {
    game.click(t.control_shown(Command5) ? Command5 : Command7);
  } else if (choice < 40) {
    game.click(Command6);
  } else if (choice < 50) {
    game.click(Command8);
  } else if (choice < 65) {
    // A sensible size, then Bet It or Enter.
    const Chips size = t.amount_to_call() + 2 * t.limits + choices.whole(0, 200);
    bet_typed(game, choices, std::to_string(size));
  } else if (choice < 75) {
    bet_typed(game, choices, odd_amounts[choices.whole(0, odd_amount_count - 1)]);
  } else if (choice < 83) {
    game.click(Command3);
  } else if (choice < 88) {
    game.press_key(choices.whole(0, 1) == 0 ? Key::f9 : Key::f10);
  } else if (choice < 95) {
    // Buttons that may well be hidden now.
    const Element any[] = {Command5, Command6, Command7, Command8, Command11, Text2, Picture3};
    game.click(any[choices.whole(0, 6)]);
  } else if (choice < 96 && choices.whole(0, 199) == 0) {
    game.click(Command2);
  } else {
    game.press_key(Key::other);
  }
}

}  // namespace

bool parse_policy(const std::string& name, Policy& policy) {
  for (Policy p : {Policy::fold, Policy::call, Policy::random, Policy::sharp}) {
    if (name == policy_name(p)) {
      policy = p;
      return true;
    }
  }
  return false;
}

const char* policy_name(Policy policy) {
  switch (policy) {
    case Policy::fold: return "fold";
    case Policy::call: return "call";
    case Policy::random: return "random";
    case Policy::sharp: return "sharp";
  }
  return "?";
}

std::uint64_t play_turn(Policy policy, Game& game, Random& choices) {
  const Table& t = game.table();
  const bool can_check = t.control_shown(Command7);
  // The numbers stand for the choice in the signature: the buttons' design
  // numbers for fold and call, the element for sharp.
  switch (policy) {
    case Policy::fold: game.click(can_check ? Command7 : Command8); return can_check ? 7 : 8;
    case Policy::call: game.click(can_check ? Command7 : Command5); return can_check ? 7 : 5;
    case Policy::sharp: {
      const Element action = t.p(human).handrank == 1 ? (can_check ? Command6 : Command5)
                             : can_check              ? Command7
                                                      : Command8;
      game.click(action);
      return static_cast<std::uint64_t>(action);
    }
    case Policy::random:
      random_action(game, choices);
      return static_cast<std::uint64_t>(t.p(human).bet);
  }
  return 0;
}

bool act_between_turns(Policy policy, Game& game, Random& choices) {
  if (policy != Policy::random || choices.whole(0, 19) != 0) return false;
  // A click or a key at a moment when it is not the human's turn.
  const Element any[] = {Command3, Command5, Command6, Command7, Command8, Command11, Text2};
  const int pick = choices.whole(0, 7);
  if (pick == 7)
    game.press_key(choices.whole(0, 1) == 0 ? Key::f9 : Key::f10);
  else
    game.click(any[pick]);
  return true;
}

}  // namespace tarvix::harness
