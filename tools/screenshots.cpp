// Saves pictures of the windows as a player sees them: the splash, the
// settings window, the table at the human's turn, at a showdown with every
// seat's hand and winnings, with the hand log beside it and the house rules
// over it, the longest texts the game can write at every window size, and
// the summary at the end of the tournament. Usage: tarvix_screenshots FOLDER
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdio>

#include "harness/gui_game.h"
#include "model/table.h"
#include "windows/choice_tile.h"
#include "windows/settings_window.h"
#include "windows/splash_window.h"
#include "windows/table_window.h"

namespace {

using tarvix::Element;

bool save(QWidget& window, const QString& path) {
  QApplication::processEvents();
  const bool ok = window.grab().save(path);
  std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(path));
  return ok;
}

void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

// The longest texts the game writes: a newcomer's name of three of the
// longest fragments, the field's first count, and the knock-out message.
void longest_texts(tarvix::Screen& screen) {
  for (int s = 2; s <= 7; ++s)
    screen.set_caption(tarvix::name_label(s), "riverbelle california riverbelle");
  screen.set_caption(tarvix::Label2, "Players  997 Remaining in the Tournament");
  screen.set_visible(tarvix::Label2, true);
  screen.set_caption(tarvix::Label24, "Your Finished With  997 Players Still in Tournament");
  screen.set_visible(tarvix::Label24, true);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
  QDir().mkpath(folder);
  const auto path = [&folder](const QString& name) { return folder + '/' + name + ".png"; };
  bool ok = true;

  tarvix::harness::GuiGame game(11);
  auto& program = game.program;
  program.start();
  ok &= save(*program.splash(), path("splash"));
  QTest::keyClick(program.splash(), Qt::Key_Space);

  auto& settings = *program.settings();
  // The longest name the box takes.
  QTest::keyClicks(settings.findChild<QLineEdit*>(QStringLiteral("Text1")),
                   QStringLiteral("Maximilian Archibald"));
  click(settings.findChild<tarvix::windows::ChoiceTile*>(QStringLiteral("Image3")));
  click(settings.findChild<tarvix::windows::ChoiceTile*>(QStringLiteral("Image7")));
  ok &= save(settings, path("settings"));
  click(settings.findChild<QPushButton*>(QStringLiteral("Command1")));

  auto* table = program.table();
  table->motion().set_enabled(false);
  const QSize normal = tarvix::harness::window_sizes[1];
  table->resize(normal);
  if (!game.run_to_human_turn()) {
    std::printf("FAILED the human's turn never came\n");
    return 1;
  }
  ok &= save(*table, path("table_turn"));
  {
    // The human's seat and the bet panel at full resolution.
    const QPixmap whole = table->grab();
    const QRectF area = table->to_view({3400, 6100, 8960, 2720});
    const qreal ratio = whole.devicePixelRatio();
    const QRect pixels(QPointF(area.topLeft() * ratio).toPoint(),
                       QSizeF(area.size() * ratio).toSize());
    const bool saved = whole.copy(pixels).save(path("table_detail"));
    std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path("table_detail")));
    ok &= saved;
  }

  // Call or check every turn until a hand reaches its showdown with more
  // than one seat in it; the pot's slide and the cards turning over are
  // caught halfway.
  table->motion().set_enabled(true);
  for (int hand = 0; hand < 30; ++hand) {
    while (!game.table().gameover && !game.table().ended()) {
      if (game.human_turn_open()) {
        const Element e =
            game.screen().visible(tarvix::Command5) ? tarvix::Command5 : tarvix::Command7;
        click(table->button(e));
      } else if (!game.step()) {
        break;
      }
    }
    if (game.table().postflop4) break;
    game.run_to_human_turn();
  }
  QTest::qWait(120);
  ok &= save(*table, path("table_payout"));
  QTest::qWait(800);
  QTest::keyClick(table, Qt::Key_F10);
  ok &= save(*table, path("table_showdown"));
  table->motion().set_enabled(false);

  // The hand log beside the table: the window grows for it.
  QTest::keyClick(table, Qt::Key_L);
  ok &= save(*table, path("table_log"));
  QTest::keyClick(table, Qt::Key_L);
  table->resize(normal);
  QTest::keyClick(table, Qt::Key_F1);
  ok &= save(*table, path("table_guide"));
  QTest::keyClick(table, Qt::Key_F1);

  // The longest texts at every size, the smallest first.
  game.run_to_human_turn();
  longest_texts(game.game().screen());
  for (const QSize& size : tarvix::harness::window_sizes) {
    table->resize(size);
    ok &= save(*table,
               path(QStringLiteral("table_longest_%1x%2").arg(size.width()).arg(size.height())));
  }
  table->resize(normal);

  // Everything in at every turn until the tournament is over for the human.
  for (int guard = 0; guard < 100000 && game.table().finish == tarvix::Finish::none; ++guard) {
    if (game.human_turn_open()) {
      QTest::mouseClick(table->amount_box(), Qt::LeftButton);
      QTest::keyClicks(table->amount_box(), QStringLiteral("100000"));
      QTest::keyClick(table->amount_box(), Qt::Key_Return);
    } else if (!game.step()) {
      break;
    }
  }
  ok &= save(*table, path("table_end"));

  table->resize(tarvix::harness::window_sizes[0]);
  ok &= save(*table, path("table_small"));
  return ok ? 0 : 1;
}
