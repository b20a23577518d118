#include "windows/player_store.h"

#include <QDir>
#include <QStandardPaths>

namespace tarvix::windows {

PlayerStore::PlayerStore(const QString& folder)
    : where_(folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                              : folder) {}

void PlayerStore::open() {
  if (opening_.valid() || opened_) return;
  opening_ = std::async(std::launch::async, [where = where_]() {
    if (!QDir().mkpath(where)) {
      store::Store::Opened none;
      none.notice = "Your tournaments cannot be saved (the folder " + where.toStdString() +
                    " cannot be made), so the game plays without saving.";
      return none;
    }
    return store::Store::open(QDir(where).filePath(file_name()).toStdString());
  });
}

PlayerStore::~PlayerStore() {
  if (opening_.valid()) opening_.wait();
}

store::Store* PlayerStore::get() {
  if (!opened_) {
    open();
    opened_ = opening_.get();
  }
  return opened_->store.get();
}

QString PlayerStore::take_notice() {
  get();
  return QString::fromStdString(std::exchange(opened_->notice, {}));
}

}  // namespace tarvix::windows
