#include "monitor_recorder.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <thread>

#include "sound/sounds.h"

namespace tarvix::tools {

namespace {

using Clock = MonitorRecorder::Clock;

// Reads come this often; longer than the game asks of the sink, so that the
// recording does not make the sink keep a shorter latency than the game's.
constexpr std::uint32_t fragment_ms = 30;
constexpr std::uint32_t bytes_per_frame = sizeof(std::int16_t);
constexpr std::uint32_t server_default = static_cast<std::uint32_t>(-1);
// The record stream's latency, either way, once the sink has settled.
constexpr auto settled_latency = std::chrono::milliseconds(50);
constexpr auto settle_within = std::chrono::seconds(5);
constexpr auto settle_poll = std::chrono::milliseconds(50);
// The spread of the reads' timings leaves out a twentieth at either end.
constexpr std::size_t outlier_share = 20;
constexpr const char* default_monitor = "@DEFAULT_MONITOR@";

Clock::duration frames_long(std::size_t frames) {
  return std::chrono::duration_cast<Clock::duration>(
      std::chrono::duration<double>(static_cast<double>(frames) / sound::sample_rate));
}

}  // namespace

struct MonitorRecorder::Server {
  pa_threaded_mainloop* loop = nullptr;
  pa_context* context = nullptr;
  pa_stream* stream = nullptr;
  // The reads' own, on the loop's thread, under its lock.
  std::vector<std::int16_t> frames;
  // For each read, when the sink played frame 0 by the server's timing.
  std::vector<Clock::time_point> played;
  std::chrono::microseconds latest_latency = std::chrono::microseconds::max();

  void read() {
    const void* data = nullptr;
    std::size_t bytes = 0;
    while (pa_stream_peek(stream, &data, &bytes) == 0 && bytes > 0) {
      const auto* first = static_cast<const std::int16_t*>(data);
      // A hole in the stream is silence of its length.
      if (first == nullptr) frames.resize(frames.size() + bytes / bytes_per_frame);
      if (first != nullptr) frames.insert(frames.end(), first, first + bytes / bytes_per_frame);
      pa_stream_drop(stream);
    }
    const auto now = Clock::now();
    const auto so_far = frames_long(frames.size());
    pa_usec_t usec = 0;
    int negative = 0;
    if (pa_stream_get_latency(stream, &usec, &negative) != 0) return;
    const auto latency = std::chrono::microseconds(static_cast<std::int64_t>(usec));
    latest_latency = latency;
    played.push_back(now - so_far + (negative != 0 ? latency : -latency));
  }
};

namespace {

void signal_loop(MonitorRecorder::Server* server) { pa_threaded_mainloop_signal(server->loop, 0); }

}  // namespace

MonitorRecorder::MonitorRecorder() : server_(std::make_unique<Server>()) {}

MonitorRecorder::~MonitorRecorder() {
  if (server_->loop != nullptr) pa_threaded_mainloop_stop(server_->loop);
  if (server_->stream != nullptr) pa_stream_unref(server_->stream);
  if (server_->context != nullptr) {
    pa_context_disconnect(server_->context);
    pa_context_unref(server_->context);
  }
  if (server_->loop != nullptr) pa_threaded_mainloop_free(server_->loop);
}

bool MonitorRecorder::start(std::string& why) {
  Server& s = *server_;
  s.loop = pa_threaded_mainloop_new();
  s.context = pa_context_new(pa_threaded_mainloop_get_api(s.loop), "TARVIX sound latency");
  pa_context_set_state_callback(
      s.context, [](pa_context*, void* server) { signal_loop(static_cast<Server*>(server)); }, &s);
  if (pa_context_connect(s.context, nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0) {
    why = std::string("no sound server: ") + pa_strerror(pa_context_errno(s.context));
    return false;
  }
  pa_threaded_mainloop_lock(s.loop);
  pa_threaded_mainloop_start(s.loop);
  auto context_state = pa_context_get_state(s.context);
  for (; PA_CONTEXT_IS_GOOD(context_state) && context_state != PA_CONTEXT_READY;
       context_state = pa_context_get_state(s.context)) {
    pa_threaded_mainloop_wait(s.loop);
  }
  bool ready = context_state == PA_CONTEXT_READY;
  if (ready) {
    const pa_sample_spec format{PA_SAMPLE_S16LE, sound::sample_rate, 1};
    s.stream = pa_stream_new(s.context, "Monitor", &format, nullptr);
    pa_stream_set_state_callback(
        s.stream, [](pa_stream*, void* server) { signal_loop(static_cast<Server*>(server)); }, &s);
    pa_stream_set_read_callback(
        s.stream,
        [](pa_stream*, std::size_t, void* server) { static_cast<Server*>(server)->read(); }, &s);
    const pa_buffer_attr buffer{server_default, server_default, server_default, server_default,
                                sound::sample_rate * fragment_ms / 1000 * bytes_per_frame};
    // Asks the sink for a latency, so that it renders in short blocks from
    // the start, but a longer one than the game's stream asks for (see
    // fragment_ms).
    const auto flags = static_cast<pa_stream_flags_t>(
        PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE | PA_STREAM_ADJUST_LATENCY);
    ready = pa_stream_connect_record(s.stream, default_monitor, &buffer, flags) == 0;
    auto stream_state = pa_stream_get_state(s.stream);
    for (; ready && PA_STREAM_IS_GOOD(stream_state) && stream_state != PA_STREAM_READY;
         stream_state = pa_stream_get_state(s.stream)) {
      pa_threaded_mainloop_wait(s.loop);
    }
    ready = ready && stream_state == PA_STREAM_READY;
  }
  if (!ready)
    why = std::string("cannot record the monitor: ") + pa_strerror(pa_context_errno(s.context));
  pa_threaded_mainloop_unlock(s.loop);
  // The sink may have rendered far ahead before the record stream asked it
  // for a short latency: the timeline is steady once that has played out.
  const auto give_up = Clock::now() + settle_within;
  while (ready && Clock::now() < give_up) {
    pa_threaded_mainloop_lock(s.loop);
    const bool settled = s.latest_latency < settled_latency;
    pa_threaded_mainloop_unlock(s.loop);
    if (settled) break;
    std::this_thread::sleep_for(settle_poll);
  }
  return ready;
}

MonitorRecorder::Take MonitorRecorder::stop() {
  Server& s = *server_;
  Take take;
  pa_threaded_mainloop_lock(s.loop);
  pa_stream_disconnect(s.stream);
  take.frames = std::move(s.frames);
  std::vector<Clock::time_point> played = std::move(s.played);
  pa_threaded_mainloop_unlock(s.loop);
  // The later half only: the stream's timing takes a moment to settle once
  // the game's stream has asked the sink for a latency of its own.
  played.erase(played.begin(), played.begin() + static_cast<std::ptrdiff_t>(played.size() / 2));
  if (played.empty()) return take;
  std::sort(played.begin(), played.end());
  const std::size_t trimmed = played.size() / outlier_share;
  take.played = played[played.size() / 2];
  take.spread = (played[played.size() - 1 - trimmed] - played[trimmed]) / 2;
  return take;
}

}  // namespace tarvix::tools
