// Records what the sound server's default sink plays, through its monitor,
// and places every recorded frame on the steady clock at the moment the sink
// played it, by the server's own timing of the record stream. Uses
// PulseAudio's asynchronous API: the simple API cannot report the negative
// latency a monitor has (it hands on what the sink renders ahead of playing).
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace tarvix::tools {

class MonitorRecorder {
 public:
  using Clock = std::chrono::steady_clock;

  MonitorRecorder();
  ~MonitorRecorder();
  MonitorRecorder(const MonitorRecorder&) = delete;
  MonitorRecorder& operator=(const MonitorRecorder&) = delete;

  // Connects and starts recording mono at the game's rate; false, with the
  // reason in `why`, when there is no server or no monitor.
  bool start(std::string& why);

  struct Take {
    std::vector<std::int16_t> frames;
    // When the sink played frame 0: the median over the reads of the
    // moment of the read less the stream's latency then.
    Clock::time_point played;
    // Half the spread of those moments: how closely that is known.
    Clock::duration spread{};
  };
  // Stops recording and hands over what was heard.
  Take stop();

  struct Server;  // the connection, the stream and what the reads collect

 private:
  std::unique_ptr<Server> server_;
};

}  // namespace tarvix::tools
