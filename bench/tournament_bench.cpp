// Whole headless tournaments per second, for each policy of the human seat.
#include <benchmark/benchmark.h>

#include "tournament/simulator.h"

namespace {

void tournaments(benchmark::State& state, tarvix::Policy policy, int start_playersout) {
  std::uint64_t seed = 1;
  long hands = 0;
  for (auto _ : state) {
    tarvix::Simulation simulation(seed++, policy, 5000, start_playersout);
    const tarvix::TournamentResult result = simulation.run();
    benchmark::DoNotOptimize(result.signature);
    hands += result.hands;
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["hands/s"] =
      benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
}

BENCHMARK_CAPTURE(tournaments, fold, tarvix::Policy::fold, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(tournaments, call, tarvix::Policy::call, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(tournaments, random, tarvix::Policy::random, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(tournaments, sharp, tarvix::Policy::sharp, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(tournaments, sharp_final_table, tarvix::Policy::sharp, 975)
    ->Unit(benchmark::kMillisecond);

}  // namespace
