// The game: the splash, the settings window, then the table until the
// tournament ends for the human or Exit is pressed.
#include <QApplication>
#include <QIcon>
#include <QTimer>

#include "windows/art/art.h"
#include "windows/game_host.h"
#include "windows/player_store.h"
#include "windows/program.h"

namespace {

// Every window takes the application's icon, loaded once, and only after
// the splash is on its way to the screen: the first frame does not wait.
void schedule_icon(QApplication& app) {
  QTimer::singleShot(0, &app, [] {
    tarvix::art::init_resources();
    QApplication::setWindowIcon(QIcon(QString::fromLatin1(tarvix::art::icon_path)));
  });
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("TARVIX"));
  QApplication::setApplicationVersion(QStringLiteral(TARVIX_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral(TARVIX_APP_ID));
  // The windows give way to one another; only the game's end quits.
  QApplication::setQuitOnLastWindowClosed(false);

  // The player's tournaments open while the splash shows (see below).
  tarvix::windows::PlayerStore store;
  // Every tournament on a game of its own, the machine's clock running it
  // at the pace the player sets; Play again goes round once more.
  bool again = false;
  QString notice;
  bool first = true;
  int status = 0;
  do {
    tarvix::windows::GameHost host;
    tarvix::windows::Program program(host);
    program.keep_in(&store);
    program.tell(notice);
    again = false;
    QObject::connect(&program, &tarvix::windows::Program::finished, &app, &QApplication::quit);
    QObject::connect(&program, &tarvix::windows::Program::play_again, &app,
                     [&](const QString& said) {
                       again = true;
                       notice = said;
                       QApplication::quit();
                     });
    program.start(first);
    if (first) {
      schedule_icon(app);
      QTimer::singleShot(0, &app, [&store] { store.open(); });
    }
    first = false;
    status = QApplication::exec();
  } while (again && status == 0);
  return status;
}
