// A thin hold on the SQLite C library: a connection and its prepared
// statements that finalize and close themselves, and errors as exceptions
// that carry SQLite's result code, so that the store can tell a damaged file
// from a full disk or a copy of the game that holds the lock.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tarvix::store {

class SqlError : public std::runtime_error {
 public:
  SqlError(int code, const std::string& what) : std::runtime_error(what), code_(code) {}
  int code() const { return code_; }  // the primary result code
  bool busy() const { return code_ == SQLITE_BUSY || code_ == SQLITE_LOCKED; }
  bool damaged() const { return code_ == SQLITE_CORRUPT || code_ == SQLITE_NOTADB; }

 private:
  int code_;
};

class Statement;

class Connection {
 public:
  // Opens (creating when asked) the file; throws SqlError.
  Connection(const std::string& path, bool create);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  void exec(const std::string& sql);
  // The single value of a query that returns one row, or fallback.
  std::int64_t number(const std::string& sql, std::int64_t fallback = 0);
  std::string text(const std::string& sql);
  sqlite3* handle() { return db_; }
  [[noreturn]] void fail(int rc) const;

 private:
  sqlite3* db_ = nullptr;
};

class Statement {
 public:
  Statement(Connection& db, std::string_view sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& bind(int i, std::int64_t v);
  Statement& bind(int i, const std::string& v);
  // True while a row is there to read; throws on an error.
  bool step();
  // Runs a statement that returns no rows, then makes it ready again.
  void run();
  void reset();

  std::int64_t integer(int col) const { return sqlite3_column_int64(stmt_, col); }
  std::string text(int col) const;
  bool null(int col) const { return sqlite3_column_type(stmt_, col) == SQLITE_NULL; }

 private:
  Connection& db_;
  sqlite3_stmt* stmt_ = nullptr;
};

// BEGIN IMMEDIATE; commits when told, rolls back when left without.
class Transaction {
 public:
  explicit Transaction(Connection& db) : db_(db) { db_.exec("BEGIN IMMEDIATE"); }
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  void commit();

 private:
  Connection& db_;
  bool done_ = false;
};

}  // namespace tarvix::store
