// Whole tournaments on virtual time with the game's rules checked after
// every event: the behaviour signature's own tournaments, more seeds of
// every policy, and the rules themselves, which must name what breaks.
#include "harness/simulator.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>

#include "support/scripted_table.h"

namespace tarvix::harness {
namespace {

// A change to the game's behaviour updates tests/behaviour_signature.txt in
// the same commit (run `tarvix-sim bench` and say so in the commit message).
TEST(BehaviourSignature, MatchesTheValueKeptInTheRepositoryAndKeepsTheRules) {
  const BenchResult bench = behaviour_signature();
  ASSERT_EQ(bench.violation, "");
  std::ifstream file(TARVIX_SIGNATURE_FILE);
  std::string kept;
  file >> kept;
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(bench.signature));
  EXPECT_EQ(kept, text);
}

TEST(Simulator, EveryPolicyKeepsTheRulesPastTheSignaturesSeeds) {
  // The signature plays seeds 1 to 8, from the start and near the final table.
  constexpr std::uint64_t first_seed = 9, seeds = 100;
  constexpr Millis think_time = 5000;
  for (Policy policy : {Policy::fold, Policy::call, Policy::random, Policy::sharp}) {
    for (int start_playersout : {0, 975}) {
      for (std::uint64_t seed = first_seed; seed < first_seed + seeds; ++seed) {
        const TournamentResult r = Simulation(seed, policy, think_time, start_playersout).run();
        ASSERT_EQ(r.violation, "") << policy_name(policy) << " from " << start_playersout
                                   << " seed " << seed << " hand " << r.violation_hand;
      }
    }
  }
}

TEST(Rules, NameWhatIsBroken) {
  // Seed 1 tosses the button to seat 5: seats 6 and 7 post the blinds.
  const std::pair<const char*, std::function<void(Table&, Screen&)>> breaks[] = {
      {"chips", [](Table& t, Screen&) { t.p(3).prize += 5; }},
      {"stack label", [](Table&, Screen& s) { s.set_caption(stack_label(2), " 1"); }},
      {"pot label", [](Table&, Screen& s) { s.set_caption(potlabel, " 1"); }},
      {"stalled", [](Table& t, Screen&) { t.timer_off(TimerId::roundtimer); }},
      {"second forced bet",
       [](Table& t, Screen&) {
         t.tell(ForcedBet{6, ForcedBetKind::small_blind, 10, 990, 30, false});
       }},
      {"turn runs twice",
       [](Table& t, Screen&) {
         t.tell(TurnTaken{3, false, 0});
       }},
      {"seat 4 has no player but is in the hand", [](Table& t, Screen&) { t.p(4).Active = false; }},
      {"seat 4 has no player but holds chips",
       [](Table& t, Screen&) {
         t.p(4).Active = false;
         t.p(4).fold = true;
       }},
      {"seat 4 has no player but holds the best hand",
       [](Table& t, Screen&) {
         t.p(4).Active = false;
         t.p(4).fold = true;
         t.chips_brought -= t.take_chips(4, t.p(4).prize);
         t.p(4).handrank = 1;
       }},
      {"seat 4 has no player but acts",
       [](Table& t, Screen&) {
         t.p(4).Active = false;
         t.tell(SeatAction{4, ActionKind::call, 20, 20, 980, 50, false, 0, Sizing::limits});
       }},
      {"seat 4 has no player but stakes",
       [](Table& t, Screen&) {
         t.p(4).Active = false;
         t.tell(ForcedBet{4, ForcedBetKind::ante, 10, 990, 10, false});
       }},
      {"seat 4 has no player but is in the showdown",
       [](Table& t, Screen&) {
         t.p(4).Active = false;
         t.tell(Showdown{false, 30, {{4, "Pair 3", 30, 200, false}}});
       }},
      {"7 players told as left with 6",
       [](Table& t, Screen&) {
         t.playersout = final_table + 3;
         t.p(4).Active = false;
         t.tell(PlayersLeft{7});
       }},
  };
  for (const auto& [rule, arrange] : breaks) {
    testing::ScriptedTable t(1);
    // Behind the window the rules are not the game's first listener.
    t.game.listen([](const GameEvent&) {});
    Rules rules(t.game);
    t.load();
    t.screen.set_visible(potlabel, true);
    ASSERT_EQ(rules.violation(), "") << rule;
    arrange(t.table, t.screen);
    EXPECT_NE(rules.violation().find(rule), std::string::npos) << rules.violation();
  }
}

}  // namespace
}  // namespace tarvix::harness
