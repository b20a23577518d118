// The table window's comforts: the amount box from the keyboard and what
// its note tells, the alert when the human's turn opens unseen, what a
// screen reader finds, and full screen.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <map>

#include "harness/gui_game.h"
#include "model/card.h"
#include "windows/spoken_label.h"
#include "windows/table_reader.h"
#include "windows/table_window.h"

namespace tarvix::testing {
namespace {

using harness::GuiGame;

struct Comforts : ::testing::Test {
  void SetUp() override {
    window = game.open_still_table();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }
  bool shown(Element e) const { return window->button(e)->isVisible(); }
  void key(Qt::Key k) { QTest::keyClick(window, k); }
  player& human_seat() { return game.table().p(1); }

  GuiGame game{3};
  windows::TableWindow* window = nullptr;
};

// ---- The amount box from the keyboard ---------------------------------------------

TEST_F(Comforts, BTakesTheKeyboardIntoTheBoxWhoseNoteTellsWhatEnterStakes) {
  ASSERT_TRUE(game.run_to_human_turn());
  window->setFocus();
  const Chips before = human_seat().prize;
  const Chips call = game.table().amount_to_call();
  const Chips least = std::stoll(game.screen().caption(Command6));
  const Chips more = least + 15;  // not the Raise button's stake
  auto* note = window->findChild<QLabel*>("bet_note");
  QLineEdit* box = window->amount_box();
  EXPECT_EQ(note->text(), QStringLiteral("raise by at least %1").arg(least));
  key(Qt::Key_B);
  EXPECT_TRUE(box->hasFocus());
  EXPECT_EQ(game.table().loop.focus(), Text2);
  // F10 and F9 still show and hide the winner.
  QTest::keyClick(box, Qt::Key_F10);
  EXPECT_TRUE(game.screen().visible(winnerlabel));
  QTest::keyClick(box, Qt::Key_F9);
  EXPECT_FALSE(game.screen().visible(winnerlabel));

  // In the box the letters are text, not commands. The note beside it says
  // why Enter refuses an amount, which keeps the turn open, or what in all
  // Enter stakes.
  const struct {
    QString text, says;
    bool refused;
  } typed[] = {
      {"fc", "type a number", true},
      {QString::number(least - 1), QStringLiteral("at least %1").arg(least), true},
      {QString::number(more),
       call > 0
           ? QStringLiteral("%1 in all: %2 to call and %3").arg(call + more).arg(call).arg(more)
           : QStringLiteral("%1 in all").arg(more),
       false},
  };
  for (const auto& [text, says, refused] : typed) {
    SCOPED_TRACE(text.toStdString());
    box->clear();
    QTest::keyClicks(box, text);
    EXPECT_EQ(box->text(), text);
    EXPECT_EQ(note->text(), says);
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(window->rect().contains(note->geometry()));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(shown(Command11), refused);
    EXPECT_TRUE(!refused || note->text() == says);
  }
  EXPECT_EQ(human_seat().prize, before - std::min(call + more, before));
  // The box went away with the panel, emptied: the window has the keyboard again.
  EXPECT_TRUE(box->text().isEmpty());
  EXPECT_EQ(QApplication::focusWidget(), nullptr);
}

// ---- The turn alert ---------------------------------------------------------------

TEST_F(Comforts, TheTurnAlertsWhileAnotherWindowIsActiveAndNotOtherwise) {
  QSignalSpy alerted(window, &windows::TableWindow::turn_alerted);
  ASSERT_TRUE(game.run_to_human_turn());
  EXPECT_EQ(alerted.count(), 0);
  key(Qt::Key_F);

  QWidget elsewhere;
  elsewhere.show();
  elsewhere.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
  ASSERT_FALSE(window->isActiveWindow());
  ASSERT_TRUE(game.run_to_showdown());
  ASSERT_TRUE(game.run_to_human_turn());
  EXPECT_EQ(alerted.count(), 1);
  // Nothing more while the turn stays open.
  game.elapse(10'000);
  EXPECT_EQ(alerted.count(), 1);
}

// ---- What a screen reader finds --------------------------------------------------

std::map<QString, QAccessibleInterface*> accessible_by_name(QAccessibleInterface* root) {
  std::map<QString, QAccessibleInterface*> found;
  std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
    for (int i = 0; i < node->childCount(); ++i) {
      QAccessibleInterface* child = node->child(i);
      if (!child) continue;
      found[child->text(QAccessible::Name)] = child;
      walk(child);
    }
  };
  walk(root);
  return found;
}

TEST_F(Comforts, AScreenReaderReadsTheButtonsTheBoxTheSeatsThePotAndTheMessage) {
  // The players left show on a hand's first street after the first hand.
  ASSERT_TRUE(game.run_to_human_turn());
  for (int turn = 0; turn < 40 && !game.screen().visible(Label2); ++turn) {
    key(shown(Command5) ? Qt::Key_C : Qt::Key_K);
    ASSERT_TRUE(game.run_to_human_turn());
  }
  ASSERT_TRUE(game.screen().visible(Label2));
  EXPECT_EQ(window->spoken(Label2)->text(),
            QStringLiteral("%1 players remaining").arg(game.game().players_left()));
  // The pot shows from the first street's end on.
  for (int turn = 0; turn < 20 && !game.screen().visible(potlabel); ++turn) {
    key(shown(Command5) ? Qt::Key_C : Qt::Key_K);
    ASSERT_TRUE(game.run_to_human_turn());
  }
  ASSERT_TRUE(game.screen().visible(potlabel));
  Screen& screen = game.game().screen();
  screen.set_caption(Label24, "Limits Are Going Up");
  screen.set_visible(Label24, true);

  QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
  ASSERT_NE(root, nullptr);
  const auto found = accessible_by_name(root);
  auto caption = [this](Element e) {
    return QString::fromStdString(game.screen().caption(e)).trimmed();
  };
  ASSERT_FALSE(caption(potlabel).isEmpty());
  const Chips raise = game.table().amount_to_call() + 2 * game.table().limits;
  const Chips limits = game.table().limits;
  // What each is named and read as, and whether it says what it is for.
  const struct {
    QString name;
    QAccessible::Role role;
    QString value;
    bool described;
  } read[] = {
      {QStringLiteral("Raise %1").arg(raise), QAccessible::Button, {}, true},
      {"Fold", QAccessible::Button, {}, true},
      {"Exit", QAccessible::Button, {}, true},
      {"Amount to bet", QAccessible::EditableText, {}, true},
      {"Seat 3 name: " + caption(Label5), QAccessible::StaticText, caption(Label5), false},
      {"Your stack: " + caption(Label13), QAccessible::StaticText, caption(Label13), false},
      {"Pot: " + caption(potlabel), QAccessible::StaticText, caption(potlabel), false},
      {"Message: Limits Are Going Up", QAccessible::StaticText, {}, false},
      // In words, without the blanks that line the figures up.
      {QStringLiteral("Limits %1 and %2").arg(limits).arg(2 * limits),
       QAccessible::StaticText,
       {},
       true},
  };
  for (const auto& [name, role, value, described] : read) {
    SCOPED_TRACE(name.toStdString());
    const auto it = found.find(name);
    ASSERT_NE(it, found.end());
    const QAccessibleInterface* node = it->second;
    EXPECT_EQ(node->role(), role);
    EXPECT_FALSE(node->state().invisible);
    const QString reads = node->text(QAccessible::Value);
    EXPECT_TRUE(value.isEmpty() || reads == value) << reads.toStdString();
    EXPECT_TRUE(!described || !node->text(QAccessible::Description).isEmpty());
  }

  // The names follow the game: the pot after a call, the message hidden.
  key(shown(Command5) ? Qt::Key_C : Qt::Key_K);
  screen.set_visible(Label24, false);
  EXPECT_EQ(window->spoken(potlabel)->text(), caption(potlabel));
  QAccessibleInterface* message = QAccessible::queryAccessibleInterface(window->spoken(Label24));
  EXPECT_TRUE(message->state().invisible);
  EXPECT_EQ(message->text(QAccessible::Name), QStringLiteral("Message"));  // nothing stale
}

TEST_F(Comforts, AScreenReaderHearsTheCardsTheButtonTheTurnAndTheShowdownInWords) {
  std::optional<Showdown> showdown;
  game.game().listen([&showdown](const GameEvent& e) {
    if (const auto* s = std::get_if<Showdown>(&e)) showdown = *s;
  });
  ASSERT_TRUE(game.run_to_human_turn());
  const windows::TableReader& reader = *window->reader();
  auto said = [](QObject* o) {
    return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
  };
  auto words = [](int card) { return QString::fromStdString(card_words(card)); };
  auto name = [this](int s) { return QString::fromStdString(game.table().p(s).caption).trimmed(); };
  const player& me = human_seat();
  EXPECT_EQ(said(reader.seat_cards(1)),
            QStringLiteral("Your cards: %1, %2, %3")
                .arg(words(me.card(1)), words(me.card(2)), words(me.card(3))));
  // Third street: an opponent still in shows its second card only.
  int s = 2;
  while (game.table().p(s).fold) ++s;
  EXPECT_EQ(said(reader.seat_cards(s)),
            name(s) + ": " + words(game.table().p(s).card(2)) + " up, two cards down");
  const int dealer = game.table().dealer_seat();
  EXPECT_EQ(said(reader.dealer()), "Dealer button: " + (dealer == 1 ? "you" : name(dealer)));
  EXPECT_EQ(said(reader.turn()), "Whose turn: you");

  // The turn took the keyboard to Call or Check, named for it; Space presses it.
  const Element stay = shown(Command5) ? Command5 : Command7;
  QPushButton* button = window->button(stay);
  EXPECT_TRUE(button->hasFocus());
  EXPECT_EQ(said(button),
            stay == Command5
                ? QStringLiteral("Your turn: call %1").arg(game.table().amount_to_call())
                : QStringLiteral("Your turn: check"));
  QTest::keyClick(button, Qt::Key_Space);
  EXPECT_FALSE(game.human_turn_open());
  EXPECT_EQ(QApplication::focusWidget(), nullptr);
  QCoreApplication::processEvents();
  EXPECT_EQ(said(button), button->text().simplified());

  // Folding from then on: at the showdown every hand still in is told with
  // its hand in words.
  while (!showdown) {
    if (game.human_turn_open()) key(Qt::Key_F);
    ASSERT_TRUE(game.step());
  }
  for (const ShowdownHand& hand : showdown->hands)
    EXPECT_TRUE(said(reader.seat_cards(hand.seat))
                    .contains("; hand: " + QString::fromStdString(hand_words(hand.value))));
}

// ---- Full screen -------------------------------------------------------------------

TEST_F(Comforts, F11TogglesFullScreenAndTheTableScalesWithIt) {
  window->showNormal();
  window->resize(760, 543);
  ASSERT_TRUE(QTest::qWaitFor([&] { return window->width() == 760; }, 10000));
  const double normal = window->scale();
  const QSize screen = window->screen()->geometry().size();

  key(Qt::Key_F11);
  EXPECT_TRUE(window->windowState() & Qt::WindowFullScreen);
  // Laid out for the screen as for any size (the scaling test checks how).
  ASSERT_TRUE(QTest::qWaitFor([&] { return window->size() == screen; }, 10000));
  EXPECT_NE(window->scale(), normal);

  key(Qt::Key_F11);
  EXPECT_FALSE(window->windowState() & Qt::WindowFullScreen);
  ASSERT_TRUE(QTest::qWaitFor([&] { return window->width() == 760; }, 10000));
  EXPECT_NEAR(window->scale(), normal, 1e-9);

  // Escape leaves full screen too, and only that.
  key(Qt::Key_F11);
  key(Qt::Key_Escape);
  EXPECT_FALSE(window->windowState() & Qt::WindowFullScreen);
  EXPECT_FALSE(game.table().ended());
}

}  // namespace
}  // namespace tarvix::testing
