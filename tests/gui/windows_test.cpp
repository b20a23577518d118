// The splash, the settings window and the table window after its load,
// driven through their widgets.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <chrono>

#include "harness/gui_game.h"
#include "windows/choice_tile.h"
#include "windows/settings_window.h"
#include "windows/splash_window.h"
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

TEST(Splash, ShowsTheProductAndGivesWayToTheSettingsOnAKey) {
  GuiGame game;
  game.program.start();
  auto& splash = *game.program.splash();
  EXPECT_TRUE(splash.isVisible());
  EXPECT_EQ(splash.findChild<QLabel*>(QStringLiteral("lblProductName"))->text(), "TARVIX");
  EXPECT_EQ(splash.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), "Version 1.0");
  EXPECT_EQ(game.program.settings(), nullptr);

  QTest::keyClick(&splash, Qt::Key_Q);
  EXPECT_FALSE(splash.isVisible());
  EXPECT_TRUE(game.program.settings()->isVisible());
  EXPECT_FALSE(splash.timer().isActive());
  EXPECT_EQ(game.program.splash(), nullptr);
}

TEST(Splash, GivesWayOnAClickOnItsFrameAndOnlyOnce) {
  GuiGame game;
  game.program.start();
  auto& splash = *game.program.splash();
  QSignalSpy finished(&splash, &windows::SplashWindow::finished);
  click(splash.findChild<QFrame*>(QStringLiteral("Frame1")));
  EXPECT_TRUE(game.program.settings()->isVisible());
  QTest::keyClick(&splash, Qt::Key_Q);
  EXPECT_EQ(finished.count(), 1);
}

TEST(Splash, GivesWayByItselfAfter2500Milliseconds) {
  GuiGame game;
  const auto opened = std::chrono::steady_clock::now();
  game.program.start();
  EXPECT_EQ(game.program.splash()->timer().interval(), 2500);
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

TEST(Settings, OkAtOnceGivesTheDefaults) {
  GuiGame game;
  to_settings(game);
  EXPECT_TRUE(tile(game, "Image5")->marked());
  EXPECT_TRUE(tile(game, "Label7")->marked());
  for (const char* room : {"Image2", "Image3", "Image4", "Label9"})
    EXPECT_FALSE(tile(game, room)->marked()) << room;
  const QPointer<QWidget> settings = game.program.settings();
  press_ok(game);

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

TEST(Settings, EnterOnATilePressesOkAndNoTileIsDescribedByItsNameAgain) {
  GuiGame game;
  to_settings(game);
  for (const char* name : {"Image5", "Image6", "Label7", "Image2", "Label9"}) {
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(tile(game, name));
    EXPECT_FALSE(node->text(QAccessible::Name).isEmpty()) << name;
    EXPECT_TRUE(node->text(QAccessible::Description).isEmpty()) << name;
  }
  windows::ChoiceTile* back = tile(game, "Image6");
  back->setFocus(Qt::TabFocusReason);
  QTest::keyClick(back, Qt::Key_Return);
  ASSERT_NE(game.program.table(), nullptr);
  EXPECT_TRUE(game.program.table()->isVisible());
}

TEST(Settings, EachGroupMarksOnlyItsChosenTile) {
  GuiGame game;
  to_settings(game);
  click(tile(game, "Image6"));
  click(tile(game, "Label5"));
  click(tile(game, "Image4"));
  EXPECT_TRUE(tile(game, "Image6")->marked());
  EXPECT_FALSE(tile(game, "Image5")->marked());
  EXPECT_TRUE(tile(game, "Label5")->marked());
  EXPECT_FALSE(tile(game, "Label7")->marked());
  EXPECT_TRUE(tile(game, "Image4")->marked());
  EXPECT_EQ(game.program.settings()->backside(), 53);
  EXPECT_EQ(game.program.settings()->tabletop(), 0x4080u);
}

TEST(Settings, TheNameAndTheTableTopReachTheTable) {
  GuiGame game;
  to_settings(game);
  QTest::keyClicks(game.program.settings()->findChild<QLineEdit*>(QStringLiteral("Text1")),
                   QStringLiteral("Alice"));
  click(tile(game, "Label6"));
  press_ok(game);
  EXPECT_EQ(game.screen().caption(Label3), "Alice");
  EXPECT_EQ(game.screen().at(Shape1).fill, 0xC0C000u);

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
}

TEST(Settings, AChosenBackIsDealtFaceDownToTheComputerSeats) {
  GuiGame game;
  to_settings(game);
  click(tile(game, "Image7"));
  press_ok(game);
  for (int s = 2; s <= 7; ++s) {
    // Third street: two cards down, the third up.
    EXPECT_EQ(game.screen().picture(Image1(7 * (s - 1))), 54) << s;
    EXPECT_EQ(game.screen().picture(Image1(7 * (s - 1) + 2)), 54) << s;
    const int up = game.screen().picture(Image1(7 * (s - 1) + 1));
    EXPECT_TRUE(up >= 1 && up <= 52) << s;
  }
}

TEST(Settings, TheFourthRoomChoiceOnlyMovesTheMark) {
  GuiGame game;
  to_settings(game);
  click(tile(game, "Image3"));
  click(tile(game, "Label9"));
  EXPECT_TRUE(tile(game, "Label9")->marked());
  EXPECT_FALSE(tile(game, "Image3")->marked());
  press_ok(game);
  EXPECT_EQ(game.program.table()->room(), 103);
}

TEST(Settings, ExitEndsTheProgramWithoutATable) {
  GuiGame game;
  QSignalSpy finished(&game.program, &windows::Program::finished);
  to_settings(game);
  click(game.program.settings()->findChild<QPushButton*>(QStringLiteral("Command2")));
  EXPECT_EQ(finished.count(), 1);
  EXPECT_FALSE(game.program.settings()->isVisible());
  EXPECT_EQ(game.program.table(), nullptr);
  EXPECT_FALSE(game.host.started());
}

TEST(Settings, ClosingTheWindowIsItsExitButton) {
  GuiGame game;
  QSignalSpy finished(&game.program, &windows::Program::finished);
  to_settings(game);
  game.program.settings()->close();
  EXPECT_EQ(finished.count(), 1);
  EXPECT_FALSE(game.host.started());
}

// ---- The table window after its load ------------------------------------------------------

TEST(TableWindow, AfterLoadOnlyTheExitAndSitOutButtonsAreShown) {
  GuiGame game;
  game.open_table();
  auto* window = game.program.table();
  for (Element e : {Command5, Command6, Command7, Command8, Command11})
    EXPECT_FALSE(window->button(e)->isVisible()) << element_name(e);
  EXPECT_FALSE(window->amount_box()->isVisible());
  EXPECT_TRUE(window->button(Command2)->isVisible());
  EXPECT_EQ(window->button(Command2)->text(), "Exit");
  EXPECT_TRUE(window->button(Command3)->isVisible());
  EXPECT_EQ(window->button(Command3)->text(), "Sit Out");
  EXPECT_EQ(game.screen().caption(Label13), " 1000");
  EXPECT_EQ(game.screen().caption(Label4), "boulder man");
  EXPECT_TRUE(game.screen().visible(Label1));
  // The keyboard is not on Sit Out, where a Space would sit the player out.
  EXPECT_NE(QApplication::focusWidget(), window->button(Command3));
  if (QWidget* focused = QApplication::focusWidget()) QTest::keyClick(focused, Qt::Key_Space);
  EXPECT_EQ(game.game().sit_out(), SitOut::playing);
}

TEST(TableWindow, ScalesTheWholeDesignUniformlyAndKeepsItsProportions) {
  GuiGame game;
  game.open_table();
  auto* window = game.program.table();
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
  EXPECT_NEAR(whole.width() / whole.height(), double(design_width) / design_height, 1e-6);
}

TEST(TableWindow, ClosingTheWindowAsksFirstEnterStaysAndLeaveLeavesAsTheExitButton) {
  GuiGame game;
  game.open_table();
  QSignalSpy finished(&game.program, &windows::Program::finished);
  game.program.table()->close();
  QMessageBox* question = game.program.table()->leave_question();
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(question->text(), "Leave the tournament?");
  EXPECT_FALSE(game.table().ended());
  QTest::keyClick(question, Qt::Key_Return);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !game.program.table()->leave_question(); }, 10000));
  EXPECT_FALSE(game.table().ended());
  game.program.table()->close();
  question = game.program.table()->leave_question();
  ASSERT_NE(question, nullptr);
  // Over the table, clear of the human's plate.
  const QRect plate = game.program.table()->to_view(design_rect(seat_plate(1))).toAlignedRect();
  EXPECT_FALSE(question->frameGeometry().intersects(
      QRect(game.program.table()->mapToGlobal(plate.topLeft()), plate.size())));
  for (QAbstractButton* b : question->buttons())
    if (b->text() == "Leave") b->click();
  EXPECT_EQ(game.table().ending, Ending::exit_button);
  EXPECT_TRUE(QTest::qWaitFor([&] { return finished.count() == 1; }, 10000));
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
