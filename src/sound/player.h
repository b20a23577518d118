// Plays the game's sounds on a thread of its own, started by the first
// sound, so that the game's thread never waits for audio and a game that
// never plays a sound never opens the sound server. Sounds that overlap are
// mixed; a sound that would overlap its own kind is dropped, so that a fast
// game never piles them up. When there is nowhere to play, or the server
// goes away, the player says why once and stays silent from then on.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "sound/output.h"
#include "sound/sounds.h"

namespace tarvix::sound {

class Player {
 public:
  using Clock = std::chrono::steady_clock;
  // Told, on the player's thread and once only, why there is no sound.
  using Trouble = std::function<void(const std::string& why)>;
  // Makes the output when the first sound is due (the sound server unless a
  // test hands in its own).
  using MakeOutput = std::function<std::unique_ptr<Output>()>;

  explicit Player(Trouble trouble, MakeOutput make_output);
  ~Player();
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  // Queues the sound and returns at once.
  void play(Sound sound);
  // Stops what is sounding now (muting).
  void hush();
  // 0 silent .. 1 full scale; takes effect from the next 10 ms.
  void set_volume(double volume);
  double volume() const { return volume_; }
  // The output was asked for: a sound has been due.
  bool started() const { return worker_.joinable(); }
  // No output could be had, or it went away.
  bool silent() const { return silent_; }

 private:
  struct Request {
    Sound sound;
    Clock::time_point at;
  };
  struct Voice {
    Sound sound;
    std::size_t next = 0;  // the next sample to mix
  };

  void run();
  bool open();
  void take(std::vector<Request>& requests);
  bool sounding(Sound sound) const;
  // A sound's samples, synthesised when it is first played.
  const std::vector<float>& samples(Sound sound);
  Frames mix();
  void give_up(const std::string& why);

  Trouble trouble_;
  MakeOutput make_output_;
  std::atomic<double> volume_{1.0};
  std::atomic<bool> silent_{false};

  std::mutex mutex_;  // guards the three below, held only to hand them over
  std::condition_variable wake_;
  std::vector<Request> requests_;
  bool hush_ = false;
  bool stopping_ = false;

  // The player's thread's own.
  std::unique_ptr<Output> output_;
  std::vector<std::vector<float>> sounds_ = std::vector<std::vector<float>>(all_sounds.size());
  Clock::time_point opened_;
  std::vector<Voice> voices_;
  std::thread worker_;
};

}  // namespace tarvix::sound
