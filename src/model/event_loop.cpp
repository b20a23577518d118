#include "model/event_loop.h"

#include <algorithm>
#include <cassert>

namespace tarvix {

EventLoop::FocusRequest EventLoop::take_focus_request() {
  assert(!pending_.empty());
  const FocusRequest request = pending_.front();
  pending_.pop_front();
  return request;
}

void EventLoop::enable(TimerId id, bool on) {
  Timer& t = timer(id);
  if (on && !t.enabled) t.due = clock_.now() + t.interval;
  t.enabled = on;
}

std::optional<Millis> EventLoop::next_due() const {
  std::optional<Millis> due;
  for (const Timer* t : {&round_, &pause_})
    if (t->enabled) due = due ? std::min(*due, t->due) : t->due;
  return due;
}

std::optional<TimerId> EventLoop::take_due_tick() {
  const Millis now = clock_.now();
  std::optional<TimerId> id;
  // On a tie the turn timer goes first.
  if (round_.enabled && round_.due <= now) id = TimerId::roundtimer;
  if (pause_.enabled && pause_.due <= now && (!id || pause_.due < round_.due)) id = TimerId::Timer1;
  if (id) timer(*id).due = now + timer(*id).interval;
  return id;
}

}  // namespace tarvix
