// Deals per second: drawing the deck, dealing seven seats and evaluating and
// ranking all of them, as every hand does.
#include <benchmark/benchmark.h>

#include "model/events.h"
#include "model/random.h"
#include "model/screen.h"
#include "model/table.h"

namespace {

void BM_DealAndEvaluate(benchmark::State& state) {
  tarvix::Screen screen;
  tarvix::SeededRandom random(42);
  tarvix::VirtualClock clock;
  tarvix::Table table(screen, random, clock, tarvix::Settings{});
  for (auto _ : state) {
    table.dealfirst();
    table.distribute_cards_for_10();
    benchmark::DoNotOptimize(table.numberofwinners);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DealAndEvaluate);

}  // namespace
