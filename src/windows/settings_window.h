// The settings window (`settings`): the player's name, the room behind the
// table, the card backs and the table-top colour. Ok opens the table, which
// takes the choices with it.
#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "model/table.h"
#include "windows/card_pictures.h"

class QLineEdit;
class QPushButton;

namespace tarvix::windows {

class ChoiceTile;

class SettingsWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr std::array<Color, 4> table_tops{0x8000, 0x4080, 0x800000, 0xC0C000};

  explicit SettingsWindow(QWidget* parent = nullptr);

  int backside() const { return backside_; }
  Color tabletop() const { return tabletop_; }
  QString player_name() const;
  // The room picture (102, 103, 104) chosen last, if any.
  std::optional<int> room() const { return room_; }
  // What the table reads at its load.
  Settings settings() const;

 signals:
  void ok();
  void exit_requested();

 protected:
  // Closing the window is its Exit button.
  void closeEvent(class QCloseEvent* event) override;

 private:
  void mark(const std::vector<ChoiceTile*>& group, ChoiceTile* chosen);

  CardPictures pictures_;
  QLineEdit* name_box_;
  std::vector<ChoiceTile*> rooms_;  // Image2, Image3, Image4, Label9
  std::vector<ChoiceTile*> backs_;  // Image5 .. Image8
  std::vector<ChoiceTile*> tops_;   // Label7, Label5, Label4, Label6
  int backside_ = 0;
  Color tabletop_ = 0x8000;
  std::optional<int> room_;
};

}  // namespace tarvix::windows
