#include "harness/action_script.h"

#include <array>

#include "harness/simulator.h"
#include "model/table.h"

namespace tarvix::fuzz {

namespace {

// Where the field may start: mostly from the beginning, sometimes late, and
// sometimes one deal before the final table.
constexpr std::array<int, 8> start_playersout = {0, 0, 0, 0, 900, 975, 985, 989};

constexpr std::array<Element, 7> panel = {Command5,  Command6, Command7, Command8,
                                          Command11, Text2,    Command3};

enum Action {
  click_panel,
  click_any,
  type_bytes,
  type_number,
  type_near_raise,
  key,
  next_tick,
  wait_ms,
  wait_for_turn,
  play_turns,
  exit_game,
  action_count
};

constexpr std::size_t longest_typed_text = 40;

// Seven seats, five streets and three raises a street take a few hundred
// ticks at most; the human's thinking takes none. Only ticks in which no
// chip moves and no street opens count: a human who keeps raising where
// nobody can answer plays a long street, not an endless one.
constexpr int idle_ticks_bound = 1000;

class Player {
 public:
  Player(const std::uint8_t* data, std::size_t size, std::ostream* trace)
      : data_(data), size_(size), trace_(trace), sim_(seed(), harness::Policy::call, 0) {}

  ScriptResult play() {
    pos_ = 5;
    Table& table = sim_.game.table();
    sim_.start();
    const int start = start_playersout[byte_at(4) % start_playersout.size()];
    if (start > 0) {
      table.playersout = start;
      table.outchips = Chips{1000} * start;
    }
    note("load, playersout " + std::to_string(start));
    check("the load step");
    while (pos_ < size_ && going()) act(static_cast<Action>(next() % action_count));
    ScriptResult result;
    result.violation = sim_.violation().empty() ? own_violation_ : sim_.violation();
    result.events = events_;
    result.hands = sim_.game.hand();
    result.ended = table.ended();
    result.won = table.finish == Finish::won;
    return result;
  }

 private:
  std::uint64_t seed() const {
    std::uint64_t s = 0;
    for (std::size_t i = 0; i < 4; ++i) s |= std::uint64_t{byte_at(i)} << (8 * i);
    return s;
  }
  std::uint8_t byte_at(std::size_t i) const { return i < size_ ? data_[i] : 0; }
  std::uint8_t next() { return pos_ < size_ ? data_[pos_++] : (pos_++, 0); }

  bool going() const {
    return !sim_.game.ended() && sim_.violation().empty() && own_violation_.empty() &&
           events_ < event_budget && sim_.game.hand() <= hand_budget;
  }

  void note(const std::string& what) {
    if (trace_) *trace_ << events_ << ' ' << what << '\n';
  }

  void check(const std::string& after) { sim_.check(after); }

  bool human_turn_open() const { return sim_.game.human_turn_open(); }

  // Delivers the next tick if one is due by until; false when none is.
  bool tick(Millis until) {
    const auto due = sim_.game.next_due();
    if (!due || *due > until) return false;
    sim_.game.step();
    ++events_;
    check("a tick");
    fold_holds();
    const Table& t = sim_.game.table();
    if (t.hands_dealt != ticking_hand_) {
      ticking_hand_ = t.hands_dealt;
      // The final table allows no sitting out, whatever Sit Out asked for.
      if (t.playersout >= final_table && t.p(human).sittingout)
        broken("the human sits out at the final table");
    }
    const Progress now{t.hands_dealt, t.pot, t.postflop1 + t.postflop2 + t.postflop3 + t.postflop4};
    if (now != progress_) {
      progress_ = now;
      idle_ticks_ = 0;
    }
    if (++idle_ticks_ > idle_ticks_bound)
      broken("a hand makes no progress: " + std::to_string(idle_ticks_) + " ticks");
    if (paused_hand_ == t.hands_dealt && t.gameover && t.limittimersetting != paused_limits_clock_)
      broken("the limits clock ran in the pause after a hand that the human ended");
    return true;
  }

  bool run_to_human_turn() {
    while (going() && !human_turn_open())
      if (!tick(INT64_MAX)) return false;
    return human_turn_open();
  }

  void broken(const std::string& rule) {
    if (own_violation_.empty()) own_violation_ = rule;
  }

  // One input of the player, checked; outside the human's turn an input
  // moves no chip, whatever it clicks or types.
  template <class Input>
  void input(const std::string& what, Input&& deliver) {
    note(what);
    const Table& t = sim_.game.table();
    const bool outside_turn = !human_turn_open() && !t.loop.focus_pending();
    const Chips pot = t.pot, prize = t.p(human).prize, stake = t.p(human).totalbet;
    const bool hand_was_on = !t.gameover;
    const bool had_folded = t.p(human).fold;
    deliver();
    check(what);
    if (!had_folded && t.p(human).fold) {
      folded_hand_ = t.hands_dealt;
      stack_at_fold_ = t.p(human).prize;
    }
    fold_holds();
    if (outside_turn && (t.pot != pot || t.p(human).prize != prize || t.p(human).totalbet != stake))
      broken("chips moved by " + what + " outside the human's turn");
    if (hand_was_on && t.gameover && !t.ended()) {
      // The human's action ended the hand: the pause until the next deal
      // is no time of the limits clock.
      paused_hand_ = t.hands_dealt;
      paused_limits_clock_ = t.limittimersetting;
    }
  }

  // A fold gives the pot up and shows no further card, whatever it closes.
  void fold_holds() {
    const Table& t = sim_.game.table();
    if (folded_hand_ != t.hands_dealt) return;
    if (t.p(human).prize > stack_at_fold_) broken("the human won a pot that it had folded");
    for (int slot = 0; slot < 7 && !t.gameover; ++slot)
      if (sim_.game.screen().visible(Image1(slot))) broken("a card shown to the folded human");
  }

  void click(Element e) {
    input("a click on " + element_name(e), [&] { sim_.game.click(e); });
  }

  void type(const std::string& text) {
    input("typing '" + text + "'", [&] { sim_.game.type_amount(text); });
  }

  void act(Action action) {
    Table& table = sim_.game.table();
    ++events_;
    switch (action) {
      case click_panel: click(panel[next() % panel.size()]); break;
      case click_any: {
        const auto e = static_cast<Element>(next() % element_count);
        if (e != Command2) click(e);
        break;
      }
      case type_bytes: {
        const std::size_t length = next() % (longest_typed_text + 1);
        std::string text;
        for (std::size_t i = 0; i < length && pos_ < size_; ++i)
          text.push_back(static_cast<char>(next()));
        type(text);
        break;
      }
      case type_number: {
        const unsigned low = next();
        type(std::to_string(low | unsigned{next()} << 8));
        break;
      }
      case type_near_raise: {
        const auto offset = static_cast<std::int8_t>(next());
        type(std::to_string(table.amount_to_call() + 2 * table.limits + offset));
        break;
      }
      case key: {
        constexpr std::array<Key, 10> keys = {Key::enter,     Key::f9,    Key::f10,  Key::call,
                                              Key::check,     Key::raise, Key::fold, Key::bet_box,
                                              Key::leave_box, Key::other};
        const Key k = keys[next() % keys.size()];
        input("key " + std::to_string(static_cast<int>(k)), [&] { sim_.game.press_key(k); });
        break;
      }
      case next_tick:
        note("next tick");
        tick(INT64_MAX);
        break;
      case wait_ms: {
        const Millis ms = Millis{next()} * 250;
        note("wait " + std::to_string(ms) + " ms");
        const Millis until = sim_.game.now() + ms;
        // The human thinks as long as it likes: nothing moves meanwhile.
        const bool thinking = human_turn_open();
        const int limits_clock = table.limittimersetting;
        while (going() && tick(until)) {
        }
        // Every tick due by then has been delivered, each checked.
        if (going()) sim_.game.advance_to(until);
        if (thinking && (!human_turn_open() || table.limittimersetting != limits_clock))
          broken("the game went on while the human was thinking");
        break;
      }
      case wait_for_turn:
        note("wait for the human's turn");
        run_to_human_turn();
        break;
      case play_turns: {
        const std::uint8_t operand = next();
        const int turns = operand / 5 + 1;
        const int rule = operand % 5;
        // Call; fold; call to seventh street and fold there, best hand or
        // not; or, holding the best hand at the table, raise or go all in
        // (which knocks the field out soon enough to win it).
        for (int n = 0; n < turns && run_to_human_turn(); ++n) {
          const bool free = table.control_shown(Command7);
          const Element calm = free ? Command7 : Command5;
          const Element passive = free ? Command7 : Command8;
          const bool best = table.p(human).handrank == 1;
          if (rule == 0) {
            click(calm);
          } else if (rule == 2) {
            click(table.postflop4 ? Command8 : calm);
          } else if (rule == 1 || !best) {
            click(passive);
          } else if (rule == 3) {
            click(Command6);
          } else {
            type("1000000000");
            click(Command11);
          }
        }
        break;
      }
      case exit_game:
        if (next() == exit_confirm) click(Command2);
        break;
      case action_count: break;
    }
  }

  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
  std::ostream* trace_;
  harness::Simulation sim_;
  std::string own_violation_;  // the rules on the player's inputs themselves
  int paused_hand_ = -1;       // the hand that an input of the human ended
  int paused_limits_clock_ = 0;
  int folded_hand_ = -1;  // the hand that the human folded by an input
  Chips stack_at_fold_ = 0;
  int ticking_hand_ = -1;
  // What a hand that goes on changes: the deal, the pot, the street.
  struct Progress {
    int hand = -1;
    Chips pot = 0;
    int streets = 0;
    bool operator==(const Progress&) const = default;
  };
  Progress progress_;
  int idle_ticks_ = 0;
  long events_ = 0;
};

}  // namespace

ScriptResult run_action_script(const std::uint8_t* data, std::size_t size, std::ostream* trace) {
  return Player(data, size, trace).play();
}

}  // namespace tarvix::fuzz
