// Runs the game inside Qt's event loop: owns the game, hands it the
// player's clicks and keys, and lets its time pass with the machine's clock,
// waking up only when the game's next timer tick is due.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/game.h"
#include "store/keeper.h"

namespace tarvix::windows {

class GameHost : public QObject {
  Q_OBJECT

 public:
  // The real game: the machine's clock, run `speed` times as fast as real
  // time, and the deal seeded by the tournament's number.
  explicit GameHost(double speed = 1.0, QObject* parent = nullptr);
  // Tests: the game's time moves only when the caller moves it; the
  // generator is the caller's.
  explicit GameHost(std::unique_ptr<Random> random, QObject* parent = nullptr);
  ~GameHost() override;

  // The table loads with the settings window's choices and deals the first
  // hand. The number seeds the real game's deal (a test's generator stays
  // its own); with a store the tournament is kept as it is played.
  void start(Settings settings, std::uint64_t number = 0, store::Store* store = nullptr);
  // Takes a kept tournament up again where it was saved. When its replay
  // deals differently the game is left part-way and must not be shown.
  store::Keeper::Resumed resume(const store::Saved& saved, store::Store& store);
  bool started() const { return game_.started(); }
  bool replaying() const { return replaying_; }
  std::uint64_t number() const { return number_; }
  // The tournament is kept in a store.
  bool keeping() const { return keeper_ != nullptr && !kept_; }
  bool kept() const { return kept_; }
  // Saves where the tournament stands and ends the program without ending
  // the tournament: the next start offers to resume it.
  void keep_for_later();
  // A line of the hand log, kept with its hand.
  void log_line(const std::string& text);

  // P: the game stops where it stands, or goes on from there.
  void toggle_pause();
  bool paused() const { return game_.paused(); }

  Game& game() { return game_; }
  const Game& game() const { return game_; }
  const Screen& screen() const { return game_.screen(); }

  void click(Element e);
  void type_amount(const std::string& text);
  void press_key(Key key);

  // How many times as fast as real time the game's clock runs from now on.
  void set_speed(double speed);
  double speed() const { return speed_; }
  // The player's game speed: this many times the rate the host was made
  // with (a tool's fast clock stays fast at Normal).
  void set_pace(double pace) { set_speed(base_speed_ * pace); }

  // How long the game has been played, pauses left out: real time on the
  // machine's clock, the game's own time on virtual time.
  Millis played() const;

  // The game time the host next wakes up at: while a game timer runs. On
  // the machine's clock one single-shot timer waits for it.
  std::optional<Millis> armed_for() const { return game_.next_due(); }
  const QTimer& wake_up() const { return wake_up_; }

 signals:
  // An element of the screen model changed.
  void changed(tarvix::Element element);
  // The game has ended the program (Exit, or the end of the tournament).
  void finished();

 private:
  bool real_time() const { return real_.isValid(); }
  Millis game_now() const;
  void catch_up();  // lets the game's time reach the machine's
  void arm();
  // From now on the game's time runs on from where it stands.
  void rebase();
  void heard(const GameEvent& event);

  SeededRandom* seeded_ = nullptr;  // the real game's generator
  std::uint64_t number_ = 0;
  std::unique_ptr<store::Keeper> keeper_;
  bool replaying_ = false;
  bool kept_ = false;
  std::string hand_text_;  // the hand log's lines of the hand in play
  std::vector<std::pair<int, std::string>> replayed_hands_;
  qint64 paused_since_ = -1;
  qint64 paused_total_ = 0;

  Game game_;
  QElapsedTimer real_;  // valid only on the machine's clock
  double speed_ = 1.0;
  double base_speed_ = 1.0;
  qint64 started_real_ = 0;
  Millis base_game_ = 0;
  qint64 base_real_ = 0;
  QTimer wake_up_;
  bool finished_ = false;
};

}  // namespace tarvix::windows
