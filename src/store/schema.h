// The database's tables, its version in user_version and the steps that
// bring an older file forward. A file is ours only when its application_id
// is the game's and its tables are exactly the ones its version defines.
#pragma once

#include <string>

#include "store/sqlite.h"

namespace tarvix::store {

constexpr int schema_version = 1;
constexpr int application_id = 0x54525658;  // "TRVX"

enum class FileState { ours, blank, foreign, future, altered };

// What the open file is, before anything is written to it.
FileState inspect(Connection& db);
// Creates the tables in a blank file, or brings an older one forward.
void create_or_migrate(Connection& db);

}  // namespace tarvix::store
