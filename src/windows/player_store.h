// The player's tournaments, record and choices: one SQLite database in the
// data folder, opened on a thread of its own while the splash shows, so
// that the first window never waits for it.
#pragma once

#include <QString>
#include <future>
#include <memory>
#include <optional>

#include "store/store.h"

namespace tarvix::windows {

class PlayerStore {
 public:
  // The database file in the folder; empty names the data folder of the
  // application (QStandardPaths::AppDataLocation).
  explicit PlayerStore(const QString& folder = {});
  ~PlayerStore();
  PlayerStore(const PlayerStore&) = delete;
  PlayerStore& operator=(const PlayerStore&) = delete;

  // Starts opening the file on a thread of its own. The game calls it once
  // the splash is on its way: a long record's checks would slow the first
  // window (a record of 1000 tournaments took 1.20 times the bare window).
  void open();
  // Opens it if not begun, and waits until it is open; null when the game
  // plays without saving.
  store::Store* get();
  // The sentence the player reads once about how the file was found, or empty.
  QString take_notice();
  static QString file_name() { return QStringLiteral("tarvix.sqlite"); }

 private:
  QString where_;
  std::future<store::Store::Opened> opening_;
  std::optional<store::Store::Opened> opened_;
};

}  // namespace tarvix::windows
