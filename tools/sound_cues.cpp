// Hands cues to the game's own player, as the table window does, at known
// moments, for tools/sound_latency, which records what the sound server
// plays; a program of its own so that the sound server's client library is
// not loaded before the first sound, as in the game. First one sound alone
// (it loads the library and connects), then pairs: a sound out of silence,
// and 150 ms later another over it. Writes a line for each cue:
//
//   <sound> <steady clock, ns> <time play() took on this thread, ns>
//
//   sound_cues PAIRS
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "sound/player.h"
#include "sound/pulse_output.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using std::chrono::nanoseconds;
using tarvix::sound::Sound;

// A bell out of silence, a knock over it.
constexpr Sound alone = Sound::your_turn;
constexpr Sound over = Sound::check;
constexpr auto over_after = 150ms;
// Both have ended and the stream has fallen idle before the next pair.
constexpr auto pair_every = 800ms;

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: sound_cues PAIRS\n");
    return 2;
  }
  const int pairs = std::stoi(argv[1]);
  tarvix::sound::Player player(
      [](const std::string& why) { std::fprintf(stderr, "no sound: %s\n", why.c_str()); },
      tarvix::sound::pulse_output);
  player.set_volume(1.0);
  const auto cue = [&](Sound sound) {
    const auto at = Clock::now();
    player.play(sound);
    const auto hand_off = Clock::now() - at;
    std::printf("%s %lld %lld\n", std::string(tarvix::sound::name(sound)).c_str(),
                static_cast<long long>(
                    std::chrono::duration_cast<nanoseconds>(at.time_since_epoch()).count()),
                static_cast<long long>(std::chrono::duration_cast<nanoseconds>(hand_off).count()));
    return at;
  };
  auto next = cue(alone) + pair_every;
  for (int i = 0; i < pairs; ++i) {
    std::this_thread::sleep_until(next);
    std::this_thread::sleep_until(cue(alone) + over_after);
    cue(over);
    next += pair_every;
  }
  std::this_thread::sleep_until(next);
  return player.silent() ? 1 : 0;
}
