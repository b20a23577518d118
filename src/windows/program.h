// The program's windows in their order: the splash, the settings window,
// then the table. Each window is made when its turn comes and let go when it
// has given way, with its pictures: the table holds the name and the choices.
// Ends when the table ends the game or the settings window's Exit is pressed.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "store/store.h"

namespace tarvix::store {
class Store;
}

namespace tarvix::windows {

class GameHost;
class RecordWindow;
class SplashWindow;
class SettingsWindow;
class TableWindow;
class PlayerStore;

class Program : public QObject {
  Q_OBJECT

 public:
  explicit Program(GameHost& host, QObject* parent = nullptr);
  ~Program() override;

  // The player's tournaments, record and choices: kept from now on.
  void keep_in(PlayerStore* store) { player_store_ = store; }
  // A sentence for the settings window to show.
  void tell(const QString& notice) { notice_ = notice; }
  // Opens the splash, or straight the settings window for another tournament.
  void start(bool splash = true);

  // Where the record is kept; null plays without one (the record window
  // then does not open).
  void set_store(store::Store* store) { store_ = store; }
  // The record window, from the settings window's Record or the table's H.
  void open_record();
  RecordWindow* record() { return record_.get(); }

  // Each window while it is there: the splash until it has given way, the
  // settings window from then until the table opens; null otherwise.
  SplashWindow* splash() { return splash_.get(); }
  SettingsWindow* settings() { return settings_.get(); }
  TableWindow* table() { return table_.get(); }
  bool ended() const { return ended_; }
  // The table opens with its sound off whatever the settings window says:
  // the windows on virtual time, in tests and tools, play in silence.
  void keep_silent(bool silent) { silent_ = silent; }

 signals:
  // Every window is closed; the program should quit (exit code 0).
  void finished();
  // The player asked for another tournament, or the kept one could not be
  // taken up again: the settings window again, on a new game, saying this.
  void play_again(const QString& notice);

 private:
  void open_settings();
  void open_table();
  void resume_table();
  void make_table();
  void end();
  // Hides a window now and deletes it once the event loop is back, as it may
  // be inside one of its own handlers; the pointer is null at once.
  template <typename Window>
  void let_go(std::unique_ptr<Window>& window);

  GameHost& host_;
  std::unique_ptr<SplashWindow> splash_;
  std::unique_ptr<SettingsWindow> settings_;
  std::unique_ptr<TableWindow> table_;
  std::unique_ptr<RecordWindow> record_;
  store::Store* store_ = nullptr;
  bool ended_ = false;
  PlayerStore* player_store_ = nullptr;
  QString notice_;
  std::optional<store::Saved> kept_;
  bool silent_ = false;
};

}  // namespace tarvix::windows
