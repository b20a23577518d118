// A monkey at the windows: random clicks on every visible widget and at
// random points of the table, random keys, random text in the amount box and
// random window sizes, at random moments of virtual time. After every action
// the table's rules hold and the game goes on: a timer runs or the human's
// turn waits, and hands keep being dealt while the game's own timers run.
// Everything follows from the seed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdio>
#include <deque>
#include <random>
#include <sstream>

#include "harness/gui_game.h"
#include "harness/rules.h"
#include "windows/settings_window.h"
#include "windows/splash_window.h"
#include "windows/table_window.h"

namespace tarvix::testing {
namespace {

using harness::GuiGame;

// Game time the timers may run without a new hand being dealt: far more
// than the longest hand (a turn takes 2 s, a pause 13 s).
constexpr Millis longest_hand = 30 * 60'000;

const Qt::Key keys[] = {
    Qt::Key_C,      Qt::Key_K,         Qt::Key_R,     Qt::Key_F,     Qt::Key_B,     Qt::Key_A,
    Qt::Key_Z,      Qt::Key_Q,         Qt::Key_0,     Qt::Key_1,     Qt::Key_5,     Qt::Key_9,
    Qt::Key_Return, Qt::Key_Enter,     Qt::Key_F9,    Qt::Key_F10,   Qt::Key_F11,   Qt::Key_Tab,
    Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Space, Qt::Key_Minus, Qt::Key_Period};

class Monkey {
 public:
  explicit Monkey(std::uint64_t seed) : game_(seed), random_(seed * 7919 + 1) {}

  void run(int hands_wanted, int max_actions) {
    game_.program.start();
    key_to(game_.program.splash(), pick(keys));
    play_settings();
    ASSERT_NE(game_.program.table(), nullptr);
    window_ = game_.program.table();
    check("Ok");

    int last_hands = game_.table().hands_dealt;
    Millis busy = 0;  // game time the timers ran since the last new hand
    for (actions_ = 0; actions_ < max_actions && !game_.table().ended(); ++actions_) {
      if (game_.table().hands_dealt >= hands_wanted) break;
      const bool timers_ran = act(busy);
      if (::testing::Test::HasFatalFailure()) return;
      if (game_.table().hands_dealt != last_hands) {
        last_hands = game_.table().hands_dealt;
        busy = 0;
      }
      if (timers_ran) {
        ASSERT_LT(busy, longest_hand) << "no new hand; " << trace();
      }
      if (::testing::Test::HasFailure()) return;
    }
  }

  int hands() { return game_.table().hands_dealt; }
  // Where the game stands: the clock, every seat's chips, the pot.
  std::string standing() {
    std::string text = std::to_string(game_.game().now());
    for (int s = 1; s <= seats; ++s) text += " " + std::to_string(game_.table().p(s).prize);
    return text + " pot " + std::to_string(game_.table().pot);
  }
  int actions() const { return actions_; }
  bool ended() { return game_.table().ended(); }
  Ending ending() { return game_.table().ending; }

 private:
  template <typename T, std::size_t n>
  const T& pick(const T (&options)[n]) {
    return options[std::uniform_int_distribution<std::size_t>(0, n - 1)(random_)];
  }
  int whole(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool chance(double p) { return std::bernoulli_distribution(p)(random_); }

  void note(const std::string& what) {
    std::ostringstream line;
    line << "t=" << game_.game().now() << " hand " << game_.game().hand() << ": " << what;
    trace_.push_back(line.str());
    if (trace_.size() > 30) trace_.pop_front();
  }
  std::string trace() const {
    std::string all = "last actions:\n";
    for (const std::string& line : trace_) all += "  " + line + "\n";
    return all;
  }

  void check(const std::string& what) {
    note(what);
    // The rules include that the game never stands still.
    const std::string broken = rules_.violation();
    ASSERT_TRUE(broken.empty()) << broken << "\n" << trace();
  }

  void key_to(QWidget* target, Qt::Key key) {
    const Qt::KeyboardModifiers modifiers = chance(0.05) ? Qt::ShiftModifier : Qt::NoModifier;
    QTest::keyClick(target, key, modifiers);
  }

  // Random choices in the settings window, then Ok. Its Exit would end the
  // run before a hand is dealt, so the monkey leaves it alone.
  void play_settings() {
    auto& settings = *game_.program.settings();
    const int actions = whole(0, 12);
    for (int i = 0; i < actions; ++i) {
      std::vector<QWidget*> targets;
      for (QWidget* w : settings.findChildren<QWidget*>())
        if (w->isVisible() && w->objectName() != "Command2" && w->objectName() != "Command1")
          targets.push_back(w);
      if (targets.empty()) break;
      QWidget* target = targets[static_cast<std::size_t>(whole(0, int(targets.size()) - 1))];
      QTest::mouseClick(target, Qt::LeftButton);
      if (auto* box = qobject_cast<QLineEdit*>(target))
        QTest::keyClicks(box, QString::fromStdString(std::string(whole(0, 8), 'a' + whole(0, 25))));
    }
    QTest::mouseClick(settings.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
  }

  // One random action; true if game time passed with a timer running.
  bool act(Millis& busy) {
    const int roll = whole(0, 99);
    if (roll < 30) {
      const Millis ms = whole(0, 9) == 0 ? whole(0, 60'000) : whole(1, 4'000);
      const bool armed = game_.host.armed_for().has_value();
      // Time passing while the human thinks is not the game's own.
      if (armed) busy += ms;
      game_.elapse(ms);
      check("elapse " + std::to_string(ms));
      return armed;
    }
    if (roll < 50 && game_.human_turn_open()) {
      // At the human's turn, mostly play it.
      std::vector<QPushButton*> panel;
      for (Element e : {Command5, Command6, Command7, Command8, Command11, Command3})
        if (window_->button(e)->isVisible()) panel.push_back(window_->button(e));
      QPushButton* b = panel[static_cast<std::size_t>(whole(0, int(panel.size()) - 1))];
      QTest::mouseClick(b, Qt::LeftButton);
      check("click " + b->objectName().toStdString());
    } else if (roll < 62) {
      click_some_widget();
    } else if (roll < 70) {
      const QPoint at(whole(0, window_->width() - 1), whole(0, window_->height() - 1));
      QTest::mouseClick(window_, chance(0.8) ? Qt::LeftButton : Qt::RightButton, Qt::NoModifier,
                        at);
      check("click at " + std::to_string(at.x()) + "," + std::to_string(at.y()));
    } else if (roll < 88) {
      const Qt::Key key = pick(keys);
      QWidget* target = window_->focusWidget() ? window_->focusWidget() : window_;
      key_to(target, key);
      check("key " + QKeySequence(key).toString().toStdString() + " to " +
            target->objectName().toStdString());
    } else if (roll < 94) {
      type_amount();
    } else if (roll < 98) {
      const QSize size(whole(400, 2000), whole(300, 1400));
      window_->resize(size);
      QCoreApplication::processEvents();
      check("resize " + std::to_string(size.width()) + "x" + std::to_string(size.height()));
    } else {
      // Paint what there is now, animations and all.
      QCoreApplication::processEvents();
      (void)window_->grab();
      check("paint");
    }
    return false;
  }

  // Any visible widget of the table but Exit, which would end the run, and
  // Pause, which stops the game as it should.
  void click_some_widget() {
    std::vector<QWidget*> targets;
    for (QWidget* w : window_->findChildren<QWidget*>())
      if (w->isVisible() && w != window_->button(Command2) && w->objectName() != "pause_button")
        targets.push_back(w);
    if (targets.empty()) return;
    QWidget* target = targets[static_cast<std::size_t>(whole(0, int(targets.size()) - 1))];
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier,
                      QPoint(whole(0, std::max(0, target->width() - 1)),
                             whole(0, std::max(0, target->height() - 1))));
    check("click " + target->objectName().toStdString());
  }

  void type_amount() {
    QLineEdit* box = window_->amount_box();
    if (!box->isVisible()) return;
    static const char symbols[] = "0123456789000001234cfkrb-.+ ";
    std::string text;
    // Mostly small amounts, so that the human stays in for a while.
    const int length = chance(0.85) ? whole(0, 2) : whole(0, 7);
    for (int i = 0; i < length; ++i) text += symbols[whole(0, int(sizeof symbols) - 2)];
    if (chance(0.5)) QTest::mouseClick(box, Qt::LeftButton);
    if (chance(0.3)) box->clear();
    QTest::keyClicks(box, QString::fromStdString(text));
    check("type '" + text + "'");
    if (chance(0.5) && box->isVisible()) {
      QTest::keyClick(box, Qt::Key_Return);
      check("Enter in the amount box");
    }
  }

  GuiGame game_;
  harness::Rules rules_{game_.game()};
  std::mt19937_64 random_;
  windows::TableWindow* window_ = nullptr;
  std::deque<std::string> trace_;
  int actions_ = 0;
};

class MonkeyTest : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(MonkeyTest, TheRulesHoldAndTheGameGoesOnWhateverIsClickedOrTyped) {
  Monkey monkey(GetParam());
  monkey.run(12, 40'000);
  if (HasFailure()) return;
  std::printf("%d hands, %d actions%s\n", monkey.hands(), monkey.actions(),
              monkey.ended() ? ", the tournament over" : "");
  // Twelve hands, unless the random play lost the tournament first.
  if (monkey.ended())
    EXPECT_EQ(monkey.ending(), Ending::tournament_over);
  else
    EXPECT_GE(monkey.hands(), 12);
}

TEST(Monkey, TheSameSeedPlaysTheSameGame) {
  Monkey first(11), second(11);
  first.run(3, 2'000);
  second.run(3, 2'000);
  EXPECT_EQ(first.actions(), second.actions());
  EXPECT_EQ(first.standing(), second.standing());
}

INSTANTIATE_TEST_SUITE_P(Seeds, MonkeyTest, ::testing::Values(1, 2, 3, 4, 5, 6));

}  // namespace
}  // namespace tarvix::testing
