#include "store/schema.h"

#include <array>
#include <set>
#include <string_view>
#include <utility>

namespace tarvix::store {

namespace {

// Version 1. A tournament's row is its record; its commands and hand-start
// checkpoints replay it; its hand log is kept as the player read it.
constexpr std::array<std::string_view, 5> tables_v1 = {
    "CREATE TABLE tournament (id INTEGER PRIMARY KEY, number INTEGER NOT NULL, "
    "started TEXT NOT NULL, name TEXT NOT NULL, backside INTEGER NOT NULL, "
    "tabletop INTEGER NOT NULL, start_ms INTEGER NOT NULL, outcome INTEGER NOT NULL, "
    "place INTEGER, field INTEGER NOT NULL, resumed INTEGER NOT NULL, saved_ms INTEGER NOT NULL, "
    "hand INTEGER NOT NULL, hands INTEGER NOT NULL, sat_out INTEGER NOT NULL, "
    "players_left INTEGER NOT NULL, stack INTEGER NOT NULL, played_ms INTEGER NOT NULL, "
    "biggest_win INTEGER NOT NULL, best_hand TEXT NOT NULL, best_value INTEGER NOT NULL) STRICT",
    "CREATE TABLE command (tournament INTEGER NOT NULL, seq INTEGER NOT NULL, at INTEGER NOT "
    "NULL, kind INTEGER NOT NULL, value INTEGER NOT NULL, text TEXT NOT NULL, "
    "PRIMARY KEY (tournament, seq)) STRICT, WITHOUT ROWID",
    "CREATE TABLE checkpoint (tournament INTEGER NOT NULL, hand INTEGER NOT NULL, at INTEGER "
    "NOT NULL, stacks TEXT NOT NULL, PRIMARY KEY (tournament, hand)) STRICT, WITHOUT ROWID",
    "CREATE TABLE hand_log (tournament INTEGER NOT NULL, hand INTEGER NOT NULL, text TEXT NOT "
    "NULL, PRIMARY KEY (tournament, hand)) STRICT, WITHOUT ROWID",
    "CREATE TABLE choice (key TEXT PRIMARY KEY, value TEXT NOT NULL) STRICT, WITHOUT ROWID",
};

// Each later version adds its steps here, applied in order from the file's.
constexpr std::array<std::pair<int, std::string_view>, 0> migrations{};

}  // namespace

FileState inspect(Connection& db) {
  const auto id = db.number("PRAGMA application_id");
  const auto version = db.number("PRAGMA user_version");
  std::set<std::string> found;
  bool other = false;
  Statement s(db, "SELECT type, sql FROM sqlite_schema");
  while (s.step()) {
    // Primary keys of WITHOUT ROWID and text keys bring their own indexes,
    // which have no SQL.
    if (s.text(0) == "index" && s.null(1)) continue;
    other = other || s.text(0) != "table";
    found.insert(s.text(1));
  }
  if (found.empty() && !other && id == 0 && version == 0) return FileState::blank;
  if (id != application_id) return FileState::foreign;
  if (version > schema_version) return FileState::future;
  if (version < 1 || other) return FileState::altered;
  std::set<std::string> expected(tables_v1.begin(), tables_v1.end());
  for (const auto& [to, sql] : migrations)
    if (to <= version) expected.insert(std::string(sql));
  return found == expected ? FileState::ours : FileState::altered;
}

void create_or_migrate(Connection& db) {
  Transaction t(db);
  int version = static_cast<int>(db.number("PRAGMA user_version"));
  if (version == 0) {
    for (const std::string_view sql : tables_v1) db.exec(std::string(sql));
    db.exec("PRAGMA application_id = " + std::to_string(application_id));
    version = 1;
  }
  for (const auto& [to, sql] : migrations)
    if (to > version) db.exec(std::string(sql));
  db.exec("PRAGMA user_version = " + std::to_string(schema_version));
  t.commit();
}

}  // namespace tarvix::store
