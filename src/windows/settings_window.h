// The settings window (`settings`): the player's name, the room behind the
// table, the card backs, the table-top colour, the game speed and the sound. Ok opens
// the table, which takes the choices with it.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "model/commands.h"
#include "windows/card_pictures.h"
#include "windows/game_speed.h"
#include "windows/table_sound.h"

class QLabel;
class QCheckBox;
class QLineEdit;
class QSlider;
class QPushButton;

namespace tarvix::windows {

class ChoiceGroup;

class SettingsWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr std::array<Color, 4> table_tops{default_tabletop, 0x4080, 0x800000, 0xC0C000};

  explicit SettingsWindow(QWidget* parent = nullptr);

  int backside() const { return backside_; }
  Color tabletop() const { return tabletop_; }
  QString player_name() const;
  // The room picture (102, 103, 104) chosen last, if any.
  std::optional<int> room() const { return room_; }
  // What the table reads at its load.
  Settings settings() const;
  // The pace the table starts at.
  GameSpeed speed() const { return speed_; }
  // The tournament number typed, if any: blank plays a new one.
  std::optional<std::uint64_t> number() const;

  // The choices made last time, as the store keeps them by name.
  void fill(const std::map<std::string, std::string>& remembered);
  // The same choices, to keep for next time.
  std::map<std::string, std::string> remembered() const;
  // The speed and the sound as the player last set them at the table, kept
  // as this window keeps its own.
  static std::map<std::string, std::string> remembered_at_table(GameSpeed speed, bool sound_on);
  // Offers to take up the kept tournament, beside Ok: the button's text.
  void offer_resume(const QString& text);
  // One sentence on how the player's tournaments are kept, when not as usual.
  void tell(const QString& notice);
  // Sound on or off, and its volume.
  SoundChoice sound() const;
  void set_sound(SoundChoice choice);

 signals:
  void ok();
  void resume();
  void exit_requested();
  // Record: the player asks for the record of the tournaments played.
  void record_requested();

 protected:
  // Closing the window is its Exit button.
  void closeEvent(class QCloseEvent* event) override;

 private:
  CardPictures pictures_;
  QLineEdit* name_box_;
  QLineEdit* number_box_;
  QPushButton* resume_button_;
  QLabel* notice_;
  ChoiceGroup* rooms_;  // Image2, Image3, Image4, Label9
  ChoiceGroup* backs_;  // Image5 .. Image8
  ChoiceGroup* tops_;   // Label7, Label5, Label4, Label6
  ChoiceGroup* speeds_;
  QCheckBox* sound_box_;
  QSlider* volume_;
  GameSpeed speed_ = GameSpeed::normal;
  int backside_ = 0;
  Color tabletop_ = default_tabletop;
  std::optional<int> room_;
};

}  // namespace tarvix::windows
