#include "store/store.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "model/table.h"
#include "store/schema.h"
#include "store/sqlite.h"

namespace tarvix::store {

namespace fs = std::filesystem;

namespace {

// Far more than any tournament gives: a file that claims more is not read.
constexpr int most_commands = 4'000'000;
constexpr int most_hands = most_commands;
constexpr std::string_view sqlite_magic{"SQLite format 3\0", 16};
constexpr std::size_t sqlite_header = 100;

std::string utc(const char* format) {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  gmtime_r(&now, &tm);
  char text[32];
  return std::string(text, std::strftime(text, sizeof text, format, &tm));
}

// Why the file at path is no database of ours, before SQLite reads it.
std::optional<std::string> header_fault(const std::string& path) {
  std::error_code error;
  if (!fs::exists(path, error)) return std::nullopt;
  const auto size = fs::file_size(path, error);
  if (error) return std::nullopt;  // SQLite will say what is wrong
  if (size == 0) return "it was empty";
  std::ifstream in(path, std::ios::binary);
  std::string head(sqlite_header, '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  if (in.gcount() < static_cast<std::streamsize>(sqlite_header) ||
      head.compare(0, sqlite_magic.size(), sqlite_magic) != 0)
    return "it is not a database";
  return std::nullopt;
}

std::string state_fault(FileState state) {
  switch (state) {
    case FileState::foreign: return "it belongs to another program";
    case FileState::future: return "a later version of the game wrote it";
    case FileState::altered: return "its tables are not the game's";
    case FileState::ours:
    case FileState::blank: break;
  }
  return {};
}

// Renames the file and its write-ahead log aside, with the date; returns
// the new name, or empty if the file could not be moved.
std::string set_aside(const std::string& path) {
  const std::string stem = path + ".set-aside-" + utc("%Y-%m-%d-%H%M%S");
  std::string aside = stem;
  std::error_code error;
  for (int n = 2; fs::exists(aside, error); ++n) aside = stem + "-" + std::to_string(n);
  fs::rename(path, aside, error);
  if (error) return {};
  for (const char* extra : {"-wal", "-shm", "-journal"})
    if (fs::exists(path + extra, error)) fs::rename(path + extra, aside + extra, error);
  return aside;
}

std::unique_ptr<Connection> open_ours(const std::string& path, std::string& fault) {
  if (auto why = header_fault(path)) {
    fault = *why;
    return nullptr;
  }
  auto db = std::make_unique<Connection>(path, true);
  if (sqlite3_db_readonly(db->handle(), "main") == 1)
    throw SqlError(SQLITE_READONLY, "the file is read-only");
  // One writer: the lock is held from the first read until the store closes.
  db->exec("PRAGMA locking_mode = EXCLUSIVE");
  const FileState state = inspect(*db);
  fault = state_fault(state);
  // Nothing is written to a file before it is known to be sound. The hand
  // logs, nearly all of a long record, are left out: checking them at every
  // start read the whole file (1.7 s for a record of 1000 tournaments) while
  // the splash drew. A damaged log reads as empty, and a write to it fails
  // and stops saving, as a full disk does.
  for (const char* table : {"tournament", "command", "checkpoint", "choice"})
    if (state == FileState::ours &&
        db->text("PRAGMA quick_check(" + std::string(table) + ")") != "ok")
      fault = "it is damaged";
  if (!fault.empty()) return nullptr;
  if (db->text("PRAGMA journal_mode = WAL") != "wal")
    throw SqlError(SQLITE_CANTOPEN, "the folder does not allow a write-ahead log");
  db->exec("PRAGMA synchronous = FULL");
  db->exec("BEGIN EXCLUSIVE; COMMIT");
  create_or_migrate(*db);
  return db;
}

// A figure read back that the game could never have written, from a file
// damaged or altered, counts as the nearest one it could have.
std::int64_t within(std::int64_t value, std::int64_t most) {
  return std::clamp<std::int64_t>(value, 0, most);
}

Progress progress_of(const Statement& s, int col) {
  Progress p;
  p.hand = static_cast<int>(s.integer(col));
  p.hands_played = static_cast<int>(within(s.integer(col + 1), most_hands));
  p.sat_out_hands = static_cast<int>(within(s.integer(col + 2), most_hands));
  p.players_left = static_cast<int>(s.integer(col + 3));
  p.stack = s.integer(col + 4);
  p.played_ms = within(s.integer(col + 5), latest_game_time);
  p.biggest_win = s.integer(col + 6);
  p.best_hand = s.text(col + 7);
  p.best_value = static_cast<int>(s.integer(col + 8));
  return p;
}

constexpr std::string_view progress_columns =
    "hand, hands, sat_out, players_left, stack, played_ms, biggest_win, best_hand, best_value";
constexpr std::string_view progress_set =
    "hand = ?2, hands = ?3, sat_out = ?4, players_left = ?5, stack = ?6, played_ms = ?7, "
    "biggest_win = ?8, best_hand = ?9, best_value = ?10";

void bind_progress(Statement& s, const Progress& p) {
  s.bind(2, p.hand).bind(3, p.hands_played).bind(4, p.sat_out_hands).bind(5, p.players_left);
  s.bind(6, p.stack).bind(7, p.played_ms).bind(8, p.biggest_win).bind(9, p.best_hand);
  s.bind(10, p.best_value);
}

void update_progress(Connection& db, std::int64_t id, Millis saved_ms, const Progress& progress) {
  Statement s(db, "UPDATE tournament SET " + std::string(progress_set) +
                      ", saved_ms = max(saved_ms, ?11) WHERE id = ?1");
  s.bind(1, id);
  bind_progress(s, progress);
  s.bind(11, saved_ms).run();
}

std::string stacks_text(const std::vector<Chips>& stacks) {
  std::string text;
  for (const Chips c : stacks) {
    if (!text.empty()) text += ' ';
    text += std::to_string(c);
  }
  return text;
}

std::vector<Chips> stacks_of(const std::string& text) {
  std::vector<Chips> stacks;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t used = 0;
    try {
      stacks.push_back(std::stoll(text.substr(at), &used));
    } catch (const std::exception&) {
      return {};  // not a list of numbers: the checkpoint cannot match
    }
    at += used + 1;
  }
  return stacks;
}

}  // namespace

Store::Opened Store::open(const std::string& path) {
  Opened opened;
  for (int attempt = 0; attempt < 2 && !opened.store; ++attempt) {
    std::string fault;
    try {
      auto db = open_ours(path, fault);
      if (db) {
        opened.store.reset(new Store(std::move(db)));
        break;
      }
    } catch (const SqlError& e) {
      if (e.busy()) {
        opened.notice =
            "Your tournaments are open in another copy of the game, so this one plays without "
            "saving.";
        return opened;
      }
      if (!e.damaged()) {
        opened.notice = "Your tournaments cannot be saved here (" + std::string(e.what()) +
                        "), so the game plays without saving.";
        return opened;
      }
      fault = "it is damaged";
    }
    if (fault.empty() || attempt > 0) break;
    opened.set_aside = set_aside(path);
    if (opened.set_aside.empty()) {
      opened.notice = "Your saved tournaments could not be read because " + fault +
                      ", and the file could not be moved aside, so the game plays without saving.";
      return opened;
    }
    opened.notice = "Your saved tournaments could not be read because " + fault +
                    ", so the file was set aside as " +
                    fs::path(opened.set_aside).filename().string() + " and a new one begun.";
  }
  return opened;
}

Store::Store(std::unique_ptr<Connection> db) : db_(std::move(db)) {
  next_id_ = db_->number("SELECT max(id) FROM tournament", 0) + 1;
  writer_ = std::thread([this] { write_loop(); });
}

Store::~Store() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  writer_.join();
}

void Store::queue(Job job) {
  {
    std::lock_guard lock(mutex_);
    if (failed_) return;
    jobs_.push_back(std::move(job));
  }
  wake_.notify_one();
}

void Store::write_loop() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
    if (jobs_.empty()) return;
    std::deque<Job> batch;
    batch.swap(jobs_);
    writing_ = true;
    lock.unlock();
    bool ok = true;
    {
      std::lock_guard db_lock(db_mutex_);
      try {
        Transaction t(*db_);
        for (const Job& job : batch) job(*db_);
        t.commit();
      } catch (const SqlError&) {
        ok = false;
      }
    }
    lock.lock();
    writing_ = false;
    if (!ok) {
      failed_ = true;
      jobs_.clear();
    }
    drained_.notify_all();
  }
}

void Store::flush() {
  std::unique_lock lock(mutex_);
  drained_.wait(lock, [this] { return jobs_.empty() && !writing_; });
}

bool Store::failed() const {
  std::lock_guard lock(mutex_);
  return failed_;
}

template <typename Read>
auto Store::read(Read read_rows) {
  flush();
  std::lock_guard db_lock(db_mutex_);
  try {
    return read_rows(*db_);
  } catch (const SqlError&) {
    return decltype(read_rows(*db_)){};
  }
}

std::int64_t Store::begin(const Start& start) {
  const std::int64_t id = next_id_++;
  queue(
      [id, start, date = start.date.empty() ? utc("%Y-%m-%d %H:%M") : start.date](Connection& db) {
        db.exec("UPDATE tournament SET outcome = " + std::to_string(int(Outcome::abandoned)) +
                " WHERE outcome = " + std::to_string(int(Outcome::kept)));
        Statement s(db,
                    "INSERT INTO tournament VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, 0, NULL, 0, 0, ?7, "
                    "0, 0, 0, 0, 0, 0, 0, '', -1)");
        s.bind(1, id).bind(2, static_cast<std::int64_t>(start.number)).bind(3, date);
        s.bind(4, start.settings.name).bind(5, start.settings.backside);
        s.bind(6, std::int64_t{start.settings.tabletop}).bind(7, start.start_ms);
        s.run();
      });
  return id;
}

void Store::command(std::int64_t id, int seq, const Command& command) {
  queue([id, seq, command](Connection& db) {
    Statement s(db, "INSERT OR REPLACE INTO command VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
    s.bind(1, id).bind(2, seq).bind(3, command.at).bind(4, static_cast<int>(command.kind));
    s.bind(5, command.value).bind(6, command.text).run();
    Statement t(db, "UPDATE tournament SET saved_ms = max(saved_ms, ?2) WHERE id = ?1");
    t.bind(1, id).bind(2, command.at).run();
  });
}

void Store::checkpoint(std::int64_t id, const Checkpoint& checkpoint, const Progress& progress) {
  // One job, so one transaction: a hand's start is never kept without the
  // time that reaches it.
  queue([id, checkpoint, progress](Connection& db) {
    Statement s(db, "INSERT OR REPLACE INTO checkpoint VALUES (?1, ?2, ?3, ?4)");
    s.bind(1, id).bind(2, checkpoint.hand).bind(3, checkpoint.at);
    s.bind(4, stacks_text(checkpoint.stacks)).run();
    update_progress(db, id, checkpoint.at, progress);
  });
}

void Store::progress(std::int64_t id, Millis saved_ms, const Progress& progress) {
  queue([id, saved_ms, progress](Connection& db) { update_progress(db, id, saved_ms, progress); });
}

void Store::hand_log(std::int64_t id, int hand, const std::string& text) {
  queue([id, hand, text](Connection& db) {
    Statement s(db, "INSERT OR REPLACE INTO hand_log VALUES (?1, ?2, ?3)");
    s.bind(1, id).bind(2, hand).bind(3, text).run();
  });
}

void Store::resumed(std::int64_t id) {
  queue([id](Connection& db) {
    Statement s(db, "UPDATE tournament SET resumed = resumed + 1 WHERE id = ?1");
    s.bind(1, id).run();
  });
}

void Store::close(std::int64_t id, Outcome outcome, std::optional<int> place, int field,
                  const Progress& progress) {
  queue([id, outcome, place, field, progress](Connection& db) {
    update_progress(db, id, 0, progress);
    Statement s(db, "UPDATE tournament SET outcome = ?2, place = ?3, field = ?4 WHERE id = ?1");
    s.bind(1, id).bind(2, static_cast<int>(outcome)).bind(4, field);
    if (place) s.bind(3, *place);
    s.run();
  });
}

void Store::remember(const std::string& key, const std::string& value) {
  queue([key, value](Connection& db) {
    Statement s(db, "INSERT OR REPLACE INTO choice VALUES (?1, ?2)");
    s.bind(1, key).bind(2, value).run();
  });
}

void Store::forget_all() { forget("1"); }

void Store::forget_record() { forget("outcome <> " + std::to_string(int(Outcome::kept))); }

void Store::forget(const std::string& which) {
  queue([which](Connection& db) {
    const std::string chosen = "SELECT id FROM tournament WHERE " + which;
    for (const char* table : {"command", "checkpoint", "hand_log"})
      db.exec(std::string("DELETE FROM ") + table + " WHERE tournament IN (" + chosen + ")");
    db.exec("DELETE FROM tournament WHERE " + which);
  });
  flush();
  // Forgotten means gone from the file too, not left in free pages.
  std::lock_guard db_lock(db_mutex_);
  try {
    db_->exec("VACUUM");
  } catch (const SqlError&) {
  }
}

std::vector<TournamentRow> Store::tournaments() {
  return read([](Connection& db) {
    std::vector<TournamentRow> rows;
    Statement s(db, "SELECT id, started, number, name, outcome, place, field, resumed, " +
                        std::string(progress_columns) + " FROM tournament ORDER BY id DESC");
    while (s.step()) {
      TournamentRow r;
      r.id = s.integer(0);
      r.date = s.text(1);
      r.number = static_cast<std::uint64_t>(s.integer(2));
      r.name = s.text(3);
      const auto outcome = s.integer(4);
      r.outcome = outcome >= 0 && outcome <= int(Outcome::abandoned) ? Outcome(outcome)
                                                                     : Outcome::abandoned;
      // No finish outside the field: a place or field beyond it is no record.
      const std::int64_t place = s.integer(5);
      if (!s.null(5) && place >= 1 && place <= field_size) r.place = static_cast<int>(place);
      r.field = static_cast<int>(within(s.integer(6), field_size));
      r.times_resumed = static_cast<int>(s.integer(7));
      r.progress = progress_of(s, 8);
      rows.push_back(std::move(r));
    }
    return rows;
  });
}

std::optional<Saved> Store::kept() {
  return read([](Connection& db) -> std::optional<Saved> {
    Statement s(db,
                "SELECT id, number, started, name, backside, tabletop, start_ms, saved_ms, "
                "resumed, " +
                    std::string(progress_columns) +
                    " FROM tournament WHERE outcome = 0 ORDER BY id DESC LIMIT 1");
    if (!s.step()) return std::nullopt;
    Saved saved;
    saved.id = s.integer(0);
    saved.start.number = static_cast<std::uint64_t>(s.integer(1));
    saved.start.date = s.text(2);
    saved.start.settings.name = s.text(3);
    saved.start.settings.backside = static_cast<int>(s.integer(4));
    saved.start.settings.tabletop = static_cast<Color>(s.integer(5));
    saved.start.start_ms = s.integer(6);
    saved.saved_ms = s.integer(7);
    saved.times_resumed = static_cast<int>(s.integer(8));
    saved.progress = progress_of(s, 9);
    Statement c(db,
                "SELECT at, kind, value, text FROM command WHERE tournament = ?1 ORDER BY seq "
                "LIMIT ?2");
    c.bind(1, saved.id).bind(2, most_commands);
    while (c.step())
      saved.commands.push_back({c.integer(0), static_cast<CommandKind>(c.integer(1)),
                                static_cast<int>(c.integer(2)), c.text(3)});
    Statement k(db,
                "SELECT hand, at, stacks FROM checkpoint WHERE tournament = ?1 ORDER BY hand "
                "LIMIT ?2");
    k.bind(1, saved.id).bind(2, most_commands);
    while (k.step())
      saved.checkpoints.push_back(
          {static_cast<int>(k.integer(0)), k.integer(1), stacks_of(k.text(2))});
    return saved;
  });
}

std::string Store::hand_log(std::int64_t id) {
  return read([id](Connection& db) {
    std::string log;
    Statement s(db, "SELECT text FROM hand_log WHERE tournament = ?1 ORDER BY hand");
    s.bind(1, id);
    while (s.step()) {
      log += s.text(0);
      if (!log.empty() && log.back() != '\n') log += '\n';
    }
    return log;
  });
}

std::map<std::string, std::string> Store::choices() {
  return read([](Connection& db) {
    std::map<std::string, std::string> all;
    Statement s(db, "SELECT key, value FROM choice");
    while (s.step()) all[s.text(0)] = s.text(1);
    return all;
  });
}

}  // namespace tarvix::store
