#include "windows/motion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarvix::windows {

namespace {

// Starts fast, lands softly.
double ease_out(double t) { return 1.0 - (1.0 - t) * (1.0 - t); }

}  // namespace

void Motion::chip_moved(int index, Point from, Point to, Millis now) {
  if (!enabled_) return;
  // A new burst begins when the last one has had time to leave.
  if (burst_start_ < 0 || now - burst_start_ > chips_total) {
    burst_start_ = now;
    burst_count_ = 0;
  }
  // A chip already under way goes on from where it is drawn now.
  for (auto it = flights_.begin(); it != flights_.end(); ++it) {
    if (it->index != index) continue;
    for (const Chip& c : chips(now))
      if (c.index == index) from = c.at;
    flights_.erase(it);
    break;
  }
  // The pot has up to 31 chips; they leave one after another so that the
  // last one lands when the whole slide is over.
  const Millis gap = (chips_total - chip_flight) / 30;
  const Millis start = burst_start_ + std::min<Millis>(burst_count_, 30) * gap;
  ++burst_count_;
  flights_.push_back({index, from, to, start, chip_flight});
}

void Motion::picture_changed(int slot, int from_cell, int to_cell, Millis now) {
  if (!enabled_) return;
  flips_.erase(std::remove_if(flips_.begin(), flips_.end(),
                              [slot](const Turn& t) { return t.slot == slot; }),
               flips_.end());
  if (is_back(from_cell) && is_face(to_cell)) flips_.push_back({slot, from_cell, to_cell, now});
}

std::vector<Motion::Chip> Motion::chips(Millis now) const {
  std::vector<Chip> shown;
  for (const Flight& f : flights_) {
    if (now >= f.start + f.duration) continue;
    const double t =
        now <= f.start ? 0.0 : ease_out(static_cast<double>(now - f.start) / f.duration);
    shown.push_back(
        {f.index, {f.from.x + (f.to.x - f.from.x) * t, f.from.y + (f.to.y - f.from.y) * t}});
  }
  return shown;
}

std::optional<Motion::Flip> Motion::flip(int slot, Millis now) const {
  for (const Turn& t : flips_) {
    if (t.slot != slot || now >= t.start + flip_time) continue;
    const double progress = static_cast<double>(std::max<Millis>(now - t.start, 0)) / flip_time;
    // The back narrows to its edge, then the face opens out.
    if (progress < 0.5) return Flip{std::cos(progress * std::numbers::pi), t.from_cell};
    return Flip{-std::cos(progress * std::numbers::pi), t.to_cell};
  }
  return std::nullopt;
}

bool Motion::active(Millis now) const {
  for (const Flight& f : flights_)
    if (now < f.start + f.duration) return true;
  for (const Turn& t : flips_)
    if (now < t.start + flip_time) return true;
  return false;
}

void Motion::forget_finished(Millis now) {
  flights_.erase(std::remove_if(flights_.begin(), flights_.end(),
                                [now](const Flight& f) { return now >= f.start + f.duration; }),
                 flights_.end());
  flips_.erase(std::remove_if(flips_.begin(), flips_.end(),
                              [now](const Turn& t) { return now >= t.start + flip_time; }),
               flips_.end());
}

}  // namespace tarvix::windows
