// The game's own event loop: its focus and its timers.
//
// The turn passes round the table by giving the focus to seat lights and
// buttons, and the timers pace it. None of this is left to a windowing
// toolkit: a focus request waits until the running handler has returned and
// is delivered in request order; a timer tick is delivered only when no focus
// change is waiting. Time comes from a clock the host gives.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>

#include "model/elements.h"

namespace tarvix {

using Millis = std::int64_t;

class Clock {
 public:
  virtual ~Clock() = default;
  virtual Millis now() const = 0;
};

// Tests and the simulator: time moves only when told to.
class VirtualClock : public Clock {
 public:
  Millis now() const override { return now_; }
  void set(Millis t) {
    if (t > now_) now_ = t;
  }
  void advance(Millis ms) { now_ += ms; }

 private:
  Millis now_ = 0;
};

enum class TimerId { roundtimer, Timer1 };

constexpr Millis roundtimer_interval = 2000;
constexpr Millis timer1_interval = 13000;

class EventLoop {
 public:
  explicit EventLoop(const Clock& clock) : clock_(clock) {}

  using HandlerRun = long;

  struct FocusRequest {
    Element element;
    // A turn is given even when the element already holds the focus, if a
    // later handler gives it: the GotFocus handler is the turn and must run.
    bool turn;
    HandlerRun from;  // the handler run that asked for it
  };

  // Every handler run (a click, a tick, a focus change) is numbered, so that
  // two requests that one handler makes can be told from a turn given back
  // by a later one.
  void begin_handler() { ++handler_; }
  HandlerRun handler() const { return handler_; }

  Element focus() const { return focus_; }
  void request_focus(Element e, bool turn = false) { pending_.push_back({e, turn, handler_}); }
  bool focus_pending() const { return !pending_.empty(); }
  FocusRequest take_focus_request();
  // The element now holding the focus, and the handler whose request gave it.
  void set_focus(const FocusRequest& request) {
    focus_ = request.element;
    focus_from_ = request.from;
  }
  // A turn request for the element already holding the focus is a turn of
  // its own only when a later handler than the one that gave the focus made
  // it: a light that already holds the focus does not gain it again from
  // the same handler.
  bool turn_given_again(const FocusRequest& request) const {
    return request.turn && request.element == focus_ && request.from != focus_from_;
  }
  void drop_focus_requests() { pending_.clear(); }

  // Enabling a running timer changes nothing; enabling a stopped one starts
  // a whole new interval.
  void enable(TimerId id, bool on);
  bool enabled(TimerId id) const { return timer(id).enabled; }
  // When the next tick is due, if any timer runs.
  std::optional<Millis> next_due() const;
  // The earliest tick due by now, rescheduled one interval on.
  std::optional<TimerId> take_due_tick();

 private:
  struct Timer {
    Millis interval;
    bool enabled = false;
    Millis due = 0;
  };
  Timer& timer(TimerId id) { return id == TimerId::roundtimer ? round_ : pause_; }
  const Timer& timer(TimerId id) const { return id == TimerId::roundtimer ? round_ : pause_; }

  const Clock& clock_;
  Element focus_ = no_element;
  HandlerRun focus_from_ = -1;
  HandlerRun handler_ = 0;
  std::deque<FocusRequest> pending_;
  Timer round_{roundtimer_interval};
  Timer pause_{timer1_interval};
};

}  // namespace tarvix
