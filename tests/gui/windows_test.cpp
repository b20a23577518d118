// The splash, the settings window and the table window after its load,
// driven through their widgets.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFrame>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>
#include <chrono>

#include "harness/gui_game.h"
#include "windows/choice_tile.h"
#include "windows/hand_log.h"
#include "windows/settings_window.h"
#include "windows/splash_window.h"
#include "windows/spoken_label.h"
#include "windows/table_window.h"

namespace tarvix::testing {
namespace {

using harness::GuiGame;

using windows::ChoiceTile;

ChoiceTile* tile(GuiGame& game, const char* name) {
  auto* t = game.program.settings()->findChild<ChoiceTile*>(QString::fromLatin1(name));
  EXPECT_NE(t, nullptr) << name;
  return t;
}

void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

void press_ok(GuiGame& game) {
  click(game.program.settings()->findChild<QPushButton*>(QStringLiteral("Command1")));
}

void to_settings(GuiGame& game) {
  game.program.start();
  QTest::keyClick(game.program.splash(), Qt::Key_A);
}

// ---- Splash ----------------------------------------------------------------------

TEST(Splash, GivesWayToTheSettingsOnAKeyOrAClickOnItsFrameAndOnlyOnce) {
  for (bool by_key : {true, false}) {
    GuiGame game;
    game.program.start();
    auto& splash = *game.program.splash();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(game.program.settings(), nullptr);
    QSignalSpy finished(&splash, &windows::SplashWindow::finished);
    if (by_key) QTest::keyClick(&splash, Qt::Key_Q);
    if (!by_key) click(splash.findChild<QFrame*>(QStringLiteral("Frame1")));
    EXPECT_FALSE(splash.isVisible());
    EXPECT_TRUE(game.program.settings()->isVisible());
    EXPECT_FALSE(splash.timer().isActive());
    EXPECT_EQ(game.program.splash(), nullptr);
    QTest::keyClick(&splash, Qt::Key_Q);
    EXPECT_EQ(finished.count(), 1);
  }
}

TEST(Splash, GivesWayByItselfAfter2500Milliseconds) {
  GuiGame game;
  const auto opened = std::chrono::steady_clock::now();
  game.program.start();
  // Real time on a busy machine (sanitizers, parallel tests) runs late, never
  // early: the lower bound is exact, the upper one only says "by itself".
  QTest::qWait(1500);
  EXPECT_NE(game.program.splash(), nullptr);
  EXPECT_EQ(game.program.settings(), nullptr);
  while (!game.program.settings() &&
         std::chrono::steady_clock::now() - opened < std::chrono::seconds(20))
    QTest::qWait(20);
  const auto after = std::chrono::steady_clock::now() - opened;
  ASSERT_NE(game.program.settings(), nullptr);
  EXPECT_TRUE(game.program.settings()->isVisible());
  EXPECT_GE(after, std::chrono::milliseconds(2490));
}

// ---- Settings ----------------------------------------------------------------------

TEST(Settings, EnterOnATileIsOkAndAtOnceGivesTheDefaults) {
  GuiGame game;
  to_settings(game);
  EXPECT_TRUE(tile(game, "Image5")->marked());
  EXPECT_TRUE(tile(game, "Label7")->marked());
  for (const char* room : {"Image2", "Image3", "Image4", "Label9"})
    EXPECT_FALSE(tile(game, room)->marked()) << room;
  // A screen reader hears each tile's name, and not again as its description.
  for (const char* name : {"Image5", "Image6", "Label7", "Image2", "Label9"}) {
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(tile(game, name));
    EXPECT_FALSE(node->text(QAccessible::Name).isEmpty()) << name;
    EXPECT_TRUE(node->text(QAccessible::Description).isEmpty()) << name;
  }
  const QPointer<QWidget> settings = game.program.settings();
  tile(game, "Image5")->setFocus(Qt::TabFocusReason);
  QTest::keyClick(tile(game, "Image5"), Qt::Key_Return);

  ASSERT_NE(game.program.table(), nullptr);
  EXPECT_TRUE(game.program.table()->isVisible());
  EXPECT_FALSE(settings->isVisible());
  // The table holds the choices: the window and its pictures go.
  QCoreApplication::processEvents();
  EXPECT_TRUE(settings.isNull());
  EXPECT_EQ(game.screen().caption(Label3), "");
  EXPECT_EQ(game.screen().at(Shape1).fill, 0x8000u);
  EXPECT_EQ(game.table().settings.backside, 0);
  EXPECT_FALSE(game.program.table()->room());
  for (int s = 2; s <= 7; ++s) EXPECT_EQ(game.screen().picture(Image1(7 * (s - 1))), 0) << s;
}

TEST(Settings, EachGroupMarksOnlyItsLastChoiceAndEveryChoiceReachesTheTableTheNameAsTyped) {
  GuiGame game;
  to_settings(game);
  const QString name = QStringLiteral("<h1>BIG</h1><i>x");  // shown as typed, never as markup
  QTest::keyClicks(game.program.settings()->findChild<QLineEdit*>(QStringLiteral("Text1")), name);
  // Two backs, two table tops, two rooms (the last one a label, not a picture).
  for (const char* name : {"Image6", "Image7", "Label5", "Label6", "Image3", "Label9"})
    click(tile(game, name));
  for (const char* name : {"Image7", "Label6", "Label9"})
    EXPECT_TRUE(tile(game, name)->marked()) << name;
  for (const char* name : {"Image5", "Image6", "Label5", "Label7", "Image3"})
    EXPECT_FALSE(tile(game, name)->marked()) << name;
  press_ok(game);
  EXPECT_EQ(game.screen().caption(Label3), name.toStdString());
  EXPECT_EQ(game.program.table()->room(), 103);
  EXPECT_EQ(game.screen().at(Shape1).fill, 0xC0C000u);
  // Third street: every computer seat's first card lies face down.
  for (int s = 2; s <= 7; ++s) EXPECT_EQ(game.screen().picture(Image1(7 * (s - 1))), 54) << s;

  // The felt is drawn teal (blue and green, no red): the colour number is
  // &HBBGGRR, not RGB.
  auto* window = game.program.table();
  window->motion().set_enabled(false);
  window->resize(1236, 882);
  const QImage shot = window->grab().toImage();
  const QRectF felt = window->to_view(design_rect(Shape1));
  const QColor c = shot.pixelColor(QPoint(static_cast<int>(felt.left() + felt.width() * 0.3),
                                          static_cast<int>(felt.center().y())) *
                                   shot.devicePixelRatio());
  EXPECT_LT(c.red(), 60);
  EXPECT_GT(c.green(), 120);
  EXPECT_GT(c.blue(), 120);

  // The name in the plate's tooltip, as the tooltip renders it.
  ASSERT_TRUE(game.run_to_human_turn());
  const QPointF plate = window->spots().seats[0].name.box.center();
  QHelpEvent help(QEvent::ToolTip, plate.toPoint(), window->mapToGlobal(plate.toPoint()));
  QCoreApplication::sendEvent(window, &help);
  QTextDocument shown;
  shown.setHtml(QToolTip::text());
  EXPECT_EQ(shown.toPlainText(), name);
  QToolTip::hideText();
  // In the log, the plate and what the screen reader hears.
  click(window->button(game.screen().visible(Command5) ? Command5 : Command7));
  EXPECT_TRUE(window->log()->toPlainText().contains(name + QStringLiteral(" c")));
  EXPECT_EQ(window->spots().seats[0].name.whole, name);
  EXPECT_TRUE(
      window->findChild<windows::SpokenLabel*>("Label3_spoken")->spoken_name().endsWith(name));
}

TEST(Settings, ExitOrClosingTheWindowEndsTheProgramWithoutATable) {
  for (bool by_exit : {true, false}) {
    GuiGame game;
    QSignalSpy finished(&game.program, &windows::Program::finished);
    to_settings(game);
    auto* settings = game.program.settings();
    by_exit ? click(settings->findChild<QPushButton*>(QStringLiteral("Command2")))
            : (void)settings->close();
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(settings->isVisible());
    EXPECT_EQ(game.program.table(), nullptr);
    EXPECT_FALSE(game.host.started());
  }
}

// ---- The table window after its load ------------------------------------------------------

TEST(TableWindow, AfterLoadShowsOnlyExitAndSitOutAndScalesTheWholeDesignUniformly) {
  GuiGame game;
  game.open_table();
  auto* window = game.program.table();
  for (Element e : {Command5, Command6, Command7, Command8, Command11})
    EXPECT_FALSE(window->button(e)->isVisible()) << element_name(e);
  EXPECT_FALSE(window->amount_box()->isVisible());
  EXPECT_TRUE(window->button(Command2)->isVisible());
  EXPECT_TRUE(window->button(Command3)->isVisible());
  // The keyboard is not on Sit Out, where a Space would sit the player out.
  EXPECT_NE(QApplication::focusWidget(), window->button(Command3));
  if (QWidget* focused = QApplication::focusWidget()) QTest::keyClick(focused, Qt::Key_Space);
  EXPECT_EQ(game.game().sit_out(), SitOut::playing);

  window->resize(1236, 882);
  const QRect exit_small = window->button(Command2)->geometry();
  EXPECT_NEAR(window->scale(), 0.1, 1e-3);
  EXPECT_EQ(exit_small, window->to_view(design_rect(Command2)).toAlignedRect());

  window->resize(2472, 1764);
  const QRect exit_large = window->button(Command2)->geometry();
  EXPECT_NEAR(exit_large.width(), 2 * exit_small.width(), 2);
  EXPECT_NEAR(exit_large.left(), 2 * exit_small.left(), 2);

  // A wide window letterboxes: the design stays centred at its own shape.
  window->resize(2000, 882);
  EXPECT_NEAR(window->scale(), 0.1, 1e-3);
  const QRectF whole = window->to_view({0, 0, design_width, design_height});
  EXPECT_NEAR(whole.center().x(), 1000, 1);
}

// ---- The host's one timer ------------------------------------------------------------------

TEST(GameHost, OnTheMachinesClockItWakesOnlyForTheTablesTimers) {
  // Twenty times real time, so that the turns up to the human's come quickly.
  windows::GameHost host(10.0);
  // The player's pace runs on top of the host's own rate.
  host.set_pace(2);
  EXPECT_EQ(host.speed(), 20);
  host.start(Settings{});
  EXPECT_TRUE(host.wake_up().isActive());
  EXPECT_TRUE(host.wake_up().isSingleShot());
  EXPECT_LE(host.wake_up().remainingTime(), 2000 / 20 + 1);

  auto human_turn = [&host] { return host.game().human_turn_open(); };
  ASSERT_TRUE(QTest::qWaitFor(human_turn, 20000));
  // The human thinks: nothing is due, nothing wakes the program.
  EXPECT_FALSE(host.wake_up().isActive());
  EXPECT_FALSE(host.armed_for());
  host.click(host.screen().visible(Command5) ? Command5 : Command7);
  EXPECT_TRUE(host.wake_up().isActive());
  EXPECT_TRUE(host.armed_for());
}

}  // namespace
}  // namespace tarvix::testing
