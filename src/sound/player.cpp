#include "sound/player.h"

#include <algorithm>
#include <cmath>

namespace tarvix::sound {

namespace {

// Mixed and written at a time: the output's wait paces the thread.
constexpr std::size_t chunk_frames = sample_rate / 100;
// A sound asked for longer ago than this (the server was slow to answer)
// would come too late to belong to its event: it is dropped.
constexpr auto stale = std::chrono::milliseconds(150);
constexpr float full_scale = 32767.0F;

}  // namespace

Player::Player(Trouble trouble, MakeOutput make_output)
    : trouble_(std::move(trouble)), make_output_(std::move(make_output)) {}

Player::~Player() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  if (worker_.joinable()) worker_.join();
}

void Player::play(Sound sound) {
  if (silent_) return;
  {
    const std::lock_guard lock(mutex_);
    requests_.push_back({sound, Clock::now()});
  }
  if (!worker_.joinable()) worker_ = std::thread([this] { run(); });
  wake_.notify_one();
}

void Player::hush() {
  {
    const std::lock_guard lock(mutex_);
    requests_.clear();
    hush_ = true;
  }
  wake_.notify_one();
}

void Player::set_volume(double volume) { volume_ = std::clamp(volume, 0.0, 1.0); }

void Player::give_up(const std::string& why) {
  voices_.clear();
  output_.reset();
  if (trouble_) trouble_(why);
  silent_ = true;
}

bool Player::open() {
  output_ = make_output_();
  std::string why;
  if (!output_->open(why)) {
    give_up(why);
    return false;
  }
  opened_ = Clock::now();
  return true;
}

bool Player::sounding(Sound sound) const {
  return std::any_of(voices_.begin(), voices_.end(),
                     [&](const Voice& v) { return v.sound == sound; });
}

const std::vector<float>& Player::samples(Sound sound) {
  auto& s = sounds_.at(static_cast<std::size_t>(sound));
  if (s.empty()) s = synthesize(sound);
  return s;
}

void Player::take(std::vector<Request>& requests) {
  const auto now = Clock::now();
  for (const Request& r : requests) {
    // The wait for the server to answer the first sound does not count.
    if (now - std::max(r.at, opened_) >= stale || sounding(r.sound)) continue;
    samples(r.sound);
    voices_.push_back({r.sound});
  }
  requests.clear();
}

Frames Player::mix() {
  std::vector<float> sum(chunk_frames, 0.0F);
  for (Voice& voice : voices_) {
    const auto& s = samples(voice.sound);
    const std::size_t n = std::min(chunk_frames, s.size() - voice.next);
    for (std::size_t i = 0; i < n; ++i) sum[i] += s[voice.next + i];
    voice.next += n;
  }
  std::erase_if(voices_, [&](const Voice& v) { return v.next >= samples(v.sound).size(); });
  const auto gain = static_cast<float>(volume_.load());
  Frames frames(chunk_frames);
  std::transform(sum.begin(), sum.end(), frames.begin(), [&](float s) {
    return static_cast<std::int16_t>(std::lround(std::clamp(s * gain, -1.0F, 1.0F) * full_scale));
  });
  return frames;
}

void Player::run() {
  if (!open()) return;
  std::vector<Request> taken;
  for (;;) {
    {
      std::unique_lock lock(mutex_);
      // Idle, the thread sleeps until a sound is due: no wake-ups while the
      // player thinks.
      if (voices_.empty()) wake_.wait(lock, [&] { return stopping_ || !requests_.empty(); });
      if (stopping_) return;
      if (hush_) voices_.clear();
      hush_ = false;
      taken.swap(requests_);
    }
    take(taken);
    if (voices_.empty()) continue;
    std::string why;
    if (!output_->write(mix(), why)) {
      give_up(why);
      return;
    }
  }
}

}  // namespace tarvix::sound
