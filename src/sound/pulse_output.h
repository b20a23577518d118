// The sound server through PulseAudio's simple API (PipeWire serves it too),
// its client library opened at run time by the first sound, so that a game
// with sound off never loads it.
#pragma once

#include <memory>

#include "sound/output.h"

namespace tarvix::sound {

// The client library the game opens for its sounds; the package depends on it.
inline constexpr const char* pulse_library = "libpulse-simple.so.0";

std::unique_ptr<Output> pulse_output();

}  // namespace tarvix::sound
