// The player's tournament kept between runs: Keep for later, the offer to
// resume and the same table and hand log after it, the choices remembered,
// and pause.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include "harness/gui_game.h"
#include "harness/steady_player.h"
#include "store/keeper.h"
#include "store/sqlite.h"
#include "support/recording_output.h"
#include "support/table_seen.h"
#include "windows/hand_log.h"
#include "windows/player_store.h"
#include "windows/record_text.h"
#include "windows/settings_window.h"
#include "windows/splash_window.h"
#include "windows/table_window.h"
#include "windows/tournament_number.h"

namespace tarvix::windows {
namespace {

QPushButton* button_named(QWidget* w, const char* name) {
  return w->findChild<QPushButton*>(QString::fromLatin1(name));
}

// The table's picture at the screenshots' size once nothing moves on it.
QImage picture(TableWindow* table) {
  table->resize(harness::window_sizes[1]);
  EXPECT_TRUE(QTest::qWaitFor([table] { return !table->animating(); }, 10'000));
  QCoreApplication::processEvents();
  return table->grab().toImage();
}

void to_settings(harness::GuiGame& g, PlayerStore& store) {
  g.program.keep_in(&store);
  g.program.start();
  QTest::keyClick(g.program.splash(), Qt::Key_Space);
}

TEST(Keeping, KeptForLaterTheNextStartOffersItAndGivesBackTheSameTableAndLog) {
  QTemporaryDir folder;
  TableSeen seen;
  QString log;
  QImage left;
  QString offered;
  testing::Recording heard;
  {
    PlayerStore store(folder.path());
    harness::GuiGame g(7);
    to_settings(g, store);
    SettingsWindow* settings = g.program.settings();
    EXPECT_FALSE(button_named(settings, "resume")->isVisible());
    settings->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("Ann"));
    settings->findChild<QLineEdit*>(QStringLiteral("TournamentNumber"))
        ->setText(QStringLiteral("4 183 775"));
    settings->findChild<QCheckBox*>(QStringLiteral("SoundOn"))->setChecked(false);
    settings->findChild<QSlider*>(QStringLiteral("Volume"))->setValue(35);
    QTest::mouseClick(button_named(settings, "Command1"), Qt::LeftButton);
    EXPECT_EQ(g.host.number(), 4183775u);
    TableWindow* table = g.program.table();
    // The sound and the speed as set at the table are the ones kept. The
    // sound is heard here; the resumed table has only the sound server,
    // and none here: its Sound button would read "Sound: none" had the
    // replay been heard again.
    table->sound()->use_output(
        [&heard] { return std::make_unique<testing::RecordingOutput>(heard); });
    QTest::keyClick(table, Qt::Key_M);
    QTest::keyClick(table, Qt::Key_Plus);
    // Raising and calling in turn, kept at the next turn.
    for (int turn = 0; turn < 6; ++turn) {
      ASSERT_TRUE(g.run_to_human_turn());
      g.host.click(turn % 2 ? Command5 : Command6);
    }
    ASSERT_TRUE(g.run_to_human_turn());
    seen = table_seen(g.game());
    offered =
        QStringLiteral("%1 players left, your stack %2")
            .arg(QString::fromStdString(
                windows::number_text(static_cast<std::uint64_t>(g.game().table().players_left()))))
            .arg(QString::fromStdString(
                windows::number_text(static_cast<std::uint64_t>(g.game().table().p(1).prize))));
    left = picture(table);
    log = table->log()->toPlainText();
    EXPECT_TRUE(log.startsWith(QStringLiteral("Tournament 4 183 775"))) << log.toStdString();
    table->close();
    QMessageBox* question = table->leave_question();
    ASSERT_TRUE(question);
    QPushButton* keep = nullptr;
    for (QAbstractButton* b : question->buttons())
      if (b->text() == QStringLiteral("Keep for later")) keep = qobject_cast<QPushButton*>(b);
    ASSERT_TRUE(keep);
    QTest::mouseClick(keep, Qt::LeftButton);
    EXPECT_TRUE(g.program.ended());
  }
  PlayerStore store(folder.path());
  harness::GuiGame g(7);
  to_settings(g, store);
  SettingsWindow* settings = g.program.settings();
  EXPECT_EQ(settings->player_name(), QStringLiteral("Ann"));
  EXPECT_TRUE(settings->sound().on);
  EXPECT_EQ(settings->sound().volume, 35);
  EXPECT_EQ(settings->speed(), windows::GameSpeed::fast);
  QPushButton* resume = button_named(settings, "resume");
  ASSERT_TRUE(resume->isVisible());
  EXPECT_TRUE(resume->text().startsWith(QStringLiteral("Resume tournament 4 183 775: hand ")))
      << resume->text().toStdString();
  // As the table stood when it was left, mid-hand.
  EXPECT_TRUE(resume->text().endsWith(offered)) << resume->text().toStdString();
  g.program.keep_silent(false);
  QTest::mouseClick(resume, Qt::LeftButton);
  ASSERT_TRUE(g.program.table());
  EXPECT_EQ(table_seen(g.game()), seen);
  EXPECT_EQ(g.program.table()->log()->toPlainText(), log);
  // To the pixel, and at once: what the replay moved does not move again.
  EXPECT_FALSE(g.program.table()->animating());
  EXPECT_EQ(picture(g.program.table()), left);
  // The record's log, the one exported, is the table's, the window's
  // indents aside.
  const auto kept = store.get()->tournaments().front();
  EXPECT_EQ(kept.times_resumed, 1);
  const auto lines = [](const QString& text) {
    QStringList all = text.trimmed().split(u'\n');
    for (QString& line : all) line = line.trimmed();
    return all;
  };
  EXPECT_EQ(lines(QString::fromStdString(store.get()->hand_log(kept.id))), lines(log));
}

TEST(Keeping, AResumeThatDealsDifferentlySaysSoAndOffersANewTournamentWithTheRecordKept) {
  QTemporaryDir folder;
  const std::string db = QDir(folder.path()).filePath(PlayerStore::file_name()).toStdString();
  {
    auto opened = store::Store::open(db);
    Game game(std::make_unique<SeededRandom>(4183775));
    store::Keeper keeper(*opened.store, game, [&game] { return game.now(); });
    keeper.begin(4183775, Settings{"Ann", 0, default_tabletop});
    harness::play_steadily(game, harness::Policy::sharp, 7, 3000,
                           [&game] { return game.hand() >= 4; });
    keeper.keep();
  }
  // As if another build dealt hand 3 otherwise.
  store::Connection(db, false).exec("UPDATE checkpoint SET stacks = '1 2 3' WHERE hand = 3");

  QString said;
  {
    PlayerStore store(folder.path());
    // The window tests' games draw from the seed given, not the number.
    harness::GuiGame g(4183775);
    QSignalSpy again(&g.program, &Program::play_again);
    to_settings(g, store);
    QTest::mouseClick(button_named(g.program.settings(), "resume"), Qt::LeftButton);
    ASSERT_EQ(again.count(), 1);
    said = again.at(0).at(0).toString();
    EXPECT_TRUE(said.contains(QStringLiteral("4 183 775 could not be taken up again: from hand 3")))
        << said.toStdString();
    EXPECT_FALSE(g.program.table() && g.program.table()->isVisible());
  }
  // The next round of the program: the settings window says why and offers
  // only a new tournament; the one that failed stays in the record.
  PlayerStore store(folder.path());
  harness::GuiGame g(7);
  g.program.tell(said);
  to_settings(g, store);
  SettingsWindow* settings = g.program.settings();
  EXPECT_EQ(settings->findChild<QLabel*>(QStringLiteral("notice"))->text(), said);
  EXPECT_FALSE(button_named(settings, "resume")->isVisible());
  const auto rows = store.get()->tournaments();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows.front().outcome, store::Outcome::abandoned);
  EXPECT_EQ(rows.front().progress.hand, 4);
}

TEST(Keeping, PauseFreezesTheGameUntilPressedAgain) {
  harness::GuiGame g(7);
  g.open_table();
  TableWindow* table = g.program.table();
  ASSERT_TRUE(g.run_to_human_turn());
  g.host.click(Command8);
  const TableSeen before = table_seen(g.game());
  QTest::keyClick(table, Qt::Key_P);
  EXPECT_TRUE(g.host.paused());
  EXPECT_FALSE(g.host.armed_for());
  g.elapse(60'000);
  g.host.click(Command5);
  EXPECT_EQ(table_seen(g.game()).elements, before.elements);
  EXPECT_TRUE(table->findChild<QWidget*>(QStringLiteral("paused"))->isVisible());
  QTest::keyClick(table, Qt::Key_P);
  EXPECT_FALSE(g.host.paused());
  EXPECT_TRUE(g.host.armed_for());
}

TEST(Keeping, NumbersReadAndWriteAsThePlayerTypesThem) {
  const std::pair<const char*, std::optional<std::uint64_t>> cases[] = {
      {"4 183 775", 4183775}, {"4183775", 4183775},         {"", std::nullopt},
      {"0", std::nullopt},    {"12 345 678", std::nullopt}, {"7", 7}};
  for (const auto& [text, number] : cases)
    EXPECT_EQ(parse_number(QString::fromLatin1(text)), number) << text;
  const std::uint64_t drawn = new_number();
  EXPECT_TRUE(drawn >= 1 && drawn <= largest_number);
}

}  // namespace
}  // namespace tarvix::windows
