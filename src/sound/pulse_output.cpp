#include "sound/pulse_output.h"

#include <dlfcn.h>
#include <pulse/error.h>
#include <pulse/simple.h>

#include "sound/sounds.h"

namespace tarvix::sound {

namespace {

// The server's buffer ahead of what is heard: small, so that a sound starts
// well within 50 ms of its event, and large enough for the 10 ms the player
// writes at a time.
constexpr std::uint32_t buffer_ms = 30;
constexpr std::uint32_t bytes_per_frame = sizeof(std::int16_t);
constexpr std::uint32_t server_default = static_cast<std::uint32_t>(-1);

class PulseOutput : public Output {
 public:
  ~PulseOutput() override {
    if (stream_ != nullptr) free_(stream_);
    if (library_ != nullptr) dlclose(library_);
  }

  bool open(std::string& why) override {
    library_ = dlopen(pulse_library, RTLD_NOW | RTLD_LOCAL);
    if (library_ == nullptr) {
      why = std::string("cannot load ") + pulse_library;
      return false;
    }
    if (!find(new_, "pa_simple_new") || !find(write_, "pa_simple_write") ||
        !find(free_, "pa_simple_free") || !find(error_text_, "pa_strerror")) {
      why = std::string(pulse_library) + " lacks the simple API";
      return false;
    }
    const pa_sample_spec format{PA_SAMPLE_S16LE, sample_rate, 1};
    const std::uint32_t target = sample_rate * buffer_ms / 1000 * bytes_per_frame;
    const pa_buffer_attr buffer{server_default, target, server_default, server_default,
                                server_default};
    int error = 0;
    stream_ = new_(nullptr, "TARVIX", PA_STREAM_PLAYBACK, nullptr, "Game sounds", &format, nullptr,
                   &buffer, &error);
    if (stream_ == nullptr) {
      why = std::string("no sound server: ") + error_text_(error);
      return false;
    }
    return true;
  }

  bool write(const Frames& frames, std::string& why) override {
    int error = 0;
    if (write_(stream_, frames.data(), frames.size() * bytes_per_frame, &error) < 0) {
      why = std::string("the sound server went away: ") + error_text_(error);
      return false;
    }
    return true;
  }

 private:
  template <typename Function>
  bool find(Function& function, const char* symbol) {
    function = reinterpret_cast<Function>(dlsym(library_, symbol));
    return function != nullptr;
  }

  void* library_ = nullptr;
  pa_simple* stream_ = nullptr;
  decltype(&pa_simple_new) new_ = nullptr;
  decltype(&pa_simple_write) write_ = nullptr;
  decltype(&pa_simple_free) free_ = nullptr;
  decltype(&pa_strerror) error_text_ = nullptr;
};

}  // namespace

std::unique_ptr<Output> pulse_output() { return std::make_unique<PulseOutput>(); }

}  // namespace tarvix::sound
