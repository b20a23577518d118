// The player's tournaments, kept in one SQLite database: the record of
// every tournament, the journal that replays the one in play, and the
// choices the settings window remembers.
//
//   auto opened = Store::open(folder + "/tarvix.sqlite");
//   if (!opened.notice.empty()) tell_the_player(opened.notice);  // one sentence
//   Store* store = opened.store.get();  // null: play on without saving
//
//   // The record window reads; every read sees every write made before it.
//   std::vector<TournamentRow> rows = store->tournaments();  // newest first
//   Totals totals = store->totals();
//   std::optional<Standing> s = standing_of(rows, rows.front().id);
//   std::string log = store->hand_log(rows.front().id);  // the whole hand log, as text
//   store->forget_all();  // the record and the journal; the choices stay
//   store->forget_record();  // the closed tournaments only
//
// Writes return at once: a writer thread commits them in order, durably (WAL,
// synchronous=FULL), those that queue up while one commits in a single
// transaction. Reads are for windows that open, never for a frame. The store
// holds the file's lock while it is open, so a second copy of the game finds
// it busy. A file that is damaged, foreign, from a later version or altered
// is renamed aside with the date, never deleted, and a new one made. A write
// that fails (a full disk) stops saving; failed() says so from then on.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "model/commands.h"
#include "model/journal.h"
#include "store/record.h"

namespace tarvix::store {

class Connection;

// A hand's start as saved: where replay checks that it still deals the same.
struct Checkpoint {
  int hand = 0;
  Millis at = 0;
  std::vector<Chips> stacks;  // seats 1 .. 7
  bool operator==(const Checkpoint&) const = default;
};

// What a new tournament starts from.
struct Start {
  std::uint64_t number = 0;  // the seed
  Settings settings;
  Millis start_ms = 0;  // the game's time when the table loaded
  std::string date;     // UTC, "YYYY-MM-DD HH:MM"; empty for now
};

// Everything that replays a kept tournament.
struct Saved {
  std::int64_t id = 0;
  Start start;
  Millis saved_ms = 0;  // the game's time last saved
  int times_resumed = 0;
  Progress progress;
  std::vector<Command> commands;
  std::vector<Checkpoint> checkpoints;  // by hand
};

class Store {
 public:
  struct Opened {
    std::unique_ptr<Store> store;  // null: the game plays on without saving
    std::string notice;            // one sentence for the player, or empty
    std::string set_aside;         // where a file that could not be used went
  };
  static Opened open(const std::string& path);
  ~Store();
  Store(const Store&) = delete;
  Store& operator=(const Store&) = delete;

  // ---- Writes: queued, committed in order by the writer thread ----------------
  // A new tournament, returning its id; any other kept one is abandoned.
  std::int64_t begin(const Start& start);
  void command(std::int64_t id, int seq, const Command& command);
  void checkpoint(std::int64_t id, const Checkpoint& checkpoint, const Progress& progress);
  // Time passed without commands, and the record as it stands.
  void progress(std::int64_t id, Millis saved_ms, const Progress& progress);
  void hand_log(std::int64_t id, int hand, const std::string& text);
  void resumed(std::int64_t id);
  // The tournament ends: place is the finish (1 when won), none if abandoned.
  void close(std::int64_t id, Outcome outcome, std::optional<int> place, int field,
             const Progress& progress);
  void remember(const std::string& key, const std::string& value);
  void forget_all();
  // The record of every closed tournament; the one kept for later, or in
  // play, stays with its journal.
  void forget_record();

  // Waits until every write queued so far is committed (or has failed).
  void flush();
  // A write failed: nothing more is saved.
  bool failed() const;

  // ---- Reads --------------------------------------------------------------------
  std::vector<TournamentRow> tournaments();  // newest first, kept ones too
  Totals totals() { return totals_of(tournaments()); }
  // The kept tournament, if there is one, with all it takes to replay it.
  std::optional<Saved> kept();
  // Its hand log, hand after hand.
  std::string hand_log(std::int64_t id);
  std::map<std::string, std::string> choices();

 private:
  explicit Store(std::unique_ptr<Connection> db);
  using Job = std::function<void(Connection&)>;
  void queue(Job job);
  void write_loop();
  // Deletes the tournaments matching an SQL condition, with all they keep.
  void forget(const std::string& which);
  template <typename Read>
  auto read(Read read_rows);

  std::unique_ptr<Connection> db_;
  std::int64_t next_id_ = 1;
  mutable std::mutex mutex_;  // the queue
  std::mutex db_mutex_;       // the connection
  std::condition_variable wake_, drained_;
  std::deque<Job> jobs_;
  bool writing_ = false;
  bool failed_ = false;
  bool stopping_ = false;
  std::thread writer_;
};

}  // namespace tarvix::store
