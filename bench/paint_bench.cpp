// Frames of the table window as it paints them into its backing store: the
// whole table at the human's turn, as after any change of the game, and the
// frame the animation asks for halfway through the pot's slide to a winner;
// in a 1920 x 1080 window at a device-pixel ratio of 1 and of 2 (3840 x 2160
// pixels). The time is the frame's: the paint into the backing store and
// what Qt does to deliver it (on X11 the copy to the display); the counter
// `paint` is the part spent in the paint events of the window and its
// controls. Qt fixes the ratio when the
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
// handles paints what it has marked for repainting into its backing store
// and hands that to the platform.
class FrameClock : public QObject {
 public:
  static constexpr int patience_ms = 5000;

  struct Frame {
    double seconds = 0;        // the whole frame
    double paint_seconds = 0;  // in paint events
  };

  explicit FrameClock(QWidget& window) : window_(window) { qApp->installEventFilter(this); }
  ~FrameClock() override { qApp->removeEventFilter(this); }

  // Lets the event loop run until the window has painted a frame; how long
  // it took, or nothing if no frame came.
  std::optional<Frame> next() {
    painted_ = false;
    if (!QTest::qWaitFor([this] { return painted_; }, patience_ms)) return std::nullopt;
    return frame_;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::UpdateRequest && watched == &window_ && !timing_) {
      timing_ = true;
      frame_ = {};
      frame_.seconds = time(watched, event);
      timing_ = false;
      painted_ = true;
      return true;
    }
    if (event->type() == QEvent::Paint && timing_ && !painting_) {
      painting_ = true;
      frame_.paint_seconds += time(watched, event);
      painting_ = false;
      return true;
    }
    return false;
  }

 private:
  // Sends the event on as Qt would (this filter lets it pass); how long it
  // took, in seconds.
  static double time(QObject* receiver, QEvent* event) {
    QElapsedTimer clock;
    clock.start();
    QCoreApplication::sendEvent(receiver, event);
    return clock.nsecsElapsed() / 1e9;
  }

  QWidget& window_;
  bool timing_ = false, painting_ = false, painted_ = false;
  Frame frame_;
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
  double painting = 0;
  for (auto _ : state) {
    const std::optional<FrameClock::Frame> frame = next();
    if (!frame) {
      state.SkipWithError("the window painted no frame");
      break;
    }
    state.SetIterationTime(frame->seconds);
    painting += frame->paint_seconds;
  }
  constexpr double ms_per_second = 1000;
  state.counters["paint_ms"] =
      benchmark::Counter(painting * ms_per_second, benchmark::Counter::kAvgIterations);
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
