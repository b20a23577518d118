// The record window over a store holding known tournaments: its figures,
// chart and list, the hand log it exports, Forget behind its question, the
// ways to open it, and the end summary's line on how a finish compares.
#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "harness/gui_game.h"
#include "store/store.h"
#include "support/tournaments_on_record.h"
#include "windows/place_chart.h"
#include "windows/record_text.h"
#include "windows/record_window.h"
#include "windows/settings_window.h"
#include "windows/sheet_view.h"
#include "windows/splash_window.h"
#include "windows/table_window.h"

namespace tarvix::testing {
namespace {

using store::Outcome;
using store::TournamentRow;
using windows::RecordWindow;

// A store of its own holding the tournaments put on record.
struct Kept {
  Kept() : opened(store::Store::open(folder.filePath("tarvix.sqlite").toStdString())) {}
  std::vector<std::int64_t> add(std::initializer_list<int> places) {
    return put_on_record(store(), places, "<b>Ann</b>");
  }
  store::Store& store() { return *opened.store; }

  QTemporaryDir folder;
  store::Store::Opened opened;
};

QString column(const QTreeWidgetItem* item, const char* title) {
  const auto titles = windows::column_titles();
  const auto at = std::find(titles.begin(), titles.end(), std::string(title)) - titles.begin();
  return item->text(static_cast<int>(at));
}

// ---- The figures, the chart and the list ----------------------------------------

TEST(Record, FiguresChartAndListCountAnAbandonedTournamentOnceAndNeverAsAFinish) {
  Kept kept_store;
  kept_store.add({412, 3, abandoned, 1, 40, kept});
  RecordWindow window(kept_store.store());

  // Finishes 412, 3, 1, 40: the median lies between 3rd and 40th.
  const std::pair<const char*, const char*> figures[] = {{"Tournaments played", "5 (1 abandoned)"},
                                                         {"Best place", "1st"},
                                                         {"Median place", "21.5"},
                                                         {"Wins", "1"},
                                                         {"Hands played", "500"},
                                                         {"Hours played", "7.5"}};
  for (const auto& [name, value] : figures)
    EXPECT_EQ(window.figure(QString::fromLatin1(name)), QString::fromLatin1(value)) << name;

  std::vector<int> places;
  for (const auto& mark : window.chart()->marks()) places.push_back(mark.place);
  EXPECT_EQ(places, (std::vector<int>{412, 3, abandoned, 1, 40}));
  EXPECT_EQ(window.chart()->accessibleDescription(),
            "Finishing places, oldest first: 412th, 3rd, won, 40th. 1 tournament abandoned.");

  // Newest first, the kept one too; the name is shown as typed, never as markup.
  QTreeWidget& list = *window.list();
  ASSERT_EQ(list.topLevelItemCount(), 6);
  const char* ended[] = {"Kept for later", "40th of 1000", "Won",
                         "Abandoned",      "3rd of 1000",  "412th of 1000"};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(column(list.topLevelItem(i), "Ended"), ended[i]) << i;
    EXPECT_EQ(column(list.topLevelItem(i), "Name"), "<b>Ann</b>");
  }
  EXPECT_EQ(column(list.topLevelItem(5), "Number"), "4 183 775");
  EXPECT_EQ(column(list.topLevelItem(5), "Time played"), "1 h 30 min");
  EXPECT_EQ(column(list.topLevelItem(1), "Biggest share won"), "80");
}

TEST(Record, AnEmptyRecordSaysSoAndOffersNothingToForgetOrExport) {
  Kept kept_store;
  RecordWindow window(kept_store.store());
  EXPECT_EQ(window.figure(QStringLiteral("Tournaments played")), "0");
  EXPECT_EQ(window.figure(QStringLiteral("Median place")), "none yet");
  EXPECT_EQ(window.chart()->accessibleDescription(), "No finished tournament yet.");
  EXPECT_FALSE(window.findChild<QPushButton*>(QStringLiteral("forget_record"))->isEnabled());
  EXPECT_FALSE(window.findChild<QPushButton*>(QStringLiteral("export_log"))->isEnabled());
  EXPECT_FALSE(window.export_log(kept_store.folder.filePath(QStringLiteral("none.txt"))));
}

// ---- The hand log ---------------------------------------------------------------

TEST(Record, TheChosenTournamentsHandLogShowsAndExportsExactly) {
  Kept kept_store;
  const auto ids = kept_store.add({412, 3});
  RecordWindow window(kept_store.store());
  window.choose(ids[0]);
  const std::string log = kept_store.store().hand_log(ids[0]);
  ASSERT_NE(log, kept_store.store().hand_log(ids[1]));
  EXPECT_EQ(window.log_view()->toPlainText().trimmed(), QString::fromStdString(log).trimmed());

  const QString path = kept_store.folder.filePath(QStringLiteral("log.txt"));
  QFile(path).open(QIODevice::WriteOnly);  // a longer file there is replaced whole
  ASSERT_TRUE(window.export_log(path));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().toStdString(), log);
  EXPECT_FALSE(window.export_log(kept_store.folder.filePath(QStringLiteral("missing/log.txt"))));
}

// ---- Forget my record -----------------------------------------------------------

TEST(Record, ForgetClearsTheRecordOnlyWhenConfirmedAndKeepsTheKeptTournament) {
  Kept kept_store;
  kept_store.add({412, 3, kept});
  RecordWindow window(kept_store.store());
  window.show();
  auto* forget = window.findChild<QPushButton*>(QStringLiteral("forget_record"));
  const auto ask = [&] {
    QTest::mouseClick(forget, Qt::LeftButton);
    EXPECT_NE(window.forget_question(), nullptr);
    return window.forget_question();
  };
  // Escape, Enter (Cancel is the default) and Cancel all keep the record.
  const auto press = [](QMessageBox* box, const char* text) {
    for (QAbstractButton* button : box->buttons())
      if (button->text() == text) button->click();
  };
  for (const auto& answer : std::vector<std::function<void(QMessageBox*)>>{
           [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); },
           [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); },
           [&](QMessageBox* box) { press(box, "Cancel"); },
       }) {
    QMessageBox* box = ask();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->defaultButton()->text(), "Cancel");
    answer(box);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.forget_question(); }, 5000));
    EXPECT_EQ(kept_store.store().tournaments().size(), 3u);
  }
  press(ask(), "Forget");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window.forget_question(); }, 5000));
  EXPECT_EQ(kept_store.store().tournaments().size(), 1u);
  EXPECT_TRUE(kept_store.store().kept());
  EXPECT_EQ(window.figure(QStringLiteral("Tournaments played")), "0");
  EXPECT_EQ(window.list()->topLevelItemCount(), 1);
  EXPECT_FALSE(forget->isEnabled());
}

// ---- How a finish compares -------------------------------------------------------

TEST(Record, TheComparisonLineSetsTheNewestFinishAgainstEveryFinish) {
  struct Case {
    std::vector<int> places;  // oldest first
    const char* line;
  };
  const Case cases[] = {
      {{}, ""},
      {{3, abandoned}, ""},
      {{3, kept}, ""},
      {{500}, "your first finish on record"},
      {{10, 20, 3}, "your best place yet"},
      {{10, 3, 3}, "as good as your best place yet"},
      {{1, 2, 3, 60, 70, 80, 90, 100, 110, 120, 130, 50}, "4th best of 12"},
      {{abandoned, 10, abandoned, 50}, "2nd best of 2"},
      {{50, 1}, "your best place yet"},
  };
  for (const Case& c : cases) {
    std::vector<TournamentRow> rows;
    for (const int place : c.places) {
      TournamentRow row;
      row.id = static_cast<std::int64_t>(rows.size()) + 1;
      row.outcome = place == kept        ? Outcome::kept
                    : place == abandoned ? Outcome::abandoned
                    : place == 1         ? Outcome::won
                                         : Outcome::knocked_out;
      if (place > 0) row.place = place;
      rows.insert(rows.begin(), row);
    }
    EXPECT_EQ(windows::comparison_line(rows), c.line) << ::testing::PrintToString(c.places);
  }
}

// ---- Reached from the settings window, the table and the summary ----------------

TEST(Record, OpensFromTheSettingsWindowAndByHAtTheTableAndTheSummarySaysHowTheFinishCompares) {
  Kept kept_store;
  kept_store.add({10, 20});
  harness::GuiGame game;
  game.program.set_store(&kept_store.store());
  game.program.start();
  QTest::keyClick(game.program.splash(), Qt::Key_Space);
  QTest::mouseClick(
      game.program.settings()->findChild<QPushButton*>(QStringLiteral("RecordButton")),
      Qt::LeftButton);
  ASSERT_NE(game.program.record(), nullptr);
  EXPECT_TRUE(game.program.record()->isVisible());
  game.program.record()->close();

  QTest::mouseClick(game.program.settings()->findChild<QPushButton*>(QStringLiteral("Command1")),
                    Qt::LeftButton);
  windows::TableWindow* window = game.program.table();
  window->motion().set_enabled(false);
  // The tournament in play is on record, as the game keeps it.
  QTest::keyClick(window, Qt::Key_H);
  EXPECT_TRUE(game.program.record()->isVisible());
  EXPECT_EQ(game.program.record()->list()->topLevelItemCount(), 3);

  // Everything in until the tournament is over for the human; the record
  // closes it as the game does.
  for (int guard = 0; guard < 200000 && game.game().finish() == Finish::none; ++guard) {
    if (game.human_turn_open()) {
      QTest::keyClick(window, Qt::Key_B);
      QTest::keyClicks(window->amount_box(), QStringLiteral("100000"));
      QTest::keyClick(window->amount_box(), Qt::Key_Return);
    } else if (!game.step()) {
      break;
    }
  }
  ASSERT_NE(game.game().finish(), Finish::none);
  const Table& table = game.table();
  const int place = table.finish == Finish::won ? 1 : table.players_left() + 1;
  for (int guard = 0; guard < 10000 && window->summary()->isHidden() && game.step(); ++guard) {
  }
  ASSERT_FALSE(window->summary()->isHidden());
  const std::string expected = place < 10   ? "your best place yet"
                               : place < 20 ? "2nd best of 3"
                                            : "3rd best of 3";
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        const auto& lines = window->summary()->lines();
        return std::any_of(lines.begin(), lines.end(), [&](const windows::SheetSpot& line) {
          return line.spoken() == QString::fromStdString("On your record: " + expected);
        });
      },
      5000));
}

}  // namespace
}  // namespace tarvix::testing
