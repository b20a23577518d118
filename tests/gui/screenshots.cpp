// Saves pictures of the windows as a player sees them: the splash, the
// settings window, the table at the human's turn and at a showdown, and the
// table at a small window size. Usage: tarvix_screenshots FOLDER
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdio>

#include "gui_game.h"
#include "windows/choice_tile.h"
#include "windows/settings_window.h"
#include "windows/splash_window.h"
#include "windows/table_window.h"

namespace {

bool save(QWidget& window, const QString& path) {
  QApplication::processEvents();
  const bool ok = window.grab().save(path);
  std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(path));
  return ok;
}

void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
  QDir().mkpath(folder);
  const auto path = [&folder](const char* name) { return folder + '/' + QLatin1String(name); };
  bool ok = true;

  tarvix::testing::GuiGame game(11);
  auto& program = game.program;
  program.start();
  ok &= save(*program.splash(), path("splash.png"));
  QTest::keyClick(program.splash(), Qt::Key_Space);

  auto& settings = *program.settings();
  QTest::keyClicks(settings.findChild<QLineEdit*>(QStringLiteral("Text1")),
                   QStringLiteral("Alice"));
  click(settings.findChild<tarvix::windows::ChoiceTile*>(QStringLiteral("Image3")));
  click(settings.findChild<tarvix::windows::ChoiceTile*>(QStringLiteral("Image7")));
  ok &= save(settings, path("settings.png"));
  click(settings.findChild<QPushButton*>(QStringLiteral("Command1")));

  auto* table = program.table();
  table->motion().set_enabled(false);
  table->resize(1386, 989);
  if (!game.run_to_human_turn()) {
    std::printf("FAILED the human's turn never came\n");
    return 1;
  }
  ok &= save(*table, path("table_turn.png"));
  {
    // The human's seat and the bet panel at full resolution.
    const QPixmap whole = table->grab();
    const QRectF area = table->to_view({3700, 6100, 8660, 2720});
    const qreal ratio = whole.devicePixelRatio();
    const QRect pixels(QPointF(area.topLeft() * ratio).toPoint(),
                       QSizeF(area.size() * ratio).toSize());
    const bool saved = whole.copy(pixels).save(path("table_detail.png"));
    std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path("table_detail.png")));
    ok &= saved;
  }

  // Call or check every turn until the hand is decided; the pot's slide and
  // the cards turning over are caught halfway.
  table->motion().set_enabled(true);
  while (!game.table().gameover && !game.table().ended()) {
    if (game.human_turn_open()) {
      const auto e = game.screen().visible(tarvix::Command5) ? tarvix::Command5 : tarvix::Command7;
      click(table->button(e));
    } else if (!game.host.step()) {
      break;
    }
  }
  QTest::qWait(120);
  ok &= save(*table, path("table_payout.png"));
  QTest::qWait(800);
  QTest::keyClick(table, Qt::Key_F10);
  ok &= save(*table, path("table_showdown.png"));
  table->motion().set_enabled(false);

  // Everything in at every turn until the tournament is over for the human.
  for (int guard = 0; guard < 100000 && game.table().finish == tarvix::Finish::none; ++guard) {
    if (game.human_turn_open()) {
      QTest::mouseClick(table->amount_box(), Qt::LeftButton);
      QTest::keyClicks(table->amount_box(), QStringLiteral("100000"));
      QTest::keyClick(table->amount_box(), Qt::Key_Return);
    } else if (!game.host.step()) {
      break;
    }
  }
  ok &= save(*table, path("table_end.png"));

  table->resize(720, 514);
  ok &= save(*table, path("table_small.png"));
  return ok ? 0 : 1;
}
