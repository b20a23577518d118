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
  // Starts opening the database file in the folder; empty names the data
  // folder of the application (QStandardPaths::AppDataLocation).
  explicit PlayerStore(const QString& folder = {});
  ~PlayerStore();
  PlayerStore(const PlayerStore&) = delete;
  PlayerStore& operator=(const PlayerStore&) = delete;

  // Waits until it is open; null when the game plays without saving.
  store::Store* get();
  // The sentence the player reads once about how the file was found, or empty.
  QString take_notice();
  static QString file_name() { return QStringLiteral("tarvix.sqlite"); }

 private:
  std::future<store::Store::Opened> opening_;
  std::optional<store::Store::Opened> opened_;
};

}  // namespace tarvix::windows
