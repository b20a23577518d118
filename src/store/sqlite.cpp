#include "store/sqlite.h"

namespace tarvix::store {

Connection::Connection(const std::string& path, bool create) {
  const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (create ? SQLITE_OPEN_CREATE : 0);
  const int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
  if (rc != SQLITE_OK) {
    const std::string why = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
    sqlite3_close(db_);
    db_ = nullptr;
    throw SqlError(rc & 0xff, why);
  }
  sqlite3_extended_result_codes(db_, 0);
  // The file may come from anywhere: no schema of its own runs code here.
  for (const int option : {SQLITE_DBCONFIG_ENABLE_TRIGGER, SQLITE_DBCONFIG_ENABLE_VIEW,
                           SQLITE_DBCONFIG_TRUSTED_SCHEMA, SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION})
    sqlite3_db_config(db_, option, 0, nullptr);
  sqlite3_db_config(db_, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
  sqlite3_limit(db_, SQLITE_LIMIT_LENGTH, 1 << 24);
}

Connection::~Connection() { sqlite3_close(db_); }

void Connection::fail(int rc) const { throw SqlError(rc & 0xff, sqlite3_errmsg(db_)); }

void Connection::exec(const std::string& sql) {
  const int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
  if (rc != SQLITE_OK) fail(rc);
}

std::int64_t Connection::number(const std::string& sql, std::int64_t fallback) {
  Statement s(*this, sql);
  return s.step() && !s.null(0) ? s.integer(0) : fallback;
}

std::string Connection::text(const std::string& sql) {
  Statement s(*this, sql);
  return s.step() ? s.text(0) : std::string();
}

Statement::Statement(Connection& db, std::string_view sql) : db_(db) {
  const int rc =
      sqlite3_prepare_v2(db.handle(), sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr);
  if (rc != SQLITE_OK) db.fail(rc);
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement& Statement::bind(int i, std::int64_t v) {
  const int rc = sqlite3_bind_int64(stmt_, i, v);
  if (rc != SQLITE_OK) db_.fail(rc);
  return *this;
}

Statement& Statement::bind(int i, const std::string& v) {
  const int rc =
      sqlite3_bind_text(stmt_, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
  if (rc != SQLITE_OK) db_.fail(rc);
  return *this;
}

bool Statement::step() {
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  db_.fail(rc);
}

void Statement::run() {
  while (step()) {
  }
  reset();
}

void Statement::reset() {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

std::string Statement::text(int col) const {
  const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, col));
  return p ? std::string(p, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, col)))
           : std::string();
}

Transaction::~Transaction() {
  if (!done_) sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit() {
  db_.exec("COMMIT");
  done_ = true;
}

}  // namespace tarvix::store
