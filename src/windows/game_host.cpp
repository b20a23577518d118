#include "windows/game_host.h"

#include <algorithm>

namespace tarvix::windows {

GameHost::GameHost(double speed, QObject* parent)
    : QObject(parent),
      random_(std::make_unique<EntropyRandom>()),
      steady_(std::make_unique<SteadyClock>(speed)),
      clock_(steady_.get()) {
  wake_up_.setSingleShot(true);
  wake_up_.setTimerType(Qt::PreciseTimer);
  connect(&wake_up_, &QTimer::timeout, this, &GameHost::run_due);
  screen_.on_change = [this](Element e) { emit changed(e); };
}

GameHost::GameHost(VirtualClock& clock, std::unique_ptr<Random> random, QObject* parent)
    : QObject(parent), random_(std::move(random)), virtual_(&clock), clock_(&clock) {
  screen_.on_change = [this](Element e) { emit changed(e); };
}

GameHost::~GameHost() { screen_.on_change = nullptr; }

void GameHost::start(Settings settings) {
  if (table_) return;
  table_ = std::make_unique<Table>(screen_, *random_, *clock_, std::move(settings));
  table_->Form_Load();
  after_event();
}

void GameHost::click(Element e) {
  if (!table_ || table_->ended()) return;
  table_->click(e);
  after_event();
}

void GameHost::type_amount(const std::string& text) {
  if (!table_ || table_->ended()) return;
  table_->type_amount(text);
  after_event();
}

void GameHost::press_key(Key key) {
  if (!table_ || table_->ended()) return;
  table_->press_key(key);
  after_event();
}

void GameHost::run_due() {
  if (!table_ || table_->ended()) return;
  table_->run_due_timers();
  after_event();
}

void GameHost::elapse(Millis ms) {
  if (!virtual_) return;
  const Millis until = virtual_->now() + ms;
  while (table_ && !table_->ended()) {
    const auto due = table_->next_tick_due();
    if (!due || *due > until) break;
    virtual_->set(*due);
    run_due();
  }
  virtual_->set(until);
}

bool GameHost::step() {
  if (!virtual_ || !table_ || table_->ended()) return false;
  const auto due = table_->next_tick_due();
  if (!due) return false;
  virtual_->set(*due);
  run_due();
  return true;
}

void GameHost::after_event() {
  armed_for_.reset();
  if (table_->ended()) {
    wake_up_.stop();
    if (!finished_) {
      finished_ = true;
      // Not from inside the handler that ended the game: the windows close
      // once the click or tick that ended it has returned.
      QTimer::singleShot(0, this, [this] { emit finished(); });
    }
    return;
  }
  const auto due = table_->next_tick_due();
  if (!due) {
    wake_up_.stop();  // the human is thinking: nothing to wake up for
    return;
  }
  armed_for_ = due;
  if (!steady_) return;
  const Millis wait = steady_->real_wait_until(*due);
  wake_up_.start(static_cast<int>(std::clamp<Millis>(wait, 0, 1'000'000)));
}

}  // namespace tarvix::windows
