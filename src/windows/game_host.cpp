#include "windows/game_host.h"

#include <algorithm>
#include <cmath>

namespace tarvix::windows {

namespace {
constexpr Millis longest_wait = 1'000'000;
}  // namespace

GameHost::GameHost(double speed, QObject* parent)
    : GameHost(std::make_unique<EntropyRandom>(), parent) {
  speed_ = speed > 0 ? speed : 1.0;
  base_speed_ = speed_;
  real_.start();
  wake_up_.setSingleShot(true);
  wake_up_.setTimerType(Qt::PreciseTimer);
  connect(&wake_up_, &QTimer::timeout, this, [this] {
    catch_up();
    arm();
  });
}

GameHost::GameHost(std::unique_ptr<Random> random, QObject* parent)
    : QObject(parent), game_(std::move(random)) {
  game_.screen().on_change = [this](Element e) { emit changed(e); };
  game_.listen([this](const GameEvent& event) {
    if (!std::holds_alternative<GameEnded>(event) || finished_) return;
    finished_ = true;
    wake_up_.stop();
    // Not from inside the handler that ended the game: the windows close
    // once the click or tick that ended it has returned.
    QTimer::singleShot(0, this, [this] { emit finished(); });
  });
}

GameHost::~GameHost() { game_.screen().on_change = nullptr; }

Millis GameHost::game_now() const {
  const double real = static_cast<double>(real_.elapsed() - base_real_);
  return base_game_ + static_cast<Millis>(real * speed_);
}

void GameHost::catch_up() {
  if (real_time()) game_.advance_to(game_now());
}

void GameHost::set_speed(double speed) {
  if (speed <= 0) return;
  if (real_time()) {
    base_game_ = game_now();
    base_real_ = real_.elapsed();
  }
  speed_ = speed;
  arm();
}

Millis GameHost::played() const {
  return real_time() ? real_.elapsed() - started_real_ : game_.now();
}

void GameHost::start(Settings settings) {
  if (real_time()) started_real_ = real_.elapsed();
  catch_up();
  game_.start(std::move(settings));
  arm();
}

void GameHost::click(Element e) {
  catch_up();
  game_.click(e);
  arm();
}

void GameHost::type_amount(const std::string& text) {
  catch_up();
  game_.type_amount(text);
  arm();
}

void GameHost::press_key(Key key) {
  catch_up();
  game_.press_key(key);
  arm();
}

void GameHost::arm() {
  if (!real_time()) return;
  const auto due = game_.next_due();
  if (!due) {
    wake_up_.stop();  // the human is thinking: nothing to wake up for
    return;
  }
  const double game_wait = static_cast<double>(*due - game_now());
  const Millis wait = static_cast<Millis>(std::ceil(std::max(game_wait, 0.0) / speed_));
  wake_up_.start(static_cast<int>(std::min(wait, longest_wait)));
}

}  // namespace tarvix::windows
