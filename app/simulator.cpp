// The headless simulator: whole tournaments on virtual time, one line each.
//
//   tarvix-sim bench       prints the behaviour signature
//   tarvix-sim [--tournaments N] [--seed S] [--policy fold|call|random]
//              [--think MS] [--playersout N] [--quiet]
//
// --playersout N starts the field with N players already out elsewhere, so
// that the late field and the final table are played often.
#include "harness/simulator.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace tarvix;
using namespace tarvix::harness;

namespace {

// A fixed set of seeded tournaments of every policy, hashed into one number:
// any change to the game's behaviour changes it.
int run_bench() {
  const auto start = std::chrono::steady_clock::now();
  const BenchResult bench = behaviour_signature();
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  if (!bench.violation.empty()) {
    std::printf("VIOLATION %s\n", bench.violation.c_str());
    return 1;
  }
  std::printf("%016llx\n", static_cast<unsigned long long>(bench.signature));
  std::fprintf(stderr, "%d tournaments, %ld hands in %.0f ms\n", bench.tournaments, bench.hands,
               ms);
  return 0;
}

int usage() {
  std::fprintf(stderr,
               "usage: tarvix-sim bench\n"
               "       tarvix-sim [--tournaments N] [--seed S] [--policy fold|call|random]\n"
               "                  [--think MS] [--playersout N] [--quiet]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  long tournaments = 1;
  std::uint64_t seed = 1;
  Policy policy = Policy::call;
  Millis think = 5000;
  bool quiet = false;
  int start_playersout = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--tournaments" && has_value)
      tournaments = std::atol(argv[++i]);
    else if (arg == "--seed" && has_value)
      seed = std::strtoull(argv[++i], nullptr, 10);
    else if (arg == "--policy" && has_value) {
      if (!parse_policy(argv[++i], policy)) return usage();
    } else if (arg == "--think" && has_value)
      think = std::atol(argv[++i]);
    else if (arg == "--playersout" && has_value)
      start_playersout = std::atoi(argv[++i]);
    else if (arg == "--quiet")
      quiet = true;
    else if (arg == "bench")
      return run_bench();
    else
      return usage();
  }

  const auto start = std::chrono::steady_clock::now();
  long hands = 0, knocked_out = 0, won = 0, exits = 0;
  std::uint64_t signature = 0;
  for (long n = 0; n < tournaments; ++n) {
    const std::uint64_t this_seed = seed + static_cast<std::uint64_t>(n);
    Simulation simulation(this_seed, policy, think, start_playersout);
    const TournamentResult r = simulation.run();
    hands += r.hands;
    signature = signature * 0x100000001b3ULL ^ r.signature;
    if (!r.violation.empty()) {
      std::printf("seed %llu hand %d: VIOLATION %s\n", static_cast<unsigned long long>(r.seed),
                  r.violation_hand, r.violation.c_str());
      return 1;
    }
    if (r.finish == Finish::won)
      ++won;
    else if (r.ending == Ending::exit_button)
      ++exits;
    else
      ++knocked_out;
    if (!quiet)
      std::printf("seed %llu: %d hands, %s, playersout %d, %.1f minutes\n",
                  static_cast<unsigned long long>(r.seed), r.hands, ending_text(r).c_str(),
                  r.playersout, static_cast<double>(r.game_time) / 60000.0);
  }
  const double wall =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf(
      "%ld tournaments (%s): %ld knocked out, %ld won, %ld exits, %ld hands; "
      "%.2f s wall, %.0f tournaments/s; signature %016llx\n",
      tournaments, policy_name(policy), knocked_out, won, exits, hands, wall,
      wall > 0 ? static_cast<double>(tournaments) / wall : 0.0,
      static_cast<unsigned long long>(signature));
  return 0;
}
