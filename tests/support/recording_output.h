// A sound output that records what the player writes, in place of the
// sound server, and can refuse to open or go away after some writes.
#pragma once

#include <chrono>
#include <mutex>
#include <thread>

#include "sound/output.h"

namespace tarvix::testing {

struct Recording {
  std::mutex mutex;
  sound::Frames frames;
  int opened = 0;
  int writes = 0;
  bool can_open = true;
  int writes_until_gone = -1;  // the server goes away after so many writes

  std::size_t size() {
    const std::lock_guard lock(mutex);
    return frames.size();
  }
  double energy() {
    const std::lock_guard lock(mutex);
    double sum = 0;
    for (auto f : frames) sum += static_cast<double>(f) * f;
    return sum;
  }
};

class RecordingOutput : public sound::Output {
 public:
  explicit RecordingOutput(Recording& r) : r_(r) {}
  bool open(std::string& why) override {
    const std::lock_guard lock(r_.mutex);
    ++r_.opened;
    why = "no server here";
    return r_.can_open;
  }
  bool write(const sound::Frames& frames, std::string& why) override {
    // A device's pace, faster than real time.
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const std::lock_guard lock(r_.mutex);
    if (r_.writes_until_gone == r_.writes++) {
      why = "gone";
      return false;
    }
    r_.frames.insert(r_.frames.end(), frames.begin(), frames.end());
    return true;
  }

 private:
  Recording& r_;
};

}  // namespace tarvix::testing
