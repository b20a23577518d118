// Deals per second: drawing the deck, dealing seven seats and evaluating and
// ranking all of them, as every hand does; and the evaluation alone.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "model/game.h"
#include "model/table.h"

namespace {

struct DealtTable {
  explicit DealtTable(std::uint64_t seed) : game(std::make_unique<tarvix::SeededRandom>(seed)) {
    table.dealfirst();
    table.distribute_cards_for_10();
  }
  tarvix::Game game;
  tarvix::Table& table = game.table();
};

void BM_DealAndEvaluate(benchmark::State& state) {
  DealtTable dealt(42);
  tarvix::Table& table = dealt.table;
  for (auto _ : state) {
    table.dealfirst();
    table.distribute_cards_for_10();
    benchmark::DoNotOptimize(table.numberofwinners);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DealAndEvaluate);

// The seven seats of one deal described, valued and ranked, taking the deals
// in turn from enough tables that no one deal is learnt by heart.
void BM_EvaluateSevenSeats(benchmark::State& state) {
  constexpr int deals = 64;
  std::vector<std::unique_ptr<DealtTable>> dealt;
  for (int seed = 1; seed <= deals; ++seed) dealt.push_back(std::make_unique<DealtTable>(seed));
  std::size_t next = 0;
  for (auto _ : state) {
    tarvix::Table& table = dealt[next++ % deals]->table;
    table.class_set_to_zero();
    table.evaluate_player_cards();
    benchmark::DoNotOptimize(table.numberofwinners);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvaluateSevenSeats);

}  // namespace
