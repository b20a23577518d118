// Where the mixed sound goes: the sound server, or a test's recorder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarvix::sound {

// 16-bit mono frames at the game's rate.
using Frames = std::vector<std::int16_t>;

class Output {
 public:
  virtual ~Output() = default;
  // Connects; false, with the reason in `why`, when there is nowhere to play.
  virtual bool open(std::string& why) = 0;
  // Hands the frames on, waiting while the device's buffer is full (the
  // player's own thread calls it, never the game's); false, with the reason,
  // once the device or the server has gone.
  virtual bool write(const Frames& frames, std::string& why) = 0;
};

}  // namespace tarvix::sound
