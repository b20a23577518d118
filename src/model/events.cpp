#include "model/events.h"

#include <algorithm>
#include <cassert>

namespace tarvix {

Events::FocusRequest Events::take_focus_request() {
  assert(!pending_.empty());
  const FocusRequest request = pending_.front();
  pending_.pop_front();
  return request;
}

void Events::enable(TimerId id, bool on) {
  Timer& t = timer(id);
  if (on && !t.enabled) t.due = clock_.now() + t.interval;
  t.enabled = on;
}

std::optional<Millis> Events::next_due() const {
  std::optional<Millis> due;
  for (const Timer* t : {&round_, &pause_})
    if (t->enabled) due = due ? std::min(*due, t->due) : t->due;
  return due;
}

std::optional<TimerId> Events::take_due_tick() {
  const Millis now = clock_.now();
  std::optional<TimerId> id;
  // On a tie the turn timer goes first.
  if (round_.enabled && round_.due <= now) id = TimerId::roundtimer;
  if (pause_.enabled && pause_.due <= now && (!id || pause_.due < round_.due)) id = TimerId::Timer1;
  if (id) timer(*id).due = now + timer(*id).interval;
  return id;
}

}  // namespace tarvix

#include <chrono>

namespace tarvix {

namespace {
std::int64_t steady_ns() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}
}  // namespace

SteadyClock::SteadyClock(double speed) : speed_(speed > 0 ? speed : 1.0), start_ns_(steady_ns()) {}

Millis SteadyClock::now() const {
  return static_cast<Millis>(static_cast<double>(steady_ns() - start_ns_) * speed_ / 1e6);
}

Millis SteadyClock::real_wait_until(Millis t) const {
  const Millis game_wait = t - now();
  if (game_wait <= 0) return 0;
  return static_cast<Millis>(static_cast<double>(game_wait) / speed_) + 1;
}

}  // namespace tarvix
