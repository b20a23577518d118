// The table tells what happens: every seat's tag, the pot with the street's
// stakes, the showdown's hands and winnings, the hand log, the guide, the
// speed; and every text, at its longest, stays in its room at every size.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <vector>

#include "harness/gui_game.h"
#include "model/card.h"
#include "model/table.h"
#include "windows/game_host.h"
#include "windows/guide.h"
#include "windows/hand_log.h"
#include "windows/settings_window.h"
#include "windows/sheet_view.h"
#include "windows/splash_window.h"
#include "windows/spoken_label.h"
#include "windows/table_places.h"
#include "windows/table_window.h"

namespace tarvix::testing {
namespace {

using harness::GuiGame;

struct Told : ::testing::Test {
  void SetUp() override { window = game.open_still_table(); }
  QString tag(int s) const { return window->spots().seats[std::size_t(s - 1)].tag.text; }
  void stay_in() {
    const Element e = game.screen().visible(Command5) ? Command5 : Command7;
    QTest::mouseClick(window->button(e), Qt::LeftButton);
  }

  GuiGame game{3};
  windows::TableWindow* window = nullptr;
};

TEST_F(Told, TagsThePotAndTheLogFollowAHandToItsShowdown) {
  // The blinds, each seat's action on third street, and a fresh street.
  ASSERT_TRUE(game.run_to_human_turn());
  EXPECT_EQ(tag(6), "Small blind 10");
  EXPECT_EQ(tag(7), "Big blind 20");
  EXPECT_EQ(window->findChild<windows::SpokenLabel*>("tag7_spoken")->spoken_name(),
            "Seat 7 action: Big blind 20");
  stay_in();
  ASSERT_TRUE(game.run_to_human_turn());
  const QString third[] = {"Call 20",      "Raise to 70",  "Fold",        "Fold",
                           "Raise to 120", "Raise to 170", "Raise to 194"};
  for (int s = 1; s <= 7; ++s) EXPECT_EQ(tag(s), third[s - 1]) << s;
  stay_in();
  ASSERT_TRUE(game.run_to_human_turn());
  EXPECT_EQ(tag(1), "");
  EXPECT_EQ(tag(3), "Fold");  // until the hand ends
  EXPECT_EQ(tag(7), "Bet 20");

  // On every street the total is the table's pot with the street's stakes.
  while (!game.table().gameover) {
    if (game.human_turn_open()) {
      EXPECT_EQ(window->spots().pot_total.text, QStringLiteral("Pot %1").arg(game.table().pot));
      stay_in();
    } else {
      ASSERT_TRUE(game.step());
    }
  }
  // Each seat still in shows its hand; the winners what they received,
  // which adds up to the pot.
  Chips received = 0;
  for (int s = 1; s <= 7; ++s) {
    const player& seat = game.table().p(s);
    if (!seat.fold) {
      EXPECT_EQ(tag(s).toStdString(), seat.handvalue) << s;
    }
    const QString won = window->spots().seats[std::size_t(s - 1)].won.text;
    EXPECT_EQ(won.isEmpty(), seat.handrank != 1) << s;
    received += won.toLongLong();
  }
  EXPECT_EQ(received, game.table().pot);

  const QStringList log = window->log()->toPlainText().split('\n');
  // Each street's up cards for every seat, the human's down cards marked;
  // each house rule named where it acts; the showdown's hands in full.
  const auto card = [&](int s, int c) {
    return QString::fromStdString(convert2card(game.table().p(s).card(c)));
  };
  const QString third_line = QStringLiteral("  Third street: boulder man %1").arg(card(2, 2));
  const QString mine =
      QStringLiteral("; you: %1 (down) %2 %3 (down)").arg(card(1, 1), card(1, 2), card(1, 3));
  const QString computer = QStringLiteral(": sized from its stack (house rules: Computer bets)");
  const QStringList expected = {"Hand 1",
                                "  The button goes to poker man",
                                third_line,
                                "  chips chips posts the small blind 10",
                                "  rotten kid posts the big blind 20",
                                "  You call 20",
                                "  boulder man raises 50 to 70" + computer,
                                "  river rat folds",
                                "  chips chips raises 50 to 170" + computer,
                                "  The pot holds 1082",
                                "  Fourth street: boulder man " + card(2, 4),
                                "  rotten kid bets 20" + computer,
                                "  Seventh street: poker man down",
                                "  Showdown for a pot of 2226 (house rules: Hand values)",
                                "  You show Pair 2: " + card(1, 1),
                                "  poker man shows Pair K, wins 2226: "};
  // In this order, among the others, each line as it begins.
  qsizetype at = 0;
  for (const QString& line : expected) {
    const auto found = std::find_if(log.begin() + at, log.end(),
                                    [&](const QString& l) { return l.startsWith(line); });
    EXPECT_NE(found, log.end()) << line.toStdString();
    if (found != log.end()) at = found - log.begin() + 1;
  }
  EXPECT_TRUE(std::any_of(log.begin(), log.end(), [&](const QString& l) {
    return l.startsWith(third_line) && l.endsWith(mine);
  })) << mine.toStdString();
}

TEST_F(Told, TheLogTakesTheKeyboardByLAndFollowsPlayAfterAResizeAndEachLineIsANoticeOfItsOwn) {
  windows::HandLog* log = window->log();
  QTest::keyClick(window, Qt::Key_L);
  ASSERT_TRUE(log->isVisible());
  EXPECT_EQ(window->focusWidget(), log);
  QTest::keyClick(log, Qt::Key_L);
  EXPECT_FALSE(log->isVisible());
  EXPECT_EQ(window->focusWidget(), window);

  // Shown, resized, and the play goes on: the newest line stays in sight.
  QTest::keyClick(window, Qt::Key_L);
  window->setFocus();
  const int font_before = log->font().pixelSize();
  window->resize(window->size() * 3 / 2);
  EXPECT_GT(log->font().pixelSize(), font_before);
  for (int turns = 0; turns < 4 && game.run_to_human_turn(); ++turns) {
    stay_in();
    QCoreApplication::processEvents();
  }
  QCoreApplication::processEvents();
  EXPECT_EQ(log->verticalScrollBar()->value(), log->verticalScrollBar()->maximum());

  // Every announcement keeps its own notification and its words.
  QSet<QString> said;
  for (const QWidget* notice : window->findChildren<QWidget*>("notice")) {
    EXPECT_FALSE(said.contains(notice->accessibleName()));
    said.insert(notice->accessibleName());
  }
  EXPECT_GT(said.size(), 3);
}

TEST_F(Told, TheHouseRulesOpenByKeyAndButtonAndCloseByKeyOrClick) {
  windows::SheetView* guide = window->guide();
  QTest::keyClick(window, Qt::Key_F1);
  ASSERT_FALSE(guide->isHidden());
  // The ladder is the game's own, to its last step.
  const auto& lines = guide->lines();
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const windows::SheetSpot& line) {
    return line.text.whole.contains("50000 - 100000,  100000 - 200000");
  }));
  EXPECT_EQ(guide->spoken().size(), lines.size());
  QTest::keyClick(window, Qt::Key_Escape);
  EXPECT_TRUE(guide->isHidden());
  EXPECT_FALSE(window->isFullScreen());
  QTest::mouseClick(window->findChild<QPushButton*>("guide_button"), Qt::LeftButton);
  ASSERT_FALSE(guide->isHidden());
  QTest::mouseClick(guide, Qt::LeftButton);
  EXPECT_TRUE(guide->isHidden());
}

TEST(Speed, TheSettingsChoiceAndThePlusAndMinusKeysSetTheHostsPace) {
  GuiGame game;
  game.program.start();
  QTest::keyClick(game.program.splash(), Qt::Key_Space);
  auto& settings = *game.program.settings();
  QTest::mouseClick(settings.findChild<QWidget*>("SpeedVeryfast"), Qt::LeftButton);
  QTest::mouseClick(settings.findChild<QPushButton*>("Command1"), Qt::LeftButton);
  windows::TableWindow* window = game.program.table();
  EXPECT_EQ(game.host.speed(), 4);
  EXPECT_EQ(window->findChild<QPushButton*>("speed_button")->text(), "Speed: Very fast");
  const std::pair<Qt::Key, double> keys[] = {
      {Qt::Key_Minus, 2}, {Qt::Key_Minus, 1}, {Qt::Key_Minus, 1}, {Qt::Key_Plus, 2}};
  for (const auto& [key, speed] : keys) {
    QTest::keyClick(window, key);
    EXPECT_EQ(game.host.speed(), speed);
  }
}

// ---- Every text at its longest, at every window size ------------------------------

windows::TableTexts longest_texts(bool opaque_message) {
  windows::TableTexts t;
  for (int s = 1; s <= 7; ++s) {
    windows::SeatTexts& seat = t.seats[std::size_t(s - 1)];
    // The widest name the settings window takes, and the longest newcomer's.
    seat.name = s == 1 ? QString(20, 'W') : QStringLiteral("riverbelle california riverbelle");
    seat.stack = QStringLiteral(" 1000000");
    seat.tag = QStringLiteral("royal flush diamonds");
    seat.won = QStringLiteral("+1000000");
    t.bets[std::size_t(s - 1)] = QStringLiteral(" 1000000");
  }
  t.pot = QStringLiteral(" 1000000");
  t.pot_total = QStringLiteral("Pot 1000000");
  t.limits_label = QStringLiteral("Limits Go Up in Every 10 mins");
  t.limits = QStringLiteral("Limits    100000  -   200000");
  t.players = QStringLiteral("Players  997 Remaining in the Tournament");
  t.winner = QStringLiteral("riverbelle california riverbelle royal flush diamonds");
  t.message = opaque_message
                  ? QStringLiteral("Congratulations You Won The Tournament")
                  : QStringLiteral("Your Finished With  997 Players Still in Tournament");
  t.message_points = opaque_message ? 14 : 0;
  t.message_opaque = opaque_message;
  t.sit_out = QStringLiteral("Back in from the next hand");
  return t;
}

// Every box in its room and clear of every other box.
void expect_apart(const std::vector<windows::Placed>& boxes, const std::string& where) {
  constexpr double slack = 0.5;  // a pixel's rounding
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const windows::Placed& a = boxes[i];
    EXPECT_TRUE(a.room.adjusted(-slack, -slack, slack, slack).contains(a.box))
        << where << ": " << a.what.toStdString() << " leaves its room";
    for (std::size_t j = i + 1; j < boxes.size(); ++j) {
      const QRectF both = a.box.intersected(boxes[j].box);
      EXPECT_FALSE(both.width() > slack && both.height() > slack)
          << where << ": " << a.what.toStdString() << " over " << boxes[j].what.toStdString();
    }
  }
}

std::vector<windows::Placed> sheet_boxes(const std::vector<windows::SheetSpot>& lines) {
  std::vector<windows::Placed> boxes;
  for (const windows::SheetSpot& line : lines)
    for (const windows::Spot* spot : {&line.text, &line.value})
      if (spot->shown()) boxes.push_back({spot->text, spot->box, spot->room});
  return boxes;
}

// The least text height a size allows: 12 px from 1280 x 720 up, 9 px below.
int least_pixels(const QSize& size) { return size.height() >= 720 ? 12 : 9; }

// The WCAG contrast ratio of two colours.
double contrast(const QColor& a, const QColor& b) {
  auto luminance = [](const QColor& c) {
    auto channel = [](double v) {
      v /= 255;
      return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A drawn text's contrast: the ground is the middle one, by lightness, of the
// pixels around the text inside its box; the ink is the pixel of the text that
// stands out from the ground the most.
double drawn_contrast(const QImage& image, const QRectF& box_at, const QRectF& inner_at) {
  const double r = image.devicePixelRatio();
  const QRect box = QRectF(box_at.topLeft() * r, box_at.size() * r).toAlignedRect();
  const QRect inner = QRectF(inner_at.topLeft() * r, inner_at.size() * r).toRect();
  std::vector<QColor> ground;
  for (int x = box.left() + 1; x < box.right(); ++x)
    for (int y : {box.top() + 1, box.bottom() - 1}) ground.push_back(image.pixelColor(x, y));
  for (int y = box.top() + 1; y < box.bottom(); ++y)
    for (int x : {box.left() + 1, box.right() - 1}) ground.push_back(image.pixelColor(x, y));
  std::sort(ground.begin(), ground.end(),
            [](const QColor& a, const QColor& b) { return a.lightnessF() < b.lightnessF(); });
  const QColor under = ground[ground.size() / 2];
  double most = 1;
  for (int x = inner.left(); x <= inner.right(); ++x)
    for (int y = inner.top(); y <= inner.bottom(); ++y)
      most = std::max(most, contrast(image.pixelColor(x, y), under));
  return most;
}

TEST(Layout, EveryTextAtItsLongestStaysInItsPlateOrPanelAtEverySize) {
  GuiGame game;
  windows::TableWindow* window = game.open_still_table();
  Screen& screen = game.game().screen();
  screen.set_caption(Command5, " 200000");
  screen.set_caption(Command6, " 400000");
  const auto ladder = Game::limits_ladder();
  const std::vector<windows::SheetLine> guide = windows::guide_lines(ladder);
  windows::Story story(game.game());
  story.hear(Showdown{true, 1000000, {{1, "royal flush diamonds", 1000000, 1004, false}}});
  story.hear(TournamentOver{Finish::knocked_out, 999, 1000});
  const std::vector<windows::SheetLine> summary = story.summary(100 * harness::game_hour);

  for (bool log : {false, true}) {
    window->show_log(log);
    for (const QSize& size : harness::window_sizes) {
      window->resize(size);
      if (log) window->resize(size + QSize(window->log()->width(), 0));
      const std::string where = std::to_string(size.width()) + "x" + std::to_string(size.height()) +
                                (log ? " with the log" : "");
      const windows::TableLayout layout = window->layout();
      for (bool opaque : {false, true}) {
        windows::TableTexts texts = longest_texts(opaque);
        // The dealer button beside each seat's plate in turn: clear of every
        // text, plate, card, chip's place, panel and button, on the table.
        for (int s = 1; s <= 7; ++s) {
          texts.button_seat = s;
          const windows::TableSpots spots = layout.table(texts);
          const std::string at = where + ", the button at seat " + std::to_string(s);
          expect_apart(spots.placed(), at);
          ASSERT_FALSE(spots.dealer.isEmpty()) << at;
          EXPECT_TRUE(window->to_view({0, 0, design_width, design_height}).contains(spots.dealer))
              << at;
          for (const QRectF& place : layout.fixed_places())
            EXPECT_FALSE(place.intersects(spots.dealer)) << at;
          const QRectF plate = window->to_view(design_rect(seat_plate(s)));
          const QPointF apart = spots.dealer.center() - plate.center();
          EXPECT_LT(std::hypot(apart.x(), apart.y()), plate.width())
              << at << ": not beside its plate";
        }
        texts.button_seat = 0;
        const windows::TableSpots spots = layout.table(texts);
        expect_apart(spots.placed(), where);
        // Amounts shrink but are never cut short; no text is too small to read.
        for (const windows::SeatSpots& seat : spots.seats)
          EXPECT_TRUE(seat.stack.text == seat.stack.whole && seat.won.text == seat.won.whole)
              << where;
        for (const windows::Spot* spot : spots.texts()) {
          if (spot->shown()) {
            EXPECT_GE(spot->font.pixelSize(), least_pixels(size))
                << where << ": \"" << spot->text.toStdString() << '"';
          }
        }
      }
      // The cards large enough to read, clear of every text, chip pile,
      // button and each other.
      {
        std::vector<windows::Placed> apart = layout.table(longest_texts(false)).placed();
        const QRectF whole = window->to_view({0, 0, design_width, design_height});
        for (int s = 1; s <= 7; ++s) {
          const QString seat = QStringLiteral("seat %1 ").arg(s);
          apart.push_back({seat + "cards", window->to_view(windows::places::fan(s)), whole});
          QRectF pile;
          for (int i = 6 * (s - 1); i < 6 * s; ++i) {
            const Rect r = design_rect(backchips(i));
            const windows::places::Point at = windows::places::chip(i, {r.left, r.top});
            pile |= window->to_view({at.left, at.top, r.width, r.height});
          }
          // A bet's amount stands on its pile.
          auto bet = std::find_if(apart.begin(), apart.end(), [&](const windows::Placed& p) {
            return p.what.startsWith(seat + "bet");
          });
          if (bet != apart.end())
            bet->box |= pile;
          else
            apart.push_back({seat + "bet", pile, whole});
          if (size.height() >= 720) {
            EXPECT_GE(window->card_place(7 * (s - 1)).height(), s == 1 ? 96 : 64) << where;
          }
        }
        QRectF pot;
        for (int i = pot_chip_first; i <= pot_chip_last; ++i)
          pot |= window->to_view(design_rect(backchips(i)));
        auto pot_label = std::find_if(apart.begin(), apart.end(), [](const windows::Placed& p) {
          return p.what.startsWith("pot \"");
        });
        ASSERT_NE(pot_label, apart.end());
        pot_label->box |= pot;
        for (const QPushButton* b : window->findChildren<QPushButton*>())
          if (!b->isHidden()) apart.push_back({b->text(), b->geometry(), window->rect()});
        expect_apart(apart, where);
      }
      // A name of twenty letters is never cut from 1280 x 720 up.
      if (size.height() >= 720) {
        windows::TableTexts named = longest_texts(false);
        for (windows::SeatTexts& seat : named.seats)
          seat.name = QStringLiteral("Maximilian Archibald");
        for (const windows::SeatSpots& seat : layout.table(named).seats)
          EXPECT_EQ(seat.name.text.toStdString(), seat.name.whole.toStdString()) << where;
      }
      expect_apart(sheet_boxes(layout.sheet(guide, window->to_view(layout.guide_room))), where);
      expect_apart(sheet_boxes(layout.sheet(summary, window->to_view(layout.summary_room))), where);
      // The log beside the table, never over it; the captions in their buttons.
      const QRectF table = window->to_view({0, 0, design_width, design_height});
      EXPECT_FALSE(log && window->log()->geometry().intersects(table.toAlignedRect())) << where;
      EXPECT_NEAR(table.width() / table.height(), double(design_width) / design_height, 1e-3);
      for (Element e : {Command2, Command3, Command5, Command6, Command11}) {
        QPushButton* b = window->button(e);
        b->ensurePolished();
        constexpr int borders = 2;
        EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()), b->width() - borders)
            << where << ": " << element_name(e);
        EXPECT_GE(b->font().pixelSize(), least_pixels(size)) << where << ": " << element_name(e);
      }
    }
  }
}

TEST(Layout, EveryDrawnTextStandsOutFromWhatLiesUnderItAtEverySize) {
  GuiGame game;
  windows::TableWindow* window = game.open_still_table();
  ASSERT_TRUE(game.run_to_human_turn());
  Screen& screen = game.game().screen();
  for (int s = 2; s <= 7; ++s)
    screen.set_caption(name_label(s), "riverbelle california riverbelle");
  screen.set_caption(Label24, "Your Finished With  997 Players Still in Tournament");
  screen.set_visible(Label24, true);
  for (const QSize& size : harness::window_sizes) {
    window->resize(size);
    const std::string where = std::to_string(size.width()) + "x" + std::to_string(size.height());
    const QImage image = window->grab().toImage();
    for (const windows::Spot* spot : window->spots().texts()) {
      if (spot->shown()) {
        EXPECT_GE(drawn_contrast(image, spot->box, spot->inner), 4.5)
            << where << ": \"" << spot->text.toStdString() << '"';
      }
    }
    // The buttons' captions on their own colours, inside their frames.
    for (const QPushButton* b : window->findChildren<QPushButton*>()) {
      if (b->isHidden() || b->text().trimmed().isEmpty()) continue;
      const QRectF fill = QRectF(b->geometry()).adjusted(3, 3, -3, -3);
      EXPECT_GE(drawn_contrast(image, fill, fill.adjusted(2, 1, -2, -1)), 4.5)
          << where << ": " << b->text().toStdString();
    }
    // The Bet It hint is whole, above the box, inside the window.
    auto* note = window->findChild<QLabel*>("bet_note");
    ASSERT_TRUE(note->isVisible()) << where;
    EXPECT_TRUE(window->rect().contains(note->geometry())) << where;
    EXPECT_LE(note->fontMetrics().horizontalAdvance(note->text()), note->contentsRect().width())
        << where;
    EXPECT_GE(note->font().pixelSize(), least_pixels(size)) << where;
  }
}

}  // namespace
}  // namespace tarvix::testing
