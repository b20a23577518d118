// Deals per second: drawing the deck, dealing seven seats and evaluating and
// ranking all of them, as every hand does.
#include <benchmark/benchmark.h>

#include "model/game.h"
#include "model/table.h"

namespace {

void BM_DealAndEvaluate(benchmark::State& state) {
  tarvix::Game game(std::make_unique<tarvix::SeededRandom>(42));
  tarvix::Table& table = game.table();
  for (auto _ : state) {
    table.dealfirst();
    table.distribute_cards_for_10();
    benchmark::DoNotOptimize(table.numberofwinners);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DealAndEvaluate);

}  // namespace
