// Runs the table inside Qt's event loop: owns the screen model, the random
// source, the clock and the table, forwards what the player does, and wakes
// up only when the table's next timer tick is due.
#pragma once

#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>

#include "model/events.h"
#include "model/random.h"
#include "model/screen.h"
#include "model/table.h"

namespace tarvix::windows {

class GameHost : public QObject {
  Q_OBJECT

 public:
  // The real game: the machine's clock (faster than real time if speed is
  // above 1) and fresh entropy.
  explicit GameHost(double speed = 1.0, QObject* parent = nullptr);
  // Tests: time moves only through elapse(); the generator is the caller's.
  GameHost(VirtualClock& clock, std::unique_ptr<Random> random, QObject* parent = nullptr);
  ~GameHost() override;

  // Creates the table with the settings window's choices and runs its load
  // step, which deals the first hand.
  void start(Settings settings);
  bool started() const { return table_ != nullptr; }

  Screen& screen() { return screen_; }
  const Screen& screen() const { return screen_; }
  Table* table() { return table_.get(); }
  const Table* table() const { return table_.get(); }

  void click(Element e);
  void type_amount(const std::string& text);
  void press_key(Key key);

  // Virtual time only: lets ms of game time pass, delivering every tick due.
  void elapse(Millis ms);
  // Virtual time only: jumps to the next due tick and delivers it; false if
  // no timer runs.
  bool step();

  // The game time the host next wakes up at: set exactly while a table
  // timer runs. On the machine's clock one single-shot timer waits for it.
  std::optional<Millis> armed_for() const { return armed_for_; }
  const QTimer& wake_up() const { return wake_up_; }

 signals:
  // An element of the screen model changed.
  void changed(tarvix::Element element);
  // The table has ended the program (Exit, or the end of the tournament).
  void finished();

 private:
  void run_due();
  void after_event();

  Screen screen_;
  std::unique_ptr<Random> random_;
  std::unique_ptr<SteadyClock> steady_;
  VirtualClock* virtual_ = nullptr;
  const Clock* clock_;
  std::unique_ptr<Table> table_;
  QTimer wake_up_;
  std::optional<Millis> armed_for_;
  bool finished_ = false;
};

}  // namespace tarvix::windows
