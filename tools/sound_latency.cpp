// Measures how soon a sound starts after the game asks for it, end to end:
// from the moment a cue is handed to the game's own player (tools/sound_cues,
// a process of its own, calls play() as the table window does) to the moment
// the sound server's sink plays the sound's first audible sample, found in a
// recording of the sink's monitor. A sound that starts while another sounds
// is found once the earlier one, whose samples are known, is taken out of
// the recording. Also reports how long play() took on the calling thread.
// Reports, asserts nothing; needs a sound server with nothing else playing
// (tests/sound/server_check --latency starts a private one).
//
//   sound_latency [--pairs N] [SOUND_CUES...]
//
// SOUND_CUES: the sound_cues programs of builds to compare, each in turn;
// by default the one beside this program.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "monitor_recorder.h"
#include "sound/sounds.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Frames = std::vector<std::int16_t>;
using Millis = std::chrono::duration<double, std::milli>;
using Micros = std::chrono::duration<double, std::micro>;
using tarvix::sound::Sound;

constexpr int default_pairs = 30;
// Recorded before the first cue and after the last.
constexpr auto settle = 500ms;
// A sample past this (-40 dBFS) is sound.
constexpr int audible = 328;
// A search starts this long before its cue, so that a fault in the timing
// shows as a sound before its cue rather than hiding.
constexpr auto before_cue = 20ms;
// A sound's start is sought this far before its first audible frame, and
// the rest of it matched over this many frames (10 ms).
constexpr std::size_t rewound_at_most = tarvix::sound::sample_rate / 20;
constexpr std::size_t matched = tarvix::sound::sample_rate / 100;
// Two sounds mixed are rounded once, the two known ones each on their own.
constexpr int rounding = 1;
constexpr float full_scale = 32767.0F;
constexpr double percentile = 0.95;
constexpr std::size_t none = static_cast<std::size_t>(-1);

// The sound as the player writes it at full volume.
Frames frames_of(Sound sound) {
  Frames out;
  for (float s : tarvix::sound::synthesize(sound)) {
    out.push_back(static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0F, 1.0F) * full_scale)));
  }
  return out;
}

// A recorded frame, or what is left of it once known sounds are taken out.
using Signal = std::function<int(std::size_t)>;

// The first audible frame in [from, to), or none.
std::size_t onset(std::size_t from, std::size_t to, const Signal& signal) {
  for (std::size_t i = from; i < to; ++i) {
    if (std::abs(signal(i)) > audible) return i;
  }
  return none;
}

std::size_t lead(const Frames& sound) {
  return onset(0, sound.size(), [&](std::size_t i) { return sound[i]; });
}

struct Found {
  std::size_t start;  // the frame where the sound's first sample was played
  int mismatch;       // the most the rest of the sound differs from the recording
};

// A sound in [from, to) of the signal: its first audible frame, then the
// start at which the rest of the sound matches the signal frame for frame.
// The recording may lack the first milliseconds of a sound: the monitor had
// been handed the silence the sink had rendered ahead, which the sink then
// rewound and rendered again with the sound in it.
std::optional<Found> find(const Frames& sound, const Signal& signal, std::size_t from,
                          std::size_t to) {
  const std::size_t heard = onset(from, to, signal);
  if (heard == none) return std::nullopt;
  const std::size_t latest = heard - std::min(heard, lead(sound));
  const std::size_t earliest = latest - std::min(latest, rewound_at_most);
  Found best{latest, std::numeric_limits<int>::max()};
  for (std::size_t start = earliest; start <= latest; ++start) {
    int mismatch = 0;
    for (std::size_t i = heard; i < heard + matched && mismatch < best.mismatch; ++i) {
      const std::size_t k = i - start;
      mismatch = std::max(mismatch, std::abs(signal(i) - (k < sound.size() ? sound[k] : 0)));
    }
    if (mismatch < best.mismatch) best = {start, mismatch};
  }
  return best;
}

struct Cue {
  Sound sound;
  Clock::time_point at;
  Clock::duration hand_off;
};

// Runs a build's tools/sound_cues and reads its cues.
std::vector<Cue> play_cues(const std::string& program, int pairs) {
  const std::string command = "'" + program + "' " + std::to_string(pairs);
  std::vector<Cue> cues;
  FILE* lines = popen(command.c_str(), "r");
  if (lines == nullptr) return cues;
  char name[32];
  long long at = 0;
  long long hand_off = 0;
  while (std::fscanf(lines, "%31s %lld %lld", name, &at, &hand_off) == 3) {
    for (Sound sound : tarvix::sound::all_sounds) {
      if (tarvix::sound::name(sound) != name) continue;
      cues.push_back({sound, Clock::time_point(std::chrono::nanoseconds(at)),
                      std::chrono::nanoseconds(hand_off)});
    }
  }
  if (pclose(lines) != 0) cues.clear();
  return cues;
}

// Places the recording on the steady clock.
struct Timeline {
  Clock::time_point frame_zero;
  std::size_t frames;
  std::size_t at(Clock::time_point t) const {
    const double i =
        std::chrono::duration<double>(t - frame_zero).count() * tarvix::sound::sample_rate;
    return std::min(static_cast<std::size_t>(std::max(i, 0.0)), frames);
  }
  Clock::time_point time(std::size_t frame) const {
    return frame_zero + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
                            static_cast<double>(frame) / tarvix::sound::sample_rate));
  }
};

struct Figures {
  std::vector<double> values;
  int missed = 0;
  void print(const char* what) {
    std::sort(values.begin(), values.end());
    std::printf("%-34s %5zu", what, values.size());
    if (!values.empty()) {
      const auto rank =
          static_cast<std::size_t>(std::ceil(percentile * static_cast<double>(values.size())));
      std::printf(" %8.1f %8.1f %8.1f", values[values.size() / 2], values[rank - 1], values.back());
    }
    if (missed > 0) std::printf("   (%d not heard)", missed);
    std::printf("\n");
  }
};

// Finds each cue's sound in the recording, in turn, and prints the figures.
void report(const std::vector<Cue>& cues, const tarvix::tools::MonitorRecorder::Take& take) {
  const Timeline line{take.played, take.frames.size()};
  const Signal recorded = [&](std::size_t i) { return i < line.frames ? take.frames[i] : 0; };
  // The sounds found so far, each taken out of the recording for the next.
  struct Placed {
    std::size_t start;
    Frames frames;
  };
  std::vector<Placed> placed;
  const Signal rest = [&](std::size_t i) {
    int left = recorded(i);
    for (const Placed& p : placed) {
      if (i >= p.start && i - p.start < p.frames.size()) left -= p.frames[i - p.start];
    }
    return left;
  };

  Figures first;
  Figures out_of_silence;
  Figures over_a_sound;
  int mismatch = 0;
  for (std::size_t c = 0; c < cues.size(); ++c) {
    const std::size_t due = line.at(cues[c].at);
    const bool sounding = std::any_of(placed.begin(), placed.end(), [&](const Placed& p) {
      return due >= p.start && due - p.start < p.frames.size();
    });
    Figures& figures = c == 0 ? first : sounding ? over_a_sound : out_of_silence;
    const std::size_t end =
        c + 1 < cues.size() ? line.at(cues[c + 1].at - before_cue) : line.frames;
    Frames frames = frames_of(cues[c].sound);
    const auto found = find(frames, rest, line.at(cues[c].at - before_cue), end);
    if (!found) {
      ++figures.missed;
      continue;
    }
    mismatch = std::max(mismatch, found->mismatch);
    figures.values.push_back(Millis(line.time(found->start + lead(frames)) - cues[c].at).count());
    placed.push_back({found->start, std::move(frames)});
  }

  std::printf("From play() to the sink playing the sound's first audible sample, ms (± %.1f):\n",
              Millis(take.spread).count());
  std::printf("%-34s %5s %8s %8s %8s\n", "", "cues", "median", "p95", "max");
  first.print("first sound (loads, connects)");
  out_of_silence.print("out of silence");
  over_a_sound.print("over another sound");
  if (mismatch > rounding) {
    std::printf("(unsure: a sound differs from its own samples by up to %d in the recording)\n",
                mismatch);
  }

  Figures hand_off;
  for (std::size_t c = 1; c < cues.size(); ++c) {
    hand_off.values.push_back(Micros(cues[c].hand_off).count());
  }
  std::printf("\nplay() on the calling thread, µs: the first (starts the thread) %.1f\n",
              Micros(cues[0].hand_off).count());
  std::printf("%-34s %5s %8s %8s %8s\n", "", "calls", "median", "p95", "max");
  hand_off.print("the others");
}

// Records while a build's sound_cues plays, and reports.
bool measure(const std::string& program, int pairs) {
  tarvix::tools::MonitorRecorder recorder;
  std::string why;
  if (!recorder.start(why)) {
    std::fprintf(stderr, "sound_latency: %s\n", why.c_str());
    return false;
  }
  std::this_thread::sleep_for(settle);
  const std::vector<Cue> cues = play_cues(program, pairs);
  std::this_thread::sleep_for(settle);
  const auto take = recorder.stop();
  if (cues.empty()) {
    std::fprintf(stderr, "sound_latency: %s played no sound\n", program.c_str());
    return false;
  }
  std::printf("%s\n", program.c_str());
  report(cues, take);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int pairs = default_pairs;
  std::vector<std::string> programs;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--pairs") == 0 && i + 1 < argc) {
      pairs = std::stoi(argv[++i]);
    } else {
      programs.emplace_back(argv[i]);
    }
  }
  if (programs.empty()) {
    programs.push_back(
        (std::filesystem::canonical("/proc/self/exe").parent_path() / "sound_cues").string());
  }
  bool measured = true;
  for (const std::string& program : programs) {
    if (!measure(program, pairs)) measured = false;
    std::printf("\n");
  }
  return measured ? 0 : 2;
}
