// The game's sounds, made by code: one family of soft mallet and paper
// timbres, each short, faded in and out so that it starts and ends without a
// click, and levelled to the others. Standard library only, so that the
// tool that writes them out and the tests need no Qt.
#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace tarvix::sound {

enum class Sound {
  card_dealt,
  card_turned,
  chips,
  check,
  fold,
  pot,
  your_turn,
  limits_up,
  knocked_out,
  won,
};

inline constexpr std::array all_sounds = {
    Sound::card_dealt, Sound::card_turned, Sound::chips,     Sound::check,       Sound::fold,
    Sound::pot,        Sound::your_turn,   Sound::limits_up, Sound::knocked_out, Sound::won,
};

// Mono samples at this rate.
inline constexpr int sample_rate = 48000;
// No sample of any sound goes above this, in full scale (-1 dBFS).
inline constexpr float peak_limit = 0.891F;

// A name for the sound's file and for messages: "card-dealt".
std::string_view name(Sound sound);

// The sound's samples in [-1, 1]; the same every time.
std::vector<float> synthesize(Sound sound);

}  // namespace tarvix::sound
