// Each sound is a recipe of mallet notes and rustles. The family: a soft
// bell for what the player should notice (the turn, the limits, the end), a
// clay chip's clack for stakes, a knuckle on wood for a check, and paper on
// felt for the cards.
#include "sound/sounds.h"

#include "sound/synth.h"

namespace tarvix::sound {

namespace {

// Every sound's loudest 30 ms, as RMS in full scale (about -15 dBFS).
constexpr double loudness = 0.17;
constexpr double end_fade_ms = 12.0;

// A soft bell: the fundamental with a quiet octave and a quiet fourth
// harmonic, the higher partials dying first.
void bell(Samples& out, double at_ms, double hz, double level, double ring_ms) {
  strike(out, {at_ms, hz, level, 6.0},
         {{1.0, 1.0, ring_ms}, {2.0, 0.18, ring_ms / 2}, {4.0, 0.06, ring_ms / 5}});
}

// A clay chip landing on others: a high, inharmonic, very short clack.
void clack(Samples& out, double at_ms, double hz, double level) {
  strike(out, {at_ms, hz, level, 1.5},
         {{1.0, 1.0, 16}, {1.58, 0.7, 11}, {2.31, 0.45, 8}, {3.12, 0.25, 6}});
  rustle(out, {at_ms, 2, 6, 5000, 4000, 1.2, level * 0.6, static_cast<std::uint32_t>(hz)});
}

// A knuckle on the wooden rail.
void knock(Samples& out, double at_ms, double level) {
  strike(out, {at_ms, 190, level, 1.0}, {{1.0, 1.0, 30}, {2.62, 0.55, 14}, {4.1, 0.3, 8}});
  rustle(out, {at_ms, 0.8, 18, 1100, 700, 1.5, level * 1.4, 7});
}

// A card leaving the deck and landing on the felt.
void flick(Samples& out, double at_ms, double level, std::uint32_t seed) {
  rustle(out, {at_ms, 5, 45, 3200, 1800, 0.9, level, seed});
  strike(out, {at_ms + 30, 150, level * 0.25, 2.0}, {{1.0, 1.0, 14}});
}

Samples blank(double ms) { return Samples(static_cast<std::size_t>(samples_in(ms)), 0.0F); }

Samples recipe(Sound sound) {
  switch (sound) {
    case Sound::card_dealt: {
      auto s = blank(130);
      flick(s, 2, 1.0, 11);
      return s;
    }
    case Sound::card_turned: {
      // The card slides up over the felt, then its face snaps down.
      auto s = blank(220);
      rustle(s, {0, 40, 60, 1200, 2200, 1.2, 0.7, 23});
      rustle(s, {105, 3, 40, 4200, 2600, 1.0, 1.0, 29});
      strike(s, {130, 140, 0.2, 2.0}, {{1.0, 1.0, 16}});
      return s;
    }
    case Sound::chips: {
      auto s = blank(260);
      clack(s, 2, 2350, 1.0);
      clack(s, 62, 2620, 0.75);
      clack(s, 128, 2480, 0.5);
      return s;
    }
    case Sound::check: {
      auto s = blank(200);
      knock(s, 2, 1.0);
      knock(s, 92, 0.8);
      return s;
    }
    case Sound::fold: {
      // The cards pushed away face down: a swish falling in pitch.
      auto s = blank(280);
      rustle(s, {0, 70, 190, 2400, 650, 1.4, 1.0, 41});
      return s;
    }
    case Sound::pot: {
      // The chips slide across the felt and settle with a few clacks.
      auto s = blank(520);
      rustle(s, {0, 140, 260, 900, 1500, 1.1, 0.9, 53});
      clack(s, 300, 2400, 0.45);
      clack(s, 350, 2680, 0.35);
      clack(s, 410, 2520, 0.25);
      return s;
    }
    case Sound::your_turn: {
      // Up a fifth: a question, heard before the words.
      auto s = blank(420);
      bell(s, 0, 659.3, 0.9, 200);
      bell(s, 120, 987.8, 1.0, 180);
      return s;
    }
    case Sound::limits_up: {
      auto s = blank(460);
      bell(s, 0, 392.0, 0.8, 150);
      bell(s, 90, 493.9, 0.9, 150);
      bell(s, 180, 587.3, 1.0, 180);
      return s;
    }
    case Sound::knocked_out: {
      // Falling, slower and darker: the tournament is over for the player.
      auto s = blank(900);
      bell(s, 0, 329.6, 1.0, 260);
      bell(s, 220, 261.6, 0.9, 260);
      bell(s, 440, 220.0, 0.9, 320);
      return s;
    }
    case Sound::won: {
      auto s = blank(1000);
      bell(s, 0, 523.3, 0.8, 220);
      bell(s, 110, 659.3, 0.85, 220);
      bell(s, 220, 784.0, 0.9, 240);
      bell(s, 330, 1046.5, 1.0, 330);
      return s;
    }
  }
  return {};
}

}  // namespace

std::string_view name(Sound sound) {
  switch (sound) {
    case Sound::card_dealt: return "card-dealt";
    case Sound::card_turned: return "card-turned";
    case Sound::chips: return "chips";
    case Sound::check: return "check";
    case Sound::fold: return "fold";
    case Sound::pot: return "pot";
    case Sound::your_turn: return "your-turn";
    case Sound::limits_up: return "limits-up";
    case Sound::knocked_out: return "knocked-out";
    case Sound::won: return "won";
  }
  return "";
}

std::vector<float> synthesize(Sound sound) {
  Samples s = recipe(sound);
  finish(s, end_fade_ms, loudness, peak_limit);
  return s;
}

}  // namespace tarvix::sound
