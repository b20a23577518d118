// Whole tournaments on virtual time with the table's rules checked after
// every event: each must end by a knock-out, a victory or Exit.
#include "harness/simulator.h"

#include <gtest/gtest.h>

namespace tarvix::harness {
namespace {

void run_tournaments(Policy policy, int start_playersout) {
  constexpr int tournaments = 200;
  int endings = 0;
  for (std::uint64_t seed = 1; seed <= tournaments; ++seed) {
    Simulation simulation(seed, policy, 5000, start_playersout);
    const TournamentResult r = simulation.run();
    ASSERT_EQ(r.violation, "") << policy_name(policy) << " seed " << seed << " hand "
                               << r.violation_hand;
    const std::string ending = ending_text(r);
    EXPECT_TRUE(ending == "knocked out" || ending == "won" || ending == "exit")
        << policy_name(policy) << " seed " << seed << ": " << ending;
    endings += r.ending != Ending::running ? 1 : 0;
  }
  EXPECT_EQ(endings, tournaments);
}

TEST(Simulator, FoldingHumanPlaysCleanTournaments) { run_tournaments(Policy::fold, 0); }
TEST(Simulator, CallingHumanPlaysCleanTournaments) { run_tournaments(Policy::call, 0); }
TEST(Simulator, RandomHumanPlaysCleanTournaments) { run_tournaments(Policy::random, 0); }
TEST(Simulator, SharpHumanPlaysCleanFinalTables) { run_tournaments(Policy::sharp, 975); }

}  // namespace
}  // namespace tarvix::harness
