// The player on a recording output in place of the sound server: what it
// mixes, what it drops, and how it falls silent.
#include "sound/player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <thread>

#include "support/recording_output.h"

namespace tarvix::sound {
namespace {

using namespace std::chrono_literals;

using testing::Recording;
using testing::RecordingOutput;

struct Bench {
  Recording recording;
  std::vector<std::string> troubles;  // only the player's thread adds, once
  Player player{[this](const std::string& why) { troubles.push_back(why); },
                [this] { return std::make_unique<RecordingOutput>(recording); }};

  // Waits until the player has written `samples` frames, or given up.
  void wait_for(std::size_t samples) {
    for (int i = 0; i < 5000 && !player.silent(); ++i) {
      if (recording.size() >= samples) return;
      std::this_thread::sleep_for(1ms);
    }
  }
  double energy() { return recording.energy(); }
  double peak() {
    const std::lock_guard lock(recording.mutex);
    int peak = 0;
    for (auto f : recording.frames) peak = std::max(peak, std::abs(static_cast<int>(f)));
    return peak / 32767.0;
  }
};

double energy_of(Sound sound, double volume) {
  double sum = 0;
  for (float s : synthesize(sound)) sum += std::pow(std::lround(s * volume * 32767.0), 2);
  return sum;
}

double peak_of(Sound sound) {
  double peak = 0;
  for (float s : synthesize(sound)) peak = std::max(peak, static_cast<double>(std::abs(s)));
  return peak;
}

TEST(Player, OpensTheOutputOnlyWhenTheFirstSoundIsDue) {
  Bench s;
  std::this_thread::sleep_for(20ms);
  EXPECT_FALSE(s.player.started());
  EXPECT_EQ(s.recording.opened, 0);
  s.player.play(Sound::check);
  s.wait_for(synthesize(Sound::check).size());
  EXPECT_EQ(s.recording.opened, 1);
  EXPECT_NEAR(s.energy() / energy_of(Sound::check, 1.0), 1.0, 0.01);
}

TEST(Player, ASoundOverlappingItsOwnKindIsDroppedWhileOthersMix) {
  struct Case {
    std::vector<Sound> burst;
    std::vector<Sound> heard;
  };
  const std::vector<Case> cases{
      {{Sound::chips, Sound::chips, Sound::chips, Sound::chips}, {Sound::chips}},
      {{Sound::chips, Sound::your_turn, Sound::chips, Sound::your_turn},
       {Sound::chips, Sound::your_turn}},
  };
  for (const Case& c : cases) {
    Bench s;
    for (Sound sound : c.burst) s.player.play(sound);
    double expected = 0;
    std::size_t longest = 0;
    for (Sound sound : c.heard) {
      expected += energy_of(sound, 1.0);
      longest = std::max(longest, synthesize(sound).size());
    }
    s.wait_for(longest);
    // Mixed sounds add their energies within a few percent; a second copy
    // of the same sound would nearly double it.
    EXPECT_NEAR(s.energy() / expected, 1.0, 0.25) << c.burst.size() << " asked";
  }
}

TEST(Player, PlaysAtItsVolume) {
  for (double volume : {1.0, 0.5, 0.1}) {
    Bench s;
    s.player.set_volume(volume);
    s.player.play(Sound::your_turn);
    s.wait_for(synthesize(Sound::your_turn).size());
    EXPECT_NEAR(s.peak(), peak_of(Sound::your_turn) * volume, 0.002) << volume;
  }
}

TEST(Player, WithNowhereToPlaySaysSoOnceAndStaysSilent) {
  struct Case {
    const char* what;
    bool can_open;
    int writes_until_gone;
  };
  for (const Case& c : {Case{"no server", false, -1}, Case{"server gone", true, 3}}) {
    Bench s;
    s.recording.can_open = c.can_open;
    s.recording.writes_until_gone = c.writes_until_gone;
    s.player.play(Sound::won);
    s.wait_for(synthesize(Sound::won).size());
    for (int i = 0; i < 20; ++i) s.player.play(Sound::chips);
    std::this_thread::sleep_for(20ms);
    EXPECT_TRUE(s.player.silent()) << c.what;
    EXPECT_EQ(s.troubles.size(), 1U) << c.what;
    EXPECT_EQ(s.recording.opened, 1) << c.what;
  }
}

}  // namespace
}  // namespace tarvix::sound
