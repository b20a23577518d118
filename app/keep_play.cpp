// Plays one tournament headless on virtual time, kept in the store as the
// game keeps it: a tournament kept there is taken up again and played on,
// otherwise a new one is begun with the number given. The kill test stops
// it at random moments once it says "playing", and checks what the store kept.
// With a hand given, play stops when that hand starts and the tournament is
// kept for later, as the leave question's "Keep for later" does: saves for
// the loader's fuzzer and the benchmarks.
//
//   tarvix-keep DATABASE NUMBER [fold|call|random|sharp [HAND]]
//
// Exits 0 once the tournament has ended or been kept at the hand, 1 when the
// store cannot be used, the replay differs from what was saved or the
// tournament ended before the hand.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "harness/steady_player.h"
#include "store/keeper.h"

using namespace tarvix;

namespace {
// The human's choices draw from this seed; the kill test plays the same.
constexpr std::uint64_t choices_seed = 7;
constexpr Millis think_time = 3000;
}  // namespace

int main(int argc, char** argv) {
  harness::Policy policy = harness::Policy::sharp;
  const int keep_at = argc > 4 ? std::atoi(argv[4]) : 0;
  if (argc < 3 || argc > 5 || (argc > 3 && !harness::parse_policy(argv[3], policy)) ||
      (argc > 4 && keep_at < 1)) {
    std::fprintf(stderr, "usage: tarvix-keep DATABASE NUMBER [fold|call|random|sharp [HAND]]\n");
    return 2;
  }
  auto opened = store::Store::open(argv[1]);
  if (!opened.store) {
    std::fprintf(stderr, "%s\n", opened.notice.c_str());
    return 1;
  }
  const auto saved = opened.store->kept();
  const std::uint64_t number = saved ? saved->start.number : std::strtoull(argv[2], nullptr, 10);
  Game game(std::make_unique<SeededRandom>(number));
  store::Keeper keeper(*opened.store, game, [&game] { return game.now(); });
  if (saved) {
    const auto resumed = keeper.resume(*saved);
    if (!resumed.ok) {
      std::fprintf(stderr, "the replay differs from hand %d\n", resumed.diverged_at);
      return 1;
    }
  } else {
    keeper.begin(number, Settings{"Kept", 0, default_tabletop});
  }
  // Ready: the tournament is on the file and play goes on from here.
  opened.store->flush();
  std::fputs("playing\n", stdout);
  std::fflush(stdout);
  harness::play_steadily(game, policy, choices_seed, think_time,
                         [&game, keep_at] { return keep_at > 0 && game.hand() >= keep_at; });
  if (keep_at > 0) {
    if (game.ended()) return 1;
    keeper.keep();
    return 0;
  }
  return game.ended() ? 0 : 1;
}
