#include "windows/table_sound.h"

#include <QPointer>
#include <cstdio>

#include "sound/pulse_output.h"
#include "windows/game_host.h"

namespace tarvix::windows {

using sound::Sound;

namespace {
constexpr double full_volume = 100.0;
}  // namespace

double volume_gain(int volume) {
  const double v = std::clamp(volume / full_volume, 0.0, 1.0);
  return v * v;
}

TableSound::TableSound(GameHost& host, QObject* parent) : QObject(parent), host_(host) {
  use_output(sound::pulse_output);
  player_->set_volume(volume_gain(SoundChoice::default_volume));
  host.game().listen([self = QPointer<TableSound>(this)](const GameEvent& event) {
    if (self) self->heard(event);
  });
}

void TableSound::use_output(sound::Player::MakeOutput output) {
  const double volume = player_ ? player_->volume() : 0.0;
  QPointer<TableSound> self(this);
  player_ = std::make_unique<sound::Player>(
      [self](const std::string& why) {
        // Said once, from the player's thread: the game plays on silently.
        std::fprintf(stderr, "tarvix: no sound: %s\n", why.c_str());
        QMetaObject::invokeMethod(
            self, [self] { emit self->state_changed(); }, Qt::QueuedConnection);
      },
      std::move(output));
  player_->set_volume(volume);
}

TableSound::~TableSound() = default;

void TableSound::set_choice(SoundChoice choice) {
  player_->set_volume(volume_gain(choice.volume));
  set_on(choice.on);
}

void TableSound::set_on(bool on) {
  if (on == on_) return;
  on_ = on;
  if (!on_) player_->hush();
  emit state_changed();
}

std::vector<Sound> TableSound::cues(const GameEvent& event) {
  return std::visit(
      [](const auto& e) -> std::vector<Sound> {
        using E = std::decay_t<decltype(e)>;
        if constexpr (std::is_same_v<E, HumanTurnOpened>) return {Sound::your_turn};
        if constexpr (std::is_same_v<E, ForcedBet>) return {Sound::chips};
        if constexpr (std::is_same_v<E, StreetShown>) return {Sound::card_dealt};
        if constexpr (std::is_same_v<E, LimitsRaised>) return {Sound::limits_up};
        if constexpr (std::is_same_v<E, SeatAction>) {
          switch (e.kind) {
            case ActionKind::check: return {Sound::check};
            case ActionKind::fold: return {Sound::fold};
            default: return {Sound::chips};
          }
        }
        if constexpr (std::is_same_v<E, Showdown>) {
          // Hands turned up, then the pot slides; an uncontested pot just slides.
          if (e.contested) return {Sound::card_turned, Sound::pot};
          return {Sound::pot};
        }
        if constexpr (std::is_same_v<E, TournamentOver>) {
          if (e.finish == Finish::won) return {Sound::won};
          if (e.finish == Finish::knocked_out) return {Sound::knocked_out};
        }
        return {};
      },
      event);
}

void TableSound::heard(const GameEvent& event) {
  // A resumed tournament's replay is not heard again, as it is not said again.
  if (host_.replaying()) return;
  for (Sound sound : cues(event)) {
    if (on_) player_->play(sound);
    emit cued(sound, on_);
  }
}

}  // namespace tarvix::windows
