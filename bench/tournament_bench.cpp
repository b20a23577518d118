// Whole headless tournaments per second, for each policy of the human seat.
#include <benchmark/benchmark.h>

#include "harness/simulator.h"

namespace {

void tournaments(benchmark::State& state, tarvix::harness::Policy policy, int start_playersout) {
  std::uint64_t seed = 1;
  long hands = 0;
  for (auto _ : state) {
    tarvix::harness::Simulation simulation(seed++, policy, 5000, start_playersout);
    const tarvix::harness::TournamentResult result = simulation.run();
    benchmark::DoNotOptimize(result.signature);
    hands += result.hands;
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["hands/s"] =
      benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
}

BENCHMARK_CAPTURE(tournaments, fold, tarvix::harness::Policy::fold, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(tournaments, call, tarvix::harness::Policy::call, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(tournaments, random, tarvix::harness::Policy::random, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(tournaments, sharp, tarvix::harness::Policy::sharp, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(tournaments, sharp_final_table, tarvix::harness::Policy::sharp, 975)
    ->Unit(benchmark::kMillisecond);

}  // namespace
