// The game as an engine: commands in, events out, and the screen model that
// a view draws. The Qt host, the simulator, the fuzzer and the tools all
// drive the game through this class and nothing else; the rules live in the
// table it owns.
//
//   Game game(std::make_unique<SeededRandom>(seed));
//   game.listen([](const GameEvent& e) { ... });
//   game.start(settings);            // the table window loads: the first hand
//   game.click(Command5);            // the player's inputs
//   game.advance_to(t);              // time passes: every tick due by t
//
// Time is the game's own: it moves only by advance_to and step, which a host
// calls with real time and the tests and the simulator with virtual time.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/commands.h"
#include "model/event_loop.h"
#include "model/game_events.h"
#include "model/journal.h"
#include "model/random.h"
#include "model/screen.h"

namespace tarvix {

class Table;

class Game {
 public:
  explicit Game(std::unique_ptr<Random> random);
  ~Game();
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // ---- Commands --------------------------------------------------------------
  // The table window loads with the settings window's choices and deals the
  // first hand. Once only.
  void start(Settings settings);
  void click(Element e);                      // a button or the amount box
  void type_amount(const std::string& text);  // the amount box now holds this text
  void press_key(Key key);
  // Freezes the game where it stands, or lets it go on from there. While
  // paused its time stands still, no timer runs and it takes no other command.
  void toggle_pause();
  // Lets time pass to t, delivering every tick due by then in its order.
  void advance_to(Millis t);
  // Jumps to the next tick due and delivers it; false when no timer runs.
  bool step();

  // Every event from now on goes to the listener too, in the order the
  // events happen, while the handler that makes them runs. A listener must
  // not give the game commands.
  void listen(Listener listener);
  // Every command given once the game has started goes to the recorder
  // first, with the game's time: replaying them gives the same game.
  void record(Recorder recorder) { recorder_ = std::move(recorder); }

  // ---- Queries ---------------------------------------------------------------
  Millis now() const { return clock_.now(); }
  std::optional<Millis> next_due() const;
  bool started() const { return started_; }
  bool paused() const { return paused_; }
  bool human_turn_open() const;
  bool ended() const;
  Ending ending() const;
  Finish finish() const;
  int hand() const;          // the hand in play, 1 for the first
  int players_left() const;  // in the tournament, counted at the last deal
  SitOut sit_out() const;
  // What Bet It would do with the amount box's text now.
  BetItStake bet_it_stake() const;
  // A seat's cards on the table as the human sees them, in deal order: the
  // card where its face shows, no_card where its back does.
  std::vector<int> cards_seen(int seat) const;
  // The name of the player in seat 1 .. 7 (the human's as typed, maybe empty).
  const std::string& seat_name(int seat) const;
  // Every value the small limit takes as the limits rise, the first first.
  static std::vector<Chips> limits_ladder();
  const Screen& screen() const { return screen_; }
  Screen& screen() { return screen_; }

  // The table's state and procedures under the game's own names, for the
  // harness's rule checks and the tests that arrange a position.
  Table& table() { return *table_; }
  const Table& table() const { return *table_; }

 private:
  void deliver(const GameEvent& event);
  // The command goes to the recorder; false when the game cannot take one.
  bool take(CommandKind kind, int value = 0, const std::string& text = {});

  VirtualClock clock_;
  Screen screen_;
  std::unique_ptr<Random> random_;
  std::unique_ptr<Table> table_;
  std::vector<Listener> listeners_;
  Recorder recorder_;
  bool started_ = false;
  bool paused_ = false;
};

}  // namespace tarvix
