#include "tournament/simulator.h"

#include "tournament/invariants.h"

namespace tarvix {

namespace {

// A hand that needs more than this has stopped making progress.
constexpr long events_per_hand_bound = 20000;
constexpr Millis game_time_per_hand_bound =
    Millis{4} * 3600 * 1000;  // besides the human's thinking

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

}  // namespace

bool parse_policy(const std::string& name, Policy& policy) {
  if (name == "fold")
    policy = Policy::fold;
  else if (name == "call")
    policy = Policy::call;
  else if (name == "random")
    policy = Policy::random;
  else if (name == "sharp")
    policy = Policy::sharp;
  else
    return false;
  return true;
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

std::string ending_text(const TournamentResult& r) {
  if (!r.violation.empty()) return "violation";
  if (r.ending == Ending::exit_button) return "exit";
  if (r.finish == Finish::won) return "won";
  if (r.finish == Finish::knocked_out) return "knocked out";
  return "running";
}

Simulation::Simulation(std::uint64_t seed, Policy policy, Millis think_time, int start_playersout)
    : table_random(seed),
      player_random(seed ^ 0x5eedf00dULL),
      table(screen, table_random, clock, Settings{"sim", 0, 0x8000}),
      policy_(policy),
      think_time_(think_time),
      start_playersout_(start_playersout) {
  result_.seed = seed;
  result_.signature = 0xcbf29ce484222325ULL;
}

void Simulation::mix(std::uint64_t value) {
  // FNV-1a over the value's bytes.
  for (int i = 0; i < 8; ++i) {
    result_.signature ^= (value >> (8 * i)) & 0xff;
    result_.signature *= 0x100000001b3ULL;
  }
}

void Simulation::check(const char* after) {
  if (!result_.violation.empty()) return;
  std::string broken = table_violation(table, screen);
  // While the game waits for time to pass, something must be going to
  // happen: a timer runs, or the human has an open turn.
  if (broken.empty() && !table.ended() && !table.next_tick_due() &&
      !(screen.visible(Command5) || screen.visible(Command7)))
    broken = "stalled: no timer runs and the human has no turn";
  if (broken.empty()) return;
  result_.violation = broken + " (after " + after + ")";
  result_.violation_hand = table.hands_dealt;
}

void Simulation::watch_hand_progress() {
  mix(static_cast<std::uint64_t>(table.pot));
  for (int s = 1; s <= seats; ++s) mix(static_cast<std::uint64_t>(table.p(s).prize));
  if (table.hands_dealt != hand_seen_) {
    hand_seen_ = table.hands_dealt;
    events_in_hand_ = 0;
    hand_started_ = clock.now();
    for (int card : table.deck) mix(static_cast<std::uint64_t>(card));
  }
  if (++events_in_hand_ > events_per_hand_bound && result_.violation.empty()) {
    result_.violation = "hand makes no progress: " + std::to_string(events_in_hand_) + " events";
    result_.violation_hand = table.hands_dealt;
  }
}

void Simulation::random_action() {
  const int choice = player_random.whole(0, 99);
  if (choice < 25) {
    table.click(screen.visible(Command5) ? Command5 : Command7);
  } else if (choice < 40) {
    table.click(Command6);
  } else if (choice < 50) {
    table.click(Command8);
  } else if (choice < 65) {
    // A sensible size, then Bet It or Enter.
    const Chips call = table.amount_to_call();
    const Chips size = call + 2 * table.limits + player_random.whole(0, 200);
    table.type_amount(std::to_string(size));
    if (player_random.whole(0, 1) == 0)
      table.click(Command11);
    else
      table.press_key(Key::enter);
  } else if (choice < 75) {
    table.type_amount(odd_amounts[player_random.whole(0, 11)]);
    if (player_random.whole(0, 1) == 0)
      table.click(Command11);
    else
      table.press_key(Key::enter);
  } else if (choice < 83) {
    table.click(Command3);
  } else if (choice < 88) {
    table.press_key(player_random.whole(0, 1) == 0 ? Key::f9 : Key::f10);
  } else if (choice < 95) {
    // Buttons that may well be hidden now.
    const Element any[] = {Command5, Command6, Command7, Command8, Command11, Text2, Picture3};
    table.click(any[player_random.whole(0, 6)]);
  } else if (choice < 96 && player_random.whole(0, 199) == 0) {
    table.click(Command2);
  } else {
    table.press_key(Key::other);
  }
}

void Simulation::human_turn() {
  // The human thinks; the limits clock must not count it.
  const int clock_before = table.limittimersetting;
  clock.advance(think_time_);
  table.run_due_timers();
  if (table.limittimersetting != clock_before && result_.violation.empty()) {
    result_.violation = "the limits clock counted the human's thinking time";
    result_.violation_hand = table.hands_dealt;
  }
  const bool can_check = screen.visible(Command7);
  switch (policy_) {
    case Policy::fold:
      table.click(can_check ? Command7 : Command8);
      mix(can_check ? 7 : 8);
      break;
    case Policy::call:
      table.click(can_check ? Command7 : Command5);
      mix(can_check ? 7 : 5);
      break;
    case Policy::sharp: {
      const Element action = table.p(human).handrank == 1 ? (can_check ? Command6 : Command5)
                             : can_check                  ? Command7
                                                          : Command8;
      table.click(action);
      mix(static_cast<std::uint64_t>(action));
      break;
    }
    case Policy::random:
      random_action();
      mix(static_cast<std::uint64_t>(table.p(human).bet));
      break;
  }
}

void Simulation::between_turns() {
  if (policy_ == Policy::random && player_random.whole(0, 19) == 0) {
    // A click or a key at a moment when it is not the human's turn.
    const Element any[] = {Command3, Command5, Command6, Command7, Command8, Command11, Text2};
    const int pick = player_random.whole(0, 7);
    if (pick == 7)
      table.press_key(player_random.whole(0, 1) == 0 ? Key::f9 : Key::f10);
    else
      table.click(any[pick]);
    check("a click between turns");
  }
  const auto due = table.next_tick_due();
  if (!due) return;
  clock.set(*due);
  table.run_due_timers();
}

TournamentResult Simulation::run() {
  table.Form_Load();
  if (start_playersout_ > 0) {
    table.playersout = start_playersout_;
    table.outchips = Chips{1000} * start_playersout_;
  }
  check("the load step");
  while (!table.ended() && result_.violation.empty()) {
    watch_hand_progress();
    if (clock.now() - hand_started_ > game_time_per_hand_bound && result_.violation.empty()) {
      result_.violation = "hand takes too long in game time";
      result_.violation_hand = table.hands_dealt;
    }
    if (table.finish != Finish::none && finish_seen_ < 0) finish_seen_ = clock.now();
    if (finish_seen_ >= 0 && clock.now() > finish_seen_ + timer1_interval + roundtimer_interval &&
        result_.violation.empty()) {
      result_.violation = "the program did not end after the end-of-tournament message";
      result_.violation_hand = table.hands_dealt;
    }
    if (table.human_turn_open()) {
      human_turn();
      check("the human's action");
    } else {
      between_turns();
      check("a tick");
    }
  }
  result_.hands = table.hands_dealt;
  result_.ending = table.ending;
  result_.finish = table.finish;
  result_.playersout = table.playersout;
  result_.game_time = clock.now();
  mix(static_cast<std::uint64_t>(result_.hands));
  return result_;
}

BenchResult behaviour_signature() {
  struct Run {
    Policy policy;
    int start_playersout;
  };
  const Run runs[] = {{Policy::fold, 0},  {Policy::call, 0},     {Policy::random, 0},
                      {Policy::sharp, 0}, {Policy::random, 975}, {Policy::sharp, 975}};
  BenchResult bench;
  bench.signature = 0xcbf29ce484222325ULL;
  for (const Run& run : runs) {
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
      Simulation simulation(seed, run.policy, 5000, run.start_playersout);
      const TournamentResult r = simulation.run();
      if (!r.violation.empty() && bench.violation.empty())
        bench.violation = "seed " + std::to_string(seed) + ": " + r.violation;
      bench.signature = (bench.signature ^ r.signature) * 0x100000001b3ULL;
      bench.hands += r.hands;
      ++bench.tournaments;
    }
  }
  return bench;
}

}  // namespace tarvix
