// Frames of the table window as it paints them into its backing store: the
// whole table at the human's turn, as after any change of the game, and the
// frame the animation asks for halfway through the pot's slide to a winner;
// in a 1920 x 1080 window at a device-pixel ratio of 1 and of 2 (3840 x 2160
// pixels). The time is that of the paint alone. Qt fixes the ratio when the
// application starts, so the 1x cases run in a child process and the 2x ones
// after it with QT_SCALE_FACTOR=2: one run prints all four figures.
// Offscreen unless QT_QPA_PLATFORM says otherwise.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "harness/gui_game.h"
#include "windows/table_window.h"

namespace {

using tarvix::harness::GuiGame;
using tarvix::windows::Motion;

constexpr QSize window_size{1920, 1080};
constexpr std::uint64_t seed = 11;
// Far beyond any run: a chip set off then stays where it starts.
constexpr Motion::Millis held = Motion::Millis{1} << 40;

// Call or check at every turn until a pot is paid at a showdown of more than
// one seat; the chips then slide from the pot to the winner.
void play_to_payout(GuiGame& game) {
  auto paid = std::make_shared<bool>(false);
  game.game().listen([paid](const tarvix::GameEvent& event) {
    if (const auto* showdown = std::get_if<tarvix::Showdown>(&event))
      *paid = *paid || showdown->hands.size() > 1;
  });
  auto* window = game.program.table();
  while (!*paid && !game.table().ended()) {
    // Only the slides of the step that pays the pot stay.
    window->motion().clear();
    if (game.human_turn_open()) {
      const auto e = game.screen().visible(tarvix::Command5) ? tarvix::Command5 : tarvix::Command7;
      window->button(e)->click();
    } else if (!game.step()) {
      break;
    }
  }
}

// The pot's chips where they are halfway through their slide, held there.
void hold_halfway(tarvix::windows::TableWindow& window, const tarvix::Screen& screen) {
  Motion replay;
  for (const Motion::Chip& c : window.motion().chips(0)) {
    const tarvix::ElementState& to = screen.at(tarvix::backchips(c.index));
    replay.chip_moved(c.index, c.at, {double(to.left), double(to.top)}, 0);
  }
  window.motion().clear();
  for (const Motion::Chip& c : replay.chips(Motion::chips_total / 2))
    window.motion().chip_moved(c.index, c.at, c.at, held);
}

// Times the window's frames as it paints them: each update request it
// handles paints what it has marked for repainting into its backing store.
class FrameClock : public QObject {
 public:
  static constexpr int patience_ms = 5000;

  explicit FrameClock(QWidget& window) : window_(window) { window_.installEventFilter(this); }
  ~FrameClock() override { window_.removeEventFilter(this); }

  // Lets the event loop run until the window has painted a frame; how long
  // the paint took, in seconds, or nothing if no frame came.
  std::optional<double> next() {
    painted_ = false;
    if (!QTest::qWaitFor([this] { return painted_; }, patience_ms)) return std::nullopt;
    return seconds_;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::UpdateRequest || timing_) return false;
    timing_ = true;
    QElapsedTimer clock;
    clock.start();
    QCoreApplication::sendEvent(watched, event);
    seconds_ = clock.nsecsElapsed() / 1e9;
    timing_ = false;
    painted_ = true;
    return true;
  }

 private:
  QWidget& window_;
  bool timing_ = false, painted_ = false;
  double seconds_ = 0;
};

enum class Moment { turn, slide };

void frame(benchmark::State& state, Moment moment) {
  GuiGame game(seed);
  game.open_table();
  auto* window = game.program.table();
  window->resize(window_size);
  if (moment == Moment::turn) {
    window->motion().set_enabled(false);
    game.run_to_human_turn();
  } else {
    play_to_payout(game);
    hold_halfway(*window, game.screen());
  }
  FrameClock frames(*window);
  auto next = [&] {
    if (moment == Moment::turn) window->update();
    return frames.next();
  };
  if (!(moment == Moment::turn ? game.human_turn_open() : window->animating())) {
    state.SkipWithError("the moment to paint never came");
    return;
  }
  // The first frame also draws the pictures.
  if (!next()) {
    state.SkipWithError("the window painted no frame");
    return;
  }
  for (auto _ : state) {
    const std::optional<double> seconds = next();
    if (!seconds) {
      state.SkipWithError("the window painted no frame");
      break;
    }
    state.SetIterationTime(*seconds);
  }
}

int run(int argc, char** argv, int ratio) {
  if (ratio > 1) setenv("QT_SCALE_FACTOR", std::to_string(ratio).c_str(), 1);
  QApplication app(argc, argv);
  const QSize pixels = window_size * ratio;
  const std::string size = std::to_string(pixels.width()) + 'x' + std::to_string(pixels.height()) +
                           (ratio > 1 ? '@' + std::to_string(ratio) + 'x' : std::string());
  const std::pair<const char*, Moment> moments[] = {{"turn", Moment::turn},
                                                    {"slide", Moment::slide}};
  for (const auto& [name, moment] : moments)
    benchmark::RegisterBenchmark(("TableFrame/" + std::string(name) + '/' + size).c_str(), frame,
                                 moment)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  std::fflush(stdout);
  const pid_t child = fork();
  if (child == 0) std::exit(run(argc, argv, 1));
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return 1;
  return run(argc, argv, 2);
}
