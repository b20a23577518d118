#include "harness/save_loading.h"

#include <fstream>
#include <iterator>
#include <memory>

#include "harness/rules.h"
#include "store/keeper.h"
#include "store/store.h"

namespace tarvix::harness {

using namespace store;

namespace {

// Timer ticks played after a resume: enough for the computers to act and
// a hand to end, few enough that every input runs in milliseconds.
constexpr int ticks_after_resume = 200;

}  // namespace

std::string load_save(const std::filesystem::path& folder, std::string_view bytes) {
  namespace fs = std::filesystem;
  fs::remove_all(folder);
  fs::create_directories(folder);
  const std::string path = (folder / "tarvix.sqlite").string();
  std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));

  auto opened = Store::open(path);
  if (!opened.store) return opened.notice.empty() ? "a file refused without a word" : "";
  if (!opened.set_aside.empty()) {
    if (opened.notice.empty()) return "a file set aside without a word";
    std::ifstream in(opened.set_aside, std::ios::binary);
    if (std::string(std::istreambuf_iterator<char>(in), {}) != bytes)
      return "the file set aside is not the file found";
  }
  Store& store = *opened.store;
  const auto rows = store.tournaments();
  totals_of(rows);
  for (const TournamentRow& row : rows) {
    standing_of(rows, row.id);
    store.hand_log(row.id);
  }
  store.choices();

  if (const auto saved = store.kept()) {
    Game game(std::make_unique<SeededRandom>(saved->start.number));
    Rules rules(game);
    Keeper keeper(store, game, [&game] { return game.now(); });
    const auto resumed = keeper.resume(*saved);
    // A save refused outright deals no table at all.
    if (game.started())
      if (auto broken = rules.violation(); !broken.empty()) return "replay: " + broken;
    if (resumed.ok) {
      for (int i = 0; i < ticks_after_resume && game.step(); ++i)
        if (auto broken = rules.violation(); !broken.empty()) return "after resume: " + broken;
      keeper.keep();
    } else {
      const auto after = store.tournaments();
      bool recorded = false;
      for (const TournamentRow& row : after)
        recorded = recorded || (row.id == saved->id && row.outcome == Outcome::abandoned);
      if (!recorded) return "a replay that differs lost the tournament from the record";
    }
  }
  const bool failed = store.failed();
  opened.store.reset();
  // What the game wrote to a file it accepted, it reads again next time.
  if (!failed && !Store::open(path).set_aside.empty())
    return "a file accepted, then set aside at the next start";
  return {};
}

}  // namespace tarvix::harness
