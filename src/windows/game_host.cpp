#include "windows/game_host.h"

#include <algorithm>
#include <cmath>

#include "model/table.h"

namespace tarvix::windows {

namespace {
constexpr Millis longest_wait = 1'000'000;
}  // namespace

GameHost::GameHost(double speed, QObject* parent)
    : GameHost(std::make_unique<SeededRandom>(0), parent) {
  seeded_ = static_cast<SeededRandom*>(&game_.table().random);
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
  game_.listen([this](const GameEvent& event) { heard(event); });
}

void GameHost::heard(const GameEvent& event) {
  // The record is closed before the windows hear the end and read it.
  if (keeper_) keeper_->seen(event);
  if (const auto* started = std::get_if<HandStarted>(&event)) {
    if (replaying_) replayed_hands_.emplace_back(started->hand - 1, hand_text_);
    if (keeper_) keeper_->log_hand(started->hand - 1, hand_text_);
    hand_text_.clear();
  }
  // The summary holds for the designed pause at every game speed.
  if (std::holds_alternative<TournamentOver>(event)) {
    if (keeper_) keeper_->log_hand(game_.hand(), hand_text_);
    set_speed(base_speed_);
  }
  if (!std::holds_alternative<GameEnded>(event) || finished_) return;
  finished_ = true;
  wake_up_.stop();
  // Not from inside the handler that ended the game: the windows close
  // once the click or tick that ended it has returned.
  QTimer::singleShot(0, this, [this] { emit finished(); });
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
  if (!real_time()) return game_.now();
  const qint64 now = real_.elapsed();
  return now - started_real_ - paused_total_ - (paused_since_ >= 0 ? now - paused_since_ : 0);
}

void GameHost::rebase() {
  if (!real_time()) return;
  base_game_ = game_.now();
  base_real_ = real_.elapsed();
}

void GameHost::start(Settings settings, std::uint64_t number, store::Store* store) {
  if (real_time()) started_real_ = real_.elapsed();
  number_ = number;
  if (seeded_) seeded_->restart(number);
  catch_up();
  if (store) {
    keeper_ = std::make_unique<store::Keeper>(
        *store, game_, [this] { return played(); }, false);
    keeper_->begin(number, settings);
  } else {
    game_.start(std::move(settings));
  }
  arm();
}

store::Keeper::Resumed GameHost::resume(const store::Saved& saved, store::Store& store) {
  number_ = saved.start.number;
  if (seeded_) seeded_->restart(number_);
  keeper_ = std::make_unique<store::Keeper>(
      store, game_, [this] { return played(); }, false);
  replaying_ = true;
  const auto resumed = keeper_->resume(saved);
  replaying_ = false;
  if (!resumed.ok) return resumed;
  // Every hand's log as the replay told it, kept again in case the last
  // ones never reached the file.
  for (const auto& [hand, text] : replayed_hands_) keeper_->log_hand(hand, text);
  replayed_hands_.clear();
  keeper_->log_hand(game_.hand(), hand_text_);
  if (real_time()) started_real_ = real_.elapsed();
  rebase();
  arm();
  return resumed;
}

void GameHost::keep_for_later() {
  if (!keeper_ || kept_) return;
  catch_up();
  keeper_->log_hand(game_.hand(), hand_text_);
  keeper_->keep();
  kept_ = true;
  wake_up_.stop();
  if (finished_) return;
  finished_ = true;
  emit finished();
}

void GameHost::log_line(const std::string& text) { hand_text_ += text + '\n'; }

void GameHost::toggle_pause() {
  catch_up();
  game_.toggle_pause();
  if (real_time()) {
    const qint64 now = real_.elapsed();
    if (game_.paused()) {
      paused_since_ = now;
    } else if (paused_since_ >= 0) {
      paused_total_ += now - paused_since_;
      paused_since_ = -1;
    }
  }
  // The game's time stood still while paused: it goes on from there.
  rebase();
  if (keeper_ && game_.paused()) keeper_->save_time();
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
