// Hands played through the table window's own widgets: the bet panel's
// buttons and their letters, Sit Out and Exit; and the table drawn as the
// game says.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <optional>
#include <vector>

#include "harness/gui_game.h"
#include "windows/settings_window.h"
#include "windows/sheet_view.h"
#include "windows/table_places.h"
#include "windows/table_window.h"

namespace tarvix::testing {
namespace {

using harness::GuiGame;

constexpr Element bet_panel[] = {Command5, Command6, Command7, Command8, Command11};

struct Played : ::testing::Test {
  void SetUp() override { window = game.open_still_table(); }
  void click(Element e) {
    ASSERT_TRUE(window->button(e)->isVisible()) << element_name(e);
    QTest::mouseClick(window->button(e), Qt::LeftButton);
  }
  void type_in_box(const QString& text) {
    QTest::mouseClick(window->amount_box(), Qt::LeftButton);
    QTest::keyClicks(window->amount_box(), text);
  }
  bool panel_hidden() const {
    for (Element e : bet_panel)
      if (window->button(e)->isVisible()) return false;
    return !window->amount_box()->isVisible();
  }
  // Everything in at every turn, until `until` holds or the game has ended.
  template <typename Until>
  void all_in(Until until) {
    for (int guard = 0; guard < 200000 && !game.table().ended() && !until(); ++guard) {
      if (game.human_turn_open()) {
        type_in_box(QStringLiteral("100000"));
        QTest::keyClick(window->amount_box(), Qt::Key_Return);
      } else if (!game.step()) {
        return;
      }
    }
  }
  Chips raise_caption() const {
    return game.screen().caption(Command6).empty() ? 0
                                                   : std::stoll(game.screen().caption(Command6));
  }

  GuiGame game{3};
  windows::TableWindow* window = nullptr;
};

TEST_F(Played, TheHumansTurnShowsThePanelAsTheModelSaysLightsThePlateAndShadesDownCards) {
  ASSERT_TRUE(game.run_to_human_turn());
  for (Element e : {Command6, Command8, Command11})
    EXPECT_TRUE(window->button(e)->isVisible()) << element_name(e);
  EXPECT_TRUE(window->amount_box()->isVisible());
  // Exactly one of Call and Check.
  EXPECT_NE(window->button(Command5)->isVisible(), window->button(Command7)->isVisible());
  const Chips call = game.table().amount_to_call();
  if (window->button(Command5)->isVisible()) {
    EXPECT_EQ(window->button(Command5)->text(), QStringLiteral("Call  %1").arg(call));
  }
  EXPECT_EQ(window->button(Command6)->text(),
            QStringLiteral("Raise  %1").arg(call + 2 * game.table().limits));

  // The human's plate is lit in the model's &H80FFFF, a light yellow.
  EXPECT_EQ(game.screen().at(Shape7).fill, 0x80FFFFu);
  const QImage shot = window->grab().toImage();
  const QPointF clear = window->to_view({4150, 8000, 0, 0}).topLeft();
  const QColor lit = shot.pixelColor((clear * shot.devicePixelRatio()).toPoint());
  EXPECT_GT(lit.red(), 200);
  EXPECT_GT(lit.green(), 200);
  EXPECT_LT(lit.blue(), 170);
  // Its cards on third street: the first and third down, shaded, the second
  // up. Each is seen at a point of its face that no later card in the fan
  // covers: its lower left, clear of the corner's index.
  auto face = [&](int c) {
    const QRectF r = window->card_place(c - 1);
    const QPointF p(r.left() + r.width() * 0.12, r.bottom() - r.height() * 0.12);
    return shot.pixelColor((p * shot.devicePixelRatio()).toPoint()).lightness();
  };
  EXPECT_GT(face(2), face(1) + 15);
  EXPECT_GT(face(2), face(3) + 15);
  // The plate is drawn dark again once the turn has passed on.
  click(window->button(Command5)->isVisible() ? Command5 : Command7);
  while (game.screen().at(Shape7).fill == 0x80FFFFu) ASSERT_TRUE(game.step());
  const QImage next = window->grab().toImage();
  EXPECT_LT(next.pixelColor((clear * next.devicePixelRatio()).toPoint()).green(), 100);
}

TEST_F(Played, AnOpaqueMessageAndThePotAreDrawnAsTheModelSays) {
  // As the end of the tournament shows it: red back, yellow text, 14 points.
  Screen& screen = game.game().screen();
  screen.set_caption(Label24, "Congratulations You Won The Tournament");
  screen.set_opaque(Label24, true);
  screen.set_color(Label24, ColorRole::back, 0xFF);
  screen.set_color(Label24, ColorRole::fore, 0xFFFF);
  screen.set_font_size(Label24, 14);
  screen.set_visible(Label24, true);
  const QImage shot = window->grab().toImage();
  const QRectF label = window->to_view(design_rect(Label24));
  int red = 0, yellow = 0;
  for (int x = static_cast<int>(label.left()); x < label.right(); x += 2) {
    const QColor c =
        shot.pixelColor((QPointF(x, label.center().y()) * shot.devicePixelRatio()).toPoint());
    red += c.red() > 200 && c.green() < 60 && c.blue() < 60;
    yellow += c.red() > 200 && c.green() > 200 && c.blue() < 80;
  }
  EXPECT_GT(red, 20);
  EXPECT_GT(yellow, 3);

  // The pot's figure is drawn where the layout puts it.
  screen.set_caption(potlabel, " 1082");
  screen.set_visible(potlabel, true);
  const QRect pot = window->spots().pot.box.toAlignedRect();
  const QImage with_pot = window->grab(pot).toImage();
  screen.set_visible(potlabel, false);
  EXPECT_NE(window->grab(pot).toImage(), with_pot);
}

// The stakes are the game's (the core tests count them); here each of the
// panel's buttons plays its own action, by a click and by the letter its
// tooltip names: once, not again while the letter is held, not with Ctrl,
// and never by the letter of the hidden one of Call and Check.
TEST_F(Played, EachButtonPlaysByAClickAndOnceByTheLetterItsTooltipNames) {
  std::optional<SeatAction> acted;
  game.game().listen([&acted](const GameEvent& e) {
    if (const auto* a = std::get_if<SeatAction>(&e); a && a->seat == human) acted = *a;
  });
  auto letter = [](const QPushButton* b) {
    const QString tip = b->toolTip();
    return static_cast<Qt::Key>(tip.at(tip.indexOf('(') + 1).unicode());
  };
  // Each button by its letter and by a click, Check first: a turn to check
  // comes once a game here (and a click on it is how the other tests stay
  // in). Bet It's key is Enter in the amount box, the keyboard's test.
  std::vector<std::pair<Element, bool>> untried = {
      {Command7, true}, {Command5, false}, {Command5, true}, {Command6, false},
      {Command6, true}, {Command8, false}, {Command8, true}, {Command11, false}};
  for (int turn = 0; turn < 200 && !untried.empty(); ++turn) {
    ASSERT_TRUE(game.run_to_human_turn());
    const bool owes = window->button(Command5)->isVisible();
    const Element hidden = owes ? Command7 : Command5;
    // The first untried that this turn offers; else on to the next hand.
    const auto next = std::find_if(untried.begin(), untried.end(),
                                   [hidden](const auto& u) { return u.first != hidden; });
    if (next == untried.end()) {
      click(Command8);
      continue;
    }
    const auto [b, by_letter] = *next;
    untried.erase(next);
    const ActionKind kind = b == Command5   ? ActionKind::call
                            : b == Command7 ? ActionKind::check
                            : b == Command8 ? ActionKind::fold
                            : owes          ? ActionKind::raise
                                            : ActionKind::bet;
    acted.reset();
    if (by_letter) {
      QKeyEvent held(QEvent::KeyPress, letter(window->button(b)), Qt::NoModifier, QString(), true);
      QApplication::sendEvent(window, &held);
      QTest::keyClick(window, letter(window->button(b)), Qt::ControlModifier);
      QTest::keyClick(window, letter(window->button(hidden)));
      EXPECT_TRUE(game.human_turn_open()) << element_name(b);
      QTest::keyClick(window, letter(window->button(b)));
    } else {
      if (b == Command11) type_in_box(QString::number(raise_caption()));
      click(b);
    }
    ASSERT_TRUE(acted) << element_name(b) << (by_letter ? " by its letter" : "");
    EXPECT_EQ(acted->kind, kind) << element_name(b);
    EXPECT_EQ(acted->sizing == Sizing::typed, b == Command11) << element_name(b);
    EXPECT_TRUE(panel_hidden());
    // A fold hides the human's cards.
    for (int c = 0; c < 7 && b == Command8; ++c) EXPECT_FALSE(game.screen().visible(Image1(c)));
  }
  EXPECT_TRUE(untried.empty());
}

TEST_F(Played, SitOutTakesTheColourTheGameGivesIt) {
  click(Command3);
  EXPECT_EQ(game.screen().at(Command3).back, 0xFFu);
  EXPECT_EQ(window->spots().sit_out.text, "Sitting out from the next hand");
  const QImage shot = window->button(Command3)->grab().toImage();
  const QColor c = shot.pixelColor(shot.width() / 8, shot.height() / 2);
  EXPECT_GT(c.red(), 200);
  EXPECT_LT(c.green(), 60);

  // Sitting out, then asking to come back: yellow; back in, its own colour.
  auto step_until = [this](SitOut state) {
    for (int i = 0; i < 5000 && game.game().sit_out() != state; ++i) {
      if (game.human_turn_open())
        click(game.screen().visible(Command5) ? Command5 : Command7);
      else
        ASSERT_TRUE(game.step());
    }
    ASSERT_EQ(game.game().sit_out(), state);
  };
  step_until(SitOut::sitting_out);
  click(Command3);
  EXPECT_EQ(game.game().sit_out(), SitOut::back_next_hand);
  step_until(SitOut::playing);
  const QImage back_in = window->button(Command3)->grab().toImage();
  const QColor own = back_in.pixelColor(back_in.width() / 8, back_in.height() / 2);
  EXPECT_EQ(own.name(), QColor(0xe2, 0xdb, 0xc8).name());
}

TEST_F(Played, ExitOrClosingTheWindowDuringAHandAsksFirstThenLeaveClosesEveryWindow) {
  QSignalSpy finished(&game.program, &windows::Program::finished);
  ASSERT_TRUE(game.run_to_human_turn());
  // Escape and Enter stay, whichever way the question came.
  for (bool by_exit : {true, false}) {
    for (Qt::Key stay : {Qt::Key_Escape, Qt::Key_Enter}) {
      by_exit ? click(Command2) : (void)window->close();
      ASSERT_NE(window->leave_question(), nullptr);
      QTest::keyClick(window->leave_question(), stay);
      EXPECT_TRUE(QTest::qWaitFor([&] { return !window->leave_question(); }, 10000));
      EXPECT_TRUE(game.human_turn_open());
    }
  }
  window->close();
  // Over the table, clear of the human's plate.
  const QRect plate = window->to_view(design_rect(seat_plate(1))).toAlignedRect();
  EXPECT_FALSE(window->leave_question()->frameGeometry().intersects(
      QRect(window->mapToGlobal(plate.topLeft()), plate.size())));
  for (QAbstractButton* b : window->leave_question()->buttons())
    if (b->text() == "Leave") b->click();
  EXPECT_EQ(game.table().ending, Ending::exit_button);
  EXPECT_TRUE(QTest::qWaitFor([&] { return finished.count() == 1; }, 10000));
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(game.program.settings(), nullptr);
}

TEST_F(Played, TheProgramClosesByItselfWhenTheTournamentIsOver) {
  QSignalSpy finished(&game.program, &windows::Program::finished);
  // Everything in: the tournament is soon over for the human.
  bool message = false, summary = false;
  all_in([&] {
    message = message || game.screen().visible(Label24);
    // How the player did, over the table during the pause.
    summary = summary || !window->summary()->isHidden();
    return false;
  });
  ASSERT_TRUE(game.table().ended());
  EXPECT_EQ(game.table().ending, Ending::tournament_over);
  EXPECT_NE(game.table().finish, Finish::none);
  EXPECT_TRUE(message);
  EXPECT_TRUE(summary);
  EXPECT_TRUE(window->summary()->lines().at(1).spoken().endsWith(" of 1000"));
  EXPECT_TRUE(QTest::qWaitFor([&] { return finished.count() == 1; }, 10000));
  EXPECT_FALSE(window->isVisible());
}

TEST_F(Played, ClosingTheWindowOnceTheTournamentIsDecidedLeavesWithoutAsking) {
  QSignalSpy finished(&game.program, &windows::Program::finished);
  all_in([&] { return game.game().finish() != Finish::none; });
  ASSERT_FALSE(game.table().ended());
  window->close();
  EXPECT_EQ(window->leave_question(), nullptr);
  EXPECT_EQ(game.table().ending, Ending::exit_button);
  EXPECT_TRUE(QTest::qWaitFor([&] { return finished.count() == 1; }, 10000));
}

TEST_F(Played, ThePotSlidesToTheWinnerAndHiddenCardsTurnOver) {
  window->motion().set_enabled(true);
  // Stay in every hand until one reaches a showdown with a pot on the table.
  for (int hand = 0; hand < 20; ++hand) {
    while (!game.table().gameover && !game.table().ended()) {
      if (game.human_turn_open())
        click(game.screen().visible(Command5) ? Command5 : Command7);
      else
        ASSERT_TRUE(game.step());
    }
    if (game.table().postflop1) break;
    ASSERT_TRUE(game.run_to_human_turn());
  }
  ASSERT_TRUE(game.table().postflop1);
  EXPECT_TRUE(window->animating());
  EXPECT_FALSE(window->motion().chips(0).empty() && window->motion().chips(1).empty());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window->animating(); }, 10000));
  // Frames repaint only what moved, and leave no chip or card behind: once
  // the last frame is painted, the window shows what a whole repaint draws.
  QCoreApplication::processEvents();
  const QImage shown = window->screen()->grabWindow(window->winId()).toImage();
  EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
            window->grab().toImage().convertToFormat(QImage::Format_RGB32));
  // A pot sliding onto the human's pile, where the human's stakes put it,
  // lands where the window shows that pile.
  for (int i = 0; i < pile_chips; ++i) {
    const ElementState& chip = game.screen().at(backchips(i));
    const windows::places::Point at{chip.left, chip.top};
    EXPECT_TRUE(windows::places::chip(pot_chip_first, at) == windows::places::chip(i, at)) << i;
  }
}

}  // namespace
}  // namespace tarvix::testing
