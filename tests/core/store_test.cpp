// The store: the record and its queries, the journal that takes a
// tournament up again exactly, and every kind of file it must refuse
// without losing it.
#include "store/store.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "harness/steady_player.h"
#include "model/table.h"
#include "store/keeper.h"
#include "store/schema.h"
#include "store/sqlite.h"
#include "support/table_seen.h"
#include "support/tournaments_on_record.h"

namespace tarvix::store {
namespace {

namespace fs = std::filesystem;

class Folder {
 public:
  Folder() : path_(fs::temp_directory_path() / ("tarvix-store-" + std::to_string(::getpid()))) {
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~Folder() { fs::remove_all(path_); }
  std::string db() const { return (path_ / "tarvix.sqlite").string(); }
  std::vector<fs::path> set_aside() const {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(path_))
      if (entry.path().filename().string().find(".set-aside-") != std::string::npos &&
          entry.path().extension() != ".sqlite-wal")
        found.push_back(entry.path());
    return found;
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

std::string bytes_of(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void write_bytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::unique_ptr<Store> open_fresh(const std::string& path) {
  auto opened = Store::open(path);
  EXPECT_EQ(opened.notice, "");
  return std::move(opened.store);
}

// The totals and standings drawn from such rows are the record window's
// test's, on the same places.
TEST(Record, RowsAndHandLogsComeBackAfterReopeningAndForgettingKeepsTheKeptTournament) {
  Folder folder;
  {
    auto store = open_fresh(folder.db());
    ASSERT_TRUE(store);
    testing::put_on_record(*store, {412, 3, testing::abandoned, 1, 40, testing::kept}, "Ann");
  }
  auto store = open_fresh(folder.db());
  const auto rows = store->tournaments();
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[0].outcome, Outcome::kept);
  EXPECT_EQ(rows[0].number, 4183780u);
  EXPECT_EQ(rows[2].outcome, Outcome::won);
  EXPECT_EQ(rows[3].place, std::nullopt);
  EXPECT_EQ(rows[5].number, 4183775u);
  EXPECT_EQ(rows[5].progress.biggest_win, 824);
  EXPECT_EQ(rows[5].date.size(), std::string("2026-12-08 01:13").size());
  EXPECT_EQ(store->hand_log(rows[5].id), "Hand 1\nAnn calls 412 — é\nHand 2\nAnn folds\n");

  // Forgetting the record leaves the tournament kept for later, journal and all.
  store->command(rows[0].id, 0, Command{5, CommandKind::press_key, 3, ""});
  store->forget_record();
  ASSERT_EQ(store->tournaments().size(), 1u);
  EXPECT_EQ(store->tournaments()[0].number, 4183780u);
  EXPECT_EQ(store->kept()->commands.size(), 1u);
  EXPECT_EQ(store->hand_log(rows[5].id), "");
  EXPECT_EQ(store->totals().played, 0);

  // A new tournament abandons the kept one; forgetting keeps the choices.
  store->remember("name", "Bo");
  store->begin(Start{8, Settings{"Bo", 0, 0x8000}, 0, {}});
  EXPECT_EQ(store->tournaments()[1].outcome, Outcome::abandoned);
  store->forget_all();
  EXPECT_TRUE(store->tournaments().empty());
  EXPECT_FALSE(store->kept());
  EXPECT_EQ(store->choices().at("name"), "Bo");
}

// A real save: a tournament played some way and kept.
std::string make_save(const Folder& folder) {
  auto store = open_fresh(folder.db());
  Game game(std::make_unique<SeededRandom>(11));
  Keeper keeper(*store, game, [&game] { return game.now(); });
  keeper.begin(11, Settings{"Ann", 0, 0x8000});
  harness::play_steadily(game, harness::Policy::random, 5, 3000,
                         [&game] { return game.hand() >= 4; });
  store.reset();
  return bytes_of(folder.db());
}

TEST(OpeningAFile, RefusesWhatIsNotOursSetsItAsideUntouchedAndBeginsAnew) {
  std::string real;
  {
    Folder f;
    real = make_save(f);
  }
  std::string damaged = real;
  for (std::size_t i = 4096; i < damaged.size(); i += 7) damaged[i] = '\x5a';
  const auto foreign = [](Connection& db) { db.exec("CREATE TABLE notes (text TEXT)"); };
  const auto future = [](Connection& db) {
    create_or_migrate(db);
    db.exec("PRAGMA user_version = " + std::to_string(schema_version + 1));
  };
  const auto hostile = [](Connection& db) {
    create_or_migrate(db);
    db.exec("CREATE TRIGGER t AFTER INSERT ON command BEGIN DELETE FROM tournament; END");
  };
  const auto altered = [](Connection& db) {
    create_or_migrate(db);
    db.exec("CREATE VIEW v AS SELECT * FROM tournament");
  };
  struct Case {
    const char* what;
    std::string bytes;                     // written as the file, unless made by SQL
    std::function<void(Connection&)> sql;  // made by SQLite
    const char* said;
  };
  const Case cases[] = {
      {"empty", "", nullptr, "it was empty"},
      {"text", "These are not the tournaments you are looking for.", nullptr, "not a database"},
      {"truncated", real.substr(0, real.size() / 2), nullptr, "damaged"},
      {"damaged", damaged, nullptr, "damaged"},
      {"foreign", "", foreign, "another program"},
      {"future", "", future, "later version"},
      {"hostile", "", hostile, "not the game's"},
      {"altered", "", altered, "not the game's"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Folder folder;
    if (c.sql) {
      Connection db(folder.db(), true);
      c.sql(db);
    } else {
      write_bytes(folder.db(), c.bytes);
    }
    const std::string before = bytes_of(folder.db());
    auto opened = Store::open(folder.db());
    ASSERT_TRUE(opened.store);
    EXPECT_NE(opened.notice.find(c.said), std::string::npos) << opened.notice;
    EXPECT_NE(opened.notice.find("set aside"), std::string::npos) << opened.notice;
    const auto aside = folder.set_aside();
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_TRUE(bytes_of(aside[0]) == before);  // not a byte changed
    // The new file works.
    opened.store->begin(Start{1, Settings{}, 0, {}});
    EXPECT_EQ(opened.store->tournaments().size(), 1u);
  }
}

TEST(OpeningAFile, WhereNothingCanBeWrittenOrAnotherCopyHoldsItTheGamePlaysWithoutSaving) {
  Folder folder;
  auto first = open_fresh(folder.db());
  auto second = Store::open(folder.db());
  EXPECT_FALSE(second.store);
  EXPECT_NE(second.notice.find("another copy"), std::string::npos) << second.notice;
  first->begin(Start{1, Settings{}, 0, {}});
  EXPECT_EQ(first->tournaments().size(), 1u);

  write_bytes((folder.path() / "file").string(), "x");
  auto nowhere = Store::open((folder.path() / "file" / "tarvix.sqlite").string());
  EXPECT_FALSE(nowhere.store);
  EXPECT_NE(nowhere.notice.find("without saving"), std::string::npos) << nowhere.notice;
}

TEST(Writing, AFullDiskStopsSavingAndSaysSoWithoutLosingWhatWasCommitted) {
  Folder folder;
  auto store = open_fresh(folder.db());
  const auto id = store->begin(Start{1, Settings{"Ann", 0, 0x8000}, 0, {}});
  store->flush();
  // The file may grow by no more than a few pages from here.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit tight = old;
  tight.rlim_cur = fs::file_size(folder.db()) + 64 * 1024;
  setrlimit(RLIMIT_FSIZE, &tight);
  for (int i = 0; i < 400 && !store->failed(); ++i) {
    store->hand_log(id, i, std::string(4096, 'x'));
    store->flush();
  }
  setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_TRUE(store->failed());
  store.reset();
  auto again = open_fresh(folder.db());
  ASSERT_TRUE(again);
  EXPECT_EQ(again->tournaments().size(), 1u);
}

TEST(Resume, GivesBackTheTableAsItWasAndGoesOnAsTheUninterruptedGame) {
  Folder folder;
  constexpr std::uint64_t number = 4183775, choices = 3;
  constexpr Millis think = 4000;
  // Uninterrupted.
  Game whole(std::make_unique<SeededRandom>(number));
  whole.start(Settings{"Ann", 0, 0x8000});
  harness::play_steadily(whole, harness::Policy::sharp, choices, think,
                         [&whole] { return whole.hand() >= 30; });
  const TableSeen at_30 = table_seen(whole);
  harness::play_steadily(whole, harness::Policy::sharp, choices, think,
                         [&whole] { return whole.hand() >= 45; });

  // Played to hand 30 and kept, with a pause in the middle.
  {
    auto store = open_fresh(folder.db());
    Game game(std::make_unique<SeededRandom>(number));
    Keeper keeper(*store, game, [&game] { return game.now(); });
    keeper.begin(number, Settings{"Ann", 0, 0x8000});
    harness::play_steadily(game, harness::Policy::sharp, choices, think,
                           [&game] { return game.hand() >= 30; });
    ASSERT_EQ(table_seen(game), at_30);
    keeper.save_time();
  }
  auto store = open_fresh(folder.db());
  auto saved = store->kept();
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->progress.hand, 30);
  EXPECT_EQ(saved->checkpoints.size(), 30u);
  Game game(std::make_unique<SeededRandom>(saved->start.number));
  Keeper keeper(*store, game, [&game] { return game.now(); });
  ASSERT_TRUE(keeper.resume(*saved).ok);
  EXPECT_EQ(table_seen(game), at_30);
  EXPECT_EQ(keeper.progress(), saved->progress);
  harness::play_steadily(game, harness::Policy::sharp, choices, think,
                         [&game] { return game.hand() >= 45; });
  EXPECT_EQ(table_seen(game), table_seen(whole));
  EXPECT_EQ(store->tournaments()[0].times_resumed, 1);
}

TEST(Resume, AReplayThatDealsDifferentlyStopsAtTheFirstHandThatDiffersAndKeepsTheRecord) {
  const auto changes = {
      std::function<void(Connection&)>(
          [](Connection& db) { db.exec("UPDATE checkpoint SET stacks = '1 2 3' WHERE hand = 3"); }),
      std::function<void(Connection&)>(
          [](Connection& db) { db.exec("UPDATE tournament SET number = number + 1"); }),
      std::function<void(Connection&)>(
          [](Connection& db) { db.exec("UPDATE command SET kind = 99 WHERE seq = 2"); }),
  };
  for (const auto& change : changes) {
    Folder folder;
    make_save(folder);
    {
      Connection db(folder.db(), false);
      change(db);
    }
    auto store = open_fresh(folder.db());
    const auto saved = store->kept();
    ASSERT_TRUE(saved);
    Game game(std::make_unique<SeededRandom>(saved->start.number));
    Keeper keeper(*store, game, [&game] { return game.now(); });
    const auto resumed = keeper.resume(*saved);
    EXPECT_FALSE(resumed.ok);
    EXPECT_GE(resumed.diverged_at, 1);
    EXPECT_LE(resumed.diverged_at, 4);
    EXPECT_FALSE(store->kept());
    EXPECT_EQ(store->tournaments().at(0).outcome, Outcome::abandoned);
  }
}

}  // namespace
}  // namespace tarvix::store
