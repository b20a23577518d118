// The player's tournament kept between runs: Keep for later, the offer to
// resume and the same table and hand log after it, the choices remembered,
// and pause.
#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "harness/gui_game.h"
#include "support/table_seen.h"
#include "windows/hand_log.h"
#include "windows/player_store.h"
#include "windows/settings_window.h"
#include "windows/splash_window.h"
#include "windows/table_window.h"
#include "windows/tournament_number.h"

namespace tarvix::windows {
namespace {

QPushButton* button_named(QWidget* w, const char* name) {
  return w->findChild<QPushButton*>(QString::fromLatin1(name));
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
  {
    PlayerStore store(folder.path());
    harness::GuiGame g(7);
    to_settings(g, store);
    SettingsWindow* settings = g.program.settings();
    EXPECT_FALSE(button_named(settings, "resume")->isVisible());
    settings->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("Ann"));
    settings->findChild<QLineEdit*>(QStringLiteral("TournamentNumber"))
        ->setText(QStringLiteral("4 183 775"));
    QTest::mouseClick(button_named(settings, "Command1"), Qt::LeftButton);
    EXPECT_EQ(g.host.number(), 4183775u);
    TableWindow* table = g.program.table();
    for (int hand = 0; hand < 4; ++hand) {
      ASSERT_TRUE(g.run_to_human_turn());
      g.host.click(Command5);
    }
    g.elapse(700);
    seen = table_seen(g.game());
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
  QPushButton* resume = button_named(settings, "resume");
  ASSERT_TRUE(resume->isVisible());
  EXPECT_TRUE(resume->text().startsWith(QStringLiteral("Resume tournament 4 183 775: hand ")))
      << resume->text().toStdString();
  QTest::mouseClick(resume, Qt::LeftButton);
  ASSERT_TRUE(g.program.table());
  EXPECT_EQ(table_seen(g.game()), seen);
  EXPECT_EQ(g.program.table()->log()->toPlainText(), log);
  EXPECT_EQ(store.get()->tournaments().front().times_resumed, 1);
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
