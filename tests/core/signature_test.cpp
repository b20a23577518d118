// The behaviour signature kept in the repository: a change to the game's
// behaviour must update tests/behaviour_signature.txt in the same commit
// (run `tarvix-sim bench` and say so in the commit message).
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "harness/simulator.h"

namespace tarvix::harness {
namespace {

std::string kept_signature() {
  std::ifstream file(TARVIX_SIGNATURE_FILE);
  std::string value;
  file >> value;
  return value;
}

TEST(BehaviourSignature, MatchesTheValueKeptInTheRepository) {
  const BenchResult bench = behaviour_signature();
  ASSERT_TRUE(bench.violation.empty()) << bench.violation;
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(bench.signature));
  EXPECT_EQ(kept_signature(), text);
}

TEST(BehaviourSignature, IsTheSameOnEveryRun) {
  EXPECT_EQ(behaviour_signature().signature, behaviour_signature().signature);
}

}  // namespace
}  // namespace tarvix::harness
