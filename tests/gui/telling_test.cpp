// What the table tells matches what happened: the place at a knock-out, the
// victory told once, one button line a hand, sat-out hands told and counted
// apart, and actions told as hands are written down.
#include <gtest/gtest.h>

#include <algorithm>

#include "harness/driver.h"
#include "harness/policy.h"
#include "model/table.h"
#include "windows/story.h"

namespace tarvix::testing {
namespace {

using windows::LogLine;
using windows::SheetLine;

// A headless game told by the story, every log line kept.
struct Told {
  explicit Told(std::uint64_t seed) : game(std::make_unique<SeededRandom>(seed)), story(game) {
    story.on_line = [this](const LogLine& line) { lines.push_back(line.text); };
    game.listen([this](const GameEvent& event) { story.hear(event); });
  }
  void start(int playersout = 0, const std::string& name = "") {
    game.start(Settings{name, 0, default_tabletop});
    game.table().playersout = playersout;
    game.table().outchips = playersout * starting_stack;
  }
  long count(const std::string& start) const {
    return std::count_if(lines.begin(), lines.end(),
                         [&](const std::string& line) { return line.rfind(start, 0) == 0; });
  }
  std::string row(const std::string& left) const {
    for (const SheetLine& line : story.summary(game.now()))
      if (line.left == left) return line.right;
    return "no row " + left;
  }
  // Checks when that is free, else folds; false once the game has ended.
  bool stay_cheap() {
    if (game.ended()) return false;
    if (game.human_turn_open())
      game.click(game.screen().visible(Command7) ? Command7 : Command8);
    else
      game.step();
    return true;
  }

  Game game;
  windows::Story story;
  std::vector<std::string> lines;
};

TEST(Telling, TheKnockedOutPlaceCountsThePlayersStillInWithoutTheHuman) {
  // All in at the first turn, before the final table and at it.
  struct Case {
    int playersout;
    const char* place;
  };
  for (const Case& c : {Case{0, "1000th"}, Case{995, "7th"}}) {
    bool seen = false;
    for (std::uint64_t seed = 1; seed <= 40 && !seen; ++seed) {
      Told t(seed);
      t.start(c.playersout);
      ASSERT_TRUE(harness::run_to_human_turn(t.game));
      t.game.type_amount("1000000000");
      t.game.click(Command11);
      while (!t.game.ended() && t.game.hand() == 1) t.stay_cheap();
      if (t.game.finish() != Finish::knocked_out || t.game.hand() != 1) continue;
      seen = true;
      EXPECT_EQ(t.count("You are out of the tournament in " + std::string(c.place) + " place"), 1);
      EXPECT_EQ(t.row("Place"), std::string(c.place) + " of 1000");
    }
    EXPECT_TRUE(seen) << "no knock-out in the first hand from " << c.playersout;
  }
}

// (That the button only goes to a seat with a player is one of the rules
// every simulated tournament keeps.)
TEST(Telling, TheVictoryIsToldOnceAndEveryHandHasOneButtonLine) {
  // The last rival leaves at the deal after the hand that broke him: the
  // human is alone in that hand, which is not counted as played.
  Told t(1);
  t.start(975);
  SeededRandom choices(1);
  while (!t.game.ended()) {
    if (t.game.human_turn_open())
      harness::play_turn(harness::Policy::sharp, t.game, choices);
    else
      t.game.step();
  }
  ASSERT_EQ(t.game.finish(), Finish::won);
  EXPECT_EQ(t.count("You won the tournament"), 1);
  EXPECT_EQ(t.count("1 player left in the tournament"), 1);
  EXPECT_EQ(t.count("1 players"), 0);
  EXPECT_EQ(t.story.record().hands, t.game.hand() - 1);
  EXPECT_EQ(t.row("Hands played"), std::to_string(t.game.hand() - 1));
  EXPECT_EQ(t.count("Hand "), t.game.hand());
  EXPECT_EQ(t.count("The button goes to "), t.game.hand());
  // Between two hand headings, one button line.
  int buttons = 0;
  for (const std::string& line : t.lines) {
    if (line.rfind("Hand ", 0) == 0) {
      EXPECT_LE(buttons, 1) << line;
      buttons = 0;
    }
    buttons += line.rfind("The button goes to ", 0) == 0 ? 1 : 0;
  }
}

TEST(Telling, SatOutHandsAreToldAndCountedApartFromThosePlayed) {
  Told t(2);
  t.start();
  t.game.click(Command3);  // from the next hand
  int sat_out = 0, fees = 0;
  t.game.listen([&](const GameEvent& event) {
    sat_out += std::holds_alternative<SatOut>(event) ? 1 : 0;
    if (const auto* action = std::get_if<SeatAction>(&event))
      fees += action->kind == ActionKind::sit_out_fee ? 1 : 0;
  });
  // Sat out long enough for the button to come round, then back in.
  while (t.game.hand() < 10 && t.stay_cheap()) {
  }
  t.game.click(Command3);
  while (t.game.hand() < 14 && t.stay_cheap()) {
  }
  ASSERT_FALSE(t.game.ended());
  EXPECT_GE(sat_out, 8);
  EXPECT_GE(fees, 1);
  EXPECT_EQ(t.count("You sit this hand out"), sat_out);
  EXPECT_EQ(t.count("You pay the sitting-out dealer's fee of 20, which goes to no pot and leaves"),
            fees);
  const windows::Record& record = t.story.record();
  EXPECT_EQ(record.hands_sat_out, sat_out);
  EXPECT_EQ(record.hands + record.hands_sat_out, t.game.hand());
  EXPECT_EQ(t.row("Hands sat out"), std::to_string(sat_out));
}

TEST(Telling, ActionsAreToldAsHandsAreWrittenDown) {
  // A raise by how much and to what total; a seat that stays in owing
  // chips says so; a name of blanks only is no name.
  struct Case {
    SeatAction action;
    const char* line;
    const char* tag;
  };
  // (Raises and calls as a real hand tells them are the story test's.)
  const Case cases[] = {
      {{6, ActionKind::raise, 60, 80, 0, 900, true, 20},
       "chips chips raises 40 to 80, all in",
       "All in 60"},
      {{6, ActionKind::bet, 40, 40, 800, 900, false, 0}, "chips chips bets 40", "Bet 40"},
      {{7, ActionKind::stay_in, 0, 20, 800, 900, false, 0},
       "rotten kid stays in without calling",
       "Stays in"},
      {{1, ActionKind::check, 0, 0, 800, 900, false, 0}, "You check", "Check"},
  };
  Told t(1);
  t.start(0, "   ");
  for (const Case& c : cases) {
    t.story.hear(c.action);
    EXPECT_EQ(t.lines.back(), c.line);
    EXPECT_EQ(t.story.tag(c.action.seat).text, c.tag);
  }
  EXPECT_EQ(t.count(" "), 0);  // no line without its subject
  t.story.hear(PlayersLeft{2});
  EXPECT_EQ(t.lines.back(), "2 players left in the tournament");
}

}  // namespace
}  // namespace tarvix::testing
