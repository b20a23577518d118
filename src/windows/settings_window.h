// The settings window (`settings`): the player's name, the room behind the
// table, the card backs, the table-top colour and the game speed. Ok opens
// the table, which takes the choices with it.
#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "model/commands.h"
#include "windows/card_pictures.h"
#include "windows/game_speed.h"

class QLineEdit;
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

 signals:
  void ok();
  void exit_requested();
  // Record: the player asks for the record of the tournaments played.
  void record_requested();

 protected:
  // Closing the window is its Exit button.
  void closeEvent(class QCloseEvent* event) override;

 private:
  CardPictures pictures_;
  QLineEdit* name_box_;
  ChoiceGroup* rooms_;  // Image2, Image3, Image4, Label9
  ChoiceGroup* backs_;  // Image5 .. Image8
  ChoiceGroup* tops_;   // Label7, Label5, Label4, Label6
  ChoiceGroup* speeds_;
  GameSpeed speed_ = GameSpeed::normal;
  int backside_ = 0;
  Color tabletop_ = default_tabletop;
  std::optional<int> room_;
};

}  // namespace tarvix::windows
