// The table's sounds: what the game's events sound like, the player's
// choice of sound on or off and its volume, and M's mute at the table. The
// sound server is opened only when the first sound is due, on the player's
// own thread, so a game with sound off never loads it.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "model/game_events.h"
#include "sound/player.h"

namespace tarvix::windows {

class GameHost;

// On by default, at a moderate volume.
struct SoundChoice {
  static constexpr int most_volume = 100;
  static constexpr int default_volume = 60;  // of most_volume
  bool on = true;
  int volume = default_volume;
};

class TableSound : public QObject {
  Q_OBJECT

 public:
  explicit TableSound(GameHost& host, QObject* parent = nullptr);
  ~TableSound() override;

  void set_choice(SoundChoice choice);
  // On: the events sound. M at the table turns it on and off again.
  bool on() const { return on_; }
  void set_on(bool on);
  void toggle() { set_on(!on_); }
  // The sound server could not be had, or went away.
  bool unavailable() const { return player_->silent(); }

  // What an event sounds like, in order; none for most.
  static std::vector<sound::Sound> cues(const GameEvent& event);

  sound::Player& player() { return *player_; }
  // Tests: the sounds go to this output instead of the sound server. Only
  // before the first sound.
  void use_output(sound::Player::MakeOutput output);

 signals:
  // The sound was due: played, or not while sound is off.
  void cued(tarvix::sound::Sound sound, bool played);
  // Sound is on and off again, or has become unavailable.
  void state_changed();

 private:
  void heard(const GameEvent& event);

  GameHost& host_;
  std::unique_ptr<sound::Player> player_;
  bool on_ = true;
};

// The player's volume (0 .. 100) as the gain applied to the sounds: loudness
// is heard on a logarithmic scale, so the gain follows the square.
double volume_gain(int volume);

}  // namespace tarvix::windows
