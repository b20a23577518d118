// The headless simulator: whole tournaments on virtual time, one line each.
//
//   tarvix-sim bench       prints the behaviour signature
//   tarvix-sim [--tournaments N] [--seed S] [--policy fold|call|random|sharp]
//              [--think MS] [--playersout N] [--jobs N] [--quiet]
//
// --playersout N starts the field with N players already out elsewhere, so
// that the late field and the final table are played often. --jobs N plays N
// tournaments at a time (the machine's cores by default), each seed on a
// table of its own; the output and the signature are those of one job.
#include "harness/simulator.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

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
               "       tarvix-sim [--tournaments N] [--seed S] [--policy fold|call|random|sharp]\n"
               "                  [--think MS] [--playersout N] [--jobs N] [--quiet]\n");
  return 2;
}

struct Batch {
  long tournaments = 1;
  std::uint64_t seed = 1;
  Policy policy = Policy::call;
  Millis think = 5000;
  int start_playersout = 0;
  unsigned jobs = 1;
};

// Plays a batch on several threads, each tournament on a game of its own,
// and hands the results over in seed order as they come: what is printed
// does not depend on how many threads played.
class Runner {
 public:
  explicit Runner(const Batch& batch) : batch_(batch), results_(std::size_t(batch.tournaments)) {
    // One job plays on the calling thread: no hand-over, no wake-up per tournament.
    const unsigned threads = std::min<unsigned>(batch.jobs, batch.tournaments);
    if (threads > 1)
      for (unsigned i = 0; i < threads; ++i) workers_.emplace_back([this] { work(); });
  }
  ~Runner() {
    stop_ = true;
    for (std::thread& worker : workers_) worker.join();
  }

  // The result of tournament n (0-based), once it has been played.
  TournamentResult take(long n) {
    if (workers_.empty()) return play(n);
    std::unique_lock lock(mutex_);
    auto& slot = results_[std::size_t(n)];
    ready_.wait(lock, [&slot] { return slot.has_value(); });
    TournamentResult result = std::move(*slot);
    slot.reset();
    return result;
  }

 private:
  void work() {
    for (long n = next_++; n < batch_.tournaments && !stop_; n = next_++) {
      TournamentResult result = play(n);
      const std::lock_guard lock(mutex_);
      results_[std::size_t(n)] = std::move(result);
      ready_.notify_all();
    }
  }

  TournamentResult play(long n) const {
    return Simulation(batch_.seed + std::uint64_t(n), batch_.policy, batch_.think,
                      batch_.start_playersout)
        .run();
  }

  const Batch batch_;
  std::vector<std::optional<TournamentResult>> results_;
  std::atomic<long> next_{0};
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::condition_variable ready_;
  std::vector<std::thread> workers_;
};

}  // namespace

int main(int argc, char** argv) {
  Batch batch;
  batch.jobs = std::max(1u, std::thread::hardware_concurrency());
  bool quiet = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--tournaments" && has_value)
      batch.tournaments = std::max(1L, std::atol(argv[++i]));
    else if (arg == "--seed" && has_value)
      batch.seed = std::strtoull(argv[++i], nullptr, 10);
    else if (arg == "--policy" && has_value) {
      if (!parse_policy(argv[++i], batch.policy)) return usage();
    } else if (arg == "--think" && has_value)
      batch.think = std::atol(argv[++i]);
    else if (arg == "--playersout" && has_value)
      batch.start_playersout = std::atoi(argv[++i]);
    else if (arg == "--jobs" && has_value)
      batch.jobs = unsigned(std::max(1, std::atoi(argv[++i])));
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
  Runner runner(batch);
  for (long n = 0; n < batch.tournaments; ++n) {
    const TournamentResult r = runner.take(n);
    hands += r.hands;
    signature = signature * fnv_prime ^ r.signature;
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
  const auto per_second = [wall](double n) { return wall > 0 ? n / wall : 0.0; };
  std::printf(
      "%ld tournaments (%s): %ld knocked out, %ld won, %ld exits, %ld hands; "
      "%.2f s wall on %u job%s, %.0f tournaments/s, %.0f hands/s; signature %016llx\n",
      batch.tournaments, policy_name(batch.policy), knocked_out, won, exits, hands, wall,
      batch.jobs, batch.jobs == 1 ? "" : "s", per_second(double(batch.tournaments)),
      per_second(double(hands)), static_cast<unsigned long long>(signature));
  return 0;
}
